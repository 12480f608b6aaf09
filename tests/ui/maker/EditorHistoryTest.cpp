#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QUndoStack>
#include <filesystem>

#include "support/FixedFirstByte.h"
#include "support/PseudoLanguage.h"
#include "ui/maker/EditorFixture.h"

// Undo and redo, find and replace, and the editor's keys.
namespace {

const QString SavedAsk = QStringLiteral("Changes saved. Would you like to continue editing?");

class EditorHistoryTest : public EditorFixture {
protected:
  QPlainTextEdit* Box(const char* name) { return Child<QPlainTextEdit>(*Editor, name); }
  QLineEdit* Line(const char* name) { return Child<QLineEdit>(*Editor, name); }
  QString Title() { return Editor->windowTitle(); }
  // A key as the user presses it: the editor's keys are window shortcuts, so
  // it waits for the window to be active (a notice window may just have closed).
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_TRUE(WaitUntil([this] { return Editor->isActiveWindow(); })) << "the editor never became active";
    QTest::keyClick(Editor->focusWidget(), static_cast<Qt::Key>(key), modifiers);
  }
  void Undo() { Key(Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
  // Types text at the end of the question.
  void TypeAtEnd(const QString& text) {
    QPlainTextEdit* box = Box("QuestionLabel");
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, text);
  }
  // The bytes SaveQuestions writes for a copy of the test at path, after edit.
  std::string SavedCopy(const std::string& path, const std::function<void(QuestionSet&)>& edit) {
    const std::string copy = Dir.File("COPY.QWT");
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    QuestionSet set;
    set.LoadQuestions(copy);
    edit(set);
    set.SaveQuestions(copy);
    return ReadBytes(copy);
  }
};

TEST_F(EditorHistoryTest, UndoGoesBackToTheQuestionEditedAndGroupsTypingByWords) {
  OpenEditor(WriteTest(Questions(12)));
  for (int i = 0; i < 6; ++i) Key(Qt::Key_PageDown);
  ASSERT_EQ(Title(), "Review - Question 7 of 12");
  TypeAtEnd(QStringLiteral(" ab cd"));
  Child<QCheckBox>(*Editor, "CheckBox4")->click();
  Key(Qt::Key_PageUp);
  Trigger(*Editor, "Top1");
  ASSERT_EQ(Title(), "Review - Question 12 of 12");
  EXPECT_EQ(Child<QAction>(*Editor, "Undo1")->text(), "&Undo Correct Answers");

  Undo();
  EXPECT_EQ(Title(), "Review - Question 7 of 12");
  EXPECT_FALSE(Child<QCheckBox>(*Editor, "CheckBox4")->isChecked());
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 7 ab cd");
  for (const char* left : {"Question 7 ab ", "Question 7 ", "Question 7"}) {
    Undo();
    EXPECT_EQ(Box("QuestionLabel")->toPlainText(), left);
  }
  EXPECT_FALSE(Child<QAction>(*Editor, "Undo1")->isEnabled());

  // Redo from another question comes back here too, and Save stores it.
  Trigger(*Editor, "Bottom2");
  Redo();
  EXPECT_EQ(Title(), "Review - Question 7 of 12");
  Click(*Editor, "RedoButton");
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 7 ab ");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(Reload(Globals.CurrentTestPath.toStdString())->Slot(7).Question, "Question 7 ab ");
  EXPECT_TRUE(Child<QAction>(*Editor, "Undo1")->isEnabled()) << "Save keeps the history";
}

TEST_F(EditorHistoryTest, SaveAfterUndoAndRedoWritesExactlyTheQuestionsShown) {
  const TFixedFirstByte fixed(0x41);
  const std::string path = WriteTest(Questions(3));
  const std::string unchanged = SavedCopy(path, [](QuestionSet&) {});
  const std::string edited = SavedCopy(path, [](QuestionSet& set) { set.Slot(2).Question += "!"; });
  OpenEditor(path);
  Click(*Editor, "NextButton");
  TypeAtEnd(QStringLiteral("!"));
  Click(*Editor, "NextButton");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, QStringLiteral("Delete this question?"),
                        TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("Question has been deleted."));
  Click(*Editor, "DeleteButton");
  Click(*Editor, "Button9");
  Click(*Editor, "Button10");  // the same text pasted over: no step of its own
  ASSERT_EQ(Set->QuestionCount, 2);

  Undo();
  EXPECT_EQ(Title(), "Review - Question 3 of 3");
  Undo();
  EXPECT_EQ(Title(), "Review - Question 2 of 3");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(ReadBytes(path), unchanged);

  Redo();
  EXPECT_EQ(Box("QuestionLabel")->toPlainText(), "Question 2!");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(ReadBytes(path), edited);
}

TEST_F(EditorHistoryTest, PasteAddAndMediaAreStepsAndRevertEmptiesTheHistory) {
  OpenEditor(WriteTest(Questions(2)));
  Click(*Editor, "Button7");
  Click(*Editor, "NextButton");
  Click(*Editor, "Button8");
  EXPECT_EQ(Box("AnswerLabelA")->toPlainText(), "A of 1");
  Trigger(*Editor, "Edit1");
  EXPECT_EQ(Title(), "Review - Question 3 of 3");

  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Title(), "Review - Question 2 of 2");
  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Box("AnswerLabelA")->toPlainText(), "A of 2");

  // The hot link and media file, set in their dialog, are steps too.
  {
    auto media = OnModal<QDialog>([](QDialog& form) {
      Child<QLineEdit>(form, "Edit1")->setText(QStringLiteral("CLIP.AVI"));
      Click(form, "Button1");
    });
    Click(*Editor, "BitBtn2");
  }
  EXPECT_EQ(Child<QLabel>(*Editor, "MMediaLabel")->text(), "CLIP.AVI");
  Trigger(*Editor, "Undo1");
  EXPECT_TRUE(Child<QLabel>(*Editor, "MMediaLabel")->text().isEmpty());
  Trigger(*Editor, "Redo1");
  EXPECT_EQ(Child<QLabel>(*Editor, "MMediaLabel")->text(), "CLIP.AVI");

  Dialogs.ExpectMessage(
      TMessageKind::RiskyConfirmation,
      QStringLiteral("This will reload the test from disk.\rAny changes you have made will be "
                     "lost!\rAre you sure that you want to revert?"),
      TButton::Yes);
  Trigger(*Editor, "RevertTest1");
  ASSERT_TRUE(WaitUntil([this] { return Editor->History()->count() == 0; }));
  EXPECT_FALSE(Child<QWidget>(*Editor, "UndoButton")->isEnabled());
}

// A question's category and its tags, typed, are one step each, taken when
// the field is left, when the editor moves to another question, or when
// Undo is pressed before either.
TEST_F(EditorHistoryTest, ACategoryOrTagsTypedAreOneStepEach) {
  OpenEditor(WriteTest(Questions(3)));
  const auto type = [this](const char* field, const QString& text) {
    Line(field)->setFocus();
    Line(field)->selectAll();
    QTest::keyClicks(Line(field), text);
  };
  type("CategoryText", QStringLiteral("Waves/Sound"));
  QTest::keyClick(Line("CategoryText"), Qt::Key_Return);
  type("TagsText", QStringLiteral("lab,exam"));
  Click(*Editor, "NextButton");
  EXPECT_EQ(Set->Slot(1).Category, "Waves/Sound");
  EXPECT_EQ(Set->Slot(1).Tags, "lab, exam");
  EXPECT_EQ(Child<QAction>(*Editor, "Undo1")->text(), "&Undo Set Tags");

  Undo();
  EXPECT_EQ(Title(), "Review - Question 1 of 3");
  EXPECT_EQ(Line("TagsText")->text(), "");
  EXPECT_EQ(Line("CategoryText")->text(), "Waves/Sound");
  EXPECT_EQ(Child<QAction>(*Editor, "Undo1")->text(), "&Undo Set Category");
  Undo();
  EXPECT_EQ(Line("CategoryText")->text(), "");
  EXPECT_EQ(Set->Slot(1).Category, "");
  EXPECT_FALSE(Child<QAction>(*Editor, "Undo1")->isEnabled());
  Redo();
  Redo();
  EXPECT_EQ(Set->Slot(1).Category, "Waves/Sound");
  EXPECT_EQ(Set->Slot(1).Tags, "lab, exam");

  // Typed and not yet left, Undo takes the whole category back at once.
  type("CategoryText", QStringLiteral("Optics"));
  Undo();
  EXPECT_EQ(Line("CategoryText")->text(), "Waves/Sound");
  EXPECT_EQ(Set->Slot(1).Category, "Waves/Sound");
  // Saved, the step taken back is not written.
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(Globals.CurrentTestPath.toStdString())->Slot(1).Category, "Waves/Sound");
}

TEST_F(EditorHistoryTest, FindListsHitsAndReplaceAllIsOneStep) {
  OpenEditor(WriteTest(Questions(3)));
  Key(Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(Child<QWidget>(*Editor, "FindBar")->isVisible());
  ASSERT_TRUE(Line("FindText")->hasFocus());
  QTest::keyClicks(Line("FindText"), QStringLiteral("OF"));
  EXPECT_EQ(Child<QLabel>(*Editor, "FindStatus")->text(), "6 hits");
  Click(*Editor, "MatchCase");
  EXPECT_EQ(Child<QLabel>(*Editor, "FindStatus")->text(), "Not found");
  Click(*Editor, "MatchCase");

  // Enter goes from hit to hit, across questions, with the text selected.
  QTest::keyClick(Line("FindText"), Qt::Key_Return);
  QTest::keyClick(Line("FindText"), Qt::Key_Return);
  QTest::keyClick(Line("FindText"), Qt::Key_Return);
  EXPECT_EQ(Title(), "Review - Question 2 of 3");
  EXPECT_EQ(Box("AnswerLabelA")->textCursor().selectedText(), "of");

  Line("ReplaceText")->setText(QStringLiteral("for"));
  {
    auto preview = OnModal<QDialog>([](QDialog& dialog) {
      EXPECT_EQ(Child<QTreeWidget>(dialog, "ChangeList")->topLevelItemCount(), 6);
      dialog.accept();
    });
    Click(*Editor, "ReplaceAllButton");
  }
  EXPECT_EQ(Set->Slot(3).AnswerB, "B for 3");
  EXPECT_EQ(Box("AnswerLabelB")->toPlainText(), "B for 2");
  EXPECT_EQ(Child<QLabel>(*Editor, "FindStatus")->text(), "Not found");

  Trigger(*Editor, "Undo1");
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(Set->Slot(n), Question(std::to_string(n))) << n;
  EXPECT_EQ(Box("AnswerLabelB")->toPlainText(), "B of 2");
  Trigger(*Editor, "Redo1");
  EXPECT_EQ(Set->Slot(1).AnswerA, "A for 1");

  // Replace takes the hit shown, and the next one is shown.
  Line("FindText")->setText(QStringLiteral("for"));
  Line("ReplaceText")->setText(QStringLiteral("of"));
  Click(*Editor, "ReplaceButton");
  Click(*Editor, "ReplaceButton");
  EXPECT_EQ(Set->Slot(1).AnswerA, "A of 1");
  EXPECT_EQ(Set->Slot(1).AnswerB, "B for 1");
  EXPECT_EQ(Box("AnswerLabelB")->textCursor().selectedText(), "for");

  QTest::keyClick(Line("FindText"), Qt::Key_Escape);
  EXPECT_FALSE(Child<QWidget>(*Editor, "FindBar")->isVisible());
}

TEST_F(EditorHistoryTest, HitsAndReplacementsNameTheirFieldsInTheInterfacesLanguage) {
  OpenEditor(WriteTest(Questions(1)));
  const TPseudoLanguage language;
  Key(Qt::Key_H, Qt::ControlModifier);
  QTest::keyClicks(Line("FindText"), QStringLiteral("1"));
  const QStringList fields = {"\u00ABQuestion\u00BB", "\u00ABAnswer A\u00BB", "\u00ABAnswer B\u00BB",
                              "\u00ABReference\u00BB"};
  auto* hits = Child<QListWidget>(*Editor, "HitList");
  ASSERT_EQ(hits->count(), fields.size());
  for (int i = 0; i < hits->count(); ++i)
    EXPECT_TRUE(hits->item(i)->text().startsWith(QStringLiteral("\u00ABQuestion 1, ") + fields[i]))
        << hits->item(i)->text().toStdString();
  Line("ReplaceText")->setText(QStringLiteral("2"));
  QStringList changed;
  {
    auto preview = OnModal<QDialog>([&changed](QDialog& dialog) {
      auto* list = Child<QTreeWidget>(dialog, "ChangeList");
      for (int i = 0; i < list->topLevelItemCount(); ++i) changed << list->topLevelItem(i)->text(1);
      dialog.reject();
    });
    Click(*Editor, "ReplaceAllButton");
  }
  EXPECT_EQ(changed, fields);
}

}  // namespace
