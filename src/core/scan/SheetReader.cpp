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

#include "core/scan/ScanInput.h"

namespace Scan {
namespace {

// Pages are read at about 150 dpi (ReadLongSide): the boxes are 20 pixels or
// more across, and the work stays within a few million pixels whatever the
// scan's resolution.

using TPoint = cv::Point2d;

struct TMarker {
  TPoint Centre;
  double Side = 0;
  std::array<TPoint, 4> Corners;  // the square's corners as seen, in no particular order
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
    TMarker marker{{m.m10 / m.m00, m.m01 / m.m00}, std::sqrt(area), {}};
    std::vector<cv::Point> approx;
    cv::approxPolyDP(hull, approx, 0.1 * marker.Side, true);
    std::array<cv::Point2f, 4> box;
    rect.points(box.data());
    for (std::size_t c = 0; c < 4; ++c)
      marker.Corners[c] = approx.size() == 4 ? TPoint(approx[c]) : TPoint(box[c].x, box[c].y);
    found.push_back(marker);
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
  // Four markers may stand as a photograph taken up to 15 degrees aside
  // shows them, one edge of the page nearer than the other; three must stand
  // as on a flat scan.
  const double top = Distance(p[0], p[1]), bottom = Distance(p[3], p[2]);
  const double left = Distance(p[0], p[3]), right = Distance(p[1], p[2]);
  const double keystone = fromThree ? 0.08 : 0.32;
  if (std::abs(top / bottom - 1) > keystone || std::abs(left / right - 1) > keystone) return std::nullopt;
  // Portrait as printed, or turned a quarter.
  const double seen = (top + bottom) / (left + right);
  const double tolerance = fromThree ? 0.03 : 0.15;
  if (std::abs(seen / ratio - 1) > tolerance && std::abs(seen * ratio - 1) > tolerance) return std::nullopt;
  return p;
}

struct TQr {
  std::string Text;
  TPoint Centre;
  std::vector<cv::Point2f> Corners;
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
  std::vector<cv::Point2f> corners;
  for (const auto& corner : result.position()) {
    centre += TPoint(corner.x, corner.y) * 0.25;
    corners.emplace_back(float(corner.x * toWork), float(corner.y * toWork));
  }
  return TQr{result.text(), centre * toWork, corners};
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

// The page divided by its own paper: each pixel over the brightness of the
// paper round it, estimated at an eighth of the size with the ink taken out
// (a maximum over 19 points, more than a marker or a filled box), so shade,
// a phone's uneven light and a scanner's dark lid all read as paper.
cv::Mat PaperNormalised(const cv::Mat& work) {
  cv::Mat small, paper;
  cv::resize(work, small, cv::Size(std::max(1, work.cols / 8), std::max(1, work.rows / 8)), 0, 0,
             cv::INTER_AREA);
  cv::dilate(small, small, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(11, 11)));
  cv::GaussianBlur(small, small, cv::Size(5, 5), 0);
  cv::max(small, cv::Scalar(16), small);
  cv::resize(small, paper, work.size(), 0, 0, cv::INTER_LINEAR);
  cv::Mat normalised;
  cv::divide(work, paper, normalised, 245.0);
  return normalised;
}

// A rectangle of the layout, sampled upright at cols x rows pixels, as
// darkness from 0 (the paper) to 1 (the markers' ink).
cv::Mat DarknessIn(const cv::Mat& image, const cv::Matx33d& h, double left, double top, double width,
                   double height, int cols, int rows, const TLevels& levels) {
  const double dx = width / cols, dy = height / rows;
  const cv::Matx33d toPoints(dx, 0, left + dx / 2, 0, dy, top + dy / 2, 0, 0, 1);
  cv::Mat patch;
  cv::warpPerspective(image, patch, h * toPoints, cv::Size(cols, rows),
                      cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT, cv::Scalar(levels.Paper));
  cv::Mat darkness;
  patch.convertTo(darkness, CV_32F, -1.0 / (levels.Paper - levels.Ink),
                  levels.Paper / (levels.Paper - levels.Ink));
  cv::max(darkness, 0.0, darkness);
  cv::min(darkness, 1.0, darkness);
  return darkness;
}

// A box's inside as first measured, before the sheet's blank level is taken
// off: its mean darkness, its share of ink, and the darkness of its nine
// parts.
struct TRawBox {
  double Fill = 0;
  double Ink = 0;
  std::array<double, 9> Parts{};
};

// The inside of a box reaches up to its printed outline, whose half-width
// and a pixel's slack this leaves out, in points.
constexpr double OutlineInset = 1.4;
constexpr int BoxPixels = 18;        // the inside sampled at this many pixels a side, 6 per part
constexpr double InkDarkness = 0.4;  // a pixel at least this dark is ink

TRawBox MeasureBox(const cv::Mat& image, const cv::Matx33d& h, const SheetLayout::TBox& box,
                   const TLevels& levels) {
  const double width = box.Width - 2 * OutlineInset, height = box.Height - 2 * OutlineInset;
  const cv::Mat d = DarknessIn(image, h, box.X - width / 2, box.Y - height / 2, width, height, BoxPixels,
                               BoxPixels, levels);
  TRawBox raw;
  raw.Fill = cv::mean(d)[0];
  // Ink is counted clear of the inside's edge, where a misfit outline
  // could lie.
  const cv::Mat core = d(cv::Rect(1, 1, BoxPixels - 2, BoxPixels - 2));
  raw.Ink = double(cv::countNonZero(core >= InkDarkness)) / core.total();
  constexpr int Part = BoxPixels / 3;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      raw.Parts[std::size_t(y * 3 + x)] = cv::mean(d(cv::Rect(x * Part, y * Part, Part, Part)))[0];
  return raw;
}

// What is left of the boxes' own darkness when blank (their outline's edge,
// grey paper): most boxes of a page are blank, so a low percentile of them
// all is that level.
struct TBlankLevel {
  double Fill = 0;
  double Ink = 0;
};

TBlankLevel BlankLevelOf(const std::vector<TRawBox>& boxes) {
  TBlankLevel level;
  if (boxes.size() < 4) return level;
  std::vector<double> fills, inks;
  for (const TRawBox& box : boxes) {
    fills.push_back(box.Fill);
    inks.push_back(box.Ink);
  }
  const std::size_t at = boxes.size() / 5;
  std::nth_element(fills.begin(), fills.begin() + std::ptrdiff_t(at), fills.end());
  std::nth_element(inks.begin(), inks.begin() + std::ptrdiff_t(at), inks.end());
  level.Fill = std::min(fills[at], 0.3);
  level.Ink = std::min(inks[at], 0.2);
  return level;
}

TBoxMeasure Measured(const TRawBox& raw, const TBlankLevel& blank) {
  const auto above = [&](double d) { return std::clamp((d - blank.Fill) / (1 - blank.Fill), 0.0, 1.0); };
  TBoxMeasure measure;
  measure.Fill = above(raw.Fill);
  measure.Ink = std::clamp(raw.Ink - blank.Ink, 0.0, 1.0);
  // A part holds ink when it is at least half as dark as the box as a whole
  // and not paper-light.
  int inked = 0;
  for (const double part : raw.Parts)
    if (above(part) >= std::max(0.08, 0.5 * measure.Fill)) ++inked;
  measure.Spread = inked / 9.0;
  return measure;
}

// Whether there is ink in the gaps between a row's boxes and after its last
// one, where a circle drawn round a box passes and nothing is printed.
bool InkBetweenBoxes(const cv::Mat& image, const cv::Matx33d& h,
                     const std::vector<SheetLayout::TAnswerBox>& boxes, std::size_t begin, std::size_t end,
                     const TLevels& levels) {
  if (end - begin < 2) return false;
  const double gap = boxes[begin + 1].Box.X - boxes[begin].Box.X;  // the pitch of the row
  const auto inked = [&](const SheetLayout::TBox& strip) {
    const int cols = std::max(2, int(std::lround(strip.Width * 2))),
              rows = std::max(2, int(std::lround(strip.Height * 2)));
    return cv::mean(DarknessIn(image, h, strip.X - strip.Width / 2, strip.Y - strip.Height / 2, strip.Width,
                               strip.Height, cols, rows, levels))[0] >= 0.25;
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

// The page's fit refined by least squares on every corner of every marker
// (and their centres), which a flat page seen in perspective maps exactly;
// the mean distance left, in points, is how far the page is from that. The
// first fit, from the centres alone, names which corner is which.
cv::Matx33d FittedOnMarkers(const TCorners& corners, const std::array<SheetLayout::TBox, 4>& markers,
                            int turn, const cv::Matx33d& first, double& fitError) {
  std::vector<cv::Point2d> from, to;
  for (std::size_t k = 0; k < 4; ++k) {
    const auto& marker = corners.At[(k + std::size_t(turn)) % 4];
    if (!marker) continue;
    const SheetLayout::TBox& m = markers[k];
    from.emplace_back(m.X, m.Y);
    to.push_back(marker->Centre);
    for (const TPoint corner :
         {TPoint(m.X - m.Width / 2, m.Y - m.Height / 2), TPoint(m.X + m.Width / 2, m.Y - m.Height / 2),
          TPoint(m.X + m.Width / 2, m.Y + m.Height / 2), TPoint(m.X - m.Width / 2, m.Y + m.Height / 2)}) {
      const TPoint predicted = Apply(first, corner);
      const auto nearest = std::min_element(
          marker->Corners.begin(), marker->Corners.end(),
          [&](TPoint a, TPoint b) { return Distance(a, predicted) < Distance(b, predicted); });
      if (Distance(*nearest, predicted) > 0.35 * marker->Side) continue;
      from.push_back(corner);
      to.push_back(*nearest);
    }
  }
  cv::Matx33d fitted = first;
  if (from.size() >= 16) {
    const cv::Mat h = cv::findHomography(from, to, 0);
    if (!h.empty()) fitted = cv::Matx33d(h);
  }
  const double pixelsPerPoint =
      Distance(Apply(fitted, Centre(markers[0])), Apply(fitted, Centre(markers[1]))) /
      Distance(Centre(markers[0]), Centre(markers[1]));
  double sum = 0;
  for (std::size_t i = 0; i < from.size(); ++i) sum += Distance(Apply(fitted, from[i]), to[i]);
  fitError = from.size() >= 16 ? sum / double(from.size()) / pixelsPerPoint : 0;
  return fitted;
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

// Round a crop, in points.
constexpr double Margin = 4;

TPageReading Refused(TRefusal kind, std::string problem) {
  TPageReading reading;
  reading.Refusal = kind;
  reading.Problem = std::move(problem);
  return reading;
}

}  // namespace

void Redecide(TPageReading& reading, const TThresholds& thresholds) {
  if (!reading.Read) return;
  TPageMeasures measures;
  for (const TRowReading& row : reading.Rows) measures.Rows.push_back(row.Measures);
  measures.Columns = reading.Columns;
  const TPageDecision decision = Decide(measures, thresholds);
  reading.Level = decision.Level;
  for (std::size_t i = 0; i < reading.Rows.size(); ++i) {
    TRowReading& row = reading.Rows[i];
    if (row.Settled) continue;
    const TRowDecision& decided = decision.Rows[i];
    row.States = decided.States;
    row.Letters = decided.Letters;
    row.Doubtful = decided.Doubtful;
    row.Reason = decided.Reason;
    row.SeveralMarked = decided.SeveralMarked;
  }
  if (!reading.NumberSettled) {
    reading.StudentNumber = decision.Number.Number;
    reading.NumberDoubtful = decision.Number.Doubtful;
    reading.NumberReason = decision.Number.Reason;
  }
}

TPageReading ReadPage(const cv::Mat& input, const TThresholds& thresholds) try {
  if (input.empty() || input.type() != CV_8UC1) return Refused(TRefusal::NotAnImage, "not a grey image");
  const double scale = std::min(1.0, ReadLongSide / std::max(input.cols, input.rows));
  cv::Mat work;
  if (scale < 1)
    cv::resize(input, work, cv::Size(), scale, scale, cv::INTER_AREA);
  else
    work = input;
  const cv::Mat normalised = PaperNormalised(work);

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
  for (int y = 0; y < normalised.rows; y += 2) {
    const std::uint8_t* line = normalised.ptr<std::uint8_t>(y);
    for (int x = 0; x < normalised.cols; x += 2) ++histogram[line[x]];
  }
  const long total = std::accumulate(histogram.begin(), histogram.end(), 0L);
  const auto percentile = [&](long share) {
    long seen = 0;
    int level = 0;
    while (level < 255 && (seen += histogram[std::size_t(level)]) * 1000 < total * share) ++level;
    return level;
  };
  const int paper = percentile(750), darkest = percentile(2);
  if (paper - darkest < 60)
    return Refused(TRefusal::NoSheet, "no corner markers: a blank page, or not an answer sheet");
  cv::Mat binary;
  cv::threshold(normalised, binary, (paper + darkest) / 2.0, 255, cv::THRESH_BINARY_INV);
  TCorners corners = FindCorners(binary, probeLayout.Markers[0].Width * pixelsPerPoint);
  const auto tooFew = [&] {
    return Refused(corners.Count() == 0 ? TRefusal::NoSheet : TRefusal::MarkersMissing,
                   corners.Count() == 0
                       ? "no corner markers: a blank page, or not an answer sheet"
                       : "only " + std::to_string(corners.Count()) + " of the four corner markers found");
  };
  if (corners.Count() < 3) return tooFew();

  std::optional<TQr> qr = ReadQr(work, 1.0);
  if (!qr && scale < 1) qr = ReadQr(input, scale);
  if (!qr) return Refused(TRefusal::QrUnreadable, "the QR code cannot be read");
  // A square of the QR code's own, where a torn corner's marker is missing,
  // is no marker.
  for (auto& marker : corners.At)
    if (marker && qr->Corners.size() == 4 &&
        cv::pointPolygonTest(qr->Corners, cv::Point2f(float(marker->Centre.x), float(marker->Centre.y)),
                             false) >= 0)
      marker.reset();
  if (corners.Count() < 3) return tooFew();
  const auto code = SheetLayout::Decode(qr->Text);
  if (!code) return Refused(TRefusal::QrForeign, "the QR code is not an answer sheet's");
  const SheetLayout::TSheetPage layout = SheetLayout::Lay(*code);

  const auto& m = layout.Markers;
  const double ratio = Distance(Centre(m[0]), Centre(m[1])) / Distance(Centre(m[0]), Centre(m[3]));
  bool fromThree = false;
  const auto quad = Quadrilateral(corners, ratio, fromThree);
  if (!quad)
    return Refused(TRefusal::MarkersMisplaced,
                   corners.Count() == 3
                       ? "the corner markers do not stand where a sheet's do (a corner torn off or folded?)"
                       : "the corner markers do not stand where a sheet's do (the page folded, or "
                         "photographed more than 15 degrees aside?)");

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
    return Refused(TRefusal::QrMisplaced, "the QR code does not stand where the corner markers put it");
  double fitError = 0;
  if (!fromThree) best = FittedOnMarkers(corners, m, bestTurn, best, fitError);

  TLevels levels;
  levels.Paper = paper;
  {
    double ink = 0;
    int inks = 0;
    for (const auto& marker : corners.At)
      if (marker) {
        ink += MeanIn(normalised, marker->Centre, 0.25 * marker->Side);
        ++inks;
      }
    levels.Ink = ink / inks;
    if (levels.Paper - levels.Ink < 60) return Refused(TRefusal::TooFaint, "the page is too faint to read");
  }

  TPageReading reading;
  reading.Code = *code;
  reading.ThreeMarkers = fromThree;
  reading.UpsideDown = bestTurn == 2;
  reading.FitError = fitError;
  reading.PointsToPixels = cv::Matx33d(1 / scale, 0, 0, 0, 1 / scale, 0, 0, 0, 1) * best;

  std::vector<TRawBox> answers, digits, all;
  for (const auto& box : layout.Answers) answers.push_back(MeasureBox(normalised, best, box.Box, levels));
  for (const auto& box : layout.Digits) digits.push_back(MeasureBox(normalised, best, box.Box, levels));
  all = answers;
  all.insert(all.end(), digits.begin(), digits.end());
  const TBlankLevel blank = BlankLevelOf(all);

  // A row per printed question, boxes or not; the layout lists a row's
  // boxes together.
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  std::size_t next = 0;
  for (std::size_t q = 0; q < code->AnswerCounts.size(); ++q) {
    TRowReading& row = reading.Rows.emplace_back();
    row.Printed = code->FirstQuestion + int(q);
    const std::size_t begin = next;
    while (next < layout.Answers.size() && layout.Answers[next].Printed == row.Printed) ++next;
    for (std::size_t k = begin; k < next; ++k) row.Measures.Boxes.push_back(Measured(answers[k], blank));
    row.Measures.InkBetween = InkBetweenBoxes(normalised, best, layout.Answers, begin, next, levels);
    spans.emplace_back(begin, next);
  }
  for (std::size_t i = 0; i < layout.Digits.size(); ++i) {
    if (i == 0 || layout.Digits[i].Column != layout.Digits[i - 1].Column) reading.Columns.emplace_back();
    reading.Columns.back().push_back(Measured(digits[i], blank));
  }
  reading.Read = true;

  // The crops of what may be in doubt at any step of "lighter marks count",
  // so that deciding again needs no page read again.
  bool numberInDoubt = false;
  for (const int step : {-LighterSteps, LighterSteps}) {
    Redecide(reading, ThresholdsAt(step));
    for (std::size_t i = 0; i < reading.Rows.size(); ++i)
      if (reading.Rows[i].Doubtful && reading.Rows[i].Crop.empty())
        reading.Rows[i].Crop = RowCrop(work, best,
                                       std::vector(layout.Answers.begin() + std::ptrdiff_t(spans[i].first),
                                                   layout.Answers.begin() + std::ptrdiff_t(spans[i].second)),
                                       Margin);
    numberInDoubt = numberInDoubt || reading.NumberDoubtful;
  }
  Redecide(reading, thresholds);
  if ((numberInDoubt || reading.NumberDoubtful) && !layout.Digits.empty())
    reading.NumberCrop = CropAround(work, best, layout.Digits, Margin);
  return reading;
} catch (const cv::Exception& error) {
  return Refused(TRefusal::NotAnImage, std::string("the image cannot be read: ") + error.what());
}

}  // namespace Scan
