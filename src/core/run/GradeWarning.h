#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/run/Grading.h"
#include "core/run/PrintRun.h"

// What the user should know before trusting the scores of graded sheets, as
// a kind with the values it names, so that a window can say it in its own
// words; Sentence says it in English.
enum class TGradeWarningKind {
  Undecided,  // Sheet was not graded: it has questions in doubt
  // The sheets fit Better far better than Run (without Run: than the seed
  // Seed given): BetterRight of Asked answers are right there, Right here.
  BetterRun,
  // Keys.FitElsewhere of Keys.Sheets sheets score far better under another
  // key than their own: the sheet Name of Version, under the key of
  // KeyVersion ('\0' for the test's own order, nothing shuffled).
  WrongKeys,
  ChangedSincePrint,  // the test was changed after Run was printed
};

struct TGradeWarning {
  TGradeWarningKind Kind = TGradeWarningKind::Undecided;
  std::string Sentence;
  Grading::TUndecided Sheet;
  std::optional<TPrintRun> Run;
  std::optional<TPrintRun> Better;
  std::uint64_t Seed = 0;
  int Right = 0;
  int BetterRight = 0;
  int Asked = 0;
  Grading::TKeyCheck Keys;
  std::string Name;
  char Version = 'A';
  char KeyVersion = '\0';
};
