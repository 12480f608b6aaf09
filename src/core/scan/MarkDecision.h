#pragma once

#include <string>
#include <vector>

// Deciding a sheet page's boxes from their measurements: marked, blank or
// doubtful, relative to the sheet itself. The reader (SheetReader.h) only
// measures; this step decides, and can be run again on the same
// measurements with other thresholds. Plain arithmetic: no image in sight.
namespace Scan {

// One box as measured, each figure from 0 to 1 and relative to the paper
// round the box (so shade and uneven light do not count), the box's own
// printed outline taken off.
struct TBoxMeasure {
  double Fill = 0;    // the mean darkness over the whole inside of the box: 1 is the markers' ink
  double Ink = 0;     // the share of the inside that is ink, however faint the rest
  double Spread = 0;  // the share of the inside's nine parts (3 by 3) that hold ink
};

// The thresholds a sheet is decided with. Fill below BlankBelow with less
// than InkTrace of ink is blank; Fill from MarkedFrom, spread over at least
// FullSpread of the box, is marked; anything between is doubtful, so a tick,
// a ring or a slash anywhere in the box is never blank. A sheet whose fills
// are mostly lighter than PencilBelow is read as pencil: against its own
// typical fill, a box is marked from PencilShare of it.
struct TThresholds {
  double BlankBelow = 0.12;
  double InkTrace = 0.04;
  double MarkedFrom = 0.50;
  double FullSpread = 0.75;
  double PencilBelow = 0.55;
  double PencilShare = 0.60;
  double PencilFloor = 0.16;  // the lowest a pencil sheet's MarkedFrom goes

  bool operator==(const TThresholds&) const = default;
};

// "Lighter marks count": the thresholds at a step from -LighterSteps
// (only dark marks count) to +LighterSteps (lighter marks count too); step 0
// gives the thresholds above. The blank side never moves: a mark is never
// made blank.
inline constexpr int LighterSteps = 5;
TThresholds ThresholdsAt(int lighter);

enum class TBoxState { Blank, Marked, Doubtful };

// The sheet's level: its typical fill (the median fill of its boxes filled
// over the whole box) and what a mark must reach on it.
struct TSheetLevel {
  double TypicalFill = 0;  // 0 when the sheet has too few full fills to tell
  bool Pencil = false;     // read as pencil: against its own fills, lighter than a pen's
  double MarkedFrom = 0;
};
TSheetLevel LevelOf(const std::vector<TBoxMeasure>& boxes, const TThresholds& thresholds);

TBoxState StateOf(const TBoxMeasure& box, const TSheetLevel& level, const TThresholds& thresholds);

// A row's boxes in printed order (A first), and whether ink was seen in the
// gaps round them, where only a circle drawn round a box passes.
struct TRowMeasures {
  std::vector<TBoxMeasure> Boxes;
  bool InkBetween = false;
};

struct TRowDecision {
  std::vector<TBoxState> States;  // per box, in printed order
  std::string Letters;            // the marked letters, in printed order
  bool Doubtful = false;
  std::string Reason;
  bool SeveralMarked = false;  // doubtful only because more than one box is marked
};

// A student number column's boxes, digit 0 first.
using TColumnMeasures = std::vector<TBoxMeasure>;

struct TNumberDecision {
  std::string Number;  // a character per column, '?' doubtful, ' ' blank; "" when nothing is marked
  bool Doubtful = false;
  std::string Reason;
};

struct TPageMeasures {
  std::vector<TRowMeasures> Rows;
  std::vector<TColumnMeasures> Columns;
};

struct TPageDecision {
  TSheetLevel Level;
  std::vector<TRowDecision> Rows;
  TNumberDecision Number;
};

// Decides a page's rows and number, the sheet's level taken from all its
// boxes. A row is doubtful with a box neither blank nor marked, with ink
// between its boxes, or with more than one box marked; a number column with
// a doubtful box or two digits, or left blank among marked ones.
TPageDecision Decide(const TPageMeasures& page, const TThresholds& thresholds);

}  // namespace Scan
