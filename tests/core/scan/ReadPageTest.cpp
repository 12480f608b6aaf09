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

// Sheets as classes and phones return them, each with the exact reading it
// must give: a sheet filled in soft pencil is read against its own fills;
// shade, uneven light and a photograph taken 15 degrees aside change
// nothing; a tick, a ring or a slash inside a box is never read as blank.
struct TMarkCase {
  const char* Name;
  TMark Mark;  // how the chosen boxes of questions 4 to 8 are marked (all of them for SoftPencil)
  TDegradation Degradation;
};

void PrintTo(const TMarkCase& c, std::ostream* os) {
  *os << c.Name;
}

class ReadMarks : public testing::TestWithParam<TMarkCase> {
protected:
  SheetLayout::TSheetPage Page = SheetLayout::Lay(FakeSheet::SampleCode());
  std::mt19937_64 Random{11};
};

TEST_P(ReadMarks, GivesTheExactReading) {
  const TMarkCase& c = GetParam();
  const bool pencil = c.Mark == TMark::SoftPencil;
  auto marks = SheetGenerator::Answering(Page, Answers, Number, pencil ? TMark::SoftPencil : TMark::Fill);
  const bool otherwise = c.Mark == TMark::InnerTick || c.Mark == TMark::Ring || c.Mark == TMark::Slash;
  const std::string odd = otherwise ? "45678" : "";  // the questions marked otherwise
  for (const char q : odd) SheetGenerator::Mark(marks, Page, q - '0', Answers[std::size_t(q - '1')], c.Mark);
  const auto reading = Scan::ReadPage(FakeSheet::Make(Page, marks, c.Degradation, Random).Image);
  ASSERT_TRUE(reading.Read) << reading.Problem;
  EXPECT_EQ(reading.Level.Pencil, pencil);
  EXPECT_EQ(reading.StudentNumber, Number);
  EXPECT_LT(reading.FitError, 0.5);
  for (const auto& row : reading.Rows) {
    const char chosen = Answers[std::size_t(row.Printed - 1)];
    if (odd.find(char('0' + row.Printed)) != std::string::npos) {
      // Marked otherwise than asked: the teacher decides, upright and with its letters.
      EXPECT_TRUE(row.Doubtful) << "question " << row.Printed;
      EXPECT_EQ(row.Reason, "a box neither blank nor marked") << "question " << row.Printed;
      EXPECT_EQ(row.States[std::size_t(chosen - 'A')], Scan::TBoxState::Doubtful)
          << "question " << row.Printed;
      EXPECT_FALSE(row.Crop.empty());
    } else {
      EXPECT_FALSE(row.Doubtful) << "question " << row.Printed << ": " << row.Reason;
      EXPECT_EQ(row.Letters, chosen == ' ' ? "" : std::string(1, chosen)) << "question " << row.Printed;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, ReadMarks,
    testing::Values(TMarkCase{"SoftPencil", TMark::SoftPencil, {}},
                    TMarkCase{"SoftPencilAt200DpiTurned", TMark::SoftPencil, {.Dpi = 200, .Rotation = 4}},
                    TMarkCase{"TicksAt150Dpi", TMark::InnerTick, {.Dpi = 150}},
                    TMarkCase{"RingsInsideTheBoxesAt150Dpi", TMark::Ring, {.Dpi = 150}},
                    TMarkCase{"Slashes", TMark::Slash, {.Dpi = 200}},
                    TMarkCase{"ShadowAndUnevenLight", TMark::Fill, {.Shadow = 1}},
                    TMarkCase{"PencilInTheShade", TMark::SoftPencil, {.Dpi = 200, .Shadow = 0.8}},
                    TMarkCase{"PhotographedFifteenDegreesAside", TMark::Fill, {.Keystone = 15}},
                    TMarkCase{"TiltedTheOtherWayAndTurned", TMark::Fill, {.Rotation = 5, .Keystone = -12}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The decision runs again on what was measured: a light pencil mark on a
// sheet in pen is doubtful, counts as marked when lighter marks count, and
// a row the teacher settled stays as settled.
TEST_F(ReadPage, DecidingAgainMovesOnlyTheThresholdsAndKeepsWhatTheTeacherSettled) {
  auto marks = SheetGenerator::Answering(Page, Answers, Number);
  SheetGenerator::Mark(marks, Page, 1, 'A', TMark::LightPencil);
  SheetGenerator::Mark(marks, Page, 2, 'B', TMark::LightPencil);
  auto reading = Read(marks, {});
  ASSERT_TRUE(reading.Read) << reading.Problem;
  ASSERT_TRUE(reading.Rows[0].Doubtful);
  ASSERT_FALSE(reading.Rows[0].Crop.empty());
  reading.Rows[1].Letters = "C";
  reading.Rows[1].Doubtful = false;
  reading.Rows[1].Settled = true;
  Scan::Redecide(reading, Scan::ThresholdsAt(Scan::LighterSteps));
  EXPECT_FALSE(reading.Rows[0].Doubtful) << reading.Rows[0].Reason;
  EXPECT_EQ(reading.Rows[0].Letters, "A");
  EXPECT_EQ(reading.Rows[1].Letters, "C");
  Scan::Redecide(reading, {});
  EXPECT_TRUE(reading.Rows[0].Doubtful);
  EXPECT_EQ(reading.Rows[1].Letters, "C");
  EXPECT_EQ(LettersOf(reading).substr(2), Answers.substr(2));
}

// How a refusal ended, in kind and words.
std::pair<Scan::TRefusal, std::string> Refusal(const Scan::TPageReading& reading) {
  return {reading.Refusal, reading.Problem};
}

TEST_F(ReadPage, PagesThatCannotBeReadAreRefusedWithTheReason) {
  using Scan::TRefusal;
  const cv::Mat blank(3508, 2480, CV_8UC1, cv::Scalar(245));
  EXPECT_EQ(
      Refusal(Scan::ReadPage(blank)),
      std::pair(TRefusal::NoSheet, std::string("no corner markers: a blank page, or not an answer sheet")));

  // A photograph with a corner torn off: the three markers left no longer
  // stand at a right angle, so the fourth cannot be made from them.
  EXPECT_EQ(
      Refusal(Read(SheetGenerator::Answering(Page, Answers), {.Perspective = 0.07, .TornCorners = {1}})),
      std::pair(
          TRefusal::MarkersMisplaced,
          std::string("the corner markers do not stand where a sheet's do (a corner torn off or folded?)")));
  EXPECT_EQ(Refusal(Read({}, {.TornCorners = {0, 2}})),
            std::pair(TRefusal::MarkersMissing, std::string("only 2 of the four corner markers found")));
  // Further aside than a photograph the reader takes.
  EXPECT_NE(Read(SheetGenerator::Answering(Page, Answers), {.Keystone = 40}).Refusal, TRefusal::None);

  SheetLayout::TSheetCode foreign = Page.Code;
  foreign.AnswerCounts = "49";  // a code no sheet prints
  auto foreignPage = Page;
  foreignPage.Code = foreign;
  EXPECT_EQ(Refusal(Scan::ReadPage(FakeSheet::Make(foreignPage, {}, {}, Random).Image)),
            std::pair(TRefusal::QrForeign, std::string("the QR code is not an answer sheet's")));
}

}  // namespace
