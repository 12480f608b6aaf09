#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPainter;

// A bar chart in plain black, grey and white with hatching, labelled on its
// axes and above each bar, so it reads the same on screen and on paper.
struct TChartSeries {
  QString Name;
  std::vector<int> Values;  // one per category
};

struct TChartData {
  QString Title;
  QStringList Categories;
  std::vector<TChartSeries> Series;  // side by side within each category
};

// Paints chart into area (any painter: a widget, a PDF page).
void PaintChart(QPainter& painter, const QRectF& area, const TChartData& chart);

// The chart as a widget.
class TBarChart : public QWidget {
  Q_OBJECT
public:
  explicit TBarChart(QWidget* parent = nullptr);
  void SetData(TChartData data);
  const TChartData& Data() const { return Chart; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TChartData Chart;
};
