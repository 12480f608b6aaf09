#include "ui/results/ResultsReport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>
#include <string>

#include "core/results/Reports.h"
#include "core/run/Scoring.h"
#include "ui/platform/QtText.h"

namespace ResultRows {

namespace {

//: The item analysis's flags of a question: answered right by nearly all, by few; telling the able
//: students from the others weakly, the wrong way round; a wrong letter chosen by the able ones.
//: Each is one word, hyphens for blanks: a question's flags are listed with blanks between.
const char* const ItemFlags[] = {
    QT_TRANSLATE_NOOP("TResultsForm", "very-easy"), QT_TRANSLATE_NOOP("TResultsForm", "very-hard"),
    QT_TRANSLATE_NOOP("TResultsForm", "weak"), QT_TRANSLATE_NOOP("TResultsForm", "negative"),
    QT_TRANSLATE_NOOP("TResultsForm", "miskey")};

//: Whether an attempt passed.
const char* const PassedWords[] = {QT_TRANSLATE_NOOP("TResultsForm", "yes"),
                                   QT_TRANSLATE_NOOP("TResultsForm", "no")};

// A word of the core's as the window shows it: translated when it is one of
// words, else as it is.
template <std::size_t N>
QString Translated(const char* const (&words)[N], const std::string& word) {
  const auto known = std::find(std::begin(words), std::end(words), word);
  return known != std::end(words) ? QCoreApplication::translate("TResultsForm", *known)
                                  : QString::fromStdString(word);
}

QString Flags(const Statistics::TItem& item) {
  QStringList flags;
  for (const std::string& flag : item.Flags) flags << Translated(ItemFlags, flag);
  return flags.join(QLatin1Char(' '));
}

// "overall / top / bottom" for a letter.
QString Counts(const Statistics::TItem& item, int letter) {
  return QStringLiteral("%1 / %2 / %3")
      .arg(item.Chose[letter])
      .arg(item.ChoseTop[letter])
      .arg(item.ChoseBottom[letter]);
}

}  // namespace

QString Figure(double value) {
  return QString::fromStdString(Reports::Number(value));
}

QString Figure(const std::optional<double>& value) {
  return value ? Figure(*value) : QStringLiteral("-");
}

QString Score(int right, int asked) {
  //: A score: %1 questions right of %2 asked.
  return QCoreApplication::translate("TResultsForm", "%1 of %2").arg(right).arg(asked);
}

QString PassRate(const Reports::TPassRate& rate) {
  //: The pass rate: %1 percent of the attempts, %2 of the %3 attempts passed.
  return QCoreApplication::translate("TResultsForm", "%1% (%2 of %3 passed)")
      .arg(Figure(rate.Percent), QString::number(rate.Passed), QString::number(rate.Attempts));
}

QStringList AttemptRow(const TStoredAttempt& a, int passPoint) {
  return {FromUtf8(a.Student), FromUtf8(a.StudentNumber), FromUtf8(Reports::When(a)),
          QCoreApplication::translate("TResultsForm", std::string(SourceName(a.Source)).c_str()),
          a.Version ? QString(QLatin1Char(a.Version)) : QString(), Score(a.Right, a.Asked),
          //: A percentage; the number is %1.
          QCoreApplication::translate("TResultsForm", "%1%").arg(Scoring::Percent(a.Right, a.Asked)),
          Translated(PassedWords, Reports::PassedText(a, passPoint)), FromUtf8(Reports::TimeTaken(a)),
          FromUtf8(Reports::QuestionsAskedText(a))};
}

QStringList AttemptHeaders() {
  return {QCoreApplication::translate("TResultsForm", "Student"),
          QCoreApplication::translate("TResultsForm", "Student number"),
          QCoreApplication::translate("TResultsForm", "Date"),
          QCoreApplication::translate("TResultsForm", "Source"),
          QCoreApplication::translate("TResultsForm", "Version"),
          QCoreApplication::translate("TResultsForm", "Score"),
          QCoreApplication::translate("TResultsForm", "Percent"),
          QCoreApplication::translate("TResultsForm", "Passed"),
          QCoreApplication::translate("TResultsForm", "Time taken"),
          //: The questions an attempt asked, by their numbers in the test: "1, 4, 7-9".
          QCoreApplication::translate("TResultsForm", "Questions")};
}

QStringList ItemHeaders() {
  QStringList headers = {QCoreApplication::translate("TResultsForm", "Question"),
                         QCoreApplication::translate("TResultsForm", "Text"),
                         QCoreApplication::translate("TResultsForm", "Attempts"),
                         QCoreApplication::translate("TResultsForm", "Facility"),
                         QCoreApplication::translate("TResultsForm", "Discrimination")};
  for (char letter = 'A'; letter <= 'F'; ++letter) headers << QString(QLatin1Char(letter));
  headers << QCoreApplication::translate("TResultsForm", "Blank")
          << QCoreApplication::translate("TResultsForm", "Flags");
  return headers;
}

QStringList ItemCells(const Statistics::TItem& item, int span, const QString& text) {
  QStringList row = {QString::number(item.Number), text, QString::number(item.Attempts),
                     Figure(item.Facility), Figure(item.Discrimination)};
  for (int letter = 0; letter < 6; ++letter) row << (letter < span ? Counts(item, letter) : QString());
  row << QString::number(item.Blank) << Flags(item);
  return row;
}

TChartData HistogramData(const Statistics::TTest& figures) {
  TChartData chart{QCoreApplication::translate("TResultsForm", "Attempts by percent score"),
                   {},
                   {{QCoreApplication::translate("TResultsForm", "Attempts"), {}}}};
  for (int tenth = 0; tenth < 10; ++tenth) {
    chart.Categories << (tenth < 9 ? QStringLiteral("%1-%2").arg(tenth * 10).arg(tenth * 10 + 9)
                                   : QStringLiteral("90-100"));
    chart.Series[0].Values.push_back(figures.Histogram[tenth]);
  }
  return chart;
}

}  // namespace ResultRows

namespace {

// The report's pages, a line at a time from the top of the first.
class TReportPainter {
public:
  explicit TReportPainter(QPdfWriter& writer) : Writer(writer), Painter(&writer), Font(Painter.font()) {
    Font.setPointSize(10);
    Painter.setFont(Font);
    Page = Painter.viewport().adjusted(150, 150, -150, -150);
    Line = QFontMetrics(Font, &writer).height() * 12 / 10;
    Y = Page.top();
  }

  void Text(const QString& s, bool bold = false) {
    StartLine(Font, bold);
    Painter.drawText(QRect(Page.left(), Y, Page.width(), Line), Qt::AlignLeft | Qt::AlignVCenter, s);
    Painter.setFont(Font);
    Y += Line;
  }

  void Gap() { Y += Line; }

  void Chart(const TChartData& chart) {
    PaintChart(Painter, QRectF(Page.left(), Y, Page.width(), Line * 16), chart);
    Y += Line * 17;
  }

  // text cut short to a quarter of the page's width.
  QString Cut(const QString& text) const {
    return QFontMetrics(Font, &Writer).elidedText(text, Qt::ElideRight, Page.width() / 4);
  }

  void Table(const QString& title, const QStringList& headers, const std::vector<QStringList>& rows) {
    Text(title, true);
    // Each column as wide as its widest cell; a table wider than the page
    // is set in a smaller type until it fits.
    QFont small = Font;
    std::vector<int> widths;
    for (int size = Font.pointSize(); size >= 5; --size) {
      small.setPointSize(size);
      QFont bold = small;
      bold.setBold(true);
      const QFontMetrics plain(small, &Writer), heading(bold, &Writer);
      const int gap = plain.horizontalAdvance(QStringLiteral("  "));
      widths.assign(headers.size(), 0);
      for (int c = 0; c < headers.size(); ++c) widths[c] = heading.horizontalAdvance(headers[c]) + gap;
      for (const QStringList& row : rows)
        for (int c = 0; c < row.size() && c < headers.size(); ++c)
          widths[c] = std::max(widths[c], plain.horizontalAdvance(row[c]) + gap);
      if (std::accumulate(widths.begin(), widths.end(), 0) <= Page.width()) break;
    }
    Cells(headers, small, true, widths);
    for (const QStringList& row : rows) Cells(row, small, false, widths);
    Y += Line;
  }

  void End() { Painter.end(); }

private:
  // Starts a line in base, bold or not, on a new page when this one is full.
  void StartLine(const QFont& base, bool bold) {
    if (Y + Line > Page.bottom()) {
      Writer.newPage();
      Y = Page.top();
    }
    QFont f = base;
    f.setBold(bold);
    Painter.setFont(f);
  }

  void Cells(const QStringList& row, const QFont& font, bool bold, const std::vector<int>& widths) {
    StartLine(font, bold);
    int x = Page.left();
    for (int c = 0; c < row.size() && c < static_cast<int>(widths.size()); ++c) {
      Painter.drawText(QRect(x, Y, widths[c], Line), Qt::AlignLeft | Qt::AlignVCenter, row[c]);
      x += widths[c];
    }
    Painter.setFont(Font);
    Y += Line;
  }

  QPdfWriter& Writer;
  QPainter Painter;
  QFont Font;
  QRect Page;
  int Line = 0;
  int Y = 0;
};

}  // namespace

QByteArray TResultsReport::Pdf() const {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setResolution(300);
  writer.setTitle(Title);
  TReportPainter report(writer);
  report.Text(Heading, true);
  for (const QString& s : FigureLines) report.Text(s);
  report.Gap();
  report.Chart(ResultRows::HistogramData(Figures));
  // A long question is cut short: the table is there for its figures.
  std::vector<QStringList> items = Items;
  for (QStringList& row : items) row[1] = report.Cut(row[1]);
  report.Table(
      QCoreApplication::translate("TResultsForm", "Item analysis (answers: all / top 27% / bottom 27%)"),
      ResultRows::ItemHeaders(), items);
  // So are the questions of an attempt drawn from a large bank.
  const QStringList headers = ResultRows::AttemptHeaders();
  std::vector<QStringList> attempts = Attempts;
  for (QStringList& row : attempts)
    if (row.size() == headers.size()) row.back() = report.Cut(row.back());
  report.Table(QCoreApplication::translate("TResultsForm", "Attempts"), headers, attempts);
  report.End();
  return bytes;
}
