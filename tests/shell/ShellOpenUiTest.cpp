#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QSignalSpy>
#include <QUrl>

#include "shell/ShellOpen.h"
#include "shell/StandInProgram.h"
#include "support/TempDir.h"

namespace {

// Takes the place of the desktop's browser and document viewer, so the tests
// see what would be opened and nothing opens.
class TDesktopStandIn : public QObject {
  Q_OBJECT

 public:
  TDesktopStandIn() {
    for (const char* scheme : {"file", "http", "https", "mailto"})
      QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "Open");
  }
  ~TDesktopStandIn() override {
    for (const char* scheme : {"file", "http", "https", "mailto"})
      QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
  }
  Q_INVOKABLE void Open(const QUrl& url) { Opened.append(url); }
  QList<QUrl> Opened;
};

class ShellOpen : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return QString::fromStdString(Dir.File(name.toStdString())); }
  QString Folder() const { return QString::fromStdString(Dir.Path().string()); }

  TTempDir Dir;
  TDesktopStandIn Desktop;
  TDesktopShellOpen Shell;
};

TEST_F(ShellOpen, StartsAProgramInItsOwnFolderWithItsParametersAndDoesNotWait) {
  StandIn::WriteProgram(Path("QWTEST.EXE"), Path("mark"), Path("go"));
  const int result =
      Shell.ExecuteFile(Path("QWTEST.EXE"), QStringLiteral("one \"two words\" three"), QString(), SW_SHOW);
  EXPECT_GT(result, 32);
  EXPECT_FALSE(QFile::exists(Path("mark")));  // still waiting for its go
  WriteBytes(Dir.File("go"), "");
  EXPECT_EQ(
      StandIn::WaitForMark(Path("mark")),
      QStringList({Folder(), QStringLiteral("one"), QStringLiteral("two words"), QStringLiteral("three")}));
  EXPECT_TRUE(Desktop.Opened.isEmpty());
}

TEST_F(ShellOpen, StartsAProgramInTheFolderGivenAndFindsARelativeNameThere) {
  QDir().mkpath(Path("work"));
  StandIn::WriteProgram(Path("work/QWTEST.EXE"), Path("mark"));
  EXPECT_GT(Shell.ExecuteFile(QStringLiteral("QWTEST.EXE"), QString(), Path("work"), SW_SHOW), 32);
  EXPECT_EQ(StandIn::WaitForMark(Path("mark")), QStringList({Path("work")}));
}

TEST_F(ShellOpen, PassesLongNamesAndParametersWhole) {
  const QString folder = StandIn::DeepFolder(Folder(), 200);
  const QString program = folder + QStringLiteral("/QWTEST.EXE");
  const QString parameter(300, QLatin1Char('p'));
  StandIn::WriteProgram(program, Path("mark"));
  ASSERT_GT(program.size(), 80);

  EXPECT_GT(Shell.ExecuteFile(program, parameter, QString(), SW_SHOW), 32);
  EXPECT_EQ(StandIn::WaitForMark(Path("mark")), QStringList({folder, parameter}));

  const QString address = QStringLiteral("https://example.org/") + QString(120, QLatin1Char('x'));
  EXPECT_GT(Shell.ExecuteFile(address, QString(), QString(), SW_SHOW), 32);
  EXPECT_EQ(Desktop.Opened, QList<QUrl>({QUrl(address)}));
}

TEST_F(ShellOpen, HandsDocumentsAndWebAddressesToTheDesktop) {
  WriteBytes(Dir.File("home.html"), "<html></html>");
  WriteBytes(Dir.File("notes.txt"), "notes");
  QDir().mkpath(Path("media"));

  EXPECT_GT(Shell.ExecuteFile(Path("home.html"), QString(), QString(), SW_SHOW), 32);
  EXPECT_GT(Shell.ExecuteFile(QStringLiteral("notes.txt"), QString(), Folder(), SW_SHOW), 32);
  EXPECT_GT(Shell.ExecuteFile(Path("media"), QString(), QString(), SW_SHOW), 32);
  EXPECT_GT(
      Shell.ExecuteFile(QStringLiteral("https://example.org/tips?page=2"), QString(), QString(), SW_SHOW),
      32);
  EXPECT_GT(Shell.ExecuteFile(QStringLiteral("mailto:office@example.org"), QString(), QString(), SW_SHOW),
            32);
  EXPECT_EQ(Desktop.Opened,
            QList<QUrl>({QUrl::fromLocalFile(Path("home.html")), QUrl::fromLocalFile(Path("notes.txt")),
                         QUrl::fromLocalFile(Path("media")),
                         QUrl(QStringLiteral("https://example.org/tips?page=2")),
                         QUrl(QStringLiteral("mailto:office@example.org"))}));
}

TEST_F(ShellOpen, ReportsWhatCannotBeOpenedWithoutStartingAnything) {
  StandIn::WriteBrokenProgram(Path("BROKEN.EXE"));
  StandIn::WriteProgram(Path("QWTEST.EXE"), Path("mark"));

  EXPECT_EQ(Shell.ExecuteFile(Path("MISSING.EXE"), QString(), QString(), SW_SHOW),
            TDesktopShellOpen::FileNotFound);
  EXPECT_EQ(Shell.ExecuteFile(QString(), QString(), QString(), SW_SHOW), TDesktopShellOpen::FileNotFound);
  EXPECT_EQ(Shell.ExecuteFile(QStringLiteral("QWTEST.EXE"), QString(), Path("elsewhere"), SW_SHOW),
            TDesktopShellOpen::FileNotFound);
  EXPECT_LE(Shell.ExecuteFile(Path("BROKEN.EXE"), QString(), QString(), SW_SHOW), 32);
  // A working folder that does not exist keeps the program from starting.
  EXPECT_LE(Shell.ExecuteFile(Path("QWTEST.EXE"), QString(), Path("elsewhere"), SW_SHOW), 32);
  EXPECT_TRUE(Desktop.Opened.isEmpty());
  EXPECT_FALSE(QFile::exists(Path("mark")));
}

}  // namespace

#include "ShellOpenUiTest.moc"
