#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "PaperFixture.h"
#include "core/results/RecordAttempt.h"
#include "core/run/Grading.h"
#include "core/storage/Csv.h"
#include "support/ScriptedDialogs.h"
#include "support/UiKit.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"

class PaperForms : public PaperFixture {
protected:
  TScriptedDialogs Dialogs;
};

TEST_F(PaperForms, PrintFormStartsFromUsefulDefaultsAndSavesThePdfItShows) {
  PaperVersions::TPaperTest test = WriteTest(4);
  TPrintForm form(std::move(test), QString::fromStdString(TestPath), Dialogs);
  EXPECT_EQ(Child<QSpinBox>(form, "VersionsSpin")->maximum(), 26);
  for (const char* on : {"ShuffleQuestionsCheck", "ShuffleAnswersCheck", "QuestionsCheck", "HeaderCheck",
                         "BeginMessageCheck", "KeysCheck"})
    EXPECT_TRUE(Child<QCheckBox>(form, on)->isChecked()) << on;
  EXPECT_FALSE(Child<QCheckBox>(form, "SheetCheck")->isChecked());
  EXPECT_TRUE(PaperVersions::ParseSeed(Child<QLineEdit>(form, "SeedEdit")->text().toStdString()));

  Child<QSpinBox>(form, "VersionsSpin")->setValue(3);
  Child<QLineEdit>(form, "SeedEdit")->setText(QStringLiteral("77"));
  const QString pdf = QString::fromStdString(Dir.File("paper.pdf"));
  Dialogs.ExpectSave(QString::fromStdString(TestPath));  // never over the test itself
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QString::fromStdString(TestPath) +
                            QStringLiteral(" is the file PAPER.QWT is made from: it cannot also be the "
                                           "output.\rChoose another name. Nothing was written."));
  Click(form, "PdfButton");
  Dialogs.ExpectSave(pdf);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("The test has been saved as a PDF of 6 pages:\r") + pdf);
  Click(form, "PdfButton");
  EXPECT_EQ(Dialogs.Files.back().Options.FileName, QStringLiteral("PAPER.pdf"));
  EXPECT_EQ(PageCount(pdf), 3 + 3);  // a page of questions and a key per version
  EXPECT_TRUE(Pages(pdf).join(QString()).contains(QStringLiteral("Seed 77, 3 versions")));

  Child<QLineEdit>(form, "SeedEdit")->clear();
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("The seed must be a whole number of up to 18 digits."));
  Click(form, "PdfButton");
}

TEST_F(PaperForms, PrintFormAsksForTheStudentNumbersDigitsOfItsSheets) {
  PaperVersions::TPaperTest test = WriteTest(4);
  const std::string fingerprint = TestFingerprint(test.Questions);
  TPrintForm form(std::move(test), QString::fromStdString(TestPath), Dialogs);
  auto* digits = Child<QSpinBox>(form, "DigitsSpin");
  EXPECT_FALSE(digits->isEnabled());
  EXPECT_EQ(digits->value(), 0);
  EXPECT_EQ(digits->maximum(), SheetLayout::MaxStudentDigits);
  Child<QCheckBox>(form, "SheetCheck")->setChecked(true);
  ASSERT_TRUE(digits->isEnabled());
  digits->setValue(6);
  const auto options = form.Options();
  ASSERT_TRUE(options);
  EXPECT_TRUE(options->AnswerSheet);
  EXPECT_EQ(options->StudentDigits, 6);
  EXPECT_EQ(options->Fingerprint, fingerprint);
}

TEST_F(PaperForms, GradeFormShowsResultsSavesThemAndNamesTheBadCell) {
  const PaperVersions::TPaperTest test = WriteTest(6);
  // Seed 31 prints version A as questions 1 CADB, 2 DBA, 3 BDCA, 4 BAD, 5 ADBC,
  // 6 ADB and version B as 1 DABC, 4 ADB, 2 DBA, 5 CABD, 6 BDA, 3 DCAB
  // (answers by their stored letters).
  WriteBytes(Dir.File("answers.csv"),
             "Name,Version\r\nKey A,A,A,B,BD,A,D,AB\r\nKey B,B,D,C,B,A,BC,AC\r\nZo\xC3\xAB,B\r\n");
  WriteBytes(Dir.File("bad.csv"), "Ann,A,B,Q\r\n");

  TGradeForm form(test, QString::fromStdString(TestPath), Dialogs);
  EXPECT_FALSE(Child<QPushButton>(form, "SaveButton")->isEnabled());
  Child<QSpinBox>(form, "VersionsSpin")->setValue(2);
  Child<QLineEdit>(form, "SeedEdit")->setText(QStringLiteral("31"));
  Dialogs.ExpectOpen(QString::fromStdString(Dir.File("answers.csv")));
  Click(form, "OpenButton");
  QTableWidget* table = Child<QTableWidget>(form, "ResultsTable");
  ASSERT_EQ(table->rowCount(), 3);
  EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("100"));
  EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("B"));
  EXPECT_EQ(table->item(1, 4)->text(), QStringLiteral("100"));
  EXPECT_EQ(table->item(2, 0)->text(), QStringLiteral("Zoë"));
  EXPECT_EQ(table->item(2, 2)->text(), QStringLiteral("0"));
  EXPECT_EQ(Child<QTableWidget>(form, "QuestionsTable")->rowCount(), 6);

  // Graded again as one version, version B's row is refused and nothing shown.
  Child<QSpinBox>(form, "VersionsSpin")->setValue(1);
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QString::fromStdString(Dir.File("answers.csv")) +
                            QStringLiteral(": row 3, column 2: \"B\" is not a version (A to A)"));
  Click(form, "GradeButton");
  EXPECT_EQ(table->rowCount(), 0);
  Child<QSpinBox>(form, "VersionsSpin")->setValue(2);
  Click(form, "GradeButton");

  const std::string results = Dir.File("results.csv");
  Dialogs.ExpectSave(QString::fromStdString(results));
  Click(form, "SaveButton");
  EXPECT_EQ(ReadBytes(results).substr(0, 70),
            "Name,Version,Right,Asked,Percent\r\nKey A,A,6,6,100\r\nKey B,B,6,6,100\r\nZo");

  const QString bad = QString::fromStdString(Dir.File("bad.csv"));
  Dialogs.ExpectOpen(bad);
  Dialogs.ExpectMessage(
      TMessageKind::Error,
      bad + QStringLiteral(": row 1, column 4 (question 2): \"Q\" is not a set of answer letters"));
  Click(form, "OpenButton");
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_FALSE(Child<QPushButton>(form, "SaveButton")->isEnabled());
}

// Grading starts from the last print. Sheets typed with the wrong version
// letter, or graded with another print's seed, are graded, and a warning
// names the key they fit better.
TEST_F(PaperForms, GradingStartsFromTheLastPrintAndWarnsOfSheetsThatFitAnotherKey) {
  const PaperVersions::TPaperTest test = WriteTest(6);
  const QString testPath = QString::fromStdString(TestPath);
  const QString pdf = QString::fromStdString(Dir.File("paper.pdf"));
  const auto printPdf = [&](const char* seed) {
    TPrintForm print(test, testPath, Dialogs);
    Child<QSpinBox>(print, "VersionsSpin")->setValue(2);
    Child<QLineEdit>(print, "SeedEdit")->setText(QLatin1String(seed));
    Child<QCheckBox>(print, "ShuffleQuestionsCheck")->setChecked(false);
    Dialogs.ExpectSave(pdf);
    Dialogs.ExpectMessage(TMessageKind::Information,
                          QStringLiteral("The test has been saved as a PDF of 4 pages:\r") + pdf);
    Click(print, "PdfButton");
  };
  printPdf("31");

  const auto versions = PaperVersions::Make(test.Questions, {2, 31, false, true});
  // Version B prints questions 1 DABC, 2 DBA, 3 DCAB, 4 ADB, 5 CABD, 6 BDA
  // (answers by their stored letters); its key, written on B and typed as A:
  const std::string sheetB = "Key B,A,D,B,AC,C,A,BC\r\n";
  const std::string answers = sheetB + "Key A,A,A,B,BD,A,D,AB\r\n" + sheetB;
  WriteBytes(Dir.File("answers.csv"), answers);
  const QString answersPath = QString::fromStdString(Dir.File("answers.csv"));
  const auto warning = [](const char* sheets, int own, const char* key) {
    return QStringLiteral(
               "%1 sheets score far better under another key than under the key of their own version: "
               "Key B scores %2% as version A and 100% under the key of %3.\rCheck the seed, the number "
               "of versions and the shuffles (they must be those the test was printed with) and the "
               "version letters typed.")
        .arg(QLatin1String(sheets))
        .arg(own)
        .arg(QLatin1String(key));
  };
  const int own = Grading::Grade(sheetB, versions, 0).Students[0].Percent;
  ASSERT_LE(own, 100 - Grading::FarBelowPoints);

  TGradeForm form(test, testPath, Dialogs);
  EXPECT_EQ(Child<QSpinBox>(form, "VersionsSpin")->value(), 2);
  EXPECT_EQ(Child<QLineEdit>(form, "SeedEdit")->text(), QStringLiteral("31"));
  EXPECT_FALSE(Child<QCheckBox>(form, "ShuffleQuestionsCheck")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(form, "ShuffleAnswersCheck")->isChecked());
  Dialogs.ExpectOpen(answersPath);
  Dialogs.ExpectMessage(TMessageKind::Information, warning("2 of 3", own, "version B"));
  Click(form, "OpenButton");
  EXPECT_EQ(Child<QTableWidget>(form, "ResultsTable")->rowCount(), 3);

  // The results never go over the answers they are made from.
  Dialogs.ExpectSave(answersPath);
  Dialogs.ExpectMessage(
      TMessageKind::Error,
      answersPath + QStringLiteral(" is the file answers.csv is made from: it cannot also be "
                                   "the output.\rChoose another name. Nothing was written."));
  Click(form, "SaveButton");
  EXPECT_EQ(ReadBytes(Dir.File("answers.csv")), answers);

  // Printed again with another seed, a sheet of the first print is graded
  // with the new seed and fits the first print's key.
  printPdf("32");
  WriteBytes(Dir.File("answers.csv"), sheetB);
  const int under32 = Grading::Grade(sheetB, PaperVersions::Make(test.Questions, {2, 32, false, true}), 0)
                          .Students[0]
                          .Percent;
  ASSERT_LE(under32, 100 - Grading::FarBelowPoints);
  TGradeForm later(test, testPath, Dialogs);
  EXPECT_EQ(Child<QLineEdit>(later, "SeedEdit")->text(), QStringLiteral("32"));
  Dialogs.ExpectOpen(answersPath);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        warning("1 of 1", under32, "version B of the print with seed 31"));
  Click(later, "OpenButton");
}

// A picture that is missing or cannot be read is named when the PDF is saved.
TEST_F(PaperForms, ThePdfMessageNamesThePicturesNotPrinted) {
  PaperVersions::TPaperTest test = WriteTest(2);
  WriteBytes(Dir.File("media/pic.bmp"), "BM not a picture");
  test.Questions[1].MediaFile = "\\MEDIA\\GONE.PNG";
  TPrintForm form(std::move(test), QString::fromStdString(TestPath), Dialogs);
  const QString pdf = QString::fromStdString(Dir.File("paper.pdf"));
  Dialogs.ExpectSave(pdf);
  QImageReader reader(QString::fromStdString(Dir.File("media/pic.bmp")));
  ASSERT_TRUE(reader.read().isNull());
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("The test has been saved as a PDF of 2 pages:\r") + pdf +
                            QStringLiteral("\rThese pictures are not printed:\rquestion 1: the picture "
                                           "\\MEDIA\\PIC.BMP cannot be read: ") +
                            reader.errorString() +
                            QStringLiteral("\rquestion 2: the picture \\MEDIA\\GONE.PNG was not found"));
  Click(form, "PdfButton");
}
