#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTreeWidget>

#include "MainFixture.h"
#include "core/model/TestFile.h"
#include "support/UiKit.h"
#include "ui/maker/DuplicatesForm.h"
#include "ui/maker/QAForm.h"
#include "ui/platform/HelpViewer.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"

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
    });
    emit tree->itemActivated(group->child(1), 0);
  });
  Trigger(Form, "FindDuplicateQuestions1");
  EXPECT_TRUE(WaitUntil([&] { return duplicates.Used; }));
  EXPECT_EQ(shownInEditor, "what is the capital of FRANCE");
  EXPECT_TRUE(Status().contains("B.QWT")) << Status().toStdString();
}

// F1 in Print Test and Grade Answers shows the paper tests' topic.
TEST_F(DuplicatesFormTest, PrintAndGradeWindowsOpenTheirOwnHelpTopic) {
  WriteTest("A.QWT", {"One?"});
  StartWithTests();
  Pick(1);
  {
    auto print = OnModal<TPrintForm>([](TPrintForm& form) { PressF1(&form); });
    Trigger(Form, "PrintTest1");
  }
  {
    auto grade = OnModal<TGradeForm>([](TGradeForm& form) { PressF1(&form); });
    Trigger(Form, "GradeAnswers1");
  }
  EXPECT_EQ(Help.Calls, (std::vector<int>{HelpContext::Print, HelpContext::Print}));
}

}  // namespace
