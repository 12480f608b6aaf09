#include "core/scan/FakeSheet.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace FakeSheet {
namespace {

const cv::Scalar Black(20);
const cv::Scalar White(245);

cv::Rect RectOf(const SheetLayout::TBox& box, double k) {
  return cv::Rect(cv::Point(int(std::lround((box.X - box.Width / 2) * k)),
                            int(std::lround((box.Y - box.Height / 2) * k))),
                  cv::Point(int(std::lround((box.X + box.Width / 2) * k)),
                            int(std::lround((box.Y + box.Height / 2) * k))));
}

void PaintQr(cv::Mat& image, const SheetLayout::TSheetPage& page, double k) {
  const ZXing::BitMatrix bits = ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode)
                                    .setMargin(0)
                                    .setEccLevel(4)
                                    .encode(SheetLayout::Encode(page.Code), 0, 0);
  const cv::Rect box = RectOf(page.Qr, k);
  const int modules = bits.width();
  const double module = std::min(box.width, box.height) / double(modules + 8);
  for (int y = 0; y < modules; ++y)
    for (int x = 0; x < modules; ++x)
      if (bits.get(x, y)) {
        const cv::Point2d at(box.x + (x + 4) * module, box.y + (y + 4) * module);
        cv::rectangle(
            image,
            cv::Rect(cv::Point(int(at.x), int(at.y)), cv::Point(int(at.x + module), int(at.y + module))),
            Black, cv::FILLED);
      }
}

void FillBox(cv::Mat& image, const SheetLayout::TBox& box, double k, TFill fill, std::mt19937& rng) {
  std::uniform_real_distribution<double> jitter(-0.06, 0.06);
  const double pen = std::max(1.0, 0.9 * k);
  const cv::Rect r = RectOf(box, k);
  const cv::Point2d c(box.X * k, box.Y * k);
  const double s = r.width;
  const auto rect = [&](double cover, int grey) {
    const double half = s * cover / 2;
    const cv::Point2d d(jitter(rng) * s, jitter(rng) * s);
    cv::rectangle(image, cv::Point(int(c.x - half + d.x), int(c.y - half + d.y)),
                  cv::Point(int(c.x + half + d.x), int(c.y + half + d.y)), cv::Scalar(grey), cv::FILLED);
  };
  switch (fill) {
    case TFill::None:
      break;
    case TFill::Full:
      rect(0.95, 25);
      break;
    case TFill::Medium:
      rect(0.9, 90);
      break;
    case TFill::Light:
      rect(0.9, 175);
      break;
    case TFill::Erased:
      rect(0.9, 205);
      break;
    case TFill::Half:
      cv::rectangle(image, cv::Point(r.x, r.y), cv::Point(int(c.x), r.y + r.height), cv::Scalar(30),
                    cv::FILLED);
      break;
    case TFill::Tick:
      cv::line(image, c + cv::Point2d(-0.4 * s, 0), c + cv::Point2d(-0.1 * s, 0.4 * s), cv::Scalar(30),
               int(2 * pen));
      cv::line(image, c + cv::Point2d(-0.1 * s, 0.4 * s), c + cv::Point2d(0.5 * s, -0.5 * s), cv::Scalar(30),
               int(2 * pen));
      break;
    case TFill::Cross:
      cv::line(image, c + cv::Point2d(-0.45 * s, -0.45 * s), c + cv::Point2d(0.45 * s, 0.45 * s),
               cv::Scalar(30), int(2 * pen));
      cv::line(image, c + cv::Point2d(-0.45 * s, 0.45 * s), c + cv::Point2d(0.45 * s, -0.45 * s),
               cv::Scalar(30), int(2 * pen));
      break;
  }
}

}  // namespace

bool MeantMarked(TFill fill) {
  return fill != TFill::None && fill != TFill::Erased;
}

SheetLayout::TSheetCode SampleCode(int questions, int digits) {
  SheetLayout::TSheetCode code;
  code.Fingerprint = "0123456789abcdef0123456789abcdef";
  code.Seed = 424242;
  code.Versions = 2;
  code.ShuffleQuestions = true;
  code.ShuffleAnswers = true;
  code.Version = 'B';
  code.StudentDigits = digits;
  code.AnswerCounts = std::string(std::size_t(questions), '4');
  return code;
}

std::vector<TMark> Answering(const SheetLayout::TSheetPage& page, const std::string& answers,
                             const std::string& number, TFill fill) {
  std::vector<TMark> marks;
  for (std::size_t i = 0; i < answers.size(); ++i)
    if (answers[i] != ' ') marks.push_back({page.Code.FirstQuestion + int(i), answers[i], fill});
  for (std::size_t c = 0; c < number.size(); ++c)
    if (number[c] != ' ') marks.push_back({-1 - int(c), number[c], fill});
  return marks;
}

cv::Mat Make(const SheetLayout::TSheetPage& page, const std::vector<TMark>& marks, const TDegrade& degrade,
             std::mt19937& rng) {
  const double k = degrade.Dpi / 72.0;
  cv::Mat image(int(std::lround(page.Height * k)), int(std::lround(page.Width * k)), CV_8UC1, White);
  for (const auto& marker : page.Markers) cv::rectangle(image, RectOf(marker, k), Black, cv::FILLED);
  PaintQr(image, page, k);
  const int line = std::max(1, int(std::lround(0.6 * k)));
  cv::rectangle(image, RectOf(page.Name, k), Black, line);
  for (const auto& box : page.Answers) {
    cv::rectangle(image, RectOf(box.Box, k), Black, line);
    if (box.Letter == 'A')
      cv::putText(image, std::to_string(box.Printed),
                  cv::Point(int((box.Box.X - 25) * k), int((box.Box.Y + 4) * k)), cv::FONT_HERSHEY_SIMPLEX,
                  0.15 * k, Black, line);
  }
  for (const auto& box : page.Digits) cv::rectangle(image, RectOf(box.Box, k), Black, line);

  for (const TMark& mark : marks) {
    if (mark.Printed < 0) {
      for (const auto& box : page.Digits)
        if (box.Column == -1 - mark.Printed && char('0' + box.Digit) == mark.Letter)
          FillBox(image, box.Box, k, mark.Fill, rng);
    } else {
      for (const auto& box : page.Answers)
        if (box.Printed == mark.Printed && box.Letter == mark.Letter)
          FillBox(image, box.Box, k, mark.Fill, rng);
    }
  }
  std::uniform_real_distribution<double> unit(0, 1);
  if (degrade.StrayMarks)
    for (int i = 0; i < 3; ++i) {
      const cv::Point a(int(unit(rng) * 0.08 * image.cols + 0.02 * image.cols),
                        int((0.2 + 0.6 * unit(rng)) * image.rows));
      cv::line(image, a, a + cv::Point(int(15 * k * unit(rng)), int(30 * k * (unit(rng) - 0.5))),
               cv::Scalar(60), line * 2);
    }
  if (degrade.CoffeeRing)
    cv::circle(
        image,
        cv::Point(int((0.3 + 0.4 * unit(rng)) * image.cols), int((0.4 + 0.4 * unit(rng)) * image.rows)),
        int(45 * k), cv::Scalar(205), std::max(2, int(3 * k)));
  if (degrade.TornCorner >= 0) {
    const auto& m = page.Markers[std::size_t(degrade.TornCorner)];
    const cv::Point2d c(m.X * k, m.Y * k);
    const cv::Point2d corner(c.x < image.cols / 2 ? 0 : image.cols, c.y < image.rows / 2 ? 0 : image.rows);
    const cv::Point2d far = corner + (c - corner) * 3.2;
    const std::vector<cv::Point> tear{cv::Point(corner), cv::Point(int(far.x), int(corner.y)),
                                      cv::Point(int(corner.x), int(far.y))};
    cv::fillConvexPoly(image, tear, cv::Scalar(255));
  }

  if (degrade.UpsideDown) cv::rotate(image, image, cv::ROTATE_180);
  // The scanner's bed is a little larger than the page, so a page turned on
  // it keeps its corners.
  if (degrade.Angle != 0) {
    const int pad = int(0.1 * image.cols);
    cv::copyMakeBorder(image, image, pad, pad, pad, pad, cv::BORDER_CONSTANT, cv::Scalar(250));
  }
  if (degrade.Angle != 0 || degrade.Scale != 1) {
    const cv::Point2f centre(image.cols / 2.f, image.rows / 2.f);
    cv::warpAffine(image, image, cv::getRotationMatrix2D(centre, degrade.Angle, degrade.Scale), image.size(),
                   cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(250));
  }
  if (degrade.Perspective > 0) {
    const float w = float(image.cols), h = float(image.rows), d = float(degrade.Perspective * image.cols);
    const std::vector<cv::Point2f> from{{0, 0}, {w, 0}, {w, h}, {0, h}};
    const std::vector<cv::Point2f> to{{d, d * 0.5f}, {w - d, 0}, {w, h}, {0, h - d * 0.3f}};
    cv::warpPerspective(image, image, cv::getPerspectiveTransform(from, to), image.size(), cv::INTER_LINEAR,
                        cv::BORDER_CONSTANT, cv::Scalar(120));
  }
  if (degrade.DarkBorder) {  // the lid's dark edge all round the page
    const int band = int(0.012 * image.cols);
    cv::rectangle(image, cv::Rect(band / 2, band / 2, image.cols - band, image.rows - band), cv::Scalar(40),
                  band);
  }
  if (degrade.Blur > 0) cv::GaussianBlur(image, image, cv::Size(), degrade.Blur);
  if (degrade.Noise > 0) {
    cv::Mat noise(image.size(), CV_16SC1);
    cv::randn(noise, 0, degrade.Noise);
    cv::Mat wide;
    image.convertTo(wide, CV_16SC1);
    wide += noise;
    wide.convertTo(image, CV_8UC1);
  }
  if (degrade.JpegQuality > 0) {
    std::vector<std::uint8_t> jpeg;
    cv::imencode(".jpg", image, jpeg, {cv::IMWRITE_JPEG_QUALITY, degrade.JpegQuality});
    image = cv::imdecode(jpeg, cv::IMREAD_GRAYSCALE);
  }
  return image;
}

}  // namespace FakeSheet
