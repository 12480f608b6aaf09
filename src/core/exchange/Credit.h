#pragma once

#include <string>
#include <vector>

// Other systems score a choice question by the credit each answer earns; our
// model has one rule per question: every correct letter wanted, or any correct
// letter passes. The rule chosen is the one that scores alike a student who
// picks only right answers and one who picks a single right answer; what the
// rule cannot hold is said in words.
namespace Credit {

struct TRule {
  std::string Correct;  // letters A.., in order
  bool AnyCorrectPasses = false;
  // Report lines without the question's number: part marks dropped, answers
  // that earned part of the marks taken as wrong, wrong answers that cost
  // nothing or part of the marks where several may be ticked.
  std::vector<std::string> Notes;
};

// credits[i] is what answer i earns chosen alone, as a share of full marks
// (1 is full marks, below 0 takes marks away); single says that only one
// answer may be chosen. Answers that alone earn full marks are the correct
// ones, and with several of them any one passes. Where none does, every
// answer with credit is correct and all of them are wanted. No letter when
// no answer earns credit.
TRule RuleOf(const std::vector<double>& credits, bool single);

// A share of full marks as a percentage for the report: "50%", "33.33%".
std::string Percent(double share);

}  // namespace Credit
