#include <gtest/gtest.h>

#include "core/scan/FakeSheet.h"
#include "core/scan/SheetReader.h"

using SheetGenerator::TDegradation;
using SheetGenerator::TMark;

namespace {

// Twenty questions, three left blank, and a six-digit number.
const std::string Answers = "ABCDDCBA AB CDDA BCA";
const std::string Number = "402913";

struct TPageCase {
  const char* Name;
  TDegradation Degradation;
};

void PrintTo(const TPageCase& c, std::ostream* os) {
  *os << c.Name;
}

class ReadPage : public testing::TestWithParam<TPageCase> {
protected:
  SheetLayout::TSheetPage Page = SheetLayout::Lay(FakeSheet::SampleCode());
  std::mt19937_64 Random{7};

  Scan::TPageReading Read(const SheetGenerator::TMarks& marks, const TDegradation& degradation) {
    return Scan::ReadPage(FakeSheet::Make(Page, marks, degradation, Random).Image);
  }
};

std::string LettersOf(const Scan::TPageReading& reading) {
  std::string letters;
  for (const auto& row : reading.Rows) letters += row.Letters.empty() ? " " : row.Letters;
  return letters;
}

TEST_P(ReadPage, ReadsEveryBoxOfAFilledSheetExactly) {
  const auto reading = Read(SheetGenerator::Answering(Page, Answers, Number), GetParam().Degradation);
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_EQ(reading.Code, Page.Code);
  EXPECT_EQ(LettersOf(reading), Answers);
  for (const auto& row : reading.Rows)
    EXPECT_FALSE(row.Doubtful) << "question " << row.Printed << ": " << row.Reason;
  EXPECT_EQ(reading.StudentNumber, Number);
  EXPECT_FALSE(reading.NumberDoubtful) << reading.NumberReason;
  EXPECT_EQ(reading.UpsideDown, GetParam().Degradation.UpsideDown);
  EXPECT_EQ(reading.ThreeMarkers, !GetParam().Degradation.TornCorners.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scans, ReadPage,
    testing::Values(TPageCase{"Clean300Dpi", {}}, TPageCase{"Rotated7Degrees", {.Rotation = 7}},
                    TPageCase{"UpsideDownAndTurnedBack", {.Rotation = -3, .UpsideDown = true}},
                    TPageCase{"At150Dpi", {.Dpi = 150}}, TPageCase{"Jpeg50", {.Dpi = 200, .JpegQuality = 50}},
                    TPageCase{"ScaledBlurredNoisy", {.Scale = 0.95, .Blur = 1.2, .Noise = 12}},
                    TPageCase{"PhotographedAtAnAngle", {.DarkBorder = 3, .Perspective = 0.015}},
                    TPageCase{"OneCornerTornOff", {.Rotation = 2, .TornCorners = {2}}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReadPage, DoubtfulRowsAreFlaggedWithTheirReasonNeverGuessed) {
  auto marks = SheetGenerator::Answering(Page, Answers, Number);
  SheetGenerator::Mark(marks, Page, 3, 'A', TMark::Fill);         // question 3 also has C: two marks
  SheetGenerator::Mark(marks, Page, 1, 'A', TMark::LightPencil);  // question 1: light pencil
  SheetGenerator::Mark(marks, Page, 2, 'B', TMark::Erased);       // question 2: rubbed out, still grey
  // Question 10 (A filled) gets a circle round its B, undoing the A;
  // the rows beside it, which the circle's ink touches, may be set aside too.
  SheetGenerator::Mark(marks, Page, 10, 'B', TMark::Circled);
  const auto reading = Read(marks, {});
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_EQ(reading.Rows[9].Reason, "marks between the boxes (a circled box?)");
  EXPECT_TRUE(reading.Rows[0].Doubtful);
  EXPECT_EQ(reading.Rows[0].Reason, "a box neither blank nor marked");
  EXPECT_TRUE(reading.Rows[1].Doubtful);
  EXPECT_EQ(reading.Rows[1].Letters, "");
  EXPECT_TRUE(reading.Rows[2].Doubtful);
  EXPECT_EQ(reading.Rows[2].Reason, "more than one box marked");
  EXPECT_FALSE(reading.Rows[2].Crop.empty());
  for (std::size_t i = 3; i < reading.Rows.size(); ++i) {
    if (i < 8 || i > 10) {
      EXPECT_FALSE(reading.Rows[i].Doubtful) << i;
    }
  }
}

// The crop of a doubtful row is shown the right way up however the page was
// fed, its letters above its boxes: the mark on A (light pencil, doubtful)
// lies at the left of the crop, under the band of letters.
TEST_F(ReadPage, ADoubtfulRowIsCroppedUprightWithItsLetters) {
  auto marks = SheetGenerator::Answering(Page, Answers, Number);
  SheetGenerator::Mark(marks, Page, 3, 'C', TMark::Blank);
  SheetGenerator::Mark(marks, Page, 3, 'A', TMark::LightPencil);
  for (const bool upsideDown : {false, true}) {
    const auto reading = Read(marks, {.Rotation = 4, .UpsideDown = upsideDown});
    ASSERT_TRUE(reading.Read) << reading.Problem;
    const cv::Mat& crop = reading.Rows[2].Crop;
    ASSERT_TRUE(reading.Rows[2].Doubtful);
    ASSERT_GT(crop.rows, 20);
    // The insides of boxes A and D, where the layout puts them in the crop:
    // the letters' band on top, the row below it.
    const auto inside = [&crop](double left, double right) {
      return cv::mean(crop(cv::Range(int(crop.rows * 0.63), int(crop.rows * 0.86)),
                           cv::Range(int(crop.cols * left), int(crop.cols * right))))[0];
    };
    EXPECT_LT(inside(0.16, 0.26), inside(0.83, 0.93) - 30) << "upside down: " << upsideDown;
    const int band = crop.rows * 2 / 5;
    double darkest = 255;
    cv::minMaxLoc(crop.rowRange(0, band), &darkest);
    EXPECT_LT(darkest, 100) << "no letters above the boxes";
  }
}

TEST_F(ReadPage, AStudentNumberWithAColumnLeftOutOrDoubledIsDoubtful) {
  auto reading = Read(SheetGenerator::Answering(Page, Answers, "40 913"), {});
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_TRUE(reading.NumberDoubtful);
  EXPECT_EQ(reading.NumberReason, "column 3 is left blank");

  auto marks = SheetGenerator::Answering(Page, Answers, Number);
  marks.Digits[7] = TMark::Fill;  // column 1 also has a 7
  reading = Read(marks, {});
  EXPECT_EQ(reading.StudentNumber, "?02913");
  EXPECT_EQ(reading.NumberReason, "column 1 has more than one digit marked");
  EXPECT_FALSE(reading.NumberCrop.empty());
}

TEST_F(ReadPage, PagesThatCannotBeReadAreRefusedWithTheReason) {
  const cv::Mat blank(3508, 2480, CV_8UC1, cv::Scalar(245));
  EXPECT_EQ(Scan::ReadPage(blank).Problem, "no corner markers: a blank page, or not an answer sheet");

  // A photograph with a corner torn off: the three markers left no longer
  // stand at a right angle, so the fourth cannot be made from them.
  EXPECT_EQ(Read(SheetGenerator::Answering(Page, Answers), {.Perspective = 0.07, .TornCorners = {1}}).Problem,
            "the corner markers do not stand where a sheet's do (a corner torn off or folded?)");
  EXPECT_EQ(Read({}, {.TornCorners = {0, 2}}).Problem, "only 2 of the four corner markers found");

  SheetLayout::TSheetCode foreign = Page.Code;
  foreign.AnswerCounts = "49";  // a code no sheet prints
  auto foreignPage = Page;
  foreignPage.Code = foreign;
  EXPECT_EQ(Scan::ReadPage(FakeSheet::Make(foreignPage, {}, {}, Random).Image).Problem,
            "the QR code is not an answer sheet's");
}

}  // namespace
