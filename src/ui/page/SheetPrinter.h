#pragma once

#include <QPointF>
#include <QString>

#include "core/run/SheetLayout.h"

class QPainter;

// Paints machine-readable answer sheets exactly where SheetLayout lays their
// boxes, so what a scanner reads from the QR code is what the paper shows.
namespace SheetPrinter {

// Paints page onto painter, whose coordinates must be the paper's in points
// from its top-left corner (see PaintPageAt). title heads the page beside
// the version and page numbers: the test's description.
void Paint(QPainter& painter, const SheetLayout::TSheetPage& page, const QString& title);

// Paints page onto a painter whose origin is the printable area's corner,
// margin points in from the paper's, at dotsPerPoint device units a point.
void PaintPageAt(QPainter& painter, const SheetLayout::TSheetPage& page, const QString& title, QPointF margin,
                 double dotsPerPoint);

// The line that tells how to mark, printed at the foot of each page.
QString HowToMark();

}  // namespace SheetPrinter
