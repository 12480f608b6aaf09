#pragma once

#include <QString>
#include <QUndoCommand>
#include <array>

#include "core/model/QuestionSetChange.h"
#include "core/model/TestSearch.h"

// What the editor's screen holds for one question: the texts in the order of
// TSearchField, the check boxes, the pass rule and the media viewer.
struct TScreenState {
  std::array<QString, SearchFieldCount> Texts;
  std::array<bool, 6> Checked{};
  bool AnyCorrectPasses = false;
  bool InternalViewer = false;
  bool operator==(const TScreenState&) const = default;
};

// The part of the screen an edit changed: a text field (TSearchField), or one
// of these.
namespace ScreenPart {
inline constexpr int CorrectAnswers = SearchFieldCount;
inline constexpr int PassRule = SearchFieldCount + 1;
inline constexpr int Viewer = SearchFieldCount + 2;
}  // namespace ScreenPart

// The screen that undo and redo show their edits on: the question editor.
class TUndoableScreen {
public:
  // Shows question number with the screen as state, the part changed in view.
  virtual void ShowEdit(int number, const TScreenState& state, int part) = 0;
  // Carries change (or takes it back, when undo) and shows where it happened.
  virtual void ShowSetChange(const TQuestionSetChange& change, bool undo) = 0;

protected:
  ~TUndoableScreen() = default;
};

// One keystroke, when an edit was one: a character typed or removed at
// Position of the field's text.
struct TKeystroke {
  bool Typed = false;    // one character inserted
  bool Removed = false;  // one character deleted
  int Position = 0;
  bool Blank = false;  // the character typed is a blank or a line break
  // The keystroke that turns before into after, if one does.
  static TKeystroke Between(const QString& before, const QString& after);
};

// An edit on the screen of question Number: taking it back shows that question
// with the screen as it was. Keystrokes in one field merge as a text editor
// groups them: a run of characters typed one after another up to the next
// word, or a run of deletions.
class TScreenEdit : public QUndoCommand {
public:
  TScreenEdit(TUndoableScreen& editor, int number, int part, TScreenState before, TScreenState after);

  int Number() const { return QuestionNumber; }
  int id() const override { return 1; }
  bool mergeWith(const QUndoCommand* other) override;
  void undo() override;
  void redo() override;

private:
  TUndoableScreen& Editor;
  int QuestionNumber;
  int Part;
  TScreenState Before;
  TScreenState After;
  TKeystroke Last;
  bool Done = true;  // pushed after the screen changed: the first redo has nothing to do
};

// A change of the questions themselves (paste, add, delete, replace).
class TSetEdit : public QUndoCommand {
public:
  TSetEdit(TUndoableScreen& editor, TQuestionSetChange change, const QString& text);
  void undo() override;
  void redo() override;

private:
  TUndoableScreen& Editor;
  TQuestionSetChange Change;
  bool Done = true;
};
