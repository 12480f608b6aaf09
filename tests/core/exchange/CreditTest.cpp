#include <gtest/gtest.h>

#include "core/exchange/Credit.h"

namespace {

struct TCase {
  std::vector<double> Credits;
  bool Single;
  std::string Correct;
  bool Any;
  std::vector<std::string> Notes;
};

class Credit : public testing::TestWithParam<TCase> {};

// The branches the format fixtures leave out: one choice with nothing worth
// full marks, shares written with few decimals, no credit at all.
TEST_P(Credit, MapsCreditsToTheRuleThatScoresAlike) {
  const ::Credit::TRule rule = ::Credit::RuleOf(GetParam().Credits, GetParam().Single);
  EXPECT_EQ(rule.Correct, GetParam().Correct);
  EXPECT_EQ(rule.AnyCorrectPasses, GetParam().Any);
  EXPECT_EQ(rule.Notes, GetParam().Notes);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Credit,
    testing::Values(TCase{{0.5, 0.25, 0.5, 0},
                          true,
                          "AC",
                          true,
                          {"the best answer earns only 50%: taken as full marks",
                           "part marks for B (25%) dropped: taken as wrong"}},
                    TCase{{0.3333333, 0.3333333, -1, 0.3333333},
                          false,
                          "ABD",
                          false,
                          {"part marks rounded to all or nothing: every correct answer must be chosen"}},
                    TCase{{0, -1}, false, "", false, {}}, TCase{{1.5, 0}, false, "A", false, {}}));

}  // namespace
