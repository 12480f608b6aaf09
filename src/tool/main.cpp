#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "core/model/WorkingFolder.h"
#include "tool/Tool.h"

namespace {

// The maker's folder of tests, found from the running executable's folder (not
// the shell's current folder): without a FOLDER, `list` shows the catalogue the
// maker shows, the program folder in a build and ~/Quizwell when installed.
WorkingFolder::TWorkingFolder ProgramFolder(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0 ? argv0 : "", error);
  return WorkingFolder::ForProgram(self.parent_path().string());
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  const WorkingFolder::TWorkingFolder folder = ProgramFolder(argc > 0 ? argv[0] : nullptr);
  return RunTool(words, std::cout, std::cerr, folder.Path, folder.FallbackReason);
}
