// Bytes the code page leaves undefined (81, 8D, 8F, 90, 9D) through each
// window that edits a test's text: shown as the control characters of the
// same number, typed around and saved, they come back unchanged.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "core/model/TestSettings.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/SettingsForm.h"

namespace {

// As the core's text holds them: the C1 controls, which the file stores as
// the five bytes.
const std::string Undefined = "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D";
const QString Shown = QString::fromUtf16(u"Odd \u0081\u008D\u008F\u0090\u009D");

class UndefinedBytesTest;

struct TTextWindow {
  const char* Name;
  // Opens the window on a test whose text is "Odd " and the bytes; returns the control showing it.
  std::function<QWidget*(UndefinedBytesTest&)> Open;
  // Saves, and returns the text as stored.
  std::function<std::string(UndefinedBytesTest&)> Save;
};

class UndefinedBytesTest : public EditorFixture, public testing::WithParamInterface<TTextWindow> {
public:
  static std::vector<TTextWindow> Windows();

protected:
  static QString Text(QWidget* field) {
    auto* box = qobject_cast<QPlainTextEdit*>(field);
    return box ? box->toPlainText() : qobject_cast<QLineEdit*>(field)->text();
  }

  QuestionRecord First = Question("1");
  std::unique_ptr<TSettingsForm> Settings;
};

std::vector<TTextWindow> UndefinedBytesTest::Windows() {
  using T = UndefinedBytesTest;
  return {
      {"Editor",
       [](T& t) -> QWidget* {
         t.First.Question = "Odd " + Undefined;
         t.First.AnswerC = Undefined + "\r\nsecond line";
         t.OpenEditor(t.WriteTest({t.First, Question("2")}));
         return Child<QPlainTextEdit>(*t.Editor, "QuestionLabel");
       },
       [](T& t) {
         Click(*t.Editor, "NextButton");  // the edit is kept when the question is left
         Click(*t.Editor, "PrevButton");
         t.Dialogs.ExpectMessage(TMessageKind::Confirmation,
                                 QStringLiteral("Changes saved. Would you like to continue editing?"),
                                 TButton::Yes);
         Click(*t.Editor, "SaveButton");
         const auto saved = Reload(t.Dir.File("TEST.QWT"));
         EXPECT_EQ(saved->Slot(1).AnswerC, t.First.AnswerC);
         EXPECT_EQ(saved->Slot(2), Question("2"));
         return saved->Slot(1).Question;
       }},
      {"TestSettings",
       [](T& t) -> QWidget* {
         t.Globals.CurrentTestPath = FromPath(t.WriteTest({t.First}, "TEST.QWT", "Odd " + Undefined));
         t.Settings = std::make_unique<TSettingsForm>(t.Globals);
         t.Settings->show();
         return Child<QLineEdit>(*t.Settings, "Edit1");
       },
       [](T& t) {
         Click(*t.Settings, "ApplyButton");
         return LoadTestSettings(t.Dir.File("TEST.QWT")).Description;
       }},
  };
}

}  // namespace

TEST_P(UndefinedBytesTest, SurviveEditAndSave) {
  QWidget* field = GetParam().Open(*this);
  EXPECT_EQ(Text(field), Shown);
  field->setFocus();
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClicks(field, " typed");
  EXPECT_EQ(Text(field), Shown + " typed");
  EXPECT_EQ(GetParam().Save(*this), "Odd " + Undefined + " typed");
}

INSTANTIATE_TEST_SUITE_P(Windows, UndefinedBytesTest, testing::ValuesIn(UndefinedBytesTest::Windows()),
                         [](const auto& info) { return std::string(info.param.Name); });
