#include <gtest/gtest.h>

#include <opencv2/imgproc.hpp>

#include "core/scan/FakeSheet.h"
#include "core/scan/SheetReader.h"

using FakeSheet::TDegrade;
using FakeSheet::TFill;

namespace {

// Twenty questions, three left blank, and a six-digit number.
const std::string Answers = "ABCDDCBA AB CDDA BCA";
const std::string Number = "402913";

struct TPageCase {
  const char* Name;
  TDegrade Degrade;
};

void PrintTo(const TPageCase& c, std::ostream* os) {
  *os << c.Name;
}

class ReadPage : public testing::TestWithParam<TPageCase> {
protected:
  SheetLayout::TSheetPage Page = SheetLayout::Lay(FakeSheet::SampleCode());
  std::mt19937 Rng{7};

  Scan::TPageReading Read(const std::vector<FakeSheet::TMark>& marks, const TDegrade& degrade) {
    return Scan::ReadPage(FakeSheet::Make(Page, marks, degrade, Rng));
  }
};

std::string LettersOf(const Scan::TPageReading& reading) {
  std::string letters;
  for (const auto& row : reading.Rows) letters += row.Letters.empty() ? " " : row.Letters;
  return letters;
}

TEST_P(ReadPage, ReadsEveryBoxOfAFilledSheetExactly) {
  const auto reading = Read(FakeSheet::Answering(Page, Answers, Number), GetParam().Degrade);
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_EQ(reading.Code, Page.Code);
  EXPECT_EQ(LettersOf(reading), Answers);
  for (const auto& row : reading.Rows)
    EXPECT_FALSE(row.Doubtful) << "question " << row.Printed << ": " << row.Reason;
  EXPECT_EQ(reading.StudentNumber, Number);
  EXPECT_FALSE(reading.NumberDoubtful) << reading.NumberReason;
  EXPECT_EQ(reading.UpsideDown, GetParam().Degrade.UpsideDown);
}

TDegrade With(void (*change)(TDegrade&)) {
  TDegrade d;
  change(d);
  return d;
}

INSTANTIATE_TEST_SUITE_P(Scans, ReadPage,
                         testing::Values(TPageCase{"Clean300Dpi", {}},
                                         TPageCase{"Rotated7Degrees", With([](TDegrade& d) { d.Angle = 7; })},
                                         TPageCase{"UpsideDownAndTurnedBack", With([](TDegrade& d) {
                                                     d.UpsideDown = true;
                                                     d.Angle = -3;
                                                   })},
                                         TPageCase{"At150Dpi", With([](TDegrade& d) { d.Dpi = 150; })},
                                         TPageCase{"Jpeg50", With([](TDegrade& d) {
                                                     d.Dpi = 200;
                                                     d.JpegQuality = 50;
                                                   })},
                                         TPageCase{"ScaledBlurredNoisy", With([](TDegrade& d) {
                                                     d.Scale = 0.95;
                                                     d.Blur = 1.2;
                                                     d.Noise = 12;
                                                   })},
                                         TPageCase{"PhotographedAtAnAngle", With([](TDegrade& d) {
                                                     d.Perspective = 0.015;
                                                     d.DarkBorder = true;
                                                   })},
                                         TPageCase{"OneCornerTornOff", With([](TDegrade& d) {
                                                     d.TornCorner = 2;
                                                     d.Angle = 2;
                                                   })}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ReadPage, DoubtfulRowsAreFlaggedWithTheirReasonNeverGuessed) {
  auto marks = FakeSheet::Answering(Page, Answers, Number);
  marks.push_back({3, 'A', TFill::Full});  // question 3 also has C: two marks
  marks[0].Fill = TFill::Light;            // question 1: light pencil
  marks[1].Fill = TFill::Erased;           // question 2: rubbed out, still grey
  cv::Mat image = FakeSheet::Make(Page, marks, {}, Rng);
  // Question 10 (A filled) gets a circle round its B, undoing the A;
  // the rows beside it, which the circle's ink touches, may be set aside too.
  const auto& circled = *std::find_if(Page.Answers.begin(), Page.Answers.end(),
                                      [](const auto& box) { return box.Printed == 10 && box.Letter == 'B'; });
  const double k = 300 / 72.0;
  cv::circle(image, cv::Point(int(circled.Box.X * k), int(circled.Box.Y * k)),
             int(circled.Box.Width * 0.8 * k), cv::Scalar(30), 5);
  const auto reading = Scan::ReadPage(image);
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

TEST_F(ReadPage, AStudentNumberWithAColumnLeftOutOrDoubledIsDoubtful) {
  auto reading = Read(FakeSheet::Answering(Page, Answers, "40 913"), {});
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_TRUE(reading.NumberDoubtful);
  EXPECT_EQ(reading.NumberReason, "column 3 is left blank");

  auto marks = FakeSheet::Answering(Page, Answers, Number);
  marks.push_back({-1, '7', TFill::Full});
  reading = Read(marks, {});
  EXPECT_EQ(reading.StudentNumber, "?02913");
  EXPECT_EQ(reading.NumberReason, "column 1 has more than one digit marked");
  EXPECT_FALSE(reading.NumberCrop.empty());
}

TEST_F(ReadPage, PagesThatCannotBeReadAreRefusedWithTheReason) {
  const cv::Mat blank(3508, 2480, CV_8UC1, cv::Scalar(245));
  EXPECT_EQ(Scan::ReadPage(blank).Problem, "no corner markers: a blank page, or not an answer sheet");

  TDegrade torn;
  torn.TornCorner = 1;
  torn.Perspective = 0.02;  // three markers no longer at a right angle: not sure
  EXPECT_FALSE(Read(FakeSheet::Answering(Page, Answers), torn).Read);

  TDegrade twoTorn;
  twoTorn.TornCorner = 0;
  cv::Mat image = FakeSheet::Make(Page, {}, twoTorn, Rng);
  cv::rectangle(image, cv::Rect(image.cols - 200, image.rows - 200, 200, 200), cv::Scalar(255), cv::FILLED);
  EXPECT_EQ(Scan::ReadPage(image).Problem, "only 2 of the four corner markers found");

  SheetLayout::TSheetCode foreign = Page.Code;
  foreign.AnswerCounts = "49";  // a code no sheet prints
  TDegrade clean;
  auto foreignPage = Page;
  foreignPage.Code = foreign;
  EXPECT_EQ(Scan::ReadPage(FakeSheet::Make(foreignPage, {}, clean, Rng)).Problem,
            "the QR code is not an answer sheet's");
}

}  // namespace
