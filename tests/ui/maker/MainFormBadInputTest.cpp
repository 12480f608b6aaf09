// What the main window makes of files that are not tests, or stop being tests
// while it runs: each gets its message, none crashes or hangs the window, and
// none is changed.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "core/storage/IoError.h"
#include "support/IoErrorText.h"
#include "support/TempDir.h"
#include "ui/maker/MainFixture.h"

namespace fs = std::filesystem;

namespace {

std::string Noise(size_t size) {
  std::mt19937 generator(11);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

class ShellBadInputTest : public MainFixture {};

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
  WriteBytes(Dir.File("notes.txt"), "Shopping list\r\nDESC=milk\r\n");
  fs::create_directory(Dir.File("FOLDER.QWT"));
  const std::vector<std::string> names = {"EMPTY.QWT",        "BINARY.QWT", "NUL.QWT",
                                          "LINE.QWT",         "HUGE.QWT",   "notes.txt",
                                          "notes/INSIDE.QWT", "FOLDER.QWT", "absent.QWT"};
  std::map<std::string, uintmax_t> sizes;
  for (const auto& name : names)
    if (fs::is_regular_file(Dir.File(name))) sizes[name] = fs::file_size(Dir.File(name));

  WriteBytes(Dir.File("GOOD.QWT"), TestBytes("Good"));
  for (const auto& name : names) {
    Dialogs.ExpectOpen(FileIn("GOOD.QWT"));
    Form.LoadTest();
    ASSERT_EQ(Status(), "Good (GOOD.QWT)");
    Dialogs.ExpectOpen(FileIn(name));
    Dialogs.ExpectMessage(TMessageKind::Error, NotADescription);
    Form.LoadTest();
    EXPECT_EQ(Status(), NotLoaded) << name;
    EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty()) << name;
    EXPECT_FALSE(Child<QPushButton>(Form, "Button4")->isEnabled()) << name;
  }
  for (const auto& [name, size] : sizes) EXPECT_EQ(fs::file_size(Dir.File(name)), size) << name;
  EXPECT_TRUE(fs::is_empty(Dir.File("FOLDER.QWT")));
  EXPECT_FALSE(fs::exists(Dir.File("absent.QWT")));
  fs::remove(Dir.File("HUGE.QWT"));
}

TEST_F(ShellBadInputTest, TheCatalogueListsOnlyTestsAndNamesTheCorruptOnes) {
  using namespace std::string_literals;
  WriteBytes(Dir.File("A-EMPTY.QWT"), "");
  WriteBytes(Dir.File("B-BINARY.QWT"), Noise(64 * 1024));
  WriteBytes(Dir.File("C-GOOD.QWT"), TestBytes("Chapter 3"));
  WriteBytes(Dir.File("D-NUL.QWT"), "[SETTINGS]\r\nDESC=0A\0B\r\n"s);
  fs::create_directory(Dir.File("E-FOLDER.QWT"));
  WriteBytes(Dir.File("F-LONG.QWT"), "[SETTINGS]\r\nNOTE=" + std::string(10 * 1024 * 1024, 'n') +
                                         "\r\nDESC=" + Encrypt("Long") + "\r\n");

  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        "The test file: " + FileIn("D-NUL.QWT") +
                            "\ris corrupt and can not be decoded.\rIt will not be loaded.");
  // The description lies in the first section: a file without it in its
  // first megabyte is no test, and is not read to its end.
  Start();
  EXPECT_EQ(Items(), (QStringList{Prompt, "3: Chapter 3"}));
}

TEST_F(ShellBadInputTest, ATestThatVanishesOrBecomesAFolderBeforeItIsPickedIsNotLoaded) {
  WriteBytes(Dir.File("A.QWT"), TestBytes("Alpha"));
  WriteBytes(Dir.File("B.QWT"), TestBytes("Beta"));
  StartWithTests();
  fs::remove(Dir.File("A.QWT"));
  fs::remove(Dir.File("B.QWT"));
  fs::create_directory(Dir.File("B.QWT"));

  for (const int item : {1, 2}) {
    const std::string name = item == 1 ? "A.QWT" : "B.QWT";
    Dialogs.ExpectMessage(
        TMessageKind::Information,
        "The test named " + FileIn(name) + " was not found!\rPlease try again or reinstall software.");
    Pick(item);
    EXPECT_EQ(Status(), NotLoaded);
  }
  EXPECT_TRUE(fs::is_directory(Dir.File("B.QWT")));
}

// Each window opened on the loaded test reports a file it reads that can no
// longer be read once, and closes without writing anything.
struct TReaderCase {
  const char* Command;  // the button or menu command that opens the window
  const char* File;     // the file that is turned into a folder
  bool Rescans;         // the window is followed by a rescan that finds no test
};

class UnreadableFileTest : public MainFixture, public testing::WithParamInterface<TReaderCase> {};

TEST_P(UnreadableFileTest, IsReportedOnceAndLeftAsItIs) {
  WriteBytes(Dir.File("A.QWT"), TestBytes("Alpha"));
  StartWithTests();
  Pick(1);
  const std::string path = Dir.File(GetParam().File);
  fs::remove(path);
  fs::create_directory(path);
  const std::string reason = IoErrorText([&] { TIniStore store(path); });
  ASSERT_FALSE(reason.empty());

  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(reason));
  if (GetParam().Rescans) Dialogs.ExpectMessage(TMessageKind::Information, NoTests);
  if (auto* button = Form.findChild<QAbstractButton*>(GetParam().Command))
    Click(button);
  else
    Trigger(Form, GetParam().Command);
  EXPECT_TRUE(WaitUntil([this] { return Dialogs.AllUsed(); }));
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_TRUE(fs::is_empty(path));
  EXPECT_EQ(Form.Globals.CurrentTestPath, FileIn("A.QWT"));
}

INSTANTIATE_TEST_SUITE_P(Windows, UnreadableFileTest,
                         testing::Values(TReaderCase{"Button4", "A.QWT", false},
                                         TReaderCase{"Button3", "A.QWT", true},
                                         TReaderCase{"PrintTest1", "A.QWT", false},
                                         TReaderCase{"GradeAnswers1", "A.QWT", false},
                                         TReaderCase{"Button6", "qwtest.cfg", false}),
                         [](const auto& info) { return std::string(info.param.Command); });
