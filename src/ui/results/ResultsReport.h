#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/results/Reports.h"
#include "core/results/ResultsStore.h"
#include "core/results/Statistics.h"
#include "ui/results/BarChart.h"

// The rows of the results window, which its report prints as they are shown.
namespace ResultRows {

QString Figure(double value);
QString Figure(const std::optional<double>& value);  // "-" for none
QString Score(int right, int asked);                 // "9 of 20"
QString PassRate(const Reports::TPassRate& rate);    // "40% (2 of 5 passed)"

QStringList AttemptHeaders();
// An attempt's row; the questions it asked are shown when its answers were
// listed.
QStringList AttemptRow(const TStoredAttempt& attempt, int passPoint);
QStringList ItemHeaders();
// An item's row; span is how many answer letters the question has, text its
// question on one line.
QStringList ItemCells(const Statistics::TItem& item, int span, const QString& text);
TChartData HistogramData(const Statistics::TTest& figures);

}  // namespace ResultRows

// Lays out the results report of one test as a PDF on A4: a bold heading,
// the figures line by line, the histogram of the scores, then the item
// analysis and the attempts as tables whose columns are as wide as their
// widest cell, in a smaller type where a table is wider than the page. A
// question's text and an attempt's list of questions are cut short to a
// quarter of the page. A table runs on over as many pages as it needs.
class TResultsReport {
public:
  QString Title;  // the document's title
  QString Heading;
  QStringList FigureLines;
  Statistics::TTest Figures;
  std::vector<QStringList> Items;  // as ItemCells gives them; a long text is cut short
  std::vector<QStringList> Attempts;

  QByteArray Pdf() const;
};
