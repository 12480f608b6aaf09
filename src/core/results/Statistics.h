#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/run/Scoring.h"

// The figures of a test and of each of its questions over a set of attempts.
// Pure functions: they see only the marks and letters handed in.
//
// Let x be an attempt's mark on a question (0 or 1) and X its total over the
// questions it was asked.
// - Facility: the mean of x over the attempts asked the question.
// - Discrimination: the Pearson correlation of x with the rest score X - x
//   over those attempts; where attempts were asked different numbers of
//   questions, the rest score as a percentage of the other questions asked.
//   None when either has no variance.
// - KR-20 = k/(k-1) * (1 - sum p(1-p) / Var(X)) over the attempts asked all k
//   questions, variances dividing by n; none below 2 questions or 2 such
//   attempts, or when Var(X) = 0.
// - SD: the population standard deviation of the percent scores; SEM = SD *
//   sqrt(1 - KR-20).
// - Top and bottom groups: round(27% of the attempts) with the highest and
//   the lowest X, ties going to the attempt taken first.
namespace Statistics {

struct TResponse {
  int Number = 0;  // the question's number in the test file
  Scoring::TLetters Chosen = 0;
  bool Right = false;
};

// One attempt's answers, each question at most once, numbers from 1;
// attempts are handed in the order they were taken.
using TResponses = std::vector<TResponse>;

struct TItem {
  int Number = 0;
  int Attempts = 0;  // how many were asked it
  double Facility = 0;
  std::optional<double> Discrimination;
  std::array<int, 6> Chose{};        // per letter A..F, every attempt asked
  std::array<int, 6> ChoseTop{};     // the top group
  std::array<int, 6> ChoseBottom{};  // the bottom group
  int Blank = 0;
  // "very-easy" (facility above 0.9), "very-hard" (below 0.2), "weak"
  // (discrimination from 0 to below 0.1), "negative" (discrimination below
  // 0), "miskey" (a wrong letter chosen by more of the top group than the
  // key: its least-chosen letter when it has several).
  std::vector<std::string> Flags;
};

struct TTest {
  int Attempts = 0;
  double Mean = 0;    // percent
  double Median = 0;  // percent
  double Sd = 0;      // percent
  std::optional<double> Kr20;
  std::optional<double> Sem;  // percent
  // Attempts per tenth of the percent scale: 0-9, 10-19, ..., 90-100.
  std::array<int, 10> Histogram{};
  std::vector<TItem> Items;  // by question number
};

// The exact percent score of an attempt (0 when it was asked nothing).
double PercentScore(const TResponses& attempt);

// The figures over attempts. keys gives each question's correct letters, for
// the miskey flag; a question without one is never flagged as a miskey.
TTest Analyse(const std::vector<TResponses>& attempts, const std::map<int, Scoring::TLetters>& keys);

}  // namespace Statistics
