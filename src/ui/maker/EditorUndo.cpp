#include "ui/maker/EditorUndo.h"

#include <QCoreApplication>
#include <utility>

namespace {

QString PartName(int part) {
  if (part == ScreenPart::CorrectAnswers)
    return QCoreApplication::translate("TScreenEdit", "Correct Answers");
  if (part == ScreenPart::PassRule) return QCoreApplication::translate("TScreenEdit", "Pass Rule");
  if (part == ScreenPart::Viewer) return QCoreApplication::translate("TScreenEdit", "Media File");
  switch (static_cast<TSearchField>(part)) {
    case TSearchField::HotLink:
    case TSearchField::HotLinkParameters:
      return QCoreApplication::translate("TScreenEdit", "Hot Link");
    case TSearchField::MediaFile:
      return QCoreApplication::translate("TScreenEdit", "Media File");
    default:
      return QCoreApplication::translate("TScreenEdit", "Typing");
  }
}

}  // namespace

TKeystroke TKeystroke::Between(const QString& before, const QString& after) {
  const qsizetype shorter = std::min(before.size(), after.size());
  qsizetype prefix = 0;
  while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
  TKeystroke key;
  key.Position = static_cast<int>(prefix);
  if (after.size() == before.size() + 1 && after.mid(prefix + 1) == before.mid(prefix)) {
    key.Typed = true;
    key.Blank = after[prefix].isSpace();
  } else if (before.size() == after.size() + 1 && before.mid(prefix + 1) == after.mid(prefix)) {
    key.Removed = true;
  }
  return key;
}

TScreenEdit::TScreenEdit(TUndoableScreen& editor, int number, int part, TScreenState before,
                         TScreenState after)
    : QUndoCommand(PartName(part)),
      Editor(editor),
      QuestionNumber(number),
      Part(part),
      Before(std::move(before)),
      After(std::move(after)) {
  if (part < SearchFieldCount) {
    const auto field = static_cast<size_t>(part);
    Last = TKeystroke::Between(Before.Texts[field], After.Texts[field]);
  }
}

bool TScreenEdit::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const TScreenEdit*>(other);
  if (next->QuestionNumber != QuestionNumber || next->Part != Part) return false;
  const TKeystroke& key = next->Last;
  // A word and the blanks after it are one step; the next word starts another.
  const bool typing =
      Last.Typed && key.Typed && key.Position == Last.Position + 1 && !(Last.Blank && !key.Blank);
  const bool deleting =
      Last.Removed && key.Removed && (key.Position == Last.Position - 1 || key.Position == Last.Position);
  if (!typing && !deleting) return false;
  After = next->After;
  Last = key;
  return true;
}

void TScreenEdit::undo() {
  Editor.ShowEdit(QuestionNumber, Before, Part);
}

void TScreenEdit::redo() {
  if (std::exchange(Done, false)) return;
  Editor.ShowEdit(QuestionNumber, After, Part);
}

TSetEdit::TSetEdit(TUndoableScreen& editor, TQuestionSetChange change, const QString& text)
    : QUndoCommand(text), Editor(editor), Change(std::move(change)) {}

void TSetEdit::undo() {
  Editor.ShowSetChange(Change, true);
}

void TSetEdit::redo() {
  if (std::exchange(Done, false)) return;
  Editor.ShowSetChange(Change, false);
}
