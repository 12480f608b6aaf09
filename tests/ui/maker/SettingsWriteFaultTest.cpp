// Apply and OK in the two settings dialogs when their file cannot be written,
// at each step of the save: one error box per attempt, the dialog stays open
// with the changes still in its controls and Apply still enabled, the file and
// its folder are as they were, and Apply works once the fault is gone.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "ui/platform/Globals.h"
#include "ui/platform/QtText.h"
#include "core/test/QuestionSet.h"
#include "core/test/ClientConfig.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/SettingsForm.h"
#include "core/test/TestSettings.h"
#include "support/InjectedFault.h"
#include "core/test/TestFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using IniStoreFaults::TStep;

class SettingsWriteFaultTest : public testing::TestWithParam<TStep> {
protected:
  template <typename T>
  static T* Get(const QWidget& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  static void Click(const QWidget& form, const char* name) {
    auto* button = Get<QPushButton>(form, name);
    ASSERT_TRUE(button->isEnabled()) << name;
    QTest::mouseClick(button, Qt::LeftButton);
  }

  // Clicks name with the fault in place and expects exactly its error box.
  void ClickFailing(const QWidget& form, const char* name, const std::string& path) {
    TInjectedFault fault(GetParam());
    Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(FaultText(GetParam(), path)));
    Click(form, name);
    EXPECT_TRUE(Dialogs.AllUsed());
  }

  TTempDir Dir;
  std::string TestPath = Dir.File("TEST.QWT");
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TRecordingShell Shell;
  QuestionSet Questions;
  TGlobals Globals{FromPath(Dir.Path().string()), FromPath(TestPath), Dialogs, Help, Shell, Questions};
};

}  // namespace

TEST_P(SettingsWriteFaultTest, TestSettingsThatCannotBeAppliedStayInTheDialog) {
  {
    TIniStore store(TestPath);
    TestFile::WriteNewTest(store);
    QuestionRecord question;
    question.Question = "Kept?";
    TestFile::WriteQuestion(store, 1, question);
    store.UpdateFile();
  }
  TSettingsForm form(Globals);
  form.show();
  auto* description = Get<QLineEdit>(form, "Edit1");
  description->setText("Renamed");
  const auto before = FolderSnapshot(Dir.Path());

  ClickFailing(form, "ApplyButton", TestPath);
  ClickFailing(form, "Button1", TestPath);  // OK applies too, and stays open when it cannot
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(Get<QPushButton>(form, "ApplyButton")->isEnabled());
  EXPECT_EQ(description->text(), "Renamed");
  EXPECT_EQ(FolderSnapshot(Dir.Path()), before);

  Click(form, "ApplyButton");
  EXPECT_FALSE(Get<QPushButton>(form, "ApplyButton")->isEnabled());
  EXPECT_EQ(LoadTestSettings(TestPath).Description, "Renamed");
  TIniStore saved(TestPath);
  EXPECT_EQ(TestFile::ReadQuestion(saved, 1).Question, "Kept?");
}

TEST_P(SettingsWriteFaultTest, AnEngineConfigurationThatCannotBeAppliedStaysInTheDialog) {
  const std::string path = Dir.File("qwtest.cfg");
  WriteBytes(path, "[SETTINGS]\r\nLOGO=\r\nCUSTOMABOUT=0\r\nFULLSCREEN=0\r\n\r\n[EXTRA]\r\nkept=1\r\n\r\n");
  TClientForm form(Globals);
  form.show();
  auto* fullScreen = Get<QCheckBox>(form, "CheckBox1");
  fullScreen->click();  // the box is on a page not shown; click() is what a user's click does
  ASSERT_TRUE(fullScreen->isChecked());
  const auto before = FolderSnapshot(Dir.Path());

  ClickFailing(form, "ApplyButton", path);
  ClickFailing(form, "Button1", path);
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(Get<QPushButton>(form, "ApplyButton")->isEnabled());
  EXPECT_TRUE(fullScreen->isChecked());
  EXPECT_EQ(FolderSnapshot(Dir.Path()), before);

  Click(form, "ApplyButton");
  EXPECT_FALSE(Get<QPushButton>(form, "ApplyButton")->isEnabled());
  EXPECT_TRUE(LoadClientConfig(path).FullScreen);
  TIniStore saved(path);
  EXPECT_EQ(saved.ReadString("EXTRA", "kept", {}), "1");
}

INSTANTIATE_TEST_SUITE_P(EachStep, SettingsWriteFaultTest, testing::ValuesIn(AllSteps),
                         [](const testing::TestParamInfo<TStep>& info) { return StepName(info.param); });
