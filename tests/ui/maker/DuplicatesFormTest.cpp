#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTreeWidget>

#include "MainFixture.h"
#include "core/model/TestFile.h"
#include "support/UiKit.h"
#include "ui/maker/DuplicatesForm.h"
#include "ui/maker/QAForm.h"
#include "ui/platform/HelpViewer.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"
#include "ui/scan/ScanForm.h"

namespace {

class DuplicatesFormTest : public MainFixture {
protected:
  void WriteTest(const std::string& name, const std::vector<std::string>& questions) {
    TIniStore store(Dir.File(name));
    TestFile::WriteNewTest(store);
    store.WriteString(TestFile::Settings, TestFile::Desc, Encrypt(name));
    for (size_t i = 0; i < questions.size(); ++i) {
      QuestionRecord record;
      record.Question = questions[i];
      record.AnswerA = "yes";
      record.Correct = "A";
      TestFile::WriteQuestion(store, static_cast<int>(i) + 1, record);
    }
    store.UpdateFile();
  }
};

TEST_F(DuplicatesFormTest, ListsEachGroupAndOpensTheEditorAtTheQuestionPicked) {
  WriteTest("A.QWT", {"What is the capital of France?", "Unrelated"});
  WriteTest("B.QWT", {"Something else", "Other", "what is the capital of FRANCE"});
  StartWithTests();

  // The question is fixed in the editor: the list, read again, holds no group.
  QString shownInEditor;
  auto duplicates = OnModal<TDuplicatesForm>([&](TDuplicatesForm& form) {
    auto* tree = Child<QTreeWidget>(form, "GroupTree");
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* group = tree->topLevelItem(0);
    EXPECT_EQ(group->text(0), "Same question");
    ASSERT_EQ(group->childCount(), 2);
    EXPECT_EQ(group->child(0)->text(0) + " " + group->child(0)->text(1), "A.QWT 1");
    EXPECT_EQ(group->child(1)->text(0) + " " + group->child(1)->text(1), "B.QWT 3");
    EXPECT_EQ(group->child(1)->text(2), "what is the capital of FRANCE");
    auto editor = OnModal<TQAForm>([&](TQAForm& qa) {
      auto* text = Child<QPlainTextEdit>(qa, "QuestionLabel");
      WaitUntil([text] { return !text->toPlainText().isEmpty(); });
      shownInEditor = text->toPlainText();
      text->setPlainText(QStringLiteral("What is the capital of Spain?"));
      Dialogs.ExpectMessage(TMessageKind::Confirmation,
                            QStringLiteral("Changes saved. Would you like to continue editing?"),
                            TButton::Yes);
      Click(qa, "SaveButton");
    });
    emit tree->itemActivated(group->child(1), 0);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_EQ(Child<QLabel>(form, "Label1")->text(), "No question is typed twice in these tests.");
  });
  Trigger(Form, "FindDuplicateQuestions1");
  EXPECT_TRUE(WaitUntil([&] { return duplicates.Used; }));
  EXPECT_EQ(shownInEditor, "what is the capital of FRANCE");
  EXPECT_TRUE(Status().contains("B.QWT")) << Status().toStdString();
}

// F1 in Print Test and Grade Answers shows the paper tests' topic, in Scan
// Answer Sheets the scanning topic, here the main window's.
TEST_F(DuplicatesFormTest, PaperAndDuplicateWindowsOpenTheirOwnHelpTopic) {
  WriteTest("A.QWT", {"One?"});
  StartWithTests();
  Pick(1);
  {
    auto print = OnModal<TPrintForm>([](TPrintForm& form) { PressF1(&form); });
    Trigger(Form, "PrintTest1");
  }
  {
    // At its first size it shows several students, not a row and a half.
    auto grade = OnModal<TGradeForm>([](TGradeForm& form) {
      const auto* students = Child<QTableWidget>(form, "ResultsTable");
      EXPECT_GE(students->viewport()->height(), 6 * students->verticalHeader()->defaultSectionSize());
      PressF1(&form);
    });
    Trigger(Form, "GradeAnswers1");
  }
  {
    auto scan = OnModal<TScanForm>([](TScanForm& form) { PressF1(&form); });
    Trigger(Form, "ScanAnswerSheets1");
  }
  {
    auto duplicates = OnModal<TDuplicatesForm>([](TDuplicatesForm& form) { PressF1(&form); });
    Trigger(Form, "FindDuplicateQuestions1");
  }
  EXPECT_EQ(Help.Calls,
            (std::vector<int>{HelpContext::Print, HelpContext::Print, HelpContext::Scan, HelpContext::Main}));
}

}  // namespace
