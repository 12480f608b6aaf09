#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "support/InjectedFault.h"
#include "support/TempDir.h"
#include "tool/Tool.h"
#include "tool/ToolRun.h"

namespace {

// A new test: SETTINGS with the seven keys in order, each a cipher text of
// 2 + 2n upper-case digits, and nothing else.
void ExpectNewTest(const std::string& path) {
  const std::regex layout(
      "\\[SETTINGS\\]\r\nDESC=[0-9A-F]{30}\r\nTIME=[0-9A-F]{4}\r\nCHECKANSWERS=[0-9A-F]{4}\r\n"
      "RANDOMQUESTIONS=[0-9A-F]{4}\r\nMUSTANSWER=[0-9A-F]{4}\r\nPASSPOINT=[0-9A-F]{4}\r\n"
      "MAXQUESTIONS=[0-9A-F]{4}\r\n\r\n");
  EXPECT_TRUE(std::regex_match(ReadBytes(path), layout)) << ReadBytes(path);
  TIniStore store(path);
  const std::pair<std::string_view, std::string_view> expected[] = {
      {"DESC", "No description"}, {"TIME", "0"},      {"CHECKANSWERS", "1"}, {"RANDOMQUESTIONS", "1"},
      {"MUSTANSWER", "0"},        {"PASSPOINT", "0"}, {"MAXQUESTIONS", "0"}};
  for (const auto& [key, plain] : expected) {
    EXPECT_EQ(Decrypt(store.ReadString("SETTINGS", key, "")), plain) << key;
  }
}

TEST(NewCommand, WritesTheSevenNewTestSettingsAndNothingElse) {
  TTempDir dir;
  const TToolResult result = RunTool({"new", dir.File("QUIZ1.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out + result.Err, "");
  ExpectNewTest(dir.File("QUIZ1.QWT"));
  // The name is taken as given: no extension is added.
  EXPECT_EQ(RunTool({"new", dir.File("plain")}).ExitCode, 0);
  ExpectNewTest(dir.File("plain"));
}

TEST(NewCommand, LeavesAnExistingFileAloneWithoutForce) {
  TTempDir dir;
  const std::string path = dir.File("OLD.QWT");
  WriteBytes(path, "[SETTINGS]\r\nDESC=00\r\n\r\n[QA1]\r\nQUESTION=0102\r\n\r\n");
  const TToolResult result = RunTool({"new", path});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: \"" + path + "\" exists; give --force to replace it\n");
  EXPECT_EQ(ReadBytes(path), "[SETTINGS]\r\nDESC=00\r\n\r\n[QA1]\r\nQUESTION=0102\r\n\r\n");
}

TEST(NewCommand, ForceReplacesTheOldTestWithItsQuestionsGone) {
  TTempDir dir;
  const std::string path = dir.File("OLD.QWT");
  WriteTestFile(path, {.Settings = {{"DESC", "Old test"}, {"TIMERTYPE", "2"}},
                       .Questions = {MakeQuestion("Old?", {"yes", "no"}, "A")}});
  const TToolResult result = RunTool({"new", "--force", path});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  ExpectNewTest(path);
}

TEST(NewCommand, ForceReplacesARegularFileOnly) {
  TTempDir dir;
  const std::string target = dir.File("REAL.QWT");
  WriteBytes(target, "[SETTINGS]\r\nDESC=00\r\n\r\n");
  const std::string link = dir.File("LINK.QWT");
  std::filesystem::create_symlink(target, link);
  TToolResult result = RunTool({"new", "--force", link});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot replace \"" + link + "\": it is a symbolic link\n");
  EXPECT_EQ(ReadBytes(target), "[SETTINGS]\r\nDESC=00\r\n\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(link));

  result = RunTool({"new", "--force", "/dev/null"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot replace \"/dev/null\": it is not a regular file\n");
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

// The replacement is one atomic save: failing at any step of it leaves the
// old test as it was and nothing beside it.
class NewForceFault : public testing::TestWithParam<AtomicFileFaults::TStep> {};

TEST_P(NewForceFault, LeavesTheOldTestByteForByte) {
  TTempDir dir;
  const std::string path = dir.File("OLD.QWT");
  WriteTestFile(
      path, {.Settings = {{"DESC", "Old test"}}, .Questions = {MakeQuestion("Old?", {"yes", "no"}, "A")}});
  const auto before = FolderSnapshot(dir.Path());
  std::ostringstream out, err;
  int status = -1;
  {
    TInjectedFault fault(GetParam());
    status = ::RunTool({"new", "--force", path}, out, err, dir.Path());
  }
  EXPECT_EQ(status, ExitTrouble);
  EXPECT_EQ(err.str(), "qwtool: " + FaultText(GetParam(), path) + "\n");
  EXPECT_EQ(FolderSnapshot(dir.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(Steps, NewForceFault, testing::ValuesIn(AllSteps),
                         [](const auto& info) { return std::string(StepName(info.param)); });

TEST(NewCommand, RefusesAFolderAndAMissingFolder) {
  TTempDir dir;
  std::filesystem::create_directory(dir.Path() / "TESTS.QWT");
  TToolResult result = RunTool({"new", "--force", dir.File("TESTS.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot create \"" + dir.File("TESTS.QWT") + "\": a folder has that name\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "TESTS.QWT"));

  const std::string nowhere = dir.File("missing/NEW.QWT");
  result = RunTool({"new", nowhere});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find(nowhere), std::string::npos) << result.Err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
}

}  // namespace
