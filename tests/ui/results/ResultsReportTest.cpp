#include <gtest/gtest.h>

#include <QProcess>
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
                               QStringLiteral("0:01:00")});
  const QByteArray pdf = report.Pdf();
  TTempDir dir;
  const std::string path = dir.File("report.pdf");
  WriteBytes(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));

  QProcess text;
  text.start(QStringLiteral("pdftotext"), {QString::fromStdString(path), QStringLiteral("-")});
  ASSERT_TRUE(text.waitForFinished(30000));
  const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
  EXPECT_GE(pages.size(), 3);
  EXPECT_TRUE(pages[0].contains(report.Heading));
  const QString all = pages.join(QString());
  for (int n = 1; n <= Count; ++n) {
    const QString student = QStringLiteral("Student-%1").arg(n, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(all.count(student), 1) << student.toStdString();
  }
}
