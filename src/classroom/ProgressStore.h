#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/run/Scoring.h"

class TDatabase;

// Where a classroom attempt stands, written to the results store's database
// before the browser hears that an answer was saved, so a server that stops
// at any moment loses no answer it confirmed. One row per attempt, replaced
// at each change; the finished attempt itself goes into the results store.
struct TProgressRow {
  std::string AttemptId;
  std::string Room;
  std::string TestFile;
  std::string Student;
  std::string Machine;
  std::uint64_t Seed = 0;  // the question order's seed
  std::string Started;     // "YYYY-MM-DD hh:mm:ss"
  std::string Ended;       // set once the attempt ends, before it is stored
  std::int64_t ElapsedMs = 0;
  int Position = 0;                        // 0-based
  std::vector<Scoring::TLetters> Answers;  // per position shown, the letters chosen
  std::vector<bool> Checked;               // per position shown, whether it was checked
  bool Finished = false;
  // From the attempt's resume row (empty for attempts of earlier versions):
  std::string Device;      // the secret of the device that may continue it
  std::string ResumeCode;  // what another device types to take it over
  std::string Questions;   // the fingerprint of the questions it was shown
};

// Who may continue an attempt and what it was asked, written when it starts
// and when another device takes it over.
struct TResumeRow {
  std::string AttemptId;
  std::string Device;
  std::string ResumeCode;
  std::string Questions;
};

class TProgressStore {
public:
  // Makes the progress and resume tables when the database has none.
  explicit TProgressStore(TDatabase& database);

  // Writes row in one transaction, replacing the row of the same attempt.
  // Throws TIoError when the database cannot be written.
  void Save(const TProgressRow& row);

  // Writes row in one transaction, replacing the row of the same attempt.
  // Throws TIoError when the database cannot be written.
  void Save(const TResumeRow& row);

  // The rows of room and testFile whose attempt is not stored yet, in the
  // order they were first saved, each with its resume row's fields; a row
  // whose seed is no number (not one this program wrote) is left out.
  std::vector<TProgressRow> Unfinished(const std::string& room, const std::string& testFile);

private:
  TDatabase& Database;
};
