// What the main window makes of files that are not tests, or stop being tests
// while it runs: each gets its message, none crashes or hangs the window, and
// none is changed.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "ui/platform/QtText.h"
#include "ui/maker/MainForm.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/IoErrorText.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

const QString Notice = QStringLiteral("This is the Instructor Test Maker.\rDo not distribute with Quizwell.");
const QString NoTests = QStringLiteral(
    "Did not find any tests.\rAll tests (*.QWT) should be in the same folder as this program.");
const QString NotATest =
    QStringLiteral("Could not read test description.\rTest is not valid manually edit or delete.");
const QString NotLoaded = QStringLiteral("Test is not loaded. Create a new test or load an existing one.");

std::string TestBytes(const std::string& description) {
  return "[SETTINGS]\r\nDESC=" + Encrypt(description) + "\r\n\r\n";
}

std::string Noise(size_t size) {
  std::mt19937 generator(11);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

class ShellBadInputTest : public ::testing::Test {
protected:
  QString FileIn(const std::string& name) const { return FromPath(Dir.File(name)); }

  void Start() {
    Form.show();
    QTRY_VERIFY(Dialogs.AllUsed());
    QTRY_VERIFY(!Form.findChild<QTimer*>(QStringLiteral("StartTimer"))->isActive());
  }

  QStringList Items() const {
    auto* combo = Form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    QStringList items;
    for (int i = 1; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
  }

  // Picks list item index the way the instructor does.
  void Pick(int index) {
    auto* combo = Form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(index, 0)).center());
    QTRY_VERIFY(!view->isVisible());
  }

  QString Status() const { return Form.findChild<QLabel*>(QStringLiteral("Panel6"))->text(); }

  TTempDir Dir;
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TRecordingShell Shell;
  TMainForm Form{FromPath(Dir.Path().string()), Dialogs, Help, Shell};
};

}  // namespace

TEST_F(ShellBadInputTest, FilesThatAreNoTestsAreRefusedByLoadTest) {
  using namespace std::string_literals;
  WriteBytes(Dir.File("EMPTY.QWT"), "");
  WriteBytes(Dir.File("BINARY.QWT"), Noise(64 * 1024));
  WriteBytes(Dir.File("NUL.QWT"), "\0\0\0[SETTINGS]\0\r\nDESC\0=41\r\n"s);
  WriteBytes(Dir.File("LINE.QWT"), "[NOTES]\r\nN=" + std::string(10 * 1024 * 1024, 'n') + "\r\n");
  {
    // 100 MB of lines that never name a description: read to the end, in bounded time.
    std::ofstream huge(Dir.File("HUGE.QWT"), std::ios::binary);
    const std::string line = "[SETTINGS ]\r\nDESC =" + std::string(1000, 'x') + "\r\n";
    for (size_t written = 0; written < 100u * 1024 * 1024; written += line.size()) huge << line;
  }
  ASSERT_GE(fs::file_size(Dir.File("HUGE.QWT")), 100u * 1024 * 1024);
  WriteBytes(Dir.File("notes"), "a file, so nothing can lie inside it");
  const std::vector<std::string> names = {"EMPTY.QWT", "BINARY.QWT", "NUL.QWT",
                                          "LINE.QWT",  "HUGE.QWT",   "notes/INSIDE.QWT"};
  std::map<std::string, uintmax_t> sizes;
  for (const auto& name : names)
    if (fs::exists(Dir.File(name))) sizes[name] = fs::file_size(Dir.File(name));

  WriteBytes(Dir.File("GOOD.QWT"), TestBytes("Good"));
  for (const auto& name : names) {
    Dialogs.ExpectOpen(FileIn("GOOD.QWT"));
    Form.Button2Click();
    ASSERT_EQ(Status(), "Good (GOOD.QWT)");
    Dialogs.ExpectOpen(FileIn(name));
    Dialogs.ExpectMessage(TMessageKind::Error, NotATest);
    Form.Button2Click();
    EXPECT_EQ(Status(), NotLoaded) << name;
    EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty()) << name;
  }
  for (const auto& [name, size] : sizes) EXPECT_EQ(fs::file_size(Dir.File(name)), size) << name;
  fs::remove(Dir.File("HUGE.QWT"));
}

TEST_F(ShellBadInputTest, TheCatalogueListsOnlyTestsAndNamesTheCorruptOnes) {
  using namespace std::string_literals;
  WriteBytes(Dir.File("A-EMPTY.QWT"), "");
  WriteBytes(Dir.File("B-BINARY.QWT"), Noise(64 * 1024));
  WriteBytes(Dir.File("C-GOOD.QWT"), TestBytes("Chapter 3"));
  WriteBytes(Dir.File("D-NUL.QWT"), "[SETTINGS]\r\nDESC=0A\0B\r\n"s);
  fs::create_directory(Dir.File("E-FOLDER.QWT"));
  WriteBytes(Dir.File("F-LONG.QWT"),
             "[SETTINGS]\r\nNOTE=" + std::string(10 * 1024 * 1024, 'n') + "\r\nDESC=" + Encrypt("Long") + "\r\n");

  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Dialogs.ExpectMessage(TMessageKind::Information, "The test file: " + FileIn("D-NUL.QWT") +
                                                       "\ris corrupt and can not be decoded.\rIt will not be loaded.");
  // The description lies in the first section: a file without it in its
  // first megabyte is no test, and is not read to its end.
  Start();
  EXPECT_EQ(Items(), (QStringList{"3: Chapter 3"}));
}

TEST_F(ShellBadInputTest, ATestThatVanishesOrBecomesAFolderBeforeItIsPickedIsNotLoaded) {
  WriteBytes(Dir.File("A.QWT"), TestBytes("Alpha"));
  WriteBytes(Dir.File("B.QWT"), TestBytes("Beta"));
  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Start();
  fs::remove(Dir.File("A.QWT"));
  fs::remove(Dir.File("B.QWT"));
  fs::create_directory(Dir.File("B.QWT"));

  for (const int item : {1, 2}) {
    const std::string name = item == 1 ? "A.QWT" : "B.QWT";
    Dialogs.ExpectMessage(TMessageKind::Information, "The test named " + FileIn(name) +
                                                         " was not found!\rPlease try again or reinstall software.");
    Pick(item);
    EXPECT_EQ(Status(), NotLoaded);
  }
  EXPECT_TRUE(fs::is_directory(Dir.File("B.QWT")));
}

TEST_F(ShellBadInputTest, ATestThatCannotBeReadOnceLoadedKeepsTheEditorsClosed) {
  WriteBytes(Dir.File("A.QWT"), TestBytes("Alpha"));
  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Start();
  Pick(1);
  fs::remove(Dir.File("A.QWT"));
  fs::create_directory(Dir.File("A.QWT"));
  const std::string reason = IoErrorText([&] {
    TIniStore store(Dir.File("A.QWT"));
  });
  ASSERT_FALSE(reason.empty());

  // Each window reports the file once and closes without writing anything.
  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(reason));
  Form.Button4Click();
  EXPECT_TRUE(Dialogs.AllUsed());
  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(reason));
  Dialogs.ExpectMessage(TMessageKind::Information, NoTests);  // the rescan after the settings dialog
  Form.Button3Click();
  QTRY_VERIFY(Dialogs.AllUsed());
  EXPECT_TRUE(fs::is_directory(Dir.File("A.QWT")));
  EXPECT_TRUE(fs::is_empty(Dir.File("A.QWT")));
  EXPECT_EQ(Form.Globals.CurrentTestPath, FileIn("A.QWT"));
}
