#include <gtest/gtest.h>

#include <string>

#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// DESC and TIME set, everything else of SETTINGS missing; a begin message; two
// questions, the first with a two-line question text and both flags set.
void WriteShortTest(const std::string& path) {
  QuestionRecord first = MakeQuestion("Line one\r\nLine two", {"Yes", ""}, "A");
  first.AnyCorrectPasses = true;
  first.MMediaInternal = true;
  first.MediaFile = "FACTVAULT:printers";
  WriteTestFile(path, {.Settings = {{"DESC", "Caf\xE9 \x80 quiz"}, {"TIME", "00:05:00"}, {"TIMERTYPE", ""}},
                       .BeginMessage = {"Say \"hi\" \\ wave"},
                       .Questions = {first, MakeQuestion("Second", {"a", "b"}, "AB")}});
}

TEST(ShowCommand, TextFormListsSettingsMessagesAndQuestions) {
  TTempDir dir;
  WriteShortTest(dir.File("T.QWT"));
  const TToolResult result = RunTool({"show", dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(result.Out,
            "SETTINGS\n"
            "  DESC               Caf\u00E9 \u20AC quiz\n"
            "  TIME               00:05:00\n"
            "  CHECKANSWERS       (not set)\n"
            "  RANDOMQUESTIONS    (not set)\n"
            "  MUSTANSWER         (not set)\n"
            "  PASSPOINT          (not set)\n"
            "  MAXQUESTIONS       (not set)\n"
            "  TIMERTYPE\n"
            "  REVIEWALLOW        (not set)\n"
            "  REVIEWBLANK        (not set)\n"
            "  TESTHOT            (not set)\n"
            "  TESTREF            (not set)\n"
            "  REVIEWHOT          (not set)\n"
            "  REVIEWREF          (not set)\n"
            "  STUDENTMAX         (not set)\n"
            "BEGINMESSAGE\n"
            "  Say \"hi\" \\ wave\n"
            "ENDMESSAGE\n"
            "QA1\n"
            "  QUESTION           Line one\n"
            "                     Line two\n"
            "  A                  Yes\n"
            "  B\n  C\n  D\n  E\n  F\n"
            "  CORRECT            A\n"
            "  ANY                1\n"
            "  HOTLINK\n  HOTLINKPARAMETERS\n  REFERENCE\n"
            "  MMEDIA             FACTVAULT:printers\n"
            "  MMEDIAIN           1\n"
            "QA2\n"
            "  QUESTION           Second\n"
            "  A                  a\n"
            "  B                  b\n"
            "  C\n  D\n  E\n  F\n"
            "  CORRECT            AB\n"
            "  ANY                0\n"
            "  HOTLINK\n  HOTLINKPARAMETERS\n  REFERENCE\n  MMEDIA\n"
            "  MMEDIAIN           0\n");
}

TEST(ShowCommand, JsonHasTheDocumentedShapeInUnicode) {
  TTempDir dir;
  WriteShortTest(dir.File("T.QWT"));
  const TToolResult result = RunTool({"show", dir.File("T.QWT"), "--json"});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(result.Out, R"({
  "settings": {
    "DESC": "Café € quiz",
    "TIME": "00:05:00",
    "CHECKANSWERS": null,
    "RANDOMQUESTIONS": null,
    "MUSTANSWER": null,
    "PASSPOINT": null,
    "MAXQUESTIONS": null,
    "TIMERTYPE": "",
    "REVIEWALLOW": null,
    "REVIEWBLANK": null,
    "TESTHOT": null,
    "TESTREF": null,
    "REVIEWHOT": null,
    "REVIEWREF": null,
    "STUDENTMAX": null
  },
  "beginMessage": [
    "Say \"hi\" \\ wave"
  ],
  "endMessage": [],
  "questions": [
    {
      "number": 1,
      "question": "Line one\r\nLine two",
      "answers": {"A": "Yes", "B": "", "C": "", "D": "", "E": "", "F": ""},
      "correct": "A",
      "anyCorrectPasses": true,
      "hotLink": "",
      "hotLinkParameters": "",
      "reference": "",
      "mediaFile": "FACTVAULT:printers",
      "mediaInternal": true,
      "category": "",
      "tags": [],
      "history": {"asked": 0, "tests": 0, "facility": null, "discrimination": null, "lastAsked": "", "keyChanged": false}
    },
    {
      "number": 2,
      "question": "Second",
      "answers": {"A": "a", "B": "b", "C": "", "D": "", "E": "", "F": ""},
      "correct": "AB",
      "anyCorrectPasses": false,
      "hotLink": "",
      "hotLinkParameters": "",
      "reference": "",
      "mediaFile": "",
      "mediaInternal": false,
      "category": "",
      "tags": [],
      "history": {"asked": 0, "tests": 0, "facility": null, "discrimination": null, "lastAsked": "", "keyChanged": false}
    }
  ]
}
)");
}

TEST(ShowCommand, EachQuestionCarriesItsHistoryFromTheStoreOfItsFolder) {
  TTempDir dir;
  const std::vector<QuestionRecord> questions = {MakeQuestion("One", {"a", "b"}, "A"),
                                                 MakeQuestion("Two", {"a", "b"}, "B")};
  WriteTestFile(dir.File("T.QWT"), {.Questions = questions});
  {  // Question 2 answered once, wrongly, in an attempt at another test of the folder.
    TAttempt attempt;
    attempt.Id = "0123456789abcdef0123456789abcdef";
    attempt.TestFile = "OTHER.QWT";
    attempt.Questions = {SnapshotOf(questions[1], 1)};
    attempt.Fingerprint = Fingerprint(attempt.Questions);
    attempt.Student = "Ann";
    attempt.Started = attempt.Ended = "2026-11-30 10:00:00";
    attempt.Answered.push_back({1, 1, "", Scoring::LettersOf("A"), false});
    OpenResultsStore(dir.Path().string(), dir.File("data")).Store->Add(attempt, "1");
  }
  const TToolResult result = RunTool({"show", "--json", dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_NE(result.Out.find("\"question\": \"Two\""), std::string::npos);
  EXPECT_NE(result.Out.find(
                "\"history\": {\"asked\": 1, \"tests\": 1, \"facility\": 0.0, \"discrimination\": null, "
                "\"lastAsked\": \"2026-11-30 10:00:00\", \"keyChanged\": false}"),
            std::string::npos)
      << result.Out;
}

TEST(ShowCommand, ControlCharactersNeverReachTheTerminalOrBreakTheJson) {
  TTempDir dir;
  // An escape sequence, a tab, and the undefined code-page byte 9D (a C1 control).
  WriteTestFile(dir.File("T.QWT"), {.Settings = {{"DESC", "\x1B[2Jgone\tx\x9D\x7F"}}});
  TToolResult result = RunTool({"show", dir.File("T.QWT")});
  EXPECT_NE(result.Out.find("  DESC               \\x1B[2Jgone\tx\\x9D\\x7F\n"), std::string::npos)
      << result.Out;
  result = RunTool({"show", "--json", dir.File("T.QWT")});
  EXPECT_NE(result.Out.find("\"DESC\": \"\\u001B[2Jgone\\tx\\u009D\\u007F\""), std::string::npos)
      << result.Out;
}

TEST(ShowCommand, ShowsTheQuestionsAsTheEditorReadsThemAndNamesWhatWasRenumbered) {
  TTempDir dir;
  {
    TIniStore store(dir.File("T.QWT"));
    WriteSetting(store, "DESC", "Gap");
    TestFile::WriteQuestion(store, 1, MakeQuestion("One", {"a", "b"}, "A"));
    TestFile::WriteQuestion(store, 2, MakeQuestion("Two", {"a", "b"}, "A"));
    TestFile::WriteQuestion(store, 4, MakeQuestion("Four", {"a", "b"}, "A"));
    store.UpdateFile();
  }
  const TToolResult result = RunTool({"show", "--json", dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("\"number\": 3,\n      \"question\": \"Four\""), std::string::npos) << result.Out;
  EXPECT_EQ(result.Err, "qwtool: warning: \"" + dir.File("T.QWT") +
                            "\": QA4 was read as question 3 (a gap in the numbering closed up)\n");
}

TEST(ShowCommand, UndecipherableValuesShowAsTheMakerShowsThem) {
  TTempDir dir;
  WriteBytes(dir.File("T.QWT"), "[SETTINGS]\r\nDESC=plain text\r\n\r\n[QA1]\r\nQUESTION=ZZ\r\n\r\n");
  const TToolResult result = RunTool({"show", "--json", dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_NE(result.Out.find("\"DESC\": \"BAD DECODE\""), std::string::npos);
  EXPECT_NE(result.Out.find("\"question\": \"BAD DECODE\""), std::string::npos);
}

TEST(ShowCommand, AMissingFileIsAnError) {
  TTempDir dir;
  const TToolResult result = RunTool({"show", dir.File("NONE.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, "qwtool: Cannot read \"" + dir.File("NONE.QWT") + "\": no such file\n");
}

}  // namespace
