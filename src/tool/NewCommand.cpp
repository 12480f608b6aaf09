#include <string>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "tool/Commands.h"
#include "tool/Files.h"

int NewCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  if (!MayCreate(context, path, context.Arguments.Has("--force"))) return ExitTrouble;
  RequireOutput(context, path, TFileKind::Test, {});
  // One atomic save over the old file: a failure anywhere leaves it as it was.
  TIniStore store(path);
  store.ClearSections();
  TestFile::WriteNewTest(store);
  store.Modified = true;
  store.UpdateFile();
  return ExitOk;
}
