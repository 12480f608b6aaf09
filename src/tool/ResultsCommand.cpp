#include <filesystem>
#include <map>
#include <ostream>

#include "core/results/AttemptFile.h"
#include "core/results/PostgresDatabase.h"
#include "core/results/RecordAttempt.h"
#include "core/results/Reports.h"
#include "core/results/ResultsStore.h"
#include "core/results/SqliteDatabase.h"
#include "core/results/StoreLocation.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/Tool.h"

namespace fs = std::filesystem;

namespace {

// "YYYY-MM-DD", optionally followed by " hh:mm" or " hh:mm:ss".
bool IsDate(const std::string& text) {
  static constexpr std::string_view Shape = "dddd-dd-dd hh:mm:ss";
  if (text.size() != 10 && text.size() != 16 && text.size() != 19) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (Shape[i] == 'd' || Shape[i] == 'h' || Shape[i] == 'm' || Shape[i] == 's' ? !digit
                                                                                 : text[i] != Shape[i])
      return false;
  }
  return true;
}

TOpenedStore OpenStore(TToolContext& context, const std::string& folder) {
  TOpenedStore opened = OpenStoreAt(context.Arguments.Value("--store").value_or(""),
                                    folder.empty() ? std::string(".") : folder);
  for (const std::string& notice : opened.Notices) Report(context.Err, notice);
  return opened;
}

// The store results reads: without --regrade it is only read, so a damaged
// store stays where it is, and a store in a folder that may not be written
// can be read. --store names a database or a store file (such as one set
// aside as damaged).
TOpenedStore ReadStore(TToolContext& context, const std::string& folder) {
  const std::optional<std::string> location = context.Arguments.Value("--store");
  if (context.Arguments.Has("--regrade") || (location && Postgres::IsUrl(*location)))
    return OpenStore(context, folder);
  if (location) return {ReadResultsFile(*location), *location, {}};
  TOpenedStore opened = ReadResultsStore(folder.empty() ? std::string(".") : folder);
  for (const std::string& notice : opened.Notices) Report(context.Err, notice);
  return opened;
}

int ResultsCommand(TToolContext& context) {
  const TArguments& arguments = context.Arguments;
  const std::string& testPath = arguments.Operands[0];
  RequireExistingFile(testPath);
  TResultsFilter filter;
  filter.TestFile = fs::path(testPath).filename().string();
  filter.WithAnswers = true;
  if (const auto since = arguments.Value("--since")) {
    if (!IsDate(*since)) {
      Report(context.Err, "--since takes a date as YYYY-MM-DD, not \"" + *since + "\"");
      return ExitTrouble;
    }
    filter.Since = *since;
  }
  if (const auto source = arguments.Value("--source")) {
    filter.Source = SourceOfName(*source);
    if (!filter.Source) {
      Report(context.Err, "--source takes " + SourceNamesText() + ", not \"" + *source + "\"");
      return ExitTrouble;
    }
  }
  const auto items = arguments.Value("--items");
  const auto gradebook = arguments.Value("--attempts");
  if (items) RequireOutput(context, *items, TFileKind::Other, {testPath});
  if (gradebook)
    RequireOutput(context, *gradebook, TFileKind::Other,
                  items ? std::vector<std::string>{testPath, *items} : std::vector<std::string>{testPath});

  const Reports::TTestView test = Reports::ReadTestView(testPath);
  std::vector<TStoredAttempt> attempts;
  std::vector<TUnreadableAttempt> unreadable;
  try {
    TOpenedStore opened = ReadStore(context, fs::path(testPath).parent_path().string());
    TResultsStore& store = *opened.Store;
    if (arguments.Has("--regrade")) {
      const Reports::TRegraded regraded = Reports::Regrade(store, filter.TestFile, test.Questions);
      Report(context.Err, "rescored " + std::to_string(regraded.Rescored) +
                              " attempts with the test's key; " + std::to_string(regraded.ScoresChanged) +
                              " scores changed");
    } else {
      for (const TKeyChange& change : store.KeyChanges(filter.TestFile, test.Questions))
        Report(context.Err,
               "the key of question " + std::to_string(change.Number) + " changed from " +
                   Scoring::LetterText(change.OldCorrect) + (change.OldAnyCorrectPasses ? " (any)" : "") +
                   " to " + Scoring::LetterText(change.NewCorrect) +
                   (change.NewAnyCorrectPasses ? " (any)" : "") + " since " +
                   std::to_string(change.Attempts) + " attempts were marked; --regrade rescores them");
    }
    attempts = store.Attempts(filter, &unreadable);
  } catch (const TSqliteDamaged& damage) {
    Report(context.Err, std::string("the results store is damaged (") + damage.what() +
                            "); it was left as it is. The next program that records results there "
                            "moves it aside and starts a new store; --store FILE reads what a "
                            "store moved aside still holds");
    return ExitTrouble;
  }
  for (const TUnreadableAttempt& bad : unreadable)
    Report(context.Err, TerminalText("attempt " + std::to_string(bad.Id) + " (" + bad.Student + ", " +
                                     bad.Started + ") is left out: " + bad.Reason));
  const Statistics::TTest figures = Statistics::Analyse(Reports::Responses(attempts), test.Keys);
  if (items) ReplaceFileAtomically(*items, Reports::ItemsCsv(figures));
  if (gradebook) ReplaceFileAtomically(*gradebook, Reports::GradebookCsv(attempts, test.PassPoint));
  if (arguments.Has("--json")) {
    context.Out << Reports::Json(figures, test.AnswerCounts);
  } else {
    context.Out << "Test:      " << TerminalText(filter.TestFile) << " (" << TerminalText(test.Description)
                << ")\n"
                << Reports::Text(figures, test.AnswerCounts);
    if (const auto rate = Reports::PassRate(attempts, test.PassPoint))
      context.Out << "\nPass rate: " << Reports::PassRateText(*rate) << "\n";
    const bool questions = arguments.Has("--questions");
    if (arguments.Has("--list") || questions) {
      Reports::SortByStudent(attempts);
      context.Out << "\nAttempts:\n";
      for (const TStoredAttempt& a : attempts) {
        context.Out << "  " << TerminalText(a.Student) << '\t' << TerminalText(a.StudentNumber) << '\t'
                    << TerminalText(a.Class) << '\t' << Reports::When(a) << '\t' << a.Right << " of "
                    << a.Asked;
        if (questions) context.Out << '\t' << Reports::QuestionsAskedText(a);
        context.Out << '\n';
      }
    }
  }
  return unreadable.empty() ? ExitOk : ExitFindings;
}

int CollectCommand(TToolContext& context) {
  const std::string& folder = context.Arguments.Operands[0];
  const std::string tests = context.Arguments.Operands.size() > 1 ? context.Arguments.Operands[1] : ".";
  TOpenedStore opened = OpenStore(context, tests);
  const ResultsFolder::TCollected collected = ResultsFolder::Collect(folder, *opened.Store);
  for (const ResultsFolder::TRefusal& refusal : collected.Refused)
    Report(context.Err, refusal.File + ": " + refusal.Reason);
  context.Out << collected.Added << " new, " << collected.Known << " already stored, "
              << collected.Refused.size() << " refused\n";
  return collected.Refused.empty() ? ExitOk : ExitFindings;
}

}  // namespace

TCommand ResultsCommandEntry() {
  return {"results",
          "TEST [--json | --list | --questions] [--items ITEMS.csv] [--attempts ATTEMPTS.csv] [--since DATE] "
          "[--source S]"
          " [--regrade] [--store URL]",
          "print a test's statistics and item analysis from the results store",
          "Prints the figures of the attempts at TEST kept in the results store of TEST's folder:\n"
          "number of attempts, mean, median and standard deviation of the percent scores, KR-20\n"
          "and its standard error of measurement, and per question its facility, discrimination,\n"
          "how many chose each letter, blanks and flags (very-easy, very-hard, weak, negative,\n"
          "miskey). Deleted attempts are left out. Questions whose key changed since attempts\n"
          "were marked are named on standard error.\n\n"
          "  --json                 print one JSON object instead (its shape: docs/qwtool.md)\n"
          "  --list                 also list the attempts, one a line: student, number, class,\n"
          "                         date and score, by name in the alphabet of your language\n"
          "  --questions            list the attempts as --list does, each line ending in the\n"
          "                         questions it asked as the test numbers them (1, 4, 7-9)\n"
          "  --items ITEMS.csv      write the item analysis as CSV\n"
          "  --attempts FILE.csv    write the gradebook: student, number, class, date, score,\n"
          "                         percent, passed\n"
          "  --since DATE           only attempts started on or after DATE (YYYY-MM-DD)\n"
          "  --source S             only attempts from S: engine, paper, scan, classroom, import\n"
          "  --regrade              first rescore the attempts whose key changed, with TEST's key\n"
          "  --store URL|FILE       read the store of a PostgreSQL database (postgresql://...),\n"
          "                         or the store file FILE (such as one moved aside as damaged),\n"
          "                         instead of the one of TEST's folder\n\n"
          "The store is only read, unless --regrade is given: a damaged store is named and left\n"
          "where it is (exit status 2). An attempt whose stored answers do not read is named\n"
          "and left out of the figures (exit status 1).\n",
          {"--json", "--list", "--questions", "--items=", "--attempts=", "--since=", "--source=", "--regrade",
           "--store=", "--force"},
          1,
          1,
          ResultsCommand};
}

TCommand CollectCommandEntry() {
  return {"collect",
          "RESULTS_FOLDER [TEST_FOLDER]",
          "store the attempt files of a results folder in the results store",
          "Stores every attempt file (*.qwr) of RESULTS_FOLDER not yet stored in the results\n"
          "store of TEST_FOLDER (the current folder when not given). Each attempt is stored\n"
          "once, however often it is collected or copied. Files are only read: a damaged or\n"
          "foreign file is named on standard error with its reason and left in place.\n"
          "Exit status 1 when a file was refused.\n",
          {},
          1,
          2,
          CollectCommand};
}
