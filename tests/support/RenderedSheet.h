#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <opencv2/core.hpp>

#include "ui/page/SheetPrinter.h"

// A sheet page as a perfect scanner returns it: painted as printed, at dpi
// dots per inch on white paper, in grey.
inline QImage RenderedSheet(const SheetLayout::TSheetPage& page, const QString& title, double dpi) {
  const double scale = dpi / 72;
  QImage image(static_cast<int>(page.Width * scale + 0.5), static_cast<int>(page.Height * scale + 0.5),
               QImage::Format_Grayscale8);
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
  image.setDotsPerMeterY(image.dotsPerMeterX());
  QPainter painter(&image);
  SheetPrinter::PaintPageAt(painter, page, title, {}, scale);
  return image;
}

// The same as an image of its own for the sheet generator and the reader.
inline cv::Mat RenderedSheetMat(const SheetLayout::TSheetPage& page, const QString& title, double dpi) {
  const QImage image = RenderedSheet(page, title, dpi);
  return cv::Mat(image.height(), image.width(), CV_8UC1, const_cast<uchar*>(image.constBits()),
                 static_cast<std::size_t>(image.bytesPerLine()))
      .clone();
}
