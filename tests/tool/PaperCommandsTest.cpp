#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "core/results/RecordAttempt.h"
#include "core/run/Grading.h"
#include "core/run/SheetLayout.h"
#include "core/storage/Csv.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// A test with a pass point of 50 and four questions of three answers.
std::string WriteTest(const TTempDir& dir, std::vector<QuestionRecord>& questions,
                      const std::string& name = "T.QWT") {
  const std::string path = dir.File(name);
  TIniStore store(path);
  TestFile::WriteNewTest(store);
  store.WriteString(TestFile::Settings, TestFile::PassPoint, Encrypt("50"));
  for (int n = 1; n <= 4; ++n) {
    questions.push_back(MakeQuestion("Q" + std::to_string(n), {"one", "two", "three"}, n == 4 ? "AB" : "C"));
    TestFile::WriteQuestion(store, n, questions.back());
  }
  store.UpdateFile();
  return path;
}

}  // namespace

TEST(PaperCommands, PrintWritesAPdfAndGradeMarksTheKeysOfItsVersions) {
  TTempDir dir;
  std::vector<QuestionRecord> questions;
  const std::string test = WriteTest(dir, questions);
  const TToolResult printed =
      RunTool({"print", test, "-o", dir.File("T.pdf"), "--versions", "2", "--seed=9", "--shuffle",
               "questions,answers", "--key", "--sheet", "--digits=4", "--layout", dir.File("T.json")});
  EXPECT_EQ(printed.ExitCode, 0) << printed.Err;
  EXPECT_EQ(printed.Out, "Wrote " + dir.File("T.pdf") +
                             ": 6 pages, 2 versions, seed 9\nRecorded as run 1 in " +
                             dir.File("Results.sqlite") + "\n");
  EXPECT_EQ(ReadBytes(dir.File("T.pdf")).substr(0, 5), "%PDF-");
  // The layout as another program reads it: a sheet page per version, each
  // answer box with its printed and stored question, the student number's
  // boxes, and the page's QR text naming this test and run.
  const TToolResult layout =
      RunProgram("/usr/bin/python3",
                 {"-c",
                  "import json, sys\n"
                  "pages = json.load(open(sys.argv[1]))['pages']\n"
                  "print(len(pages), sum(len(p['answers']) for p in pages), len(pages[0]['digits']))\n"
                  "print(sorted({(a['printed'], a['stored']) for a in pages[0]['answers']}))\n"
                  "print(pages[1]['qrText'])",
                  dir.File("T.json")});
  ASSERT_EQ(layout.ExitCode, 0) << layout.Err;
  const std::size_t qr = layout.Out.find("QWS2");
  EXPECT_EQ(layout.Out.substr(0, qr), "2 24 40\n[(1, 4), (2, 3), (3, 1), (4, 2)]\n");
  const auto code = SheetLayout::Decode(layout.Out.substr(qr, layout.Out.size() - qr - 1));
  ASSERT_TRUE(code);
  EXPECT_EQ(code->Fingerprint, TestFingerprint(questions));
  EXPECT_EQ(code->Seed, 9u);
  EXPECT_EQ(code->Version, 'B');

  // A sheet per student: three per version, serials 1 to 6 in the layout.
  EXPECT_EQ(RunTool({"print", test, "-o", dir.File("S.pdf"), "--versions=2", "--sheet", "--sheets=3",
                     "--layout", dir.File("S.json")})
                .ExitCode,
            0);
  EXPECT_NE(ReadBytes(dir.File("S.json"))
                .find("\"version\": \"B\", \"page\": 1, \"pages\": 1, \"sheet\": 6, "
                      "\"joined\": \"serial\""),
            std::string::npos);

  // Seed 9 prints version A as questions 4 BAC, 3 ACB, 1 ACB, 2 CAB and version
  // B as 2 CAB, 1 ACB, 3 ACB, 4 ABC (answers by their stored letters).
  WriteBytes(dir.File("A.csv"), "Key A,A,AB,B,B,A\r\nKey B,B,A,B,B,AB\r\nAnn,B,,,,\r\n");
  const TToolResult graded = RunTool({"grade", test, dir.File("A.csv"), "--seed", "9", "--versions", "2",
                                      "--shuffle=questions,answers", "-o", dir.File("R.csv")});
  EXPECT_EQ(graded.ExitCode, 0) << graded.Err;
  EXPECT_EQ(ReadBytes(dir.File("R.csv")),
            "Name,Version,Right,Asked,Percent,Passed\r\nKey A,A,4,4,100,yes\r\nKey B,B,4,4,100,yes\r\n"
            "Ann,B,0,4,0,no\r\n\r\nQuestion,Right,Students\r\n1,2,3\r\n2,2,3\r\n3,2,3\r\n4,2,3\r\n");
}

TEST(PaperCommands, RefuseBadOptionsAndBadRowsWithoutWritingAnything) {
  TTempDir dir;
  std::vector<QuestionRecord> questions;
  const std::string test = WriteTest(dir, questions);
  WriteBytes(dir.File("A.csv"), "Ann,A,C,C,C,AB\r\nBob,C,C\r\n");
  const std::string results = dir.File("R.csv");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"grade", test, dir.File("A.csv"), "--seed", "1", "--versions", "2", "-o", results},
       "qwtool: " + dir.File("A.csv") + ": row 2, column 2: \"C\" is not a version (A to B)\n"},
      {{"grade", test, dir.File("A.csv"), "--versions", "2"},
       "qwtool: grade needs --run N, or the --seed and --versions the tests were printed with\n"},
      {{"grade", test, dir.File("A.csv"), "--run", "1", "--seed", "1"},
       "qwtool: grade takes --run N or --seed, --versions and --shuffle, not both\n"},
      {{"grade", test, dir.File("A.csv"), "--run", "1"},
       "qwtool: " + test + " has no print run 1 (none is recorded)\n"},
      {{"print", test, "-o", dir.File("T.pdf"), "--shuffle", "pages"},
       "qwtool: --shuffle takes questions, answers or both, not \"pages\"\n"},
      {{"print", test, "-o", dir.File("T.pdf"), "--sheet", "--digits", "13"},
       "qwtool: --digits takes a number from 0 to 12, not \"13\"\n"},
      {{"print", test, "-o", dir.File("T.pdf"), "--layout", dir.File("T.json")},
       "qwtool: --digits, --sheets and --layout describe answer sheets: add --sheet\n"},
      {{"print", test, "-o", dir.File("T.pdf"), "--sheet", "--sheets", "0"},
       "qwtool: --sheets takes a number from 1 to 1000, not \"0\"\n"},
  };
  for (const auto& [arguments, message] : cases) {
    const TToolResult result = RunTool(arguments);
    EXPECT_EQ(result.ExitCode, 2) << message;
    EXPECT_EQ(result.Err, message);
  }
  EXPECT_FALSE(std::filesystem::exists(results));
  EXPECT_FALSE(std::filesystem::exists(dir.File("T.pdf")));
  // Without --shuffle nothing was shuffled: version B is the test's order too.
  const TToolResult plain = RunTool({"grade", test, dir.File("A.csv"), "--seed", "1", "--versions", "3"});
  EXPECT_EQ(plain.ExitCode, 0) << plain.Err;
  EXPECT_NE(plain.Out.find("Ann,A,4,4,100,yes\r\nBob,C,1,4,25,no\r\n"), std::string::npos) << plain.Out;
}

// Only a header word makes a first row a header; a student whose version cell
// is blank or not a letter is an error that names the row and column.
TEST(PaperCommands, GradeTakesAFirstRowForAHeaderOnlyByItsWordAndRefusesANonTest) {
  TTempDir dir;
  std::vector<QuestionRecord> questions;
  const std::string test = WriteTest(dir, questions);
  const auto grade = [&](std::string_view answers, const std::string& against) {
    WriteBytes(dir.File("A.csv"), answers);
    return RunTool({"grade", against, dir.File("A.csv"), "--seed", "1", "--versions", "1"});
  };
  const std::pair<std::string_view, std::string> refused[] = {
      {"Ann,,C,C,C,AB\r\nBob,A,C\r\n", "row 1, column 2: \"\" is not a version (A to A)"},
      {"Ann,Form A,C,C,C,AB\r\n", "row 1, column 2: \"Form A\" is not a version (A to A)"},
  };
  for (const auto& [answers, message] : refused) {
    const TToolResult result = grade(answers, test);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_EQ(result.Err, "qwtool: " + dir.File("A.csv") + ": " + message + "\n");
  }
  const TToolResult headed = grade("Student,VERSION,1,2,3,4\r\nAnn,A,C,C,C,AB\r\n", test);
  EXPECT_EQ(headed.ExitCode, 0) << headed.Err;
  EXPECT_NE(headed.Out.find("\r\nAnn,A,4,4,100,yes\r\n"), std::string::npos) << headed.Out;

  WriteBytes(dir.File("notes.txt"), "Ann,A,C\r\n");
  const TToolResult notATest = grade("Ann,A,C\r\n", dir.File("notes.txt"));
  EXPECT_EQ(notATest.ExitCode, 2);
  EXPECT_NE(notATest.Err.find("the file is not a test"), std::string::npos) << notATest.Err;
}

// Sheets graded with a recorded run go into the store once, however often
// the file is recorded, and two students who answered alike are two
// attempts; a run that is not recorded is named as such.
TEST(PaperCommands, GradeRecordsTheSheetsOfARecordedRunOnce) {
  TTempDir dir;
  std::vector<QuestionRecord> questions;
  const std::string test = WriteTest(dir, questions);
  for (const char* seed : {"9", "10"}) {
    const TToolResult printed = RunTool({"print", test, "-o", dir.File("T.pdf"), "--versions", "2", "--seed",
                                         seed, "--shuffle", "questions,answers"});
    ASSERT_EQ(printed.ExitCode, 0) << printed.Err;
  }
  // The keys of run 1 (seed 9), as in the test above, and two sheets alike
  // with two of version A's four right.
  WriteBytes(dir.File("A.csv"), "Key A,A,AB,B,B,A\r\nKey B,B,A,B,B,AB\r\nDi,A,AB,B,C,C\r\nDi,A,AB,B,C,C\r\n");
  const auto grade = [&](const char* run) {
    return RunTool({"grade", test, dir.File("A.csv"), "--run", run, "--record", "-o", dir.File("R.csv")});
  };
  const std::string store = dir.File("Results.sqlite");
  const TToolResult first = grade("1");
  EXPECT_EQ(first.ExitCode, 0) << first.Err;
  EXPECT_EQ(first.Err, "qwtool: 4 attempts were recorded in " + store + ".\n");
  EXPECT_NE(ReadBytes(dir.File("R.csv")).find("Key B,B,4,4,100,yes"), std::string::npos);
  EXPECT_EQ(grade("1").Err, "qwtool: 0 attempts were recorded in " + store + "; 4 were there already.\n");

  // Graded with run 2, the sheets fit run 1 far better: a warning, and
  // nothing is recorded.
  const TToolResult wrong = grade("2");
  EXPECT_EQ(wrong.ExitCode, 1);
  EXPECT_NE(wrong.Err.find("qwtool: The sheets fit run 1 ("), std::string::npos) << wrong.Err;
  EXPECT_NE(wrong.Err.find("qwtool: nothing was recorded"), std::string::npos) << wrong.Err;
  const TToolResult unknown = grade("3");
  EXPECT_EQ(unknown.ExitCode, 2);
  EXPECT_EQ(unknown.Err, "qwtool: " + test + " has no print run 3 (recorded: 2, 1)\n");

  // 100, 100, 50 and 50 percent: mean and median 75, deviations of 25.
  const TToolResult results = RunTool({"results", test, "--source", "paper", "--json"});
  EXPECT_TRUE(results.Out.starts_with("{\"attempts\": 4, \"mean\": 75, \"median\": 75, \"sd\": 25, "))
      << results.Out;
}

// Names typed in any script, and one from an older spreadsheet in the code
// page, are recorded and listed as typed, in the order of the user's
// alphabet; the file's own name is shown as it is spelt.
TEST(PaperCommands, GradeRecordsNamesInAnyScriptAndResultsListsThemByName) {
  TTempDir dir;
  std::vector<QuestionRecord> questions;
  const std::string test = WriteTest(dir, questions, "café.qwt");
  ASSERT_EQ(RunTool({"print", test, "-o", dir.File("T.pdf"), "--versions", "1", "--seed", "9"}).ExitCode, 0);
  WriteBytes(dir.File("A.csv"),
             "Łukasz Żółć,A,C,C,C,AB\r\nΕλένη,A,C,C,A,A\r\n王小明,A,A,A,A,A\r\nLucyna,A,C,A,A,A\r\n"
             "Zo\xEB,A,C,C,C,C\r\n");
  const TToolResult recorded = RunTool({"grade", test, dir.File("A.csv"), "--run", "1", "--record"});
  EXPECT_EQ(recorded.ExitCode, 0) << recorded.Err;
  EXPECT_EQ(recorded.Err, "qwtool: 5 attempts were recorded in " + dir.File("Results.sqlite") + ".\n");

  // ICU takes the user's language from the environment.
  setenv("LC_ALL", "pl_PL.UTF-8", 1);
  const TToolResult listed = RunTool({"results", test, "--list", "--attempts", dir.File("G.csv")});
  unsetenv("LC_ALL");
  EXPECT_EQ(listed.ExitCode, 0) << listed.Err;
  EXPECT_TRUE(listed.Out.starts_with("Test:      café.qwt (")) << listed.Out;
  const std::size_t list = listed.Out.find("\nAttempts:\n");
  ASSERT_NE(list, std::string::npos) << listed.Out;
  std::vector<std::string> names;
  std::istringstream rows(listed.Out.substr(list + 11));
  for (std::string row; std::getline(rows, row);) names.push_back(row.substr(0, row.find('\t')));
  EXPECT_EQ(names, (std::vector<std::string>{"  Lucyna", "  Łukasz Żółć", "  Zoë", "  Ελένη", "  王小明"}));
  EXPECT_NE(listed.Out.find("  Łukasz Żółć\t\t\t"), std::string::npos);
  EXPECT_NE(listed.Out.find("\t4 of 4\n  Zoë\t"), std::string::npos) << listed.Out;
  const std::string gradebook = ReadBytes(dir.File("G.csv"));
  for (const char* row : {"\nŁukasz Żółć,,,", "\nΕλένη,,,", "\n王小明,,,", "\nZoë,,,"})
    EXPECT_NE(gradebook.find(row), std::string::npos) << row << " in " << gradebook;
}
