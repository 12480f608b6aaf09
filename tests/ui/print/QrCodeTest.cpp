#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/page/QrCode.h"

namespace {

// What a reader makes of a code painted at a size a projector or a printer
// would give it.
std::string ReadBack(const TQrCode& code, int side) {
  QImage image(side, side, QImage::Format_Grayscale8);
  QPainter painter(&image);
  code.Paint(painter, QRectF(0, 0, side, side));
  painter.end();
  const ZXing::ImageView view(image.constBits(), image.width(), image.height(), ZXing::ImageFormat::Lum,
                              static_cast<int>(image.bytesPerLine()));
  return ZXing::ReadBarcode(view, ZXing::DecodeHints().setFormats(ZXing::BarcodeFormat::QRCode)).text();
}

TEST(QrCode, AnotherReaderReadsBackWhatWasEncoded) {
  const QString address = QStringLiteral("http://192.168.1.20:8080/?room=K7Q2");
  EXPECT_EQ(ReadBack(TQrCode(address), 300), address.toStdString());
  const QString sheet = QStringLiteral("QW1;fp=0123456789abcdef0123456789abcdef;seed=4242;v=B;p=2/2;café");
  EXPECT_EQ(ReadBack(TQrCode(sheet), 400), sheet.toStdString());
  // Too long for any version: no code, and painting it leaves the box white.
  const TQrCode tooLong(QString(4000, QLatin1Char('x')));
  EXPECT_EQ(tooLong.Width(), 0);
  EXPECT_EQ(ReadBack(tooLong, 100), "");
}

}  // namespace
