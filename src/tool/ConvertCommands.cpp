#include <ostream>
#include <string>

#include "core/model/Conversions.h"
#include "core/model/TestFile.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace {

// "SETTINGS/DESC" or "QA3/QUESTION": where the value is written.
std::string Place(const TBrokenValue& value) {
  const std::string section =
      value.Question == 0 ? std::string(TestFile::Settings) : TestFile::QuestionSection(value.Question);
  return section + "/" + value.Key;
}

// Writes to standard error what the conversion did not carry over whole.
void ReportLosses(TToolContext& context, const std::string& source, const TConversionReport& report) {
  ReportNumbering(context, source, report.Numbering);
  if (report.Broken.empty()) return;
  Report(context.Err, "warning: these values of \"" + source + "\" do not survive the conversion whole:");
  for (const TBrokenValue& value : report.Broken) {
    context.Err << "  " << TerminalText(Place(value)) << ' ';
    switch (value.Loss) {
      case TLoss::LineBreak:
        context.Err << "(holds line breaks: converting the text back keeps only the first line)";
        break;
      case TLoss::EndsText:
        context.Err << "(holds a Ctrl-Z: reading the text file back stops there)";
        break;
      case TLoss::NoDecipher:
        context.Err << "(does not decipher: the text holds BAD DECODE)";
        break;
      case TLoss::EdgeBytes:
        context.Err << "(holds characters 0 or 255, which a test cannot keep)";
        break;
    }
    context.Err << '\n';
  }
}

// Converts the file the first operand names into the second, then reports
// what did not come over whole.
int Convert(TToolContext& context,
            TConversionReport (*convert)(const std::string& source, const std::string& destination)) {
  const std::string& source = context.Arguments.Operands[0];
  const std::string& destination = context.Arguments.Operands[1];
  RequireExistingFile(source);
  RequireFileDestination(destination);
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
