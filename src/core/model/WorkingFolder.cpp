#include "core/model/WorkingFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"

namespace fs = std::filesystem;

namespace WorkingFolder {

namespace {

bool IsFolder(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool HasTestExtension(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::toupper(c); });
  return tail == ".QWT";
}

std::string ReadWhole(const std::string& path) {
  TInputFile input(path);
  if (!input.Exists()) return std::string();
  TFileBytes bytes = input.ReadRest();
  return std::string(bytes.Data.get(), bytes.Size);
}

int CopySamples(const std::string& samplesFolder, const std::string& folder) {
  std::error_code error;
  std::vector<std::string> names;
  for (fs::directory_iterator it(samplesFolder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (HasTestExtension(name) && it->is_regular_file(error)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  int copied = 0;
  for (const std::string& name : names) {
    try {
      ReplaceFileAtomically(folder + '/' + name, ReadWhole(samplesFolder + '/' + name));
      ++copied;
    } catch (const TIoError&) {
      // A sample that cannot be read or written is left out; the folder works without it.
    }
  }
  return copied;
}

std::string HomeOfUser() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
    return entry->pw_dir;
  return std::string();
}

}  // namespace

std::string DataFolder(const std::string& programFolder) {
  const fs::path program(programFolder);
  if (program.filename() == "bin") {
    const std::string shared = (program.parent_path() / "share" / "quizwell").string();
    if (IsFolder(shared)) return shared;
  }
  return programFolder;
}

std::string WebPage(const std::string& programFolder, const std::string& executableFolder,
                    const std::string& page) {
  std::error_code ignored;
  const std::string beside = programFolder + "/help/web/" + page;
  if (fs::exists(beside, ignored)) return beside;
  const std::string installed = DataFolder(executableFolder) + "/help/web/" + page;
  return fs::exists(installed, ignored) ? installed : beside;
}

bool IsInstalled(const std::string& programFolder) {
  return DataFolder(programFolder) != programFolder;
}

TWorkingFolder Resolve(const std::string& programFolder, bool programFolderWritable, const std::string& home,
                       const std::string& samplesFolder) {
  if (programFolderWritable && !IsInstalled(programFolder)) return {programFolder, false, 0, {}};
  std::string folder = home;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  folder += std::string(folder == "/" ? "" : "/") + HomeFolderName;
  if (IsFolder(folder)) return {folder, true, 0, {}};
  if (::mkdir(folder.c_str(), 0755) != 0 && !(errno == EEXIST && IsFolder(folder)))
    throw TIoError(folder, "Cannot create the folder",
                   errno == EEXIST ? "a file, not a folder, has that name" : std::strerror(errno));
  return {folder, true, CopySamples(samplesFolder, folder), {}};
}

TWorkingFolder ForProgram(const std::string& programFolder) {
  const bool writable = ::access(programFolder.c_str(), W_OK) == 0;
  if (writable && !IsInstalled(programFolder)) return {programFolder, false, 0, {}};
  const std::string home = HomeOfUser();
  if (home.empty()) return {programFolder, false, 0, "no home folder is known (HOME is not set)"};
  try {
    return Resolve(programFolder, writable, home, DataFolder(programFolder) + "/examples");
  } catch (const TIoError& error) {
    return {programFolder, false, 0, error.what()};
  }
}

}  // namespace WorkingFolder
