#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <deque>
#include <filesystem>

#include "DropFolderOffer.h"
#include "core/model/ClientConfig.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/results/GradeSheets.h"
#include "core/storage/IniStore.h"
#include "support/ManualClock.h"
#include "support/PseudoLanguage.h"
#include "support/WindowAudit.h"
#include "ui/engine/EngineForm.h"
#include "ui/engine/Prompts.h"
#include "ui/engine/QuestionForm.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/MakerFixture.h"
#include "ui/platform/HelpViewer.h"
#include "ui/results/BarChart.h"
#include "ui/results/ResultsForm.h"

namespace fs = std::filesystem;

namespace {

// Gives the name and the number, and leaves the class empty.
class TNamePrompt : public TPrompts {
public:
  std::optional<QString> AskText(const QString& title, const QString&, bool) override {
    return title == QStringLiteral("Student Name")     ? Name
           : title == QStringLiteral("Student Number") ? Number
                                                       : QString();
  }
  QString Name, Number;
};

QuestionRecord Question(const char* text, const char* correct) {
  QuestionRecord q;
  q.Question = text;
  q.AnswerA = "Alpha";
  q.AnswerB = "Beta";
  q.AnswerC = "Gamma";
  q.Correct = correct;
  return q;
}

// A test in a folder, attempts at it taken in the real engine, and the
// Results window over the maker's folder.
class ResultsFormTest : public MakerFixture {
protected:
  TNamePrompt Prompt;
  TManualClock Clock;

  // With a blueprint, questions 1 and 3 are of category Odd, 2 of Even.
  std::string WriteTest(const std::string& folder, const char* keys = "ABC", const char* blueprint = "") {
    fs::create_directories(folder);
    const std::string path = folder + "/QUIZ.QWT";
    TIniStore store(path);
    TestSettings settings;
    settings.Description = "Quiz";
    settings.PassPoint = 50;
    settings.Blueprint = blueprint;
    WriteTestSettings(store, settings);
    const char* texts[] = {"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
      QuestionRecord question = Question(texts[i], std::string(1, keys[i]).c_str());
      if (*blueprint) question.Category = i == 1 ? "Even" : "Odd";
      TestFile::WriteQuestion(store, i + 1, question);
    }
    store.UpdateFile();
    return path;
  }
  void SetResultsFolder(const std::string& programFolder, const std::string& resultsFolder) {
    ClientConfig config;
    config.ResultsFolder = resultsFolder;
    SaveClientConfig(programFolder + "/qwtest.cfg", config);
  }
  TEngineSetup Engine(const std::string& folder) {
    return {FromPath(folder), FromPath(folder + "/data/history.csv"), Dialogs, Prompt, Shell, Help, Clock};
  }
  // Takes the test at path as student, choosing one letter per question.
  // notice: what the engine says after Finish, if anything.
  void TakeTest(TEngineForm& engine, const std::string& path, const QString& student, const char* letters,
                const QString& notice = {}) {
    Prompt.Name = student;
    engine.RunModal = [this, letters, notice](QDialog& dialog) {
      if (auto* form = qobject_cast<TQuestionForm*>(&dialog)) {
        for (const char* letter = letters; *letter; ++letter) {
          Child<QRadioButton>(*form, ("Option" + std::string(1, *letter)).c_str())->click();
          if (letter[1]) form->NextButtonClick();
        }
        Dialogs.ExpectMessage(
            TMessageKind::RiskyConfirmation,
            "Every question has an answer.\rFinish the test now? No answer can be changed afterwards.",
            TButton::Yes);
        if (!notice.isEmpty()) Dialogs.ExpectMessage(TMessageKind::Information, notice);
        form->FinishButtonClick();
      }
      return int(QDialog::Accepted);
    };
    engine.TakeTest(FromPath(path));
  }
  std::unique_ptr<TResultsForm> OpenResults(const std::string& path) {
    Globals.CurrentTestPath = FromPath(path);
    return std::make_unique<TResultsForm>(Globals);
  }
  static QString Cell(const QObject& form, const char* grid, int row, int column) {
    const QTableWidgetItem* item = Child<QTableWidget>(form, grid)->item(row, column);
    return item ? item->text() : QString();
  }
};

}  // namespace

TEST_F(ResultsFormTest, AnEngineAttemptIsStoredBesideTheTestAndShown) {
  const std::string test = WriteTest(Dir.Path().string());
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Ann"), "ABA");
  auto form = OpenResults(test);
  auto* grid = Child<QTableWidget>(*form, "AttemptsGrid");
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 0), "Ann");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 3), "engine");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "2 of 3");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 6), "67%");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 7), "yes");
  // Question 3 was answered A, not its key C.
  EXPECT_EQ(Cell(*form, "ItemsGrid", 2, 3), "0");
  EXPECT_EQ(Cell(*form, "ItemsGrid", 2, 5), "1 / 0 / 0");
  EXPECT_EQ(Cell(*form, "ItemsGrid", 2, 8), "");  // the question has no answer D
  Child<QTableWidget>(*form, "ItemsGrid")->setCurrentCell(2, 0);
  const TChartData& chart = Child<TBarChart>(*form, "ItemChart")->Data();
  EXPECT_EQ(chart.Categories, (QStringList{"A", "B", "C (key)", "Blank"}));
  EXPECT_EQ(chart.Series[0].Values, (std::vector<int>{1, 0, 0, 0}));
  form->show();
  PressF1(grid);
  EXPECT_EQ(Help.Calls, std::vector<int>{HelpContext::Results});
  EXPECT_EQ(MnemonicClashes(*form), QStringList());
  EXPECT_EQ(UnnamedControls(*form), QStringList());
}

// Sheets graded from a print are in the same window as the engine's attempts.
TEST_F(ResultsFormTest, AGradedPaperSheetIsShownAsAPaperAttempt) {
  const std::string test = WriteTest(Dir.Path().string());
  // One version in the test's own order: the printed letters are the stored
  // ones, so Bob's A, B, A is right on questions 1 and 2 (keys A, B, C).
  const PaperVersions::TOptions options{1, 7, false, false};
  const auto graded = GradeSheets("Bob,A,A,B,A\r\n", test, PaperVersions::ReadPaperTest(test), options, {});
  EXPECT_EQ(RecordGrades(graded, test, TAttemptSource::Paper, Dir.File("data")).Added, 1);
  auto form = OpenResults(test);
  ASSERT_EQ(Child<QTableWidget>(*form, "AttemptsGrid")->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 0), "Bob");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 3), "paper");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "2 of 3");
}

// Bob's sheet is all right, Ann's engine attempt one of three: the columns
// show what each kind of attempt has, sort as numbers, and Delete takes the
// attempt chosen in the sorted list.
TEST_F(ResultsFormTest, ColumnsShowWhatEachAttemptHasAndSortByValue) {
  const std::string test = WriteTest(Dir.Path().string());
  const PaperVersions::TOptions options{1, 7, false, false};
  const auto graded = GradeSheets("Bob,A,A,B,C\r\n", test, PaperVersions::ReadPaperTest(test), options, {});
  ASSERT_EQ(RecordGrades(graded, test, TAttemptSource::Paper, Dir.File("data")).Added, 1);
  TEngineForm engine(Engine(Dir.Path().string()));
  Prompt.Number = QStringLiteral("S-17");
  TakeTest(engine, test, QStringLiteral("Ann"), "CCC");
  auto form = OpenResults(test);
  auto* grid = Child<QTableWidget>(*form, "AttemptsGrid");
  ASSERT_EQ(grid->rowCount(), 2);
  const int ann = Cell(*form, "AttemptsGrid", 0, 0) == "Ann" ? 0 : 1;
  EXPECT_EQ(Cell(*form, "AttemptsGrid", ann, 1), "S-17");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", ann, 8), "00:00:00");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 1 - ann, 8), "");  // no one timed the sheet
  EXPECT_TRUE(Child<QLabel>(*form, "FiguresLabel")->text().endsWith("\nPass rate: 50% (1 of 2 passed)"))
      << Child<QLabel>(*form, "FiguresLabel")->text().toStdString();
  EXPECT_EQ(Cell(*form, "ItemsGrid", 2, 1), "Three");

  // Percent, upwards ("33%" before "100%"), then downwards.
  QHeaderView* header = grid->horizontalHeader();
  const auto clickHeading = [&](int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
  };
  clickHeading(6);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 0), "Ann");
  clickHeading(6);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 0), "Bob");
  grid->setCurrentCell(0, 0);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation,
                        QStringLiteral("Delete the attempt of Bob taken %1?\rUndo Delete brings it back.")
                            .arg(Cell(*form, "AttemptsGrid", 0, 2)),
                        TButton::No);
  Click(*form, "DeleteButton");
  // The item analysis sorts too, and its chart follows the question chosen.
  auto* items = Child<QTableWidget>(*form, "ItemsGrid");
  items->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);  // Two, Three, One
  EXPECT_EQ(Cell(*form, "ItemsGrid", 0, 1), "Two");
  items->setCurrentCell(1, 0);
  EXPECT_EQ(Child<TBarChart>(*form, "ItemChart")->Data().Title, "Question 3: who chose each answer");
}

// A test drawn from a blueprint asks each attempt only some of its questions:
// the list shows which, as the file numbers them.
TEST_F(ResultsFormTest, EachAttemptShowsTheQuestionsItAsked) {
  const std::string test = WriteTest(Dir.Path().string(), "ABC", "Odd=1; Even=1");
  // Bob's version printed questions 2 and 3.
  const PaperVersions::TOptions options{1, 7, false, false, {{1, 2}}};
  const auto graded = GradeSheets("Bob,A,B,C\r\n", test, PaperVersions::ReadPaperTest(test), options, {});
  ASSERT_EQ(RecordGrades(graded, test, TAttemptSource::Paper, Dir.File("data")).Added, 1);
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Ann"), "AA");
  auto form = OpenResults(test);
  auto* grid = Child<QTableWidget>(*form, "AttemptsGrid");
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->horizontalHeaderItem(9)->text(), "Questions");
  const int ann = Cell(*form, "AttemptsGrid", 0, 0) == "Ann" ? 0 : 1;
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 1 - ann, 9), "2, 3");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 1 - ann, 5), "2 of 2");
  // The engine drew one Odd question and the Even one.
  const QString asked = Cell(*form, "AttemptsGrid", ann, 9);
  EXPECT_TRUE(asked == "1, 2" || asked == "2, 3") << asked.toStdString();
  EXPECT_TRUE(Cell(*form, "AttemptsGrid", ann, 5).endsWith(" of 2"));
}

TEST_F(ResultsFormTest, ALabAttemptWaitsInTheQueueThenReachesTheFolderAndIsCollectedOnce) {
  const std::string lab = Dir.File("lab"), drop = Dir.File("drop");
  const std::string labTest = WriteTest(lab);
  fs::create_directories(lab + "/Results.sqlite");  // the lab machine cannot keep a store there
  WriteBytes(Dir.File("notafolder"), "x");
  SetResultsFolder(lab, Dir.File("notafolder"));
  {
    TEngineForm engine(Engine(lab));
    // The student is told the attempt is queued, and where.
    TakeTest(engine, labTest, QStringLiteral("Bob"), "ABC",
             QStringLiteral("The result could not be handed in to the teacher yet. It waits in the folder "
                            "\"%1/data/queue\" until the test program can hand it in to the results folder.")
                 .arg(FromPath(lab)));
  }
  ASSERT_EQ(std::distance(fs::directory_iterator(lab + "/data/queue"), {}), 1);
  fs::create_directories(drop);
  SetResultsFolder(lab, drop);
  TEngineForm(Engine(lab)).SendQueuedResults();
  EXPECT_EQ(std::distance(fs::directory_iterator(lab + "/data/queue"), {}), 0);
  // The teacher's copy of the test, and a file that is no attempt beside Bob's.
  const std::string test = WriteTest(Dir.Path().string());
  SetResultsFolder(Dir.Path().string(), drop);
  fs::copy(fs::directory_iterator(drop)->path(), drop + "/copy.qwr", fs::copy_options::skip_existing);
  WriteBytes(drop + "/stray.qwr", "not an attempt\n");
  auto form = OpenResults(test);
  ASSERT_EQ(Child<QTableWidget>(*form, "AttemptsGrid")->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 0), "Bob");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "3 of 3");
  auto* refused = Child<QListWidget>(*form, "RefusedList");
  ASSERT_EQ(refused->count(), 1) << refused->item(refused->count() - 1)->text().toStdString();
  EXPECT_TRUE(refused->item(0)->text().startsWith(FromPath(drop + "/stray.qwr")))
      << refused->item(0)->text().toStdString();
  EXPECT_TRUE(fs::exists(drop + "/stray.qwr"));

  // A file arriving while the window is open shows up by itself.
  {
    TEngineForm engine(Engine(lab));
    TakeTest(engine, labTest, QStringLiteral("Cy"), "CCC");
  }
  EXPECT_TRUE(WaitUntil([&] { return Child<QTableWidget>(*form, "AttemptsGrid")->rowCount() == 2; }));
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 1, 0), "Cy");

  // The folder is the teacher's own: the window offers to make it a drop folder.
  fs::permissions(drop, fs::perms(0755));
  form = OpenResults(test);
  AcceptDropFolderOffer(Dialogs, drop);
  Click(*form, "DropFolderButton");
  EXPECT_EQ(fs::status(drop).permissions() & fs::perms::mask, fs::perms(01733));
  EXPECT_FALSE(Child<QPushButton>(*form, "DropFolderButton")->isEnabled());
}

TEST_F(ResultsFormTest, DeleteAsksWithNoAsDefaultAndUndoBringsTheAttemptBack) {
  const std::string test = WriteTest(Dir.Path().string());
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Ann"), "ABC");
  TakeTest(engine, test, QStringLiteral("Ann"), "CCC");
  auto form = OpenResults(test);
  auto* grid = Child<QTableWidget>(*form, "AttemptsGrid");
  // The filters: by source, and by a range of days that ends today.
  auto* source = Child<QComboBox>(*form, "SourceBox");
  source->setCurrentIndex(source->findText("paper"));
  EXPECT_EQ(grid->rowCount(), 0);
  source->setCurrentIndex(source->findText("engine"));
  EXPECT_EQ(grid->rowCount(), 2);
  Child<QCheckBox>(*form, "DateCheck")->setChecked(true);
  Child<QDateEdit>(*form, "FromDate")->setDate(QDate::currentDate().addDays(1));
  EXPECT_EQ(grid->rowCount(), 0);
  Child<QDateEdit>(*form, "FromDate")->setDate(QDate::currentDate());
  EXPECT_EQ(grid->rowCount(), 2);
  grid->setCurrentCell(1, 0);
  const QString ask = QStringLiteral("Delete the attempt of Ann taken %1?\rUndo Delete brings it back.");
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask.arg(Cell(*form, "AttemptsGrid", 1, 2)),
                        TButton::No);
  Click(*form, "DeleteButton");
  EXPECT_EQ(grid->rowCount(), 2);
  grid->setCurrentCell(1, 0);
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask.arg(Cell(*form, "AttemptsGrid", 1, 2)),
                        TButton::Yes);
  Click(*form, "DeleteButton");
  ASSERT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "3 of 3");
  EXPECT_TRUE(Child<QLabel>(*form, "FiguresLabel")->text().startsWith("Attempts: 1\n"));
  Click(*form, "UndoButton");
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 1, 5), "1 of 3");
  EXPECT_FALSE(Child<QPushButton>(*form, "UndoButton")->isEnabled());
}

TEST_F(ResultsFormTest, RegradeShowsTheChangedKeyAndOldAndNewScores) {
  const std::string test = WriteTest(Dir.Path().string());
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Ann"), "ABA");
  WriteTest(Dir.Path().string(), "ABA");  // question 3's key was wrong
  auto form = OpenResults(test);
  ASSERT_EQ(Child<QTableWidget>(*form, "ChangesGrid")->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "ChangesGrid", 0, 0), "3");
  EXPECT_EQ(Cell(*form, "ChangesGrid", 0, 1), "C");
  EXPECT_EQ(Cell(*form, "ChangesGrid", 0, 2), "A");
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      "1 attempt(s) were rescored with the test's key; each keeps its first score. 1 score(s) changed.");
  Click(*form, "RegradeButton");
  EXPECT_EQ(Child<QTableWidget>(*form, "ChangesGrid")->rowCount(), 0);
  ASSERT_EQ(Child<QTableWidget>(*form, "RegradedGrid")->rowCount(), 1);
  EXPECT_EQ(Cell(*form, "RegradedGrid", 0, 2), "2 of 3");
  EXPECT_EQ(Cell(*form, "RegradedGrid", 0, 3), "3 of 3");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "3 of 3");
}

TEST_F(ResultsFormTest, ExportsAGradebookPythonReadsAndAReportAndOpensTheEditorAtAQuestion) {
  const std::string test = WriteTest(Dir.Path().string());
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Zoë, \"Z\""), "ABA");
  auto form = OpenResults(test);
  const std::string csv = Dir.File("grades.csv"), pdf = Dir.File("report.pdf");
  Dialogs.ExpectSave(FromPath(csv));
  Click(*form, "GradebookButton");
  const std::string script =
      "import csv,sys\nrows=list(csv.reader(open(sys.argv[1],encoding='utf-8',newline='')))\n"
      "print(rows[0][0],rows[0][6],'|'.join(rows[1]))";
  const std::string command = "python3 -c \"" +
                              QString::fromStdString(script).replace("\"", "\\\"").toStdString() + "\" " +
                              csv + " > " + Dir.File("out.txt");
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string read = ReadBytes(Dir.File("out.txt"));
  EXPECT_EQ(read.substr(0, 15), "Student Passed ");
  EXPECT_NE(read.find("Zo\xC3\xAB, \"Z\"|||"), std::string::npos) << read;
  EXPECT_NE(read.find("|2|67|yes"), std::string::npos) << read;
  Dialogs.ExpectSave(FromPath(pdf));
  Click(*form, "PdfButton");
  EXPECT_EQ(ReadBytes(pdf).substr(0, 5), "%PDF-");

  // The third row is question 3: the maker opens its editor there.
  int opened = 0;
  form->OpenQuestion = [&](int number) { opened = number; };
  form->ItemsGridDoubleClick(2);
  EXPECT_EQ(opened, 3);
}

// Any test of the catalogue shows its results without being loaded: from the
// list's context menu, or File > Results... with no test loaded.
TEST_F(ResultsFormTest, TheCatalogueShowsTheResultsOfATestThatIsNotLoaded) {
  const std::string test = WriteTest(Dir.Path().string());
  {
    TEngineForm engine(Engine(Dir.Path().string()));
    TakeTest(engine, test, QStringLiteral("Ann"), "ABA");
  }
  TMainForm main(Folder(), Dialogs, Help, Shell);
  Child<QTimer>(main, "StartTimer")->stop();
  Dialogs.ExpectMessage(TMessageKind::Information,
                        "This is the Instructor Test Maker.\rDo not distribute with Quizwell.");
  main.StartTimerTimer();
  auto* list = Child<QComboBox>(main, "ComboBox1");
  ASSERT_EQ(list->count(), 2);
  const auto shown = [](const char* how) {
    return OnModal<TResultsForm>([how](TResultsForm& form) {
      EXPECT_EQ(form.windowTitle(), "Results - QUIZ.QWT") << how;
      EXPECT_EQ(Cell(form, "AttemptsGrid", 0, 0), "Ann") << how;
    });
  };
  list->setCurrentIndex(1);  // shown in the list, not picked
  {
    const auto answer = shown("context menu");
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      menu->setActiveAction(Child<QAction>(*menu, "CatalogueResults1"));
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
      QApplication::sendEvent(menu, &enter);
    });
    emit list->customContextMenuRequested(QPoint(4, 4));
  }
  {
    const auto answer = shown("File menu");
    Trigger(main, "Results1");
  }
  EXPECT_TRUE(main.Globals.CurrentTestPath.isEmpty());
  list->setCurrentIndex(0);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        "Load a test first, or choose one in the list: the results shown are that test's.");
  Trigger(main, "Results1");
}

TEST_F(ResultsFormTest, TheWindowItsListsAndChartsAreInTheInterfacesLanguage) {
  const std::string test = WriteTest(Dir.Path().string());
  TEngineForm engine(Engine(Dir.Path().string()));
  TakeTest(engine, test, QStringLiteral("Ann"), "ABA");
  const TPseudoLanguage language;
  auto form = OpenResults(test);
  // The answers' letters head their columns in every language.
  EXPECT_EQ(UntranslatedTexts(*form, {"A", "B", "C", "D", "E", "F"}), QStringList());
  // Where an attempt came from reads as the filter that chooses it.
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 3), "\u00ABengine\u00BB");
  EXPECT_EQ(Child<QComboBox>(*form, "SourceBox")->itemText(1), "\u00ABengine\u00BB");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 5), "\u00AB2 of 3\u00BB");
  EXPECT_EQ(Cell(*form, "AttemptsGrid", 0, 7), "\u00AByes\u00BB");
  EXPECT_TRUE(Child<QLabel>(*form, "FiguresLabel")->text().endsWith("(1 of 1 passed)\u00BB\u00BB"));
  // The item analysis's flags are translated one by one.
  EXPECT_EQ(Cell(*form, "ItemsGrid", 0, 12), "\u00ABvery-easy\u00BB");
  EXPECT_EQ(Cell(*form, "ItemsGrid", 2, 12), "\u00ABvery-hard\u00BB");
  Child<QTableWidget>(*form, "ItemsGrid")->setCurrentCell(2, 0);
  const TChartData& chart = Child<TBarChart>(*form, "ItemChart")->Data();
  EXPECT_EQ(chart.Title, "\u00ABQuestion 3: who chose each answer\u00BB");
  EXPECT_EQ(chart.Categories, (QStringList{"A", "B", "\u00ABC (key)\u00BB", "\u00ABBlank\u00BB"}));
  EXPECT_EQ(chart.Series[1].Name, "\u00ABTop 27%\u00BB");
}
