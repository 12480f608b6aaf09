#include <gtest/gtest.h>

#include <tuple>

#include "core/results/GradeSheets.h"
#include "core/results/PrintRuns.h"
#include "core/results/ResultsFixture.h"
#include "core/storage/IoError.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

constexpr PaperVersions::TOptions Seed7{
    .Versions = 2, .Seed = 7, .ShuffleQuestions = true, .ShuffleAnswers = true};
constexpr PaperVersions::TOptions Seed12{
    .Versions = 2, .Seed = 12, .ShuffleQuestions = true, .ShuffleAnswers = true};

// Four questions of four answers: 1 key B, 2 key D, 3 A or B (any passes),
// 4 A and C (all of them).
PaperVersions::TPaperTest SmallTest() {
  PaperVersions::TPaperTest test;
  test.Description = "Small";
  test.PassPoint = 50;
  const std::vector<std::string> answers = {"a", "b", "c", "d"};
  test.Questions = {MakeQuestion("Q1", answers, "B"), MakeQuestion("Q2", answers, "D"),
                    MakeQuestion("Q3", answers, "AB", true), MakeQuestion("Q4", answers, "AC")};
  return test;
}

// The sheets of run 1 (seed 7), which prints (questions by their number, the
// stored answers in printed order, the key as printed):
//   A: 3 CABD (B or C), 2 BDAC (B), 1 CABD (C), 4 DCAB (B and C)
//   B: 2 BACD (D), 1 CBDA (B), 4 BCAD (B and C), 3 BDCA (A or D)
// Ann and Bob wrote the keys. Cy (A): C is stored B, right by "any"; B is
// stored D, right; A is stored C, wrong; B is stored C alone, wrong: 2 of 4.
// 20417 (B, a student number): A is stored B, wrong; B is stored B, right;
// blank, wrong; AD is stored B and A, right by "any": 2 of 4.
// So 12 of 16 answers are right (75%).
//
// Run 2 (seed 12) prints
//   A: 4 ACDB (A and B), 1 DCAB (D), 2 DACB (A), 3 CDAB (C or D)
//   B: 1 CBAD (B), 4 BCAD (B and C), 3 ADBC (A or C), 2 BADC (C)
// and under it the same letters are right only once: Cy's A on the third
// question is stored D, the key of question 2. 1 of 16 (6%).
constexpr std::string_view Sheets =
    "Ann,A,B,B,C,BC\r\n"
    "Bob,B,D,B,BC,D\r\n"
    "Cy,A,C,B,A,B\r\n"
    "20417,B,A,B,,AD\r\n";

std::vector<int> Rights(const TGradedSheets& graded) {
  std::vector<int> rights;
  for (const Grading::TStudentResult& student : graded.Results.Students) rights.push_back(student.Right);
  return rights;
}

// "3:B+ 2:D-": each answer's question, stored letters chosen and mark.
std::string Answers(const TStoredAttempt& attempt) {
  std::string text;
  for (const TStoredAnswer& a : attempt.Answers)
    text += std::to_string(a.Number) + ":" + Scoring::LetterText(a.Chosen) + (a.Right ? "+ " : "- ");
  return text;
}

class PaperRuns : public ::testing::Test {
protected:
  TOpenedStore Open() { return OpenResultsStore(Dir.Path().string(), Dir.File("data")); }

  // Records run 1 (seed 7) and run 2 (seed 12) of the small test.
  std::vector<TPrintRun> RecordBoth() {
    TOpenedStore opened = Open();
    const std::string fingerprint = Fingerprint(TestSnapshots(Test.Questions));
    PrintRuns::Record(*opened.Store, "SMALL.QWT", fingerprint, Seed7, "2026-12-01 09:00:00");
    PrintRuns::Record(*opened.Store, "SMALL.QWT", fingerprint, Seed12, "2026-12-02 09:00:00");
    return PrintRuns::Offered(opened.Store.get(), TestPath);
  }

  TTempDir Dir;
  std::string TestPath = Dir.File("SMALL.QWT");
  PaperVersions::TPaperTest Test = SmallTest();
};

}  // namespace

// A store of the first schema (attempts, no print runs) is brought forward
// with its attempts kept.
TEST_F(PaperRuns, AStoreOfTheFirstSchemaGainsPrintRunsAndKeepsItsAttempts) {
  {
    TOpenedStore opened = Open();
    opened.Store->Add(ResultsFixture::Attempt("Ann", "AB", "AB"), "1");
    opened.Store->Database().Execute("DROP TABLE print_runs");
    opened.Store->Database().Execute("DROP TABLE store_meta");
    opened.Store->Database().Execute("DROP TABLE collected_files");
    opened.Store->Database().Execute("UPDATE store_version SET version = 1");
  }
  TOpenedStore opened = Open();
  auto version = opened.Store->Database().Prepare("SELECT value FROM store_meta WHERE name = 'version'");
  ASSERT_TRUE(version->Step());
  EXPECT_EQ(version->Int(0), TResultsStore::SchemaVersion);
  EXPECT_EQ(opened.Store->Attempts({}).size(), 1u);
  EXPECT_EQ(PrintRuns::Record(*opened.Store, "T.QWT", "f", Seed7, "2026-12-01 09:00:00").Number, 1);
}

// Runs are numbered per test; the same print again is the same run, and a
// changed test or other options make a new one.
TEST_F(PaperRuns, AreNumberedPerTestAndRecordedOnce) {
  TOpenedStore opened = Open();
  TResultsStore& store = *opened.Store;
  EXPECT_EQ(PrintRuns::Record(store, "A.QWT", "f1", Seed7, "2026-12-01 09:00:00").Number, 1);
  EXPECT_EQ(PrintRuns::Record(store, "B.QWT", "f1", Seed7, "2026-12-01 09:00:00").Number, 1);
  EXPECT_EQ(PrintRuns::Record(store, "a.qwt", "f1", Seed7, "2026-12-03 09:00:00").Printed,
            "2026-12-01 09:00:00");  // the run of A.QWT, not a new one
  EXPECT_EQ(PrintRuns::Record(store, "A.QWT", "f2", Seed7, "2026-12-04 09:00:00").Number, 2);
  const TPrintRun third = PrintRuns::Record(store, "A.QWT", "f2", Seed12, "2026-12-05 09:00:00");
  EXPECT_EQ(third.Number, 3);

  const std::vector<TPrintRun> runs = PrintRuns::List(store, "a.QWT");
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0], third);
  EXPECT_EQ(runs[2].Fingerprint, "f1");
  EXPECT_EQ(PrintRuns::Find(runs, 2), &runs[1]);
  EXPECT_EQ(PrintRuns::Find(runs, 4), nullptr);

  // Prints an earlier program kept beside the test follow, unless recorded.
  WriteBytes(Dir.File("A.QWT.lastprint"),
             "[PRINT1]\r\nSEED=12\r\nVERSIONS=2\r\nSHUFFLEQUESTIONS=1\r\nSHUFFLEANSWERS=1\r\n"
             "[PRINT2]\r\nSEED=40\r\nVERSIONS=1\r\nSHUFFLEQUESTIONS=0\r\nSHUFFLEANSWERS=1\r\n");
  const std::vector<TPrintRun> offered = PrintRuns::Offered(&store, Dir.File("A.QWT"));
  ASSERT_EQ(offered.size(), 4u);
  EXPECT_EQ(offered[3].Number, 0);
  EXPECT_EQ(offered[3].Options.Seed, 40u);
  EXPECT_EQ(PrintRuns::Describe(offered[3]), "the earlier print (seed 40, 1 version, answers shuffled)");
  EXPECT_EQ(PrintRuns::Describe(offered[0]),
            "run 3 (printed 2026-12-05 09:00:00, seed 12, 2 versions, questions and answers shuffled)");
}

TEST_F(PaperRuns, HandWorkedSheetsScoreAsWorkedUnderTheirRunAndWarnUnderAnother) {
  const std::vector<TPrintRun> runs = RecordBoth();
  ASSERT_EQ(runs.size(), 2u);
  const TGradedSheets right = GradeSheets(Sheets, TestPath, Test, Seed7, runs);
  ASSERT_EQ(right.Run->Number, 1);
  EXPECT_EQ(Rights(right), (std::vector<int>{4, 4, 2, 2}));
  EXPECT_EQ(right.Results.RightPerQuestion, (std::vector<int>{3, 3, 4, 2}));
  EXPECT_FALSE(right.BetterRun);
  EXPECT_TRUE(right.Warnings.empty());

  const TGradedSheets wrong = GradeSheets(Sheets, TestPath, Test, Seed12, runs);
  EXPECT_EQ(Rights(wrong), (std::vector<int>{0, 0, 1, 0}));
  ASSERT_TRUE(wrong.BetterRun);
  EXPECT_EQ(wrong.BetterRun->Number, 1);
  ASSERT_EQ(wrong.Warnings.size(), 1u);
  const TGradeWarning& better = wrong.Warnings[0];
  EXPECT_EQ(better.Kind, TGradeWarningKind::BetterRun);
  EXPECT_EQ(better.Better, runs[1]);
  EXPECT_EQ(better.Run, runs[0]);
  EXPECT_EQ(std::tuple(better.BetterRight, better.Right, better.Asked), std::tuple(12, 1, 16));
  EXPECT_EQ(
      better.Sentence,
      "The sheets fit run 1 (printed 2026-12-01 09:00:00, seed 7, 2 versions, questions and answers "
      "shuffled) far better than run 2 (printed 2026-12-02 09:00:00, seed 12, 2 versions, questions and "
      "answers shuffled): 12 of 16 answers (75%) are right there, against 1 (6%) here. Grade them with "
      "the run they were printed in.");

  // A key corrected after printing: graded as it is now, and said so.
  Test.Questions[0].Correct = "C";
  const TGradeWarning changed = GradeSheets(Sheets, TestPath, Test, Seed7, runs).Warnings.at(0);
  EXPECT_EQ(changed.Kind, TGradeWarningKind::ChangedSincePrint);
  EXPECT_EQ(changed.Run, runs[1]);
  EXPECT_EQ(changed.Sentence, "The test was changed after " + PrintRuns::Describe(runs[1]) +
                                  " was printed: the sheets are graded with its questions and keys as they "
                                  "are now.");
  EXPECT_EQ(WarningSentence(changed), changed.Sentence);
}

// The recorded attempts hold the stored letters chosen, in printed order, and
// grading the same file again adds none.
TEST_F(PaperRuns, RecordedGradesHoldTheStoredLettersOnce) {
  const std::vector<TPrintRun> runs = RecordBoth();
  const TGradedSheets graded = GradeSheets(Sheets, TestPath, Test, Seed7, runs);
  const TRecordedGrades first = RecordGrades(graded, TestPath, TAttemptSource::Paper, Dir.File("data"));
  EXPECT_EQ(first.Added, 4);
  EXPECT_EQ(RecordedWords(first), "4 attempts were recorded in " + Dir.File("Results.sqlite") + ".");
  const TRecordedGrades again = RecordGrades(GradeSheets(Sheets, TestPath, Test, Seed7, runs), TestPath,
                                             TAttemptSource::Paper, Dir.File("data"));
  EXPECT_EQ(again.Added, 0);
  EXPECT_EQ(again.Known, 4);

  const auto attempts = Open().Store->Attempts({.TestFile = "small.qwt", .WithAnswers = true});
  ASSERT_EQ(attempts.size(), 4u);
  const TStoredAttempt& cy = attempts[2];
  EXPECT_EQ(cy.Student, "Cy");
  EXPECT_EQ(cy.Source, TAttemptSource::Paper);
  EXPECT_EQ(cy.Version, 'A');
  EXPECT_EQ(cy.Seed, "7");
  EXPECT_EQ(cy.Right, 2);
  EXPECT_EQ(Answers(cy), "3:B+ 2:D+ 1:C- 4:C- ");
  const TStoredAttempt& numbered = attempts[3];
  EXPECT_EQ(numbered.Student, "");
  EXPECT_EQ(numbered.StudentNumber, "20417");
  EXPECT_EQ(Answers(numbered), "2:B- 1:B+ 4:- 3:AB+ ");
}

namespace {

// The questions each version of a blueprint's print asks are kept with the
// run: they come back as recorded, and another draw is another run.
TEST_F(PaperRuns, KeepTheQuestionsEachVersionWasDrawn) {
  TOpenedStore opened = Open();
  PaperVersions::TOptions drawn = Seed7;
  drawn.Versions = 2;
  drawn.Draw = {{0, 3, 4}, {1, 2, 4}};
  EXPECT_EQ(PrintRuns::Record(*opened.Store, "T.QWT", "f", drawn, "2026-12-01 09:00:00").Number, 1);
  PaperVersions::TOptions other = drawn;
  other.Draw[1] = {1, 2, 5};
  EXPECT_EQ(PrintRuns::Record(*opened.Store, "T.QWT", "f", other, "2026-12-01 09:00:00").Number, 2);
  const std::vector<TPrintRun> runs = PrintRuns::List(*opened.Store, "T.QWT");
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[1].Options, drawn);
  EXPECT_EQ(runs[0].Options, other);
  EXPECT_EQ(PaperVersions::DrawFromText("1,4,5/2,3,5", 5), drawn.Draw);
  EXPECT_FALSE(PaperVersions::DrawFromText("1,4,6", 5));
  EXPECT_FALSE(PaperVersions::DrawFromText("1,,4", 5));
}

}  // namespace
