#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/results/ResultsStore.h"
#include "core/results/Statistics.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
class TBackgroundCollect;
class TBarChart;
struct TGlobals;

// The results of one test: its attempts (filtered, deleted and
// brought back), the test's figures, the item analysis, the questions whose
// key changed since attempts were marked, and the exports. Opening it
// collects the results folders it knows into the test folder's store, and
// while it is open new attempt files there are collected as they come.
class TResultsForm : public QDialog {
  Q_OBJECT

public:
  // Reads the test at testPath (the maker's current test, or any test of the
  // catalogue) and opens its folder's store; a store that cannot be opened is
  // reported and the window shows nothing.
  TResultsForm(TGlobals& globals, const QString& testPath, QWidget* parent = nullptr);
  // The same for the current test of globals.
  explicit TResultsForm(TGlobals& globals, QWidget* parent = nullptr);
  ~TResultsForm() override;

  // What double-clicking a row of the item analysis does with its question's
  // number: the maker opens its editor there.
  std::function<void(int number)> OpenQuestion;

  // The results folders known: the one set in Client Configuration.
  const QStringList& Folders() const { return KnownFolders; }

  // Stores the new attempt files of every known folder; damaged and foreign
  // files are listed with their reason, and left where they are.
  void CollectFolders();
  // Lists the attempts the filter lets through and works out the figures.
  void Refresh();

  void DeleteButtonClick();  // the chosen attempt, after a question whose default is No
  void UndoButtonClick();    // brings back the attempt deleted last
  void RegradeButtonClick();
  void GradebookButtonClick();
  void ItemsButtonClick();
  void PdfButtonClick();
  void DropFolderButtonClick();
  // Opens the question editor at the question of row (the row shown).
  void ItemsGridDoubleClick(int row);

  // The report as PDF bytes.
  QByteArray PdfReport() const;

private:
  QWidget* BuildAttemptsTab();
  QWidget* BuildStatisticsTab();
  QWidget* BuildItemsTab();
  QWidget* BuildRegradeTab();
  void LoadTest();
  void FillAttempts();
  void FillStatistics();
  void FillItems();
  void FillRegrade();
  // Row is the row shown, whichever column the grid is sorted by.
  void ShowItemChart(int row);
  QString QuestionText(int number) const;  // on one line; empty for a question the test no longer has
  QStringList ItemRow(const Statistics::TItem& item) const;
  // Fills grid again, sorted as its heading now says, when a heading is clicked.
  void ResortOnHeading(QTableWidget* grid, const std::function<void()>& fill);
  void UpdateDropFolder();
  TResultsFilter Filter() const;
  // Asks for a file and writes bytes to it atomically.
  void Export(const QString& title, const QString& filter, const QString& extension, const QString& name,
              const std::string& bytes);

  TGlobals& Globals;
  const QString TestSource;  // the test as it was given, read again after an edit
  std::string TestPath;
  std::string TestFile;  // without its folder
  std::string Description;
  int PassPoint = 0;
  std::vector<TQuestionSnapshot> CurrentQuestions;  // the test's questions as saved now
  std::map<int, Scoring::TLetters> Keys;
  std::map<int, int> AnswerCounts;  // per question, the letters with an answer
  TOpenedStore Opened;
  QStringList KnownFolders;
  std::vector<TStoredAttempt> Shown;  // the attempts listed, oldest first
  Statistics::TTest Figures;
  std::vector<std::int64_t> Deleted;  // for Undo, the last deleted at the end

  QFileSystemWatcher* Watcher;
  QTimer* CollectTimer;
  TBackgroundCollect* Collector = nullptr;  // while the store is open
  QCheckBox* DateCheck;
  QDateEdit* FromDate;
  QDateEdit* ToDate;
  QComboBox* SourceBox;
  QComboBox* ClassBox;
  QTableWidget* AttemptsGrid;
  QPushButton* DeleteButton;
  QPushButton* UndoButton;
  QLabel* FoldersLabel;
  QListWidget* RefusedList;
  QPushButton* DropFolderButton;
  QLabel* FiguresLabel;
  TBarChart* Histogram;
  QTableWidget* ItemsGrid;
  TBarChart* ItemChart;
  QTableWidget* ChangesGrid;
  QPushButton* RegradeButton;
  QTableWidget* RegradedGrid;
};
