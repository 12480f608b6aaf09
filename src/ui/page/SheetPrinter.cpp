#include "ui/page/SheetPrinter.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <map>

#include "ui/page/PageText.h"
#include "ui/page/QrCode.h"

namespace SheetPrinter {

namespace {

using SheetLayout::TBox;

constexpr double Mm = 72.0 / 25.4;

QRectF Rect(const TBox& box) {
  return {box.X - box.Width / 2, box.Y - box.Height / 2, box.Width, box.Height};
}

// Fonts sized in points of the page, whatever the device's resolution.
QFont Font(double points, bool bold = false) {
  QFont font = PageText::Font(PageText::TFace::Sans);
  font.setPixelSize(static_cast<int>(points));
  font.setBold(bold);
  return font;
}

void PaintBox(QPainter& painter, const TBox& box) {
  painter.drawRect(Rect(box));
}

void PaintHeader(QPainter& painter, const SheetLayout::TSheetPage& page, const QString& title) {
  const SheetLayout::TSheetCode& code = page.Code;
  const TBox& left = page.Markers[0];
  const TBox& right = page.Markers[1];
  const QRectF band(left.X + left.Width / 2 + 3 * Mm, left.Y - left.Height / 2,
                    right.X - left.X - left.Width - 6 * Mm, left.Height);
  // A right-to-left title starts at the right, the version opposite it.
  const Qt::LayoutDirection direction = PageText::DirectionOf(title, Qt::LeftToRight);
  const bool rightToLeft = direction == Qt::RightToLeft;
  const QString version =
      QCoreApplication::translate("SheetPrinter", "Version %1").arg(QLatin1Char(code.Version));
  painter.setFont(Font(14, true));
  painter.setLayoutDirection(PageText::DirectionOf(version, direction));
  painter.drawText(
      band, Qt::AlignAbsolute | (rightToLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, version);
  // The serial in digits too, so a teacher can tell the sheets apart by eye.
  QString text = code.Join == SheetLayout::TJoin::BySerial
                     ? QCoreApplication::translate("SheetPrinter", "Answer sheet %1, page %2 of %3")
                           .arg(code.Sheet)
                           .arg(code.Page)
                           .arg(code.Pages)
                     : QCoreApplication::translate("SheetPrinter", "Answer sheet, page %1 of %2")
                           .arg(code.Page)
                           .arg(code.Pages);
  painter.setFont(Font(9));
  painter.setLayoutDirection(direction);
  painter.drawText(
      band, Qt::AlignAbsolute | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
      painter.fontMetrics().elidedText(title, Qt::ElideRight, static_cast<int>(band.width() * 0.6)) +
          QStringLiteral("\n") + text);
  painter.setLayoutDirection(Qt::LeftToRight);
}

void PaintName(QPainter& painter, const TBox& name) {
  PaintBox(painter, name);
  painter.setFont(Font(7));
  painter.drawText(Rect(name).adjusted(1.5 * Mm, 0.8 * Mm, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   QCoreApplication::translate("SheetPrinter", "Name"));
}

// The student number: a box above each column to write the digit in, the
// digits' labels left of the first column.
void PaintDigits(QPainter& painter, const SheetLayout::TSheetPage& page) {
  const std::vector<SheetLayout::TDigitBox>& digits = page.Digits;
  if (digits.empty()) return;
  // A photocopied sheet's pages find each other by the number alone.
  const bool everyPage = page.Code.Join == SheetLayout::TJoin::ByNumber && page.Code.Pages > 1;
  const TBox& first = digits.front().Box;
  painter.setFont(Font(7));
  const QRectF write(first.X - first.Width / 2, first.Y - first.Height / 2 - first.Height - 2.5 * Mm,
                     first.Width, first.Height + 0.5 * Mm);
  painter.drawText(QRectF(write.left(), write.top() - 4 * Mm, 80 * Mm, 3.5 * Mm),
                   Qt::AlignLeft | Qt::AlignBottom,
                   everyPage ? QCoreApplication::translate("SheetPrinter",
                                                           "Student number, on every page: write it, then "
                                                           "fill one box per column")
                             : QCoreApplication::translate(
                                   "SheetPrinter", "Student number: write it, then fill one box per column"));
  painter.setFont(Font(8));
  for (const SheetLayout::TDigitBox& digit : digits) {
    PaintBox(painter, digit.Box);
    if (digit.Digit == 0) painter.drawRect(write.translated(digit.Box.X - first.X, 0));
    if (digit.Column == 0)
      painter.drawText(
          QRectF(digit.Box.X - digit.Box.Width / 2 - 5 * Mm, digit.Box.Y - 2 * Mm, 4 * Mm, 4 * Mm),
          Qt::AlignRight | Qt::AlignVCenter, QString::number(digit.Digit));
  }
}

// The rows: each question's printed number left of its boxes, and above the
// top row of each column the letters of its widest row.
void PaintAnswers(QPainter& painter, const std::vector<SheetLayout::TAnswerBox>& answers) {
  std::map<double, std::pair<double, std::vector<const TBox*>>> columns;  // x of A -> top y, widest row
  std::vector<const TBox*> row;
  const auto endRow = [&columns, &row] {
    if (row.empty()) return;
    auto [entry, added] = columns.try_emplace(row.front()->X, row.front()->Y, row);
    if (!added) {
      entry->second.first = std::min(entry->second.first, row.front()->Y);
      if (row.size() > entry->second.second.size()) entry->second.second = row;
    }
    row.clear();
  };
  painter.setFont(Font(9, true));
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const SheetLayout::TAnswerBox& answer = answers[i];
    if (i > 0 && answers[i - 1].Printed != answer.Printed) endRow();
    if (answer.Letter == 'A')
      painter.drawText(
          QRectF(answer.Box.X - answer.Box.Width / 2 - 9 * Mm, answer.Box.Y - 2.5 * Mm, 7.5 * Mm, 5 * Mm),
          Qt::AlignRight | Qt::AlignVCenter, QString::number(answer.Printed));
    PaintBox(painter, answer.Box);
    row.push_back(&answer.Box);
  }
  endRow();
  painter.setFont(Font(8, true));
  for (const auto& [x, column] : columns) {
    char letter = 'A';
    for (const TBox* box : column.second)
      painter.drawText(QRectF(box->X - 2.5 * Mm, column.first - box->Height / 2 - 4.5 * Mm, 5 * Mm, 4 * Mm),
                       Qt::AlignCenter, QString(QLatin1Char(letter++)));
  }
}

}  // namespace

QString HowToMark() {
  return QCoreApplication::translate("SheetPrinter",
                                     "Fill each box you choose fully with a dark pen. To undo a mark, fill "
                                     "its box fully and circle the box you mean.");
}

void Paint(QPainter& painter, const SheetLayout::TSheetPage& page, const QString& title) {
  painter.save();
  // The boxes keep the layout the scanner reads; only the header follows the title's direction.
  painter.setLayoutDirection(Qt::LeftToRight);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const TBox& marker : page.Markers) painter.fillRect(Rect(marker), Qt::black);
  painter.setPen(QPen(Qt::black, 0.3 * Mm));
  painter.setBrush(Qt::NoBrush);
  PaintHeader(painter, page, title);
  const std::string code = SheetLayout::Encode(page.Code);
  TQrCode(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())))
      .Paint(painter, Rect(page.Qr));
  PaintName(painter, page.Name);
  PaintDigits(painter, page);
  PaintAnswers(painter, page.Answers);
  const TBox& bottom = page.Markers[3];
  painter.setFont(Font(8));
  painter.setLayoutDirection(PageText::DirectionOf(HowToMark(), Qt::LeftToRight));
  painter.drawText(QRectF(bottom.X + bottom.Width / 2 + 3 * Mm, bottom.Y - bottom.Height / 2,
                          page.Markers[2].X - bottom.X - bottom.Width - 6 * Mm, bottom.Height),
                   Qt::AlignCenter | Qt::TextWordWrap, HowToMark());
  painter.restore();
}

void PaintPageAt(QPainter& painter, const SheetLayout::TSheetPage& page, const QString& title, QPointF margin,
                 double dotsPerPoint) {
  painter.save();
  painter.scale(dotsPerPoint, dotsPerPoint);
  painter.translate(-margin);
  Paint(painter, page, title);
  painter.restore();
}

}  // namespace SheetPrinter
