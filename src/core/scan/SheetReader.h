#pragma once

#include <opencv2/core.hpp>
#include <opencv2/core/matx.hpp>
#include <string>
#include <vector>

#include "core/run/SheetLayout.h"

// Reading one scanned sheet page: its corner markers, its QR code, and the
// darkness of each box. Nothing is guessed: a box between the two thresholds
// is doubtful, and a row with a doubtful box or more than one mark is
// doubtful as a whole.
namespace Scan {

// Darkness of a box's inside, from 0 (the paper) to 1 (the markers' ink).
// Below BlankBelow a box is blank, from MarkedFrom on it is marked, between
// the two it is doubtful.
inline constexpr double BlankBelow = 0.12;
inline constexpr double MarkedFrom = 0.50;

enum class TBoxState { Blank, Marked, Doubtful };
TBoxState StateOf(double darkness);

struct TRowReading {
  int Printed = 0;               // the question's printed number
  std::string Letters;           // the marked letters, in printed order; "" for none
  std::vector<double> Darkness;  // per printed letter
  bool Doubtful = false;
  std::string Reason;  // why it is doubtful
  // Doubtful only because more than one box is marked: an answer where the
  // question has several correct letters, a doubt where it has one.
  bool SeveralMarked = false;
  // The row as scanned, kept for doubtful rows only: upright whatever way the
  // page lay, each box's letter printed above it.
  cv::Mat Crop;
};

struct TPageReading {
  bool Read = false;
  std::string Problem;  // why the page cannot be read, when !Read
  SheetLayout::TSheetCode Code;
  bool ThreeMarkers = false;  // laid out from three markers, the fourth being torn off or unseen
  bool UpsideDown = false;
  // Where the layout's points (SheetLayout) lie in the image read, in its
  // pixels: the page's turn, scale and skew as found.
  cv::Matx33d PointsToPixels = cv::Matx33d::eye();
  std::vector<TRowReading> Rows;  // one per printed question of the page
  // The student number, one character per column ('?' for a doubtful column);
  // empty when the page has no number boxes or none of them is marked.
  std::string StudentNumber;
  bool NumberDoubtful = false;
  std::string NumberReason;
  cv::Mat NumberCrop;  // kept, upright, when the number is doubtful
};

// Reads a page given as an 8-bit grey image of any resolution from 100 dpi.
// Never throws for what the image shows; a page that cannot be read comes
// back with Read false and the Problem in words.
TPageReading ReadPage(const cv::Mat& gray);

}  // namespace Scan
