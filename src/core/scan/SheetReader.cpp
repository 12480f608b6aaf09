#include "core/scan/SheetReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <opencv2/calib3d.hpp>
#include <opencv2/imgproc.hpp>

namespace Scan {
namespace {

// Pages are read at about 150 dpi: the boxes are 20 pixels or more across,
// and the work stays within a few million pixels whatever the scan's
// resolution.
constexpr double WorkLongSide = 1760;

using TPoint = cv::Point2d;

struct TMarker {
  TPoint Centre;
  double Side = 0;
};

struct TCorners {
  std::array<std::optional<TMarker>, 4> At;  // at the image's top-left, top-right, bottom-right, bottom-left
  int Count() const {
    return int(std::count_if(At.begin(), At.end(), [](const auto& m) { return m.has_value(); }));
  }
};

TPoint Centre(const SheetLayout::TBox& box) {
  return {box.X, box.Y};
}

TPoint Apply(const cv::Matx33d& h, TPoint p) {
  const cv::Vec3d v = h * cv::Vec3d(p.x, p.y, 1);
  return {v[0] / v[2], v[1] / v[2]};
}

double Distance(TPoint a, TPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// Solid, roughly square blobs of about the markers' size, each nearest to a
// corner of the image and no farther from it than a quarter of the diagonal.
TCorners FindCorners(const cv::Mat& binary, double expectedSide) {
  std::vector<std::vector<cv::Point>> contours;
  cv::findContours(binary, contours, cv::RETR_LIST, cv::CHAIN_APPROX_SIMPLE);
  const double expected = expectedSide * expectedSide;
  std::vector<TMarker> found;
  for (const auto& contour : contours) {
    const double area = cv::contourArea(contour);
    if (area < 0.4 * expected || area > 2.5 * expected) continue;
    const cv::RotatedRect rect = cv::minAreaRect(contour);
    const double longer = std::max(rect.size.width, rect.size.height);
    const double shorter = std::min(rect.size.width, rect.size.height);
    if (shorter <= 0 || longer / shorter > 1.3) continue;
    std::vector<cv::Point> hull;
    cv::convexHull(contour, hull);
    if (area < 0.9 * cv::contourArea(hull) || area < 0.7 * longer * shorter) continue;
    const cv::Moments m = cv::moments(contour);
    found.push_back({{m.m10 / m.m00, m.m01 / m.m00}, std::sqrt(area)});
  }
  const double w = binary.cols, h = binary.rows;
  const std::array<TPoint, 4> imageCorners{TPoint{0, 0}, TPoint{w, 0}, TPoint{w, h}, TPoint{0, h}};
  const double reach = 0.25 * std::hypot(w, h);
  TCorners corners;
  for (int k = 0; k < 4; ++k) {
    double best = reach;
    for (const TMarker& marker : found) {
      const double d = Distance(marker.Centre, imageCorners[std::size_t(k)]);
      if (d < best) {
        best = d;
        corners.At[std::size_t(k)] = marker;
      }
    }
  }
  return corners;
}

double Cosine(TPoint a, TPoint vertex, TPoint b) {
  const TPoint u = a - vertex, v = b - vertex;
  return (u.x * v.x + u.y * v.y) / (std::hypot(u.x, u.y) * std::hypot(v.x, v.y));
}

// The four marker centres in image corner order, the fourth made from three
// when one is missing and the three stand at a right angle. Nothing when they
// do not stand as a sheet's markers do. ratio is the layout's width over height
// of the markers' rectangle.
std::optional<std::array<TPoint, 4>> Quadrilateral(const TCorners& corners, double ratio, bool& fromThree) {
  std::array<TPoint, 4> p;
  fromThree = false;
  const int count = corners.Count();
  if (count < 3) return std::nullopt;
  int missing = -1;
  for (int k = 0; k < 4; ++k) {
    if (corners.At[std::size_t(k)])
      p[std::size_t(k)] = corners.At[std::size_t(k)]->Centre;
    else
      missing = k;
  }
  const auto at = [&](int k) { return p[std::size_t((k + 4) % 4)]; };
  if (missing >= 0) {
    // The corner opposite the missing one must be a right angle, sharply, and
    // its legs in the layout's ratio: only then is the fourth corner sure.
    const int vertex = (missing + 2) % 4;
    if (std::abs(Cosine(at(vertex - 1), at(vertex), at(vertex + 1))) > 0.03) return std::nullopt;
    p[std::size_t(missing)] = at(missing - 1) + at(missing + 1) - at(vertex);
    fromThree = true;
  }
  const double top = Distance(p[0], p[1]), bottom = Distance(p[3], p[2]);
  const double left = Distance(p[0], p[3]), right = Distance(p[1], p[2]);
  if (std::abs(top / bottom - 1) > 0.08 || std::abs(left / right - 1) > 0.08) return std::nullopt;
  // Portrait as printed, or turned a quarter.
  const double seen = (top + bottom) / (left + right);
  const double tolerance = fromThree ? 0.03 : 0.08;
  if (std::abs(seen / ratio - 1) > tolerance && std::abs(seen * ratio - 1) > tolerance) return std::nullopt;
  return p;
}

struct TQr {
  std::string Text;
  TPoint Centre;
};

std::optional<TQr> ReadQr(const cv::Mat& gray, double toWork) {
  ZXing::DecodeHints hints;
  hints.setFormats(ZXing::BarcodeFormat::QRCode);
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  const ZXing::ImageView view(gray.data, gray.cols, gray.rows, ZXing::ImageFormat::Lum, int(gray.step));
  const ZXing::Result result = ZXing::ReadBarcode(view, hints);
  if (!result.isValid()) return std::nullopt;
  TPoint centre{0, 0};
  for (const auto& corner : result.position()) centre += TPoint(corner.x, corner.y) * 0.25;
  return TQr{result.text(), centre * toWork};
}

struct TLevels {
  double Paper = 255;
  double Ink = 0;
};

double MeanIn(const cv::Mat& image, TPoint centre, double half) {
  cv::Rect rect(int(std::lround(centre.x - half)), int(std::lround(centre.y - half)),
                std::max(1, int(std::lround(2 * half))), std::max(1, int(std::lround(2 * half))));
  rect &= cv::Rect(0, 0, image.cols, image.rows);
  if (rect.area() == 0) return 255;
  return cv::mean(image(rect))[0];
}

// The side, in image pixels, of a box of the layout around its centre.
double SideOf(const cv::Matx33d& h, const SheetLayout::TBox& box) {
  const TPoint c = Centre(box);
  const double across =
      Distance(Apply(h, c - TPoint(box.Width / 2, 0)), Apply(h, c + TPoint(box.Width / 2, 0)));
  const double down =
      Distance(Apply(h, c - TPoint(0, box.Height / 2)), Apply(h, c + TPoint(0, box.Height / 2)));
  return std::min(across, down);
}

// The inner part of a box, clear of its printed outline even on a page
// turned by 10 degrees.
double RawDarkness(const cv::Mat& image, const cv::Matx33d& h, const SheetLayout::TBox& box,
                   const TLevels& levels) {
  const double mean = MeanIn(image, Apply(h, Centre(box)), 0.28 * SideOf(h, box));
  return std::clamp((levels.Paper - mean) / (levels.Paper - levels.Ink), 0.0, 1.0);
}

// Whether there is ink in the gaps between a row's boxes and after its last
// one, where a circle drawn round a box passes and nothing is printed.
template <typename TAdjust>
bool InkBetweenBoxes(const cv::Mat& image, const cv::Matx33d& h,
                     const std::vector<SheetLayout::TAnswerBox>& boxes, std::size_t begin, std::size_t end,
                     const TLevels& levels, const TAdjust& adjusted) {
  if (end - begin < 2) return false;
  const double gap = boxes[begin + 1].Box.X - boxes[begin].Box.X;  // the pitch of the row
  const auto inked = [&](const SheetLayout::TBox& strip) {
    const TPoint centre = Apply(h, Centre(strip));
    const double across = SideOf(h, SheetLayout::TBox{strip.X, strip.Y, strip.Width, strip.Width});
    const double down = SideOf(h, SheetLayout::TBox{strip.X, strip.Y, strip.Height, strip.Height});
    cv::Rect rect(int(std::lround(centre.x - across / 2)), int(std::lround(centre.y - down / 2)),
                  std::max(1, int(std::lround(across))), std::max(1, int(std::lround(down))));
    rect &= cv::Rect(0, 0, image.cols, image.rows);
    if (rect.area() == 0) return false;
    const double mean = cv::mean(image(rect))[0];
    return adjusted(std::clamp((levels.Paper - mean) / (levels.Paper - levels.Ink), 0.0, 1.0)) >= 0.25;
  };
  for (std::size_t k = begin; k < end; ++k) {
    const SheetLayout::TBox& box = boxes[k].Box;
    const double thin = 0.25 * (gap - box.Width);
    // Right of the box, and above and below it (rows are about as far apart
    // as boxes).
    if (inked({box.X + gap / 2, box.Y, thin, 0.6 * box.Height}) ||
        inked({box.X, box.Y - gap / 2, 0.6 * box.Width, thin}) ||
        inked({box.X, box.Y + gap / 2, 0.6 * box.Width, thin}))
      return true;
  }
  return false;
}

// The part of the page between those layout points, upright and square to
// the page however the page lay on the scanner (turned, upside down), at the
// scan's resolution; white where it runs off the image.
cv::Mat CropOf(const cv::Mat& image, const cv::Matx33d& h, double left, double top, double right,
               double bottom) {
  const double scale = cv::norm(Apply(h, TPoint(right, top)) - Apply(h, TPoint(left, top))) / (right - left);
  const cv::Size size(int(std::lround((right - left) * scale)), int(std::lround((bottom - top) * scale)));
  if (size.width <= 0 || size.height <= 0 || !std::isfinite(scale)) return {};
  // From the crop's pixels to the layout's points, then on into the scan.
  const cv::Matx33d toPoints(1 / scale, 0, left, 0, 1 / scale, top, 0, 0, 1);
  cv::Mat crop;
  cv::warpPerspective(image, crop, h * toPoints, size, cv::INTER_LINEAR | cv::WARP_INVERSE_MAP,
                      cv::BORDER_CONSTANT, cv::Scalar(255));
  return crop;
}

template <typename TBoxes>
cv::Mat CropAround(const cv::Mat& image, const cv::Matx33d& h, const TBoxes& boxes, double margin) {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
  for (const auto& b : boxes) {
    left = std::min(left, b.Box.X - b.Box.Width / 2);
    right = std::max(right, b.Box.X + b.Box.Width / 2);
    top = std::min(top, b.Box.Y - b.Box.Height / 2);
    bottom = std::max(bottom, b.Box.Y + b.Box.Height / 2);
  }
  return CropOf(image, h, left - 3 * margin, top - margin, right + margin, bottom + margin);
}

// A doubtful row as the teacher decides it: upright, with each box's
// printed letter in a white band above it, so that no letter is read off a
// turned page or counted from the left.
cv::Mat RowCrop(const cv::Mat& image, const cv::Matx33d& h, const std::vector<SheetLayout::TAnswerBox>& boxes,
                double margin) {
  if (boxes.empty()) return {};
  const double band = boxes.front().Box.Height * 1.6;
  const double left = boxes.front().Box.X - boxes.front().Box.Width / 2 - 3 * margin;
  const double top = boxes.front().Box.Y - boxes.front().Box.Height / 2 - margin - band;
  const double right = boxes.back().Box.X + boxes.back().Box.Width / 2 + margin;
  const double bottom = boxes.front().Box.Y + boxes.front().Box.Height / 2 + margin;
  cv::Mat crop = CropOf(image, h, left, top, right, bottom);
  if (crop.empty()) return crop;
  const double scale = crop.cols / (right - left);
  const int bandPixels = int(std::lround(band * scale));
  crop(cv::Rect(0, 0, crop.cols, std::min(bandPixels, crop.rows))).setTo(255);
  const double size = band * scale / 40;  // the font's scale for letters most of the band high
  const int thickness = std::max(1, int(std::lround(size * 2)));
  for (const SheetLayout::TAnswerBox& box : boxes) {
    const std::string letter(1, box.Letter);
    int baseline = 0;
    const cv::Size text = cv::getTextSize(letter, cv::FONT_HERSHEY_SIMPLEX, size, thickness, &baseline);
    cv::putText(crop, letter,
                cv::Point(int(std::lround((box.Box.X - left) * scale)) - text.width / 2,
                          (bandPixels + text.height) / 2),
                cv::FONT_HERSHEY_SIMPLEX, size, cv::Scalar(0), thickness, cv::LINE_AA);
  }
  return crop;
}

TPageReading Refused(std::string problem) {
  TPageReading reading;
  reading.Problem = std::move(problem);
  return reading;
}

}  // namespace

TBoxState StateOf(double darkness) {
  if (darkness < BlankBelow) return TBoxState::Blank;
  return darkness >= MarkedFrom ? TBoxState::Marked : TBoxState::Doubtful;
}

TPageReading ReadPage(const cv::Mat& input) try {
  if (input.empty() || input.type() != CV_8UC1) return Refused("not a grey image");
  const double scale = std::min(1.0, WorkLongSide / std::max(input.cols, input.rows));
  cv::Mat work;
  if (scale < 1)
    cv::resize(input, work, cv::Size(), scale, scale, cv::INTER_AREA);
  else
    work = input;

  // Where the markers should be, and how big, for the paper the image's
  // shape suggests; the QR code then says which paper it is.
  SheetLayout::TSheetCode probe;
  probe.Paper = double(work.rows) / work.cols > 1.37 || double(work.cols) / work.rows > 1.37
                    ? SheetLayout::TPaper::A4
                    : SheetLayout::TPaper::Letter;
  const SheetLayout::TSheetPage probeLayout = SheetLayout::Lay(probe);
  const double pixelsPerPoint = std::min(work.cols, work.rows) / probeLayout.Width;

  // Ink is what lies well below the paper's level, the level most of a
  // page has; the darkest ink seen sets how far below.
  std::array<long, 256> histogram{};
  for (int y = 0; y < work.rows; y += 2) {
    const std::uint8_t* line = work.ptr<std::uint8_t>(y);
    for (int x = 0; x < work.cols; x += 2) ++histogram[line[x]];
  }
  const long total = std::accumulate(histogram.begin(), histogram.end(), 0L);
  const auto percentile = [&](long share) {
    long seen = 0;
    int level = 0;
    while (level < 255 && (seen += histogram[std::size_t(level)]) * 1000 < total * share) ++level;
    return level;
  };
  const int paper = percentile(750), darkest = percentile(2);
  if (paper - darkest < 60) return Refused("no corner markers: a blank page, or not an answer sheet");
  cv::Mat binary;
  cv::threshold(work, binary, (paper + darkest) / 2.0, 255, cv::THRESH_BINARY_INV);
  const TCorners corners = FindCorners(binary, probeLayout.Markers[0].Width * pixelsPerPoint);
  if (corners.Count() < 3)
    return Refused(corners.Count() == 0
                       ? "no corner markers: a blank page, or not an answer sheet"
                       : "only " + std::to_string(corners.Count()) + " of the four corner markers found");

  std::optional<TQr> qr = ReadQr(work, 1.0);
  if (!qr && scale < 1) qr = ReadQr(input, scale);
  if (!qr) return Refused("the QR code cannot be read");
  const auto code = SheetLayout::Decode(qr->Text);
  if (!code) return Refused("the QR code is not an answer sheet's");
  const SheetLayout::TSheetPage layout = SheetLayout::Lay(*code);

  const auto& m = layout.Markers;
  const double ratio = Distance(Centre(m[0]), Centre(m[1])) / Distance(Centre(m[0]), Centre(m[3]));
  bool fromThree = false;
  const auto quad = Quadrilateral(corners, ratio, fromThree);
  if (!quad)
    return Refused("the corner markers do not stand where a sheet's do (a corner torn off or folded?)");

  // The page's turn: the one that puts the QR code where the layout has it.
  cv::Matx33d best;
  double bestError = 1e9, secondError = 1e9;
  int bestTurn = 0;
  for (int turn = 0; turn < 4; ++turn) {
    std::vector<cv::Point2f> from, to;
    for (int k = 0; k < 4; ++k) {
      from.emplace_back(float(m[std::size_t(k)].X), float(m[std::size_t(k)].Y));
      const TPoint p = (*quad)[std::size_t((k + turn) % 4)];
      to.emplace_back(float(p.x), float(p.y));
    }
    const cv::Matx33d h = cv::getPerspectiveTransform(from, to);
    const double error = Distance(Apply(h, Centre(layout.Qr)), qr->Centre);
    if (error < bestError) {
      secondError = bestError;
      bestError = error;
      best = h;
      bestTurn = turn;
    } else {
      secondError = std::min(secondError, error);
    }
  }
  const double allowed = (fromThree ? 0.015 : 0.03) * std::min(work.cols, work.rows);
  if (bestError > allowed || secondError < 3 * bestError)
    return Refused("the QR code does not stand where the corner markers put it");

  TLevels levels;
  levels.Paper = paper;
  {
    double ink = 0;
    int inks = 0;
    for (const auto& marker : corners.At)
      if (marker) {
        ink += MeanIn(work, marker->Centre, 0.25 * marker->Side);
        ++inks;
      }
    levels.Ink = ink / inks;
    if (levels.Paper - levels.Ink < 60) return Refused("the page is too faint to read");
  }

  TPageReading reading;
  reading.Code = *code;
  reading.ThreeMarkers = fromThree;
  reading.UpsideDown = bestTurn == 2;
  reading.PointsToPixels = cv::Matx33d(1 / scale, 0, 0, 0, 1 / scale, 0, 0, 0, 1) * best;

  // The boxes' own darkness when blank (a printed letter inside, grey paper)
  // is taken off: most boxes of a page are blank, so a low percentile of all
  // of them is that level.
  std::vector<double> answers, digits, all;
  for (const auto& box : layout.Answers) answers.push_back(RawDarkness(work, best, box.Box, levels));
  for (const auto& box : layout.Digits) digits.push_back(RawDarkness(work, best, box.Box, levels));
  all = answers;
  all.insert(all.end(), digits.begin(), digits.end());
  double base = 0;
  if (all.size() >= 4) {
    const auto at = all.begin() + std::ptrdiff_t(all.size() / 5);
    std::nth_element(all.begin(), at, all.end());
    base = std::min(*at, 0.3);
  }
  const auto adjusted = [base](double d) { return std::clamp((d - base) / (1 - base), 0.0, 1.0); };

  const double margin = 4;
  // A row per printed question, boxes or not; the layout lists a row's
  // boxes together.
  std::size_t next = 0;
  for (std::size_t q = 0; q < code->AnswerCounts.size(); ++q) {
    TRowReading row;
    row.Printed = code->FirstQuestion + int(q);
    const std::size_t begin = next;
    while (next < layout.Answers.size() && layout.Answers[next].Printed == row.Printed) ++next;
    int marked = 0, doubtful = 0;
    for (std::size_t k = begin; k < next; ++k) {
      const double d = adjusted(answers[k]);
      row.Darkness.push_back(d);
      const TBoxState state = StateOf(d);
      if (state == TBoxState::Marked) {
        row.Letters += layout.Answers[k].Letter;
        ++marked;
      } else if (state == TBoxState::Doubtful) {
        ++doubtful;
      }
    }
    if (doubtful == 0 && InkBetweenBoxes(work, best, layout.Answers, begin, next, levels, adjusted)) {
      // A circle round a box undoes the row's other marks: only a reader can
      // tell which letter the student meant.
      row.Doubtful = true;
      row.Reason = "marks between the boxes (a circled box?)";
    } else if (doubtful > 0) {
      row.Doubtful = true;
      row.Reason = doubtful == 1 ? "a box neither blank nor marked" : "boxes neither blank nor marked";
    } else if (marked > 1) {
      row.Doubtful = true;
      row.Reason = "more than one box marked";
      row.SeveralMarked = true;
    }
    if (row.Doubtful)
      row.Crop = RowCrop(work, best,
                         std::vector(layout.Answers.begin() + std::ptrdiff_t(begin),
                                     layout.Answers.begin() + std::ptrdiff_t(next)),
                         margin);
    reading.Rows.push_back(std::move(row));
  }

  if (!layout.Digits.empty()) {
    std::string number;
    bool anyMarked = false;
    for (std::size_t i = 0; i < layout.Digits.size();) {
      std::size_t end = i;
      while (end < layout.Digits.size() && layout.Digits[end].Column == layout.Digits[i].Column) ++end;
      int marked = 0, doubtful = 0;
      char digit = ' ';
      for (std::size_t k = i; k < end; ++k) {
        const TBoxState state = StateOf(adjusted(digits[k]));
        if (state == TBoxState::Marked) {
          ++marked;
          digit = char('0' + layout.Digits[k].Digit);
        } else if (state == TBoxState::Doubtful) {
          ++doubtful;
        }
      }
      if (doubtful > 0 || marked > 1) {
        digit = '?';
        reading.NumberDoubtful = true;
        reading.NumberReason =
            "column " + std::to_string(layout.Digits[i].Column + 1) +
            (marked > 1 ? " has more than one digit marked" : " has a box neither blank nor marked");
      }
      anyMarked = anyMarked || marked > 0;
      number += digit;
      i = end;
    }
    if (anyMarked && !reading.NumberDoubtful && number.find(' ') != std::string::npos) {
      reading.NumberDoubtful = true;
      reading.NumberReason = "column " + std::to_string(number.find(' ') + 1) + " is left blank";
    }
    reading.StudentNumber = anyMarked || reading.NumberDoubtful ? number : std::string();
    if (reading.NumberDoubtful) reading.NumberCrop = CropAround(work, best, layout.Digits, margin);
  }
  reading.Read = true;
  return reading;
} catch (const cv::Exception& error) {
  return Refused(std::string("the image cannot be read: ") + error.what());
}

}  // namespace Scan
