#include <QCheckBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "PaperFixture.h"
#include "core/results/PrintRuns.h"
#include "core/results/RecordAttempt.h"
#include "core/run/Grading.h"
#include "core/storage/Csv.h"
#include "support/PseudoLanguage.h"
#include "support/ScriptedDialogs.h"
#include "support/UiKit.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"

class PaperForms : public PaperFixture {
protected:
  TScriptedDialogs Dialogs;
};

TEST_F(PaperForms, TheGradeWindowSaysWhatEachRunShuffledInTheInterfacesLanguage) {
  const PaperVersions::TPaperTest test = WriteTest(3);
  RecordPrint(TestPath, test.Questions, {1, 40, false, true});
  const TPseudoLanguage language;
  TGradeForm form({test, QString::fromStdString(TestPath), Dialogs});
  EXPECT_EQ(Child<QTableWidget>(form, "RunsTable")->item(0, 4)->text(),
            QStringLiteral("\u00ABanswers shuffled\u00BB"));
}

TEST_F(PaperForms, PrintFormStartsFromUsefulDefaultsAndSavesThePdfItShows) {
  PaperVersions::TPaperTest test = WriteTest(4);
  TPrintForm form({std::move(test), QString::fromStdString(TestPath), Dialogs});
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
                        QStringLiteral("The test has been saved as a PDF of 6 pages:\r") + pdf +
                            QStringLiteral("\rRecorded as print run 1 for grading."));
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
  TPrintForm form({std::move(test), QString::fromStdString(TestPath), Dialogs});
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

  TGradeForm form({test, QString::fromStdString(TestPath), Dialogs});
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

// Each print is recorded as a run; Grade Answers lists the runs, newest
// chosen, and warns of sheets that fit another run or another version's key
// far better. Graded sheets are recorded in the store once.
TEST_F(PaperForms, GradeFormOffersTheRecordedRunsWarnsOfTheWrongOneAndRecords) {
  const PaperVersions::TPaperTest test = WriteTest(6);
  const QString testPath = QString::fromStdString(TestPath);
  const QString pdf = QString::fromStdString(Dir.File("paper.pdf"));
  const auto printPdf = [&](const char* seed, int run) {
    TPrintForm print({test, testPath, Dialogs});
    Child<QSpinBox>(print, "VersionsSpin")->setValue(2);
    Child<QLineEdit>(print, "SeedEdit")->setText(QLatin1String(seed));
    Child<QCheckBox>(print, "ShuffleQuestionsCheck")->setChecked(false);
    Dialogs.ExpectSave(pdf);
    Dialogs.ExpectMessage(TMessageKind::Information,
                          QStringLiteral("The test has been saved as a PDF of 4 pages:\r") + pdf +
                              QStringLiteral("\rRecorded as print run %1 for grading.").arg(run));
    Click(print, "PdfButton");
  };
  printPdf("31", 1);
  printPdf("32", 2);

  // Version B of seed 31 prints questions 1 DABC, 2 DBA, 3 DCAB, 4 ADB,
  // 5 CABD, 6 BDA (answers by their stored letters); its key, typed as B, and
  // twice typed as A:
  const std::string sheetB = "Key B,A,D,B,AC,C,A,BC\r\n";
  const QString answersPath = QString::fromStdString(Dir.File("answers.csv"));
  WriteBytes(Dir.File("answers.csv"), sheetB + "Key A,A,A,B,BD,A,D,AB\r\n" + sheetB);
  const auto versions = PaperVersions::Make(test.Questions, {2, 31, false, true});
  const int own = Grading::Grade(sheetB, versions, 0).Students[0].Percent;
  ASSERT_LE(own, 100 - Grading::FarBelowPoints);

  TGradeForm form({test, testPath, Dialogs});
  QTableWidget* runs = Child<QTableWidget>(form, "RunsTable");
  ASSERT_EQ(runs->rowCount(), 2);
  EXPECT_EQ(runs->item(0, 0)->text(), QStringLiteral("2"));
  EXPECT_EQ(runs->item(1, 2)->text(), QStringLiteral("31"));
  EXPECT_EQ(runs->item(1, 4)->text(), QStringLiteral("answers shuffled"));
  EXPECT_EQ(Child<QLineEdit>(form, "SeedEdit")->text(), QStringLiteral("32"));
  runs->selectRow(1);
  EXPECT_EQ(Child<QLineEdit>(form, "SeedEdit")->text(), QStringLiteral("31"));
  EXPECT_FALSE(Child<QCheckBox>(form, "ShuffleQuestionsCheck")->isChecked());
  EXPECT_TRUE(Child<QCheckBox>(form, "ShuffleAnswersCheck")->isChecked());
  Dialogs.ExpectOpen(answersPath);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("2 of 3 sheets score far better under another key than under the key of their own "
                     "version: Key B scores %1% as version A and 100% under the key of version B. Check the "
                     "version letters typed.")
          .arg(own));
  Click(form, "OpenButton");
  EXPECT_EQ(Child<QTableWidget>(form, "ResultsTable")->rowCount(), 3);

  // A seed typed by hand that names a listed run chooses it; another chooses none.
  QLineEdit* seed = Child<QLineEdit>(form, "SeedEdit");
  seed->selectAll();
  QTest::keyClicks(seed, QStringLiteral("32"));
  EXPECT_EQ(runs->selectedRanges().value(0).topRow(), 0);
  QTest::keyClicks(seed, QStringLiteral("5"));
  EXPECT_TRUE(runs->selectedRanges().isEmpty());

  // Sheets of run 1 graded with run 2 fit run 1 far better; recording them
  // asks first.
  WriteBytes(Dir.File("answers.csv"), "Key B,B,D,B,AC,C,A,BC\r\n");
  runs->selectRow(0);
  std::vector<TPrintRun> recorded;
  {
    TOpenedStore opened = OpenResultsStore(Dir.Path().string());
    recorded = PrintRuns::List(*opened.Store, "PAPER.QWT");
  }
  ASSERT_EQ(recorded.size(), 2u);
  const QString runOne = QString::fromStdString(PrintRuns::Describe(recorded[1]));
  const auto under32 = Grading::Grade("Key B,B,D,B,AC,C,A,BC\r\n",
                                      PaperVersions::Make(test.Questions, {2, 32, false, true}), 0)
                           .Students[0]
                           .Right;
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("The sheets fit %1 far better than %2: 6 of 6 answers (100%) are right "
                     "there, against %3 (%4%) here. Grade them with the run they were "
                     "printed in.")
          .arg(runOne, QString::fromStdString(PrintRuns::Describe(recorded[0])))
          .arg(under32)
          .arg(Scoring::Percent(under32, 6)));
  Click(form, "GradeButton");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                        QStringLiteral("The sheets fit %1 far better than the run they were graded with. "
                                       "Record these scores all the same?")
                            .arg(runOne),
                        TButton::No);
  Click(form, "RecordButton");

  runs->selectRow(1);
  Click(form, "GradeButton");
  const QString recordedText = QStringLiteral("1 attempt was recorded in ") +
                               QString::fromStdString(Dir.File("Results.sqlite")) + QLatin1Char('.');
  Dialogs.ExpectMessage(TMessageKind::Information, recordedText);
  Click(form, "RecordButton");
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("0 attempts were recorded in ") +
                                                       QString::fromStdString(Dir.File("Results.sqlite")) +
                                                       QStringLiteral("; 1 was there already."));
  Click(form, "RecordButton");
  const auto attempts = OpenResultsStore(Dir.Path().string()).Store->Attempts({});
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0].Right, 6);
  EXPECT_EQ(attempts[0].Seed, "31");
}

// A picture that is missing or cannot be read is named when the PDF is saved.
TEST_F(PaperForms, ThePdfMessageNamesThePicturesNotPrinted) {
  PaperVersions::TPaperTest test = WriteTest(2);
  WriteBytes(Dir.File("media/pic.bmp"), "BM not a picture");
  test.Questions[1].MediaFile = "\\MEDIA\\GONE.PNG";
  TPrintForm form({std::move(test), QString::fromStdString(TestPath), Dialogs});
  const QString pdf = QString::fromStdString(Dir.File("paper.pdf"));
  Dialogs.ExpectSave(pdf);
  QImageReader reader(QString::fromStdString(Dir.File("media/pic.bmp")));
  ASSERT_TRUE(reader.read().isNull());
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("The test has been saved as a PDF of 2 pages:\r") + pdf +
                            QStringLiteral("\rThese pictures are not printed:\rquestion 1: the picture "
                                           "\\MEDIA\\PIC.BMP cannot be read: ") +
                            reader.errorString() +
                            QStringLiteral("\rquestion 2: the picture \\MEDIA\\GONE.PNG was not found"
                                           "\rRecorded as print run 1 for grading."));
  Click(form, "PdfButton");
}
