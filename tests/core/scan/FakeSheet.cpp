#include "core/scan/FakeSheet.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <opencv2/imgproc.hpp>

namespace FakeSheet {
namespace {

const cv::Scalar Black(20);
const cv::Scalar White(245);
const double Dpi = 300;

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

}  // namespace

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

SheetGenerator::TGenerated Make(const SheetLayout::TSheetPage& page, const SheetGenerator::TMarks& marks,
                                const SheetGenerator::TDegradation& degradation, std::mt19937_64& random) {
  const double k = Dpi / 72.0;
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

  return SheetGenerator::Generate(image, Dpi, page, marks, degradation, random);
}

}  // namespace FakeSheet
