// Bytes the code page leaves undefined (81, 8D, 8F, 90, 9D) through the
// question editor: shown as the control characters of the same number,
// edited around and saved, they come back unchanged.

#include <QPlainTextEdit>
#include <QTextCursor>

#include "ui/maker/EditorFixture.h"

namespace {

const std::string Undefined = "\x81\x8D\x8F\x90\x9D";
const QString SavedAsk = QStringLiteral("Changes saved. Would you like to continue editing?");

class EditorBadInputTest : public EditorFixture {};

}  // namespace

TEST_F(EditorBadInputTest, UndefinedCodePageBytesSurviveEditAndSave) {
  QuestionRecord first = Question("1");
  first.Question = "Odd " + Undefined;
  first.AnswerC = Undefined + "\r\nsecond line";
  const std::string path = WriteTest({first, Question("2")});
  OpenEditor(path);

  auto* question = Child<QPlainTextEdit>(*Editor, "QuestionLabel");
  EXPECT_EQ(question->toPlainText(), QString::fromUtf16(u"Odd \u0081\u008D\u008F\u0090\u009D"));
  question->moveCursor(QTextCursor::End);
  QTest::keyClicks(question, " typed");
  Click(*Editor, "NextButton");
  Click(*Editor, "PrevButton");
  EXPECT_EQ(question->toPlainText(), QString::fromUtf16(u"Odd \u0081\u008D\u008F\u0090\u009D typed"));

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  const auto saved = Reload(path);
  EXPECT_EQ(saved->Slot(1).Question, "Odd " + Undefined + " typed");
  EXPECT_EQ(saved->Slot(1).AnswerC, first.AnswerC);
  EXPECT_EQ(saved->Slot(2), Question("2"));
}
