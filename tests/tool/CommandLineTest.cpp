#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

const std::vector<std::string> CommandNames = {"list", "show", "new", "decrypt", "encrypt", "check"};

TEST(CommandLine, ProgramHelpNamesEveryCommandAndTheExitStatus) {
  for (const char* help : {"--help", "-h", "help"}) {
    const TToolResult result = RunTool({help});
    EXPECT_EQ(result.ExitCode, 0) << help;
    EXPECT_EQ(result.Err, "");
    for (const std::string& name : CommandNames) {
      EXPECT_NE(result.Out.find("\n  " + name + " "), std::string::npos) << name;
    }
    EXPECT_NE(result.Out.find("Exit status: 0 all well, 1"), std::string::npos);
  }
}

TEST(CommandLine, EachCommandHasItsOwnHelp) {
  const std::vector<std::pair<std::string, std::string>> usages = {
      {"list", "usage: qwtool list [FOLDER]\n"},
      {"show", "usage: qwtool show TEST [--json]\n"},
      {"new", "usage: qwtool new TEST [--force]\n"},
      {"decrypt", "usage: qwtool decrypt TEST TEXT\n"},
      {"encrypt", "usage: qwtool encrypt TEXT TEST\n"},
      {"check", "usage: qwtool check TEST... | --folder DIR...\n"}};
  for (const auto& [name, usage] : usages) {
    // Help wins over missing operands, and asking for it touches no file.
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{name, "--help"}, {"help", name}, {name, "-h", "x", "y", "z"}}) {
      const TToolResult result = RunTool(words);
      EXPECT_EQ(result.ExitCode, 0) << name;
      EXPECT_EQ(result.Out.substr(0, usage.size()), usage);
      EXPECT_EQ(result.Err, "");
    }
  }
}

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhatIsWrong) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "qwtool: missing command\n"},
      {{"frobnicate"}, "qwtool: unknown command \"frobnicate\"\n"},
      {{"help", "frobnicate"}, "qwtool: unknown command \"frobnicate\"\n"},
      {{"show", "--xml", test}, "qwtool: show: unknown option \"--xml\"\nusage: qwtool show TEST [--json]\n"},
      {{"new", "--json", test}, "qwtool: new: unknown option \"--json\"\nusage: qwtool new TEST [--force]\n"},
      {{"show"}, "qwtool: show: missing file name\nusage: qwtool show TEST [--json]\n"},
      {{"encrypt", test}, "qwtool: encrypt: missing file name\nusage: qwtool encrypt TEXT TEST\n"},
      {{"check"}, "qwtool: check: missing file name\nusage: qwtool check TEST... | --folder DIR...\n"},
      {{"new", test, "extra"},
       "qwtool: new: unexpected argument \"extra\"\nusage: qwtool new TEST [--force]\n"},
  };
  for (const auto& [words, message] : cases) {
    const TToolResult result = RunTool(words);
    EXPECT_EQ(result.ExitCode, 2) << message;
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(result.Err.substr(0, message.size()), message);
  }
  EXPECT_FALSE(std::filesystem::exists(test));
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAnError) {
  TTempDir dir;
  ASSERT_EQ(RunTool({"new", dir.File("T.QWT")}).ExitCode, 0);
  const TToolResult result =
      RunProgram("/bin/sh", {"-c", "\"$0\" show \"$1\" >/dev/full", QWTOOL_PATH, dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot write the output: the standard output refused it\n");
}

TEST(CommandLine, DoubleDashEndsTheOptions) {
  TTempDir dir;
  const TToolResult result = RunTool({"new", "--", "--force"}, dir.Path());
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.Path() / "--force"));
}

}  // namespace
