#include "ui/maker/QAForm.h"

// The question editor's screen: a question shown, copied back, and every edit
// of it in the undo history.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QUndoStack>
#include <algorithm>
#include <utility>

#include "core/model/QuestionSet.h"
#include "core/model/QuestionSetChange.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/text/TextOffset.h"

namespace {

// The text of a box exactly as typed: toPlainText() would turn non-breaking
// spaces into blanks. Line and paragraph breaks become '\n'.
QString ExactText(const QPlainTextEdit* box) {
  QString text = box->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
  return text;
}

// The screen that shows question.
TScreenState ScreenOf(const QuestionRecord& question) {
  TScreenState state;
  for (int part = 0; part < SearchFieldCount; ++part)
    state.Texts[static_cast<size_t>(part)] = ToQString(FieldText(question, static_cast<TSearchField>(part)));
  for (int i = 0; i < QuestionSet::AnswerCount; ++i)
    state.Checked[static_cast<size_t>(i)] = QuestionSet::IsCorrectAnswer(question.Correct, i);
  state.AnyCorrectPasses = question.AnyCorrectPasses;
  state.InternalViewer = question.MMediaInternal;
  return state;
}

}  // namespace

TScreenState TQAForm::CaptureScreen() const {
  TScreenState state;
  const auto text = [&state](TSearchField field) -> QString& {
    return state.Texts[static_cast<size_t>(field)];
  };
  text(TSearchField::Question) = ExactText(QuestionEdit);
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    state.Texts[static_cast<size_t>(TSearchField::AnswerA) + static_cast<size_t>(i)] =
        ExactText(AnswerEdits[static_cast<size_t>(i)]);
    state.Checked[static_cast<size_t>(i)] = CheckBoxes[static_cast<size_t>(i)]->isChecked();
  }
  text(TSearchField::Reference) = ReferenceText->text();
  text(TSearchField::HotLink) = HotLinkValue->text();
  text(TSearchField::HotLinkParameters) = HotLinkParmsValue->text();
  text(TSearchField::MediaFile) = MMediaValue->text();
  state.AnyCorrectPasses = RadioButton2->isChecked();
  state.InternalViewer = MMediaTag == TMediaViewer::Internal;
  return state;
}

void TQAForm::ShowScreen(const TScreenState& state) {
  Showing = true;
  const auto text = [&state](TSearchField field) { return state.Texts[static_cast<size_t>(field)]; };
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    const auto at = static_cast<size_t>(i);
    QPlainTextEdit* answer = AnswerEdits[at];
    const QString& wanted = state.Texts[static_cast<size_t>(TSearchField::AnswerA) + at];
    if (ExactText(answer) != wanted) answer->setPlainText(wanted);
    CheckBoxes[at]->setChecked(state.Checked[at]);
  }
  if (ExactText(QuestionEdit) != text(TSearchField::Question))
    QuestionEdit->setPlainText(text(TSearchField::Question));
  MMediaValue->setText(text(TSearchField::MediaFile));
  MMediaTag = state.InternalViewer ? TMediaViewer::Internal : TMediaViewer::External;
  HotLinkValue->setText(text(TSearchField::HotLink));
  HotLinkParmsValue->setText(text(TSearchField::HotLinkParameters));
  ReferenceText->setText(text(TSearchField::Reference));
  (state.AnyCorrectPasses ? RadioButton2 : RadioButton1)->setChecked(true);
  CheckHowMany();
  // As the boxes give it back, which the history compares the screen with.
  *Shown = CaptureScreen();
  Showing = false;
}

QWidget* TQAForm::FieldWidget(int part) const {
  if (part == static_cast<int>(TSearchField::Question)) return QuestionEdit;
  if (part == static_cast<int>(TSearchField::Reference)) return ReferenceText;
  const int answer = part - static_cast<int>(TSearchField::AnswerA);
  if (answer >= 0 && answer < QuestionSet::AnswerCount) return AnswerEdits[static_cast<size_t>(answer)];
  return nullptr;
}

void TQAForm::ScreenChanged() {
  if (Showing) return;
  TScreenState now = CaptureScreen();
  if (now == *Shown) return;
  int part = 0;
  while (part < SearchFieldCount &&
         now.Texts[static_cast<size_t>(part)] == Shown->Texts[static_cast<size_t>(part)])
    ++part;
  if (part == SearchFieldCount) {
    if (now.Checked != Shown->Checked)
      part = ScreenPart::CorrectAnswers;
    else if (now.AnyCorrectPasses != Shown->AnyCorrectPasses)
      part = ScreenPart::PassRule;
    else
      part = ScreenPart::Viewer;
  }
  TScreenState before = std::exchange(*Shown, now);
  Undo->push(new TScreenEdit(*this, Questions.CurrentIndex, part, std::move(before), std::move(now)));
}

void TQAForm::ShowEdit(int number, const TScreenState& state, int part) {
  if (number != Questions.CurrentIndex) {
    Questions.CurrentIndex = number;
    DisplayNextQuestion();
  }
  ShowScreen(state);
  if (QWidget* field = FieldWidget(part)) field->setFocus();
}

void TQAForm::ShowSetChange(const TQuestionSetChange& change, bool undo) {
  if (undo)
    change.Undo(Questions);
  else
    change.Redo(Questions);
  DisplayNextQuestion();
}

void TQAForm::ChangeQuestions(const QString& text, const std::function<void()>& change) {
  TQuestionSetChange recorded = TQuestionSetChange::Record(Questions, change);
  if (!recorded.Empty()) Undo->push(new TSetEdit(*this, std::move(recorded), text));
  DisplayNextQuestion();
}

void TQAForm::StoreBankFields() {
  if (Showing) return;
  const std::string category = ToCoreText(CategoryText->text().trimmed());
  const std::string tags = TestFile::TagsValue(ToCoreText(TagsText->text()));
  const auto step = [this](const QString& text, const std::function<void()>& change) {
    TQuestionSetChange recorded = TQuestionSetChange::Record(Questions, change);
    if (!recorded.Empty()) Undo->push(new TSetEdit(*this, std::move(recorded), text));
  };
  // Compared first: most calls come from moving on, with nothing changed.
  if (Questions.Current().Category != category)
    step(tr("Set Category"), [&] { Questions.Current().Category = category; });
  if (Questions.Current().Tags != tags) step(tr("Set Tags"), [&] { Questions.Current().Tags = tags; });
}

// Before a step of the history that is not an edit of the screen now shown,
// the screen is copied into its question, as before any command. A category
// or tags typed and not yet stored are the newest step.
void TQAForm::Undo1Click() {
  StoreBankFields();
  if (!Undo->canUndo()) return;
  const auto* edit = dynamic_cast<const TScreenEdit*>(Undo->command(Undo->index() - 1));
  if ((edit == nullptr || edit->Number() != Questions.CurrentIndex) && !SaveCurrent()) return;
  Undo->undo();
}

void TQAForm::Redo1Click() {
  StoreBankFields();
  if (!Undo->canRedo()) return;
  const auto* edit = dynamic_cast<const TScreenEdit*>(Undo->command(Undo->index()));
  if ((edit == nullptr || edit->Number() != Questions.CurrentIndex) && !SaveCurrent()) return;
  Undo->redo();
}

void TQAForm::DisplayNextQuestion() {
  const TNavigationState navigation = Questions.BringIntoRange();
  PrevButton->setEnabled(navigation.PreviousEnabled);
  Previous1->setEnabled(navigation.PreviousEnabled);
  NextButton->setEnabled(navigation.NextEnabled);
  Bottom1->setEnabled(navigation.NextEnabled);
  setWindowTitle(ToQString(Questions.Caption()));
  ShowScreen(ScreenOf(Questions.Current()));
  // A question's place in a bank is kept apart from the screen's edits: its
  // changes are steps of their own (StoreBankFields).
  CategoryText->setText(ToQString(Questions.Current().Category));
  TagsText->setText(ToQString(Questions.Current().Tags));
}

bool TQAForm::SaveCurrent() {
  StoreScreen();
  return true;
}

void TQAForm::StoreScreen() {
  QuestionRecord& question = Questions.Current();
  question.Question = ToCoreText(ExactText(QuestionEdit));
  std::array<bool, QuestionSet::AnswerCount> checked{};
  for (int i = 0; i < QuestionSet::AnswerCount; ++i) {
    question.Answer(i) = ToCoreText(ExactText(AnswerEdits[static_cast<size_t>(i)]));
    checked[static_cast<size_t>(i)] = CheckBoxes[static_cast<size_t>(i)]->isChecked();
  }
  question.Correct = QuestionSet::CorrectLetters(checked);
  question.AnyCorrectPasses = RadioButton2->isChecked();
  question.MediaFile = ToCoreText(MMediaValue->text());
  question.MMediaInternal = MMediaTag == TMediaViewer::Internal;
  question.HotLink = ToCoreText(HotLinkValue->text());
  question.HotLinkParameters = ToCoreText(HotLinkParmsValue->text());
  question.Reference = ToCoreText(ReferenceText->text());
  StoreBankFields();
}

void TQAForm::CheckHowMany() {
  int checked = 0;
  for (const QCheckBox* box : CheckBoxes) checked += box->isChecked() ? 1 : 0;
  const bool choosable = QuestionSet::PassRuleChoosable(checked);
  RadioButton1->setEnabled(choosable);
  RadioButton2->setEnabled(choosable);
}

bool TQAForm::ShowHit(const TSearchHit& hit) {
  if (hit.Number != Questions.CurrentIndex) {
    if (!SaveCurrent()) return false;
    Questions.CurrentIndex = hit.Number;
    DisplayNextQuestion();
  }
  // Only the hit shown is selected.
  for (QPlainTextEdit* box : AnswerEdits) box->moveCursor(QTextCursor::Start);
  QuestionEdit->moveCursor(QTextCursor::Start);
  ReferenceText->deselect();
  QWidget* field = FieldWidget(static_cast<int>(hit.Field));
  if (field == nullptr) return true;  // a hot link or media file: its question is shown
  // A hit listed before the text was edited may lie past its end.
  const std::string& text = FieldText(Questions.Current(), hit.Field);
  const size_t from = std::min(hit.Position, text.size());
  const auto start = static_cast<int>(QStringOffset(text, from));
  const auto end = static_cast<int>(QStringOffset(text, from + hit.Length));
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    line->setSelection(start, end - start);
  } else {
    auto* box = static_cast<QPlainTextEdit*>(field);
    QTextCursor cursor(box->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
  }
  // The selection shows in the box while the keyboard stays in the find bar.
  return true;
}
