#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenu>

#include "support/ScriptedDialogs.h"
#include "support/StandInProgram.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"

namespace {

const QString EngineQuestion =
    QStringLiteral("QWTEST.EXE not found in current folder.\rWould you like to find and run it?");

// The engine launch of the main window on this desktop: stand-in engines are
// really started, and the maker's dialogs are scripted.
class EngineLaunch : public ::testing::Test {
protected:
  QString Folder() const { return FromPath(Dir.Path().string()); }
  QString InFolder(const QString& name) const { return Folder() + QLatin1Char('/') + name; }
  QString Elsewhere(const QString& name) const {
    return FromPath(Other.Path().string()) + QLatin1Char('/') + name;
  }

  void Launch(TMainForm& form) { Trigger(form, "LaunchQuizwellClient1"); }

  TTempDir Dir;
  TTempDir Other;  // marks and engines outside the maker's folder
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TDesktopShellOpen Shell;
  TMainForm Form{Folder(), Dialogs, Help, Shell};
};

TEST_F(EngineLaunch, TheEngineBesideTheMakerStartsInThatFolderWithoutAQuestionWhateverItsCase) {
  for (const QString& name :
       {QStringLiteral("QWTEST.EXE"), QStringLiteral("qwtest.exe"), QStringLiteral("QwTest.Exe")}) {
    SCOPED_TRACE(name.toStdString());
    const QString mark = Elsewhere(name + QStringLiteral(".mark"));
    StandIn::WriteProgram(InFolder(name), mark);
    Launch(Form);
    EXPECT_EQ(StandIn::WaitForMark(mark), QStringList({Folder()}));  // no arguments
    QFile::remove(InFolder(name));
  }
  EXPECT_TRUE(Dialogs.Messages.empty());
}

TEST_F(EngineLaunch, WithoutTheEngineNoStartsNothingAndYesStartsTheChosenOne) {
  StandIn::WriteProgram(Elsewhere(QStringLiteral("QWTEST.EXE")), Elsewhere(QStringLiteral("mark")));

  Dialogs.ExpectMessage(TMessageKind::Confirmation, EngineQuestion, TButton::No);
  Launch(Form);
  EXPECT_TRUE(Dialogs.AllUsed());
  EXPECT_TRUE(Dialogs.Files.empty());

  Dialogs.ExpectMessage(TMessageKind::Confirmation, EngineQuestion, TButton::Yes);
  Dialogs.ExpectOpen(Elsewhere(QStringLiteral("QWTEST.EXE")));
  Launch(Form);
  EXPECT_EQ(StandIn::WaitForMark(Elsewhere(QStringLiteral("mark"))),
            QStringList({FromPath(Other.Path().string())}));
}

TEST_F(EngineLaunch, AnEngineThatDoesNotRunIsSaidToAndSoIsAChosenOne) {
  StandIn::WriteBrokenProgram(InFolder(QStringLiteral("QWTEST.EXE")));
  StandIn::WriteBrokenProgram(Elsewhere(QStringLiteral("BROKEN.EXE")));
  const QString cannotStart = QStringLiteral(
      "QWTEST.EXE in current folder cannot be started: Exec format error.\rWould you like to find and run "
      "another?");

  Dialogs.ExpectMessage(TMessageKind::Confirmation, cannotStart, TButton::Yes);
  Dialogs.ExpectOpen(Elsewhere(QStringLiteral("BROKEN.EXE")));
  Dialogs.ExpectMessage(TMessageKind::Error, Elsewhere(QStringLiteral("BROKEN.EXE")) +
                                                 QStringLiteral(" cannot be started: Exec format error."));
  Launch(Form);

  Dialogs.ExpectMessage(TMessageKind::Confirmation, cannotStart, TButton::Yes);
  Dialogs.ExpectOpen(Elsewhere(QStringLiteral("GONE.EXE")));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        Elsewhere(QStringLiteral("GONE.EXE")) + QStringLiteral(" was not found."));
  Launch(Form);
  EXPECT_TRUE(Dialogs.AllUsed());
}

TEST_F(EngineLaunch, AnEnginePathOfMoreThan80CharactersIsUsedWhole) {
  const QString deep = StandIn::DeepFolder(Folder(), 120);
  const QString engine = deep + QStringLiteral("/QWTEST.EXE");
  ASSERT_GT(engine.size(), 80);

  TRecordingShell recording;
  TMainForm recorded(deep, Dialogs, Help, recording);
  Launch(recorded);
  ASSERT_EQ(recording.Calls.size(), 1u);
  EXPECT_EQ(recording.Calls[0].FileName, engine);

  StandIn::WriteProgram(engine, Elsewhere(QStringLiteral("mark")));
  TMainForm started(deep, Dialogs, Help, Shell);
  Launch(started);
  EXPECT_EQ(StandIn::WaitForMark(Elsewhere(QStringLiteral("mark"))), QStringList({deep}));
}

TEST(WebLinks, EveryLinkOpensAPageBundledWithTheProgram) {
  TTempDir dir;
  TScriptedDialogs dialogs;
  TRecordingHelp help;
  TRecordingShell shell;
  TMainForm form(FromPath(dir.Path().string()), dialogs, help, shell);
  const QMenu* links = Child<QMenu>(form, "WebLinks1");
  ASSERT_EQ(links->actions().size(), 4);

  const QDir bundled(FromPath(TestDataPath("../../help/web")));
  for (QAction* link : links->actions()) {
    link->trigger();
    const QString page = QFileInfo(shell.Calls.back().FileName).fileName();
    EXPECT_TRUE(bundled.exists(page)) << page.toStdString() << " is not among the bundled pages";
  }
}

}  // namespace
