#pragma once

#include <opencv2/core.hpp>
#include <random>
#include <string>
#include <vector>

#include "core/run/SheetLayout.h"

// Sheet pages as a scanner sees them, for the scanner's tests and benchmark:
// printed from the layout, filled as students fill boxes, and degraded as
// copiers and phones degrade them.
namespace FakeSheet {

enum class TFill { None, Full, Medium, Light, Tick, Cross, Half, Erased };

// Whether a student who fills a box so meant it as a mark.
bool MeantMarked(TFill fill);

struct TMark {
  int Printed = 0;    // the question, or -1 - column for a student number digit
  char Letter = 'A';  // or the digit '0'..'9'
  TFill Fill = TFill::Full;
};

struct TDegrade {
  double Dpi = 300;
  double Angle = 0;  // degrees, anticlockwise
  double Scale = 1;
  bool UpsideDown = false;
  double Blur = 0;      // Gaussian sigma, in pixels
  double Noise = 0;     // standard deviation, in grey levels
  int JpegQuality = 0;  // 0: none
  bool DarkBorder = false;
  double Perspective = 0;  // corner shift, as a share of the page's width
  int TornCorner = -1;     // 0..3: that corner's marker torn off
  bool CoffeeRing = false;
  bool StrayMarks = false;
};

// A sheet code of a 20-question test with four answers each and a 6-digit
// student number, for tests that need any sheet.
SheetLayout::TSheetCode SampleCode(int questions = 20, int digits = 6);

// The page printed at dpi, filled with marks, then degraded; rng decides the
// small irregularities of hand and scanner.
cv::Mat Make(const SheetLayout::TSheetPage& page, const std::vector<TMark>& marks, const TDegrade& degrade,
             std::mt19937& rng);

// marks that answer every question of the page with the letter answers[i]
// (' ' for none), and the student number's digits.
std::vector<TMark> Answering(const SheetLayout::TSheetPage& page, const std::string& answers,
                             const std::string& number = "", TFill fill = TFill::Full);

}  // namespace FakeSheet
