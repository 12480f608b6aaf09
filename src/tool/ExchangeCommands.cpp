#include <string>
#include <utility>

#include "core/exchange/Export.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/model/TestFile.h"
#include "tool/Commands.h"
#include "tool/Files.h"

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
  RequireOutput(context, test, TFileKind::Test, {source});
  if (!MayCreate(context, test, context.Arguments.Has("--force"))) return ExitTrouble;
  Import::TPreparedImport prepared = Import::Prepare(source, format);
  if (!prepared.Damage.empty()) return Failed(context, source, prepared.Damage);
  if (!prepared.Ready()) {
    // Nothing to import: no empty test is made in its place.
    prepared.Report.Add(0, Import::NothingToImport);
    return Finish(context, prepared.Report);
  }
  if (Import::IntoTest(std::move(prepared.Test), test, false, prepared.Report).BecameUtf8)
    Report(context.Err, std::string(TestFile::Utf8Notice));
  return Finish(context, prepared.Report);
}

int ExportCommand(TToolContext& context) {
  const auto& operands = context.Arguments.Operands;
  const TQuestionFormat* format = FormatNamed(context, operands[0]);
  if (!format) return ExitTrouble;
  RequireExistingFile(operands[1]);
  RequireOutput(context, operands[2], TFileKind::Other, {operands[1]});
  TLossReport report;
  Export::ExportTest(*format, operands[1], operands[2], report);
  return Finish(context, report);
}
