#include "core/test/TestCatalogue.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

}  // namespace

TEST(TestCatalogueScan, ListsTestsOfAnyExtensionCaseInFileNameOrder) {
  TTempDir dir;
  WriteTest(dir, "b.qwt", "Beta");
  WriteTest(dir, "A.QWT", "Alpha");
  WriteTest(dir, "c.Qwt", "Gamma: with a colon");
  WriteTest(dir, "notes.txt", "Not a test name");
  WriteTest(dir, "d.QWTX", "Not a test name either");
  WriteTest(dir, "QWT", "No extension at all");

  TestCatalogue catalogue(dir.Path().string());
  TScanLog log;
  EXPECT_EQ(catalogue.Scan(log.Handlers()), 3);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(catalogue.Entry(1).FileName, "A.QWT");
  EXPECT_EQ(catalogue.Entry(2).FileName, "b.qwt");
  EXPECT_EQ(catalogue.Entry(3).FileName, "c.Qwt");
  EXPECT_EQ(catalogue.Entry(4).FileName, "");
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: Alpha", "2: Beta", "3: Gamma: with a colon"}));
}

TEST(TestCatalogueScan, NamesDifferingOnlyInCaseKeepAStableOrder) {
  TTempDir dir;
  WriteTest(dir, "quiz.qwt", "lower");
  WriteTest(dir, "QUIZ.QWT", "upper");
  WriteTest(dir, "Quiz.Qwt", "mixed");
  TestCatalogue catalogue(dir.Path().string());
  catalogue.Scan();
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: upper", "2: mixed", "3: lower"}));
}

TEST(TestCatalogueScan, UndecodableFileIsReportedBeforeTheNextFileIsRead) {
  TTempDir dir;
  WriteTest(dir, "1.QWT", "First");
  WriteUndecodable(dir, "2.QWT");
  WriteTest(dir, "3.QWT", "Third as it was");

  TestCatalogue catalogue(dir.Path().string());
  std::vector<std::string> reported;
  TCatalogueEvents events;
  events.OnUndecodable = [&](const std::string& path) {
    reported.push_back(path);
    // What the third file holds once the report is dismissed is what the scan lists.
    WriteTest(dir, "3.QWT", "Third after the report");
  };
  EXPECT_EQ(catalogue.Scan(events), 2);
  EXPECT_EQ(reported, std::vector<std::string>{dir.Path().string() + "/2.QWT"});
  EXPECT_EQ(catalogue.Entry(2).FileName, "2.QWT");
  EXPECT_EQ(catalogue.Entry(2).Description, "");
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: First", "3: Third after the report"}));
}

TEST(TestCatalogueScan, FilesWithoutDescriptionAreSilentlyNotListed) {
  TTempDir dir;
  WriteBytes(dir.File("NOSET.QWT"), "[OTHER]\r\nDESC=" + Encrypt("Elsewhere") + "\r\n");
  WriteBytes(dir.File("EMPTY.QWT"), "[SETTINGS]\r\nDESC=\r\n");
  WriteBytes(dir.File("ZERO.QWT"), "");
  WriteBytes(dir.File("BINARY.QWT"), std::string("\0\x01\x02\xff[SETTINGS", 13));

  TestCatalogue catalogue(dir.Path().string());
  TScanLog log;
  EXPECT_EQ(catalogue.Scan(log.Handlers()), 0);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_TRUE(catalogue.Items().empty());
}

TEST(TestCatalogueScan, FoldersPipesAndBrokenLinksNamedLikeTestsAreSkipped) {
  TTempDir dir;
  fs::create_directory(dir.File("FOLDER.QWT"));
  WriteTest(dir, "FOLDER.QWT/INSIDE.QWT", "Inside a folder");
  ASSERT_EQ(::mkfifo(dir.File("PIPE.QWT").c_str(), 0600), 0);
  fs::create_symlink(dir.File("GONE.QWT"), dir.File("BROKEN.QWT"));
  WriteTest(dir, "REAL.QWT", "Real");
  fs::create_symlink(dir.File("REAL.QWT"), dir.File("LINK.QWT"));

  TestCatalogue catalogue(dir.Path().string());
  TScanLog log;
  EXPECT_EQ(catalogue.Scan(log.Handlers()), 2);
  EXPECT_TRUE(log.Events.empty());
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: Real", "2: Real"}));
  EXPECT_EQ(catalogue.Entry(1).FileName, "LINK.QWT");
}

TEST(TestCatalogueScan, UnreadableFileIsReportedAndTheScanGoesOn) {
  TTempDir dir;
  WriteTest(dir, "A.QWT", "Before");
  // A regular file that no one can read, root included: the process's own
  // memory at address 0.
  fs::create_symlink("/proc/self/mem", dir.File("B.QWT"));
  WriteTest(dir, "C.QWT", "After");

  TestCatalogue catalogue(dir.Path().string());
  TScanLog log;
  EXPECT_EQ(catalogue.Scan(log.Handlers()), 2);
  EXPECT_EQ(log.Events, std::vector<std::string>{"unreadable " + dir.File("B.QWT")});
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: Before", "3: After"}));
}

TEST(TestCatalogueScan, RescanEmptiesEntriesOfRemovedFiles) {
  TTempDir dir;
  WriteTest(dir, "A.QWT", "Alpha");
  WriteTest(dir, "B.QWT", "Beta");
  WriteTest(dir, "C.QWT", "Gamma");
  TestCatalogue catalogue(dir.Path().string());
  catalogue.Scan();
  fs::remove(dir.File("A.QWT"));

  EXPECT_EQ(catalogue.Scan(), 2);
  EXPECT_EQ(catalogue.Items(), (std::vector<std::string>{"1: Beta", "2: Gamma"}));
  EXPECT_EQ(catalogue.Entry(3).FileName, "");
  EXPECT_EQ(catalogue.Select("3: Gamma").Kind, TSelection::NoFileName);
}

TEST(TestCatalogueScan, MoreThanMaxTestsListsTheFirstAndReportsTheRestOnce) {
  TTempDir dir;
  for (int i = 1; i <= MaxTests + 3; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "T%03d.QWT", i);
    WriteTest(dir, name, "Test " + std::to_string(i));
  }
  TestCatalogue catalogue(dir.Path().string());
  TScanLog log;
  EXPECT_EQ(catalogue.Scan(log.Handlers()), MaxTests);
  EXPECT_EQ(log.Events, std::vector<std::string>{"too many 3"});
  EXPECT_EQ(catalogue.Entry(MaxTests).FileName, "T100.QWT");
  EXPECT_EQ(catalogue.Items().back(), "100: Test 100");

  fs::remove(dir.File("T101.QWT"));
  fs::remove(dir.File("T102.QWT"));
  fs::remove(dir.File("T103.QWT"));
  log.Events.clear();
  EXPECT_EQ(catalogue.Scan(log.Handlers()), MaxTests);
  EXPECT_TRUE(log.Events.empty());
}

TEST(TestCatalogueScan, FolderThatCannotBeListedThrowsAndLeavesNoEntries) {
  TTempDir dir;
  const std::string folder = dir.File("tests");
  fs::create_directory(folder);
  WriteBytes(folder + "/A.QWT", "[SETTINGS]\r\nDESC=" + Encrypt("Alpha") + "\r\n");
  TestCatalogue catalogue(folder);
  ASSERT_EQ(catalogue.Scan(), 1);
  fs::remove_all(folder);

  EXPECT_THROW(catalogue.Scan(), TIoError);
  EXPECT_TRUE(catalogue.Items().empty());
  EXPECT_EQ(catalogue.Select("1: Alpha").Kind, TSelection::NoFileName);
}

TEST(TestCatalogueSelect, ReadsTheEntryNumberBeforeTheFirstColon) {
  TTempDir dir;
  WriteTest(dir, "A.QWT", "Alpha");
  WriteTest(dir, "B.QWT", "Beta: part 2");
  TestCatalogue catalogue(dir.Path().string());
  catalogue.Scan();

  for (const std::string_view item : {"2: Beta: part 2", "  +2: anything", "2:"}) {
    const TSelection selection = catalogue.Select(item);
    EXPECT_EQ(selection.Kind, TSelection::Found) << item;
    EXPECT_EQ(selection.Number, 2) << item;
    EXPECT_EQ(selection.Path, dir.File("B.QWT")) << item;
  }
  EXPECT_EQ(catalogue.Select("Please make your selection now.").Kind, TSelection::Prompt);
  for (const std::string_view item : {": Alpha", "x: Alpha", "1 : Alpha", "1x: Alpha", "+: Alpha",
                                      "+-1: Alpha", "99999999999: Alpha", "0x1: Alpha"})
    EXPECT_EQ(catalogue.Select(item).Kind, TSelection::BadNumber) << item;
  for (const std::string_view item : {"0: Alpha", "-1: Alpha", "3: Nothing", "101: Far", "-2147483648: Min"})
    EXPECT_EQ(catalogue.Select(item).Kind, TSelection::NoFileName) << item;
}

TEST(TestCatalogueSelect, AFileRemovedSinceTheScanIsMissing) {
  TTempDir dir;
  WriteTest(dir, "A.QWT", "Alpha");
  TestCatalogue catalogue(dir.Path().string());
  catalogue.Scan();
  fs::remove(dir.File("A.QWT"));
  fs::create_directory(dir.File("A.QWT"));

  const TSelection selection = catalogue.Select("1: Alpha");
  EXPECT_EQ(selection.Kind, TSelection::Missing);
  EXPECT_EQ(selection.Path, dir.File("A.QWT"));
}
