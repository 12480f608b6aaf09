#include "core/model/QuestionSetChange.h"

#include <algorithm>

#include "core/model/QuestionSet.h"

TQuestionSetChange TQuestionSetChange::Record(QuestionSet& set, const std::function<void()>& change) {
  const auto before = set.Questions;
  const int countBefore = set.QuestionCount;
  const int currentBefore = set.CurrentIndex;
  change();

  // Only the slots from the first to the last that differ are kept.
  const int reach = QuestionSet::MaxQuestions;
  int first = 1;
  while (first <= reach && before[static_cast<size_t>(first - 1)] == set.Slot(first)) ++first;
  int last = reach;
  while (last >= first && before[static_cast<size_t>(last - 1)] == set.Slot(last)) --last;

  TQuestionSetChange recorded;
  recorded.First = first;
  recorded.Before = {{before.begin() + first - 1, before.begin() + last}, countBefore, currentBefore};
  recorded.After = {
      {set.Questions.begin() + first - 1, set.Questions.begin() + last}, set.QuestionCount, set.CurrentIndex};
  return recorded;
}

bool TQuestionSetChange::Empty() const {
  return Before.Slots.empty() && Before.Count == After.Count && Before.Current == After.Current;
}

void TQuestionSetChange::Restore(QuestionSet& set, int first, const TSide& side) {
  std::copy(side.Slots.begin(), side.Slots.end(), set.Questions.begin() + first - 1);
  set.QuestionCount = side.Count;
  set.CurrentIndex = side.Current;
}

void TQuestionSetChange::Undo(QuestionSet& set) const {
  Restore(set, First, Before);
}

void TQuestionSetChange::Redo(QuestionSet& set) const {
  Restore(set, First, After);
}
