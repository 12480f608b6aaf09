#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "tool/Tool.h"

namespace {

// The folder of the running executable, not the working folder: without a
// FOLDER, `list` shows the catalogue of the folder qwtool is installed in.
std::filesystem::path ProgramFolder(const char* argv0) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path();
  return std::filesystem::absolute(argv0 ? argv0 : "", error).parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + (argc > 0 ? 1 : 0), argv + argc);
  return RunTool(words, std::cout, std::cerr, ProgramFolder(argc > 0 ? argv[0] : nullptr));
}
