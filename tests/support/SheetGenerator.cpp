#include "support/SheetGenerator.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace SheetGenerator {

namespace {

using SheetLayout::TBox;

double Uniform(std::mt19937_64& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

bool Chance(std::mt19937_64& random, double p) {
  return std::bernoulli_distribution(p)(random);
}

// Where things are drawn: render pixels, from page points.
struct TCanvas {
  cv::Mat& Image;
  double Scale;  // pixels per point
  double Mm() const { return Scale * 72 / 25.4; }
  cv::Point At(double x, double y) const { return {cvRound(x * Scale), cvRound(y * Scale)}; }
};

// Pen strokes back and forth across part of a box, as a hand fills it; share
// is the part of the box's height covered, from its top.
void Scribble(TCanvas& canvas, const TBox& box, double share, int grey, std::mt19937_64& random) {
  const double pen = std::max(1.0, 0.55 * canvas.Mm());
  const double left = box.X - box.Width / 2, top = box.Y - box.Height / 2;
  const double step = pen / canvas.Scale * 0.8;
  const double overshoot = box.Width * Uniform(random, 0.0, 0.08);
  const double jitter = box.Width * 0.04;
  for (double y = top + step / 2; y < top + box.Height * share; y += step) {
    const double nextY = std::min(y + step, top + box.Height * share);
    cv::line(canvas.Image,
             canvas.At(left - overshoot + Uniform(random, 0, jitter), y + Uniform(random, -jitter, jitter)),
             canvas.At(left + box.Width + overshoot - Uniform(random, 0, jitter), nextY), cv::Scalar(grey),
             cvRound(pen), cv::LINE_AA);
  }
}

void Stroke(TCanvas& canvas, double x1, double y1, double x2, double y2, int grey) {
  cv::line(canvas.Image, canvas.At(x1, y1), canvas.At(x2, y2), cv::Scalar(grey),
           std::max(1, cvRound(0.5 * canvas.Mm())), cv::LINE_AA);
}

void Draw(TCanvas& canvas, const TBox& box, TMark mark, std::mt19937_64& random) {
  const double w = box.Width / 2, h = box.Height / 2;
  switch (mark) {
    case TMark::Blank:
      break;
    case TMark::Fill: {
      static constexpr int Greys[] = {0, 30, 60, 95};  // ink, felt tip, soft pencil, hard pencil
      Scribble(canvas, box, 1, Greys[std::uniform_int_distribution<int>(0, 3)(random)], random);
      break;
    }
    case TMark::LightPencil:
      Scribble(canvas, box, 1, std::uniform_int_distribution<int>(165, 195)(random), random);
      break;
    case TMark::HalfFill:
      Scribble(canvas, box, Uniform(random, 0.4, 0.6), 20, random);
      break;
    case TMark::Erased:
      Scribble(canvas, box, 1, std::uniform_int_distribution<int>(205, 225)(random), random);
      break;
    case TMark::Tick:
      Stroke(canvas, box.X - w * 0.8, box.Y, box.X - w * 0.1, box.Y + h * 0.9, 20);
      Stroke(canvas, box.X - w * 0.1, box.Y + h * 0.9, box.X + w * 1.3, box.Y - h * 1.4, 20);
      break;
    case TMark::Cross:
      Stroke(canvas, box.X - w, box.Y - h, box.X + w, box.Y + h, 20);
      Stroke(canvas, box.X - w, box.Y + h, box.X + w, box.Y - h, 20);
      break;
    case TMark::SoftPencil:
      Scribble(canvas, box, 1, std::uniform_int_distribution<int>(110, 150)(random), random);
      break;
    case TMark::InnerTick: {
      // Low in the box, thin, as a hurried hand ticks.
      const auto thin = [&](double x1, double y1, double x2, double y2) {
        cv::line(canvas.Image, canvas.At(x1, y1), canvas.At(x2, y2), cv::Scalar(20),
                 std::max(1, cvRound(0.3 * canvas.Mm())), cv::LINE_AA);
      };
      const double dx = Uniform(random, -0.1, 0.1) * w;
      thin(box.X - w * 0.55 + dx, box.Y + h * 0.45, box.X - w * 0.25 + dx, box.Y + h * 0.68);
      thin(box.X - w * 0.25 + dx, box.Y + h * 0.68, box.X + w * 0.6 + dx, box.Y + h * 0.42);
      break;
    }
    case TMark::Ring: {
      // Round the box's inside, near its outline.
      const double r = Uniform(random, 0.74, 0.8);
      cv::ellipse(canvas.Image, canvas.At(box.X, box.Y),
                  cv::Size(cvRound(w * r * canvas.Scale), cvRound(h * r * canvas.Scale)), 0, 0, 360,
                  cv::Scalar(20), std::max(1, cvRound(0.3 * canvas.Mm())), cv::LINE_AA);
      break;
    }
    case TMark::Slash: {
      // Across one corner of the box.
      const double sx = Chance(random, 0.5) ? 1 : -1, sy = Chance(random, 0.5) ? 1 : -1;
      Stroke(canvas, box.X + sx * w * 0.75, box.Y + sy * h * 0.2, box.X + sx * w * 0.2, box.Y + sy * h * 0.75,
             20);
      break;
    }
    case TMark::Circled:
      cv::ellipse(canvas.Image, canvas.At(box.X, box.Y),
                  cv::Size(cvRound(w * 1.75 * canvas.Scale), cvRound(h * 1.6 * canvas.Scale)),
                  Uniform(random, -15, 15), 0, 360, cv::Scalar(20), std::max(1, cvRound(0.45 * canvas.Mm())),
                  cv::LINE_AA);
      break;
  }
}

// Scribbles left of the left markers and right of the right ones.
void StrayMarks(TCanvas& canvas, const SheetLayout::TSheetPage& page, std::mt19937_64& random) {
  const double mm = 72 / 25.4;
  const int count = std::uniform_int_distribution<int>(2, 5)(random);
  for (int i = 0; i < count; ++i) {
    const bool left = Chance(random, 0.5);
    const double x = left ? Uniform(random, 1 * mm, 6 * mm) : page.Width - Uniform(random, 1 * mm, 6 * mm);
    const double y = Uniform(random, 25 * mm, page.Height - 25 * mm);
    Stroke(canvas, x, y, x + Uniform(random, -2, 2) * mm, y + Uniform(random, 5, 20) * mm,
           std::uniform_int_distribution<int>(20, 120)(random));
  }
}

void CoffeeRing(TCanvas& canvas, const SheetLayout::TSheetPage& page, std::mt19937_64& random) {
  const double mm = 72 / 25.4;
  const cv::Point centre = canvas.At(Uniform(random, 30 * mm, page.Width - 30 * mm),
                                     Uniform(random, 60 * mm, page.Height - 40 * mm));
  const int radius = cvRound(Uniform(random, 25, 35) * canvas.Mm());
  cv::Mat stain(canvas.Image.size(), CV_8UC1, cv::Scalar(0));
  cv::circle(stain, centre, radius, cv::Scalar(12), cv::FILLED, cv::LINE_AA);
  const double from = Uniform(random, 0, 360);
  cv::ellipse(stain, centre, cv::Size(radius, radius), 0, from, from + Uniform(random, 200, 340),
              cv::Scalar(40), std::max(2, cvRound(Uniform(random, 1, 2.5) * canvas.Mm())), cv::LINE_AA);
  cv::subtract(canvas.Image, stain, canvas.Image);
}

// The paper's corner at the marker, torn off far enough to take the marker.
void Tear(TCanvas& canvas, const SheetLayout::TSheetPage& page, const TBox& marker, const cv::Scalar& lid) {
  const cv::Point2d centre(marker.X, marker.Y);
  const cv::Point2d corner(centre.x < page.Width / 2 ? 0 : page.Width,
                           centre.y < page.Height / 2 ? 0 : page.Height);
  const cv::Point2d far = corner + (centre - corner) * 3.2;
  const std::vector<cv::Point> torn{canvas.At(corner.x, corner.y), canvas.At(far.x, corner.y),
                                    canvas.At(corner.x, far.y)};
  cv::fillConvexPoly(canvas.Image, torn, lid);
}

}  // namespace

bool Marked(TMark mark) {
  return mark != TMark::Blank && mark != TMark::Erased;
}

bool Ambiguous(TMark mark) {
  return mark != TMark::Blank && mark != TMark::Fill && mark != TMark::SoftPencil;
}

TMarks Answering(const SheetLayout::TSheetPage& page, const std::string& answers, const std::string& number,
                 TMark mark) {
  TMarks marks;
  marks.Digits.assign(page.Digits.size(), TMark::Blank);
  for (std::size_t i = 0; i < answers.size(); ++i)
    if (answers[i] != ' ') Mark(marks, page, page.Code.FirstQuestion + int(i), answers[i], mark);
  // The digits lie column by column, 0 to 9.
  for (std::size_t column = 0; column < number.size(); ++column)
    if (number[column] != ' ') marks.Digits.at(column * 10 + std::size_t(number[column] - '0')) = mark;
  return marks;
}

void Mark(TMarks& marks, const SheetLayout::TSheetPage& page, int printed, char letter, TMark mark) {
  marks.Answers.resize(page.Answers.size(), TMark::Blank);
  for (std::size_t i = 0; i < page.Answers.size(); ++i)
    if (page.Answers[i].Printed == printed && page.Answers[i].Letter == letter) marks.Answers[i] = mark;
}

TGenerated Generate(const cv::Mat& rendered, double renderDpi, const SheetLayout::TSheetPage& page,
                    const TMarks& marks, const TDegradation& degradation, std::mt19937_64& random) {
  TGenerated result;
  cv::Mat image = rendered.channels() == 1 ? rendered.clone() : cv::Mat();
  if (image.empty()) cv::cvtColor(rendered, image, cv::COLOR_BGR2GRAY);
  TCanvas canvas{image, renderDpi / 72};
  const auto mark = [&](const std::vector<TMark>& wanted, std::size_t i, const TBox& box,
                        std::vector<bool>& marked, std::vector<bool>& ambiguous) {
    const TMark m = i < wanted.size() ? wanted[i] : TMark::Blank;
    Draw(canvas, box, m, random);
    marked.push_back(Marked(m));
    ambiguous.push_back(Ambiguous(m));
  };
  for (std::size_t i = 0; i < page.Answers.size(); ++i)
    mark(marks.Answers, i, page.Answers[i].Box, result.AnswerMarked, result.AnswerAmbiguous);
  for (std::size_t i = 0; i < page.Digits.size(); ++i)
    mark(marks.Digits, i, page.Digits[i].Box, result.DigitMarked, result.DigitAmbiguous);
  // A circle undoes the other marks of its row: the student filled a box,
  // changed their mind and circled the box meant.
  for (std::size_t i = 0; i < page.Answers.size(); ++i) {
    if (i >= marks.Answers.size() || marks.Answers[i] != TMark::Circled) continue;
    for (std::size_t j = 0; j < page.Answers.size(); ++j) {
      if (j != i && page.Answers[j].Printed == page.Answers[i].Printed && result.AnswerMarked[j]) {
        result.AnswerMarked[j] = false;
        result.AnswerAmbiguous[j] = true;
      }
    }
  }
  if (degradation.StrayMarks) StrayMarks(canvas, page, random);
  if (degradation.CoffeeRing) CoffeeRing(canvas, page, random);
  // Where there is no paper the scanner sees its lid: white, or dark when left open.
  const cv::Scalar lid(degradation.DarkBorder > 0 ? 40 : 255);
  for (const int corner : degradation.TornCorners)
    Tear(canvas, page, page.Markers.at(std::size_t(corner)), lid);

  // The page is scanned at the wanted dpi:
  // scaled and turned about its centre, perhaps upside down, perhaps seen
  // from a little aside.
  const double toOutput = degradation.Dpi / renderDpi;
  const cv::Size size(cvRound(page.Width * degradation.Dpi / 72),
                      cvRound(page.Height * degradation.Dpi / 72));
  const cv::Point2f centre(static_cast<float>(size.width) / 2, static_cast<float>(size.height) / 2);
  const double angle = degradation.Rotation + (degradation.UpsideDown ? 180 : 0);
  cv::Mat affine = cv::getRotationMatrix2D(centre, angle, degradation.Scale);  // about the output's centre
  cv::Matx33d turn = cv::Matx33d::eye();
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) turn(r, c) = affine.at<double>(r, c);
  const cv::Matx33d shrink(toOutput, 0, 0, 0, toOutput, 0, 0, 0, 1);
  cv::Matx33d renderToOutput = turn * shrink;
  if (degradation.Perspective > 0) {
    std::vector<cv::Point2f> from, to;
    for (const cv::Point2f corner :
         {cv::Point2f(0, 0), cv::Point2f(static_cast<float>(size.width), 0),
          cv::Point2f(static_cast<float>(size.width), static_cast<float>(size.height)),
          cv::Point2f(0, static_cast<float>(size.height))}) {
      from.push_back(corner);
      const double reach = degradation.Perspective * size.width;
      to.push_back(corner + cv::Point2f(static_cast<float>(Uniform(random, -reach, reach)),
                                        static_cast<float>(Uniform(random, -reach, reach))));
    }
    renderToOutput = cv::Matx33d(cv::getPerspectiveTransform(from, to)) * renderToOutput;
  }
  if (degradation.Keystone != 0) {
    // The page tilted about its middle line before a camera 1.2 page
    // heights off: its top goes farther and narrower, its height shortens.
    const double theta = degradation.Keystone * CV_PI / 180, d = 1.2 * size.height;
    const double cx = centre.x, cy = centre.y;
    const cv::Matx33d toCentre(1, 0, -cx, 0, 1, -cy, 0, 0, 1), back(1, 0, cx, 0, 1, cy, 0, 0, 1);
    const cv::Matx33d tilt(d, 0, 0, 0, d * std::cos(theta), 0, 0, -std::sin(theta), d);
    renderToOutput = back * tilt * toCentre * renderToOutput;
  }
  // The scanner's bed holds the whole page with a little room round it.
  std::vector<cv::Point2f> paper{{0, 0},
                                 {static_cast<float>(image.cols), 0},
                                 {static_cast<float>(image.cols), static_cast<float>(image.rows)},
                                 {0, static_cast<float>(image.rows)}};
  cv::perspectiveTransform(paper, paper, cv::Mat(renderToOutput));
  const cv::Rect2f bounds = cv::boundingRect(paper);
  const double room = (3 + degradation.DarkBorder) * degradation.Dpi / 25.4;
  renderToOutput = cv::Matx33d(1, 0, room - bounds.x, 0, 1, room - bounds.y, 0, 0, 1) * renderToOutput;
  const cv::Size bed(cvCeil(bounds.width + 2 * room), cvCeil(bounds.height + 2 * room));
  cv::Mat output;
  cv::warpPerspective(image, output, cv::Mat(renderToOutput), bed, cv::INTER_AREA, cv::BORDER_CONSTANT, lid);
  result.PointsToPixels = renderToOutput * cv::Matx33d(canvas.Scale, 0, 0, 0, canvas.Scale, 0, 0, 0, 1);

  if (degradation.Shadow > 0) {
    // Light falling off from left to right, and a soft-edged shadow (a hand,
    // a phone) over the lower right corner.
    cv::Mat light(output.size(), CV_32F);
    const double edge = 15 * degradation.Dpi / 25.4;
    for (int y = 0; y < light.rows; ++y) {
      float* line = light.ptr<float>(y);
      for (int x = 0; x < light.cols; ++x) {
        const double across = double(x) / light.cols;
        const double intoShadow = (x - 0.55 * light.cols + y - 0.6 * light.rows) / edge;
        line[x] = float((1 - 0.3 * degradation.Shadow * across) *
                        (1 - 0.4 * degradation.Shadow / (1 + std::exp(-intoShadow))));
      }
    }
    cv::Mat wide;
    output.convertTo(wide, CV_32F);
    cv::multiply(wide, light, wide);
    wide.convertTo(output, CV_8UC1);
  }
  if (degradation.Blur > 0) cv::GaussianBlur(output, output, cv::Size(), degradation.Blur);
  if (degradation.Noise > 0) {
    cv::Mat noise(output.size(), CV_16SC1);
    cv::RNG rng(random());
    rng.fill(noise, cv::RNG::NORMAL, 0, degradation.Noise);
    cv::Mat wide;
    output.convertTo(wide, CV_16SC1);
    wide += noise;
    wide.convertTo(output, CV_8UC1);
  }
  if (degradation.JpegQuality > 0) {
    std::vector<unsigned char> bytes;
    cv::imencode(".jpg", output, bytes, {cv::IMWRITE_JPEG_QUALITY, degradation.JpegQuality});
    output = cv::imdecode(bytes, cv::IMREAD_GRAYSCALE);
  }
  result.Image = output;
  return result;
}

TMarks RandomMarks(const SheetLayout::TSheetPage& page, bool clean, std::mt19937_64& random) {
  static constexpr TMark Others[] = {TMark::Tick,     TMark::Cross,  TMark::LightPencil,
                                     TMark::HalfFill, TMark::Erased, TMark::Circled};
  const auto kind = [&] {
    if (clean || !Chance(random, 0.2)) return TMark::Fill;
    return Others[std::uniform_int_distribution<std::size_t>(0, std::size(Others) - 1)(random)];
  };
  TMarks marks;
  marks.Answers.assign(page.Answers.size(), TMark::Blank);
  marks.Digits.assign(page.Digits.size(), TMark::Blank);
  // Rows are the runs of boxes of one question.
  for (std::size_t start = 0; start < page.Answers.size();) {
    std::size_t end = start;
    while (end < page.Answers.size() && page.Answers[end].Printed == page.Answers[start].Printed) ++end;
    const auto any = [&] {
      return start + std::uniform_int_distribution<std::size_t>(0, end - start - 1)(random);
    };
    if (!clean && Chance(random, 0.03)) {
      // A change of mind: the first choice filled, the one meant circled.
      marks.Answers[any()] = TMark::Fill;
      const std::size_t meant = any();
      if (marks.Answers[meant] == TMark::Blank) marks.Answers[meant] = TMark::Circled;
    } else if (!Chance(random, 0.08)) {
      const int chosen = Chance(random, 0.1) ? 2 : 1;
      for (int c = 0; c < chosen; ++c) marks.Answers[any()] = kind();
    }
    start = end;
  }
  for (std::size_t column = 0; column * 10 < page.Digits.size(); ++column)
    marks.Digits[column * 10 + std::uniform_int_distribution<std::size_t>(0, 9)(random)] = kind();
  return marks;
}

TDegradation RandomDegradation(std::mt19937_64& random) {
  static constexpr int Dpis[] = {150, 200, 300};
  TDegradation d;
  d.Dpi = Dpis[std::uniform_int_distribution<int>(0, 2)(random)];
  d.Rotation = Uniform(random, -10, 10);
  d.Scale = Uniform(random, 0.95, 1.05);
  d.Blur = Chance(random, 0.5) ? Uniform(random, 0.3, 1.2) : 0;
  d.Noise = Chance(random, 0.5) ? Uniform(random, 2, 12) : 0;
  d.JpegQuality = Chance(random, 0.3) ? 50 : 0;
  d.DarkBorder = Chance(random, 0.2) ? Uniform(random, 2, 6) : 0;
  d.UpsideDown = Chance(random, 0.15);
  d.Perspective = Chance(random, 0.15) ? Uniform(random, 0.005, 0.02) : 0;
  d.StrayMarks = Chance(random, 0.3);
  d.CoffeeRing = Chance(random, 0.1);
  return d;
}

}  // namespace SheetGenerator
