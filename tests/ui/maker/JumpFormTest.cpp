#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "ui/maker/EditorFixture.h"
#include "ui/maker/JumpForm.h"

namespace {

class JumpFormTest : public EditorFixture {
protected:
  QString Shown() { return Child<QPlainTextEdit>(*Editor, "QuestionLabel")->toPlainText(); }
  static QSpinBox* Number(TjumpForm& form) { return Child<QSpinBox>(form, "SpinEdit1"); }
};

TEST_F(JumpFormTest, OpensOnTheRangeOfTheTest) {
  OpenEditor(WriteTest(Questions(12)));
  Click(*Editor, "NextButton");
  const auto answer = OnModal<TjumpForm>([](TjumpForm& form) {
    EXPECT_EQ(form.windowTitle(), "Jump To");
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Number(form)->minimum(), 1);
    EXPECT_EQ(Number(form)->maximum(), 12);
    EXPECT_EQ(Number(form)->value(), 1);
    for (const auto& [name, hint] : {std::pair{"BottomButton", "Bottom"}, std::pair{"PrevButton", "Previous"},
                                     std::pair{"NextButton", "Next"}, std::pair{"TopButton", "Top"}})
      EXPECT_EQ(Child<QToolButton>(form, name)->toolTip(), hint);
    EXPECT_EQ(Child<QPushButton>(form, "Button1")->text(), "&Jump");
    EXPECT_EQ(Child<QPushButton>(form, "Button2")->text(), "&Close");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
  });
  Trigger(*Editor, "Jumpto1");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 2 of 12");
}

TEST_F(JumpFormTest, JumpKeepsTheEditsOfTheQuestionShownBefore) {
  OpenEditor(WriteTest(Questions(8)));
  Child<QPlainTextEdit>(*Editor, "QuestionLabel")->setPlainText("Edited\nfirst");
  const auto answer = OnModal<TjumpForm>([](TjumpForm& form) {
    Number(form)->setValue(5);
    Click(form, "Button1");
    Click(form, "Button2");
  });
  Click(*Editor, "JumpButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 5 of 8");
  EXPECT_EQ(Shown(), "Question 5");
  EXPECT_EQ(Set->Slot(1).Question, "Edited\r\nfirst");
  Click(*Editor, "BottomButton");
  EXPECT_EQ(Shown(), "Edited\nfirst");
}

TEST_F(JumpFormTest, EnterInTheNumberJumpsAndF1ShowsTheEditorsTopic) {
  OpenEditor(WriteTest(Questions(8)));
  const auto answer = OnModal<TjumpForm>([](TjumpForm& form) {
    Number(form)->setFocus();
    Number(form)->selectAll();
    QTest::keyClicks(Number(form), QStringLiteral("6"));
    QTest::keyClick(Number(form), Qt::Key_Return);
    PressF1(Number(form));
    Click(form, "Button2");
  });
  Click(*Editor, "JumpButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 6 of 8");
  EXPECT_EQ(Help.Calls, std::vector<int>{103});
}

TEST_F(JumpFormTest, EnterInEveryControlJumps) {
  OpenEditor(WriteTest(Questions(8)));
  const auto answer = OnModal<TjumpForm>([this](TjumpForm& form) {
    Number(form)->setValue(5);
    for (const char* name : {"SpinEdit1", "Button1", "Button2", "BottomButton", "NextButton", "TopButton"}) {
      Click(form, "TopButton");
      QTest::keyClick(Child<QWidget>(form, name), Qt::Key_Return);
      EXPECT_EQ(Editor->windowTitle(), "Review - Question 5 of 8") << name;
    }
  });
  Click(*Editor, "JumpButton");
}

TEST_F(JumpFormTest, StepsMoveTheEditorAndStayInRange) {
  OpenEditor(WriteTest(Questions(4)));
  const auto answer = OnModal<TjumpForm>([this](TjumpForm& form) {
    Click(form, "PrevButton");
    EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 4");
    Click(form, "NextButton");
    Click(form, "NextButton");
    EXPECT_EQ(Editor->windowTitle(), "Review - Question 3 of 4");
    Click(form, "TopButton");
    Click(form, "NextButton");
    EXPECT_EQ(Editor->windowTitle(), "Review - Question 4 of 4");
    EXPECT_EQ(Shown(), "Question 4");
    Click(form, "BottomButton");
    EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 4");
    EXPECT_EQ(Number(form)->value(), 1);
  });
  Click(*Editor, "JumpButton");
}

TEST_F(JumpFormTest, OneQuestionTest) {
  OpenEditor(WriteTest(Questions(1)));
  const auto answer = OnModal<TjumpForm>([this](TjumpForm& form) {
    EXPECT_EQ(Number(form)->maximum(), 1);
    Number(form)->selectAll();
    QTest::keyClicks(Number(form), QStringLiteral("7"));
    Click(form, "Button1");
    Click(form, "NextButton");
    EXPECT_EQ(Editor->windowTitle(), "Review - Question 1 of 1");
    EXPECT_FALSE(Child<QToolButton>(*Editor, "PrevButton")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>(*Editor, "NextButton")->isEnabled());
  });
  Click(*Editor, "JumpButton");
}

}  // namespace
