#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/model/TestCatalogue.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

void WriteTest(const TTempDir& dir, const std::string& name, const std::string& description) {
  WriteBytes(dir.File(name),
             "[SETTINGS]\r\nDESC=" + Encrypt(description) + "\r\nTIME=" + Encrypt("0") + "\r\n\r\n");
}

void WriteUndecodable(const TTempDir& dir, const std::string& name) {
  WriteBytes(dir.File(name), "[SETTINGS]\r\nDESC=Plain words, not a cipher text\r\n\r\n");
}

// Records every event of a scan in order.
struct TScanLog {
  std::vector<std::string> Events;
  TCatalogueEvents Handlers() {
    TCatalogueEvents events;
    events.OnUndecodable = [this](const std::string& path) { Events.push_back("undecodable " + path); };
    events.OnUnreadable = [this](const std::string& path, const std::string& reason) {
      Events.push_back("unreadable " + path + (reason.empty() ? " without reason" : ""));
    };
    events.OnTooMany = [this](int notListed) { Events.push_back("too many " + std::to_string(notListed)); };
    return events;
  }
};

// A fresh folder and a catalogue of it, not yet scanned.
class TestCatalogueScan : public testing::Test {
protected:
  TTempDir Dir;
  TestCatalogue Catalogue{Dir.Path().string()};
};

class TestCatalogueSelect : public TestCatalogueScan {};

}  // namespace

TEST_F(TestCatalogueScan, ListsTestsOfAnyExtensionCaseInFileNameOrder) {
  WriteTest(Dir, "b.qwt", "Beta");
  WriteTest(Dir, "A.QWT", "Alpha");
  WriteTest(Dir, "c.Qwt", "Gamma: with a colon");
  WriteTest(Dir, "notes.txt", "Not a test name");
  WriteTest(Dir, "d.QWTX", "Not a test name either");
  WriteTest(Dir, "QWT", "No extension at all");

  TScanLog log;
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), 3);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(Catalogue.Entry(1).FileName, "A.QWT");
  EXPECT_EQ(Catalogue.Entry(2).FileName, "b.qwt");
  EXPECT_EQ(Catalogue.Entry(3).FileName, "c.Qwt");
  EXPECT_EQ(Catalogue.Entry(4).FileName, "");
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: Alpha", "2: Beta", "3: Gamma: with a colon"}));
}

TEST_F(TestCatalogueScan, NamesDifferingOnlyInCaseKeepAStableOrder) {
  WriteTest(Dir, "quiz.qwt", "lower");
  WriteTest(Dir, "QUIZ.QWT", "upper");
  WriteTest(Dir, "Quiz.Qwt", "mixed");
  Catalogue.Scan();
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: upper", "2: mixed", "3: lower"}));
}

TEST_F(TestCatalogueScan, UndecodableFileIsReportedBeforeTheNextFileIsRead) {
  WriteTest(Dir, "1.QWT", "First");
  WriteUndecodable(Dir, "2.QWT");
  WriteTest(Dir, "3.QWT", "Third as it was");

  std::vector<std::string> reported;
  TCatalogueEvents events;
  events.OnUndecodable = [&](const std::string& path) {
    reported.push_back(path);
    // What the third file holds once the report is dismissed is what the scan lists.
    WriteTest(Dir, "3.QWT", "Third after the report");
  };
  EXPECT_EQ(Catalogue.Scan(events), 2);
  EXPECT_EQ(reported, std::vector<std::string>{Dir.Path().string() + "/2.QWT"});
  EXPECT_EQ(Catalogue.Entry(2).FileName, "2.QWT");
  EXPECT_EQ(Catalogue.Entry(2).Description, "");
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: First", "3: Third after the report"}));
}

TEST_F(TestCatalogueScan, FilesWithoutDescriptionAreSilentlyNotListed) {
  WriteBytes(Dir.File("NOSET.QWT"), "[OTHER]\r\nDESC=" + Encrypt("Elsewhere") + "\r\n");
  WriteBytes(Dir.File("EMPTY.QWT"), "[SETTINGS]\r\nDESC=\r\n");
  WriteBytes(Dir.File("ZERO.QWT"), "");
  WriteBytes(Dir.File("BINARY.QWT"), std::string("\0\x01\x02\xff[SETTINGS", 13));

  TScanLog log;
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), 0);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_TRUE(Catalogue.Items().empty());
}

TEST_F(TestCatalogueScan, FoldersPipesAndBrokenLinksNamedLikeTestsAreSkipped) {
  fs::create_directory(Dir.File("FOLDER.QWT"));
  WriteTest(Dir, "FOLDER.QWT/INSIDE.QWT", "Inside a folder");
  ASSERT_EQ(::mkfifo(Dir.File("PIPE.QWT").c_str(), 0600), 0);
  fs::create_symlink(Dir.File("GONE.QWT"), Dir.File("BROKEN.QWT"));
  WriteTest(Dir, "REAL.QWT", "Real");
  fs::create_symlink(Dir.File("REAL.QWT"), Dir.File("LINK.QWT"));

  TScanLog log;
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), 2);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: Real", "2: Real"}));
  EXPECT_EQ(Catalogue.Entry(1).FileName, "LINK.QWT");
}

TEST_F(TestCatalogueScan, UnreadableFileIsReportedAndTheScanGoesOn) {
  WriteTest(Dir, "A.QWT", "Before");
  // A regular file that no one can read, root included: the process's own
  // memory at address 0.
  fs::create_symlink("/proc/self/mem", Dir.File("B.QWT"));
  WriteTest(Dir, "C.QWT", "After");

  TScanLog log;
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), 2);
  EXPECT_EQ(log.Events, std::vector<std::string>{"unreadable " + Dir.File("B.QWT")});
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: Before", "3: After"}));
}

TEST_F(TestCatalogueScan, RescanEmptiesEntriesOfRemovedFiles) {
  WriteTest(Dir, "A.QWT", "Alpha");
  WriteTest(Dir, "B.QWT", "Beta");
  WriteTest(Dir, "C.QWT", "Gamma");
  Catalogue.Scan();
  fs::remove(Dir.File("A.QWT"));

  EXPECT_EQ(Catalogue.Scan(), 2);
  EXPECT_EQ(Catalogue.Items(), (std::vector<std::string>{"1: Beta", "2: Gamma"}));
  EXPECT_EQ(Catalogue.Entry(3).FileName, "");
  EXPECT_EQ(Catalogue.Select("3: Gamma").Kind, TSelection::NoFileName);
}

TEST_F(TestCatalogueScan, MoreThanMaxTestsListsTheFirstAndReportsTheRestOnce) {
  for (int i = 1; i <= MaxTests + 3; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "T%03d.QWT", i);
    WriteTest(Dir, name, "Test " + std::to_string(i));
  }
  TScanLog log;
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), MaxTests);
  EXPECT_EQ(log.Events, std::vector<std::string>{"too many 3"});
  EXPECT_EQ(Catalogue.Entry(MaxTests).FileName, "T100.QWT");
  EXPECT_EQ(Catalogue.Items().back(), "100: Test 100");

  fs::remove(Dir.File("T101.QWT"));
  fs::remove(Dir.File("T102.QWT"));
  fs::remove(Dir.File("T103.QWT"));
  log.Events.clear();
  EXPECT_EQ(Catalogue.Scan(log.Handlers()), MaxTests);
  EXPECT_TRUE(log.Events.empty());
}

TEST_F(TestCatalogueScan, FolderThatCannotBeListedThrowsAndLeavesNoEntries) {
  const std::string folder = Dir.File("tests");
  fs::create_directory(folder);
  WriteBytes(folder + "/A.QWT", "[SETTINGS]\r\nDESC=" + Encrypt("Alpha") + "\r\n");
  TestCatalogue catalogue(folder);
  ASSERT_EQ(catalogue.Scan(), 1);
  fs::remove_all(folder);

  EXPECT_THROW(catalogue.Scan(), TIoError);
  EXPECT_TRUE(catalogue.Items().empty());
  EXPECT_EQ(catalogue.Select("1: Alpha").Kind, TSelection::NoFileName);
}

TEST_F(TestCatalogueSelect, ReadsTheEntryNumberBeforeTheFirstColon) {
  WriteTest(Dir, "A.QWT", "Alpha");
  WriteTest(Dir, "B.QWT", "Beta: part 2");
  Catalogue.Scan();

  for (const std::string_view item : {"2: Beta: part 2", "  +2: anything", "2:"}) {
    const TSelection selection = Catalogue.Select(item);
    EXPECT_EQ(selection.Kind, TSelection::Found) << item;
    EXPECT_EQ(selection.Number, 2) << item;
    EXPECT_EQ(selection.Path, Dir.File("B.QWT")) << item;
  }
  EXPECT_EQ(Catalogue.Select("Please make your selection now.").Kind, TSelection::Prompt);
  for (const std::string_view item : {": Alpha", "x: Alpha", "1 : Alpha", "1x: Alpha", "+: Alpha",
                                      "+-1: Alpha", "99999999999: Alpha", "0x1: Alpha"})
    EXPECT_EQ(Catalogue.Select(item).Kind, TSelection::BadNumber) << item;
  for (const std::string_view item : {"0: Alpha", "-1: Alpha", "3: Nothing", "101: Far", "-2147483648: Min"})
    EXPECT_EQ(Catalogue.Select(item).Kind, TSelection::NoFileName) << item;
}

TEST_F(TestCatalogueSelect, AFileRemovedSinceTheScanIsMissing) {
  WriteTest(Dir, "A.QWT", "Alpha");
  Catalogue.Scan();
  fs::remove(Dir.File("A.QWT"));
  fs::create_directory(Dir.File("A.QWT"));

  const TSelection selection = Catalogue.Select("1: Alpha");
  EXPECT_EQ(selection.Kind, TSelection::Missing);
  EXPECT_EQ(selection.Path, Dir.File("A.QWT"));
}
