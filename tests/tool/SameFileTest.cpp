#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/results/ResultsStore.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// Every command that writes a file refuses to write it over one of its inputs,
// however the path is spelt, and leaves the input as it was.
TEST(SameFile, NoCommandWritesOverItsOwnInput) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  WriteTestFile(test, {.Settings = {{"DESC", "Mine"}}, .Questions = {MakeQuestion("One?", {"a", "b"}, "A")}});
  WriteBytes(dir.File("a.csv"), "Ann,A,A\r\n");
  WriteBytes(dir.File("X.gift"), "Which? {=a ~b}\n");
  std::filesystem::create_symlink(test, dir.File("LINK.QWT"));
  const auto grade = [&](const std::string& output) {
    return std::vector<std::string>{"grade", test,  dir.File("a.csv"), "--seed", "1", "--versions", "1",
                                    "-o",    output};
  };
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"print", test, "-o", test}, test},
      {{"print", test, "-o", dir.Path().string() + "/./T.QWT"}, test},
      {{"export", "csv", test, dir.File("LINK.QWT")}, test},
      {{"export", "gift", test, test}, test},
      {grade(dir.File("a.csv")), dir.File("a.csv")},
      {grade(test), test},
      {{"import", "gift", dir.File("X.gift"), dir.File("X.gift"), "--force"}, dir.File("X.gift")},
  };
  for (const auto& [arguments, input] : cases) {
    const std::string before = ReadBytes(input);
    const TToolResult result = RunTool(arguments);
    EXPECT_EQ(result.ExitCode, 2) << arguments[0] << ' ' << arguments.back();
    EXPECT_NE(result.Err.find("it is the same file as the input"), std::string::npos) << result.Err;
    EXPECT_EQ(ReadBytes(input), before) << arguments[0];
  }
}

// Nor over the results store beside the tests (its journal files included,
// made yet or not), nor over a test or a database when it writes something
// else, unless --force insists.
TEST(SameFile, NoOutputReplacesTheStoreOrAnotherKindOfFileUnlessForced) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT"), other = dir.File("OTHER.QWT"),
                    store = dir.File("Results.sqlite");
  WriteTestFile(test, {.Settings = {{"DESC", "Mine"}}, .Questions = {MakeQuestion("One?", {"a", "b"}, "A")}});
  WriteTestFile(other, {.Settings = {{"DESC", "Other"}}});
  WriteBytes(dir.File("a.csv"), "Ann,A,A\r\n");
  OpenResultsStore(dir.Path().string(), dir.File("data"));
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"results", test, "--items", store}, store},
      {{"results", test, "--attempts", other}, other},
      {{"grade", test, dir.File("a.csv"), "--seed", "1", "--versions", "1", "-o", store}, store},
      {{"print", test, "-o", store}, store},
      {{"decrypt", test, other}, other},
      {{"export", "csv", test, dir.Path().string() + "/./Results.sqlite-wal"}, store + "-wal"},
  };
  for (const auto& [arguments, victim] : cases) {
    const bool existed = std::filesystem::exists(victim);
    const std::string before = existed ? ReadBytes(victim) : "(none)";
    const TToolResult result = RunTool(arguments);
    EXPECT_EQ(result.ExitCode, 2) << arguments[0] << ' ' << victim;
    EXPECT_NE(result.Err.find("give --force"), std::string::npos) << result.Err;
    EXPECT_EQ(std::filesystem::exists(victim) ? ReadBytes(victim) : "(none)", before)
        << arguments[0] << ' ' << victim;
  }
  EXPECT_EQ(RunTool({"results", test, "--attempts", other, "--force"}).ExitCode, 0);
  EXPECT_TRUE(ReadBytes(other).starts_with("Student,")) << ReadBytes(other);
  EXPECT_EQ(RunTool({"decrypt", test, test, "--force"}).ExitCode, 2);  // an input, forced or not
}

}  // namespace
