#include <ostream>
#include <string>

#include "core/test/Conversions.h"
#include "core/test/TestFile.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace {

// "SETTINGS/DESC" or "QA3/QUESTION": where the value stands in both files.
std::string Place(const TBrokenValue& value) {
  const std::string section =
      value.Question == 0 ? std::string(TestFile::Settings) : TestFile::QuestionSection(value.Question);
  return section + "/" + value.Key;
}

}  // namespace

int EncryptCommand(TToolContext& context) {
  const std::string& text = context.Arguments.Operands[0];
  const std::string& test = context.Arguments.Operands[1];
  RequireExistingFile(text);
  RequireFileDestination(test);
  EncryptTextToTest(text, test);
  return ExitOk;
}

int DecryptCommand(TToolContext& context) {
  const std::string& test = context.Arguments.Operands[0];
  const std::string& text = context.Arguments.Operands[1];
  RequireExistingFile(test);
  RequireFileDestination(text);
  const std::vector<TBrokenValue> broken = DecryptTestToText(test, text);
  if (!broken.empty()) {
    Report(context.Err, "warning: these values of \"" + test + "\" hold line breaks; converting \"" + text +
                            "\" back to a test keeps only their first lines:");
    for (const TBrokenValue& value : broken)
      context.Err << "  " << Place(value)
                  << (value.EndsText ? " (holds a Ctrl-Z: reading the text file back stops there)" : "") << '\n';
  }
  return ExitOk;
}
