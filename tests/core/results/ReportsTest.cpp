#include <gtest/gtest.h>
#include <unicode/locid.h>

#include <set>

#include "core/results/Reports.h"
#include "core/results/ResultsFixture.h"
#include "core/results/StoreLocation.h"
#include "support/TempDir.h"

using ResultsFixture::Attempt;

namespace {

// Ann 2 of 2 by the engine, Bob 1 of 2 on paper, Cy 0 of 2 scanned, in a
// fresh store of their own.
class ReportsTest : public testing::Test {
protected:
  TTempDir Dir;
  TOpenedStore Opened = OpenStoreAt("", Dir.Path().string(), Dir.File("data"));

  std::vector<TStoredAttempt> Class() {
    TAttempt ann = Attempt("Ann", "AB", "AB"), bob = Attempt("Bob", "AB", "AC", "2026-12-01 09:01:00"),
             cy = Attempt("", "AB", "CC", "2026-12-01 09:02:00");
    bob.Source = TAttemptSource::Paper;
    cy.Source = TAttemptSource::Scan;
    cy.StudentNumber = "=1+2";
    Opened.Store->AddAll({{ann, "1"}, {bob, "2"}, {cy, "3"}});
    return Opened.Store->Attempts({.TestFile = "CH2.QWT"});
  }
};

}  // namespace

TEST_F(ReportsTest, OnlyTimedAttemptsHaveATimeAndThePassRateCountsThePassPoint) {
  const std::vector<TStoredAttempt> attempts = Class();
  ASSERT_EQ(attempts.size(), 3u);
  EXPECT_EQ(Reports::TimeTaken(attempts[0]), "00:01:00");
  EXPECT_EQ(Reports::TimeTaken(attempts[1]), "");  // paper
  EXPECT_EQ(Reports::TimeTaken(attempts[2]), "");  // scanned
  const auto rate = Reports::PassRate(attempts, 50);
  ASSERT_TRUE(rate.has_value());
  EXPECT_EQ(rate->Passed, 2);  // 50% passes a pass point of 50
  EXPECT_EQ(rate->Attempts, 3);
  EXPECT_NEAR(rate->Percent, 66.6667, 1e-4);
  EXPECT_FALSE(Reports::PassRate(attempts, 0).has_value());
  EXPECT_FALSE(Reports::PassRate({}, 50).has_value());
  EXPECT_EQ(Reports::QuestionLine("Which\r\nof these?\nOne\rtwo"), "Which of these? One two");

  // The gradebook: the number of the scanned sheet is kept as text, and no
  // time is given for a sheet.
  const std::string gradebook = Reports::GradebookCsv(attempts, 50);
  EXPECT_EQ(gradebook.substr(0, gradebook.find('\n') + 1),
            "Student,Student number,Class,Date,Score,Percent,Passed,Time taken\r\n");
  EXPECT_NE(gradebook.find("Bob,,7B,2026-12-01 09:01:00,1,50,yes,\r\n"), std::string::npos) << gradebook;
  EXPECT_NE(gradebook.find(",\"'=1+2\",7B,2026-12-01 09:02:00,0,0,no,\r\n"), std::string::npos) << gradebook;
}

TEST_F(ReportsTest, ARegradeCountsTheScoresItChanged) {
  Class();
  Opened.Store->SetDeleted(Opened.Store->Attempts({}).back().Id, true);
  // Question 2's key becomes C: Ann loses a point, Bob gains one, Cy (deleted,
  // C on both) gains one.
  const Reports::TRegraded regraded =
      Reports::Regrade(*Opened.Store, "CH2.QWT", ResultsFixture::Questions("AC"));
  EXPECT_EQ(regraded.Rescored, 3);
  EXPECT_EQ(regraded.ScoresChanged, 3);
  // The same key again changes nothing; then question 1's key becomes B, which
  // only Ann and Bob lose a point by (Cy chose C there).
  EXPECT_EQ(Reports::Regrade(*Opened.Store, "CH2.QWT", ResultsFixture::Questions("AC")).ScoresChanged, 0);
  const Reports::TRegraded again =
      Reports::Regrade(*Opened.Store, "CH2.QWT", ResultsFixture::Questions("BC"));
  EXPECT_EQ(again.Rescored, 3);
  EXPECT_EQ(again.ScoresChanged, 2);
}

namespace {

// The names of a class in four scripts, as the store gives them back.
const std::vector<std::string> Names = {"Żaneta", "Zoe",    "Łukasz Żółć", "Maria",
                                        "Lucyna", "王小明", "Ελένη",       "Åsa"};

// Orders names by SortByStudent with ICU's default locale set to locale.
std::vector<std::string> SortedIn(const char* locale, std::vector<TStoredAttempt> attempts) {
  const icu::Locale before = icu::Locale::getDefault();
  UErrorCode status = U_ZERO_ERROR;
  icu::Locale::setDefault(icu::Locale(locale), status);
  Reports::SortByStudent(attempts);
  icu::Locale::setDefault(before, status);
  std::vector<std::string> names;
  for (const TStoredAttempt& a : attempts) names.push_back(a.Student);
  return names;
}

}  // namespace

TEST_F(ReportsTest, NamesInAnyScriptAreKeptExactlyAndSortInTheUsersAlphabet) {
  std::vector<std::pair<TAttempt, std::string>> made;
  for (const std::string& name : Names) made.push_back({Attempt(name, "AB", "AB"), name});
  Opened.Store->AddAll(made);
  const std::vector<TStoredAttempt> stored = Opened.Store->Attempts({.TestFile = "CH2.QWT"});
  std::vector<std::string> back;
  for (const TStoredAttempt& a : stored) back.push_back(a.Student);
  EXPECT_EQ(std::multiset<std::string>(back.begin(), back.end()),
            std::multiset<std::string>(Names.begin(), Names.end()));
  const std::string gradebook = Reports::GradebookCsv(stored, 50);
  for (const std::string& name : Names)
    EXPECT_NE(gradebook.find("\r\n" + name + ",,7B,"), std::string::npos) << name;

  // Polish letters with a mark are letters of their own after the plain one
  // (Ł after L, Ż after Z); Swedish puts Å after Z and takes Ż for a Z. Other
  // scripts follow Latin, Greek before Han.
  EXPECT_EQ(SortedIn("pl", stored), (std::vector<std::string>{"Åsa", "Lucyna", "Łukasz Żółć", "Maria", "Zoe",
                                                              "Żaneta", "Ελένη", "王小明"}));
  EXPECT_EQ(SortedIn("sv", stored), (std::vector<std::string>{"Lucyna", "Łukasz Żółć", "Maria", "Żaneta",
                                                              "Zoe", "Åsa", "Ελένη", "王小明"}));
}

// The questions an attempt asked, as the file numbers them: from its stored
// answers, in any order they were shown, each once; three or more in a row
// shortened to a range.
TEST_F(ReportsTest, TheQuestionsAskedAreListedAscendingWithRunsAsRanges) {
  const auto asked = [](std::vector<int> numbers) {
    TStoredAttempt attempt;
    for (const int number : numbers) attempt.Answers.push_back({.Number = number});
    return attempt;
  };
  EXPECT_EQ(Reports::QuestionsAsked(asked({9, 1, 7, 4, 8})), (std::vector<int>{1, 4, 7, 8, 9}));
  EXPECT_EQ(Reports::QuestionsAskedText(asked({9, 1, 7, 4, 8})), "1, 4, 7-9");
  EXPECT_EQ(Reports::QuestionsAskedText(asked({3, 2, 10, 11})), "2, 3, 10, 11");
  EXPECT_EQ(Reports::QuestionsAskedText(asked({5, 1, 2, 3, 4, 6, 12})), "1-6, 12");
  EXPECT_EQ(Reports::QuestionsAskedText(asked({500})), "500");
  EXPECT_EQ(Reports::QuestionsAskedText(asked({4, 4, 5})), "4, 5");
  EXPECT_EQ(Reports::QuestionsAskedText(asked({})), "");
}
