// Every window's saves failing at each step of the write: one error box per
// attempt and nothing else, the folder as it was, the window still holding
// what was to be saved, and, where the window stays open, a save once the
// fault is gone writes it all.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/model/ClientConfig.h"
#include "core/model/TestSettings.h"
#include "support/InjectedFault.h"
#include "support/Questions.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/EditorFixture.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/NoteForm.h"
#include "ui/maker/SettingsForm.h"

namespace {

using AtomicFileFaults::TStep;

class WriteFaultTest;

struct TWindowCase {
  const char* Name;
  // Opens the window with a change made; returns the file its save writes.
  std::function<std::string(WriteFaultTest&)> Open;
  // Queues the questions a save asks before it writes; none when empty.
  std::function<void(WriteFaultTest&)> Questions;
  // The saves tried while the fault is in place.
  std::vector<std::function<void(WriteFaultTest&)>> Saves;
  // What must hold after the failed saves.
  std::function<void(WriteFaultTest&)> Kept;
  // Saves once more without the fault and checks the file; none where a failed save ends the command.
  std::function<void(WriteFaultTest&)> Retry;
};

class WriteFaultTest : public EditorFixture,
                       public testing::WithParamInterface<std::tuple<TWindowCase, TStep>> {
public:
  static std::vector<TWindowCase> Cases();

protected:
  QString FileIn(const char* name) const { return FromPath(Dir.File(name)); }

  // The main window with OLD.QWT loaded, and OLD.TXT beside it.
  std::string OpenMain(const std::string& written) {
    WriteBytes(Dir.File("OLD.QWT"), "[SETTINGS]\r\nDESC=" + Encrypt("Old test") +
                                        "\r\n\r\n[QA1]\r\nQUESTION=" + Encrypt("Still there?") + "\r\n\r\n");
    WriteBytes(Dir.File("OLD.TXT"),
               "[SETTINGS]\r\nDESC=Old text\r\n\r\n[QA1]\r\nQUESTION=Plain question\r\n\r\n");
    Main = std::make_unique<TMainForm>(FromPath(Dir.Path().string()), Dialogs, Help, Shell);
    Main->SetTestLoaded("1: Old test (OLD.QWT)", FileIn("OLD.QWT"));
    return Dir.File(written);
  }
  void MainKept() {
    EXPECT_FALSE(Child<QTimer>(*Main, "StartTimer")->isActive()) << "nothing to rescan";
    EXPECT_EQ(Child<QLabel>(*Main, "Panel6")->text(), "1: Old test (OLD.QWT)");
    EXPECT_EQ(Main->Globals.CurrentTestPath, FileIn("OLD.QWT"));
  }
  // Both conversions go into files that exist, so each asks first.
  void ConversionInto(const char* source, const char* target) {
    Dialogs.ExpectOpen(FileIn(source));
    Dialogs.ExpectSave(FileIn(target));
    Dialogs.ExpectMessage(
        TMessageKind::RiskyConfirmation,
        "The file " + FileIn(target) + " exists.\rConvert into it, replacing the values it holds?",
        TButton::Yes);
  }

  // A settings dialog open on its file with one change made.
  template <class T>
  void OpenDialog() {
    Globals.CurrentTestPath = FromPath(Dir.File("TEST.QWT"));
    Dialog = std::make_unique<T>(Globals);
    Dialog->show();
  }
  void DialogKept() {
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_TRUE(Child<QPushButton>(*Dialog, "ApplyButton")->isEnabled());
  }
  void Applied() {
    Click(*Dialog, "ApplyButton");
    EXPECT_FALSE(Child<QPushButton>(*Dialog, "ApplyButton")->isEnabled());
  }

  std::unique_ptr<TMainForm> Main;
  std::unique_ptr<QDialog> Dialog;
  const QString SavedAsk = QStringLiteral("Changes saved. Would you like to continue editing?");
};

std::vector<TWindowCase> WriteFaultTest::Cases() {
  using T = WriteFaultTest;
  const auto newTest = [](T& t) { t.Main->NewTest(); };
  return {
      {"NewTest",
       [](T& t) { return t.OpenMain("NEW.QWT"); },
       [](T& t) { t.Dialogs.ExpectSave(t.FileIn("NEW.QWT")); },
       {newTest},
       &T::MainKept,
       nullptr},
      // The answer Yes to overwriting must not cost the old test when the new one cannot be saved.
      {"NewTestOverAnOldOne",
       [](T& t) { return t.OpenMain("OLD.QWT"); },
       [](T& t) {
         t.Dialogs.ExpectSave(t.FileIn("OLD.QWT"));
         t.Dialogs.ExpectMessage(
             TMessageKind::RiskyConfirmation,
             QStringLiteral("A test file with that name exists!\rOverwrite existing test file?"),
             TButton::Yes);
       },
       {newTest},
       &T::MainKept,
       nullptr},
      {"DecryptIntoText",
       [](T& t) { return t.OpenMain("OLD.TXT"); },
       [](T& t) { t.ConversionInto("OLD.QWT", "OLD.TXT"); },
       {[](T& t) { t.Main->DecryptTestIntoTextFile1Click(); }},
       &T::MainKept,
       nullptr},
      {"EncryptIntoTest",
       [](T& t) { return t.OpenMain("OLD.QWT"); },
       [](T& t) { t.ConversionInto("OLD.TXT", "OLD.QWT"); },
       {[](T& t) { t.Main->EncryptRawTestFile1Click(); }},
       &T::MainKept,
       nullptr},
      {"Editor",
       [](T& t) {
         const std::string path = t.WriteTest(Questions(2));
         t.OpenEditor(path);
         Child<QPlainTextEdit>(*t.Editor, "QuestionLabel")->setPlainText("Edited");
         Click(*t.Editor, "AddNewButton");
         Child<QPlainTextEdit>(*t.Editor, "QuestionLabel")->setPlainText("Added");
         return path;
       },
       nullptr,
       {[](T& t) { Click(*t.Editor, "SaveButton"); }},
       [](T& t) {
         EXPECT_TRUE(t.Editor->isVisible());
         EXPECT_TRUE(t.Editor->findChildren<TNoteForm*>().isEmpty());
         EXPECT_EQ(t.Set->QuestionCount, 3);
         EXPECT_EQ(t.Set->Slot(1).Question, "Edited");
         EXPECT_EQ(t.Set->Slot(3).Question, "Added");
         EXPECT_EQ(t.Editor->windowTitle(), "Review - Question 3 of 3");
         EXPECT_EQ(Child<QPlainTextEdit>(*t.Editor, "QuestionLabel")->toPlainText(), "Added");
       },
       [](T& t) {
         t.Dialogs.ExpectMessage(TMessageKind::Confirmation, t.SavedAsk, TButton::Yes);
         Click(*t.Editor, "SaveButton");
         const auto saved = Reload(t.Dir.File("TEST.QWT"));
         EXPECT_EQ(saved->QuestionCount, 3);
         EXPECT_EQ(saved->Slot(1).Question, "Edited");
         EXPECT_EQ(saved->Slot(3).Question, "Added");
       }},
      // OK applies too, and stays open when it cannot.
      {"TestSettings",
       [](T& t) {
         const std::string path = t.WriteTest({MakeQuestion("Kept?")});
         t.OpenDialog<TSettingsForm>();
         Child<QLineEdit>(*t.Dialog, "Edit1")->setText("Renamed");
         return path;
       },
       nullptr,
       {[](T& t) { Click(*t.Dialog, "ApplyButton"); }, [](T& t) { Click(*t.Dialog, "Button1"); }},
       [](T& t) {
         t.DialogKept();
         EXPECT_EQ(Child<QLineEdit>(*t.Dialog, "Edit1")->text(), "Renamed");
       },
       [](T& t) {
         t.Applied();
         EXPECT_EQ(LoadTestSettings(t.Dir.File("TEST.QWT")).Description, "Renamed");
         EXPECT_EQ(Reload(t.Dir.File("TEST.QWT"))->Slot(1).Question, "Kept?");
       }},
      {"EngineConfiguration",
       [](T& t) {
         const std::string path = t.Dir.File("qwtest.cfg");
         WriteBytes(path,
                    "[SETTINGS]\r\nLOGO=\r\nCUSTOMABOUT=0\r\nFULLSCREEN=0\r\n\r\n[EXTRA]\r\nkept=1\r\n\r\n");
         t.OpenDialog<TClientForm>();
         Click(*t.Dialog, "CheckBox1");
         EXPECT_TRUE(Child<QCheckBox>(*t.Dialog, "CheckBox1")->isChecked());
         return path;
       },
       nullptr,
       {[](T& t) { Click(*t.Dialog, "ApplyButton"); }, [](T& t) { Click(*t.Dialog, "Button1"); }},
       [](T& t) {
         t.DialogKept();
         EXPECT_TRUE(Child<QCheckBox>(*t.Dialog, "CheckBox1")->isChecked());
       },
       [](T& t) {
         t.Applied();
         const std::string path = t.Dir.File("qwtest.cfg");
         EXPECT_TRUE(LoadClientConfig(path).FullScreen);
         EXPECT_EQ(TIniStore(path).ReadString("EXTRA", "kept", {}), "1");
       }},
  };
}

}  // namespace

TEST_P(WriteFaultTest, AFailedSaveIsReportedOnceAndLosesNothing) {
  const auto& [window, step] = GetParam();
  const std::string path = window.Open(*this);
  const auto before = FolderSnapshot(Dir.Path());
  for (const auto& save : window.Saves) {
    TInjectedFault fault(step);
    if (window.Questions) window.Questions(*this);
    Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(FaultText(step, path)));
    save(*this);
    EXPECT_TRUE(Dialogs.AllUsed());
  }
  EXPECT_EQ(FolderSnapshot(Dir.Path()), before) << "a failed save changed the folder";
  window.Kept(*this);
  if (window.Retry) window.Retry(*this);
}

INSTANTIATE_TEST_SUITE_P(EachWindowAndStep, WriteFaultTest,
                         testing::Combine(testing::ValuesIn(WriteFaultTest::Cases()),
                                          testing::ValuesIn(AllSteps)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).Name) + "_" +
                                  StepName(std::get<1>(info.param));
                         });
