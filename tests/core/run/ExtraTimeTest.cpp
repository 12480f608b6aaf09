#include <gtest/gtest.h>

#include "core/run/ExtraTime.h"
#include "support/TempDir.h"

using namespace ExtraTime;

TEST(ExtraTime, ParsesNamesAndFactorsAndNamesTheLinesItLeavesOut) {
  const TList list = Parse(
      "; statement of need\r\n"
      "Ann Lee = 1.25\r\n"
      "\n"
      "Bo=1.5\n"
      "no factor\n"
      "=1.25\n"
      "Cy=0.9\n"
      "Di=4.01\n"
      "Ed=1.255\n"
      "Flo=x\n"
      "Gus=4");
  ASSERT_EQ(list.Entries.size(), 3u);
  EXPECT_EQ(list.Entries[0].Name, "Ann Lee");
  EXPECT_DOUBLE_EQ(list.Entries[0].Factor, 1.25);
  EXPECT_DOUBLE_EQ(list.Entries[1].Factor, 1.5);
  EXPECT_DOUBLE_EQ(list.Entries[2].Factor, 4);
  using K = ExtraTime::TProblemKind;
  EXPECT_EQ(list.Problems, (std::vector<ExtraTime::TProblem>{{5, K::NoEquals},
                                                             {6, K::NoName},
                                                             {7, K::BadFactor},
                                                             {8, K::BadFactor},
                                                             {9, K::BadFactor},
                                                             {10, K::BadFactor}}));
  std::vector<std::string> sentences;
  for (const ExtraTime::TProblem& problem : list.Problems) sentences.push_back(ExtraTime::Sentence(problem));
  EXPECT_EQ(sentences,
            (std::vector<std::string>{"line 5: no '=' between the name and the factor", "line 6: no name",
                                      "line 7: the factor is not a number from 1 to 4",
                                      "line 8: the factor is not a number from 1 to 4",
                                      "line 9: the factor is not a number from 1 to 4",
                                      "line 10: the factor is not a number from 1 to 4"}));
  EXPECT_EQ(Format(list), "Ann Lee=1.25\nBo=1.5\nGus=4\n");
  EXPECT_EQ(Format(Parse(Format(list))), Format(list));
}

TEST(ExtraTime, MatchesTheTypedNameWithCaseAndBlanksAside) {
  const TList list = Parse("Ann  Lee=1.25\nann lee=1.5\nBo=2\n");
  EXPECT_EQ(FactorFor(list, "  ANN LEE "), 1.5);  // the last line wins
  EXPECT_EQ(FactorFor(list, "bo"), 2);
  EXPECT_EQ(FactorFor(list, "Bob"), std::nullopt);
  EXPECT_EQ(FactorFor(list, "   "), std::nullopt);
}

TEST(ExtraTime, ExtendsTheTimeRoundingUpWithinTheLongestTime) {
  EXPECT_EQ(ExtendedSeconds(30 * 60, 1.25), 37 * 60 + 30);    // 00:30:00 -> 00:37:30
  EXPECT_EQ(ExtendedSeconds(45 * 60, 1.5), 67 * 60 + 30);     // 00:45:00 -> 01:07:30
  EXPECT_EQ(ExtendedSeconds(7, 1.25), 9);                     // 8.75 s -> 9 s
  EXPECT_EQ(ExtendedSeconds(10 * 60, 1.1), 11 * 60);          // exact, not 660.0000001
  EXPECT_EQ(ExtendedSeconds(20 * 3600, 1.5), 24 * 3600 - 1);  // 30 h -> 23:59:59
  EXPECT_EQ(ExtendedSeconds(0, 2), 0);                        // untimed stays untimed
}

TEST(ExtraTime, LoadsTheFileBesideTheTestOrNothing) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  EXPECT_TRUE(Load(test).Entries.empty());
  EXPECT_EQ(PathFor(test), dir.File("T.QWT.extratime"));
  Save(test, Parse("Ann=2\n"));
  ASSERT_EQ(Load(test).Entries.size(), 1u);
  EXPECT_DOUBLE_EQ(Load(test).Entries[0].Factor, 2);
}
