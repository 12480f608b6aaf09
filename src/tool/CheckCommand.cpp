#include <ostream>
#include <string>

#include "core/model/TestCheck.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"

int CheckCommand(TToolContext& context) {
  int status = ExitOk;
  for (const std::string& path : context.Arguments.Operands) {
    // A file that cannot be read is reported and the other files still checked.
    try {
      RequireExistingFile(path);
      TIniStore store(path);
      for (const std::string& finding : CheckTest(store)) {
        context.Out << TerminalUtf8(path) << ": " << finding << '\n';
        if (status == ExitOk) status = ExitFindings;
      }
    } catch (const TIoError& error) {
      Report(context.Err, error.what());
      status = ExitTrouble;
    }
  }
  return status;
}
