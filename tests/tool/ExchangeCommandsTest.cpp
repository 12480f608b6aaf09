#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

constexpr std::string_view Gift =
    "Which is larger? {=2 ~1 #one is less}\n\nTrue or false? {T}\n\nCaf\xC3\xA9 \xE2\x88\x9A? {=yes ~no}\n";

TEST(ImportCommand, MakesATestAndReportsEveryLossWithStatusOne) {
  TTempDir dir;
  WriteBytes(dir.File("q.gift"), Gift);
  const TToolResult result = RunTool({"import", "gift", dir.File("q.gift"), dir.File("NEW.QWT")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(result.Err,
            "qwtool: question 1: feedback dropped\n"
            "qwtool: question 2: a true/false question is not multiple choice: not imported (line 3)\n"
            "qwtool: characters the code page cannot hold were replaced by '?': \xE2\x88\x9A\n");
  TIniStore store(dir.File("NEW.QWT"));
  EXPECT_EQ(Decrypt(store.ReadString("SETTINGS", "DESC", "")), "No description");
  EXPECT_EQ(Decrypt(store.ReadString("QA2", "QUESTION", "")), "Caf\xE9 ??");

  // Export of what was imported loses nothing in CSV.
  const TToolResult back = RunTool({"export", "csv", dir.File("NEW.QWT"), dir.File("out.csv")});
  EXPECT_EQ(back.ExitCode, 0) << back.Err;
  EXPECT_NE(ReadBytes(dir.File("out.csv")).find("Which is larger?,2,1,,,,,A,all"), std::string::npos);
}

TEST(ImportCommand, RefusesDamagedSourcesUnknownFormatsAndExistingTestsWritingNothing) {
  TTempDir dir;
  WriteBytes(dir.File("bad.gift"), "Open {=a ~b\n");
  const TToolResult damaged = RunTool({"import", "gift", dir.File("bad.gift"), dir.File("NEW.QWT")});
  EXPECT_EQ(damaged.ExitCode, 2);
  EXPECT_NE(damaged.Err.find("line 1: '{' is never closed"), std::string::npos) << damaged.Err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("NEW.QWT")));

  EXPECT_EQ(RunTool({"import", "word", dir.File("bad.gift"), dir.File("NEW.QWT")}).ExitCode, 2);

  WriteBytes(dir.File("q.gift"), Gift);
  WriteBytes(dir.File("OLD.QWT"), "keep");
  EXPECT_EQ(RunTool({"import", "gift", dir.File("q.gift"), dir.File("OLD.QWT")}).ExitCode, 2);
  EXPECT_EQ(ReadBytes(dir.File("OLD.QWT")), "keep");
  EXPECT_EQ(RunTool({"import", "gift", dir.File("q.gift"), dir.File("OLD.QWT"), "--force"}).ExitCode, 1);

  WriteBytes(dir.File("NOTATEST.QWT"), "[OTHER]\r\nA=1\r\n");
  const TToolResult notTest = RunTool({"export", "gift", dir.File("NOTATEST.QWT"), dir.File("x.gift")});
  EXPECT_EQ(notTest.ExitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.gift")));
}

}  // namespace
