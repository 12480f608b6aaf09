#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/run/Scoring.h"

// One attempt at a test, as the results store keeps it: who took which test,
// when and from where, and per question asked what was shown and chosen. Text
// is UTF-8, as in the rest of the core.

// Where an attempt came from.
enum class TAttemptSource { Engine, Paper, Scan, Classroom, Import };

// "engine", "paper", "scan", "classroom", "import"; and back (nothing for any
// other word).
std::string_view SourceName(TAttemptSource source);
std::optional<TAttemptSource> SourceOfName(std::string_view name);
// Every name, for a message: "engine, paper, scan, classroom or import".
std::string SourceNamesText();

// A question as it stood in the test when the attempt was taken: its text,
// its six answers and its key. The key marks the attempt; the texts let a
// later edit of the question be shown.
struct TQuestionSnapshot {
  int Number = 0;  // the question's number in the test file, 1-based
  std::string Question;
  std::array<std::string, 6> Answers;  // A..F as stored
  Scoring::TLetters Correct = 0;
  bool AnyCorrectPasses = false;

  bool operator==(const TQuestionSnapshot&) const = default;
};

// One question asked.
struct TAnsweredQuestion {
  int Number = 0;                // the question's number in the test file, 1-based
  int Position = 0;              // its place when shown, 1-based
  std::string ShownOrder;        // the stored letters in the order shown, "CABD"; empty: as stored
  Scoring::TLetters Chosen = 0;  // stored letters (A..F of the file), whatever order was shown
  bool Checked = false;          // the student checked the answer before leaving the question

  bool operator==(const TAnsweredQuestion&) const = default;
};

struct TAttempt {
  // A random id given when the attempt ends (32 hexadecimal digits); every
  // copy of the attempt keeps it.
  std::string Id;
  // The test.
  std::string TestFile;  // the file's name without its folder, "CH2.QWT"
  std::string Description;
  // The snapshot of every question asked (at least); Answered refers to them by
  // number. Fingerprint() of the whole test names the test as it was.
  std::vector<TQuestionSnapshot> Questions;
  std::string Fingerprint;
  // The student.
  std::string Student;
  std::string StudentNumber;
  std::string Class;
  // Where from.
  TAttemptSource Source = TAttemptSource::Engine;
  std::string Machine;
  char Version = 0;  // the paper version's letter; 0 when none
  std::string Seed;  // the paper run's seed; empty when none
  // When: "YYYY-MM-DD hh:mm:ss", local time; the time taken in seconds.
  std::string Started;
  std::string Ended;
  int SecondsTaken = 0;
  std::vector<TAnsweredQuestion> Answered;  // in the order shown

  bool operator==(const TAttempt&) const = default;
};

// A fingerprint of questions, their answers and keys: 32 hexadecimal digits
// that change with any byte of them (and with their order).
std::string Fingerprint(const std::vector<TQuestionSnapshot>& questions);

// 32 hexadecimal digits hashing bytes (two independent 64-bit hashes); the
// content id of an attempt and the check of a file.
std::string Digest128(std::string_view bytes);

// The bytes of text that fingerprints and ids are taken of: its code-page form
// when the code page holds every character of it, as all text was when the
// first stores were made, so tests and sheets keep the fingerprints and ids
// stored then; the UTF-8 itself otherwise.
std::string DigestText(std::string_view text);

// What is wrong with an attempt, or empty when it can be stored: a question
// answered that has no snapshot or is answered twice, a position or number out of range, a letter
// beyond F, an unknown version letter, a negative time.
std::string AttemptProblem(const TAttempt& attempt);

// The mark of each question answered (true: right), from the letters chosen
// and the snapshot's key by Scoring, never from anything stored elsewhere.
std::vector<bool> Marks(const TAttempt& attempt);
