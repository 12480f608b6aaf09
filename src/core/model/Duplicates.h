#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/TestFile.h"

// Questions typed twice, in one test or across the tests of a folder.
//
// Two question texts are alike when they are equal once letter case, blanks
// and punctuation are set aside, or when their sets of word 3-grams (runs of
// three words in a row) overlap with a Jaccard index of at least
// ShingleThreshold. Alike questions are grouped (a question alike to one
// member of a group joins it). Within a group the answers tell true copies
// from questions that only share their stem: two questions have the same
// answers when their non-empty answers, normalised the same way, are the same
// texts in any order.
namespace Duplicates {

inline constexpr double ShingleThreshold = 0.8;

// The questions of one test; Questions[i] is question i + 1.
struct TTestQuestions {
  std::string Name;  // how the report names the test (a path or a file name)
  std::vector<QuestionRecord> Questions;
};

struct TPlace {
  int Test = 0;     // index into the tests searched
  int Number = 0;   // question number, from 1
  int Answers = 0;  // which answer set within its group: 0, 1, ... in order of first member
};

struct TGroup {
  enum TKind {
    Copies,       // every member has the same answers
    OtherAnswers  // alike stems, but the answers differ between members
  };
  TKind Kind = Copies;
  std::vector<TPlace> Members;  // by test, then number
};

// Lower case, every byte that is not a letter or digit dropped (code-page
// text: the letters of Windows-1252 count as letters).
std::string Normalise(std::string_view text);

// Every group of two or more alike questions among tests, ordered by their
// first member. Two questions are alike when their texts are equal once
// normalised, or when the Jaccard index of their word 3-gram sets is at least
// 0.8 (words are runs of letters and digits, compared without case; a text of
// fewer than three words is one shingle of all its words). Questions without
// text are left out.
std::vector<TGroup> Find(const std::vector<TTestQuestions>& tests);

// Every test of folder (no trailing separator), however many, in the
// catalogue's order, each named by its path. A test that cannot be read is left out after
// onUnreadable is told its error. Throws TIoError when the folder cannot be
// listed.
std::vector<TTestQuestions> ReadFolder(const std::string& folder,
                                       const std::function<void(const std::string& error)>& onUnreadable);

// The heading of a group in a report: "Same question" or "Same question,
// other answers".
std::string_view KindText(TGroup::TKind kind);

// text on one line for a report: every run of bytes below 32 (line breaks,
// tabs) becomes one blank, and the ends are trimmed.
std::string OneLine(std::string_view text);

}  // namespace Duplicates
