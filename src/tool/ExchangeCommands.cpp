#include <filesystem>
#include <string>
#include <system_error>

#include "core/exchange/Export.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/storage/IoError.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace fs = std::filesystem;

namespace {

const TQuestionFormat* FormatNamed(TToolContext& context, const std::string& name) {
  const TQuestionFormat* format = FindQuestionFormat(name);
  if (!format) {
    std::string known;
    for (const auto& each : QuestionFormats())
      known += (known.empty() ? "" : ", ") + std::string(each->Name());
    Report(context.Err, "unknown format \"" + name + "\"; the formats are " + known);
  }
  return format;
}

// The report on standard error; exit status 1 when anything was lost.
int Finish(TToolContext& context, const TLossReport& report) {
  for (const std::string& line : report.Lines()) Report(context.Err, line);
  return report.Empty() ? ExitOk : ExitFindings;
}

int Failed(TToolContext& context, const std::string& path, const std::string& what) {
  Report(context.Err, "\"" + path + "\": " + what);
  return ExitTrouble;
}

}  // namespace

int ImportCommand(TToolContext& context) {
  const auto& operands = context.Arguments.Operands;
  const TQuestionFormat* format = FormatNamed(context, operands[0]);
  if (!format) return ExitTrouble;
  const std::string& source = operands[1];
  const std::string& test = operands[2];
  RequireExistingFile(source);
  RequireFileDestination(test);
  std::error_code error;
  if (fs::exists(fs::symlink_status(test, error)) && !context.Arguments.Has("--force")) {
    Report(context.Err, "\"" + test + "\" exists; give --force to replace it");
    return ExitTrouble;
  }
  TLossReport report;
  TImportedTest imported;
  try {
    imported = Import::ReadSource(*format, source, report);
  } catch (const TFormatError& damaged) {
    return Failed(context, source, damaged.what());
  }
  Import::UnpackMedia(imported, test, report);
  const Import::TCodePageTest converted = Import::ToCodePage(imported);
  if (!converted.Unmappable.empty())
    report.Add(0, "characters the code page cannot hold were replaced by '?': " +
                      Import::Utf8(converted.Unmappable));
  Import::SaveNewTest(test, converted);
  return Finish(context, report);
}

int ExportCommand(TToolContext& context) {
  const auto& operands = context.Arguments.Operands;
  const TQuestionFormat* format = FormatNamed(context, operands[0]);
  if (!format) return ExitTrouble;
  RequireExistingFile(operands[1]);
  RequireFileDestination(operands[2]);
  TLossReport report;
  Export::ExportTest(*format, operands[1], operands[2], report);
  return Finish(context, report);
}
