#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "support/RenderedSheet.h"
#include "support/SheetGenerator.h"

using namespace SheetGenerator;

namespace {

SheetLayout::TSheetPage SamplePage() {
  SheetLayout::TSheetCode code;
  code.Fingerprint = "00112233445566778899aabbccddeeff";
  code.StudentDigits = 3;
  code.AnswerCounts = "4444";
  return SheetLayout::Lay(code);
}

// The mean grey of the middle of box where the generator says it landed.
double MeanInside(const TGenerated& generated, const SheetLayout::TBox& box) {
  std::vector<cv::Point2f> corners{
      {static_cast<float>(box.X - box.Width / 4), static_cast<float>(box.Y - box.Height / 4)},
      {static_cast<float>(box.X + box.Width / 4), static_cast<float>(box.Y - box.Height / 4)},
      {static_cast<float>(box.X + box.Width / 4), static_cast<float>(box.Y + box.Height / 4)},
      {static_cast<float>(box.X - box.Width / 4), static_cast<float>(box.Y + box.Height / 4)}};
  cv::perspectiveTransform(corners, corners, cv::Mat(generated.PointsToPixels));
  cv::Mat mask(generated.Image.size(), CV_8UC1, cv::Scalar(0));
  std::vector<cv::Point> polygon;
  for (const cv::Point2f& p : corners) polygon.emplace_back(cvRound(p.x), cvRound(p.y));
  cv::fillConvexPoly(mask, polygon, cv::Scalar(255));
  return cv::mean(generated.Image, mask)[0];
}

}  // namespace

TEST(SheetGenerator, MarksLandWhereItsTruthSaysHoweverThePageIsTurned) {
  const SheetLayout::TSheetPage page = SamplePage();
  const cv::Mat rendered = RenderedSheetMat(page, QStringLiteral("Test"), 200);
  TMarks marks;
  marks.Answers = {TMark::Fill,  TMark::Blank, TMark::Blank,    TMark::Blank,   // a clean choice
                   TMark::Blank, TMark::Cross, TMark::Blank,    TMark::Erased,  // what a reader may doubt
                   TMark::Blank, TMark::Blank, TMark::HalfFill, TMark::Circled};
  marks.Digits.assign(page.Digits.size(), TMark::Blank);
  marks.Digits[7] = TMark::Fill;
  TDegradation turned;
  turned.Dpi = 150;
  turned.Rotation = 8;
  turned.Scale = 0.96;
  turned.UpsideDown = true;
  turned.Perspective = 0.01;
  turned.Noise = 4;
  turned.DarkBorder = 4;
  for (const TDegradation& degradation : {TDegradation{}, turned}) {
    std::mt19937_64 random(11);
    const TGenerated generated = Generate(rendered, 200, page, marks, degradation, random);
    EXPECT_GT(generated.Image.cols, cvRound(page.Width * degradation.Dpi / 72));
    ASSERT_EQ(generated.AnswerMarked.size(), page.Answers.size());
    // The circle in row 3 undoes its half-filled box.
    EXPECT_EQ(generated.AnswerMarked,
              (std::vector<bool>{true, false, false, false, false, true, false, false, false, false, false,
                                 true, false, false, false, false}));
    EXPECT_TRUE(generated.AnswerAmbiguous[5]);
    EXPECT_TRUE(generated.AnswerAmbiguous[10]);
    EXPECT_EQ(generated.AnswerAmbiguous[0], false);
    EXPECT_TRUE(generated.DigitMarked[7]);
    EXPECT_LT(MeanInside(generated, page.Answers[0].Box), 110);
    EXPECT_LT(MeanInside(generated, page.Digits[7].Box), 110);
    EXPECT_GT(MeanInside(generated, page.Answers[1].Box), 215);
    EXPECT_GT(MeanInside(generated, page.Answers[15].Box), 215);
    EXPECT_GT(MeanInside(generated, page.Answers[7].Box), 170);  // erased: a grey trace
    for (const SheetLayout::TBox& marker : page.Markers) EXPECT_LT(MeanInside(generated, marker), 60);
    // The same seed makes the same page.
    std::mt19937_64 again(11);
    EXPECT_EQ(cv::norm(Generate(rendered, 200, page, marks, degradation, again).Image, generated.Image,
                       cv::NORM_INF),
              0);
  }
}

TEST(SheetGenerator, RandomPagesStayReadableAndTellTheirTruth) {
  const SheetLayout::TSheetPage page = SamplePage();
  const cv::Mat rendered = RenderedSheetMat(page, QStringLiteral("Test"), 300);
  std::mt19937_64 random(5);
  for (int i = 0; i < 3; ++i) {
    const TMarks marks = RandomMarks(page, true, random);
    ASSERT_EQ(marks.Answers.size(), page.Answers.size());
    EXPECT_EQ(std::count(marks.Digits.begin(), marks.Digits.end(), TMark::Fill), 3);
    TDegradation degradation = RandomDegradation(random);
    degradation.JpegQuality = 50;
    const TGenerated generated = Generate(rendered, 300, page, marks, degradation, random);
    for (std::size_t b = 0; b < page.Answers.size(); ++b) {
      const double mean = MeanInside(generated, page.Answers[b].Box);
      if (generated.AnswerMarked[b]) {
        EXPECT_LT(mean, 130) << b;
      } else {
        EXPECT_GT(mean, 180) << b;
      }
    }
    const ZXing::ImageView view(generated.Image.data, generated.Image.cols, generated.Image.rows,
                                ZXing::ImageFormat::Lum, static_cast<int>(generated.Image.step));
    const std::string text =
        ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode)).text();
    EXPECT_EQ(SheetLayout::Decode(text), page.Code)
        << degradation.Dpi << " dpi, " << degradation.Rotation << "°";
  }
}

TEST(SheetGenerator, MarksGoToTheBoxesTheyAddressAndATornCornerTakesItsMarker) {
  const SheetLayout::TSheetPage page = SamplePage();
  TMarks marks = Answering(page, "B D", "7 2");
  Mark(marks, page, 2, 'A', TMark::Cross);
  std::mt19937_64 random(3);
  const TGenerated generated = Generate(RenderedSheetMat(page, QStringLiteral("Test"), 150), 150, page, marks,
                                        {.Dpi = 150, .TornCorners = {3}}, random);
  EXPECT_EQ(generated.AnswerMarked,
            (std::vector<bool>{false, true, false, false, true, false, false, false, false, false, false,
                               true, false, false, false, false}));
  std::vector<bool> digits(page.Digits.size());
  digits[7] = digits[22] = true;  // 7 in the first column, 2 in the third
  EXPECT_EQ(generated.DigitMarked, digits);
  EXPECT_GT(MeanInside(generated, page.Markers[3]), 240);
  EXPECT_LT(MeanInside(generated, page.Markers[2]), 60);
}
