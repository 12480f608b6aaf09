#include <gtest/gtest.h>

#include <set>

#include "core/run/Scoring.h"
#include "core/run/Shuffle.h"

using namespace Scoring;

TEST(Scoring, LettersReadAnyCaseAndIgnoreTheRest) {
  EXPECT_EQ(LetterText(LettersOf("c, a")), "AC");
  EXPECT_EQ(LetterText(LettersOf("FfGz1")), "F");
  EXPECT_EQ(LetterCount(LettersOf("ABCDEF")), 6);
  EXPECT_EQ(LetterText(0), "");
}

struct TScoringCase {
  const char* Correct;
  bool Any;
  const char* Chosen;
  bool Right;
};

class ScoringRule : public testing::TestWithParam<TScoringCase> {};

TEST_P(ScoringRule, MarksTheChosenLetters) {
  const TScoringCase& c = GetParam();
  EXPECT_EQ(IsRight(LettersOf(c.Correct), c.Any, LettersOf(c.Chosen)), c.Right)
      << c.Correct << (c.Any ? " any" : " all") << " chosen " << c.Chosen;
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, ScoringRule,
    testing::Values(TScoringCase{"B", false, "B", true}, TScoringCase{"B", false, "AB", false},
                    TScoringCase{"B", true, "B", true}, TScoringCase{"B", false, "", false},
                    TScoringCase{"AC", false, "AC", true}, TScoringCase{"AC", false, "A", false},
                    TScoringCase{"AC", false, "ACD", false}, TScoringCase{"AC", true, "C", true},
                    TScoringCase{"AC", true, "AC", true}, TScoringCase{"AC", true, "AD", false},
                    TScoringCase{"AC", true, "", false}, TScoringCase{"", false, "", false},
                    TScoringCase{"", true, "A", false}));

TEST(Scoring, PercentRoundsAndPassNeedsTheExactPercent) {
  EXPECT_EQ(Percent(2, 3), 67);
  EXPECT_EQ(Percent(1, 3), 33);
  EXPECT_EQ(Percent(0, 0), 0);
  EXPECT_FALSE(Passed(2, 3, 67));  // 66.67% rounds to 67 but does not reach it
  EXPECT_TRUE(Passed(2, 3, 66));
  EXPECT_FALSE(Passed(3, 3, 0));  // no pass point: neither passed nor failed
}

TEST(Shuffle, ASeedAlwaysGivesTheSamePermutationOfEveryIndex) {
  const std::vector<int> order = TShuffle(42).Permutation(50);
  EXPECT_EQ(order, TShuffle(42).Permutation(50));
  EXPECT_NE(order, TShuffle(43).Permutation(50));
  EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), 50u);
  // Pinned so that a change of the generator, which would change every
  // printed version, is seen.
  EXPECT_EQ(TShuffle(1).Permutation(5), (std::vector<int>{2, 1, 4, 3, 0}));
}
