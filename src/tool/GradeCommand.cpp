#include <ostream>

#include "core/run/Grading.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/PaperOptions.h"

int GradeCommand(TToolContext& context) {
  if (!context.Arguments.Value("--seed") || !context.Arguments.Value("--versions")) {
    Report(context.Err, "grade needs the --seed and --versions the tests were printed with");
    return ExitTrouble;
  }
  const auto versions = PaperOptions(context, false);
  if (!versions) return ExitTrouble;
  const std::string& testPath = context.Arguments.Operands[0];
  const std::string& answersPath = context.Arguments.Operands[1];
  RequireExistingFile(testPath);
  RequireExistingFile(answersPath);
  const auto output = context.Arguments.Value("-o");
  if (output) {
    RequireFileDestination(*output);
    RequireOtherFile(testPath, *output);
    RequireOtherFile(answersPath, *output);
  }
  RequireTest(testPath);
  const PaperVersions::TPaperTest test = PaperVersions::ReadPaperTest(testPath);
  ReportNumbering(context, testPath, test.Numbering);
  TInputFile input(answersPath);
  const TFileBytes bytes = input.ReadRest(MaxStoreFileSize);
  Grading::TResults results;
  try {
    results = Grading::Grade(std::string_view(bytes.Data.get(), bytes.Size),
                             PaperVersions::Make(test.Questions, *versions), test.PassPoint);
  } catch (const Grading::TGradingError& error) {
    Report(context.Err, answersPath + ": " + error.what());
    return ExitTrouble;
  }
  const std::string text = Grading::FormatResults(results);
  if (output) {
    ReplaceFileAtomically(*output, text);
  } else {
    context.Out << text;
  }
  return ExitOk;
}
