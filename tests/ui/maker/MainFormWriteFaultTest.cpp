// The main window's writes failing at each step of the save: New test and both
// conversions show one error box, announce nothing, change no file and leave
// no temporary file; the test that was loaded stays loaded.

#include <gtest/gtest.h>

#include <QLabel>
#include <QTimer>

#include "ui/platform/QtText.h"
#include "ui/maker/MainForm.h"
#include "support/InjectedFault.h"
#include "core/storage/ZarnEncryption.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using IniStoreFaults::TStep;

const std::string OldTest = "[SETTINGS]\r\nDESC=" + Encrypt("Old test") + "\r\n\r\n[QA1]\r\nQUESTION=" +
                            Encrypt("Still there?") + "\r\n\r\n";
const std::string OldText = "[SETTINGS]\r\nDESC=Old text\r\n\r\n[QA1]\r\nQUESTION=Plain question\r\n\r\n";

class ShellWriteFaultTest : public testing::TestWithParam<TStep> {
protected:
  void SetUp() override {
    WriteBytes(Dir.File("OLD.QWT"), OldTest);
    WriteBytes(Dir.File("OLD.TXT"), OldText);
    Form.SetTestLoaded("1: Old test (OLD.QWT)", FileIn("OLD.QWT"));
  }

  QString FileIn(const char* name) const { return FromPath(Dir.File(name)); }

  // Runs command with the fault in place, expecting the error box for path
  // after the dialogs queued before, and nothing else.
  void RunFailing(const std::function<void()>& command, const std::string& path) {
    const auto before = FolderSnapshot(Dir.Path());
    {
      TInjectedFault fault(GetParam());
      Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(FaultText(GetParam(), path)));
      command();
    }
    EXPECT_TRUE(Dialogs.AllUsed());
    EXPECT_EQ(FolderSnapshot(Dir.Path()), before) << "a failed save changed the folder";
    EXPECT_FALSE(Form.findChild<QTimer*>(QStringLiteral("StartTimer"))->isActive()) << "nothing to rescan";
    EXPECT_EQ(Form.findChild<QLabel*>(QStringLiteral("Panel6"))->text(), "1: Old test (OLD.QWT)");
    EXPECT_EQ(Form.Globals.CurrentTestPath, FileIn("OLD.QWT"));
  }

  // Both conversions go into files that exist, so each asks first.
  void ExpectConversionInto(const char* name) {
    Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                          "The file " + FileIn(name) + " exists.\rConvert into it, replacing the values it holds?",
                          TButton::Yes);
  }

  TTempDir Dir;
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TRecordingShell Shell;
  TMainForm Form{FromPath(Dir.Path().string()), Dialogs, Help, Shell};
};

}  // namespace

TEST_P(ShellWriteFaultTest, ANewTestThatCannotBeSavedLeavesNoFile) {
  Dialogs.ExpectSave(FileIn("NEW.QWT"));
  RunFailing([this] { Form.Button1Click(); }, Dir.File("NEW.QWT"));
}

// The answer Yes to overwriting must not cost the old test when the new one
// cannot be saved.
TEST_P(ShellWriteFaultTest, ANewTestThatCannotReplaceAnOldOneLeavesTheOldOne) {
  Dialogs.ExpectSave(FileIn("OLD.QWT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                        QStringLiteral("A test file with that name exists!\rOverwrite existing test file?"),
                        TButton::Yes);
  RunFailing([this] { Form.Button1Click(); }, Dir.File("OLD.QWT"));
}

TEST_P(ShellWriteFaultTest, ConversionsThatCannotSaveShowNoClosingMessage) {
  Dialogs.ExpectOpen(FileIn("OLD.QWT"));
  Dialogs.ExpectSave(FileIn("OLD.TXT"));
  ExpectConversionInto("OLD.TXT");
  RunFailing([this] { Form.DecryptTestIntoTextFile1Click(); }, Dir.File("OLD.TXT"));

  Dialogs.ExpectOpen(FileIn("OLD.TXT"));
  Dialogs.ExpectSave(FileIn("OLD.QWT"));
  ExpectConversionInto("OLD.QWT");
  RunFailing([this] { Form.EncryptRawTestFile1Click(); }, Dir.File("OLD.QWT"));
}

INSTANTIATE_TEST_SUITE_P(EachStep, ShellWriteFaultTest, testing::ValuesIn(AllSteps),
                         [](const testing::TestParamInfo<TStep>& info) { return StepName(info.param); });
