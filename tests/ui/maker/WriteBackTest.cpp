#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "core/model/TestSettings.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/SettingsForm.h"

namespace {

const QString SavedAsk = QStringLiteral("Changes saved. Would you like to continue editing?");

QString ChangedAsk(const std::string& path) {
  return QStringLiteral("The test file ") + FromPath(path) +
         QStringLiteral(
             " was changed by another program since it was loaded here.\r"
             "Write over it? Those changes will be lost.");
}

// The editor and the settings write back only over what they read.
class WriteBackTest : public EditorFixture {
protected:
  void Type(const char* text) { Child<QPlainTextEdit>(*Editor, "QuestionLabel")->setPlainText(text); }
};

TEST_F(WriteBackTest, EditorWritesOverAnotherSaveOnlyOnYesAndWritesADeletedTestWhole) {
  const std::string path = WriteTest(Questions(2));
  OpenEditor(path);
  Type("Mine");
  WriteTest(Questions(3));  // a second maker saves the same test meanwhile
  const std::string theirs = ReadBytes(path);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ChangedAsk(path), TButton::No);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(ReadBytes(path), theirs);
  EXPECT_TRUE(Editor->isVisible());
  EXPECT_EQ(Child<QPlainTextEdit>(*Editor, "QuestionLabel")->toPlainText(), "Mine");

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ChangedAsk(path), TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).Question, "Mine");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);  // its own save asks nothing
  Click(*Editor, "SaveButton");

  // Deleted meanwhile: written whole, so that it loads again.
  std::filesystem::remove(path);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("The test file ") + FromPath(path) +
          QStringLiteral(" was deleted while it was being edited.\rIt was written anew: the "
                         "settings of a new test and these questions."));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(LoadTestSettings(path).Description, "No description");
  EXPECT_EQ(Reload(path)->Slot(2), Question("2"));
}

TEST_F(WriteBackTest, SettingsWriteOverAnotherSaveOnlyOnYes) {
  const std::string path = WriteTest(Questions(1));
  Globals.CurrentTestPath = FromPath(path);
  TSettingsForm form(Globals);
  form.show();
  Child<QLineEdit>(form, "Edit1")->setText(QStringLiteral("Mine"));
  WriteTest(Questions(2));
  const std::string theirs = ReadBytes(path);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ChangedAsk(path), TButton::No);
  Click(form, "ApplyButton");
  EXPECT_EQ(ReadBytes(path), theirs);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ChangedAsk(path), TButton::Yes);
  Click(form, "ApplyButton");
  EXPECT_EQ(LoadTestSettings(path).Description, "Mine");
}

TEST_F(WriteBackTest, TestWhoseNameIsNoUtf8IsListedEditedAndSavedUnderItsOwnName) {
  const std::string path = WriteTest(Questions(2), "caf\xE9.QWT", "Latin");
  TMainForm main(Globals.ProgramFolder, Dialogs, Help, Shell);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("This is the Instructor Test Maker.\rDo not distribute with Quizwell."));
  main.show();
  auto* combo = Child<QComboBox>(main, "ComboBox1");
  ASSERT_TRUE(WaitUntil([combo] { return combo->count() == 2; })) << "the catalogue did not fill";
  combo->setCurrentIndex(1);
  main.TestPicked();
  ASSERT_EQ(ToPath(main.Globals.CurrentTestPath), path);

  OpenEditor(ToPath(main.Globals.CurrentTestPath));
  EXPECT_EQ(Editor->windowTitle(), "Latin - Question 1 of 2");
  Type("Mine");
  Dialogs.ExpectMessage(TMessageKind::Confirmation, SavedAsk, TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).Question, "Mine");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);
}

}  // namespace
