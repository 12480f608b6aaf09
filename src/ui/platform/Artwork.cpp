#include "ui/platform/Artwork.h"

#include <QCoreApplication>
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

  //: The banner's slogan, in two lines.
  const QString line1 = QCoreApplication::translate("Artwork", "Multiple-choice self-tests,");
  const QString line2 = QCoreApplication::translate("Artwork", "written by instructors.");
  // Both lines in one size, the one at which the wider of them fits.
  const QFont first = FittingFont(line1, 15, QFont::Normal, width);
  const QFont second = FittingFont(line2, 15, QFont::Normal, width);
  p.setFont(first.pixelSize() <= second.pixelSize() ? first : second);
  p.setPen(QColor(255, 255, 255, 235));
  p.drawText(left + 2, 131, line1);
  p.drawText(left + 2, 150, line2);
}

const QColor EditorInk(0x1c, 0x3f, 0x8c);

void Triangle(QPainter& p, QPointF a, QPointF b, QPointF c, const QColor& ink) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  p.fillPath(path, ink);
}

// The pen of the curved arrows: a round-capped line and no fill.
void CurvePen(QPainter& p, const QColor& ink) {
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
}

// A triangle pointing left or right, its tip at tipX, within a picture of size s.
void Arrow(QPainter& p, qreal tipX, qreal s, bool right) {
  const qreal depth = s * 0.38;
  const qreal baseX = right ? tipX - depth : tipX + depth;
  Triangle(p, {tipX, s / 2}, {baseX, s * 0.18}, {baseX, s * 0.82}, EditorInk);
}

void Page(QPainter& p, qreal s) {
  p.setPen(QPen(Qt::darkGray, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(s * 0.18, s * 0.08, s * 0.56, s * 0.84));
}

void Cross(QPainter& p, QPointF centre, qreal half, const QColor& colour, bool diagonal) {
  p.setPen(QPen(colour, 2.6, Qt::SolidLine, Qt::RoundCap));
  if (diagonal) {
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
  } else {
    p.drawLine(centre + QPointF(-half, 0), centre + QPointF(half, 0));
    p.drawLine(centre + QPointF(0, -half), centre + QPointF(0, half));
  }
}

void DrawPicture(QPainter& p, TEditorPicture picture, qreal s) {
  switch (picture) {
    case TEditorPicture::Save:
      p.setPen(Qt::NoPen);
      p.setBrush(EditorInk);
      p.drawRoundedRect(QRectF(s * 0.1, s * 0.1, s * 0.8, s * 0.8), 1.5, 1.5);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(s * 0.25, s * 0.12, s * 0.5, s * 0.32));
      p.setBrush(QColor(0xc8, 0xc8, 0xc8));
      p.drawRect(QRectF(s * 0.3, s * 0.6, s * 0.4, s * 0.3));
      break;
    case TEditorPicture::Exit:
      p.setPen(QPen(QColor(0x7a, 0x4a, 0x1e), 1.5));
      p.setBrush(QColor(0xc9, 0x8b, 0x4f));
      p.drawRect(QRectF(s * 0.12, s * 0.1, s * 0.42, s * 0.8));
      p.setPen(QPen(QColor(0xb0, 0x20, 0x20), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.9, s * 0.5));
      p.drawPolyline(
          QPolygonF({QPointF(s * 0.74, s * 0.34), QPointF(s * 0.9, s * 0.5), QPointF(s * 0.74, s * 0.66)}));
      break;
    case TEditorPicture::Revert: {
      const QColor green(0x1f, 0x85, 0x3a);
      CurvePen(p, green);
      p.drawArc(QRectF(s * 0.18, s * 0.18, s * 0.64, s * 0.64), 100 * 16, 290 * 16);
      Triangle(p, {s * 0.34, s * 0.04}, {s * 0.56, s * 0.2}, {s * 0.32, s * 0.34}, green);
      break;
    }
    case TEditorPicture::Bottom:
      p.fillRect(QRectF(s * 0.2, s * 0.18, s * 0.12, s * 0.64), EditorInk);
      Arrow(p, s * 0.34, s, false);
      break;
    case TEditorPicture::Previous:
      Arrow(p, s * 0.3, s, false);
      break;
    case TEditorPicture::Next:
      Arrow(p, s * 0.7, s, true);
      break;
    case TEditorPicture::Top:
      p.fillRect(QRectF(s * 0.68, s * 0.18, s * 0.12, s * 0.64), EditorInk);
      Arrow(p, s * 0.66, s, true);
      break;
    case TEditorPicture::Jump: {
      CurvePen(p, EditorInk);
      QPainterPath curve;
      curve.moveTo(s * 0.12, s * 0.85);
      curve.cubicTo(s * 0.12, s * 0.3, s * 0.45, s * 0.22, s * 0.7, s * 0.3);
      p.drawPath(curve);
      Triangle(p, {s * 0.92, s * 0.36}, {s * 0.62, s * 0.5}, {s * 0.66, s * 0.12}, EditorInk);
      break;
    }
    case TEditorPicture::Add:
      Page(p, s);
      Cross(p, QPointF(s * 0.68, s * 0.7), s * 0.2, QColor(0x1f, 0x85, 0x3a), false);
      break;
    case TEditorPicture::Delete:
      Page(p, s);
      Cross(p, QPointF(s * 0.68, s * 0.7), s * 0.17, QColor(0xc0, 0x1c, 0x1c), true);
      break;
    case TEditorPicture::HotLink: {
      const QRectF globe(s * 0.12, s * 0.12, s * 0.76, s * 0.76);
      p.setPen(QPen(EditorInk, 1.4));
      p.setBrush(QColor(0xd6, 0xe6, 0xfb));
      p.drawEllipse(globe);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(s * 0.33, s * 0.12, s * 0.34, s * 0.76));
      p.drawLine(QPointF(s * 0.12, s * 0.5), QPointF(s * 0.88, s * 0.5));
      p.drawLine(QPointF(s * 0.5, s * 0.12), QPointF(s * 0.5, s * 0.88));
      break;
    }
    case TEditorPicture::Media:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x30, 0x30, 0x30));
      p.drawRect(QRectF(s * 0.1, s * 0.18, s * 0.8, s * 0.64));
      p.setBrush(Qt::white);
      for (int i = 0; i < 4; ++i) {
        p.drawRect(QRectF(s * (0.16 + 0.18 * i), s * 0.22, s * 0.1, s * 0.08));
        p.drawRect(QRectF(s * (0.16 + 0.18 * i), s * 0.7, s * 0.1, s * 0.08));
      }
      p.setBrush(QColor(0x6f, 0xb6, 0xe8));
      p.drawRect(QRectF(s * 0.18, s * 0.36, s * 0.64, s * 0.28));
      break;
    case TEditorPicture::Question: {
      p.setPen(Qt::NoPen);
      p.setBrush(EditorInk);
      p.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));
      QFont font = p.font();
      font.setPixelSize(static_cast<int>(s * 0.7));
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case TEditorPicture::Answers:
      for (int row = 0; row < 3; ++row) {
        const qreal y = s * (0.2 + 0.3 * row);
        p.setPen(QPen(QColor(0x1f, 0x85, 0x3a), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF(
            {QPointF(s * 0.06, y), QPointF(s * 0.14, y + s * 0.08), QPointF(s * 0.3, y - s * 0.1)}));
        p.setPen(QPen(EditorInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.42, y), QPointF(s * 0.94, y));
      }
      break;
  }
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

QPixmap EditorPicture(TEditorPicture picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawPicture(painter, picture, size);
  return pixmap;
}

QPixmap PaintBuiltInLogo() {
  const int w = BuiltInLogoWidth;
  const int h = BuiltInLogoHeight;
  QPixmap logo(w, h);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient band(0, 0, w, h);
  band.setColorAt(0, QColor(0x10, 0x2A, 0x56));
  band.setColorAt(1, QColor(0x1B, 0x72, 0x8C));
  painter.fillRect(logo.rect(), band);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 255, 18));
  for (int x = 250; x < w + h; x += 56)
    painter.drawPolygon(QPolygon({{x, 0}, {x + 28, 0}, {x - h + 28, h}, {x - h, h}}));

  const QPointF centre(72, h / 2.0);
  painter.setBrush(Qt::white);
  painter.setPen(QPen(QColor(0xF2, 0xC1, 0x4E), 5));
  painter.drawEllipse(centre, 46, 46);
  QPainterPath tick;
  tick.moveTo(centre + QPointF(-24, 2));
  tick.lineTo(centre + QPointF(-6, 21));
  tick.lineTo(centre + QPointF(26, -20));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x2E, 0xA0, 0x5A), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(tick);

  painter.setPen(Qt::white);
  painter.setFont(PixelFont(48, true));
  painter.drawText(QPointF(140, 76), QStringLiteral("Quizwell"));
  painter.setPen(QColor(0xCF, 0xE8, 0xF0));
  painter.setFont(PixelFont(17));
  painter.drawText(QPointF(143, 106), QCoreApplication::translate("Artwork", "Self-tests, made simple."));
  return logo;
}

QFont PixelFont(int pixels, bool bold) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}
