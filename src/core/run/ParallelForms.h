#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/run/QuestionDraw.h"

// Paper versions whose expected mean scores match: each version keeps the
// blueprint (so each category's share), and the questions are moved between
// versions until their expected means, the mean facility of the questions
// each holds, lie as close together as the search finds.
namespace ParallelForms {

struct TForms {
  std::vector<std::vector<int>> Versions;  // per version, ascending question indices
  // Per version, the expected mean score in percent; empty without statistics.
  std::vector<double> ExpectedMeans;
  // How many of the questions drawn from had no facility and were counted
  // at the mean of the others.
  int Estimated = 0;

  bool Balanced() const { return !ExpectedMeans.empty(); }
  // Highest less lowest expected mean, in percentage points; 0 unbalanced.
  double Spread() const;
};

// versions drawn from bank with seed. With at least one known facility the
// draw is balanced; without any it is bank.Draw(seed, versions). Versions
// share questions only where a category has too few for all of them, and
// then as evenly as it allows.
TForms Draw(const QuestionDraw::TBank& bank, int versions, std::uint64_t seed,
            const std::vector<std::optional<double>>& facility);

// What the teacher is told: "expected mean: 64%, 63%, 65%, 64% (spread 2
// points)", or, without statistics, "no statistics for these questions yet:
// versions drawn at random".
std::string Summary(const TForms& forms);

// What the teacher should know of a paper draw: a blueprint that does not
// read (Unread: then no draw is made and every question is printed), or a
// line the test cannot meet (drawn with what there is); Problem says which.
struct TDrawWarning {
  bool Unread = false;
  QuestionDraw::TProblem Problem;
  std::string Sentence;  // in English
};

// The questions each version of a paper test asks.
struct TPaperDraw {
  // Per version, ascending question indices; empty without a blueprint (then
  // every version asks every question).
  std::vector<std::vector<int>> Draw;
  std::vector<TDrawWarning> Warnings;
  // Summary() of a balanced draw; "" when balancing was not asked for.
  std::string Balance;
  // The figures Balance gives, when balancing was asked for.
  std::optional<TForms> Balanced;
};

// The draw of versions from the stored blueprint of a test holding
// questions, from seed; balanced by facility when one is given.
TPaperDraw PaperDraw(const std::string& blueprint, const std::vector<QuestionRecord>& questions, int versions,
                     std::uint64_t seed, const std::vector<std::optional<double>>* facility);

}  // namespace ParallelForms
