#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "core/results/AttemptFile.h"
#include "core/results/ResultsFixture.h"
#include "core/results/SqliteDatabase.h"
#include "support/PostgresStore.h"
#include "support/ScratchMount.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// The hand-worked class of five of core/results/StatisticsTest.cpp: four
// questions keyed A B C D, a pass point of 50, the attempts handed in as
// files of a results folder, S1 first.
std::string WriteClass(const TTempDir& dir) {
  const std::string test = dir.File("CH2.QWT");
  TIniStore store(test);
  TestFile::WriteNewTest(store);
  store.WriteString(TestFile::Settings, TestFile::PassPoint, Encrypt("50"));
  const auto questions = ResultsFixture::Questions("ABCD");
  for (const TQuestionSnapshot& q : questions) {
    QuestionRecord record;
    record.Question = q.Question;
    for (int i = 0; i < 6; ++i) record.Answer(i) = q.Answers[i];
    record.Correct = Scoring::LetterText(q.Correct);
    TestFile::WriteQuestion(store, q.Number, record);
  }
  store.UpdateFile();
  std::filesystem::create_directory(dir.File("drop"));
  const char* lines[] = {"ABCA", "ABCA", "ABBD", "AC-D", "ACBB"};
  for (int i = 0; i < 5; ++i) {
    TAttempt attempt = ResultsFixture::Attempt("S" + std::to_string(i + 1), "ABCD", lines[i],
                                               "2026-12-0" + std::to_string(i + 1) + " 09:00:00");
    if (i == 4) attempt.Source = TAttemptSource::Paper;
    AttemptFile::Write(dir.File("drop"), attempt);
  }
  return test;
}

// The figures of the class of five, hand-worked in StatisticsTest.
constexpr std::string_view ClassOfFive =
    "{\"attempts\": 5, \"mean\": 60, \"median\": 75, \"sd\": 20, \"kr20\": -0.1667, \"sem\": 21.6025, ";

std::int64_t IdOf(const TTempDir& dir, const std::string& student) {
  const auto db = Sqlite::Open(dir.File("Results.sqlite"));
  auto id = db->Prepare("SELECT id FROM attempts WHERE student = ?");
  id->Bind(1, student);
  id->Step();
  return id->Int(0);
}

}  // namespace

TEST(ResultsCommand, CollectsAClassAndPrintsItsFigures) {
  TTempDir dir;
  const std::string test = WriteClass(dir);
  WriteBytes(dir.File("drop/stray.qwr"), "hello");
  const TToolResult collected = RunTool({"collect", dir.File("drop"), dir.Path().string()});
  EXPECT_EQ(collected.ExitCode, 1);
  EXPECT_EQ(collected.Out, "5 new, 0 already stored, 1 refused\n");
  EXPECT_EQ(collected.Err, "qwtool: " + dir.File("drop/stray.qwr") + ": the file is not an attempt file\n");
  EXPECT_EQ(RunTool({"collect", dir.File("drop"), dir.Path().string()}).Out,
            "0 new, 5 already stored, 1 refused\n");

  const TToolResult json = RunTool(
      {"results", test, "--json", "--attempts", dir.File("grades.csv"), "--items", dir.File("items.csv")});
  EXPECT_EQ(json.ExitCode, 0) << json.Err;
  EXPECT_EQ(
      json.Out,
      "{\"attempts\": 5, \"mean\": 60, \"median\": 75, \"sd\": 20, \"kr20\": -0.1667, \"sem\": 21.6025, "
      "\"items\": ["
      "{\"question\": 1, \"attempts\": 5, \"facility\": 1, \"discrimination\": null, "
      "\"chose\": {\"A\": 5, \"B\": 0, \"C\": 0, \"D\": 0}, \"blank\": 0, \"flags\": [\"very-easy\"]}, "
      "{\"question\": 2, \"attempts\": 5, \"facility\": 0.6, \"discrimination\": 0.6124, "
      "\"chose\": {\"A\": 0, \"B\": 3, \"C\": 2, \"D\": 0}, \"blank\": 0, \"flags\": []}, "
      "{\"question\": 3, \"attempts\": 5, \"facility\": 0.4, \"discrimination\": 0, "
      "\"chose\": {\"A\": 0, \"B\": 2, \"C\": 2, \"D\": 0}, \"blank\": 1, \"flags\": [\"weak\"]}, "
      "{\"question\": 4, \"attempts\": 5, \"facility\": 0.4, \"discrimination\": -0.4564, "
      "\"chose\": {\"A\": 2, \"B\": 1, \"C\": 0, \"D\": 2}, \"blank\": 0, \"flags\": [\"negative\", "
      "\"miskey\"]}"
      "]}\n");
  // 75, 75, 75, 50 and 25 against a pass point of 50: four of five passed.
  EXPECT_TRUE(RunTool({"results", test}).Out.ends_with("\nPass rate: 80% (4 of 5 passed)\n"));
  EXPECT_EQ(ReadBytes(dir.File("grades.csv")),
            "Student,Student number,Class,Date,Score,Percent,Passed,Time taken\r\n"
            "S1,,7B,2026-12-01 09:00:00,3,75,yes,00:01:00\r\n"
            "S2,,7B,2026-12-02 09:00:00,3,75,yes,00:01:00\r\n"
            "S3,,7B,2026-12-03 09:00:00,3,75,yes,00:01:00\r\n"
            "S4,,7B,2026-12-04 09:00:00,2,50,yes,00:01:00\r\n"
            "S5,,7B,2026-12-05 09:00:00,1,25,no,\r\n");
  // A spreadsheet's reading, by Python's csv module.
  if (std::system("python3 -c 'import csv' >/dev/null 2>&1") == 0) {
    const TToolResult python = RunProgram(
        "/usr/bin/env",
        {"python3", "-c",
         "import csv, sys\n"
         "rows = list(csv.DictReader(open(sys.argv[1], newline='', encoding='utf-8')))\n"
         "print(len(rows), rows[4]['Student'], rows[4]['Date'], rows[4]['Percent'], rows[4]['Passed'])",
         dir.File("grades.csv")});
    EXPECT_EQ(python.Out, "5 S5 2026-12-05 09:00:00 25 no\n") << python.Err;
  }
  EXPECT_EQ(ReadBytes(dir.File("items.csv")),
            "Question,Attempts,Facility,Discrimination,A,B,C,D,E,F,Top A,Top B,Top C,Top D,Top E,Top F,"
            "Bottom A,Bottom B,Bottom C,Bottom D,Bottom E,Bottom F,Blank,Flags\r\n"
            "1,5,1,,5,0,0,0,0,0,1,0,0,0,0,0,1,0,0,0,0,0,0,very-easy\r\n"
            "2,5,0.6,0.6124,0,3,2,0,0,0,0,1,0,0,0,0,0,0,1,0,0,0,0,\r\n"
            "3,5,0.4,0,0,2,2,0,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1,weak\r\n"
            "4,5,0.4,-0.4564,2,1,0,2,0,0,1,0,0,0,0,0,0,1,0,0,0,0,0,negative miskey\r\n");

  const TToolResult filtered =
      RunTool({"results", test, "--json", "--since", "2026-12-02", "--source=engine"});
  EXPECT_TRUE(filtered.Out.starts_with("{\"attempts\": 3, ")) << filtered.Out;
  const TToolResult text = RunTool({"results", test, "--source", "paper"});
  EXPECT_EQ(text.ExitCode, 0);
  EXPECT_NE(text.Out.find("Attempts:  1\n"), std::string::npos) << text.Out;
  // Nothing since: no figures rather than zeros.
  EXPECT_EQ(
      RunTool({"results", test, "--json", "--since", "2027-01-01"}).Out,
      "{\"attempts\": 0, \"mean\": null, \"median\": null, \"sd\": null, \"kr20\": null, \"sem\": null, "
      "\"items\": []}\n");
}

TEST(ResultsCommand, NamesKeyChangesAndRegradesOnRequest) {
  TTempDir dir;
  const std::string test = WriteClass(dir);
  RunTool({"collect", dir.File("drop"), dir.Path().string()});
  // The miskey is mended: question 4's key becomes A.
  TIniStore store(test);
  QuestionRecord q4 = TestFile::ReadQuestion(store, 4);
  q4.Correct = "A";
  TestFile::WriteQuestion(store, 4, q4);
  store.UpdateFile();
  const TToolResult before = RunTool({"results", test, "--json"});
  EXPECT_EQ(
      before.Err,
      "qwtool: the key of question 4 changed from D to A since 5 attempts were marked; --regrade rescores "
      "them\n");
  EXPECT_TRUE(before.Out.starts_with("{\"attempts\": 5, \"mean\": 60, ")) << before.Out;
  const TToolResult after = RunTool({"results", test, "--json", "--regrade"});
  // S1 and S2 now have all four right, S3 and S4 lose one: 100 100 50 25 25,
  // four scores changed.
  EXPECT_EQ(after.Err, "qwtool: rescored 5 attempts with the test's key; 4 scores changed\n");
  EXPECT_TRUE(after.Out.starts_with("{\"attempts\": 5, \"mean\": 60, \"median\": 50, ")) << after.Out;
}

TEST(ResultsCommand, RefusesBadFilters) {
  TTempDir dir;
  const std::string test = WriteClass(dir);
  const TToolResult source = RunTool({"results", test, "--source", "web"});
  EXPECT_EQ(source.ExitCode, 2);
  EXPECT_EQ(source.Err, "qwtool: --source takes engine, paper, scan, classroom or import, not \"web\"\n");
  const TToolResult date = RunTool({"results", test, "--since", "1.12.2026"});
  EXPECT_EQ(date.ExitCode, 2);
  EXPECT_EQ(date.Err, "qwtool: --since takes a date as YYYY-MM-DD, not \"1.12.2026\"\n");
  EXPECT_EQ(RunTool({"results", dir.File("NONE.QWT")}).ExitCode, 2);
}

namespace {

using ResultsCommandOn = TStoreBackendTest;
INSTANTIATE_TEST_SUITE_P(Server, ResultsCommandOn, testing::Values(TStoreBackend::Postgres), BackendName);

// --store reads the database the classroom servers stored into, and leaves the
// test folder without a store of its own.
TEST_P(ResultsCommandOn, ReadsTheStoreAtAnAddress) {
  const std::string test = WriteClass(Dir);
  Open().Store->Add(ResultsFixture::Attempt("S1", "ABCD", "ABCA"), "s1");
  const TToolResult result = RunTool({"results", test, "--json", "--store", Location()});
  EXPECT_EQ(result.ExitCode, 0) << result.Err;
  EXPECT_TRUE(result.Out.starts_with("{\"attempts\": 1, \"mean\": 75,")) << result.Out;
  EXPECT_FALSE(std::filesystem::exists(Dir.File("Results.sqlite")));
}

}  // namespace

// Two more attempts whose stored answers are spoilt, one with a letter that
// is no letter, one with an answer its question does not have: each is named
// by its id and left out, and the class of five keeps its figures.
TEST(ResultsCommand, LeavesOutAnAttemptWhoseAnswersDoNotRead) {
  TTempDir dir;
  const std::string test = WriteClass(dir);
  for (const char* student : {"S6", "S7"})
    AttemptFile::Write(dir.File("drop"),
                       ResultsFixture::Attempt(student, "ABCD", "ABCD", "2026-12-09 09:00:00"));
  ASSERT_EQ(RunTool({"collect", dir.File("drop"), dir.Path().string()}).ExitCode, 0);
  {
    auto db = Sqlite::Open(dir.File("Results.sqlite"));
    db->Execute("UPDATE attempts SET answer_list = replace(answer_list, ':B', ':b') WHERE student = 'S6'");
    db->Execute("UPDATE attempts SET answer_list = replace(answer_list, ':D', ':E') WHERE student = 'S7'");
  }
  const TToolResult result = RunTool({"results", test, "--json"});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_TRUE(result.Out.starts_with(ClassOfFive)) << result.Out;
  EXPECT_EQ(result.Err, "qwtool: attempt " + std::to_string(IdOf(dir, "S6")) +
                            " (S6, 2026-12-09 09:00:00) is left out: question 2 has no answer \"b\"\n"
                            "qwtool: attempt " +
                            std::to_string(IdOf(dir, "S7")) +
                            " (S7, 2026-12-09 09:00:00) is left out: question 4 has no answer \"E\"\n");
}

// Reading never changes the store: one on a read-only mount is read, a
// damaged one is named and left where it is, and a store file named with
// --store (one moved aside, here a copy) is read instead of the folder's.
TEST(ResultsCommand, ReadsAStoreWithoutChangingIt) {
  TTempDir dir;
  const std::string test = WriteClass(dir);
  ASSERT_EQ(RunTool({"collect", dir.File("drop"), dir.Path().string()}).ExitCode, 0);
  std::filesystem::copy_file(dir.File("Results.sqlite"), dir.File("kept.sqlite"));
  {
    const TScratchMount mount = TScratchMount::ReadOnly(dir.Path().string(), dir.File("ro"));
    if (mount.Ready()) {
      const TToolResult readOnly = RunTool({"results", dir.File("ro/CH2.QWT"), "--json"});
      EXPECT_EQ(readOnly.ExitCode, 0) << readOnly.Err;
      EXPECT_TRUE(readOnly.Out.starts_with(ClassOfFive)) << readOnly.Out;
    } else {
      std::cerr << "not tried on a read-only mount, none could be made: " << mount.Reason << "\n";
    }
  }
  ResultsFixture::DamagePage(dir.File("Results.sqlite"), "attempts");
  const std::string damaged = ReadBytes(dir.File("Results.sqlite"));
  const TToolResult refused = RunTool({"results", test});
  EXPECT_EQ(refused.ExitCode, 2);
  EXPECT_EQ(refused.Out, "");
  EXPECT_NE(refused.Err.find("the results store is damaged"), std::string::npos) << refused.Err;
  EXPECT_EQ(ReadBytes(dir.File("Results.sqlite")), damaged);
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().filename().string().find(".damaged-"), std::string::npos) << entry.path();

  const TToolResult kept = RunTool({"results", test, "--json", "--store", dir.File("kept.sqlite")});
  EXPECT_EQ(kept.ExitCode, 0) << kept.Err;
  EXPECT_TRUE(kept.Out.starts_with(ClassOfFive)) << kept.Out;
}
