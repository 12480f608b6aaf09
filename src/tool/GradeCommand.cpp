#include <ostream>

#include "core/results/GradeSheets.h"
#include "core/run/ParallelForms.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/IoError.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/PaperOptions.h"

namespace {

// The number --run gives, or nothing (after a message) when it is not one.
std::optional<int> RunNumber(const TToolContext& context, const std::string& text) {
  const auto number = PaperVersions::ParseSeed(text);
  if (!number || *number < 1 || *number > 1000000000) {
    Report(context.Err, "--run takes the number of a recorded print run, not \"" + text + "\"");
    return std::nullopt;
  }
  return static_cast<int>(*number);
}

std::string RunNumbers(const std::vector<TPrintRun>& runs) {
  std::string numbers;
  for (const TPrintRun& run : runs) {
    if (run.Number == 0) continue;
    numbers += (numbers.empty() ? "" : ", ") + std::to_string(run.Number);
  }
  return numbers.empty() ? "none is recorded" : "recorded: " + numbers;
}

}  // namespace

int GradeCommand(TToolContext& context) {
  const auto runText = context.Arguments.Value("--run");
  const bool optionsGiven = context.Arguments.Value("--seed") || context.Arguments.Value("--versions") ||
                            context.Arguments.Value("--shuffle");
  if (runText && optionsGiven) {
    Report(context.Err, "grade takes --run N or --seed, --versions and --shuffle, not both");
    return ExitTrouble;
  }
  if (!runText && (!context.Arguments.Value("--seed") || !context.Arguments.Value("--versions"))) {
    Report(context.Err, "grade needs --run N, or the --seed and --versions the tests were printed with");
    return ExitTrouble;
  }
  std::optional<int> runNumber;
  std::optional<PaperVersions::TOptions> options;
  if (runText) {
    runNumber = RunNumber(context, *runText);
    if (!runNumber) return ExitTrouble;
  } else {
    options = PaperOptions(context, false);
    if (!options) return ExitTrouble;
  }
  const std::string& testPath = context.Arguments.Operands[0];
  const std::string& answersPath = context.Arguments.Operands[1];
  RequireExistingFile(testPath);
  RequireExistingFile(answersPath);
  const auto output = context.Arguments.Value("-o");
  if (output) {
    RequireOutput(context, *output, TFileKind::Other, {testPath, answersPath});
  }
  RequireTest(testPath);
  const PaperVersions::TPaperTest test = PaperVersions::ReadPaperTest(testPath);
  ReportNumbering(context, testPath, test.Numbering);
  std::vector<std::string> notices;
  const std::vector<TPrintRun> runs = PrintRuns::OfferedRuns(testPath, notices);
  for (const std::string& notice : notices) Report(context.Err, notice);
  if (runNumber) {
    const TPrintRun* run = PrintRuns::Find(runs, *runNumber);
    if (!run) {
      Report(context.Err,
             testPath + " has no print run " + std::to_string(*runNumber) + " (" + RunNumbers(runs) + ")");
      return ExitTrouble;
    }
    options = run->Options;
  } else {
    // Printed from a blueprint: the seed names the versions' questions too.
    options->Draw =
        ParallelForms::PaperDraw(test.Blueprint, test.Questions, options->Versions, options->Seed, nullptr)
            .Draw;
  }
  TGradedSheets graded;
  try {
    graded = GradeAnswersFile(answersPath, testPath, test, *options, runs);
  } catch (const Grading::TGradingError& error) {
    Report(context.Err, answersPath + ": " + error.what());
    return ExitTrouble;
  }
  const std::string text = Grading::FormatResults(graded.Results);
  if (output) {
    ReplaceFileAtomically(*output, text);
  } else {
    context.Out << text;
  }
  for (const TGradeWarning& warning : graded.Warnings) Report(context.Err, warning.Sentence);
  if (context.Arguments.Has("--record")) {
    // Scores of the wrong run would stand in the store as a class's results.
    if (graded.BetterRun) {
      Report(context.Err, "nothing was recorded: grade the sheets with the run they were printed in");
      return ExitFindings;
    }
    const TRecordedGrades recorded = RecordGrades(graded, testPath);
    for (const std::string& notice : recorded.Notices) Report(context.Err, notice);
    Report(context.Err, RecordedWords(recorded));
  }
  return graded.Warnings.empty() ? ExitOk : ExitFindings;
}
