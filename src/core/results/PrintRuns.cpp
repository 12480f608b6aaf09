#include "core/results/PrintRuns.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "core/results/RecordAttempt.h"
#include "core/results/Reports.h"
#include "core/results/Statistics.h"
#include "core/storage/CodePage.h"
#include "core/storage/IoError.h"

namespace fs = std::filesystem;

std::vector<TQuestionSnapshot> TestSnapshots(const std::vector<QuestionRecord>& questions) {
  std::vector<TQuestionSnapshot> snapshots;
  snapshots.reserve(questions.size());
  for (std::size_t i = 0; i < questions.size(); ++i)
    snapshots.push_back(SnapshotOf(questions[i], static_cast<int>(i + 1)));
  return snapshots;
}

namespace PrintRuns {

std::string TestFolder(const std::string& testPath) {
  const fs::path folder = fs::path(testPath).parent_path();
  return folder.empty() ? "." : folder.string();
}
namespace {

constexpr const char* Columns =
    "SELECT number, file_name, fingerprint, seed, versions, shuffle_questions, shuffle_answers, printed,"
    " draw FROM print_runs WHERE UPPER(file_name) = UPPER(?)";

TPrintRun ReadRun(TStatement& row) {
  TPrintRun run;
  run.Number = static_cast<int>(row.Int(0));
  run.TestFile = row.Text(1);
  run.Fingerprint = row.Text(2);
  run.Options.Seed = PaperVersions::ParseSeed(row.Text(3)).value_or(0);
  run.Options.Versions = std::clamp(static_cast<int>(row.Int(4)), 1, PaperVersions::MaxVersions);
  run.Options.ShuffleQuestions = row.Int(5) != 0;
  run.Options.ShuffleAnswers = row.Int(6) != 0;
  run.Printed = row.Text(7);
  // A draw that does not read (the store edited by hand) names no questions
  // rather than wrong ones: such a run grades as a print of every question.
  run.Options.Draw = PaperVersions::DrawFromText(row.Text(8), TestFile::MaxQuestionCount)
                         .value_or(std::vector<std::vector<int>>{});
  return run;
}

}  // namespace

TPrintRun Record(TResultsStore& store, const std::string& testFile, const std::string& fingerprint,
                 const PaperVersions::TOptions& options, const std::string& printed) {
  TDatabase& db = store.Database();
  TTransaction transaction(db);
  TPrintRun run{0, testFile, fingerprint, options, printed};
  run.Options.Versions = std::clamp(options.Versions, 1, PaperVersions::MaxVersions);
  const std::string file = CodePage::Utf8OrCodePage(testFile);
  auto same = db.Prepare(std::string(Columns) +
                         " AND fingerprint = ? AND seed = ? AND versions = ? AND shuffle_questions = ?"
                         " AND shuffle_answers = ? AND draw = ? ORDER BY number");
  same->Bind(1, file);
  same->Bind(2, fingerprint);
  same->Bind(3, std::to_string(run.Options.Seed));
  same->Bind(4, std::int64_t{run.Options.Versions});
  same->Bind(5, std::int64_t{run.Options.ShuffleQuestions});
  same->Bind(6, std::int64_t{run.Options.ShuffleAnswers});
  const std::string draw = PaperVersions::DrawText(run.Options.Draw);
  same->Bind(7, draw);
  if (same->Step()) return ReadRun(*same);

  // The run's number counts the test's runs; its id is the database's own,
  // so two servers of one database never draw the same.
  auto next =
      db.Prepare("SELECT COALESCE(MAX(number), 0) + 1 FROM print_runs WHERE UPPER(file_name) = UPPER(?)");
  next->Bind(1, file);
  next->Step();
  run.Number = static_cast<int>(next->Int(0));
  auto insert = db.Prepare(
      "INSERT INTO print_runs (file_name, number, fingerprint, seed, versions, shuffle_questions,"
      " shuffle_answers, printed, draw) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
  insert->Bind(1, file);
  insert->Bind(2, std::int64_t{run.Number});
  insert->Bind(3, fingerprint);
  insert->Bind(4, std::to_string(run.Options.Seed));
  insert->Bind(5, std::int64_t{run.Options.Versions});
  insert->Bind(6, std::int64_t{run.Options.ShuffleQuestions});
  insert->Bind(7, std::int64_t{run.Options.ShuffleAnswers});
  insert->Bind(8, printed);
  insert->Bind(9, draw);
  insert->Step();
  transaction.Commit();
  return run;
}

const TPrintRun* AlikeButDrawnOtherwise(const std::vector<TPrintRun>& runs, const TPrintRun& run) {
  for (const TPrintRun& other : runs)
    if (other.Number != run.Number && other.Fingerprint == run.Fingerprint &&
        other.Options.Seed == run.Options.Seed && other.Options.Versions == run.Options.Versions &&
        other.Options.ShuffleQuestions == run.Options.ShuffleQuestions &&
        other.Options.ShuffleAnswers == run.Options.ShuffleAnswers && other.Options.Draw != run.Options.Draw)
      return &other;
  return nullptr;
}

std::string AlikeWarning(const TPrintRun& earlier) {
  return "seed " + std::to_string(earlier.Options.Seed) + " was printed before as run " +
         std::to_string(earlier.Number) +
         " with other questions drawn: the sheets of the two prints cannot be told apart, so neither is "
         "graded when scanned; print again with a new seed";
}

std::vector<TPrintRun> List(TResultsStore& store, const std::string& testFile) {
  auto rows = store.Database().Prepare(std::string(Columns) + " ORDER BY number DESC");
  rows->Bind(1, CodePage::Utf8OrCodePage(testFile));
  std::vector<TPrintRun> runs;
  while (rows->Step()) runs.push_back(ReadRun(*rows));
  return runs;
}

std::vector<TPrintRun> Offered(TResultsStore* store, const std::string& testPath) {
  const std::string testFile = fs::path(testPath).filename().string();
  std::vector<TPrintRun> runs;
  if (store) runs = List(*store, testFile);
  std::vector<PaperVersions::TOptions> earlier;
  try {
    earlier = PaperVersions::RecentPrints(testPath);
  } catch (const TIoError&) {
    // An unreadable record of earlier prints is no record: the seed can still be given.
  }
  for (const PaperVersions::TOptions& options : earlier) {
    const bool known = std::any_of(runs.begin(), runs.end(),
                                   [&options](const TPrintRun& run) { return run.Options == options; });
    if (!known) runs.push_back({0, testFile, {}, options, {}});
  }
  return runs;
}

std::vector<TPrintRun> OfferedRuns(const std::string& testPath, std::vector<std::string>& notices,
                                   const std::string& userDataFolder) {
  const std::string folder = TestFolder(testPath);
  const std::string storePath =
      ResultsLocation::StorePath(folder, userDataFolder, ResultsLocation::IsNetworkFolder(folder));
  std::error_code error;
  if (!fs::exists(storePath, error)) return Offered(nullptr, testPath);
  TOpenedStore opened = OpenResultsStore(folder, userDataFolder);
  notices.insert(notices.end(), opened.Notices.begin(), opened.Notices.end());
  return Offered(opened.Store.get(), testPath);
}

const TPrintRun* Find(const std::vector<TPrintRun>& runs, int number) {
  const auto found =
      std::find_if(runs.begin(), runs.end(), [number](const TPrintRun& run) { return run.Number == number; });
  return number > 0 && found != runs.end() ? &*found : nullptr;
}

std::string ShuffleWords(const PaperVersions::TOptions& options) {
  if (options.ShuffleQuestions && options.ShuffleAnswers) return "questions and answers shuffled";
  if (options.ShuffleQuestions) return "questions shuffled";
  if (options.ShuffleAnswers) return "answers shuffled";
  return "nothing shuffled";
}

std::string Describe(const TPrintRun& run) {
  const std::string options =
      "seed " + std::to_string(run.Options.Seed) + ", " + std::to_string(run.Options.Versions) +
      (run.Options.Versions == 1 ? " version, " : " versions, ") + ShuffleWords(run.Options) +
      (run.Options.Draw.empty() ? "" : ", questions drawn from the blueprint");
  if (run.Number == 0) return "the earlier print (" + options + ")";
  return "run " + std::to_string(run.Number) + " (printed " + run.Printed + ", " + options + ")";
}

}  // namespace PrintRuns

TRecordedPrint RecordPrint(const std::string& testPath, const std::vector<QuestionRecord>& questions,
                           const PaperVersions::TOptions& options, const std::string& userDataFolder) {
  TOpenedStore opened = OpenResultsStore(PrintRuns::TestFolder(testPath), userDataFolder);
  TRecordedPrint recorded;
  recorded.Run = PrintRuns::Record(*opened.Store, fs::path(testPath).filename().string(),
                                   Fingerprint(TestSnapshots(questions)), options,
                                   ResultsLocation::LocalTime("%Y-%m-%d %H:%M:%S"));
  const std::vector<TPrintRun> runs = PrintRuns::List(*opened.Store, recorded.Run.TestFile);
  if (const TPrintRun* alike = PrintRuns::AlikeButDrawnOtherwise(runs, recorded.Run)) recorded.Alike = *alike;
  recorded.StorePath = std::move(opened.Path);
  recorded.Notices = std::move(opened.Notices);
  return recorded;
}

std::vector<std::optional<double>> QuestionFacilities(const std::string& testPath,
                                                      const std::vector<QuestionRecord>& questions,
                                                      const std::string& userDataFolder) {
  std::vector<std::optional<double>> facility(questions.size());
  TResultsFilter filter;
  filter.TestFile = fs::path(testPath).filename().string();
  filter.WithAnswers = true;
  TOpenedStore opened = ReadResultsStore(PrintRuns::TestFolder(testPath), userDataFolder);
  const std::vector<TStoredAttempt> attempts = opened.Store->Attempts(filter);
  std::map<int, Scoring::TLetters> keys;
  for (const TQuestionSnapshot& question : TestSnapshots(questions)) keys[question.Number] = question.Correct;
  for (const Statistics::TItem& item : Statistics::Analyse(Reports::Responses(attempts), keys).Items)
    if (item.Attempts > 0 && item.Number >= 1 && item.Number <= static_cast<int>(facility.size()))
      facility[static_cast<std::size_t>(item.Number - 1)] = item.Facility;
  return facility;
}
