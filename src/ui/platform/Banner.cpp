#include "ui/platform/Banner.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <tuple>

namespace {

const QColor DeepTeal(0x00, 0x4f, 0x5c);
const QColor Teal(0x00, 0x80, 0x80);
const QColor Sea(0x1b, 0x9a, 0x8f);
const QColor Amber(0xff, 0xc8, 0x57);
const QColor Paper(0xfb, 0xfa, 0xf5);
const QColor Ink(0x35, 0x4a, 0x55);
const QColor Tick(0x2e, 0x9e, 0x5b);

QFont BannerFont(int pixelSize, int weight) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

// The largest font not above pixelSize whose rendering of text fits width.
QFont FittingFont(const QString& text, int pixelSize, int weight, int width) {
  QFont font = BannerFont(pixelSize, weight);
  while (pixelSize > 8 && QFontMetrics(font).horizontalAdvance(text) > width) font.setPixelSize(--pixelSize);
  return font;
}

void PaintGround(QPainter& p, const QRect& area) {
  QLinearGradient ground(area.topLeft(), area.bottomRight());
  ground.setColorAt(0.0, DeepTeal);
  ground.setColorAt(0.55, Teal);
  ground.setColorAt(1.0, Sea);
  p.fillRect(area, ground);

  // Soft rings of light behind the title.
  p.setPen(Qt::NoPen);
  for (const auto& [centre, radius, alpha] :
       {std::tuple{QPointF(400, 30), 90.0, 28}, std::tuple{QPointF(330, 160), 60.0, 20},
        std::tuple{QPointF(450, 150), 40.0, 24}}) {
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(255, 255, 255, alpha));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1.5));
  p.drawEllipse(QPointF(418, 42), 64, 64);
  p.drawEllipse(QPointF(418, 42), 44, 44);
}

// A test sheet with a question line and four answers, two of them ticked.
void PaintTestCard(QPainter& p) {
  p.save();
  p.translate(88, 88);
  p.rotate(-7);
  const QRectF card(-56, -66, 112, 132);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(card.translated(5, 6), 9, 9);
  p.setBrush(Paper);
  p.drawRoundedRect(card, 9, 9);

  QPainterPath header;
  header.addRoundedRect(QRectF(card.left(), card.top(), card.width(), 26), 9, 9);
  header.addRect(QRectF(card.left(), card.top() + 13, card.width(), 13));
  p.setBrush(Teal);
  p.drawPath(header.simplified());
  p.setBrush(Amber);
  p.drawEllipse(QPointF(card.left() + 14, card.top() + 13), 5, 5);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawRoundedRect(QRectF(card.left() + 26, card.top() + 10, 60, 6), 3, 3);

  p.setBrush(QColor(Ink.red(), Ink.green(), Ink.blue(), 150));
  p.drawRoundedRect(QRectF(card.left() + 12, card.top() + 36, 88, 5), 2.5, 2.5);
  p.drawRoundedRect(QRectF(card.left() + 12, card.top() + 46, 64, 5), 2.5, 2.5);

  const bool ticked[] = {true, false, true, false};
  const int lineLengths[] = {62, 52, 70, 44};
  for (int row = 0; row < 4; ++row) {
    const qreal y = card.top() + 62 + row * 17;
    const QRectF box(card.left() + 12, y, 11, 11);
    p.setBrush(Qt::white);
    p.setPen(QPen(Ink, 1.2));
    p.drawRoundedRect(box, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Ink.red(), Ink.green(), Ink.blue(), 90));
    p.drawRoundedRect(QRectF(box.right() + 7, y + 3, lineLengths[row], 5), 2.5, 2.5);
    if (!ticked[row]) continue;
    QPainterPath tick;
    tick.moveTo(box.left() + 2, box.top() + 5);
    tick.lineTo(box.left() + 5, box.bottom() - 1);
    tick.lineTo(box.right() + 4, box.top() - 4);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Tick, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(Qt::NoPen);
  }
  p.restore();
}

// A pencil leaning on the card's corner.
void PaintPencil(QPainter& p) {
  p.save();
  p.translate(140, 132);
  p.rotate(-48);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawRoundedRect(QRectF(-34, -3, 70, 11), 3, 3);
  p.setBrush(Amber);
  p.drawRect(QRectF(-36, -6, 58, 11));
  p.setBrush(QColor(0xe8, 0xa8, 0x3a));
  p.drawRect(QRectF(-36, -0.5, 58, 5.5));
  p.setBrush(QColor(0xd9, 0x6a, 0x6a));
  p.drawRoundedRect(QRectF(-46, -6, 10, 11), 3, 3);
  p.setBrush(QColor(0xc9, 0xcf, 0xd2));
  p.drawRect(QRectF(-38, -6, 4, 11));
  QPainterPath wood;
  wood.moveTo(22, -6);
  wood.lineTo(36, -0.5);
  wood.lineTo(22, 5);
  wood.closeSubpath();
  p.setBrush(QColor(0xf1, 0xd9, 0xb0));
  p.drawPath(wood);
  QPainterPath lead;
  lead.moveTo(31.5, -2.3);
  lead.lineTo(36, -0.5);
  lead.lineTo(31.5, 1.3);
  lead.closeSubpath();
  p.setBrush(Ink);
  p.drawPath(lead);
  p.restore();
}

void PaintTitle(QPainter& p) {
  const int left = 188;
  const int width = BannerWidth - left - 18;

  const QString name = QStringLiteral("Quizwell");
  p.setFont(FittingFont(name, 46, QFont::Bold, width));
  p.setPen(QColor(0, 0, 0, 70));
  p.drawText(left + 2, 66, name);
  p.setPen(Qt::white);
  p.drawText(left, 64, name);

  QFont maker = BannerFont(19, QFont::Bold);
  maker.setLetterSpacing(QFont::AbsoluteSpacing, 7);
  p.setFont(maker);
  p.setPen(Amber);
  p.drawText(left + 2, 92, QStringLiteral("MAKER"));

  p.fillRect(QRectF(left + 2, 104, 54, 3), Amber);

  const QString line1 = QStringLiteral("Multiple-choice self-tests,");
  const QString line2 = QStringLiteral("written by instructors.");
  p.setFont(FittingFont(line1, 15, QFont::Normal, width));
  p.setPen(QColor(255, 255, 255, 235));
  p.drawText(left + 2, 131, line1);
  p.drawText(left + 2, 150, line2);
}

}  // namespace

QPixmap PaintBanner() {
  QPixmap banner(BannerWidth, BannerHeight);
  QPainter p(&banner);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  PaintGround(p, banner.rect());
  PaintTestCard(p);
  PaintPencil(p);
  PaintTitle(p);
  return banner;
}
