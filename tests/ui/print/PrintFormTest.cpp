#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "PaperFixture.h"
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
  Dialogs.ExpectSave(pdf);
  Click(form, "PdfButton");
  EXPECT_EQ(Dialogs.Files.back().Options.FileName, QStringLiteral("PAPER.pdf"));
  EXPECT_EQ(PageCount(pdf), 3 + 3);  // a page of questions and a key per version
  EXPECT_TRUE(Pages(pdf).join(QString()).contains(QStringLiteral("Seed 77, 3 versions")));

  Child<QLineEdit>(form, "SeedEdit")->clear();
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("The seed must be a whole number of up to 18 digits."));
  Click(form, "PdfButton");
}

TEST_F(PaperForms, GradeFormShowsResultsSavesThemAndNamesTheBadCell) {
  const PaperVersions::TPaperTest test = WriteTest(6);
  const auto versions = PaperVersions::Make(test.Questions, {2, 31, true, true});
  std::string answers = "Name,Version\r\n";
  for (const auto& version : versions) answers += Csv::FormatRecord(Grading::KeyRow(version));
  WriteBytes(Dir.File("answers.csv"), answers + "Zo\xC3\xAB,B\r\n");
  WriteBytes(Dir.File("bad.csv"), "Ann,A,B,Q\r\n");

  TGradeForm form(test, Dialogs);
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
