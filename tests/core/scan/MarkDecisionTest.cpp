#include <gtest/gtest.h>

#include "core/scan/MarkDecision.h"

namespace {

using Scan::TBoxMeasure;
using Scan::TBoxState;

const TBoxMeasure Empty{0.01, 0, 0};
const TBoxMeasure Pen{0.9, 0.95, 1};
const TBoxMeasure Pencil{0.45, 0.6, 1};
const TBoxMeasure Ring{0.38, 0.35, 8 / 9.0};    // dark, but its middle left blank
const TBoxMeasure Tick{0.07, 0.06, 3 / 9.0};    // little ink, but ink
const TBoxMeasure Smudge{0.08, 0.01, 9 / 9.0};  // a faint grey over the box, no ink

// A page of rows of four boxes, the first box of each row marked with mark.
Scan::TPageMeasures Rows(const TBoxMeasure& mark, int rows, const TBoxMeasure& other = Empty) {
  Scan::TPageMeasures page;
  for (int r = 0; r < rows; ++r) page.Rows.push_back({{mark, other, Empty, Empty}, false});
  return page;
}

TEST(MarkDecision, ASheetInPencilIsReadAgainstItsOwnFills) {
  const auto pencil = Scan::Decide(Rows(Pencil, 10), {});
  EXPECT_TRUE(pencil.Level.Pencil);
  EXPECT_DOUBLE_EQ(pencil.Level.TypicalFill, 0.45);
  for (const auto& row : pencil.Rows) {
    EXPECT_EQ(row.Letters, "A");
    EXPECT_FALSE(row.Doubtful);
  }
  // The same fill among pen marks is in doubt; and two pencil fills are no
  // sheet's level.
  auto mixed = Rows(Pen, 10);
  mixed.Rows[3].Boxes[0] = Pencil;
  EXPECT_FALSE(Scan::Decide(mixed, {}).Level.Pencil);
  EXPECT_EQ(Scan::Decide(mixed, {}).Rows[3].Reason, "a box neither blank nor marked");
  EXPECT_FALSE(Scan::Decide(Rows(Pencil, 2), {}).Level.Pencil);
  EXPECT_TRUE(Scan::Decide(Rows(Pencil, 2), {}).Rows[0].Doubtful);
}

TEST(MarkDecision, InkAnywhereInABoxIsNeverBlank) {
  const auto decided = Scan::Decide(Rows(Pen, 6), {});
  const Scan::TSheetLevel& level = decided.Level;
  const Scan::TThresholds thresholds;
  EXPECT_EQ(Scan::StateOf(Ring, level, thresholds), TBoxState::Doubtful);
  EXPECT_EQ(Scan::StateOf(Tick, level, thresholds), TBoxState::Doubtful);
  EXPECT_EQ(Scan::StateOf(Smudge, level, thresholds), TBoxState::Blank);
  EXPECT_EQ(Scan::StateOf(Pen, level, thresholds), TBoxState::Marked);
  // However light marks may count, a ring stays a doubt, not a fill.
  EXPECT_EQ(Scan::StateOf(Ring, level, Scan::ThresholdsAt(Scan::LighterSteps)), TBoxState::Doubtful);
}

TEST(MarkDecision, LighterMarksCountMovesOnlyWhatAMarkMustReach) {
  const Scan::TBoxMeasure light{0.36, 0.3, 1};
  const auto page = Rows(Pen, 6, light);
  EXPECT_TRUE(Scan::Decide(page, {}).Rows[0].Doubtful);
  const auto lighter = Scan::Decide(page, Scan::ThresholdsAt(Scan::LighterSteps));
  EXPECT_EQ(lighter.Rows[0].Reason, "more than one box marked");
  EXPECT_TRUE(lighter.Rows[0].SeveralMarked);
  EXPECT_EQ(Scan::ThresholdsAt(0), Scan::TThresholds{});
  EXPECT_EQ(Scan::ThresholdsAt(99), Scan::ThresholdsAt(Scan::LighterSteps));
  for (const int step : {-Scan::LighterSteps, Scan::LighterSteps}) {
    EXPECT_EQ(Scan::ThresholdsAt(step).BlankBelow, Scan::TThresholds{}.BlankBelow);
    EXPECT_EQ(Scan::ThresholdsAt(step).InkTrace, Scan::TThresholds{}.InkTrace);
  }
  EXPECT_GT(Scan::ThresholdsAt(-1).MarkedFrom, Scan::ThresholdsAt(1).MarkedFrom);
}

}  // namespace
