#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/model/TestCatalogue.h"
#include "core/storage/IniStore.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// A sound test: timed, with a pass point and a maximum, and two questions whose
// correct letters name answers that are there.
void WriteSoundTest(TIniStore& store) {
  WriteSetting(store, "DESC", "Sound");
  WriteSetting(store, "TIME", "00:30:00");
  WriteSetting(store, "PASSPOINT", "70");
  WriteSetting(store, "MAXQUESTIONS", "10");
  TestFile::WriteQuestion(store, 1, MakeQuestion("One?", {"yes", "no"}, "A"));
  TestFile::WriteQuestion(store, 2, MakeQuestion("Two?", {"yes", "no"}, "AB"));
}

struct TCheckCase {
  std::string Name;
  std::function<void(TIniStore&)> Spoil;  // applied after the sound test is written
  std::vector<std::string> Findings;      // what check prints after "FILE: "
};

class CheckFindings : public testing::TestWithParam<TCheckCase> {};

TEST_P(CheckFindings, AreReportedOneLineEach) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  {
    TIniStore store(path);
    WriteSoundTest(store);
    GetParam().Spoil(store);
    store.UpdateFile();
  }
  const TToolResult result = RunTool({"check", path});
  std::string expected;
  for (const std::string& finding : GetParam().Findings) expected += path + ": " + finding + "\n";
  EXPECT_EQ(result.Out, expected);
  EXPECT_EQ(result.Err, "");
  EXPECT_EQ(result.ExitCode, GetParam().Findings.empty() ? 0 : 1);
}

void Setting(TIniStore& store, std::string_view key, std::string_view plain) {
  WriteSetting(store, key, plain);
}

QuestionRecord Question(std::string text) {
  return MakeQuestion(std::move(text), {"yes", "no"}, "A");
}

INSTANTIATE_TEST_SUITE_P(
    CheckCommand, CheckFindings,
    testing::Values(
        TCheckCase{"SoundTest", [](TIniStore&) {}, {}},
        TCheckCase{"UntimedAndBlankPaddedTimes",
                   [](TIniStore& s) {
                     Setting(s, "TIME", "0");
                     Setting(s, "PASSPOINT", "");
                   },
                   {}},
        TCheckCase{
            "TimeTrimmedAsTheDialogShowsIt", [](TIniStore& s) { Setting(s, "TIME", " 23:59:59 "); }, {}},
        TCheckCase{"UndecipherableValues",
                   [](TIniStore& s) {
                     s.WriteString("SETTINGS", "PASSPOINT", "seventy");
                     s.WriteString("QA2", "B", "12Z4");
                   },
                   {"SETTINGS/PASSPOINT: the value does not decipher", "QA2/B: the value does not decipher"}},
        TCheckCase{"PassPointAbove100",
                   [](TIniStore& s) { Setting(s, "PASSPOINT", "101"); },
                   {"SETTINGS/PASSPOINT: 101 is outside 0 to 100"}},
        TCheckCase{"NegativePassPoint",
                   [](TIniStore& s) { Setting(s, "PASSPOINT", "-1"); },
                   {"SETTINGS/PASSPOINT: -1 is outside 0 to 100"}},
        TCheckCase{"PassPointNotANumber",
                   [](TIniStore& s) { Setting(s, "PASSPOINT", "70 "); },
                   {"SETTINGS/PASSPOINT: \"70 \" is not a whole number"}},
        TCheckCase{"MaximumAbove99999",
                   [](TIniStore& s) { Setting(s, "MAXQUESTIONS", "100000"); },
                   {"SETTINGS/MAXQUESTIONS: 100000 is outside 0 to 99999"}},
        TCheckCase{"HexMaximumInRange", [](TIniStore& s) { Setting(s, "MAXQUESTIONS", "$1F"); }, {}},
        TCheckCase{"TimeWithOneHourDigit",
                   [](TIniStore& s) { Setting(s, "TIME", "1:30:00"); },
                   {"SETTINGS/TIME: \"1:30:00\" is not a time HH:MM:SS within 23:59:59"}},
        TCheckCase{"TimePast23Hours",
                   [](TIniStore& s) { Setting(s, "TIME", "25:00:00"); },
                   {"SETTINGS/TIME: \"25:00:00\" is not a time HH:MM:SS within 23:59:59"}},
        TCheckCase{"TimeWith60Minutes",
                   [](TIniStore& s) { Setting(s, "TIME", "00:60:00"); },
                   {"SETTINGS/TIME: \"00:60:00\" is not a time HH:MM:SS within 23:59:59"}},
        TCheckCase{"TimeWithBlanksInside",
                   [](TIniStore& s) { Setting(s, "TIME", "00: 5:00"); },
                   {"SETTINGS/TIME: \"00: 5:00\" is not a time HH:MM:SS within 23:59:59"}},
        TCheckCase{"NoCorrectLetter",
                   [](TIniStore& s) {
                     TestFile::WriteQuestion(s, 1, MakeQuestion("One?", {"yes", "no"}, ""));
                     TestFile::WriteQuestion(s, 2, MakeQuestion("Two?", {"yes", "no"}, "ab"));
                   },
                   {"QA1: no correct answer is marked", "QA2: no correct answer is marked"}},
        TCheckCase{"CorrectLettersNamingEmptyAnswers",
                   [](TIniStore& s) {
                     TestFile::WriteQuestion(s, 2, MakeQuestion("Two?", {"yes", ""}, "BCA"));
                   },
                   {"QA2/CORRECT: answer B is marked correct but is empty",
                    "QA2/CORRECT: answer C is marked correct but is empty"}},
        TCheckCase{"GapInTheNumbering",
                   [](TIniStore& s) { TestFile::WriteQuestion(s, 4, Question("Four?")); },
                   {"QA3: question 3 is missing; the editor closes up the gap: QA4 is read as question 3"}},
        TCheckCase{
            "SectionWithoutQuestionTextAndALeadingZero",
            [](TIniStore& s) {
              s.WriteString("QA3", "A", Encrypt("orphan answer"));
              s.WriteString("qa4", "QUESTION", Encrypt("Four?"));
              s.WriteString("qa4", "CORRECT", Encrypt("A"));
              s.WriteString("qa4", "A", Encrypt("x"));
              s.WriteString("QA04", "QUESTION", Encrypt("not a question section"));
            },
            {"QA3: holds answers but no question text; the editor asks before saving it and leaves it out",
             "QA3: no correct answer is marked", "QA04: a question number never starts with 0, not read"}},
        TCheckCase{"RunsOfMissingQuestions",
                   [](TIniStore& s) {
                     for (const auto& [n, text] :
                          {std::pair{5, "Fifth?"}, {6, "Sixth?"}, {7, "Seventh?"}, {9, "Ninth?"}})
                       TestFile::WriteQuestion(s, n, Question(text));
                   },
                   {"QA3 to QA4: questions 3 to 4 are missing; the editor closes up the gap: QA5 to QA7 are "
                    "read as questions 3 to 5",
                    "QA8: question 8 is missing; the editor closes up the gap: QA9 is read as question 6"}},
        TCheckCase{"NoFirstQuestion",
                   [](TIniStore& s) {
                     s.EraseSection("QA1");
                     s.EraseSection("QA2");
                     TestFile::WriteQuestion(s, 2, Question("Two?"));
                   },
                   {"QA1: question 1 is missing; the editor closes up the gap: QA2 is read as question 1"}},
        TCheckCase{"QuestionsPastTheLimitAndPastTheIntRange",
                   [](TIniStore& s) {
                     for (int n = 3; n <= TestFile::MaxQuestionCount + 1; ++n) {
                       TestFile::WriteQuestion(s, n, Question("Q" + std::to_string(n)));
                     }
                     s.WriteString("QA99999999999", "QUESTION", Encrypt("far"));
                   },
                   {"QA501: past QA500, not read", "QA99999999999: past QA500, not read"}}),
    [](const testing::TestParamInfo<TCheckCase>& info) { return info.param.Name; });

TEST(CheckCommand, ANewTestIsSound) {
  TTempDir dir;
  ASSERT_EQ(RunTool({"new", dir.File("NEW.QWT")}).ExitCode, 0);
  const TToolResult result = RunTool({"check", dir.File("NEW.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out + result.Err, "");
}

TEST(CheckCommand, FlagsFilesTheMakerRefusesToLoad) {
  TTempDir dir;
  WriteBytes(dir.File("EMPTY.QWT"), "");
  WriteBytes(dir.File("BINARY.QWT"), std::string("\x7F"
                                                 "ELF\x02\x01\x00\x00\xFF\xFE",
                                                 10));
  for (const char* name : {"EMPTY.QWT", "BINARY.QWT"}) {
    const TToolResult result = RunTool({"check", dir.File(name)});
    EXPECT_EQ(result.ExitCode, 1) << name;
    EXPECT_EQ(result.Out,
              dir.File(name) + ": SETTINGS/DESC: no description; this is no test the maker loads\n");
  }
}

TEST(CheckCommand, ChecksEveryFileAndAnUnreadableOneWins) {
  TTempDir dir;
  {
    TIniStore sound(dir.File("GOOD.QWT"));
    WriteSoundTest(sound);
    sound.UpdateFile();
    TIniStore faulty(dir.File("BAD.QWT"));
    WriteSoundTest(faulty);
    WriteSetting(faulty, "PASSPOINT", "200");
    faulty.UpdateFile();
  }
  TToolResult result = RunTool({"check", dir.File("GOOD.QWT"), dir.File("BAD.QWT")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(result.Out, dir.File("BAD.QWT") + ": SETTINGS/PASSPOINT: 200 is outside 0 to 100\n");

  result = RunTool({"check", dir.File("NONE.QWT"), dir.File("BAD.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_EQ(result.Err, "qwtool: Cannot read \"" + dir.File("NONE.QWT") + "\": no such file\n");
  EXPECT_EQ(result.Out, dir.File("BAD.QWT") + ": SETTINGS/PASSPOINT: 200 is outside 0 to 100\n");
}

}  // namespace

namespace {

void WriteQuestions(const std::string& path, const std::vector<QuestionRecord>& questions) {
  TIniStore store(path);
  WriteSetting(store, "DESC", "Questions");
  for (std::size_t i = 0; i < questions.size(); ++i)
    TestFile::WriteQuestion(store, static_cast<int>(i) + 1, questions[i]);
  store.UpdateFile();
}

}  // namespace

TEST(CheckCommand, ReportsQuestionsTypedTwiceWithinATestAndAcrossAFolder) {
  TTempDir dir;
  const QuestionRecord capital = MakeQuestion("What is the capital of France?", {"Paris", "Rome"}, "A");
  WriteQuestions(dir.File("A.QWT"), {capital, MakeQuestion("What is 2 + 2?", {"4", "5"}, "A"),
                                     MakeQuestion("what is the capital of FRANCE", {"Lyon", "Nice"}, "A")});
  WriteQuestions(dir.File("B.QWT"), {MakeQuestion("Other?", {"x", "y"}, "A"), capital});

  const TToolResult one = RunTool({"check", dir.File("A.QWT")});
  EXPECT_EQ(one.Out, dir.File("A.QWT") + ": QA3: same question as QA1, other answers\n");
  EXPECT_EQ(one.ExitCode, 1);

  const TToolResult folder = RunTool({"check", "--folder", dir.File("")});
  EXPECT_EQ(folder.Out, "Same question, other answers:\n  " + dir.File("A.QWT") +
                            " question 1 (answers 1): What is the capital of France?\n  " +
                            dir.File("A.QWT") + " question 3 (answers 2): what is the capital of FRANCE\n  " +
                            dir.File("B.QWT") + " question 2 (answers 1): What is the capital of France?\n");
  EXPECT_EQ(folder.Err, "");
  EXPECT_EQ(folder.ExitCode, 1);
  EXPECT_EQ(RunTool({"check", "--folder", dir.File("none")}).ExitCode, 2);
}

// A folder holds more tests than the catalogue lists: all are compared, and a
// test that cannot be read is named.
TEST(CheckCommand, ComparesEveryTestOfALargeFolderAndNamesTheUnreadable) {
  TTempDir dir;
  const auto question = [](int n) {
    const std::string tag = std::to_string(n);
    return MakeQuestion("Which w" + tag + " x" + tag + " y" + tag + " z" + tag + "?", {"a", "b"}, "A");
  };
  for (int n = 0; n <= MaxTests; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "T%03d.QWT", n);
    WriteQuestions(dir.File(name), {question(n == MaxTests ? 0 : n)});
  }
  WriteBytes(dir.File("BIG.QWT"), "");
  std::filesystem::resize_file(dir.File("BIG.QWT"), MaxStoreFileSize + 1);

  const TToolResult result = RunTool({"check", "--folder", dir.File("")});
  EXPECT_NE(result.Out.find(dir.File("T100.QWT")), std::string::npos) << result.Out;
  EXPECT_NE(result.Err.find(dir.File("BIG.QWT")), std::string::npos) << result.Err;
  EXPECT_EQ(result.ExitCode, 2);
}
