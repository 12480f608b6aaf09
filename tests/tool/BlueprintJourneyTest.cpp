#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <opencv2/imgcodecs.hpp>
#include <random>
#include <sstream>

#include "classroom/Classroom.h"
#include "core/results/PrintRuns.h"
#include "core/results/RecordAttempt.h"
#include "core/results/Reports.h"
#include "core/results/ResultsStore.h"
#include "core/run/QuestionDraw.h"
#include "core/run/SheetLayout.h"
#include "core/run/TakeTest.h"
#include "core/run/TestSession.h"
#include "core/storage/Json.h"
#include "support/ManualClock.h"
#include "support/RenderedSheet.h"
#include "support/SheetGenerator.h"
#include "support/TempDir.h"
#include "tool/OffscreenGui.h"
#include "tool/ToolRun.h"
#include "ui/page/TestPrinter.h"

// A question bank taken every way a test is taken: in the engine, in the
// classroom and on paper (printed, scanned and typed in), each attempt asking
// what the blueprint draws from its seed, stored with exactly those questions
// and listed with them.
namespace {

// Twelve questions in three categories of four: 1-4 Algebra, 5-8 Biology,
// 9-12 Chemistry; question n is "Qn" and its key is A, B, C, D, A, ... in
// turn. The blueprint asks two of Algebra and one of each other.
class BlueprintJourney : public testing::Test {
protected:
  BlueprintJourney() {
    for (int n = 1; n <= 12; ++n) {
      QuestionRecord question =
          MakeQuestion("Q" + std::to_string(n), {"one", "two", "three", "four"}, std::string(1, Key(n)));
      question.Category = Category(n);
      Questions.push_back(question);
    }
    WriteTestFile(Test, {.Settings = {{"DESC", "Bank"}}, .Questions = Questions});
    const TToolResult set = RunTool({"blueprint", Test, "Algebra=2", "Biology=1", "Chemistry=1"});
    EXPECT_EQ(set.ExitCode, 0) << set.Err;
  }

  static char Key(int number) { return static_cast<char>('A' + (number - 1) % 4); }
  static std::string Category(int number) {
    return number <= 4 ? "Algebra" : number <= 8 ? "Biology" : "Chemistry";
  }
  // The letter after the key: a wrong answer.
  static char Wrong(int number) { return static_cast<char>('A' + number % 4); }

  // How many of numbers (from 1) each category holds.
  static std::map<std::string, int> PerCategory(const std::vector<int>& numbers) {
    std::map<std::string, int> counts;
    for (const int number : numbers) ++counts[Category(number)];
    return counts;
  }
  static std::vector<int> Numbers(const std::vector<int>& indices) {
    std::vector<int> numbers;
    for (const int index : indices) numbers.push_back(index + 1);
    return numbers;
  }
  const std::map<std::string, int> Blueprint{{"Algebra", 2}, {"Biology", 1}, {"Chemistry", 1}};

  QuestionDraw::TBank Bank() const {
    return QuestionDraw::TBank(QuestionDraw::Parse("Algebra=2; Biology=1; Chemistry=1").Blueprint, Questions);
  }

  // The stored attempts, by student (or number), with what each asked.
  std::map<std::string, TStoredAttempt> Stored() {
    TOpenedStore opened = ReadResultsStore(Dir.Path().string(), Dir.File("data"));
    std::map<std::string, TStoredAttempt> byName;
    for (TStoredAttempt& a : opened.Store->Attempts({.TestFile = "BANK.QWT", .WithAnswers = true}))
      byName[a.Student.empty() ? a.StudentNumber : a.Student] = std::move(a);
    return byName;
  }

  TTempDir Dir;
  const std::string Test = Dir.File("BANK.QWT");
  std::vector<QuestionRecord> Questions;
};

// The number of the question a classroom reply shows ("Q7" is 7).
int ShownNumber(const Json::TValue& state) {
  return std::stoi(state["question"]["text"].get<std::string>().substr(1));
}

TEST_F(BlueprintJourney, EveryAttemptAsksItsDrawAndIsStoredAndListedWithIt) {
  const QuestionDraw::TBank bank = Bank();

  // The engine: the draw of the seed, whatever order it is shown in.
  {
    const TakeTest::TTestToTake taken = TakeTest::Read(Test);
    TManualClock clock;
    TTestSession session(taken.Settings, taken.Questions, clock);
    ASSERT_TRUE(session.Bank().has_value());
    session.Start(0, 77);
    std::vector<int> asked;
    for (int position = 0; position < session.Count(); ++position) {
      asked.push_back(session.QuestionNumber(position));
      session.SetAnswer(position, session.CorrectLetters(position));
    }
    std::sort(asked.begin(), asked.end());
    EXPECT_EQ(asked, Numbers(bank.Draw(77)));
    EXPECT_EQ(PerCategory(asked), Blueprint);
    session.Finish();
    const TAttempt attempt =
        AttemptOfSession(session, "BANK.QWT", "Bank", taken.Questions, {.Student = "Eve"},
                         "2026-12-09 09:00:00", "2026-12-09 09:10:00");
    EXPECT_EQ(RecordAttempt(attempt, Dir.Path().string(), "", Dir.File("data")).Where, TRecordedIn::Store);
  }

  // The classroom: two students, each a draw of their own seed; Ann answers
  // every question right, Ben every one wrong.
  {
    TOpenedStore opened = OpenResultsStore(Dir.Path().string(), Dir.File("data"));
    TManualClock clock;
    const std::vector<std::uint64_t> seeds = {101, 202};
    std::size_t next = 0;
    TClassroom room(LoadClassroomTest(Test), "ROOM42", *opened.Store, clock,
                    {NewSessionToken, [&] { return seeds.at(next++); }, NewAttemptId});
    for (const bool right : {true, false}) {
      const std::string token =
          Json::TValue::parse(room.Join("ROOM42", right ? "Ann" : "Ben", "pc").Json)["token"]
              .get<std::string>();
      Json::TValue state = Json::TValue::parse(room.Start(token, "").Json);
      ASSERT_EQ(state["phase"], "question");
      const int count = state["count"].get<int>();
      EXPECT_EQ(count, 4);
      for (int position = 0; position < count; ++position) {
        ASSERT_EQ(state["position"].get<int>(), position);
        const int number = ShownNumber(state);
        room.Answer(token, std::to_string(position), std::string(1, right ? Key(number) : Wrong(number)));
        state = Json::TValue::parse(position + 1 < count ? room.Go(token, std::to_string(position + 1)).Json
                                                         : room.Finish(token).Json);
      }
      ASSERT_EQ(state["phase"], "finished");
      EXPECT_EQ(state["result"]["right"].get<int>(), right ? 4 : 0);
    }
  }

  // Paper: two versions with answer sheets, each version its own draw,
  // recorded with the run.
  const TToolResult printed = RunTool({"print", Test, "-o", Dir.File("BANK.pdf"), "--versions", "2", "--seed",
                                       "5", "--sheet", "--digits", "4", "--layout", Dir.File("layout.json")});
  ASSERT_EQ(printed.ExitCode, 0) << printed.Err;
  std::vector<std::string> notices;
  const std::vector<TPrintRun> runs = PrintRuns::OfferedRuns(Test, notices, Dir.File("data"));
  ASSERT_EQ(runs.size(), 1u);
  const PaperVersions::TOptions& options = runs[0].Options;
  ASSERT_EQ(options.Draw, bank.Draw(5, 2));
  const std::vector<int> versionA = Numbers(options.Draw[0]), versionB = Numbers(options.Draw[1]);
  EXPECT_EQ(PerCategory(versionA), Blueprint);
  EXPECT_EQ(PerCategory(versionB), Blueprint);
  // Drawn from seed 5 (checked by hand against the categories): each version
  // two of Algebra, one of Biology, one of Chemistry, none shared.
  EXPECT_EQ(versionA, (std::vector<int>{1, 3, 6, 10}));
  EXPECT_EQ(versionB, (std::vector<int>{2, 4, 7, 9}));

  // The sheets as printed (the layout file says so), filled in and scanned.
  const std::vector<PaperVersions::TVersion> versions = PaperVersions::Make(Questions, options);
  {
    const TOffscreenGui gui;
    SheetLayout::TSheetCode run;
    run.Fingerprint = TestFingerprint(Questions);
    run.Seed = 5;
    run.Versions = 2;
    run.StudentDigits = 4;
    run.Paper = TTestPrinter::PdfPaper();
    const std::vector<SheetLayout::TSheetPage> pages = SheetLayout::LayRun(versions, run, 1);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(SheetLayout::LayoutJson(pages, versions), ReadBytes(Dir.File("layout.json")));
    std::mt19937_64 random(3);
    const auto fill = [&](int version, const std::string& letters, const std::string& number) {
      const SheetLayout::TSheetPage& page = pages.at(static_cast<std::size_t>(version));
      const SheetGenerator::TGenerated sheet =
          SheetGenerator::Generate(RenderedSheetMat(page, QStringLiteral("Bank"), 200), 200, page,
                                   SheetGenerator::Answering(page, letters, number), {.Dpi = 200}, random);
      cv::imwrite(Dir.File(number + ".png"), sheet.Image);
    };
    fill(0, "ACBA", "1001");
    fill(1, "ABCD", "1002");
  }
  const TToolResult scanned = RunTool({"scan", Dir.File("1001.png"), Dir.File("1002.png"), "-o",
                                       Dir.File("scanned.csv"), "--test", Test, "--record"});
  EXPECT_EQ(scanned.ExitCode, 0) << scanned.Err;
  EXPECT_EQ(ReadBytes(Dir.File("scanned.csv")),
            "Name,Version,1,2,3,4\r\n1001,A,A,C,B,A\r\n1002,B,A,B,C,D\r\n");
  WriteBytes(Dir.File("typed.csv"), "Dora,A,A,C,B,B\r\nFinn,B,B,D,C,B\r\n");
  const TToolResult graded = RunTool({"grade", Test, Dir.File("typed.csv"), "--run", "1", "--record"});
  EXPECT_EQ(graded.ExitCode, 0) << graded.Err;
  // Dora answered every question of A right; Finn all of B but question 9
  // (key A). Each question counts over the students asked it.
  EXPECT_EQ(graded.Out,
            "Name,Version,Right,Asked,Percent\r\nDora,A,4,4,100\r\nFinn,B,3,4,75\r\n\r\n"
            "Question,Right,Students\r\n1,1,1\r\n2,1,1\r\n3,1,1\r\n4,1,1\r\n6,1,1\r\n7,1,1\r\n9,0,1\r\n"
            "10,1,1\r\n");

  std::map<std::string, TStoredAttempt> stored = Stored();
  ASSERT_EQ(stored.size(), 7u);
  const std::map<std::string, std::uint64_t> seedOf = {{"Eve", 77}, {"Ann", 101}, {"Ben", 202}};
  for (const auto& [name, seed] : seedOf) {
    const std::vector<int> asked = Reports::QuestionsAsked(stored[name]);
    EXPECT_EQ(asked, Numbers(bank.Draw(seed))) << name;
    EXPECT_EQ(PerCategory(asked), Blueprint) << name;
  }
  EXPECT_EQ(stored["Eve"].Right, 4);
  EXPECT_EQ(stored["Ann"].Right, 4);
  EXPECT_EQ(stored["Ben"].Right, 0);
  EXPECT_EQ(stored["Ben"].Source, TAttemptSource::Classroom);
  for (const char* name : {"1001", "Dora"})
    EXPECT_EQ(Reports::QuestionsAsked(stored[name]), versionA) << name;
  for (const char* name : {"1002", "Finn"})
    EXPECT_EQ(Reports::QuestionsAsked(stored[name]), versionB) << name;
  // Printed in the test's own order with the stored letters: 1001's A C B A
  // on 1, 3, 6, 10 (keys A, C, B, B) is right three times, 1002's A B C D on
  // 2, 4, 7, 9 (keys B, D, C, A) once.
  EXPECT_EQ(stored["1001"].Right, 3);
  EXPECT_EQ(stored["1002"].Right, 1);
  EXPECT_EQ(stored["1001"].Source, TAttemptSource::Scan);
  EXPECT_EQ(stored["Dora"].Right, 4);
  EXPECT_EQ(stored["Finn"].Right, 3);
  EXPECT_EQ(stored["Finn"].Source, TAttemptSource::Paper);

  const TToolResult results = RunTool({"results", Test, "--questions"});
  EXPECT_EQ(results.ExitCode, 0) << results.Err;
  // Each attempt's line ends in its score and the questions it asked.
  const std::size_t list = results.Out.find("\nAttempts:\n");
  ASSERT_NE(list, std::string::npos) << results.Out;
  std::map<std::string, std::string> listed;
  std::istringstream lines(results.Out.substr(list + 11));
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) fields.push_back(cell);
    ASSERT_EQ(fields.size(), 6u) << line;
    listed[fields[0] == "  " ? fields[1] : fields[0].substr(2)] = fields[4] + '|' + fields[5];
  }
  EXPECT_EQ(listed, (std::map<std::string, std::string>{{"1001", "3 of 4|1, 3, 6, 10"},
                                                        {"1002", "1 of 4|2, 4, 7, 9"},
                                                        {"Ann", "4 of 4|1, 4, 8, 10"},
                                                        {"Ben", "0 of 4|1, 3, 5, 10"},
                                                        {"Dora", "4 of 4|1, 3, 6, 10"},
                                                        {"Eve", "4 of 4|1, 2, 8, 9"},
                                                        {"Finn", "3 of 4|2, 4, 7, 9"}}));
}

// The same seed printed again after the blueprint changed draws other
// questions on sheets that carry the same marks: the print says so and
// exits with a finding, and typed answers graded with either run still go
// by the run named.
TEST_F(BlueprintJourney, ASeedPrintedAgainWithAnotherDrawIsAFinding) {
  const auto print = [&] {
    return RunTool({"print", Test, "-o", Dir.File("BANK.pdf"), "--versions", "2", "--seed", "5"});
  };
  ASSERT_EQ(print().ExitCode, 0);
  EXPECT_EQ(print().ExitCode, 0) << "the same draw again is the same run";
  ASSERT_EQ(RunTool({"blueprint", Test, "Algebra=1", "Biology=2", "Chemistry=1"}).ExitCode, 0);
  const TToolResult again = print();
  EXPECT_EQ(again.ExitCode, 1);
  EXPECT_NE(again.Err.find("seed 5 was printed before as run 1 with other questions drawn: the sheets of the "
                           "two prints cannot be told apart, so neither is graded when scanned; print again "
                           "with a new seed"),
            std::string::npos)
      << again.Err;
  std::vector<std::string> notices;
  const std::vector<TPrintRun> runs = PrintRuns::OfferedRuns(Test, notices, Dir.File("data"));
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(PrintRuns::AlikeButDrawnOtherwise(runs, runs[0]), &runs[1]);
  EXPECT_EQ(PrintRuns::AlikeButDrawnOtherwise(runs, runs[1]), &runs[0]);
}

}  // namespace
