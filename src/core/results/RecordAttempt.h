#pragma once

#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/results/Attempt.h"

class TTestSession;

// The engine's end of a test: every finished attempt reaches the results,
// whatever can be written on the student's machine.

// A question of the test as the results keep it; number is its number in
// the file (1-based).
TQuestionSnapshot SnapshotOf(const QuestionRecord& question, int number);

// The Fingerprint of a whole test, its questions in file order: how an
// attempt and a printed answer sheet name the test as it was.
std::string TestFingerprint(const std::vector<QuestionRecord>& testQuestions);

// Who took the test and where.
struct TTaker {
  std::string Student;
  std::string StudentNumber;
  std::string Class;
  std::string Machine;
};

// The attempt of a finished session: the questions it asked with their keys,
// the letters chosen in the order shown, the time taken. testQuestions are
// all the test's questions in file order (for the fingerprint of the test as
// it was); started and ended are "YYYY-MM-DD hh:mm:ss". The id is drawn from
// the system's source of randomness.
TAttempt AttemptOfSession(const TTestSession& session, const std::string& testFile,
                          const std::string& description, const std::vector<QuestionRecord>& testQuestions,
                          const TTaker& taker, const std::string& started, const std::string& ended);

// A fresh random id of 32 hexadecimal digits.
std::string NewAttemptId();

// Where an attempt went.
enum class TRecordedIn { Store, ResultsFolder, Queue };

struct TRecorded {
  TRecordedIn Where = TRecordedIn::Store;
  std::string Path;  // the store, or the attempt file written
  // What opening the store said (see OpenResultsStore), or, for the queue,
  // where the attempt waits.
  std::vector<std::string> Notices;
};

// Records attempt, trying in turn:
// 1. the results store of testFolder, when it can be written and is not on a
//    network file system;
// 2. an attempt file in resultsFolder (when one is set, not empty);
// 3. an attempt file in the queue folder userDataFolder + "/queue" (made when
//    missing), which SendQueued moves on at the next start.
// An attempt is stored once even when it reaches the store later through a
// file. Throws TIoError only when none of the three can be written; the error
// is the queue's.
TRecorded RecordAttempt(const TAttempt& attempt, const std::string& testFolder,
                        const std::string& resultsFolder, const std::string& userDataFolder);

// The queue folder for userDataFolder.
std::string QueueFolder(const std::string& userDataFolder);
