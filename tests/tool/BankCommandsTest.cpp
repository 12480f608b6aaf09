#include <gtest/gtest.h>

#include "core/results/PrintRuns.h"
#include "core/run/QuestionDraw.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// A bank of eight questions: five of Mechanics/Forces (two tagged), three of
// Waves.
class BankCommands : public testing::Test {
protected:
  BankCommands() {
    for (int n = 1; n <= 8; ++n) {
      QuestionRecord question = MakeQuestion("Q" + std::to_string(n), {"yes", "no"}, "A");
      question.Category = n <= 5 ? "Mechanics/Forces" : "Waves";
      if (n <= 2) question.Tags = "vectors, units";
      Questions.push_back(question);
    }
    WriteTestFile(Test, {.Settings = {{"DESC", "Physics"}}, .Questions = Questions});
  }

  TTempDir Dir;
  const std::string Test = Dir.File("T.QWT");
  std::vector<QuestionRecord> Questions;
};

TEST_F(BankCommands, ABlueprintTheTestCannotMeetIsRefusedAndTheFileLeftAlone) {
  const std::string before = ReadBytes(Test);
  const TToolResult refused = RunTool({"blueprint", Test, "Mechanics/Forces=2", "Waves=4"});
  EXPECT_EQ(refused.ExitCode, 2);
  EXPECT_EQ(refused.Err, "qwtool: Waves: 4 asked, 3 in the test\n");
  EXPECT_EQ(RunTool({"blueprint", Test, "Waves=x"}).ExitCode, 2);
  EXPECT_EQ(ReadBytes(Test), before);

  const TToolResult set = RunTool({"blueprint", Test, "Mechanics/Forces=2+tags", "Waves=1"});
  EXPECT_EQ(set.ExitCode, 0) << set.Err;
  EXPECT_EQ(set.Out,
            "Mechanics/Forces=2+tags  (5 in the test)\nWaves=1  (3 in the test)\n3 questions asked\n");
  EXPECT_EQ(RunTool({"blueprint", Test}).Out, set.Out);
  const TToolResult shown = RunTool({"show", Test, "--json"});
  EXPECT_NE(shown.Out.find("\"BLUEPRINT\": \"Mechanics/Forces=2+tags; Waves=1\""), std::string::npos);
  EXPECT_NE(shown.Out.find("\"category\": \"Waves\",\n      \"tags\": []"), std::string::npos);
  EXPECT_NE(shown.Out.find("\"tags\": [\"vectors\", \"units\"]"), std::string::npos);

  // Cleared, the file is the one it was before.
  EXPECT_EQ(RunTool({"blueprint", Test, "--clear"}).ExitCode, 0);
  EXPECT_EQ(ReadBytes(Test), before);
}

// Through Moodle XML and back the bank keeps its categories, its tags and
// its blueprint.
TEST_F(BankCommands, ExportAndImportCarryTheBankThroughMoodleXml) {
  ASSERT_EQ(RunTool({"blueprint", Test, "Mechanics/Forces=2", "Waves=1"}).ExitCode, 0);
  const TToolResult out = RunTool({"export", "moodle", Test, Dir.File("bank.xml")});
  EXPECT_EQ(out.ExitCode, 0) << out.Err;
  const TToolResult in = RunTool({"import", "moodle", Dir.File("bank.xml"), Dir.File("BACK.QWT")});
  EXPECT_EQ(in.ExitCode, 0) << in.Err;
  EXPECT_EQ(RunTool({"blueprint", Dir.File("BACK.QWT")}).Out, RunTool({"blueprint", Test}).Out);
  TIniStore store(Dir.File("BACK.QWT"));
  for (int n = 1; n <= 8; ++n) {
    const QuestionRecord back = TestFile::ReadQuestion(store, n);
    EXPECT_EQ(back.Category, Questions[static_cast<size_t>(n - 1)].Category) << n;
    EXPECT_EQ(back.Tags, Questions[static_cast<size_t>(n - 1)].Tags) << n;
  }
}

TEST_F(BankCommands, DrawAndPrintGiveTheVersionsOfTheSeedAndThePrintRecordsThem) {
  ASSERT_EQ(RunTool({"blueprint", Test, "Mechanics/Forces=2", "Waves=2"}).ExitCode, 0);
  const QuestionDraw::TBank bank(QuestionDraw::Parse("Mechanics/Forces=2; Waves=2").Blueprint, Questions);
  const std::vector<std::vector<int>> versions = bank.Draw(41, 3);
  std::string json = "{\"versions\": [";
  for (size_t v = 0; v < versions.size(); ++v) {
    json += v ? ", [" : "[";
    for (size_t i = 0; i < versions[v].size(); ++i)
      json += (i ? ", " : "") + std::to_string(versions[v][i] + 1);
    json += "]";
  }
  EXPECT_EQ(RunTool({"draw", Test, "--seed", "41", "--versions", "3", "--json"}).Out, json + "]}\n");

  const TToolResult printed = RunTool({"print", Test, "-o", Dir.File("T.pdf"), "--seed=41", "--versions=3"});
  ASSERT_EQ(printed.ExitCode, 0) << printed.Err;
  std::vector<std::string> notices;
  const std::vector<TPrintRun> runs = PrintRuns::OfferedRuns(Test, notices, Dir.File("data"));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].Options.Draw, versions);

  // Without statistics a balanced print says so and draws the same versions.
  const TToolResult balanced =
      RunTool({"print", Test, "-o", Dir.File("B.pdf"), "--seed=41", "--versions=3", "--balance"});
  EXPECT_EQ(balanced.ExitCode, 0) << balanced.Err;
  EXPECT_NE(balanced.Out.find("no statistics for these questions yet: versions drawn at random\n"),
            std::string::npos);
  EXPECT_EQ(RunTool({"blueprint", Test, "--clear"}).ExitCode, 0);
  EXPECT_EQ(RunTool({"print", Test, "-o", Dir.File("C.pdf"), "--balance"}).ExitCode, 2);
}

}  // namespace
