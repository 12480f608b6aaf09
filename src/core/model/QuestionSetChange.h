#pragma once

#include <functional>
#include <vector>

#include "core/model/TestFile.h"

class QuestionSet;

// One change of the editor's questions, kept so that it can be taken back
// and made again: the slots it touched as they were and as they became, with
// the question count and the current number on both sides. The copy buffer
// is not part of it.
class TQuestionSetChange {
public:
  // Runs change on set and records what it did.
  static TQuestionSetChange Record(QuestionSet& set, const std::function<void()>& change);

  // Whether the change left the set exactly as it was.
  bool Empty() const;
  // Puts set back as it was before the change, or as it was after.
  void Undo(QuestionSet& set) const;
  void Redo(QuestionSet& set) const;

private:
  struct TSide {
    std::vector<QuestionRecord> Slots;  // slots First.. of this side
    int Count = 1;
    int Current = 1;
  };
  static void Restore(QuestionSet& set, int first, const TSide& side);

  int First = 1;  // the first slot that differs
  TSide Before;
  TSide After;
};
