#include "core/exchange/Credit.h"

#include <algorithm>
#include <cstdio>

namespace Credit {
namespace {

// Shares written with a few decimals (33.33333 three times) still add up.
constexpr double Slack = 0.0005;

std::string LetterList(const std::vector<int>& answers, const std::vector<double>& credits) {
  std::string list;
  for (int i : answers)
    list += (list.empty() ? "" : ", ") + std::string(1, static_cast<char>('A' + i)) + " (" +
            Percent(credits[static_cast<size_t>(i)]) + ")";
  return list;
}

}  // namespace

std::string Percent(double share) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g%%", share * 100);
  return text;
}

TRule RuleOf(const std::vector<double>& credits, bool single) {
  std::vector<int> full, part;
  double best = 0, sum = 0;
  for (size_t i = 0; i < credits.size(); ++i) {
    const double credit = credits[i];
    if (credit >= 1 - Slack)
      full.push_back(static_cast<int>(i));
    else if (credit > Slack)
      part.push_back(static_cast<int>(i));
    if (credit > Slack) sum += std::min(credit, 1.0);
    best = std::max(best, credit);
  }
  TRule rule;
  const auto take = [&](const std::vector<int>& answers) {
    for (int i : answers) rule.Correct += static_cast<char>('A' + i);
  };
  if (full.empty() && part.empty()) return rule;
  // Several choices, and a wrong one that costs nothing: ticking it beside
  // the right ones still earns full marks there.
  if (!single && std::any_of(credits.begin(), credits.end(),
                             [](double credit) { return credit <= Slack && credit >= -Slack; }))
    rule.Notes.push_back(
        "a wrong answer ticked beside the right ones costs no marks in the source: here it fails the "
        "question");
  // Several choices: a wrong pick fails the whole question here.
  std::vector<int> penalised;
  for (size_t i = 0; i < credits.size(); ++i)
    if (credits[i] < -Slack && credits[i] > -1 + Slack) penalised.push_back(static_cast<int>(i));
  if (!single && !penalised.empty())
    rule.Notes.push_back("the penalty of " + LetterList(penalised, credits) +
                         " is now the loss of the whole question");
  if (!full.empty()) {
    take(full);
    rule.AnyCorrectPasses = full.size() > 1;
    if (!part.empty())
      rule.Notes.push_back("part marks for " + LetterList(part, credits) +
                           " dropped: only answers worth full marks are correct");
    return rule;
  }
  if (single) {
    // One choice and none worth full marks: the best ones are the key.
    std::vector<int> top, rest;
    for (int i : part) (credits[static_cast<size_t>(i)] >= best - Slack ? top : rest).push_back(i);
    take(top);
    rule.AnyCorrectPasses = top.size() > 1;
    rule.Notes.push_back("the best answer earns only " + Percent(best) + ": taken as full marks");
    if (!rest.empty())
      rule.Notes.push_back("part marks for " + LetterList(rest, credits) + " dropped: taken as wrong");
    return rule;
  }
  take(part);
  if (part.size() > 1)
    rule.Notes.push_back("part marks rounded to all or nothing: every correct answer must be chosen");
  if (sum < 1 - Slack)
    rule.Notes.push_back("the correct answers together earn only " + Percent(sum) + ": taken as full marks");
  return rule;
}

}  // namespace Credit
