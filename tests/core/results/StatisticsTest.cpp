#include <gtest/gtest.h>

#include "core/results/Statistics.h"

using Statistics::TResponses;

namespace {

// Attempts from one line of letters each against keys; '-' is a blank.
std::vector<TResponses> Class(const std::string& keys, const std::vector<std::string>& lines) {
  std::vector<TResponses> attempts;
  for (const std::string& line : lines) {
    TResponses& attempt = attempts.emplace_back();
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == ' ') continue;
      const Scoring::TLetters chosen = line[i] == '-' ? 0 : Scoring::LettersOf(line.substr(i, 1));
      const int number = static_cast<int>(i + 1);
      attempt.push_back(
          {number, chosen, Scoring::IsRight(Scoring::LettersOf(keys.substr(i, 1)), false, chosen)});
    }
  }
  return attempts;
}

std::map<int, Scoring::TLetters> Keys(const std::string& keys) {
  std::map<int, Scoring::TLetters> map;
  for (std::size_t i = 0; i < keys.size(); ++i)
    map[static_cast<int>(i + 1)] = Scoring::LettersOf(keys.substr(i, 1));
  return map;
}

}  // namespace

// Five students, four questions keyed A B C D, taken in this order:
//
//   S1  A B C A   x = 1 1 1 0   X = 3   75%
//   S2  A B C A   x = 1 1 1 0   X = 3   75%
//   S3  A B B D   x = 1 1 0 1   X = 3   75%
//   S4  A C - D   x = 1 0 0 1   X = 2   50%
//   S5  A C B B   x = 1 0 0 0   X = 1   25%
//
// Percent scores: mean 60, median 75, population SD sqrt((3*15^2 + 10^2 +
// 35^2)/5) = sqrt(400) = 20.
// Facility: Q1 5/5 = 1, Q2 3/5 = .6, Q3 2/5 = .4, Q4 2/5 = .4.
// Discrimination, x against the rest score X - x:
//   Q1: x has no variance: none.
//   Q2: x 1 1 1 0 0 (mean .6), rest 2 2 2 2 1 (mean 1.8);
//       sum dx*dr = 3(.4*.2) + (-.6*.2) + (-.6*-.8) = .24 - .12 + .48 = .6,
//       sum dx^2 = 3(.16) + 2(.36) = 1.2, sum dr^2 = 4(.04) + .64 = .8;
//       r = .6 / sqrt(.96) = .612372.
//   Q3: x 1 1 0 0 0 (mean .4), rest 2 2 3 2 1 (mean 2), dr 0 0 1 0 -1;
//       sum dx*dr = -.4 + .4 = 0: r = 0.
//   Q4: x 0 0 1 1 0 (mean .4), rest 3 3 2 1 1 (mean 2), dr 1 1 0 -1 -1;
//       sum dx*dr = -.4 - .4 - .6 + .4 = -1, sum dx^2 = 1.2, sum dr^2 = 4;
//       r = -1 / sqrt(4.8) = -.456435.
// KR-20: X 3 3 3 2 1, mean 2.4, Var(X) = (3(.36) + .16 + 1.96)/5 = .64;
//   sum p(1-p) = 0 + .24 + .24 + .24 = .72;
//   KR-20 = 4/3 (1 - .72/.64) = -1/6; SEM = 20 sqrt(7/6) = 21.602469.
// Groups: round(.27 * 5) = 1 attempt each. Top: X = 3 ties among S1, S2,
//   S3; S1 was taken first. Bottom: S5.
// Flags: Q1 very easy (1 > .9); Q3 weak (0 < .1); Q4 negative, and a
//   miskey: the top group (S1) chose A, none chose the key D.
TEST(Statistics, HandWorkedClassOfFive) {
  const auto test =
      Statistics::Analyse(Class("ABCD", {"ABCA", "ABCA", "ABBD", "AC-D", "ACBB"}), Keys("ABCD"));
  EXPECT_EQ(test.Attempts, 5);
  EXPECT_DOUBLE_EQ(test.Mean, 60);
  EXPECT_DOUBLE_EQ(test.Median, 75);
  EXPECT_NEAR(test.Sd, 20, 1e-9);
  ASSERT_TRUE(test.Kr20);
  EXPECT_NEAR(*test.Kr20, -1.0 / 6, 1e-9);
  ASSERT_TRUE(test.Sem);
  EXPECT_NEAR(*test.Sem, 21.602469, 1e-6);
  EXPECT_EQ(test.Histogram[2], 1);
  EXPECT_EQ(test.Histogram[5], 1);
  EXPECT_EQ(test.Histogram[7], 3);

  ASSERT_EQ(test.Items.size(), 4u);
  const auto& q1 = test.Items[0];
  const auto& q2 = test.Items[1];
  const auto& q3 = test.Items[2];
  const auto& q4 = test.Items[3];
  EXPECT_DOUBLE_EQ(q1.Facility, 1);
  EXPECT_FALSE(q1.Discrimination);
  EXPECT_EQ(q1.Flags, std::vector<std::string>{"very-easy"});
  EXPECT_DOUBLE_EQ(q2.Facility, .6);
  EXPECT_NEAR(*q2.Discrimination, .612372, 1e-6);
  EXPECT_TRUE(q2.Flags.empty());
  EXPECT_DOUBLE_EQ(q3.Facility, .4);
  EXPECT_NEAR(*q3.Discrimination, 0, 1e-12);
  EXPECT_EQ(q3.Flags, std::vector<std::string>{"weak"});
  EXPECT_EQ(q3.Blank, 1);
  EXPECT_EQ(q3.Chose, (std::array<int, 6>{0, 2, 2, 0, 0, 0}));
  EXPECT_NEAR(*q4.Discrimination, -.456435, 1e-6);
  EXPECT_EQ(q4.Flags, (std::vector<std::string>{"negative", "miskey"}));
  EXPECT_EQ(q4.Chose, (std::array<int, 6>{2, 1, 0, 2, 0, 0}));
  EXPECT_EQ(q4.ChoseTop, (std::array<int, 6>{1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(q4.ChoseBottom, (std::array<int, 6>{0, 1, 0, 0, 0, 0}));
}

// Three attempts of a random draw, asked different numbers of questions:
//   P  Q1 right, Q2 right, Q3 wrong           X = 2, 3 asked
//   R  Q1 wrong, Q2 right                     X = 1, 2 asked
//   T  Q1 right, Q3 right, Q2 wrong, Q4 right X = 3, 4 asked
// Q1: x 1 0 1; rest as a percent of the others asked: 1/2 = 50, 1/1 = 100,
//   2/3 = 66.67. mean x 2/3, mean rest 72.22; dx 1/3 -2/3 1/3, dr -22.22
//   27.78 -5.56: sum dx*dr = -7.41 - 18.52 - 1.85 = -27.78, sum dx^2 = 2/3,
//   sum dr^2 = 493.83 + 771.60 + 30.86 = 1296.30: r = -.944911.
// KR-20 needs attempts asked all 4 questions: only T, so none.
TEST(Statistics, RestScoreAsAPercentWhenAttemptsAskedDifferentCounts) {
  std::vector<TResponses> attempts = {
      {{1, 1, true}, {2, 2, true}, {3, 4, false}},
      {{1, 2, false}, {2, 2, true}},
      {{1, 1, true}, {3, 4, true}, {2, 1, false}, {4, 8, true}},
  };
  const auto test = Statistics::Analyse(attempts, {});
  EXPECT_NEAR(*test.Items[0].Discrimination, -.944911, 1e-6);
  EXPECT_FALSE(test.Kr20);
  EXPECT_FALSE(test.Sem);
  EXPECT_EQ(test.Items[3].Attempts, 1);
  EXPECT_FALSE(test.Items[3].Discrimination);
  EXPECT_NEAR(test.Mean, (200.0 / 3 + 50 + 75) / 3, 1e-9);
}

TEST(Statistics, NoFiguresWithoutVariance) {
  EXPECT_EQ(Statistics::Analyse({}, {}).Attempts, 0);
  // Everybody the same: no KR-20, no discrimination.
  const auto same = Statistics::Analyse(Class("AB", {"AB", "AB", "AB"}), Keys("AB"));
  EXPECT_FALSE(same.Kr20);
  EXPECT_FALSE(same.Items[0].Discrimination);
  EXPECT_DOUBLE_EQ(same.Sd, 0);
  // One question: no KR-20.
  EXPECT_FALSE(Statistics::Analyse(Class("A", {"A", "B"}), Keys("A")).Kr20);
  // One attempt: nothing to correlate.
  EXPECT_FALSE(Statistics::Analyse(Class("AB", {"AC"}), Keys("AB")).Items[1].Discrimination);
}
