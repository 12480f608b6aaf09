#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/model/TestFile.h"
#include "tool/Commands.h"

int NewCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  if (path.empty()) throw TIoError(path, "Cannot create", "the file name is empty");
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0) {
    if (S_ISDIR(info.st_mode)) throw TIoError(path, "Cannot create", "a folder has that name");
    if (!context.Arguments.Has("--force")) {
      Report(context.Err, "\"" + path + "\" exists; give --force to replace it");
      return ExitTrouble;
    }
    // --force replaces a test, nothing else: not what a link points to, not a device.
    if (S_ISLNK(info.st_mode)) throw TIoError(path, "Cannot replace", "it is a symbolic link");
    if (!S_ISREG(info.st_mode)) throw TIoError(path, "Cannot replace", "it is not a regular file");
    if (::access(path.c_str(), W_OK) != 0) throw TIoError(path, "Cannot replace", std::strerror(errno));
  }
  // One atomic save over the old file: a failure anywhere leaves it as it was.
  TIniStore store(path);
  store.ClearSections();
  TestFile::WriteNewTest(store);
  store.Modified = true;
  store.UpdateFile();
  return ExitOk;
}
