#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "MakerFixture.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/run/ExtraTime.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/IoErrorText.h"
#include "ui/maker/ExtraTimeForm.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/SettingsForm.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

const QString InvalidTime =
    QStringLiteral("Invalid time format.  Maximum values are 23:59:59.\rPlease enter again.");
const QString SaveChanges = QStringLiteral("Save changes?");

std::string Line(std::string_view key, std::string_view plain) {
  return std::string(key) + "=" + Encrypt(plain) + "\r\n";
}

class SettingsFormTest : public FormFixture<TSettingsForm> {
protected:
  void SetUp() override {
    TSettingsForm::SavedTimeText.clear();
    Globals.CurrentTestPath = FromPath(TestPath);
  }

  void WriteNewTest() const { WriteNewTestFile(TestPath); }

  // A test whose SETTINGS hold the given plain values, enciphered.
  void WriteSettings(std::initializer_list<std::pair<std::string_view, std::string_view>> values) const {
    std::string bytes = "[SETTINGS]\r\n";
    for (const auto& [key, plain] : values) bytes += Line(key, plain);
    WriteBytes(TestPath, bytes + "\r\n");
  }

  std::unique_ptr<TSettingsForm> Create() {
    auto form = std::make_unique<TSettingsForm>(Globals);
    Form = form.get();
    return form;
  }

  std::unique_ptr<TSettingsForm> Open() {
    auto form = Create();
    form->show();
    return form;
  }

  QLineEdit* Field() const { return Get<QLineEdit>("MaskEdit1"); }
  QComboBox* List(const char* name) const { return Get<QComboBox>(name); }
  QSpinBox* Spin(const char* name) const { return Get<QSpinBox>(name); }
  QTextEdit* Memo(const char* name) const { return Get<QTextEdit>(name); }
  bool ApplyEnabled() const { return Button("ApplyButton")->isEnabled(); }

  // Gives the time field the keyboard focus as a click on it would.
  void FocusField(TSettingsForm& form) const {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ShowPageOf(Field());
    Field()->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(Field()->hasFocus());
    Field()->deselect();
  }

  void TypeAt(int position, Qt::Key digit) const {
    Field()->setCursorPosition(position);
    QTest::keyClick(Field(), digit);
  }

  // The deciphered plain value of a SETTINGS key as now stored.
  std::string Stored(std::string_view key) const {
    TIniStore store(TestPath);
    return Decrypt(store.ReadString(TestFile::Settings, key, "<missing>"));
  }

  TStrings StoredLines(std::string_view section) const {
    TIniStore store(TestPath);
    TStrings lines;
    store.ReadSectionValues(section, lines);
    return lines;
  }

  std::string TestPath = Dir.File("TEST.QWT");
};

TEST_F(SettingsFormTest, NewTestOpensInItsStateAndOkWritesTheMissingKeysInOrder) {
  TFixedFirstByte fixed(0x21);
  WriteNewTest();
  const std::string before = ReadBytes(TestPath);
  auto form = Open();

  EXPECT_EQ(Get<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet1");
  EXPECT_EQ(Get<QLineEdit>("Edit1")->text(), "No description");
  EXPECT_EQ(Field()->displayText(), "00:00:00");
  EXPECT_EQ(List("ComboBox2")->currentText(), "Randomize the questions");
  EXPECT_EQ(List("ComboBox1")->currentText(), "Allow answer checking");
  EXPECT_EQ(List("ComboBox3")->currentText(), "Can leave answer blank");
  EXPECT_EQ(List("ComboBox4")->currentText(), "Non-Scrolling timers");
  EXPECT_EQ(Spin("SpinEdit2")->value(), 0);
  EXPECT_EQ(Spin("SpinEdit3")->value(), 0);
  for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"})
    EXPECT_TRUE(Check(name)->isChecked()) << name;
  EXPECT_FALSE(Check("CheckBox6")->isChecked());
  EXPECT_TRUE(Get<QRadioButton>("RadioButton2")->isChecked());
  EXPECT_FALSE(Get<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_TRUE(Check("CheckBox5")->isChecked());
  EXPECT_TRUE(Check("CheckBox5")->isEnabled());
  EXPECT_TRUE(Memo("Memo1")->toPlainText().isEmpty());
  EXPECT_TRUE(Memo("Memo2")->toPlainText().isEmpty());
  EXPECT_FALSE(ApplyEnabled());
  EXPECT_EQ(ReadBytes(TestPath), before) << "opening leaves the file untouched";

  Click(Button("Button1"));
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_FALSE(form->isVisible());
  const std::string expected = "[SETTINGS]\r\n" + Line("DESC", "No description") + Line("TIME", "00:00:00") +
                               Line("CHECKANSWERS", "1") + Line("RANDOMQUESTIONS", "1") +
                               Line("MUSTANSWER", "0") + Line("PASSPOINT", "0") + Line("MAXQUESTIONS", "0") +
                               Line("TIMERTYPE", "0") + Line("REVIEWALLOW", "1") + Line("REVIEWBLANK", "1") +
                               Line("TESTHOT", "1") + Line("TESTREF", "1") + Line("REVIEWHOT", "1") +
                               Line("REVIEWREF", "1") + Line("STUDENTMAX", "0") + "\r\n";
  EXPECT_EQ(ReadBytes(TestPath), expected);
}

TEST_F(SettingsFormTest, StoredTimesAreShownByTheColonRule) {
  WriteSettings({{"TIME", "1:30:00"}});
  {
    auto form = Open();
    EXPECT_EQ(Field()->displayText(), "00:00:00");
    Click(Button("Button1"));
  }
  EXPECT_EQ(Stored("TIME"), "00:00:00");

  WriteSettings({{"TIME", " 01:30:00 "}});
  auto form = Open();
  EXPECT_EQ(Field()->displayText(), "01:30:00");
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SettingsFormTest, InvalidStoredTimeIsReportedWhileOpeningAndReplacedBySavedText) {
  WriteSettings({{"TIME", "25:00:00"}});
  Dialogs.ExpectMessage(TMessageKind::Error, InvalidTime);
  {
    auto form = Open();
    EXPECT_TRUE(Dialogs.AllUsed());
    EXPECT_EQ(Field()->displayText(), "00:00:00") << "nothing saved yet: all positions unfilled";
    EXPECT_FALSE(ApplyEnabled());
  }

  // The saved text carries over from an earlier opening.
  TSettingsForm::SavedTimeText = QStringLiteral("02:15:00");
  Dialogs.ExpectMessage(TMessageKind::Error, InvalidTime);
  auto form = Open();
  EXPECT_EQ(Field()->displayText(), "02:15:00");
}

TEST_F(SettingsFormTest, TypingIntoTheTimeField) {
  WriteSettings({{"TIME", "01:30:00"}});
  auto form = Open();
  FocusField(*form);
  EXPECT_EQ(TSettingsForm::SavedTimeText, "01:30:00");

  // 31:30:00 is no time of day: the field returns to its text on entering.
  Dialogs.ExpectMessage(TMessageKind::Error, InvalidTime);
  TypeAt(0, Qt::Key_3);
  EXPECT_TRUE(Dialogs.AllUsed());
  EXPECT_EQ(Field()->displayText(), "01:30:00");

  // Only the first hour and first minute positions filled read as 10:30:00.
  Field()->clear();
  TypeAt(0, Qt::Key_1);
  TypeAt(3, Qt::Key_3);
  EXPECT_EQ(Field()->displayText(), "10:30:00");
  EXPECT_TRUE(ApplyEnabled());
  Click(Button("ApplyButton"));
  EXPECT_EQ(Stored("TIME"), "10:30:00");
  EXPECT_FALSE(ApplyEnabled());

  // The saved text is shared by the next opening of the dialog.
  Click(Button("Button3"));
  EXPECT_EQ(TSettingsForm::SavedTimeText, "01:30:00");
}

TEST_F(SettingsFormTest, ArrowsStepOneSecondAroundTheClock) {
  WriteNewTest();
  auto form = Open();
  auto* arrows = Get<TSpinButton>("SpinButton1");
  const struct {
    const char* From;
    QToolButton* Arrow;
    const char* To;
  } steps[] = {
      {"00:00:59", arrows->UpButton, "00:01:00"},
      {"23:59:59", arrows->UpButton, "00:00:00"},
      {"01:00:00", arrows->DownButton, "00:59:59"},
      {"00:00:00", arrows->DownButton, "23:59:59"},
  };
  for (const auto& step : steps) {
    Field()->setText(QString::fromLatin1(step.From));
    Button("ApplyButton")->setEnabled(false);
    Click(step.Arrow);
    EXPECT_EQ(Field()->displayText(), step.To) << step.From;
    EXPECT_TRUE(ApplyEnabled()) << step.From;
  }
}

TEST_F(SettingsFormTest, HeldArrowRepeats) {
  WriteNewTest();
  auto form = Open();
  QToolButton* up = Get<TSpinButton>("SpinButton1")->UpButton;
  ShowPageOf(up);
  QTest::mousePress(up, Qt::LeftButton, {}, up->rect().center());
  WaitUntil([this] { return Field()->displayText() == QStringLiteral("00:00:03"); }, 3000);
  EXPECT_EQ(Field()->displayText(), QStringLiteral("00:00:03"));
  QTest::mouseRelease(up, Qt::LeftButton, {}, up->rect().center());
  EXPECT_FALSE(up->isDown());
}

TEST_F(SettingsFormTest, NumbersListsAndFlagsFromTheFile) {
  WriteSettings({{"PASSPOINT", "250"},
                 {"MAXQUESTIONS", "100000"},
                 {"CHECKANSWERS", "2"},
                 {"TESTHOT", "1 "},
                 {"TESTREF", "2"}});
  auto form = Open();
  EXPECT_EQ(Spin("SpinEdit2")->value(), 100);
  EXPECT_EQ(Spin("SpinEdit3")->value(), 99999);
  EXPECT_EQ(List("ComboBox1")->currentIndex(), -1);
  EXPECT_TRUE(Check("CheckBox1")->isChecked()) << "\"1 \" is not a number: the default holds";
  EXPECT_FALSE(Check("CheckBox2")->isChecked());
  EXPECT_FALSE(Check("CheckBox6")->isChecked());
  EXPECT_FALSE(ApplyEnabled());

  Click(Button("Button1"));
  EXPECT_EQ(Stored("PASSPOINT"), "100");
  EXPECT_EQ(Stored("MAXQUESTIONS"), "99999");
  EXPECT_EQ(Stored("CHECKANSWERS"), "-1");
  EXPECT_EQ(Stored("TESTHOT"), "1");
  EXPECT_EQ(Stored("TESTREF"), "0");
  form.reset();

  WriteSettings({{"PASSPOINT", "-5"}});
  form = Open();
  EXPECT_EQ(Spin("SpinEdit2")->value(), 0);
}

TEST_F(SettingsFormTest, UserChangesAreWritten) {
  WriteNewTest();
  auto form = Open();
  Click(Check("CheckBox4"));
  EXPECT_TRUE(ApplyEnabled());
  ShowPageOf(List("ComboBox4"));
  List("ComboBox4")->setFocus();
  QTest::keyClick(List("ComboBox4"), Qt::Key_Down);
  EXPECT_EQ(List("ComboBox4")->currentText(), "Scrolling timers");
  ShowPageOf(Spin("SpinEdit2"));
  Spin("SpinEdit2")->setFocus();
  Spin("SpinEdit2")->selectAll();
  QTest::keyClicks(Spin("SpinEdit2"), "75");
  Get<QLineEdit>("Edit1")->setText(QStringLiteral("Chapter 2 review"));
  Click(Button("ApplyButton"));

  EXPECT_EQ(Stored("REVIEWREF"), "0");
  EXPECT_EQ(Stored("REVIEWHOT"), "1");
  EXPECT_EQ(Stored("TIMERTYPE"), "1");
  EXPECT_EQ(Stored("PASSPOINT"), "75");
  EXPECT_EQ(Stored("DESC"), "Chapter 2 review");
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SettingsFormTest, DisallowedReviewGreysSkippedQuestionsWithoutClearingIt) {
  WriteNewTest();
  auto form = Open();
  Click(Get<QRadioButton>("RadioButton1"));
  EXPECT_FALSE(Check("CheckBox5")->isEnabled());
  EXPECT_TRUE(Check("CheckBox5")->isChecked());
  Click(Button("ApplyButton"));
  EXPECT_EQ(Stored("REVIEWALLOW"), "0");
  EXPECT_EQ(Stored("REVIEWBLANK"), "1");

  Click(Get<QRadioButton>("RadioButton2"));
  EXPECT_TRUE(Check("CheckBox5")->isEnabled());
  form.reset();

  // Reopened with review disallowed, the box opens greyed and still checked.
  form = Open();
  EXPECT_TRUE(Get<QRadioButton>("RadioButton1")->isChecked());
  EXPECT_FALSE(Check("CheckBox5")->isEnabled());
  EXPECT_TRUE(Check("CheckBox5")->isChecked());
}

TEST_F(SettingsFormTest, CancelAsksOnlyAboutUnappliedChanges) {
  WriteNewTest();
  const std::string before = ReadBytes(TestPath);
  {
    auto form = Open();
    Click(Button("Button3"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(TestPath), before);
  }
  {
    auto form = Open();
    Click(Check("CheckBox6"));
    Dialogs.ExpectMessage(TMessageKind::Confirmation, SaveChanges, TButton::No);
    Click(Button("Button3"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(ReadBytes(TestPath), before);
  }
  {
    auto form = Open();
    Click(Check("CheckBox6"));
    Dialogs.ExpectMessage(TMessageKind::Confirmation, SaveChanges, TButton::Yes);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Stored("STUDENTMAX"), "1");
  }
}

// The close box is Cancel: unapplied changes are asked about. The extra-time
// list its own window keeps is written with the settings, and only then.
TEST_F(SettingsFormTest, TheCloseBoxAsksAsCancelDoesAndTheExtraTimeListWaitsForTheSettings) {
  WriteNewTest();
  const std::string list = ExtraTime::PathFor(TestPath);
  const auto keepList = [](const char* text) {
    return OnModal<TExtraTimeForm>([text](TExtraTimeForm& extra) {
      Child<QPlainTextEdit>(extra, "ListEdit")->setPlainText(QString::fromLatin1(text));
      extra.OkButtonClick();
    });
  };
  {
    auto form = Open();
    {
      const auto answer = keepList("Ann=1.5\n");
      Click(Button("ExtraTimeButton"));
    }
    EXPECT_FALSE(std::filesystem::exists(list));
    EXPECT_TRUE(ApplyEnabled());
    Dialogs.ExpectMessage(TMessageKind::Confirmation, SaveChanges, TButton::No);
    form->close();
    EXPECT_FALSE(std::filesystem::exists(list));
  }
  auto form = Open();
  {
    const auto answer = keepList("Bo=2\n");
    Click(Button("ExtraTimeButton"));
  }
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SaveChanges, TButton::Yes);
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(ExtraTime::FactorFor(ExtraTime::Load(TestPath), "bo"), 2);
}

TEST_F(SettingsFormTest, EnterInAFieldNeitherSavesNorCloses) {
  WriteNewTest();
  const std::string before = ReadBytes(TestPath);
  auto form = Open();
  Click(Check("CheckBox6"));
  QTest::keyClick(Get<QLineEdit>("Edit1"), Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(ReadBytes(TestPath), before);
}

TEST_F(SettingsFormTest, MessagesAreWrittenLineForLineAsShown) {
  WriteNewTest();
  {
    auto form = Open();
    ShowPageOf(Memo("Memo1"));
    Memo("Memo1")->setPlainText(QStringLiteral("Welcome.\n\n[Note]\nGood luck\n"));
    Click(Button("Button1"));
  }
  EXPECT_EQ(StoredLines(TestFile::BeginMessage), (TStrings{"Welcome.", " ", "[Note] ", "Good luck"}));
  EXPECT_EQ(StoredLines(TestFile::EndMessage), TStrings{});
  EXPECT_EQ(ReadBytes(TestPath).find("ENDMESSAGE"), std::string::npos)
      << "an empty message leaves no section";

  auto form = Open();
  EXPECT_EQ(Memo("Memo1")->toPlainText(), QStringLiteral("Welcome.\n \n[Note] \nGood luck"));
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SettingsFormTest, WrappedLinesAreWrittenAsTheBoxShowsThem) {
  WriteNewTest();
  auto form = Open();
  QTextEdit* memo = Memo("Memo2");
  const QString words = QStringLiteral(
      "Thank you for taking this test. Your score is shown below, and you may review the questions you "
      "missed before you close the window.");
  memo->setPlainText(words);

  // The box never shown still counts its lines at the width it wraps to once shown.
  const QStringList unseen = ShownLines(memo);
  ShowPageOf(memo);
  EXPECT_EQ(memo->lineWrapColumnOrWidth(), memo->viewport()->width())
      << "the box wraps at the edge the instructor sees";
  const QStringList seen = ShownLines(memo);
  EXPECT_EQ(unseen, seen);
  ASSERT_GT(seen.size(), 2);
  EXPECT_EQ(seen.join(QString()), words);

  Click(Button("ApplyButton"));
  TStrings expected;
  for (const QString& line : seen) expected.push_back(line.toStdString());
  EXPECT_EQ(StoredLines(TestFile::EndMessage), expected);
}

TEST_F(SettingsFormTest, CharactersOfAnyScriptAreKeptAndTheFirstUtf8SaveSaysSo) {
  WriteNewTest();
  auto form = Open();
  Get<QLineEdit>("Edit1")->setText(QStringLiteral("Chapter 2 \u2192 3"));
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QString::fromUtf8(std::string(TestFile::Utf8Notice).c_str()));
  Click(Button("ApplyButton"));
  EXPECT_EQ(Stored("DESC"), "Chapter 2 \xE2\x86\x92 3");
  EXPECT_EQ(Stored("CHARSET"), "UTF-8");

  // Back to what the code page holds: the file goes back to its old form.
  Get<QLineEdit>("Edit1")->setText(QStringLiteral("Chapter 2 \u00E9 3"));
  Click(Button("ApplyButton"));
  EXPECT_EQ(Stored("DESC"), "Chapter 2 \xE9 3");
  EXPECT_EQ(ReadBytes(TestPath).find("CHARSET"), std::string::npos);
}

TEST_F(SettingsFormTest, FailedWriteKeepsTheDialogAndItsChanges) {
  WriteNewTest();
  auto form = Open();
  Click(Check("CheckBox6"));
  std::filesystem::remove_all(Dir.Path());
  const QString reason =
      QString::fromLocal8Bit(IoErrorText([&] { SaveTestSettings(TestPath, TestSettings{}); }));
  ASSERT_FALSE(reason.isEmpty());

  Dialogs.ExpectMessage(TMessageKind::Error, reason);
  Click(Button("Button1"));
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(ApplyEnabled());
  EXPECT_TRUE(Check("CheckBox6")->isChecked());

  Dialogs.ExpectMessage(TMessageKind::Confirmation, SaveChanges, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Error, reason);
  Click(Button("Button3"));
  EXPECT_TRUE(form->isVisible());
}

TEST_F(SettingsFormTest, F1ShowsTheDialogsHelpTopic) {
  WriteNewTest();
  auto form = Open();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  PressF1(form.get());
  EXPECT_EQ(Help.Calls, std::vector<int>{HelpContext::Settings});
}

TEST_F(SettingsFormTest, MainWindowOpensTheDialogModallyAndRescansAfterIt) {
  WriteNewTest();
  TMainForm main(Folder(), Dialogs, Help, Shell);
  main.SetTestLoaded(QStringLiteral("1: No description"), FromPath(TestPath));
  auto* timer = Child<QTimer>(main, "StartTimer");
  timer->stop();
  {
    // The dialog runs its own event loop; it is driven from inside it.
    const auto answer = OnModal<TSettingsForm>([](TSettingsForm& dialog) {
      Child<QLineEdit>(dialog, "Edit1")->setText(QStringLiteral("Chapter 2 review"));
      Click(dialog, "Button1");
    });
    Click(main, "Button3");
  }
  EXPECT_EQ(Stored("DESC"), "Chapter 2 review");
  EXPECT_EQ(main.findChild<TSettingsForm*>(), nullptr) << "released once closed";
  EXPECT_TRUE(timer->isActive()) << "the catalogue is rebuilt";
  timer->stop();
}

}  // namespace
