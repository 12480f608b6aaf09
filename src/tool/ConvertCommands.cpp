#include <algorithm>
#include <ostream>
#include <string>

#include "core/model/Conversions.h"
#include "core/model/LossNotice.h"
#include "core/model/TestFile.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace {

// Writes to standard error what the conversion did not carry over whole,
// one line a kind of loss.
void ReportLosses(TToolContext& context, const std::string& source, const TConversionReport& report) {
  ReportNumbering(context, source, report.Numbering);
  for (std::string notice : LossNotices(report)) {
    std::replace(notice.begin(), notice.end(), '\r', ' ');
    Report(context.Err, "warning: \"" + TerminalText(source) + "\": " + TerminalText(notice));
  }
}

// Converts the file the first operand names into the second, then reports
// what did not come over whole.
int Convert(TToolContext& context,
            TConversionReport (*convert)(const std::string& source, const std::string& destination)) {
  const std::string& source = context.Arguments.Operands[0];
  const std::string& destination = context.Arguments.Operands[1];
  RequireExistingFile(source);
  // A test may be encrypted in place; a plain-text form never goes over its test.
  const bool toTest = convert == EncryptTextToTest;
  RequireOutput(context, destination, toTest ? TFileKind::Test : TFileKind::Other,
                toTest ? std::vector<std::string>{} : std::vector<std::string>{source});
  ReportLosses(context, source, convert(source, destination));
  return ExitOk;
}

}  // namespace

int EncryptCommand(TToolContext& context) {
  return Convert(context, EncryptTextToTest);
}

int DecryptCommand(TToolContext& context) {
  return Convert(context, DecryptTestToText);
}
