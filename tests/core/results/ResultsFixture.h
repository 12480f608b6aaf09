#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/Attempt.h"
#include "core/results/SqliteDatabase.h"
#include "support/TempDir.h"

// Small attempts for the results tests: a test of questions keyed by letters
// ("ABCD": question 1 key A, ...), answered by a line of one letter per
// question ("AB-C": question 3 left blank).
namespace ResultsFixture {

inline std::vector<TQuestionSnapshot> Questions(std::string_view keys) {
  std::vector<TQuestionSnapshot> questions;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    TQuestionSnapshot& q = questions.emplace_back();
    q.Number = static_cast<int>(i + 1);
    q.Question = "Question " + std::to_string(i + 1);
    q.Answers = {"one", "two", "three", "four", "", ""};
    q.Correct = Scoring::LettersOf(std::string(1, keys[i]));
  }
  return questions;
}

inline TAttempt Attempt(std::string_view student, std::string_view keys, std::string_view choices,
                        std::string started = "2026-12-01 09:00:00") {
  TAttempt attempt;
  attempt.Id = Digest128(std::string(student) + started + std::string(choices));
  attempt.TestFile = "CH2.QWT";
  attempt.Description = "Chapter 2";
  attempt.Questions = Questions(keys);
  attempt.Fingerprint = Fingerprint(attempt.Questions);
  attempt.Student = std::string(student);
  attempt.Class = "7B";
  attempt.Started = started;
  attempt.Ended = started;
  attempt.SecondsTaken = 60;
  for (std::size_t i = 0; i < choices.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    attempt.Answered.push_back(
        {number, number, "ABCD",
         choices[i] == '-' ? Scoring::TLetters{0} : Scoring::LettersOf(choices.substr(i, 1)), false});
  }
  return attempt;
}

// Overwrites the first page of table or index name in the store at path
// (closed) with bytes no page holds: damage further in the file, which the
// header and schema do not show.
inline void DamagePage(const std::string& path, const std::string& name) {
  std::int64_t page = 0;
  {
    auto db = Sqlite::Open(path);
    db->Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    auto root = db->Prepare("SELECT rootpage FROM sqlite_master WHERE name = ?");
    root->Bind(1, name);
    root->Step();
    page = root->Int(0);
  }
  std::string bytes = ReadBytes(path);
  bytes.replace(static_cast<std::size_t>(page - 1) * 4096, 4096, std::string(4096, '\xFF'));
  WriteBytes(path, bytes);
}

}  // namespace ResultsFixture
