#include "core/scan/MarkDecision.h"

#include <algorithm>

namespace Scan {
namespace {

// A sheet needs this many full fills before its own level is trusted.
constexpr std::size_t FillsToTell = 3;

bool FullFill(const TBoxMeasure& box, const TThresholds& thresholds) {
  return box.Spread >= thresholds.FullSpread && box.Fill >= thresholds.PencilFloor;
}

}  // namespace

TThresholds ThresholdsAt(int lighter) {
  TThresholds thresholds;
  const int step = std::clamp(lighter, -LighterSteps, LighterSteps);
  // Each step moves what a mark must reach by 0.06 of the ink's darkness, and
  // on a pencil sheet by 0.05 of its own fills.
  thresholds.MarkedFrom -= 0.06 * step;
  thresholds.PencilShare -= 0.05 * step;
  thresholds.PencilBelow += 0.02 * step;
  return thresholds;
}

TSheetLevel LevelOf(const std::vector<TBoxMeasure>& boxes, const TThresholds& thresholds) {
  TSheetLevel level;
  level.MarkedFrom = thresholds.MarkedFrom;
  std::vector<double> fills;
  for (const TBoxMeasure& box : boxes)
    if (FullFill(box, thresholds)) fills.push_back(box.Fill);
  if (fills.size() < FillsToTell) return level;
  const auto middle = fills.begin() + std::ptrdiff_t(fills.size() / 2);
  std::nth_element(fills.begin(), middle, fills.end());
  level.TypicalFill = *middle;
  if (level.TypicalFill < thresholds.PencilBelow) {
    level.Pencil = true;
    level.MarkedFrom =
        std::clamp(thresholds.PencilShare * level.TypicalFill, thresholds.PencilFloor, thresholds.MarkedFrom);
  }
  return level;
}

TBoxState StateOf(const TBoxMeasure& box, const TSheetLevel& level, const TThresholds& thresholds) {
  if (box.Fill < thresholds.BlankBelow && box.Ink < thresholds.InkTrace) return TBoxState::Blank;
  if (box.Fill >= level.MarkedFrom && box.Spread >= thresholds.FullSpread) return TBoxState::Marked;
  return TBoxState::Doubtful;
}

TPageDecision Decide(const TPageMeasures& page, const TThresholds& thresholds) {
  std::vector<TBoxMeasure> all;
  for (const TRowMeasures& row : page.Rows) all.insert(all.end(), row.Boxes.begin(), row.Boxes.end());
  for (const TColumnMeasures& column : page.Columns) all.insert(all.end(), column.begin(), column.end());
  TPageDecision decision;
  decision.Level = LevelOf(all, thresholds);
  const TSheetLevel& level = decision.Level;

  for (const TRowMeasures& measures : page.Rows) {
    TRowDecision& row = decision.Rows.emplace_back();
    int marked = 0, doubtful = 0;
    for (std::size_t k = 0; k < measures.Boxes.size(); ++k) {
      const TBoxState state = StateOf(measures.Boxes[k], level, thresholds);
      row.States.push_back(state);
      if (state == TBoxState::Marked) {
        row.Letters += char('A' + k);
        ++marked;
      } else if (state == TBoxState::Doubtful) {
        ++doubtful;
      }
    }
    if (doubtful > 0) {
      row.Doubtful = true;
      row.Reason = doubtful == 1 ? "a box neither blank nor marked" : "boxes neither blank nor marked";
    } else if (measures.InkBetween) {
      // A circle round a box undoes the row's other marks: only a reader can
      // tell which letter the student meant.
      row.Doubtful = true;
      row.Reason = "marks between the boxes (a circled box?)";
    } else if (marked > 1) {
      row.Doubtful = true;
      row.Reason = "more than one box marked";
      row.SeveralMarked = true;
    }
  }

  TNumberDecision& number = decision.Number;
  bool anyMarked = false;
  std::string digits;
  for (std::size_t c = 0; c < page.Columns.size(); ++c) {
    int marked = 0, doubtful = 0;
    char digit = ' ';
    for (std::size_t d = 0; d < page.Columns[c].size(); ++d) {
      const TBoxState state = StateOf(page.Columns[c][d], level, thresholds);
      if (state == TBoxState::Marked) {
        ++marked;
        digit = char('0' + d);
      } else if (state == TBoxState::Doubtful) {
        ++doubtful;
      }
    }
    if (doubtful > 0 || marked > 1) {
      digit = '?';
      number.Doubtful = true;
      number.Reason =
          "column " + std::to_string(c + 1) +
          (marked > 1 ? " has more than one digit marked" : " has a box neither blank nor marked");
    }
    anyMarked = anyMarked || marked > 0;
    digits += digit;
  }
  if (anyMarked && !number.Doubtful && digits.find(' ') != std::string::npos) {
    number.Doubtful = true;
    number.Reason = "column " + std::to_string(digits.find(' ') + 1) + " is left blank";
  }
  if (anyMarked || number.Doubtful) number.Number = digits;
  return decision;
}

}  // namespace Scan
