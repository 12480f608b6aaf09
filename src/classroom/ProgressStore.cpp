#include "classroom/ProgressStore.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "core/results/Database.h"
#include "core/storage/CodePage.h"
#include "core/storage/Utf8.h"

namespace {

constexpr const char* Table = "classroom_progress";
// Kept apart from the progress rows, which are replaced at every answer, and
// made beside them in a database of an earlier version.
constexpr const char* ResumeTable = "classroom_resume";

// A row keeps the answers as the letters of each position, separated by ','
// ("AC,,B"), and the checks as a '1' or '0' per position.
std::string AnswersText(const std::vector<Scoring::TLetters>& answers) {
  std::string text;
  for (std::size_t i = 0; i < answers.size(); ++i) text += (i ? "," : "") + Scoring::LetterText(answers[i]);
  return text;
}

std::vector<Scoring::TLetters> AnswersOf(std::string_view text) {
  std::vector<Scoring::TLetters> answers;
  if (text.empty()) return answers;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    answers.push_back(Scoring::LettersOf(text.substr(start, comma - start)));
    if (comma == std::string_view::npos) return answers;
    start = comma + 1;
  }
}

std::string CheckedText(const std::vector<bool>& checked) {
  std::string text;
  for (const bool one : checked) text += one ? '1' : '0';
  return text;
}

std::optional<std::uint64_t> SeedOf(std::string_view text) {
  std::uint64_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return seed;
}

}  // namespace

TProgressStore::TProgressStore(TDatabase& database) : Database(database) {
  if (Database.HasTable(Table) && Database.HasTable(ResumeTable)) return;
  TTransaction transaction(Database);
  // Another server sharing the database may have made them meanwhile.
  Database.LockSchema();
  if (!Database.HasTable(ResumeTable))
    Database.Execute(
        "CREATE TABLE classroom_resume (attempt_id TEXT PRIMARY KEY, device TEXT NOT NULL, resume_code TEXT "
        "NOT NULL, questions TEXT NOT NULL)");
  if (Database.HasTable(Table)) {
    transaction.Commit();
    return;
  }
  Database.Execute(
      "CREATE TABLE classroom_progress (attempt_id TEXT PRIMARY KEY, room TEXT NOT NULL, test_file TEXT "
      "NOT NULL, student TEXT NOT NULL, machine TEXT NOT NULL, seed TEXT NOT NULL, started TEXT NOT NULL, "
      "ended TEXT NOT NULL, elapsed_ms BIGINT NOT NULL, position INTEGER NOT NULL, answers TEXT NOT NULL, "
      "checked TEXT NOT NULL, "
      "finished INTEGER NOT NULL)");
  transaction.Commit();
}

void TProgressStore::Save(const TProgressRow& row) {
  // A killed server loses no saved row, and the answer waits for no disk:
  // the attempt itself is stored with a full commit when it ends.
  TTransaction transaction(Database, TTransaction::TForProcess{});
  auto remove = Database.Prepare("DELETE FROM classroom_progress WHERE attempt_id = ?");
  remove->Bind(1, row.AttemptId);
  remove->Step();
  auto insert =
      Database.Prepare("INSERT INTO classroom_progress VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  insert->Bind(1, row.AttemptId);
  insert->Bind(2, row.Room);
  insert->Bind(3, CodePage::Utf8OrCodePage(row.TestFile));
  insert->Bind(4, row.Student);
  insert->Bind(5, row.Machine);
  insert->Bind(6, std::to_string(row.Seed));
  insert->Bind(7, row.Started);
  insert->Bind(8, row.Ended);
  insert->Bind(9, row.ElapsedMs);
  insert->Bind(10, std::int64_t{row.Position});
  insert->Bind(11, AnswersText(row.Answers));
  insert->Bind(12, CheckedText(row.Checked));
  insert->Bind(13, std::int64_t{row.Finished ? 1 : 0});
  insert->Step();
  transaction.Commit();
}

void TProgressStore::Save(const TResumeRow& row) {
  TTransaction transaction(Database, TTransaction::TForProcess{});
  auto remove = Database.Prepare("DELETE FROM classroom_resume WHERE attempt_id = ?");
  remove->Bind(1, row.AttemptId);
  remove->Step();
  auto insert = Database.Prepare("INSERT INTO classroom_resume VALUES (?, ?, ?, ?)");
  insert->Bind(1, row.AttemptId);
  insert->Bind(2, row.Device);
  insert->Bind(3, row.ResumeCode);
  insert->Bind(4, row.Questions);
  insert->Step();
  transaction.Commit();
}

std::vector<TProgressRow> TProgressStore::Unfinished(const std::string& room, const std::string& testFile) {
  auto select = Database.Prepare(
      "SELECT p.attempt_id, room, test_file, student, machine, seed, started, ended, elapsed_ms, position, "
      "answers, checked, finished, COALESCE(r.device, ''), COALESCE(r.resume_code, ''), "
      "COALESCE(r.questions, '') FROM classroom_progress p LEFT JOIN classroom_resume r ON r.attempt_id = "
      "p.attempt_id WHERE room = ? AND test_file = ? AND finished = 0 ORDER BY started, p.attempt_id");
  select->Bind(1, room);
  select->Bind(2, CodePage::Utf8OrCodePage(testFile));
  std::vector<TProgressRow> rows;
  while (select->Step()) {
    const std::optional<std::uint64_t> seed = SeedOf(select->Text(5));
    if (!seed) continue;
    TProgressRow& row = rows.emplace_back();
    row.AttemptId = select->Text(0);
    row.Room = select->Text(1);
    // A row of an earlier version may hold code-page bytes.
    row.TestFile = CodePage::Utf8OrCodePage(select->Text(2));
    row.Student = CodePage::Utf8OrCodePage(select->Text(3));
    row.Machine = select->Text(4);
    row.Seed = *seed;
    row.Started = select->Text(6);
    row.Ended = select->Text(7);
    row.ElapsedMs = select->Int(8);
    row.Position = static_cast<int>(select->Int(9));
    row.Answers = AnswersOf(select->Text(10));
    for (const char c : select->Text(11)) row.Checked.push_back(c == '1');
    row.Finished = select->Int(12) != 0;
    row.Device = select->Text(13);
    row.ResumeCode = select->Text(14);
    row.Questions = select->Text(15);
  }
  return rows;
}
