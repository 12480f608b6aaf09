#include <gtest/gtest.h>

#include "core/results/QuestionHistory.h"
#include "core/results/ResultsFixture.h"
#include "core/results/StoreLocation.h"
#include "support/TempDir.h"

using ResultsFixture::Attempt;

namespace {

// Test A asks S (the shared question) and P; test B holds a copy of S as its
// second question, and R. The attempts not deleted that asked S:
//   A1 S right, P right   A2 S wrong, P wrong   B1 R right, S right   B3 R wrong, S wrong
// (B2, deleted, is left out). Each was asked 2 questions, so the rest score is
// the other mark: S's marks 1 0 1 0 against rests 1 0 1 0, facility 2/4 = 0.5,
// discrimination exactly 1. P was asked by A1 (right) and A2 (wrong). The
// newest attempt asking S is B3.
class QuestionHistoryTest : public testing::Test {
protected:
  TTempDir Dir;
  TOpenedStore Opened = OpenStoreAt("", Dir.Path().string(), Dir.File("data"));

  static TAttempt InTest(const char* file, TAttempt attempt) {
    attempt.TestFile = file;
    if (attempt.TestFile == "B.QWT") {
      std::swap(attempt.Questions[0].Question, attempt.Questions[1].Question);
      attempt.Questions[0].Question = "Question R";
      attempt.Fingerprint = Fingerprint(attempt.Questions);
    }
    return attempt;
  }

  void SetUp() override {
    // Both tests key their questions A; in B, S stands second.
    Opened.Store->AddAll({{InTest("A.QWT", Attempt("A1", "AA", "AA", "2026-11-01 09:00:00")), "1"},
                          {InTest("A.QWT", Attempt("A2", "AA", "BB", "2026-11-01 09:01:00")), "2"},
                          {InTest("B.QWT", Attempt("B1", "AA", "AA", "2026-12-01 09:00:00")), "3"},
                          {InTest("B.QWT", Attempt("B2", "AA", "AB", "2026-12-01 09:01:00")), "4"},
                          {InTest("B.QWT", Attempt("B3", "AA", "BB", "2026-12-02 10:00:00")), "5"}});
    for (const TStoredAttempt& a : Opened.Store->Attempts({.TestFile = "B.QWT"}))
      if (a.Student == "B2") Opened.Store->SetDeleted(a.Id, true);
  }

  // Test A as it stands now: S (question 1), P (question 2), and a new one.
  static std::vector<TQuestionSnapshot> TestA() {
    std::vector<TQuestionSnapshot> now = ResultsFixture::Questions("AAA");
    now[2].Question = "Never asked";
    return now;
  }
};

TEST_F(QuestionHistoryTest, FollowsAQuestionIntoEveryTestItWasCopiedTo) {
  const std::vector<TQuestionHistory> h = QuestionHistories(*Opened.Store, TestA());
  ASSERT_EQ(h.size(), 3u);
  EXPECT_EQ(h[0].Asked, 4);
  EXPECT_EQ(h[0].Tests, 2);
  EXPECT_DOUBLE_EQ(h[0].Facility.value_or(-1), 0.5);
  EXPECT_NEAR(h[0].Discrimination.value_or(-2), 1.0, 1e-12);
  EXPECT_EQ(h[0].LastAsked, "2026-12-02 10:00:00");
  EXPECT_FALSE(h[0].KeyChanged);

  EXPECT_EQ(h[1].Asked, 2);
  EXPECT_EQ(h[1].Tests, 1);
  EXPECT_DOUBLE_EQ(h[1].Facility.value_or(-1), 0.5);
  EXPECT_EQ(h[1].LastAsked, "2026-11-01 09:01:00");

  EXPECT_EQ(h[2], TQuestionHistory{});
}

TEST_F(QuestionHistoryTest, AnotherAnswerTextIsAnotherQuestionAndAKeyChangeAnywhereIsTold) {
  std::vector<TQuestionSnapshot> now = TestA();
  now[1].Answers[3] = "four, reworded";
  EXPECT_EQ(QuestionHistories(*Opened.Store, now)[1].Asked, 0);

  // Test B's copy of S is regraded to key B: S's history now tells of it, and
  // its marks follow the new key (B3 chose B: right; B1 chose A: wrong).
  std::vector<TQuestionSnapshot> b = ResultsFixture::Questions("AB");
  b[0].Question = "Question R";
  b[1].Question = "Question 1";
  Opened.Store->Regrade("B.QWT", b);
  const TQuestionHistory s = QuestionHistories(*Opened.Store, TestA())[0];
  EXPECT_TRUE(s.KeyChanged);
  EXPECT_DOUBLE_EQ(s.Facility.value_or(-1), 0.5);
  // Marks 1 0 0 1 against rests 1 0 1 0: the covariance is 0, so is the correlation.
  EXPECT_NEAR(s.Discrimination.value_or(-2), 0.0, 1e-12);
}

}  // namespace
