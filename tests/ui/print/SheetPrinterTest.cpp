#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>

#include <QPdfWriter>
#include <QRegularExpression>

#include "PaperFixture.h"
#include "support/RenderedSheet.h"
#include "ui/page/SheetPrinter.h"

namespace {

constexpr const char* SomeFingerprint = "00112233445566778899aabbccddeeff";

std::string ReadQr(const QImage& page) {
  const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                              static_cast<int>(grey.bytesPerLine()));
  return ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode)).text();
}

// The grey level at a point of the page given in points.
int Grey(const QImage& image, double x, double y, double dpi) {
  return qGray(image.pixel(static_cast<int>(x * dpi / 72), static_cast<int>(y * dpi / 72)));
}

// What a scanner relies on: the markers solid where the layout puts them,
// each box's inside white and its outline dark, and the QR code naming the
// page.
void ExpectDrawnAsLaidOut(const QImage& image, const SheetLayout::TSheetPage& page, double dpi) {
  for (const SheetLayout::TBox& marker : page.Markers) {
    EXPECT_LT(Grey(image, marker.X, marker.Y, dpi), 40);
    EXPECT_LT(Grey(image, marker.X + marker.Width * 0.4, marker.Y - marker.Height * 0.4, dpi), 40);
    EXPECT_GT(Grey(image, marker.X + marker.Width * 0.7, marker.Y, dpi), 215);
  }
  std::vector<SheetLayout::TBox> boxes;
  for (const auto& answer : page.Answers) boxes.push_back(answer.Box);
  for (const auto& digit : page.Digits) boxes.push_back(digit.Box);
  for (const SheetLayout::TBox& box : boxes) {
    EXPECT_GT(Grey(image, box.X, box.Y, dpi), 215);
    EXPECT_LT(Grey(image, box.X - box.Width / 2, box.Y, dpi), 160);
  }
  EXPECT_EQ(SheetLayout::Decode(ReadQr(image)), page.Code);
}

}  // namespace

class SheetFixture : public PaperFixture {
protected:
  // Page number of pdf as a grey image at dpi.
  QImage Rasterised(const QString& pdf, int number, int dpi) {
    const QString page = QString::number(number);
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
         QStringLiteral("-f"), page, QStringLiteral("-l"), page, QStringLiteral("-singlefile"), pdf,
         QString::fromStdString(Dir.File("page"))});
    const QImage image(QString::fromStdString(Dir.File("page.png")));
    EXPECT_FALSE(image.isNull());
    return image;
  }
};

TEST_F(SheetFixture, SheetsPrintEveryQuestionsBoxesWhereTheLayoutSays) {
  const auto test = WriteTest(80);
  TPrintOptions options;
  options.Versions = {2, 99, true, true};
  options.Questions = options.Header = options.BeginMessage = false;
  options.AnswerSheet = true;
  options.StudentDigits = 7;
  options.Fingerprint = SomeFingerprint;
  const TTestPrinter printer(test, options);
  const auto sheets = printer.Sheets(TTestPrinter::PdfPaper());
  ASSERT_EQ(sheets.size(), 4u);  // two pages per version
  const QString pdf = Pdf(test, options);
  const QStringList pages = Pages(pdf);
  ASSERT_EQ(pages.size(), 4);
  EXPECT_TRUE(pages[3].contains(QStringLiteral("Version B")));
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Answer sheet, page 2 of 2")));
  EXPECT_TRUE(pages[0].contains(SheetPrinter::HowToMark().left(30)));
  for (int i = 0; i < 4; ++i) {
    const auto& sheet = sheets[static_cast<std::size_t>(i)];
    const QString text = pages[i].simplified();
    EXPECT_TRUE(text.contains(QStringLiteral(" %1 ").arg(sheet.Code.FirstQuestion)));
    EXPECT_TRUE(text.contains(QStringLiteral("A B C D")));
  }
  EXPECT_TRUE(pages[1].contains(QStringLiteral("80")));

  // Rendered as a scanner sees it: the first page of version B.
  const double dpi = 150;
  Run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
       QStringLiteral("-f"), QStringLiteral("3"), QStringLiteral("-l"), QStringLiteral("3"), pdf,
       QString::fromStdString(Dir.File("page"))});
  const QImage image(QString::fromStdString(Dir.File("page-3.png")));
  ASSERT_FALSE(image.isNull());
  ASSERT_EQ(sheets[2].Code.Version, 'B');
  ASSERT_EQ(sheets[2].Digits.size(), 70u);
  ExpectDrawnAsLaidOut(image, sheets[2], dpi);
}

TEST_F(SheetFixture, SheetsFollowThePapersSize) {
  const auto test = WriteTest(5);
  TPrintOptions options;
  options.Questions = options.Header = false;
  options.AnswerSheet = true;
  options.Fingerprint = SomeFingerprint;
  const TTestPrinter printer(test, options);
  // A printer set to Letter gets Letter sheets, margins and all.
  const QString pdf = QString::fromStdString(Dir.File("letter.pdf"));
  QPdfWriter writer(pdf);
  writer.setResolution(300);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                   QMarginsF(10, 20, 10, 20), QPageLayout::Millimeter));
  ASSERT_EQ(printer.Print(writer), 1);
  const auto letter = printer.Sheets(SheetLayout::TPaper::Letter).front();
  ExpectDrawnAsLaidOut(Rasterised(pdf, 1, 100), letter, 100);
  const QImage rendered = RenderedSheet(letter, QStringLiteral("Paper"), 200);
  EXPECT_EQ(rendered.width(), 1700);
  ExpectDrawnAsLaidOut(rendered, letter, 200);
}
