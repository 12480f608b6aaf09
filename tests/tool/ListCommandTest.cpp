#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/model/TestCatalogue.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

void WriteTest(const std::string& path, std::string_view description) {
  WriteTestFile(path, {.Settings = {{"DESC", description}}});
}

TEST(ListCommand, ListsTheCatalogueAndNamesUndecodableFiles) {
  TTempDir dir;
  WriteTest(dir.File("A.QWT"), "Algebra: chapter 1");
  WriteBytes(dir.File("B.QWT"), "[SETTINGS]\r\nDESC=not a cipher\r\n\r\n");
  WriteTest(dir.File("c.qwt"), "Caf\xE9 culture");
  WriteBytes(dir.File("D.QWT"), "[QA1]\r\nQUESTION=0102\r\n\r\n");  // no description: silently left out
  WriteTest(dir.File("NOTES.TXT"), "Not a test name");
  std::filesystem::create_directory(dir.Path() / "FOLDER.QWT");

  const TToolResult result = RunTool({"list", dir.Path().string() + "/"});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(result.Out, "1: Algebra: chapter 1 (A.QWT)\n3: Caf\u00E9 culture (c.qwt)\n");
  EXPECT_EQ(result.Err, "qwtool: the test file \"" + dir.File("B.QWT") +
                            "\" is corrupt and can not be decoded; it is not listed\n");

  std::filesystem::remove(dir.File("B.QWT"));
  const TToolResult clean = RunTool({"list", dir.Path().string()});
  EXPECT_EQ(clean.ExitCode, 0);
  EXPECT_EQ(clean.Out, "1: Algebra: chapter 1 (A.QWT)\n2: Caf\u00E9 culture (c.qwt)\n");
  EXPECT_EQ(clean.Err, "");
}

TEST(ListCommand, NamesThatAreNotUtf8AndControlCharactersAreEscapedOnBothStreams) {
  TTempDir dir;
  WriteTest(dir.File("caf\xE9.QWT"), "Latin-1 name");
  WriteBytes(dir.File("bad\x1B[2J.QWT"), "[SETTINGS]\r\nDESC=not a cipher\r\n\r\n");
  const TToolResult result = RunTool({"list", dir.Path().string()});
  EXPECT_EQ(result.Out, "2: Latin-1 name (caf\\xE9.QWT)\n");
  EXPECT_EQ(result.Err, "qwtool: the test file \"" + dir.File("bad\\x1B[2J.QWT") +
                            "\" is corrupt and can not be decoded; it is not listed\n");
  const TToolResult missing = RunTool({"check", dir.File("gone\x07\xFF")});
  EXPECT_EQ(missing.Err, "qwtool: Cannot read \"" + dir.File("gone\\x07\\xFF") + "\": no such file\n");
}

TEST(ListCommand, WithoutAFolderListsTheFolderQwtoolLiesIn) {
  TTempDir install, elsewhere;
  const auto program = install.Path() / "qwtool";
  std::filesystem::copy_file(QWTOOL_PATH, program);
  WriteTest(install.File("MINE.QWT"), "Installed beside the maker");
  WriteTest(elsewhere.File("OTHER.QWT"), "In the working folder");
  const TToolResult result = RunProgram(program.string(), {"list"}, elsewhere.Path());
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_EQ(result.Out, "1: Installed beside the maker (MINE.QWT)\n");
}

TEST(ListCommand, AFolderWithoutTestsIsSaidSo) {
  TTempDir dir;
  const TToolResult result = RunTool({"list", dir.Path().string()});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, "qwtool: did not find any tests in \"" + dir.Path().string() + "\"\n");
}

TEST(ListCommand, TestsPastTheHundredthAreCountedNotListed) {
  TTempDir dir;
  for (int n = 1; n <= MaxTests + 2; ++n) {
    const std::string number = (n < 10 ? "00" : n < 100 ? "0" : "") + std::to_string(n);
    WriteTest(dir.File("T" + number + ".QWT"), "Test " + number);
  }
  const TToolResult result = RunTool({"list", dir.Path().string()});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(std::count(result.Out.begin(), result.Out.end(), '\n'), MaxTests);
  EXPECT_NE(result.Out.find("\n100: Test 100 (T100.QWT)\n"), std::string::npos);
  EXPECT_EQ(result.Err, "qwtool: 2 more test files found and not listed: the catalogue holds 100 tests\n");
}

TEST(ListCommand, AMissingFolderOrAFileIsAnError) {
  TTempDir dir;
  WriteTest(dir.File("A.QWT"), "A");
  TToolResult result = RunTool({"list", dir.File("nowhere")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot list \"" + dir.File("nowhere") + "\": no such folder\n");
  result = RunTool({"list", dir.File("A.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot list \"" + dir.File("A.QWT") + "\": it is not a folder\n");
}

}  // namespace
