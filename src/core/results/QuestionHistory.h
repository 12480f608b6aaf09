#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/results/ResultsStore.h"

// How each question of a test did wherever it was asked: in every test file
// and class of the store, under every key it had. A question is the same
// question wherever its text and its six answers are the same, so one copied
// into another test brings its history along; its key may differ, which the
// history tells.
struct TQuestionHistory {
  int Asked = 0;                         // answers given to it, in attempts not deleted
  int Tests = 0;                         // test files it was asked in
  std::optional<double> Facility;        // the share of those answers marked right (newest key)
  std::optional<double> Discrimination;  // as Statistics measures it, over every attempt asking it
  std::string LastAsked;                 // when the newest of those attempts was taken; "" when never
  bool KeyChanged = false;               // it was marked with another key than it has now, here or elsewhere

  bool operator==(const TQuestionHistory&) const = default;
};

// The history of each of questions (the test as it is now), in their order.
// Discrimination correlates a question's mark with the rest of each
// attempt's score, as Statistics::Analyse does within one test. Reads only;
// throws what the store throws.
std::vector<TQuestionHistory> QuestionHistories(TResultsStore& store,
                                                const std::vector<TQuestionSnapshot>& questions);

// The histories of the questions of the test at testPath, as an editor holds
// them now (numbered from 1 in their order), from the store of the test's
// folder, read only; every history empty when the folder has no store.
// Throws what opening the store throws.
std::vector<TQuestionHistory> TestQuestionHistories(const std::string& testPath,
                                                    const std::vector<QuestionRecord>& questions);
