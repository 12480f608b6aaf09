#include "core/results/ResultsStore.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "core/results/SqliteDatabase.h"
#include "core/storage/CodePage.h"
#include "core/storage/IoError.h"
#include "core/storage/Utf8.h"

namespace fs = std::filesystem;

namespace {

// Each entry brings the schema from the version before it to its own; a
// store is migrated forward one step per transaction, never backward. The
// statements are read by SQLite and PostgreSQL alike: AUTO_KEY stands for the
// database's own numbered key, ids and their references are BIGINT.
struct TMigration {
  int Version;
  // The oldest schema whose programs still read and write a store of
  // Version: a migration that only adds keeps the one before it.
  int Compatible;
  std::vector<const char*> Statements;
  // What the statements cannot say, run after them in the same transaction.
  void (*Step)(TDatabase&) = nullptr;
};

void RepairFileNames(TDatabase& db);

// The schema that added store_meta. Programs made before it know only
// store_version and refuse a store whose number there is above their own:
// from this schema on, store_version holds the compatible version instead
// (never below the last schema those programs can meet), so they keep
// opening a store that newer programs only added to.
constexpr int MetaVersion = 3;

const std::vector<TMigration>& Migrations() {
  static const std::vector<TMigration> migrations = {
      {1,
       1,
       {"CREATE TABLE store_version (version INTEGER NOT NULL)",
        "INSERT INTO store_version (version) VALUES (0)",
        "CREATE TABLE tests (id AUTO_KEY, file_name TEXT NOT NULL, description TEXT NOT "
        "NULL,"
        " fingerprint TEXT NOT NULL, UNIQUE (file_name, fingerprint))",
        "CREATE TABLE questions (id AUTO_KEY, file_name TEXT NOT NULL, number INTEGER "
        "NOT NULL,"
        " digest TEXT NOT NULL, question TEXT NOT NULL, answer_a TEXT NOT NULL, answer_b TEXT NOT NULL,"
        " answer_c TEXT NOT NULL, answer_d TEXT NOT NULL, answer_e TEXT NOT NULL, answer_f TEXT NOT NULL,"
        " correct INTEGER NOT NULL, any_correct INTEGER NOT NULL, regrade_correct INTEGER, regrade_any "
        "INTEGER,"
        " UNIQUE (file_name, number, digest))",
        "CREATE TABLE attempts (id AUTO_KEY, content_id TEXT NOT NULL UNIQUE,"
        " test_id BIGINT NOT NULL REFERENCES tests (id), attempt_key TEXT NOT NULL, student TEXT NOT NULL,"
        " student_number TEXT NOT NULL, class_name TEXT NOT NULL, source TEXT NOT NULL, machine TEXT NOT "
        "NULL,"
        " version TEXT NOT NULL, seed TEXT NOT NULL, started TEXT NOT NULL, ended TEXT NOT NULL,"
        " seconds INTEGER NOT NULL, deleted INTEGER NOT NULL, answer_list TEXT NOT NULL)",
        "CREATE INDEX attempts_by_test ON attempts (test_id, started)",
        "CREATE TABLE answers (attempt_id BIGINT NOT NULL REFERENCES attempts (id), position INTEGER NOT "
        "NULL,"
        " number INTEGER NOT NULL, question_id BIGINT NOT NULL REFERENCES questions (id), shown TEXT NOT "
        "NULL,"
        " chosen INTEGER NOT NULL, checked INTEGER NOT NULL, mark INTEGER NOT NULL, regraded INTEGER,"
        " PRIMARY KEY (attempt_id, position))",
        "CREATE INDEX answers_by_question ON answers (question_id)"}},
      // What each paper print was made with (PrintRuns.h).
      {2,
       1,
       {"CREATE TABLE print_runs (id AUTO_KEY, file_name TEXT NOT NULL, number INTEGER NOT NULL, fingerprint "
        "TEXT NOT NULL, seed TEXT NOT NULL, versions INTEGER NOT NULL, shuffle_questions "
        "INTEGER NOT NULL, shuffle_answers INTEGER NOT NULL, printed TEXT NOT NULL, UNIQUE (file_name, "
        "number))"}},
      // The schema's version and the oldest it stays compatible with, each a
      // row, read before anything else.
      {MetaVersion,
       1,
       {"CREATE TABLE store_meta (name TEXT NOT NULL PRIMARY KEY, value BIGINT NOT NULL)",
        "INSERT INTO store_meta (name, value) VALUES ('version', 0), ('last compatible version', 0)"}},
      // The attempt files collected, as they stood when read (CollectedFiles).
      {4,
       1,
       {"CREATE TABLE collected_files (folder TEXT NOT NULL, name TEXT NOT NULL, size BIGINT NOT NULL,"
        " modified BIGINT NOT NULL, PRIMARY KEY (folder, name))"}},
      // Test file names as the file system spells them (RepairFileNames).
      {5, 1, {}, RepairFileNames},
      // The questions each version of a print asks, when they were drawn
      // from the test's blueprint (PaperVersions::DrawText); "" for a print
      // of every question.
      {6, 1, {"ALTER TABLE print_runs ADD COLUMN draw TEXT NOT NULL DEFAULT ''"}},
  };
  return migrations;
}

// Stores of schema 4 and before held a test's file name as the UTF-8 of its
// bytes read as code-page text: "café.qwt", UTF-8 on the disk, was stored as
// "cafÃ©.qwt". A name whose code-page form is valid UTF-8 beyond ASCII was
// stored so (code-page names are hardly ever valid UTF-8), and becomes that
// form, unless a row of the name itself is there already.
void RepairFileNames(TDatabase& db) {
  for (const std::string table : {"tests", "questions", "print_runs"}) {
    std::vector<std::string> names;
    auto read = db.Prepare("SELECT DISTINCT file_name FROM " + table);
    while (read->Step()) names.push_back(read->Text(0));
    for (const std::string& name : names) {
      const CodePage::TEncoded bytes = CodePage::FromUtf8(name);
      if (!bytes.Unmappable.empty() || bytes.Text == name || !Utf8::IsValid(bytes.Text)) continue;
      auto taken = db.Prepare("SELECT COUNT(*) FROM " + table + " WHERE file_name = ?");
      taken->Bind(1, bytes.Text);
      if (taken->Step() && taken->Int(0) > 0) continue;
      auto update = db.Prepare("UPDATE " + table + " SET file_name = ? WHERE file_name = ?");
      update->Bind(1, bytes.Text);
      update->Bind(2, name);
      update->Step();
    }
  }
}

// The store holds UTF-8 alone: text that is not (a file name in another
// encoding, text read from an older code-page file) is taken as code-page text.
std::string StoredText(std::string_view text) {
  return CodePage::Utf8OrCodePage(text);
}

// A stored question's number and its keys: the first, and the newest.
struct TQuestionKey {
  std::int64_t QuestionId = 0;
  std::string FileName;  // UTF-8, as stored
  int Number = 0;
  Scoring::TLetters Answers = 0;  // the letters that have an answer
  Scoring::TLetters FirstCorrect = 0;
  bool FirstAny = false;
  Scoring::TLetters Correct = 0;  // the key marks stand under now
  bool Any = false;
  int Attempts = 0;  // filled only where counted
};

// The stored questions of testFile (of every test when testFile is empty), by
// number.
std::vector<TQuestionKey> ReadQuestionKeys(TDatabase& db, const std::string& testFile) {
  auto rows = db.Prepare(
      std::string("SELECT id, number, correct, any_correct, regrade_correct, regrade_any, file_name,"
                  " CASE WHEN answer_a <> '' THEN 1 ELSE 0 END + CASE WHEN answer_b <> '' THEN 2 ELSE 0 END"
                  " + CASE WHEN answer_c <> '' THEN 4 ELSE 0 END + CASE WHEN answer_d <> '' THEN 8 ELSE 0 END"
                  " + CASE WHEN answer_e <> '' THEN 16 ELSE 0 END + CASE WHEN answer_f <> '' THEN 32 ELSE 0 "
                  "END FROM questions") +
      (testFile.empty() ? "" : " WHERE UPPER(file_name) = UPPER(?)") + " ORDER BY number, id");
  if (!testFile.empty()) rows->Bind(1, StoredText(testFile));
  std::vector<TQuestionKey> keys;
  while (rows->Step()) {
    TQuestionKey& key = keys.emplace_back();
    key.QuestionId = rows->Int(0);
    key.Number = static_cast<int>(rows->Int(1));
    key.FirstCorrect = static_cast<Scoring::TLetters>(rows->Int(2));
    key.FirstAny = rows->Int(3) != 0;
    key.Correct = rows->IsNull(4) ? key.FirstCorrect : static_cast<Scoring::TLetters>(rows->Int(4));
    key.Any = rows->IsNull(5) ? key.FirstAny : rows->Int(5) != 0;
    key.FileName = rows->Text(6);
    key.Answers = static_cast<Scoring::TLetters>(rows->Int(7));
  }
  return keys;
}

// "12:AC 13: 14:B": question id and letters chosen per answer, in the order
// shown, each a question of the attempt's test (testFile, UTF-8) met once,
// each letter one of its answers. Marks the answers into attempt; returns
// what does not read, empty when all does.
std::string ReadAnswerList(std::string_view list, const std::string& testFile,
                           const std::unordered_map<std::int64_t, TQuestionKey>& keys,
                           TStoredAttempt& attempt) {
  std::unordered_set<std::int64_t> met;
  for (std::size_t i = 0; i < list.size();) {
    std::int64_t id = 0;
    const auto [end, error] = std::from_chars(list.data() + i, list.data() + list.size(), id);
    if (error != std::errc() || end == list.data() + list.size() || *end != ':')
      return "its answer list does not read";
    i = static_cast<std::size_t>(end - list.data()) + 1;
    const auto key = keys.find(id);
    if (key == keys.end() || key->second.FileName != testFile)
      return "it answers a question the store does not hold for its test";
    const TQuestionKey& k = key->second;
    if (!met.insert(id).second) return "question " + std::to_string(k.Number) + " is answered twice";
    Scoring::TLetters chosen = 0;
    for (; i < list.size() && list[i] != ' '; ++i) {
      const char letter = list[i];
      const auto bit =
          static_cast<Scoring::TLetters>(letter >= 'A' && letter <= 'F' ? 1 << (letter - 'A') : 0);
      if ((bit & k.Answers) == 0)
        return "question " + std::to_string(k.Number) + " has no answer \"" + std::string(1, letter) + "\"";
      chosen |= bit;
    }
    ++i;
    const bool right = Scoring::IsRight(k.Correct, k.Any, chosen);
    const bool firstRight = Scoring::IsRight(k.FirstCorrect, k.FirstAny, chosen);
    attempt.Answers.push_back({k.Number, chosen, right, firstRight});
    attempt.Right += right;
    attempt.FirstRight += firstRight;
  }
  attempt.Asked = static_cast<int>(attempt.Answers.size());
  return {};
}

}  // namespace

// A statement kept for reuse, reset (and so done with) when let go.
class TCachedStatement {
public:
  explicit TCachedStatement(TStatement& statement) : Statement(statement) {}
  ~TCachedStatement() { Statement.Reset(); }
  TCachedStatement(const TCachedStatement&) = delete;
  TCachedStatement& operator=(const TCachedStatement&) = delete;
  TStatement* operator->() { return &Statement; }
  TStatement& operator*() { return Statement; }

private:
  TStatement& Statement;
};

struct TResultsStore::TImpl {
  std::unique_ptr<TDatabase> Db;
  // The statements every stored attempt runs, prepared once.
  std::unordered_map<std::string, std::unique_ptr<TStatement>> Statements;

  TCachedStatement Cached(const std::string& sql) {
    std::unique_ptr<TStatement>& statement = Statements[sql];
    if (!statement) statement = Db->Prepare(sql);
    return TCachedStatement(*statement);
  }

  // The id an insert returned, if it made a row. The insert is run to its
  // end: SQLite gives each write that runs while another is unfinished a
  // journal of its own, which makes the answers of an attempt far slower.
  static std::optional<std::int64_t> Returned(TStatement& insert) {
    if (!insert.Step()) return std::nullopt;
    const std::int64_t id = insert.Int(0);
    insert.Step();
    return id;
  }
  // The id of the row that insert (ON CONFLICT DO NOTHING RETURNING id) made,
  // or else of the row that find (the same key) finds: another writer may
  // have stored it first.
  std::int64_t InsertedOrFound(TStatement& insert, TStatement& find) {
    if (const auto id = Returned(insert)) return *id;
    if (!find.Step())
      throw TIoError(Db->Name(), "Cannot use the results store", "a row stored by another program is gone");
    return find.Int(0);
  }
  // Stored questions met before, by file name and number, each with its id:
  // a class answers the same questions, so most are found here by comparing
  // their texts, without a digest or a query. Cleared when a transaction is
  // rolled back, as its ids are then gone.
  std::map<std::pair<std::string, int>, std::vector<std::pair<TQuestionSnapshot, std::int64_t>>> QuestionIds;

  struct TSchema {
    int Version = 0;
    int Compatible = 0;  // the oldest schema whose programs may use the store
  };

  TSchema StoredSchema() {
    TSchema schema;
    if (Db->HasTable("store_meta")) {
      auto rows = Db->Prepare("SELECT name, value FROM store_meta");
      while (rows->Step()) {
        const std::string name = rows->Text(0);
        if (name == "version") schema.Version = static_cast<int>(rows->Int(1));
        if (name == "last compatible version") schema.Compatible = static_cast<int>(rows->Int(1));
      }
      return schema;
    }
    if (!Db->HasTable("store_version")) return schema;
    auto version = Db->Prepare("SELECT version FROM store_version");
    if (version->Step()) schema.Version = schema.Compatible = static_cast<int>(version->Int(0));
    return schema;
  }

  // Throws unless this program may use the store: its compatible version is
  // not above SchemaVersion.
  TSchema CheckSchema() {
    const TSchema stored = StoredSchema();
    if (stored.Compatible > SchemaVersion)
      throw TIoError(Db->Name(), "Cannot use the results store",
                     "it was made by a newer version of the program (store version " +
                         std::to_string(stored.Version) + ", this program knows " +
                         std::to_string(SchemaVersion) + ")");
    return stored;
  }

  void Migrate() {
    const TSchema stored = CheckSchema();
    for (const TMigration& migration : Migrations()) {
      if (migration.Version <= stored.Version) continue;
      TTransaction transaction(*Db);
      Db->LockSchema();
      // Another program may have migrated meanwhile; the schema is ours now.
      if (CheckSchema().Version >= migration.Version) continue;
      for (std::string sql : migration.Statements) {
        if (const auto key = sql.find("AUTO_KEY"); key != std::string::npos)
          sql.replace(key, 8, Db->AutoKey());
        Db->Execute(sql);
      }
      if (migration.Step) migration.Step(*Db);
      auto update = Db->Prepare("UPDATE store_version SET version = ?");
      update->Bind(
          1, std::int64_t{migration.Version < MetaVersion ? migration.Version
                                                          : std::max(migration.Compatible, MetaVersion - 1)});
      update->Step();
      if (migration.Version >= MetaVersion) {
        auto meta = Db->Prepare("UPDATE store_meta SET value = ? WHERE name = ?");
        meta->Bind(1, std::int64_t{migration.Version});
        meta->Bind(2, "version");
        meta->Step();
        meta->Reset();
        meta->Bind(1, std::int64_t{migration.Compatible});
        meta->Bind(2, "last compatible version");
        meta->Step();
      }
      transaction.Commit();
    }
  }

  std::int64_t TestId(const TAttempt& attempt) {
    auto find = Cached("SELECT id FROM tests WHERE file_name = ? AND fingerprint = ?");
    find->Bind(1, StoredText(attempt.TestFile));
    find->Bind(2, attempt.Fingerprint);
    if (find->Step()) return find->Int(0);
    find->Reset();
    find->Bind(1, StoredText(attempt.TestFile));
    find->Bind(2, attempt.Fingerprint);
    auto insert = Cached(
        "INSERT INTO tests (file_name, description, fingerprint) VALUES (?, ?, ?)"
        " ON CONFLICT (file_name, fingerprint) DO NOTHING RETURNING id");
    insert->Bind(1, StoredText(attempt.TestFile));
    insert->Bind(2, StoredText(attempt.Description));
    insert->Bind(3, attempt.Fingerprint);
    return InsertedOrFound(*insert, *find);
  }

  std::int64_t QuestionId(const std::string& testFile, const TQuestionSnapshot& q) {
    auto& known = QuestionIds[{testFile, q.Number}];
    for (const auto& [snapshot, knownId] : known)
      if (snapshot == q) return knownId;
    const std::string digest = Fingerprint({q});
    auto find = Db->Prepare("SELECT id FROM questions WHERE file_name = ? AND number = ? AND digest = ?");
    find->Bind(1, StoredText(testFile));
    find->Bind(2, std::int64_t{q.Number});
    find->Bind(3, digest);
    std::int64_t id = 0;
    if (find->Step()) {
      id = find->Int(0);
    } else {
      find->Reset();
      find->Bind(1, StoredText(testFile));
      find->Bind(2, std::int64_t{q.Number});
      find->Bind(3, digest);
      auto insert = Db->Prepare(
          "INSERT INTO questions (file_name, number, digest, question, answer_a, answer_b, answer_c, "
          "answer_d,"
          " answer_e, answer_f, correct, any_correct) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
          " ON CONFLICT (file_name, number, digest) DO NOTHING RETURNING id");
      insert->Bind(1, StoredText(testFile));
      insert->Bind(2, std::int64_t{q.Number});
      insert->Bind(3, digest);
      insert->Bind(4, StoredText(q.Question));
      for (int i = 0; i < 6; ++i) insert->Bind(5 + i, StoredText(q.Answers[i]));
      insert->Bind(11, std::int64_t{q.Correct});
      insert->Bind(12, std::int64_t{q.AnyCorrectPasses});
      id = InsertedOrFound(*insert, *find);
    }
    known.emplace_back(q, id);
    return id;
  }

  bool Holds(const std::string& contentId) {
    auto find = Cached("SELECT COUNT(*) FROM attempts WHERE content_id = ?");
    find->Bind(1, contentId);
    find->Step();
    return find->Int(0) > 0;
  }

  // Inside a transaction.
  bool Insert(const TAttempt& attempt, const std::string& contentId) {
    if (const std::string problem = AttemptProblem(attempt); !problem.empty())
      throw std::invalid_argument("The attempt cannot be stored: " + problem);
    if (Holds(contentId)) return false;
    const std::int64_t testId = TestId(attempt);
    std::unordered_map<int, std::int64_t> questionIds;
    for (const TQuestionSnapshot& q : attempt.Questions)
      questionIds[q.Number] = QuestionId(attempt.TestFile, q);
    auto insert = Cached(
        "INSERT INTO attempts (content_id, test_id, attempt_key, student, student_number, class_name, "
        "source,"
        " machine, version, seed, started, ended, seconds, deleted, answer_list)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?) ON CONFLICT (content_id) DO NOTHING RETURNING "
        "id");
    insert->Bind(1, contentId);
    insert->Bind(2, testId);
    insert->Bind(3, attempt.Id);
    insert->Bind(4, StoredText(attempt.Student));
    insert->Bind(5, StoredText(attempt.StudentNumber));
    insert->Bind(6, StoredText(attempt.Class));
    insert->Bind(7, SourceName(attempt.Source));
    insert->Bind(8, StoredText(attempt.Machine));
    insert->Bind(9, attempt.Version ? std::string(1, attempt.Version) : std::string());
    insert->Bind(10, attempt.Seed);
    insert->Bind(11, attempt.Started);
    insert->Bind(12, attempt.Ended);
    insert->Bind(13, std::int64_t{attempt.SecondsTaken});
    std::string list;
    for (const TAnsweredQuestion& a : attempt.Answered) {
      if (!list.empty()) list += ' ';
      list += std::to_string(questionIds.at(a.Number)) + ':' + Scoring::LetterText(a.Chosen);
    }
    insert->Bind(14, list);
    // Another writer stored the same attempt since Holds looked.
    const std::optional<std::int64_t> made = Returned(*insert);
    if (!made) return false;
    const std::int64_t id = *made;
    auto answer = Cached(
        "INSERT INTO answers (attempt_id, position, number, question_id, shown, chosen, checked, mark)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    const std::vector<bool> marks = Marks(attempt);
    for (std::size_t i = 0; i < attempt.Answered.size(); ++i) {
      const TAnsweredQuestion& a = attempt.Answered[i];
      answer->Reset();
      answer->Bind(1, id);
      answer->Bind(2, std::int64_t{a.Position});
      answer->Bind(3, std::int64_t{a.Number});
      answer->Bind(4, questionIds.at(a.Number));
      answer->Bind(5, a.ShownOrder);
      answer->Bind(6, std::int64_t{a.Chosen});
      answer->Bind(7, std::int64_t{a.Checked});
      answer->Bind(8, std::int64_t{marks[i]});
      answer->Step();
    }
    return true;
  }
};

TResultsStore::TResultsStore(std::unique_ptr<TDatabase> database, TStoreAccess access)
    : Impl(std::make_unique<TImpl>()) {
  Impl->Db = std::move(database);
  if (access == TStoreAccess::Write)
    Impl->Migrate();
  else
    Impl->CheckSchema();
}

TResultsStore::~TResultsStore() = default;

const std::string& TResultsStore::Name() const {
  return Impl->Db->Name();
}

TDatabase& TResultsStore::Database() {
  return *Impl->Db;
}

bool TResultsStore::Add(const TAttempt& attempt, const std::string& contentId) {
  return AddAll({{attempt, contentId}}) == 1;
}

int TResultsStore::AddAll(const std::vector<std::pair<TAttempt, std::string>>& attempts) {
  return AddAll(attempts.size(), [&](std::size_t i) { return attempts[i]; });
}

int TResultsStore::AddAll(std::size_t count,
                          const std::function<std::pair<TAttempt, std::string>(std::size_t)>& attempt) {
  try {
    TTransaction transaction(*Impl->Db);
    int added = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const auto [made, contentId] = attempt(i);
      added += Impl->Insert(made, contentId) ? 1 : 0;
    }
    transaction.Commit();
    return added;
  } catch (...) {
    Impl->QuestionIds.clear();
    throw;
  }
}

bool TResultsStore::Holds(const std::string& contentId) {
  return Impl->Holds(contentId);
}

std::vector<TStoredAttempt> TResultsStore::Attempts(const TResultsFilter& filter,
                                                    std::vector<TUnreadableAttempt>* unreadable) {
  std::string where = " WHERE 1 = 1";
  std::vector<std::string> parameters;
  if (!filter.TestFile.empty()) {
    where += " AND UPPER(t.file_name) = UPPER(?)";
    parameters.push_back(StoredText(filter.TestFile));
  }
  if (!filter.Since.empty()) {
    where += " AND a.started >= ?";
    parameters.push_back(filter.Since);
  }
  if (!filter.Until.empty()) {
    where += " AND a.started < ?";
    parameters.push_back(filter.Until);
  }
  if (filter.Source) {
    where += " AND a.source = ?";
    parameters.emplace_back(SourceName(*filter.Source));
  }
  if (!filter.Class.empty()) {
    where += " AND a.class_name = ?";
    parameters.push_back(StoredText(filter.Class));
  }
  if (!filter.WithDeleted) where += " AND a.deleted = 0";
  const std::string from = " FROM attempts a JOIN tests t ON t.id = a.test_id";
  auto list = Impl->Db->Prepare(
      "SELECT a.id, t.file_name, t.description, a.student, a.student_number, a.class_name, a.source, "
      "a.machine,"
      " a.version, a.seed, a.started, a.ended, a.seconds, a.deleted" +
      from + where + " ORDER BY a.started, a.id");
  for (std::size_t i = 0; i < parameters.size(); ++i) list->Bind(static_cast<int>(i + 1), parameters[i]);
  std::vector<TStoredAttempt> attempts;
  std::unordered_map<std::int64_t, std::size_t> index;
  while (list->Step()) {
    TStoredAttempt& a = attempts.emplace_back();
    a.Id = list->Int(0);
    a.TestFile = list->Text(1);
    a.Description = list->Text(2);
    a.Student = list->Text(3);
    a.StudentNumber = list->Text(4);
    a.Class = list->Text(5);
    a.Source = SourceOfName(list->Text(6)).value_or(TAttemptSource::Import);
    a.Machine = list->Text(7);
    const std::string version = list->Text(8);
    a.Version = version.empty() ? 0 : version[0];
    a.Seed = list->Text(9);
    a.Started = list->Text(10);
    a.Ended = list->Text(11);
    a.SecondsTaken = static_cast<int>(list->Int(12));
    a.Deleted = list->Int(13) != 0;
    index.emplace(a.Id, attempts.size() - 1);
  }
  if (attempts.empty()) return attempts;
  if (filter.WithAnswers) {
    // One row per attempt: its answer list, marked here with the keys of its
    // questions, as the answers rows are (see Insert and Regrade).
    std::unordered_map<std::int64_t, TQuestionKey> keys;
    for (const TQuestionKey& key : ReadQuestionKeys(*Impl->Db, {})) keys.emplace(key.QuestionId, key);
    auto lists = Impl->Db->Prepare("SELECT a.id, a.answer_list, t.file_name" + from + where);
    for (std::size_t i = 0; i < parameters.size(); ++i) lists->Bind(static_cast<int>(i + 1), parameters[i]);
    std::vector<std::string> problems(attempts.size());
    while (lists->Step()) {
      const std::size_t at = index.at(lists->Int(0));
      problems[at] = ReadAnswerList(lists->Text(1), lists->Text(2), keys, attempts[at]);
    }
    std::vector<TStoredAttempt> read;
    read.reserve(attempts.size());
    for (std::size_t i = 0; i < attempts.size(); ++i) {
      if (problems[i].empty())
        read.push_back(std::move(attempts[i]));
      else if (unreadable)
        unreadable->push_back({attempts[i].Id, attempts[i].Student, attempts[i].Started, problems[i]});
    }
    return read;
  }
  auto totals = Impl->Db->Prepare(
      "SELECT an.attempt_id, COUNT(*), SUM(COALESCE(an.regraded, an.mark)), SUM(an.mark) FROM answers an"
      " JOIN attempts a ON a.id = an.attempt_id JOIN tests t ON t.id = a.test_id" +
      where + " GROUP BY an.attempt_id");
  for (std::size_t i = 0; i < parameters.size(); ++i) totals->Bind(static_cast<int>(i + 1), parameters[i]);
  while (totals->Step()) {
    TStoredAttempt& a = attempts[index.at(totals->Int(0))];
    a.Asked = static_cast<int>(totals->Int(1));
    a.Right = static_cast<int>(totals->Int(2));
    a.FirstRight = static_cast<int>(totals->Int(3));
  }
  return attempts;
}

std::vector<TCollectedFile> TResultsStore::CollectedFiles(const std::string& folder) {
  auto select = Impl->Db->Prepare("SELECT name, size, modified FROM collected_files WHERE folder = ?");
  select->Bind(1, folder);
  std::vector<TCollectedFile> files;
  while (select->Step()) files.push_back({select->Text(0), select->Int(1), select->Int(2)});
  return files;
}

void TResultsStore::NoteCollected(const std::string& folder, const std::vector<TCollectedFile>& files) {
  if (files.empty()) return;
  TTransaction transaction(*Impl->Db);
  auto upsert = Impl->Db->Prepare(
      "INSERT INTO collected_files (folder, name, size, modified) VALUES (?, ?, ?, ?)"
      " ON CONFLICT (folder, name) DO UPDATE SET size = excluded.size, modified = excluded.modified");
  for (const TCollectedFile& file : files) {
    upsert->Bind(1, folder);
    upsert->Bind(2, file.Name);
    upsert->Bind(3, file.Size);
    upsert->Bind(4, file.ModifiedNs);
    upsert->Step();
    upsert->Reset();
  }
  transaction.Commit();
}

bool TResultsStore::SetDeleted(std::int64_t id, bool deleted) {
  TTransaction transaction(*Impl->Db);
  auto find = Impl->Db->Prepare("SELECT COUNT(*) FROM attempts WHERE id = ?");
  find->Bind(1, id);
  find->Step();
  if (find->Int(0) == 0) return false;
  auto update = Impl->Db->Prepare("UPDATE attempts SET deleted = ? WHERE id = ?");
  update->Bind(1, std::int64_t{deleted});
  update->Bind(2, id);
  update->Step();
  transaction.Commit();
  return true;
}

namespace {

// The stored keys that differ from current, with current's question.
std::vector<std::pair<TQuestionKey, const TQuestionSnapshot*>> Changed(
    TDatabase& db, const std::string& testFile, const std::vector<TQuestionSnapshot>& current) {
  std::unordered_map<int, const TQuestionSnapshot*> byNumber;
  for (const TQuestionSnapshot& q : current) byNumber.emplace(q.Number, &q);
  std::vector<std::pair<TQuestionKey, const TQuestionSnapshot*>> changed;
  for (const TQuestionKey& key : ReadQuestionKeys(db, testFile)) {
    const auto now = byNumber.find(key.Number);
    // A question gone from the test has no new key to mark with.
    if (now == byNumber.end()) continue;
    if (now->second->Correct != key.Correct || now->second->AnyCorrectPasses != key.Any)
      changed.emplace_back(key, now->second);
  }
  // Counted only for the few that changed: a class has many answers.
  auto count = db.Prepare("SELECT COUNT(DISTINCT attempt_id) FROM answers WHERE question_id = ?");
  for (auto& [key, now] : changed) {
    count->Reset();
    count->Bind(1, key.QuestionId);
    count->Step();
    key.Attempts = static_cast<int>(count->Int(0));
  }
  return changed;
}

}  // namespace

std::vector<TKeyChange> TResultsStore::KeyChanges(const std::string& testFile,
                                                  const std::vector<TQuestionSnapshot>& current) {
  std::vector<TKeyChange> changes;
  for (const auto& [key, now] : Changed(*Impl->Db, testFile, current)) {
    if (!changes.empty() && changes.back().Number == key.Number && changes.back().OldCorrect == key.Correct &&
        changes.back().OldAnyCorrectPasses == key.Any) {
      changes.back().Attempts += key.Attempts;
      continue;
    }
    changes.push_back({key.Number, key.Correct, key.Any, now->Correct, now->AnyCorrectPasses, key.Attempts});
  }
  return changes;
}

int TResultsStore::Regrade(const std::string& testFile, const std::vector<TQuestionSnapshot>& current) {
  TDatabase& db = *Impl->Db;
  TTransaction transaction(db);
  auto keyUpdate = db.Prepare("UPDATE questions SET regrade_correct = ?, regrade_any = ? WHERE id = ?");
  auto answers = db.Prepare("SELECT attempt_id, position, chosen FROM answers WHERE question_id = ?");
  auto markUpdate = db.Prepare("UPDATE answers SET regraded = ? WHERE attempt_id = ? AND position = ?");
  std::vector<std::int64_t> touched;
  for (const auto& [key, now] : Changed(db, testFile, current)) {
    // Back to the first key: the first marks stand again.
    const bool backToFirst = now->Correct == key.FirstCorrect && now->AnyCorrectPasses == key.FirstAny;
    keyUpdate->Reset();
    if (backToFirst) {
      keyUpdate->BindNull(1);
      keyUpdate->BindNull(2);
    } else {
      keyUpdate->Bind(1, std::int64_t{now->Correct});
      keyUpdate->Bind(2, std::int64_t{now->AnyCorrectPasses});
    }
    keyUpdate->Bind(3, key.QuestionId);
    keyUpdate->Step();
    answers->Reset();
    answers->Bind(1, key.QuestionId);
    std::vector<std::tuple<std::int64_t, std::int64_t, Scoring::TLetters>> rows;
    while (answers->Step())
      rows.emplace_back(answers->Int(0), answers->Int(1), static_cast<Scoring::TLetters>(answers->Int(2)));
    for (const auto& [attempt, position, chosen] : rows) {
      markUpdate->Reset();
      if (backToFirst)
        markUpdate->BindNull(1);
      else
        markUpdate->Bind(1, std::int64_t{Scoring::IsRight(now->Correct, now->AnyCorrectPasses, chosen)});
      markUpdate->Bind(2, attempt);
      markUpdate->Bind(3, position);
      markUpdate->Step();
      touched.push_back(attempt);
    }
  }
  transaction.Commit();
  std::sort(touched.begin(), touched.end());
  return static_cast<int>(std::unique(touched.begin(), touched.end()) - touched.begin());
}

namespace ResultsLocation {

std::string UserDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
    return std::string(data) + "/quizwell";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share/quizwell";
}

bool IsNetworkFolder(const std::string& folder) {
  std::error_code error;
  const std::filesystem::path real =
      std::filesystem::weakly_canonical(std::filesystem::absolute(folder), error);
  if (error) return false;
  std::ifstream in("/proc/self/mountinfo");
  std::ostringstream mounts;
  mounts << in.rdbuf();
  return IsNetworkType(MountedType(mounts.str(), real.string()));
}

namespace {

// A mount point as mountinfo writes it, a space, tab, line break or backslash
// as '\' and three octal digits.
std::string MountPoint(std::string_view field) {
  std::string point;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        field.substr(i + 1, 3).find_first_not_of("01234567") == std::string_view::npos) {
      point += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      point += field[i];
    }
  }
  return point;
}

bool Holds(std::string_view point, std::string_view path) {
  if (point == "/") return path.starts_with('/');
  return path.starts_with(point) && (path.size() == point.size() || path[point.size()] == '/');
}

}  // namespace

std::string MountedType(std::string_view mountInfo, std::string_view path) {
  std::string type;
  std::size_t deepest = 0;
  for (std::size_t start = 0; start < mountInfo.size();) {
    const std::size_t end = std::min(mountInfo.find('\n', start), mountInfo.size());
    const std::string_view line = mountInfo.substr(start, end - start);
    start = end + 1;
    // ID, parent ID, device, root, mount point, options, optional fields, "-",
    // file system type, source, options.
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; at <= line.size();) {
      const std::size_t space = std::min(line.find(' ', at), line.size());
      fields.push_back(line.substr(at, space - at));
      at = space + 1;
    }
    const auto dash = std::find(fields.begin() + std::min<std::size_t>(fields.size(), 6), fields.end(), "-");
    if (fields.size() < 7 || dash == fields.end() || dash + 1 == fields.end()) continue;
    const std::string point = MountPoint(fields[4]);
    // The deepest mount point wins; of two at the same point, the later one
    // (mounted over the other).
    if (Holds(point, path) && point.size() + 1 >= deepest) {
      deepest = point.size() + 1;
      type = *(dash + 1);
    }
  }
  return type;
}

bool IsNetworkType(std::string_view type) {
  static constexpr std::string_view Network[] = {"nfs", "nfs4", "smbfs", "smb3", "cifs",   "afs",
                                                 "9p",  "ceph", "coda",  "fuse", "fuseblk"};
  return type.starts_with("fuse.") ||
         std::find(std::begin(Network), std::end(Network), type) != std::end(Network);
}

std::string StorePath(const std::string& testFolder, const std::string& userDataFolder, bool network) {
  if (!network) return (fs::path(testFolder) / ResultsFileName).string();
  std::string absolute = fs::absolute(testFolder).lexically_normal().string();
  return (fs::path(userDataFolder) / ("Results-" + Digest128(absolute).substr(0, 16) + ".sqlite")).string();
}

}  // namespace ResultsLocation

namespace {

std::string TimeStamp() {
  return ResultsLocation::LocalTime("%Y%m%d-%H%M%S");
}

void MoveAside(const std::string& path, const std::string& aside) {
  std::error_code error;
  fs::rename(path, aside, error);
  if (error) throw TIoError(path, "Cannot move the damaged results store aside", error.message());
  for (const char* suffix : {"-wal", "-shm"}) {
    if (fs::exists(path + suffix, error)) fs::rename(path + suffix, aside + suffix, error);
  }
}

// Where the store of testFolder is, with the notice of a store kept
// elsewhere.
TOpenedStore Located(const std::string& testFolder, const std::string& userDataFolder) {
  TOpenedStore opened;
  const bool network = ResultsLocation::IsNetworkFolder(testFolder);
  opened.Path = ResultsLocation::StorePath(testFolder, userDataFolder, network);
  if (network) {
    opened.Notices.push_back("The folder \"" + testFolder +
                             "\" is on a network file system, where the results store cannot be kept safely; "
                             "the results are kept in \"" +
                             opened.Path + "\" instead.");
  }
  return opened;
}

// Moves the damaged store of opened aside, untouched, and starts a new one.
void StartAnew(TOpenedStore& opened) {
  opened.Store.reset();
  std::string aside = opened.Path + ".damaged-" + TimeStamp();
  for (int n = 2; fs::exists(aside); ++n)
    aside = opened.Path + ".damaged-" + TimeStamp() + "-" + std::to_string(n);
  MoveAside(opened.Path, aside);
  opened.Notices.push_back("The results store \"" + opened.Path + "\" was damaged. It was moved aside to \"" +
                           aside + "\", untouched, and a new store was started.");
  opened.Store = std::make_unique<TResultsStore>(Sqlite::Open(opened.Path));
}

std::unique_ptr<TResultsStore> EmptyStore() {
  return std::make_unique<TResultsStore>(Sqlite::Open(":memory:"));
}

}  // namespace

TOpenedStore OpenResultsStore(const std::string& testFolder, const std::string& userDataFolder) {
  TOpenedStore opened = Located(testFolder, userDataFolder);
  // Kept in the user's data folder, which may not be there yet.
  if (opened.Path != (fs::path(testFolder) / ResultsFileName).string()) {
    std::error_code error;
    fs::create_directories(userDataFolder, error);
    if (error)
      throw TIoError(userDataFolder, "Cannot make the folder for the results store", error.message());
  }
  try {
    opened.Store = std::make_unique<TResultsStore>(Sqlite::Open(opened.Path));
  } catch (const TSqliteDamaged&) {
    StartAnew(opened);
  }
  return opened;
}

TOpenedStore WriteResultsStore(const std::string& testFolder, const std::string& userDataFolder,
                               const std::function<void(TResultsStore&)>& write) {
  TOpenedStore opened = OpenResultsStore(testFolder, userDataFolder);
  try {
    write(*opened.Store);
    return opened;
  } catch (const TSqliteDamaged&) {
  }
  StartAnew(opened);
  write(*opened.Store);
  return opened;
}

TOpenedStore ReadResultsStore(const std::string& testFolder, const std::string& userDataFolder) {
  TOpenedStore opened = Located(testFolder, userDataFolder);
  std::error_code error;
  opened.Store = fs::exists(opened.Path, error) ? ReadResultsFile(opened.Path) : EmptyStore();
  return opened;
}

std::unique_ptr<TResultsStore> ReadResultsFile(const std::string& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error))
    throw TIoError(path, "Cannot read the results store", "there is no such file");
  auto database = Sqlite::OpenForReading(path);
  // A file no program finished making holds no attempts yet.
  if (!database->HasTable("store_version")) return EmptyStore();
  return std::make_unique<TResultsStore>(std::move(database), TStoreAccess::Read);
}

std::string ResultsLocation::LocalTime(const char* format) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::strftime(text, sizeof text, format, &local);
  return text;
}
