#include "ui/results/BarChart.h"

#include <QPainter>
#include <algorithm>

namespace {

// Told apart by fill and hatching, not by colour alone.
const Qt::BrushStyle Fills[] = {Qt::SolidPattern, Qt::BDiagPattern, Qt::Dense6Pattern};
const QColor Inks[] = {QColor(0x40, 0x40, 0x40), Qt::black, QColor(0x80, 0x80, 0x80)};

}  // namespace

void PaintChart(QPainter& painter, const QRectF& area, const TChartData& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(area, Qt::white);
  const QFontMetricsF metrics(painter.font());
  const qreal line = metrics.height();
  painter.setPen(Qt::black);
  painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignCenter, chart.Title);

  int top = 1;
  for (const TChartSeries& series : chart.Series)
    for (int value : series.Values) top = std::max(top, value);
  const qreal axisWidth = metrics.horizontalAdvance(QString::number(top)) + line / 2;
  const qreal legend = chart.Series.size() > 1 ? line * 1.2 : 0;
  const QRectF plot(area.left() + axisWidth, area.top() + line * 2, area.width() - axisWidth - line / 2,
                    area.height() - line * 4 - legend);
  if (plot.width() <= 0 || plot.height() <= 0 || chart.Categories.isEmpty()) {
    painter.restore();
    return;
  }
  // The axes, with the scale's top and zero.
  painter.drawLine(plot.bottomLeft(), plot.bottomRight());
  painter.drawLine(plot.bottomLeft(), plot.topLeft());
  painter.drawText(QRectF(area.left(), plot.top() - line / 2, axisWidth - line / 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(top));
  painter.drawText(QRectF(area.left(), plot.bottom() - line / 2, axisWidth - line / 4, line),
                   Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));

  const int count = static_cast<int>(chart.Categories.size());
  const int seriesCount = std::max<int>(1, static_cast<int>(chart.Series.size()));
  const qreal slot = plot.width() / count;
  const qreal bar = slot * 0.8 / seriesCount;
  for (int c = 0; c < count; ++c) {
    const qreal left = plot.left() + slot * c + slot * 0.1;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(plot.left() + slot * c, plot.bottom() + 2, slot, line), Qt::AlignCenter,
                     chart.Categories[c]);
    for (int s = 0; s < static_cast<int>(chart.Series.size()); ++s) {
      const std::vector<int>& values = chart.Series[s].Values;
      const int value = c < static_cast<int>(values.size()) ? values[c] : 0;
      const qreal height = plot.height() * value / top;
      const QRectF rect(left + bar * s, plot.bottom() - height, bar, height);
      painter.setPen(QPen(Qt::black, 0));
      painter.setBrush(QBrush(Inks[s % 3], Fills[s % 3]));
      if (value == 0) continue;  // an empty slot reads as none
      painter.drawRect(rect);
      painter.drawText(QRectF(rect.left() - bar, rect.top() - line, bar * 3, line),
                       Qt::AlignHCenter | Qt::AlignBottom, QString::number(value));
    }
  }
  // The legend: a swatch and the series' name.
  if (legend > 0) {
    qreal x = plot.left();
    const qreal y = area.bottom() - line;
    for (int s = 0; s < static_cast<int>(chart.Series.size()); ++s) {
      painter.setBrush(QBrush(Inks[s % 3], Fills[s % 3]));
      painter.drawRect(QRectF(x, y + line * 0.15, line * 0.7, line * 0.7));
      x += line;
      const QString& name = chart.Series[s].Name;
      painter.drawText(QRectF(x, y, metrics.horizontalAdvance(name) + 2, line), Qt::AlignVCenter, name);
      x += metrics.horizontalAdvance(name) + line;
    }
  }
  painter.restore();
}

TBarChart::TBarChart(QWidget* parent) : QWidget(parent) {
  setMinimumSize(320, 180);
}

void TBarChart::SetData(TChartData data) {
  Chart = std::move(data);
  update();
}

void TBarChart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChart(painter, rect(), Chart);
}
