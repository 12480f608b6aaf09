#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "core/model/QuestionSet.h"
#include "core/storage/IoError.h"
#include "support/FourScripts.h"
#include "support/IoErrorText.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/NoteForm.h"

namespace {

const QString DeleteAsk = QStringLiteral("Delete this question?");
const QString Deleted = QStringLiteral("Question has been deleted.");
const QString SavedAsk = QStringLiteral("Changes saved. Would you like to continue editing?");

// The notice that a save left the empty questions numbered out.
QString EmptyLeftOut(const char* numbers) {
  return QStringLiteral(
             "These empty questions were not saved: %1.\r"
             "The questions after them were saved under numbers that close the gap.")
      .arg(QLatin1String(numbers));
}

class QAFormTest : public EditorFixture {
protected:
  QPlainTextEdit* Box(const char* name) { return Child<QPlainTextEdit>(*Editor, name); }
  QCheckBox* Check(int number) {
    return Child<QCheckBox>(*Editor, ("CheckBox" + std::to_string(number)).c_str());
  }
  QRadioButton* Radio(int number) {
    return Child<QRadioButton>(*Editor, ("RadioButton" + std::to_string(number)).c_str());
  }
  QString Reference() { return Child<QLineEdit>(*Editor, "ReferenceText")->text(); }
  bool Enabled(const char* name) { return Child<QWidget>(*Editor, name)->isEnabled(); }
  bool ActionEnabled(const char* name) { return Child<QAction>(*Editor, name)->isEnabled(); }

  void Type(const char* name, const QString& text) { Box(name)->setPlainText(text); }

  void ExpectNavigation(bool previous, bool next) {
    EXPECT_EQ(Enabled("PrevButton"), previous);
    EXPECT_EQ(ActionEnabled("Previous1"), previous);
    EXPECT_EQ(Enabled("NextButton"), next);
    EXPECT_EQ(ActionEnabled("Bottom1"), next);
  }
};

TEST_F(QAFormTest, NewWindowBeforeTheLoad) {
  Globals.CurrentTestPath = FromPath(WriteTest(Questions(2)));
  Set->CopyBuffer.Question = "left from an earlier window";
  Editor = std::make_unique<TQAForm>(Globals);

  EXPECT_EQ(Editor->windowTitle(), "Question");
  EXPECT_TRUE(Box("QuestionLabel")->toPlainText().isEmpty());
  for (int i = 1; i <= 6; ++i) EXPECT_FALSE(Check(i)->isChecked());
  EXPECT_TRUE(Radio(1)->isChecked());
  EXPECT_FALSE(Enabled("Button8"));
  EXPECT_FALSE(Enabled("Button10"));
  auto* timer = Child<QTimer>(*Editor, "StartTimer");
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(timer->isSingleShot());

  const std::vector<std::pair<const char*, const char*>> hints = {{"SaveButton", "Save Test"},
                                                                  {"ExitButton", "Exit"},
                                                                  {"RevertButton", "Revert Test"},
                                                                  {"BottomButton", "Bottom"},
                                                                  {"PrevButton", "Previous"},
                                                                  {"NextButton", "Next"},
                                                                  {"TopButton", "Top"},
                                                                  {"JumpButton", "Jump To..."},
                                                                  {"AddNewButton", "Add New Question"},
                                                                  {"DeleteButton", "Delete Current Question"},
                                                                  {"BitBtn1", "Click to add a hot link."},
                                                                  {"BitBtn2", "Click to add media file"}};
  for (const auto& [name, hint] : hints) EXPECT_EQ(Child<QWidget>(*Editor, name)->toolTip(), hint) << name;
  EXPECT_EQ(Child<QAction>(*Editor, "Bottom1")->text(), "&Next");
  EXPECT_EQ(Child<QAction>(*Editor, "Bottom2")->text(), "&Bottom");

  // Left alone, the timer loads the test once the window is up.
  Editor->show();
  EXPECT_TRUE(WaitUntil([this] { return Editor->windowTitle() == "Review - Question 1 of 2"; }));
  EXPECT_FALSE(timer->isActive());
}

TEST_F(QAFormTest, LoadShowsTheFirstQuestionExactly) {
  QuestionRecord first = MakeQuestion("Line one\r\nLine two\r\n",
                                      {"  spaced  ",
                                       "non\xC2\xA0"
                                       "breaking",
                                       "c1\r\nc2"},
                                      "BDB", true);
  first.Reference = "Book p. 4";
  first.HotLink = "http://example.org";
  first.HotLinkParameters = "-q";
  first.MediaFile = "\\MEDIA\\SOUND.WAV";
  first.MMediaInternal = true;
  OpenEditor(WriteTest({first, Question("2"), Question("3")}));

  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 3");
  EXPECT_TRUE(Editor->findChildren<TNoteForm*>().isEmpty());
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Line one\nLine two\n");
  EXPECT_EQ(Box("AnswerLabelA")->toPlainText(), "  spaced  ");
  EXPECT_EQ(Box("AnswerLabelC")->toPlainText(), "c1\nc2");
  EXPECT_EQ(Reference(), "Book p. 4");
  EXPECT_EQ(Child<QLabel>(*Editor, "HotLinkLabel")->text(), "http://example.org");
  EXPECT_EQ(Child<QLabel>(*Editor, "HotLinkParmsLabel")->text(), "-q");
  EXPECT_EQ(Child<QLabel>(*Editor, "MMediaLabel")->text(), "\\MEDIA\\SOUND.WAV");
  EXPECT_FALSE(Child<QLabel>(*Editor, "MMediaLabel")->isVisible());
  EXPECT_TRUE(ShownInternalViewer());
  const bool expected[] = {false, true, false, true, false, false};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(Check(i)->isChecked(), expected[i - 1]) << i;
  EXPECT_TRUE(Radio(2)->isChecked());
  ExpectNavigation(false, true);

  // Leaving and coming back copies the screen into the question: the texts
  // stay exactly as stored, the correct letters are rewritten in order.
  Click(*Editor, "NextButton");
  Click(*Editor, "PrevButton");
  first.Correct = "BD";
  EXPECT_EQ(Set->Slot(1), first);
}

TEST_F(QAFormTest, TestWithoutQuestionsOpensAsOneEmptyQuestion) {
  OpenEditor(WriteTest({}));
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 1");
  ExpectNavigation(false, false);
  EXPECT_TRUE(Box("QuestionLabel")->toPlainText().isEmpty());
}

TEST_F(QAFormTest, FullTestShowsAllFiveHundred) {
  OpenEditor(WriteTest(Questions(500)));
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 500");
  Click(*Editor, "TopButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 500 of 500");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 500");
  ExpectNavigation(true, false);
}

TEST_F(QAFormTest, PassRuleFollowsTheCheckedBoxes) {
  QuestionRecord one = Question("1");
  one.Correct = "A";
  OpenEditor(WriteTest({one}));
  EXPECT_FALSE(Radio(1)->isEnabled());
  EXPECT_FALSE(Radio(2)->isEnabled());

  QTest::mouseClick(Check(3), Qt::LeftButton, {}, QPoint(4, Check(3)->height() / 2));
  ASSERT_TRUE(Check(3)->isChecked());
  EXPECT_TRUE(Radio(1)->isEnabled());
  EXPECT_TRUE(Radio(2)->isEnabled());
  Radio(2)->click();

  Check(1)->click();
  EXPECT_FALSE(Radio(1)->isEnabled());
  EXPECT_FALSE(Radio(2)->isEnabled());
  EXPECT_TRUE(Radio(2)->isChecked());
  EXPECT_FALSE(Radio(1)->isChecked());

  // The rule is stored even while it cannot be changed.
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(Globals.CurrentTestPath.toStdString())->Slot(1).Correct, "C");
  EXPECT_TRUE(Reload(Globals.CurrentTestPath.toStdString())->Slot(1).AnyCorrectPasses);
}

TEST_F(QAFormTest, NavigationKeepsEditsAndStaysInRange) {
  OpenEditor(WriteTest(Questions(7)));
  Click(*Editor, "NextButton");
  Click(*Editor, "NextButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 7");
  Type("QuestionLabel", "Edited\nthree");
  Check(6)->click();
  Trigger(*Editor, "Bottom1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 4 of 7");
  Trigger(*Editor, "Previous1");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Edited\nthree");
  EXPECT_TRUE(Check(6)->isChecked());
  EXPECT_EQ(Set->Slot(3).Question, "Edited\r\nthree");

  Trigger(*Editor, "Top1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 7 of 7");
  ExpectNavigation(true, false);
  Click(*Editor, "TopButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 7 of 7");
  Trigger(*Editor, "Bottom2");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 7");
  ExpectNavigation(false, true);
  Click(*Editor, "BottomButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 7");
}

TEST_F(QAFormTest, AddAppendsAnEmptyQuestionThatIsOnlySavedWithText) {
  const std::string path = WriteTest(Questions(4));
  OpenEditor(path);
  Type("QuestionLabel", "Changed first");
  Click(*Editor, "AddNewButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 5 of 5");
  ExpectNavigation(true, false);
  EXPECT_TRUE(Box("QuestionLabel")->toPlainText().isEmpty());
  EXPECT_TRUE(Box("QuestionLabel")->hasFocus());
  EXPECT_EQ(Set->Slot(1).Question, "Changed first");

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Trigger(*Editor, "SaveTest1");
  EXPECT_EQ(Reload(path)->QuestionCount, 4);

  Trigger(*Editor, "Edit1");
  Type("QuestionLabel", "Sixth");
  Dialogs.ExpectMessage(TMessageKind::Information, EmptyLeftOut("5"));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  ASSERT_EQ(saved->QuestionCount, 5) << "the empty question 5 is left out, the sixth kept";
  EXPECT_EQ(saved->Slot(5).Question, "Sixth");
}

TEST_F(QAFormTest, AddAtFiveHundredStaysAtFiveHundred) {
  OpenEditor(WriteTest(Questions(500)));
  Type("QuestionLabel", "Kept");
  Dialogs.ExpectMessage(TMessageKind::Plain, QStringLiteral("Quizwell only supports up to 500 questions."));
  Click(*Editor, "AddNewButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 500 of 500");
  EXPECT_EQ(Set->QuestionCount, 500);
  EXPECT_EQ(Set->Slot(1).Question, "Kept");
}

TEST_F(QAFormTest, DeleteAsksThenRenumbers) {
  const std::string path = WriteTest(Questions(5));
  OpenEditor(path);
  Click(*Editor, "NextButton");
  Click(*Editor, "NextButton");

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, DeleteAsk, TButton::No);
  Click(*Editor, "DeleteButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 5");
  EXPECT_EQ(Set->QuestionCount, 5);

  // Edits to the deleted question go with it.
  Type("AnswerLabelA", "unsaved edit");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, DeleteAsk, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information, Deleted);
  Trigger(*Editor, "DeleteCurrentQuestion1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 2 of 4");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 2");

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  ASSERT_EQ(saved->QuestionCount, 4);
  EXPECT_EQ(saved->Slot(3).Question, "Question 4");
  EXPECT_EQ(saved->Slot(4).Question, "Question 5");
}

TEST_F(QAFormTest, DeleteOfTheOnlyQuestionLeavesAnEmptyOne) {
  const std::string path = WriteTest(Questions(1));
  OpenEditor(path);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, DeleteAsk, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information, Deleted);
  Click(*Editor, "DeleteButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 1");
  EXPECT_TRUE(Box("QuestionLabel")->toPlainText().isEmpty());
  ExpectNavigation(false, false);

  // Saved, the test holds no question any more.
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1), QuestionRecord{});
}

TEST_F(QAFormTest, CopyAndPasteAnswersAndQuestion) {
  OpenEditor(WriteTest(Questions(3)));
  Type("AnswerLabelC", "Third\nanswer");
  Check(1)->click();
  Check(3)->click();
  Radio(2)->click();
  Click(*Editor, "Button7");
  EXPECT_TRUE(Enabled("Button8"));
  Click(*Editor, "Button9");
  EXPECT_TRUE(Enabled("Button10"));

  Click(*Editor, "NextButton");
  Child<QLabel>(*Editor, "HotLinkLabel")->setText("http://two");
  Click(*Editor, "Button8");
  EXPECT_EQ(Box("AnswerLabelA")->toPlainText(), "A of 1");
  EXPECT_EQ(Box("AnswerLabelC")->toPlainText(), "Third\nanswer");
  EXPECT_TRUE(Check(1)->isChecked());
  EXPECT_FALSE(Check(2)->isChecked());
  EXPECT_TRUE(Check(3)->isChecked());
  EXPECT_TRUE(Radio(2)->isChecked());
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 2");
  EXPECT_EQ(Reference(), "Page 2");
  EXPECT_EQ(Child<QLabel>(*Editor, "HotLinkLabel")->text(), "http://two");

  Click(*Editor, "Button10");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 1");
  EXPECT_EQ(Reference(), "Page 2");

  Click(*Editor, "NextButton");
  Type("QuestionLabel", "");
  Click(*Editor, "Button9");
  EXPECT_FALSE(Enabled("Button10"));
  for (const char* answer : {"AnswerLabelA", "AnswerLabelB"}) Type(answer, "");
  Click(*Editor, "Button7");
  EXPECT_FALSE(Enabled("Button8"));
}

TEST_F(QAFormTest, SaveWritesAndAsksWhetherToGoOn) {
  const std::string path = WriteTest(Questions(2));
  OpenEditor(path);
  Type("QuestionLabel", "Three\nlines\nhere");
  Check(2)->click();
  Check(5)->click();
  Child<QLineEdit>(*Editor, "ReferenceText")->setText("Ref");

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_TRUE(Editor->isVisible());
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 2");
  EXPECT_TRUE(Editor->findChildren<TNoteForm*>().isEmpty());
  const auto saved = Reload(path);
  EXPECT_EQ(saved->Slot(1).Question, "Three\r\nlines\r\nhere");
  EXPECT_EQ(saved->Slot(1).Correct, "BE");
  EXPECT_FALSE(saved->Slot(1).AnyCorrectPasses);
  EXPECT_EQ(saved->Slot(1).Reference, "Ref");
  EXPECT_EQ(saved->Slot(2), Question("2"));

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::No);
  Click(*Editor, "SaveButton");
  EXPECT_FALSE(Editor->isVisible());
}

TEST_F(QAFormTest, QuestionsWithoutTextAreDroppedOnlyOnYesAndGapsAreReported) {
  std::vector<QuestionRecord> records = Questions(3);
  records[1].Question.clear();
  const std::string path = WriteTest(records);
  const std::string before = ReadBytes(path);
  OpenEditor(path);
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 3");

  const QString ask = QStringLiteral(
      "These questions have no question text, so they cannot be saved: 2.\r"
      "Their answers and other entries will be lost.\rSave without them?");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::No);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(ReadBytes(path), before);

  // Question 1 emptied on screen is left out, and the notice says so.
  for (const char* box : {"QuestionLabel", "AnswerLabelA", "AnswerLabelB"}) Type(box, "");
  Child<QLineEdit>(*Editor, "ReferenceText")->clear();
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information, EmptyLeftOut("1"));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::No);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  EXPECT_EQ(saved->QuestionCount, 1);
  EXPECT_EQ(saved->Slot(1), Question("3"));
}

TEST_F(QAFormTest, QuestionHasTheFocusAndTabGoesDownTheAnswers) {
  OpenEditor(WriteTest(Questions(1)));
  QWidget* focused = Editor->focusWidget();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->objectName(), "QuestionLabel");
  for (const char* next : {"AnswerLabelA", "AnswerLabelB", "AnswerLabelC"}) {
    focused = focused->nextInFocusChain();
    while (!(focused->focusPolicy() & Qt::TabFocus)) focused = focused->nextInFocusChain();
    EXPECT_EQ(focused->objectName(), next);
  }
}

TEST_F(QAFormTest, GapInTheFileIsClosedWithANotice) {
  const std::string path = WriteTest(Questions(2));
  {
    TIniStore store(path);
    TestFile::WriteQuestion(store, 4, Question("4"));
    store.UpdateFile();
  }
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("The questions of this test were not numbered in sequence.\rThey are "
                                       "shown renumbered, and Save stores them under the new numbers."));
  OpenEditor(path);
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 3");
}

TEST_F(QAFormTest, FailedSaveReportsAndKeepsEverything) {
  const std::string path = (Dir.Path() / "gone" / "TEST.QWT").string();
  OpenEditor(path);
  Type("QuestionLabel", "Not lost");
  const std::string reason = IoErrorText([&] {
    QuestionSet probe;
    probe.Slot(1).Question = "x";
    probe.SaveQuestions(path);
  });
  ASSERT_FALSE(reason.empty());

  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(reason.c_str()));
  Click(*Editor, "SaveButton");
  EXPECT_TRUE(Editor->isVisible());
  EXPECT_TRUE(Editor->findChildren<TNoteForm*>().isEmpty());
  EXPECT_EQ(Set->Slot(1).Question, "Not lost");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Not lost");

  // Once the folder is there, Save simply works.
  std::filesystem::create_directory(Dir.Path() / "gone");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).Question, "Not lost");
}

TEST_F(QAFormTest, FailedLoadReportsAndClosesTheEditor) {
  Set->Slot(1) = Question("earlier");
  const std::string folder = Dir.File("FOLDER.QWT");
  std::filesystem::create_directory(folder);
  Globals.CurrentTestPath = FromPath(folder);
  Editor = std::make_unique<TQAForm>(Globals);
  Editor->show();
  const std::string reason = IoErrorText([&] { QuestionSet().LoadQuestions(folder); });
  ASSERT_NE(reason.find(folder), std::string::npos);

  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(reason.c_str()));
  Editor->StartTimerTimer();
  EXPECT_FALSE(Editor->isVisible());
  EXPECT_EQ(Editor->result(), QDialog::Rejected);
  EXPECT_TRUE(Editor->findChildren<TNoteForm*>().isEmpty());
  EXPECT_EQ(Set->Slot(1), Question("earlier"));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

// Any script is kept; the save that first needs UTF-8 says once what that
// means for older engines, and the next one says nothing.
TEST_F(QAFormTest, CharactersOfAnyScriptAreKeptAndTheFirstUtf8SaveSaysSo) {
  const std::string path = WriteTest(Questions(2));
  OpenEditor(path);
  Type("AnswerLabelB", QStringLiteral("Ohm \u03A9"));

  Dialogs.ExpectMessage(TMessageKind::Information,
                        QString::fromUtf8(std::string(TestFile::Utf8Notice).c_str()));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).AnswerB, "Ohm \xCE\xA9");
  EXPECT_EQ(Box("AnswerLabelB")->toPlainText(), QStringLiteral("Ohm \u03A9"));

  Type("AnswerLabelA", QStringLiteral("\u05E9\u05DC\u05D5\u05DD"));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).AnswerA, "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D");
}

TEST_F(QAFormTest, RevertReloadsFromDiskAfterAsking) {
  const QString ask = QStringLiteral(
      "This will reload the test from disk.\rAny changes you have made will be lost!\r"
      "Are you sure that you want to revert?");
  OpenEditor(WriteTest(Questions(3)));
  Click(*Editor, "Button9");
  Click(*Editor, "NextButton");
  Type("QuestionLabel", "Edited");

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::No);
  Click(*Editor, "RevertButton");
  EXPECT_FALSE(Child<QTimer>(*Editor, "StartTimer")->isActive());
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Edited");

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::Yes);
  Trigger(*Editor, "RevertTest1");
  EXPECT_TRUE(WaitUntil([this] { return Editor->windowTitle() == "Review - Question 1 of 3"; }));
  Click(*Editor, "NextButton");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 2");
  EXPECT_TRUE(Enabled("Button10"));
  EXPECT_EQ(Set->CopyBuffer.Question, "Question 1");
}

TEST_F(QAFormTest, ExitAsksAndWritesNothing) {
  const QString ask =
      QStringLiteral("Any changes made since you last saved will be lost!\rWould you like to exit?");
  const std::string path = WriteTest(Questions(2));
  const std::string before = ReadBytes(path);
  OpenEditor(path);
  Type("QuestionLabel", "Edited");

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::No);
  Click(*Editor, "ExitButton");
  EXPECT_TRUE(Editor->isVisible());
  QTest::keyClick(Editor.get(), Qt::Key_Escape);
  EXPECT_TRUE(Editor->isVisible());

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::Yes);
  Trigger(*Editor, "Exit1");
  EXPECT_FALSE(Editor->isVisible());
  EXPECT_EQ(ReadBytes(path), before);
}

// The close box offers Save, Don't Save and Cancel on unsaved work, and asks
// nothing when there is none.
TEST_F(QAFormTest, TheCloseBoxOffersToSaveUnsavedWorkOnly) {
  const QString ask = QStringLiteral("Save the changes to TEST.QWT before closing?");
  const std::string path = WriteTest(Questions(2));
  const std::string before = ReadBytes(path);
  OpenEditor(path);
  EXPECT_TRUE(Editor->close());

  OpenEditor(path);
  Type("QuestionLabel", "Edited");
  Dialogs.ExpectMessage(TMessageKind::UnsavedChanges, ask, TButton::Cancel);
  EXPECT_FALSE(Editor->close());
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Edited");
  Dialogs.ExpectMessage(TMessageKind::UnsavedChanges, ask, TButton::No);
  EXPECT_TRUE(Editor->close());
  EXPECT_EQ(ReadBytes(path), before);

  OpenEditor(path);
  Type("QuestionLabel", "Edited and kept");
  Dialogs.ExpectMessage(TMessageKind::UnsavedChanges, ask, TButton::Yes);
  EXPECT_TRUE(Editor->close());
  QuestionSet saved;
  saved.LoadQuestions(path);
  EXPECT_EQ(saved.Slot(1).Question, "Edited and kept");
}

// Import in the editor asks (No by default), adds after the last question
// without writing the test, and is one step that Undo takes back.
TEST_F(QAFormTest, ImportAddsQuestionsAsOneStepOfUndo) {
  const std::string path = WriteTest(Questions(2));
  const std::string before = ReadBytes(path);
  OpenEditor(path);
  WriteBytes(Dir.File("more.gift"), "Rome's river? {=Tiber ~Arno}\n\nParis's river? {=Seine ~Po}\n");
  const QString ask = QStringLiteral(
      "Append 2 questions from more.gift to the end of TEST.QWT?\rUndo takes the import back.");
  Dialogs.ExpectOpen(FromPath(Dir.File("more.gift")));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::No);
  Trigger(*Editor, "ImportQuestions1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 2");

  Dialogs.ExpectOpen(FromPath(Dir.File("more.gift")));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("2 questions were imported from more.gift into TEST.QWT."));
  Trigger(*Editor, "ImportQuestions1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 4");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Rome's river?");
  EXPECT_EQ(ReadBytes(path), before);
  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 2");
  Trigger(*Editor, "Redo1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 4");
}

TEST_F(QAFormTest, HelpShowsTheContentsAndF1TheEditorsTopic) {
  OpenEditor(WriteTest(Questions(1)));
  Trigger(*Editor, "Help1");
  PressF1(Box("QuestionLabel"));
  EXPECT_EQ(Help.Calls, (std::vector<int>{-1, 103}));
}

}  // namespace

TEST_F(QAFormTest, PreviewAsksToSaveChangesAndStartsAtTheQuestionEdited) {
  const std::string path = WriteTest({Question("1"), Question("2"), Question("3")});
  const std::string engine = Dir.File("qwtest");
  WriteBytes(engine, "#!/bin/sh\n");
  std::filesystem::permissions(engine, std::filesystem::perms::owner_all);
  OpenEditor(path);
  Click(*Editor, "NextButton");
  Trigger(*Editor, "PreviewTest1");  // nothing changed: nothing asked
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_TRUE(Shell.Calls[0].Parameters.startsWith(QStringLiteral("--preview --question 2 ")));

  Type("QuestionLabel", "Changed second");
  Dialogs.ExpectMessage(
      TMessageKind::Confirmation,
      QStringLiteral("Save changes before the preview?\rThe preview shows the test as saved."), TButton::Yes);
  Trigger(*Editor, "PreviewTest1");
  EXPECT_EQ(Reload(path)->Slot(2).Question, "Changed second");
  EXPECT_EQ(Shell.Calls.size(), 2u);
}

// A test typed in four scripts is saved and reopened as typed; in an Arabic
// test the text boxes run from the right, in one without a language from the left.
TEST_F(QAFormTest, FourScriptsAreTypedSavedAndReopenedAsTyped) {
  const std::string path = Dir.File("SCRIPTS.QWT");
  ::WriteTest(path, FourScripts::Settings(), {});
  OpenEditor(path);
  const auto& scripts = FourScripts::Scripts();
  const char* const answerBoxes[] = {"AnswerLabelA", "AnswerLabelB", "AnswerLabelC"};
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    if (i > 0) Click(*Editor, "AddNewButton");
    Type("QuestionLabel", QString::fromStdString(scripts[i].Question));
    for (int a = 0; a < 3; ++a) Type(answerBoxes[a], QString::fromStdString(scripts[i].Answers[a]));
    Check(scripts[i].Correct[0] - 'A' + 1)->click();
    Child<QLineEdit>(*Editor, "ReferenceText")->setText(QString::fromStdString(scripts[i].Reference));
  }
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::No);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  ASSERT_EQ(saved->QuestionCount, 4);
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(saved->Slot(n), FourScripts::Questions()[n - 1]) << n;

  OpenEditor(path);
  for (std::size_t i = 0; i < scripts.size(); ++i) {
    if (i > 0) Click(*Editor, "NextButton");
    EXPECT_EQ(Box("QuestionLabel")->toPlainText().toStdString(), scripts[i].Question);
    for (int a = 0; a < 3; ++a)
      EXPECT_EQ(Box(answerBoxes[a])->toPlainText().toStdString(), scripts[i].Answers[a]) << answerBoxes[a];
    EXPECT_EQ(Reference().toStdString(), scripts[i].Reference);
    EXPECT_TRUE(Check(scripts[i].Correct[0] - 'A' + 1)->isChecked()) << i;
  }
  for (const char* box : {"QuestionLabel", "AnswerLabelA", "ReferenceText"})
    EXPECT_EQ(Child<QWidget>(*Editor, box)->layoutDirection(), Qt::RightToLeft) << box;

  TestSettings unnamed = FourScripts::Settings();
  unnamed.Language.clear();
  const std::string plain = Dir.File("PLAIN.QWT");
  ::WriteTest(plain, unnamed, FourScripts::Questions());
  OpenEditor(plain);
  EXPECT_EQ(Box("QuestionLabel")->layoutDirection(), Qt::LeftToRight);
}
