#include <filesystem>
#include <string>
#include <system_error>

#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/test/TestFile.h"
#include "tool/Commands.h"

namespace fs = std::filesystem;

int NewCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (fs::exists(status)) {
    if (fs::is_directory(status)) throw TIoError(path, "Cannot create", "a folder has that name");
    if (!context.Arguments.Has("--force")) {
      Report(context.Err, "\"" + path + "\" exists; give --force to replace it");
      return ExitTrouble;
    }
    // The old test goes first: the store would otherwise start from its
    // content and keep its questions under the new settings.
    fs::remove(path, error);
    if (error) throw TIoError(path, "Cannot replace", error.message());
  }
  TIniStore store(path);
  TestFile::WriteNewTest(store);
  store.UpdateFile();
  return ExitOk;
}
