#include <QGuiApplication>

#include "core/results/PrintRuns.h"
#include "core/results/RecordAttempt.h"
#include "core/run/ParallelForms.h"
#include "core/run/SheetLayout.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/IoError.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/OffscreenGui.h"
#include "tool/PaperOptions.h"
#include "ui/page/TestPrinter.h"
#include "ui/text/QtText.h"

namespace {

bool ParseShuffle(const std::string& text, PaperVersions::TOptions& options) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    if (word == "questions") {
      options.ShuffleQuestions = true;
    } else if (word == "answers") {
      options.ShuffleAnswers = true;
    } else if (!word.empty()) {
      return false;
    }
    start = end + 1;
  }
  return true;
}

// Records the run in the results store of the test's folder, so the sheets
// are graded with it; false (after saying so) when it cannot be, or when its
// sheets cannot be told from an earlier run's.
bool RecordRun(TToolContext& context, const std::string& path, const PaperVersions::TPaperTest& test,
               const PaperVersions::TOptions& versions) {
  try {
    const TRecordedPrint recorded = RecordPrint(path, test.Questions, versions);
    for (const std::string& notice : recorded.Notices) Report(context.Err, notice);
    context.Out << "Recorded as run " << recorded.Run.Number << " in " << recorded.StorePath << '\n';
    if (recorded.Alike) Report(context.Err, PrintRuns::AlikeWarning(*recorded.Alike));
    return !recorded.Alike;
  } catch (const TIoError& error) {
    Report(context.Err, std::string("the print run could not be recorded: ") + error.what() + "; note seed " +
                            std::to_string(versions.Seed) + " to grade the sheets");
    return false;
  }
}

}  // namespace

std::optional<PaperVersions::TOptions> PaperOptions(const TToolContext& context, bool drawSeed) {
  PaperVersions::TOptions options;
  if (const auto versions = context.Arguments.Value("--versions")) {
    const auto count = PaperVersions::ParseSeed(*versions);
    if (!count || *count < 1 || *count > PaperVersions::MaxVersions) {
      Report(context.Err, "--versions takes a number from 1 to 26, not \"" + *versions + "\"");
      return std::nullopt;
    }
    options.Versions = static_cast<int>(*count);
  }
  if (const auto seed = context.Arguments.Value("--seed")) {
    const auto value = PaperVersions::ParseSeed(*seed);
    if (!value) {
      Report(context.Err, "--seed takes a whole number of up to 18 digits, not \"" + *seed + "\"");
      return std::nullopt;
    }
    options.Seed = *value;
  } else if (drawSeed) {
    options.Seed = PaperVersions::NewSeed();
  }
  if (const auto shuffle = context.Arguments.Value("--shuffle")) {
    if (!ParseShuffle(*shuffle, options)) {
      Report(context.Err, "--shuffle takes questions, answers or both, not \"" + *shuffle + "\"");
      return std::nullopt;
    }
  }
  return options;
}

int PrintCommand(TToolContext& context) {
  const auto output = context.Arguments.Value("-o");
  if (!output) {
    Report(context.Err, "print needs -o OUT.pdf");
    return ExitTrouble;
  }
  const auto versions = PaperOptions(context, true);
  if (!versions) return ExitTrouble;
  const bool sheet = context.Arguments.Has("--sheet");
  int digits = 0;
  if (const auto text = context.Arguments.Value("--digits")) {
    const auto count = PaperVersions::ParseSeed(*text);
    if (!count || *count > SheetLayout::MaxStudentDigits) {
      Report(context.Err, "--digits takes a number from 0 to " +
                              std::to_string(SheetLayout::MaxStudentDigits) + ", not \"" + *text + "\"");
      return ExitTrouble;
    }
    digits = static_cast<int>(*count);
  }
  int sheets = 1;
  if (const auto text = context.Arguments.Value("--sheets")) {
    const auto count = PaperVersions::ParseSeed(*text);
    if (!count || *count < 1 || *count > SheetLayout::MaxSheetsPerVersion) {
      Report(context.Err, "--sheets takes a number from 1 to " +
                              std::to_string(SheetLayout::MaxSheetsPerVersion) + ", not \"" + *text + "\"");
      return ExitTrouble;
    }
    sheets = static_cast<int>(*count);
  }
  const auto layout = context.Arguments.Value("--layout");
  if ((layout || context.Arguments.Has("--digits") || context.Arguments.Has("--sheets")) && !sheet) {
    Report(context.Err, "--digits, --sheets and --layout describe answer sheets: add --sheet");
    return ExitTrouble;
  }
  const std::string& path = context.Arguments.Operands[0];
  RequireExistingFile(path);
  RequireOutput(context, *output, TFileKind::Other, {path});
  if (layout) RequireOutput(context, *layout, TFileKind::Other, {path, *output});
  RequireTest(path);
  const PaperVersions::TPaperTest test = PaperVersions::ReadPaperTest(path);
  const bool balance = context.Arguments.Has("--balance");
  if (balance && test.Blueprint.empty()) {
    Report(context.Err,
           "--balance draws the versions from the test's blueprint, and it has none (see blueprint)");
    return ExitTrouble;
  }
  std::vector<std::optional<double>> facility(test.Questions.size());
  if (balance) {
    try {
      facility = QuestionFacilities(path, test.Questions);
    } catch (const std::exception& error) {
      Report(context.Err, std::string("the results could not be read: ") + error.what());
    }
  }
  ParallelForms::TPaperDraw draw = ParallelForms::PaperDraw(
      test.Blueprint, test.Questions, versions->Versions, versions->Seed, balance ? &facility : nullptr);
  for (const ParallelForms::TDrawWarning& warning : draw.Warnings)
    Report(context.Err, TerminalText(warning.Sentence));
  if (!draw.Balance.empty()) context.Out << draw.Balance << '\n';

  // Pages are laid out by Qt's painter, which needs a GUI application.
  const TOffscreenGui gui;

  TPrintOptions options;
  options.Versions = *versions;
  options.Versions.Draw = std::move(draw.Draw);
  options.AnswerKeys = context.Arguments.Has("--key");
  options.AnswerSheet = sheet;
  options.StudentDigits = digits;
  options.SheetsPerVersion = sheets;
  if (sheet) options.Fingerprint = TestFingerprint(test.Questions);
  const TTestPrinter printer(test, options);
  if (const std::string refusal = printer.SheetsRefusal(); !refusal.empty()) {
    Report(context.Err, refusal);
    return ExitTrouble;
  }
  const int pages = printer.WritePdf(FromPath(*output));
  if (pages == 0) throw TIoError(*output, "Cannot write", "the PDF could not be made");
  if (layout)
    ReplaceFileAtomically(
        *layout, SheetLayout::LayoutJson(printer.Sheets(TTestPrinter::PdfPaper()), printer.Versions()));
  context.Out << "Wrote " << *output << ": " << pages << " pages, " << options.Versions.Versions
              << (options.Versions.Versions == 1 ? " version" : " versions") << ", seed "
              << options.Versions.Seed << '\n';
  // A picture that is not printed is a finding: the PDF is written without it.
  // The paper holds the questions as every reader takes them; what that
  // reading renumbered or left out is told, as export tells it.
  const QStringList missing = printer.MissingPictures();
  for (const QString& line : missing) Report(context.Err, line.toStdString());
  const bool renumbered = ReportNumbering(context, path, test.Numbering);
  const bool recorded = RecordRun(context, path, test, options.Versions);
  return missing.isEmpty() && !renumbered && recorded && draw.Warnings.empty() ? ExitOk : ExitFindings;
}
