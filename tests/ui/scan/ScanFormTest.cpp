#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <array>
#include <opencv2/imgcodecs.hpp>
#include <random>

#include "core/model/TestFile.h"
#include "core/results/PrintRuns.h"
#include "core/results/ResultsStore.h"
#include "core/scan/FakeSheet.h"
#include "core/storage/IniStore.h"
#include "support/PseudoLanguage.h"
#include "support/Questions.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"
#include "support/UiKit.h"
#include "support/WindowAudit.h"
#include "ui/scan/ScanForm.h"

namespace {

// A test of four one-letter questions printed in two shuffled versions, and
// sheet pages of that print filled as told.
class ScanForm : public ::testing::Test {
protected:
  void SetUp() override {
    TIniStore store(TestPath);
    TestFile::WriteNewTest(store);
    for (int n = 1; n <= 4; ++n) {
      Questions.push_back(MakeQuestion("Q" + std::to_string(n), {"one", "two", "three"}, "B"));
      TestFile::WriteQuestion(store, n, Questions.back());
    }
    store.UpdateFile();
    RecordPrint(TestPath, Questions, Options, Dir.File(""));
  }
  // A scan of a version's sheet; extra boxes, by question and letter, are filled on top of the letters.
  QString Sheet(int version, const std::string& letters, const std::string& number, const char* name,
                const std::vector<std::pair<int, char>>& extra = {},
                SheetGenerator::TMark extraMark = SheetGenerator::TMark::Fill) {
    SheetLayout::TSheetCode run;
    run.Fingerprint = Fingerprint(TestSnapshots(Questions));
    run.Seed = Options.Seed;
    run.Versions = Options.Versions;
    run.ShuffleQuestions = run.ShuffleAnswers = true;
    run.StudentDigits = 4;
    const auto versions = PaperVersions::Make(Questions, Options);
    const SheetLayout::TSheetPage page = SheetLayout::LayVersion(versions[std::size_t(version)], run).at(0);
    Layout = page;
    auto marks = SheetGenerator::Answering(page, letters, number);
    for (const auto& [printed, letter] : extra) SheetGenerator::Mark(marks, page, printed, letter, extraMark);
    const SheetGenerator::TGenerated scan = FakeSheet::Make(page, marks, {}, Random);
    cv::imwrite(Dir.File(name), scan.Image);
    ScanWidth = scan.Image.cols;
    PointsToPixels = scan.PointsToPixels;
    return QString::fromStdString(Dir.File(name));
  }
  // Adds through the button and waits until the worker has read it all.
  static void Add(TScanForm& form, const char* button) {
    Click(form, button);
    ASSERT_TRUE(WaitUntil([&form] { return !form.Reading(); }, 60000)) << "the reading never ended";
  }
  static void Press(QObject& target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
  }

  TTempDir Dir;
  std::string TestPath = Dir.File("T.QWT");
  std::vector<QuestionRecord> Questions;
  PaperVersions::TOptions Options{2, 9, true, true};
  std::mt19937_64 Random{1};
  // Of the last sheet made: its layout, and where the scan shows it.
  SheetLayout::TSheetPage Layout;
  int ScanWidth = 0;
  cv::Matx33d PointsToPixels;
  TScriptedDialogs Dialogs;
};

TEST_F(ScanForm, ADoubtfulRowDecidedByKeysMakesItsSheetGradableAndBothAreRecorded) {
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(Sheet(0, "ABC ", "1234", "one.png"));
  Add(form, "AddButton");
  // A second mark on question 2 of a one-letter question is left to the teacher.
  Dialogs.ExpectOpen(Sheet(1, "CCCA", "5678", "two.png", {{2, 'A'}}));
  Add(form, "AddButton");
  EXPECT_EQ(Child<QLabel>(form, "StatusLabel")->text(),
            QStringLiteral("2 pages read, 1 sheets gradable, 1 to review."));
  EXPECT_NE(Child<QLabel>(form, "DoubtLabel")->text().indexOf(QStringLiteral("question 2")), -1);
  EXPECT_FALSE(Child<QLabel>(form, "CropView")->pixmap().isNull());

  // The marked boxes are drawn over the page: green where read, orange in doubt.
  const auto hasColour = [](const QImage& image, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == colour) return true;
    return false;
  };
  EXPECT_TRUE(hasColour(form.PageImage(0), qRgb(0, 150, 60)));
  EXPECT_FALSE(hasColour(form.PageImage(0), qRgb(230, 120, 0)));
  const QImage doubtful = form.PageImage(1);
  EXPECT_TRUE(hasColour(doubtful, qRgb(230, 120, 0)));
  // The blank box of the doubtful row is outlined, not filled.
  for (const SheetLayout::TAnswerBox& box : Layout.Answers) {
    if (box.Printed == 2 && box.Letter == 'B') {
      const cv::Vec3d at = PointsToPixels * cv::Vec3d(box.Box.X, box.Box.Y, 1);
      const double shown = double(doubtful.width()) / ScanWidth;
      EXPECT_GT(qGray(doubtful.pixel(int(at[0] / at[2] * shown), int(at[1] / at[2] * shown))), 200);
    }
  }

  // The row read "AC": A is taken back, so C stands; a letter past the
  // row's last (F of three) changes nothing. The list of pages, which would
  // search by letter, passes the keys on.
  Press(form, Qt::Key_A);
  Press(form, Qt::Key_F);
  Press(*Child<QListWidget>(form, "PagesList"), Qt::Key_Return);
  EXPECT_EQ(Child<QLabel>(form, "StatusLabel")->text(),
            QStringLiteral("2 pages read, 2 sheets gradable, 0 to review."));
  EXPECT_EQ(Child<QLabel>(form, "DoubtLabel")->text(), QStringLiteral("No doubtful row is left."));

  const QString store = QString::fromStdString(Dir.File("Results.sqlite"));
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("2 sheets were graded.\r2 attempts were recorded in ") + store + QLatin1Char('.'));
  Click(form, "GradeButton");
  const auto attempts = OpenResultsStore(Dir.Path().string()).Store->Attempts({});
  ASSERT_EQ(attempts.size(), 2u);
  // The second sheet scores as its rows now read, C on question 2 and not A.
  const PaperVersions::TVersion printed = PaperVersions::Make(Questions, Options)[1];
  const auto right = [&printed](const std::string& rows) {
    int count = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
      count += Scoring::LettersOf(rows.substr(i, 1)) == printed.Questions[i].Key ? 1 : 0;
    return count;
  };
  ASSERT_NE(right("CCCA"), right("CACA")) << "the row settled must make a difference";
  for (const auto& attempt : attempts) EXPECT_EQ(attempt.Source, TAttemptSource::Scan);
  const auto second = std::find_if(attempts.begin(), attempts.end(), [](const TStoredAttempt& attempt) {
    return attempt.StudentNumber == "5678";
  });
  ASSERT_NE(second, attempts.end());
  EXPECT_EQ(second->Right, right("CCCA"));
}

// Several marks answer a question with several correct letters: the window
// walks only the rows the pile holds in doubt, and a click on a listed one
// goes to it.
TEST_F(ScanForm, OnlyTheRowsInDoubtAreWalkedAndAClickedOneIsTakenUp) {
  Questions[0] = MakeQuestion("Q1", {"one", "two", "three"}, "AC");
  TIniStore store(TestPath);
  TestFile::WriteQuestion(store, 1, Questions[0]);
  store.UpdateFile();
  RecordPrint(TestPath, Questions, Options, Dir.File(""));
  // Where each version prints question 1.
  std::array<int, 2> at{};
  for (std::size_t v = 0; v < 2; ++v)
    for (std::size_t i = 0; i < 4; ++i)
      if (PaperVersions::Make(Questions, Options)[v].Questions[i].Source == 0) at[v] = int(i) + 1;
  const int version = at[0] < 4 ? 0 : 1;
  const int single = at[std::size_t(version)] + 1, elsewhere = at[std::size_t(1 - version)] == 1 ? 2 : 1;
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(Sheet(version, "AAAA", "1234", "one.png", {{single - 1, 'C'}, {single, 'B'}}));
  Add(form, "AddButton");
  Dialogs.ExpectOpen(Sheet(1 - version, "BBBB", "5678", "two.png", {{elsewhere, 'C'}}));
  Add(form, "AddButton");
  const auto doubt = [&form] { return Child<QLabel>(form, "DoubtLabel")->text().toStdString(); };
  const std::string first = "one.png page 1, question " + std::to_string(single) + ":";
  EXPECT_EQ(doubt().rfind(first, 0), 0u) << doubt();
  auto* problems = Child<QListWidget>(form, "ProblemsList");
  ASSERT_EQ(problems->count(), 2);
  Q_EMIT problems->itemClicked(problems->item(1));
  EXPECT_EQ(doubt().rfind("two.png page 1, question " + std::to_string(elsewhere) + ":", 0), 0u) << doubt();
  EXPECT_EQ(Child<QListWidget>(form, "PagesList")->currentRow(), 1);
  Press(form, Qt::Key_Return);
  EXPECT_EQ(doubt().rfind(first, 0), 0u) << doubt();
  Press(form, Qt::Key_Return);
  EXPECT_EQ(doubt(), "No doubtful row is left.");
}

// A folder adds every scan in it by name; a doubtful student number is
// shown as read and settled by typing it whole.
TEST_F(ScanForm, AFolderIsAddedAndADoubtfulNumberTyped) {
  Sheet(1, "CCCA", "5678", "b.PNG");
  Sheet(0, "ABC ", "12 4", "a.png");
  WriteBytes(Dir.File("notes.txt"), "not a scan");
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectFolder(QString::fromStdString(Dir.Path().string()));
  Add(form, "AddFolderButton");
  EXPECT_EQ(Child<QListWidget>(form, "PagesList")->item(1)->text(), QStringLiteral("b.PNG page 1"));
  const auto doubt = [&form] { return Child<QLabel>(form, "DoubtLabel")->text().toStdString(); };
  EXPECT_EQ(doubt(),
            "a.png page 1, student number: read as \"12 4\", column 3 is left blank. Type the number "
            "written (4 digits), then Enter. Typed: nothing");
  for (const Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_9, Qt::Key_Backspace, Qt::Key_3, Qt::Key_Return})
    Press(form, key);
  EXPECT_NE(doubt().find("Typed: 123"), std::string::npos) << "three digits of four are not a number";
  Press(form, Qt::Key_4);
  Press(form, Qt::Key_Return);
  EXPECT_EQ(Child<QLabel>(form, "StatusLabel")->text(),
            QStringLiteral("2 pages read, 2 sheets gradable, 0 to review."));
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("2 sheets were graded.\r2 attempts were recorded in ") +
                            QString::fromStdString(Dir.File("Results.sqlite")) + QLatin1Char('.'));
  Click(form, "GradeButton");
  const auto attempts = OpenResultsStore(Dir.Path().string()).Store->Attempts({});
  EXPECT_TRUE(
      std::any_of(attempts.begin(), attempts.end(), [](const auto& a) { return a.StudentNumber == "1234"; }));
}

// "lighter marks count" decides the pile again from what was measured: a
// light pencil mark is in doubt, then a mark, then in doubt again, with no
// page read again. A long reading can be cancelled, keeping what was read.
TEST_F(ScanForm, ThePileIsDecidedAgainAtOnceAndAReadingCanBeCancelled) {
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(Sheet(0, "A CD", "1234", "one.png", {{2, 'B'}}, SheetGenerator::TMark::LightPencil));
  Add(form, "AddButton");
  const auto status = [&form] { return Child<QLabel>(form, "StatusLabel")->text(); };
  EXPECT_EQ(status(), QStringLiteral("1 pages read, 0 sheets gradable, 1 to review."));
  auto* lighter = Child<QSlider>(form, "LighterSlider");
  lighter->setValue(lighter->maximum());
  EXPECT_EQ(status(), QStringLiteral("1 pages read, 1 sheets gradable, 0 to review."));
  EXPECT_EQ(Child<QLabel>(form, "DoubtLabel")->text(), QStringLiteral("No doubtful row is left."));
  lighter->setValue(0);
  EXPECT_EQ(status(), QStringLiteral("1 pages read, 0 sheets gradable, 1 to review."));
  EXPECT_FALSE(Child<QLabel>(form, "CropView")->pixmap().isNull()) << "the crop was kept for deciding again";

  QStringList pile;
  for (int n = 0; n < 8; ++n) pile << QString::fromStdString(Dir.File("one.png"));
  form.AddFiles(pile);
  EXPECT_TRUE(form.Reading());
  EXPECT_FALSE(Child<QPushButton>(form, "GradeButton")->isEnabled());
  Click(form, "CancelButton");
  ASSERT_TRUE(WaitUntil([&form] { return !form.Reading(); }, 60000));
  EXPECT_LT(Child<QListWidget>(form, "PagesList")->count(), 9);
  EXPECT_FALSE(Child<QPushButton>(form, "CancelButton")->isEnabled());
}

TEST_F(ScanForm, AFileThatIsNoScanIsListedAndNothingCanBeGradedInAnAuditedWindow) {
  WriteBytes(Dir.File("notes.txt"), "not a scan");
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(QString::fromStdString(Dir.File("notes.txt")));
  Add(form, "AddButton");
  auto* problems = Child<QListWidget>(form, "ProblemsList");
  ASSERT_EQ(problems->count(), 1);
  EXPECT_NE(problems->item(0)->text().indexOf(QStringLiteral("not a PDF, PNG, JPEG or TIFF file")), -1);
  EXPECT_FALSE(Child<QPushButton>(form, "GradeButton")->isEnabled());
  form.show();
  EXPECT_EQ(MnemonicClashes(form), QStringList());
  EXPECT_EQ(UnnamedControls(form), QStringList());

  // A damaged results store is set aside, and with it the record of the
  // print: both stay said above the problems as files come in.
  WriteBytes(Dir.File("Results.sqlite"), std::string(4096, 'x'));
  TScanForm unrecorded({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(QString::fromStdString(Dir.File("notes.txt")));
  Add(unrecorded, "AddButton");
  problems = Child<QListWidget>(unrecorded, "ProblemsList");
  ASSERT_EQ(problems->count(), 3);
  EXPECT_NE(problems->item(0)->text().indexOf(QStringLiteral("Results.sqlite")), -1)
      << problems->item(0)->text().toStdString();
  EXPECT_EQ(problems->item(1)->text(),
            QStringLiteral("No print of the test is recorded; its sheets cannot be checked or graded."));
}

// The reader's reasons for a page it refuses and for a row or number in
// doubt, and the places it names, are shown in the interface's language,
// files, pages, counts and columns filled in.
TEST_F(ScanForm, RefusalsAndDoubtsAreShownInTheInterfacesLanguage) {
  const QString doubtful = Sheet(0, "ABC ", "12 4", "a.png", {{2, 'A'}});
  const std::string blank = Dir.File("blank.png");
  cv::imwrite(blank, cv::Mat(1400, 1000, CV_8UC1, cv::Scalar(255)));
  const TPseudoLanguage language;
  TScanForm form({PaperVersions::ReadPaperTest(TestPath), QString::fromStdString(TestPath), Dialogs});
  Dialogs.ExpectOpen(doubtful);
  Add(form, "AddButton");
  Dialogs.ExpectOpen(QString::fromStdString(blank));
  Add(form, "AddButton");
  QStringList problems;
  for (int i = 0; i < Child<QListWidget>(form, "ProblemsList")->count(); ++i)
    problems << Child<QListWidget>(form, "ProblemsList")->item(i)->text();
  for (const char* problem :
       {"\u00ABa.png page 1, question 2\u00BB: \u00ABmore than one box marked\u00BB",
        "\u00ABa.png page 1, student number\u00BB: \u00ABcolumn 3 is left blank\u00BB",
        "\u00ABblank.png page 1\u00BB: \u00ABno corner markers: a blank page, or not an answer sheet\u00BB"})
    EXPECT_TRUE(problems.contains(QString::fromUtf8(problem)))
        << problem << " in " << problems.join('|').toStdString();
  EXPECT_NE(Child<QLabel>(form, "DoubtLabel")
                ->text()
                .indexOf(QStringLiteral(": \u00ABmore than one box marked\u00BB.")),
            -1);
  EXPECT_EQ(Child<QListWidget>(form, "PagesList")->item(1)->text(),
            QStringLiteral("\u00ABblank.png page 1\u00BB"));
  Child<QListWidget>(form, "PagesList")->setCurrentRow(1);
  EXPECT_EQ(Child<QLabel>(form, "PageView")->toolTip(),
            QStringLiteral("\u00ABno corner markers: a blank page, or not an answer sheet\u00BB"));
}

}  // namespace
