#pragma once

#include <cstdint>
#include <opencv2/core.hpp>
#include <random>
#include <string>
#include <vector>

#include "core/run/SheetLayout.h"

// Answer sheets as students fill them and as scanners and phones return
// them, with the truth of every box, for the scanner's tests and benchmark.
// The page comes in rendered (a grey image of the printed sheet at some dpi);
// everything is drawn from a seed, so a page can be made again.
namespace SheetGenerator {

// How a box is marked. Fill is what the sheet asks for; the others are what
// students do instead.
enum class TMark {
  Blank,
  Fill,         // filled with a pen, at one of several darknesses
  Tick,         // a check mark across the box
  Cross,        // both diagonals
  LightPencil,  // filled, but faint
  HalfFill,     // half the box filled
  Erased,       // a fill rubbed out, leaving a grey trace
  Circled,      // left blank, a circle drawn round it: "this one after all"
  SoftPencil,   // filled with a soft pencil, 40 to 60% dark: a proper fill
  InnerTick,    // a thin check mark low inside the box
  Ring,         // a ring drawn inside the box near its outline, its middle left blank
  Slash,        // a short stroke across one corner of the box
};

// Whether the student meant the box as chosen, and whether a careful reader
// may flag it doubtful rather than decide. A box read against Marked while
// not flagged doubtful is a silent error; an ambiguous box flagged doubtful
// is right. On a page, a Circled box also undoes the other marks of its row:
// they count as not chosen, and ambiguous.
bool Marked(TMark mark);
bool Ambiguous(TMark mark);

// The marks wanted on a page, parallel to its Answers and Digits.
struct TMarks {
  std::vector<TMark> Answers;
  std::vector<TMark> Digits;
};

// Marks answering the page's questions in order with the letters of answers
// and filling the student number's digits, each with mark; ' ' leaves a
// question or a column blank.
TMarks Answering(const SheetLayout::TSheetPage& page, const std::string& answers,
                 const std::string& number = "", TMark mark = TMark::Fill);
// Sets the mark of question printed's box letter.
void Mark(TMarks& marks, const SheetLayout::TSheetPage& page, int printed, char letter, TMark mark);

// What a scanner and a copier do to the page.
struct TDegradation {
  int Dpi = 300;            // the resolution of the image returned
  double Rotation = 0;      // degrees, counter-clockwise
  double Scale = 1;         // 0.95..1.05 as copiers scale
  double Blur = 0;          // Gaussian sigma, in pixels of the result; 0: none
  double Noise = 0;         // standard deviation of grey noise; 0: none
  int JpegQuality = 0;      // 1..100: passed through JPEG at that quality; 0: not
  double DarkBorder = 0;    // a dark band this many millimetres wide round the edges
  bool UpsideDown = false;  // fed the wrong way round
  double Perspective = 0;   // each corner moved up to this share of the page: a photograph
  bool StrayMarks = false;  // scribbles in the margins
  bool CoffeeRing = false;  // a light brown ring somewhere on the page
  double Keystone = 0;      // degrees the camera looked at the page from aside: its top nearer
  double Shadow = 0;        // 0..1: light falling off across the page and a soft shadow over a corner
  // The markers (as the layout numbers them) torn off with their corner.
  std::vector<int> TornCorners;
};

struct TGenerated {
  cv::Mat Image;               // 8-bit grey
  cv::Matx33d PointsToPixels;  // the page's points (layout coordinates) to the image's pixels
  std::vector<bool> AnswerMarked, AnswerAmbiguous;  // parallel to the page's Answers, circles applied
  std::vector<bool> DigitMarked, DigitAmbiguous;    // parallel to the page's Digits
};

// Draws marks onto a copy of rendered, the page rendered at renderDpi, then
// degrades it. The image holds the whole turned page with a few millimetres
// round it, so it is a little larger than the paper. random supplies every choice (darkness, stroke jitter,
// noise).
TGenerated Generate(const cv::Mat& rendered, double renderDpi, const SheetLayout::TSheetPage& page,
                    const TMarks& marks, const TDegradation& degradation, std::mt19937_64& random);

// Marks as a class fills sheets: per question no box or one (now and then
// two), per student number column one digit. With clean set every mark is a
// Fill; otherwise about one mark in five is of another kind, and now and then
// a row is a change of mind (a box filled, another circled).
TMarks RandomMarks(const SheetLayout::TSheetPage& page, bool clean, std::mt19937_64& random);

// A degradation drawn within what scanners and copiers do: 150, 200 or 300
// dpi, rotation up to 10 degrees, scale 0.95 to 1.05, some blur and noise,
// sometimes JPEG at quality 50, a dark border, upside down, a photograph's
// perspective, stray marks or a coffee ring.
TDegradation RandomDegradation(std::mt19937_64& random);

}  // namespace SheetGenerator
