#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include "support/TempDir.h"
#include "ui/results/ResultsReport.h"

// A class's attempts fill several pages: each row stands on one of them, once,
// none lost where a page ends, and the heading opens the first.
TEST(ResultsReportTest, ALongListOfAttemptsRunsOnOverPagesWithEveryRow) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  constexpr int Count = 150;
  TResultsReport report;
  report.Title = QStringLiteral("Results - QUIZ.QWT");
  report.Heading = QStringLiteral("Results: QUIZ.QWT (Plants)");
  report.FigureLines = {QStringLiteral("Attempts: 150"), QStringLiteral("Mean: 50%")};
  for (int n = 1; n <= Count; ++n)
    report.Attempts.push_back({QStringLiteral("Student-%1").arg(n, 3, 10, QLatin1Char('0')), QString(),
                               QStringLiteral("2026-01-01 10:00"), QStringLiteral("engine"), QString(),
                               QStringLiteral("1 of 2"), QStringLiteral("50%"), QStringLiteral("no"),
                               QStringLiteral("0:01:00"), QStringLiteral("1, 2")});
  TTempDir dir;
  // The report's text, with -bbox as words in their boxes.
  const auto textOf = [&dir](const TResultsReport& made, bool boxes) {
    const QByteArray pdf = made.Pdf();
    const std::string path = dir.File("report.pdf");
    WriteBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    QProcess text;
    QStringList arguments = {QString::fromStdString(path), QStringLiteral("-")};
    if (boxes) arguments.prepend(QStringLiteral("-bbox"));
    text.start(QStringLiteral("pdftotext"), arguments);
    EXPECT_TRUE(text.waitForFinished(30000));
    return QString::fromUtf8(text.readAllStandardOutput());
  };
  // The height of a student's name: the size of the table's type.
  const auto nameHeight = [&textOf](const TResultsReport& made) {
    static const QRegularExpression word(
        QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">Student-002<"));
    const QRegularExpressionMatch match = word.match(textOf(made, true));
    return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0.0;
  };
  const double plainHeight = nameHeight(report);
  EXPECT_GT(plainHeight, 0);
  // One drawn from a large bank: its questions are cut short rather than
  // setting the whole table in the smallest type (about half the size).
  QStringList drawn;
  for (int number = 101; number < 500; number += 7) drawn << QString::number(number);
  report.Attempts[0].back() = drawn.join(QStringLiteral(", "));
  EXPECT_GT(nameHeight(report), plainHeight * 0.75);
  const QStringList pages = textOf(report, false).split(QLatin1Char('\f'));
  EXPECT_GE(pages.size(), 3);
  EXPECT_TRUE(pages[0].contains(report.Heading));
  const QString all = pages.join(QString());
  EXPECT_TRUE(all.contains(QStringLiteral("101, 108, 115"))) << all.left(2000).toStdString();
  for (int n = 1; n <= Count; ++n) {
    const QString student = QStringLiteral("Student-%1").arg(n, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(all.count(student), 1) << student.toStdString();
  }
}
