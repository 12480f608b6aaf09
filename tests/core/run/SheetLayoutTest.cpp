#include <gtest/gtest.h>

#include "core/run/SheetLayout.h"

using namespace SheetLayout;

namespace {

TSheetCode SampleCode() {
  TSheetCode code;
  code.Fingerprint = "0123456789abcdef0123456789abcdef";
  code.Seed = 123456789012345678;
  code.Versions = 4;
  code.ShuffleQuestions = true;
  code.Version = 'C';
  code.Page = 1;
  code.Pages = 2;
  code.Sheet = 17;
  code.StudentDigits = 8;
  code.FirstQuestion = 1;
  code.AnswerCounts = "44443444442";
  return code;
}

PaperVersions::TVersion VersionOf(int questions, char letter = 'B') {
  PaperVersions::TVersion version{letter, {}};
  for (int i = 0; i < questions; ++i) {
    PaperVersions::TPaperQuestion question;
    question.Source = questions - 1 - i;
    question.Answers.resize(static_cast<std::size_t>(2 + i % 5));
    version.Questions.push_back(question);
  }
  return version;
}

bool Inside(const TBox& box, double left, double top, double right, double bottom) {
  return box.X - box.Width / 2 >= left && box.X + box.Width / 2 <= right && box.Y - box.Height / 2 >= top &&
         box.Y + box.Height / 2 <= bottom;
}

// The space between two boxes, 0 or less when they touch or overlap.
double Gap(const TBox& a, const TBox& b) {
  return std::max(std::abs(a.X - b.X) - (a.Width + b.Width) / 2,
                  std::abs(a.Y - b.Y) - (a.Height + b.Height) / 2);
}

}  // namespace

TEST(SheetLayout, CodeReadsBackAsWrittenInItsPinnedForm) {
  const TSheetCode code = SampleCode();
  EXPECT_EQ(Encode(code),
            "QWS2;0123456789abcdef0123456789abcdef;123456789012345678;4;Q;C;1/2;17;A4;8;1;4x4.34x5.2");
  // A sheet printed before serials keeps its old form.
  TSheetCode old = code;
  old.Join = TJoin::ByOrder;
  EXPECT_EQ(Encode(old),
            "QWS1;0123456789abcdef0123456789abcdef;123456789012345678;4;Q;C;1/2;17;A4;8;1;4x4.34x5.2");
  TSheetCode plain;
  plain.Fingerprint = std::string(32, 'f');
  for (TSheetCode variant : {code, old, plain}) {
    EXPECT_EQ(Decode(Encode(variant)), variant) << Encode(variant);
    variant.ShuffleAnswers = true;
    variant.Paper = TPaper::Letter;
    variant.AnswerCounts = "";
    EXPECT_EQ(Decode(Encode(variant)), variant) << Encode(variant);
  }
}

TEST(SheetLayout, DecodeRefusesWhatEncodeDoesNotWrite) {
  const std::string good = Encode(SampleCode());
  ASSERT_TRUE(Decode(good));
  const auto with = [&good](std::string_view from, std::string_view to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
  };
  const std::string refused[] = {
      "",
      "http://example.org/",
      with("QWS2", "QWS3"),
      [&with] {  // no serial 0 before serials
        std::string old = with("QWS2", "QWS1");
        return old.replace(old.find(";17;"), 4, ";0;");
      }(),
      good + ";",
      good.substr(0, good.rfind(';')),
      with("0123456789abcdef0123", "0123456789ABCDEF0123"),  // the fingerprint's case
      with("0123456789abcdef0123", "0123456789abcdef012"),   // 31 digits
      with(";4;Q;", ";04;Q;"),                               // a leading zero
      with(";4;Q;", ";27;Q;"),                               // more versions than letters
      with(";Q;C;", ";Q;E;"),                                // a version beyond the run's
      with(";Q;", ";AQ;"),
      with("1/2", "3/2"),
      with("1/2", "0/2"),
      with("1/2", "1-2"),
      with(";17;", ";-1;"),
      with(";A4;", ";A5;"),
      with(";A4;8;", ";A4;13;"),
      with(";1;4x4", ";0;4x4"),
      with("4x4.3", "4x4.4"),    // a run not written as one
      with("4x4.3", "4x2.443"),  // nor a run of two written as a run
      with("4x4.3", "4x4.7"),    // more boxes than letters
      with("4x4.3", "4x4.-3"),
      with("4x4.3", "4x4x3"),
      with("4x4.3", "4x4"),
      with("4x4.3", "4x400.3"),  // more rows than the page holds
      with("123456789012345678", "1234567890123456789"),
  };
  for (const std::string& text : refused) EXPECT_FALSE(Decode(text)) << text;
  // A page that holds the most rows it can reads back; one more row is refused.
  TSheetCode full = SampleCode();
  full.AnswerCounts = std::string(static_cast<std::size_t>(Capacity(full)), '6');
  EXPECT_TRUE(Decode(Encode(full)));
  full.AnswerCounts += '6';
  EXPECT_FALSE(Decode(Encode(full)));
}

TEST(SheetLayout, EveryBoxLiesInsideTheMarkersApartFromEveryOther) {
  for (const TPaper paper : {TPaper::A4, TPaper::Letter}) {
    for (const int pageNumber : {1, 2}) {
      TSheetCode code = SampleCode();
      code.Paper = paper;
      code.Page = pageNumber;
      code.StudentDigits = MaxStudentDigits;
      code.AnswerCounts = std::string(static_cast<std::size_t>(Capacity(code)), '6');
      const TSheetPage page = Lay(code);
      SCOPED_TRACE(Encode(code));
      ASSERT_EQ(page.Answers.size(), code.AnswerCounts.size() * MaxAnswers);
      EXPECT_EQ(page.Digits.size(), pageNumber == 1 ? 10u * MaxStudentDigits : 0u);
      EXPECT_GE(Capacity(code), pageNumber == 1 ? 50 : 80);

      const double mm = 72 / 25.4;
      const TBox& topLeft = page.Markers[0];
      const TBox& bottomRight = page.Markers[2];
      EXPECT_NEAR(topLeft.Width, 8 * mm, 1);
      EXPECT_TRUE(Inside(topLeft, 5 * mm, 5 * mm, page.Width, page.Height));
      EXPECT_TRUE(Inside(bottomRight, 0, 0, page.Width - 5 * mm, page.Height - 5 * mm));
      EXPECT_EQ(page.Markers[1].Y, topLeft.Y);
      EXPECT_EQ(page.Markers[3].X, topLeft.X);

      std::vector<TBox> boxes{page.Qr, page.Name};
      for (const TAnswerBox& box : page.Answers) boxes.push_back(box.Box);
      for (const TDigitBox& box : page.Digits) boxes.push_back(box.Box);
      for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(Inside(boxes[i], topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y)) << i;
        if (i >= 2) {
          EXPECT_GE(boxes[i].Width, 4 * mm);
        }
        for (std::size_t j = i + 1; j < boxes.size(); ++j)
          ASSERT_GE(Gap(boxes[i], boxes[j]), 1.9 * mm) << i << " " << j;
      }
    }
  }
}

TEST(SheetLayout, VersionSplitsIntoPagesEachLaidOutFromItsCodeAlone) {
  TSheetCode run = SampleCode();
  run.Paper = TPaper::Letter;
  const PaperVersions::TVersion version = VersionOf(200);
  const std::vector<TSheetPage> pages = LayVersion(version, run);
  ASSERT_GE(pages.size(), 3u);
  int next = 1;
  for (const TSheetPage& page : pages) {
    EXPECT_EQ(page.Code.Version, 'B');
    EXPECT_EQ(page.Code.Pages, static_cast<int>(pages.size()));
    EXPECT_EQ(page.Code.FirstQuestion, next);
    EXPECT_EQ(page.Digits.empty(), page.Code.Page > 1);
    const auto decoded = Decode(Encode(page.Code));
    ASSERT_TRUE(decoded);
    const TSheetPage again = Lay(*decoded);
    ASSERT_EQ(again.Answers.size(), page.Answers.size());
    for (std::size_t i = 0; i < page.Answers.size(); ++i) {
      EXPECT_EQ(again.Answers[i].Printed, page.Answers[i].Printed);
      EXPECT_EQ(again.Answers[i].Box.X, page.Answers[i].Box.X);
      EXPECT_EQ(again.Answers[i].Box.Y, page.Answers[i].Box.Y);
    }
    next += static_cast<int>(page.Code.AnswerCounts.size());
    if (&page != &pages.back()) {
      EXPECT_EQ(page.Code.AnswerCounts.size(), static_cast<std::size_t>(Capacity(page.Code)));
    }
  }
  EXPECT_EQ(next, 201);
  // Each question has a box per printed answer, lettered from A.
  const TAnswerBox& last = pages.back().Answers.back();
  EXPECT_EQ(last.Printed, 200);
  EXPECT_EQ(last.Letter, static_cast<char>('A' + version.Questions.back().Answers.size() - 1));
  // A test without questions still has its page, for the student number.
  const std::vector<TSheetPage> empty = LayVersion(VersionOf(0), run);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_TRUE(Decode(Encode(empty[0].Code)));
}

// Sheets per student each have a serial, their pages together; one sheet
// to photocopy has the student number on every page, and needs one.
TEST(SheetLayout, RunGivesEachSheetItsSerialOrEachCopiedPageItsNumber) {
  TSheetCode run = SampleCode();
  const std::vector<PaperVersions::TVersion> versions{VersionOf(120, 'A'), VersionOf(120, 'B')};
  std::string sheets;  // version, serial and page of each page in the order printed
  for (const TSheetPage& page : LayRun(versions, run, 2))
    sheets += std::string(1, page.Code.Version) + std::to_string(page.Code.Sheet) +
              std::to_string(page.Code.Page) + " ";
  EXPECT_EQ(sheets, "A11 A12 A21 A22 B31 B32 B41 B42 ");
  for (const TSheetPage& page : LayRun(versions, run, 1)) {
    EXPECT_EQ(page.Digits.size(), 10u * 8) << "page " << page.Code.Page;
    EXPECT_EQ(Decode(Encode(page.Code)), page.Code);
  }
  run.StudentDigits = 0;
  EXPECT_EQ(Unjoinable(LayRun(versions, run, 1)),
            "A sheet of 2 pages to photocopy needs a student number on every page to put its pages "
            "together: give the student number digits, or print a sheet per student.");
  EXPECT_EQ(UnjoinablePages(LayRun(versions, run, 1)), 2);
  EXPECT_EQ(Unjoinable(LayRun(versions, run, 2)), "");
  EXPECT_EQ(UnjoinablePages(LayRun(versions, run, 2)), 0);
}
