#include "ui/maker/QAForm.h"

// The question editor and its test file: the questions loaded, saved, and
// what closing, preview and import do with them.

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QUndoStack>
#include <array>
#include <utility>

#include "core/model/Languages.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFolder.h"
#include "ui/maker/ImportFlow.h"
#include "ui/maker/NoteForm.h"
#include "ui/maker/Spelling.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Preview.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WriteOver.h"

namespace {

QString ExitAskText() {
  return QCoreApplication::translate(
      "TQAForm", "Any changes made since you last saved will be lost!\rWould you like to exit?");
}
QString RevertAskText() {
  return QCoreApplication::translate(
      "TQAForm",
      "This will reload the test from disk.\rAny changes you have made will be lost!\r"
      "Are you sure that you want to revert?");
}
QString SavedAskText() {
  return QCoreApplication::translate("TQAForm", "Changes saved. Would you like to continue editing?");
}
QString UnsavedAskText() {
  return QCoreApplication::translate("TQAForm", "Save the changes to %1 before closing?");
}
QString RenumberedText() {
  return QCoreApplication::translate(
      "TQAForm",
      "The questions of this test were not numbered in sequence.\rThey are shown renumbered, and Save stores "
      "them under the new numbers.");
}

QString Numbers(const std::vector<int>& numbers) {
  QStringList listed;
  for (const int n : numbers) listed << QString::number(n);
  return listed.join(QStringLiteral(", "));
}

QString UntitledAskText(const std::vector<int>& numbers) {
  //: %1 lists question numbers.
  return QCoreApplication::translate("TQAForm",
                                     "These questions have no question text, so they cannot be saved: "
                                     "%1.\rTheir answers and other entries will be lost.\rSave without them?")
      .arg(Numbers(numbers));
}

QString EmptyLeftOutText(const std::vector<int>& numbers) {
  //: %1 lists question numbers.
  return QCoreApplication::translate("TQAForm",
                                     "These empty questions were not saved: %1.\rThe questions after them "
                                     "were saved under numbers that close the gap.")
      .arg(Numbers(numbers));
}
QString WrittenAnewText(const QString& path) {
  return QCoreApplication::translate("TQAForm",
                                     "The test file %1 was deleted while it was being edited.\rIt was "
                                     "written anew: the settings of a new test and these questions.")
      .arg(path);
}

QString LoadingText() {
  return QCoreApplication::translate("TQAForm", "Loading questions.  Please wait...");
}
QString SavingText() {
  return QCoreApplication::translate("TQAForm", "Saving questions.  Please wait...");
}

}  // namespace

void TQAForm::StartTimerTimer() {
  StartTimer->stop();
  bool renumbered = false;
  const bool loaded = RunGuarded(Globals.Dialogs, [this, &renumbered] {
    TNoteForm note(LoadingText(), this);
    renumbered = TestFolder::LoadForEditing(Questions, ToPath(Globals.CurrentTestPath), LoadedStamp);
    Questions.CurrentIndex = std::exchange(StartNumber, 1);
    DisplayNextQuestion();
    // The file is read again: nothing before it can be taken back.
    Undo->clear();
  });
  if (loaded) {
    UseLanguage(TSpeller::LanguageOfTest(Globals.CurrentTestPath, Questions.TestLanguage), false);
    // A right-to-left language lays the text boxes out from the right; Qt
    // runs each paragraph in the direction its own text takes.
    const bool rightToLeft = Languages::IsRightToLeft(Questions.TestLanguage);
    const std::array<QWidget*, 8> boxes = {QuestionEdit,   ReferenceText,  AnswerEdits[0], AnswerEdits[1],
                                           AnswerEdits[2], AnswerEdits[3], AnswerEdits[4], AnswerEdits[5]};
    for (QWidget* box : boxes)
      if (rightToLeft)
        box->setLayoutDirection(Qt::RightToLeft);
      else
        box->unsetLayoutDirection();
  }
  // The first typing goes into the question.
  QuestionEdit->setFocus();
  if (loaded && renumbered) Globals.Dialogs.Inform(RenumberedText());
  // A test that cannot be read is not edited: the editor closes, the file untouched.
  if (!loaded) {
    Closing = true;
    reject();
    Closing = false;
  }
}

void TQAForm::CloseEditor() {
  if (QWidget* mainWindow = parentWidget()) mainWindow->activateWindow();
  Closing = true;
  accept();
  Closing = false;
}

void TQAForm::SaveButtonClick() {
  if (SaveTest() && !Globals.Dialogs.Confirm(SavedAskText())) CloseEditor();
}

bool TQAForm::SaveTest() {
  if (!SaveCurrent()) return false;
  // A question holding text is dropped only on the instructor's word.
  const std::vector<int> untitled = Questions.UntitledQuestions();
  if (!untitled.empty() && !Globals.Dialogs.ConfirmRisk(UntitledAskText(untitled))) return false;
  const std::vector<int> empty = Questions.EmptyQuestions();
  const bool saved = WriteQuestions();
  if (saved && !empty.empty()) Globals.Dialogs.Inform(EmptyLeftOutText(empty));
  return saved;
}

bool TQAForm::MayCloseUnsaved() {
  // Before the questions are loaded there is nothing to lose.
  if (StartTimer->isActive()) return true;
  if (!SaveCurrent()) return false;
  if (!TestFolder::DiffersFromFile(Questions, ToPath(Globals.CurrentTestPath))) return true;
  switch (Globals.Dialogs.Message(TMessageKind::UnsavedChanges,
                                  UnsavedAskText().arg(QFileInfo(Globals.CurrentTestPath).fileName()))) {
    case TButton::Yes:
      return SaveTest();
    case TButton::No:
      return true;
    default:
      return false;
  }
}

void TQAForm::PreviewTest1Click() {
  if (!SaveCurrent()) return;
  if (TestFolder::DiffersFromFile(Questions, ToPath(Globals.CurrentTestPath)) &&
      Globals.Dialogs.Confirm(tr("Save changes before the preview?\rThe preview shows the test as saved.")) &&
      !WriteQuestions())
    return;
  StartPreview(Globals, Questions.CurrentIndex);
}

void TQAForm::ImportQuestions1Click() {
  if (!SaveCurrent()) return;
  RunGuarded(Globals.Dialogs, [this] {
    std::optional<TChosenImport> chosen = ChooseQuestionFile(Globals.Dialogs, this);
    if (!chosen) return;
    Import::TPreparedImport& prepared = chosen->Prepared;
    const std::string sourceName = QFileInfo(chosen->Source).fileName().toStdString();
    const std::string testName = QFileInfo(Globals.CurrentTestPath).fileName().toStdString();
    // The questions join the editor's, one step of its undo; Save writes them.
    if (!Globals.Dialogs.ConfirmRisk(FromUtf8(Import::AppendQuestion(
            static_cast<int>(prepared.Test.Questions.size()), sourceName, testName, false))))
      return;
    const std::vector<QuestionRecord> imported = Import::ForEditor(
        std::move(prepared.Test), ToPath(Globals.CurrentTestPath), Questions.Room(), prepared.Report);
    int added = 0;
    ChangeQuestions(tr("Import"), [this, &imported, &added] { added = Questions.AppendQuestions(imported); });
    ShowLossReport(Globals.Dialogs, this, FromUtf8(Import::ImportSummary(added, sourceName, testName)),
                   prepared.Report.Lines());
  });
}

bool TQAForm::WriteQuestions() {
  if (!MayWriteOver(Globals.Dialogs, LoadedStamp, Globals.CurrentTestPath)) return false;
  // A test that had no file when it was loaded is simply written whole.
  const bool wasRead = LoadedStamp.Exists;
  QuestionSet::TSaveOutcome outcome;
  const bool saved = RunGuarded(Globals.Dialogs, [this, &outcome] {
    TNoteForm note(SavingText(), this);
    outcome = TestFolder::SaveEdited(Questions, ToPath(Globals.CurrentTestPath), LoadedStamp);
  });
  if (saved && outcome.NewTest && wasRead) Globals.Dialogs.Inform(WrittenAnewText(Globals.CurrentTestPath));
  if (saved && outcome.BecameUtf8) Globals.Dialogs.Inform(FromUtf8(std::string(TestFile::Utf8Notice)));
  return saved;
}

void TQAForm::ExitButtonClick() {
  if (Globals.Dialogs.ConfirmRisk(ExitAskText())) CloseEditor();
}

void TQAForm::RevertButtonClick() {
  if (Globals.Dialogs.ConfirmRisk(RevertAskText())) StartTimer->start();
}
