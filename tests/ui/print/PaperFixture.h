#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/TempDir.h"
#include "ui/page/TestPrinter.h"
#include "ui/platform/QtText.h"

// A test of count questions "Item-NN café" with answers "ans-NN-L" (L the
// stored letter; C left empty in even questions), a picture on question 1
// and poppler's tools to read the PDFs made from it.
class PaperFixture : public ::testing::Test {
protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
      GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }

  static QuestionRecord Record(int n) {
    QuestionRecord q;
    const std::string id = (n < 10 ? "0" : "") + std::to_string(n);
    q.Question = "Item-" + id + " caf\xC3\xA9 question";
    for (int a = 0; a < 4; ++a) {
      if (a == 2 && n % 2 == 0) continue;
      q.Answer(a) = "ans-" + id + "-" + std::string(1, static_cast<char>('A' + a));
    }
    q.Correct = n % 3 == 0 ? "AD" : (n % 2 ? "C" : "B");
    q.AnyCorrectPasses = n % 6 == 0;
    if (n == 1) {
      q.MediaFile = "\\MEDIA\\PIC.BMP";
      q.HotLink = "http://example.org/x";
    }
    return q;
  }

  PaperVersions::TPaperTest WriteTest(int count) {
    const std::string path = Dir.File("PAPER.QWT");
    TIniStore store(path);
    TestFile::WriteNewTest(store);
    store.WriteString(TestFile::Settings, TestFile::Desc, Encrypt("Paper caf\xE9 test"));
    for (int n = 1; n <= count; ++n) TestFile::WriteQuestion(store, n, Record(n));
    store.UpdateFile();
    std::filesystem::create_directories(Dir.Path() / "media");
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.save(QString::fromStdString(Dir.File("media/pic.bmp")));
    TestPath = path;
    return PaperVersions::ReadPaperTest(path);
  }

  // The PDF of test printed with options, as a path.
  QString Pdf(const PaperVersions::TPaperTest& test, const TPrintOptions& options,
              const char* name = "out.pdf") {
    const QString path = QString::fromStdString(Dir.File(name));
    EXPECT_GT(TTestPrinter(test, options).WritePdf(path), 0);
    return path;
  }

  static QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
  }

  // Each page's text, laid out as printed.
  static QStringList Pages(const QString& pdf) {
    QStringList pages =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
  }

  static int PageCount(const QString& pdf) {
    const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
  }

  TTempDir Dir;
  std::string TestPath;
};
