#include <gtest/gtest.h>

#include "core/run/Grading.h"
#include "support/Questions.h"

using namespace Grading;

namespace {

QuestionRecord Question(std::vector<std::string> answers, std::string correct, bool any = false) {
  return MakeQuestion("?", answers, std::move(correct), any);
}

// One correct letter; all of two must be chosen; any of two passes; a
// correct letter naming an empty answer; no correct letter at all.
const std::vector<QuestionRecord> Questions = {
    Question({"a", "b", "c"}, "B"), Question({"a", "b", "c", "d"}, "AC"),
    Question({"a", "b", "c", "d"}, "AC", true), Question({"a", "", "c"}, "BC"), Question({"a", "b"}, "")};

}  // namespace

// Seed 3 prints five versions in these orders (questions by their number in
// the test, answers by their stored letters), so each key is worked out by
// hand from where the stored correct answers land:
//   A: 3 ACBD, 2 DABC, 5 AB, 4 CA, 1 BAC     B: 3 ADCB, 4 AC, 2 ABCD, 1 CBA, 5 BA
//   C: 5 AB, 2 BDAC, 3 DACB, 4 CA, 1 BAC     D: 3 DBAC, 4 CA, 2 ADCB, 5 BA, 1 ACB
//   E: 3 BCAD, 4 AC, 1 CBA, 2 BDCA, 5 BA
TEST(Grading, HandWorkedKeysOfShuffledVersionsGetEveryMarkableQuestion) {
  const auto versions = PaperVersions::Make(
      Questions, {.Versions = 5, .Seed = 3, .ShuffleQuestions = true, .ShuffleAnswers = true});
  const TResults results = Grade(
      "Key A,A,AB,BD,,A,A\r\n"
      "Key B,B,AC,B,AC,B,\r\n"
      "Key C,C,,CD,BC,A,A\r\n"
      "Key D,D,CD,A,AC,,C\r\n"
      "Key E,E,BC,B,B,CD,\r\n",
      versions, 0);
  ASSERT_EQ(results.Students.size(), 5u);
  for (const TStudentResult& s : results.Students) {
    EXPECT_EQ(s.Asked, 5);
    EXPECT_EQ(s.Right, 4) << s.Version;  // the question without a correct letter cannot be right
  }
  EXPECT_EQ(results.RightPerQuestion, (std::vector<int>{5, 5, 5, 5, 0}));
}

// Versions drawn from a blueprint print only some questions: A questions 1
// and 3, B questions 2 and 4 (whose printed B is stored C, its one printed
// correct answer). Each question is counted where it stands in the test, over
// the students asked it; question 5, printed by none, has no row.
TEST(Grading, VersionsOfADrawCountEachQuestionOverTheStudentsAskedIt) {
  const auto versions = PaperVersions::Make(Questions, {.Versions = 2, .Draw = {{0, 2}, {1, 3}}});
  const TResults r = Grade("Ann,A,B,A\r\nBob,B,AC,B\r\nCid,A,C,C\r\n", versions, 0);
  ASSERT_EQ(r.Students.size(), 3u);
  EXPECT_EQ(r.Students[0].Right, 2);
  EXPECT_EQ(r.Students[1].Right, 2);
  EXPECT_EQ(r.Students[2].Right, 1);  // question 3 passes on any of A and C
  EXPECT_EQ(r.Students[2].Asked, 2);
  EXPECT_EQ(r.RightPerQuestion, (std::vector<int>{1, 1, 2, 1}));
  EXPECT_EQ(r.AskedPerQuestion, (std::vector<int>{2, 1, 2, 1}));
  const std::string text = FormatResults(r);
  EXPECT_EQ(text.substr(text.find("Question,")),
            "Question,Right,Students\r\n1,1,2\r\n2,1,1\r\n3,2,2\r\n4,1,1\r\n");
}

TEST(Grading, HandWorkedAnswersFollowEveryScoringRule) {
  const auto versions = PaperVersions::Make(Questions, {.Versions = 1});
  // Question 4 prints stored A and C as A and B, so its key is B.
  const TResults r = Grade(
      "\xEF\xBB\xBFName;Version;1;2;3;4;5\r\n"
      "Ann;A;b;CA;A;B;\r\n"
      "Bob;a;B ;A;A C;A;A\r\n"
      "Cid;A;AB;ACD;AD;AB;AB\r\n"
      ";;;\r\n"
      "Dee;A;B\r\n",
      versions, 60);
  ASSERT_EQ(r.Students.size(), 4u);
  const int right[] = {4, 2, 0, 1};
  const int percent[] = {80, 40, 0, 20};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(r.Students[i].Right, right[i]) << r.Students[i].Name;
    EXPECT_EQ(r.Students[i].Asked, 5);
    EXPECT_EQ(r.Students[i].Percent, percent[i]);
    EXPECT_EQ(r.Students[i].Passed, i == 0);
  }
  EXPECT_EQ(r.RightPerQuestion, (std::vector<int>{3, 1, 2, 1, 0}));
  EXPECT_EQ(FormatResults(r).substr(0, 76),
            "Name,Version,Right,Asked,Percent,Passed\r\nAnn,A,4,5,80,yes\r\nBob,A,2,5,40,no\r\n");
  EXPECT_NE(FormatResults(r).find("\r\n\r\nQuestion,Right,Students\r\n1,3,4\r\n"), std::string::npos);
  EXPECT_EQ(FormatResults(Grade("Ann,A,B\n", versions, 0)).substr(0, 50),
            "Name,Version,Right,Asked,Percent\r\nAnn,A,1,5,20\r\n\r\n");
}

struct TBadCase {
  const char* Text;
  int Row, Column;
  const char* Says;
};

class GradingRefuses : public testing::TestWithParam<TBadCase> {};

TEST_P(GradingRefuses, NamingRowAndColumn) {
  const auto versions = PaperVersions::Make(Questions, {.Versions = 2});
  try {
    Grade(GetParam().Text, versions, 0);
    FAIL() << "graded " << GetParam().Text;
  } catch (const TGradingError& error) {
    EXPECT_EQ(error.Row, GetParam().Row);
    EXPECT_EQ(error.Column, GetParam().Column);
    EXPECT_NE(std::string(error.what()).find(GetParam().Says), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    BadAnswers, GradingRefuses,
    testing::Values(TBadCase{"Ann,A,B\nBob,C,B\n", 2, 2, "row 2, column 2: \"C\" is not a version (A to B)"},
                    TBadCase{"Ann,A,B\n,A,B\n", 2, 1, "name is missing"},
                    TBadCase{"Ann,B,B,X\n", 1, 4, "row 1, column 4 (question 2): \"X\""},
                    TBadCase{"Ann,B,D\n", 1, 3, "names an answer that version B does not print"},
                    TBadCase{"Ann,A,A,A,A,A,A,B\n", 1, 8, "only 5 questions"},
                    TBadCase{"Ann,A,\"B\n", 1, 0, "quote"}));

namespace {

// A question as a version prints it: stored answers in printed order, the
// printed key and the stored letters it stands for.
PaperVersions::TPaperQuestion Printed(int source, std::vector<int> answers, const char* key,
                                      const char* stored) {
  return {source, std::move(answers), Scoring::LettersOf(key), Scoring::LettersOf(stored), false};
}

}  // namespace

// Four questions of three answers keyed A, B, C, A. Version A prints the
// test as it is; version B reverses each question's answers, so its key is
// C, B, A, C. The sheets were written on version B and typed as version A.
TEST(Grading, SheetsThatFitAnotherVersionsKeyFarBetterWarnWhenTheyAreMost) {
  const PaperVersions::TVersion a{'A',
                                  {Printed(0, {0, 1, 2}, "A", "A"), Printed(1, {0, 1, 2}, "B", "B"),
                                   Printed(2, {0, 1, 2}, "C", "C"), Printed(3, {0, 1, 2}, "A", "A")}};
  const PaperVersions::TVersion b{'B',
                                  {Printed(0, {2, 1, 0}, "C", "A"), Printed(1, {2, 1, 0}, "B", "B"),
                                   Printed(2, {2, 1, 0}, "A", "C"), Printed(3, {2, 1, 0}, "C", "A")}};
  // Version C prints two answers of question 4 only: Ann's "C" there is a
  // wrong pick under its key, not a sheet it cannot mark.
  PaperVersions::TVersion c = a;
  c.Letter = 'C';
  c.Questions[3] = Printed(3, {0, 1}, "A", "A");
  const std::vector<PaperVersions::TVersion> versions = {a, b, c};
  // Under A / under B: Ann 25 / 100 (fits B), Bob 50 / 75 (25 points: does
  // not fit), Cid 0 / 75 (fits B).
  const std::string sheets = "Name,Version\r\nAnn,A,C,B,A,C\r\nBob,A,C,B,A,A\r\nCid,A,C,A,A,C\r\n";
  const TKeyCheck check = CheckKeys(sheets, versions, versions);
  EXPECT_EQ(check.Sheets, 3);
  EXPECT_EQ(check.FitElsewhere, 2);
  EXPECT_TRUE(check.WrongKeys());
  EXPECT_EQ(check.Sheet, 0);
  EXPECT_EQ(check.OwnPercent, 25);
  EXPECT_EQ(check.Candidate, 1);
  EXPECT_EQ(check.CandidatePercent, 100);

  // Dee took version A (100 / 25): two of four sheets fit B, which is not most.
  const TKeyCheck half = CheckKeys(sheets + "Dee,A,A,B,C,A\r\n", versions, versions);
  EXPECT_EQ(half.FitElsewhere, 2);
  EXPECT_FALSE(half.WrongKeys());
  // Typed with the right letter, no sheet fits another key better.
  EXPECT_EQ(CheckKeys("Ann,B,C,B,A,C\r\nDee,A,A,B,C,A\r\n", versions, versions).FitElsewhere, 0);
  EXPECT_EQ(CheckKeys("Ann,D,C\r\n", versions, versions).Sheets, 0);  // refused by Grade
}
