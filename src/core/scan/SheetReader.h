#pragma once

#include <opencv2/core.hpp>
#include <opencv2/core/matx.hpp>
#include <string>
#include <vector>

#include "core/run/SheetLayout.h"
#include "core/scan/MarkDecision.h"

// Reading one scanned sheet page: its corner markers, its QR code, and the
// measurements of each box (MarkDecision.h), which are then decided relative
// to the sheet. Nothing is guessed: a box neither blank nor marked is
// doubtful, and a row with a doubtful box or more than one mark is doubtful
// as a whole.
namespace Scan {

struct TRowReading {
  int Printed = 0;  // the question's printed number
  TRowMeasures Measures;
  // As decided (MarkDecision.h), or as the teacher settled it.
  std::vector<TBoxState> States;  // per printed letter
  std::string Letters;            // the marked letters, in printed order; "" for none
  bool Doubtful = false;
  std::string Reason;  // why it is doubtful
  // Doubtful only because more than one box is marked: an answer where the
  // question has several correct letters, a doubt where it has one.
  bool SeveralMarked = false;
  bool Settled = false;  // decided by the teacher: deciding again leaves it be
  // The row as scanned, kept for rows that are doubtful at some step of
  // "lighter marks count": upright whatever way the page lay, each box's
  // letter printed above it.
  cv::Mat Crop;
};

// Why a page cannot be read.
enum class TRefusal {
  None,              // it was read
  NotAnImage,        // not an 8-bit grey image, or one the image library fails on
  NoSheet,           // no corner markers: a blank page, or not an answer sheet
  MarkersMissing,    // fewer than three corner markers
  MarkersMisplaced,  // the markers do not stand as a sheet's (torn, folded, too far aside)
  QrUnreadable,
  QrForeign,    // a QR code, but no answer sheet's
  QrMisplaced,  // the QR code is not where the markers put it
  TooFaint,
};

struct TPageReading {
  bool Read = false;
  TRefusal Refusal = TRefusal::None;
  std::string Problem;  // why the page cannot be read, in words beside Refusal
  SheetLayout::TSheetCode Code;
  bool ThreeMarkers = false;  // laid out from three markers, the fourth being torn off or unseen
  bool UpsideDown = false;
  // Where the layout's points (SheetLayout) lie in the image read, in its
  // pixels: the page's turn, scale and skew as found.
  cv::Matx33d PointsToPixels = cv::Matx33d::eye();
  // How well the page's markers fit a flat page seen in perspective (a
  // least-squares fit on every marker's corners): the mean distance left,
  // in points of the page; 0 when three markers were all there was.
  double FitError = 0;
  TSheetLevel Level;                     // the sheet's typical fill, and whether it was read as pencil
  std::vector<TRowReading> Rows;         // one per printed question of the page
  std::vector<TColumnMeasures> Columns;  // the student number's boxes, column by column
  // The student number, one character per column ('?' for a doubtful column);
  // empty when the page has no number boxes or none of them is marked.
  std::string StudentNumber;
  bool NumberDoubtful = false;
  std::string NumberReason;
  bool NumberSettled = false;  // typed by the teacher: deciding again leaves it be
  cv::Mat NumberCrop;          // kept, upright, when the number may be doubtful
};

// Reads a page given as an 8-bit grey image of any resolution from 100 dpi.
// Never throws for what the image shows; a page that cannot be read comes
// back with Read false and the Problem in words.
TPageReading ReadPage(const cv::Mat& gray, const TThresholds& thresholds = {});

// Decides a read page again from its measurements, with other thresholds;
// rows and a number the teacher settled are kept as settled. A page not
// read is left as it is.
void Redecide(TPageReading& reading, const TThresholds& thresholds);

}  // namespace Scan
