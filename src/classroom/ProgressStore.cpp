#include "classroom/ProgressStore.h"

#include "core/results/Database.h"

namespace {

constexpr const char* Table = "classroom_progress";

}  // namespace

TProgressStore::TProgressStore(TDatabase& database) : Database(database) {
  if (Database.HasTable(Table)) return;
  TTransaction transaction(Database);
  Database.Execute(
      "CREATE TABLE classroom_progress (attempt_id TEXT PRIMARY KEY, room TEXT NOT NULL, test_file TEXT "
      "NOT NULL, student TEXT NOT NULL, machine TEXT NOT NULL, seed TEXT NOT NULL, started TEXT NOT NULL, "
      "elapsed_ms INTEGER NOT NULL, position INTEGER NOT NULL, answers TEXT NOT NULL, checked TEXT NOT NULL, "
      "finished INTEGER NOT NULL)");
  transaction.Commit();
}

void TProgressStore::Save(const TProgressRow& row) {
  TTransaction transaction(Database);
  auto remove = Database.Prepare("DELETE FROM classroom_progress WHERE attempt_id = ?");
  remove->Bind(1, row.AttemptId);
  remove->Step();
  auto insert =
      Database.Prepare("INSERT INTO classroom_progress VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  insert->Bind(1, row.AttemptId);
  insert->Bind(2, row.Room);
  insert->Bind(3, row.TestFile);
  insert->Bind(4, row.Student);
  insert->Bind(5, row.Machine);
  insert->Bind(6, row.Seed);
  insert->Bind(7, row.Started);
  insert->Bind(8, row.ElapsedMs);
  insert->Bind(9, std::int64_t{row.Position});
  insert->Bind(10, row.Answers);
  insert->Bind(11, row.Checked);
  insert->Bind(12, std::int64_t{row.Finished ? 1 : 0});
  insert->Step();
  transaction.Commit();
}

TProgressRow TProgressStore::Load(const std::string& attemptId) {
  auto select = Database.Prepare(
      "SELECT attempt_id, room, test_file, student, machine, seed, started, elapsed_ms, position, answers, "
      "checked, finished FROM classroom_progress WHERE attempt_id = ?");
  select->Bind(1, attemptId);
  TProgressRow row;
  if (!select->Step()) return row;
  row.AttemptId = select->Text(0);
  row.Room = select->Text(1);
  row.TestFile = select->Text(2);
  row.Student = select->Text(3);
  row.Machine = select->Text(4);
  row.Seed = select->Text(5);
  row.Started = select->Text(6);
  row.ElapsedMs = select->Int(7);
  row.Position = static_cast<int>(select->Int(8));
  row.Answers = select->Text(9);
  row.Checked = select->Text(10);
  row.Finished = select->Int(11) != 0;
  return row;
}
