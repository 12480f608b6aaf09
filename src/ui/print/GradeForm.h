#pragma once

#include <optional>

#include "core/results/GradeSheets.h"
#include "ui/platform/PaperWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// "Grade Answers...": marks a file of typed answer sheets against the
// versions of a print run (one recorded when the test was printed, or a
// seed given), shows the results, saves them as CSV and records them in the
// results store.
class TGradeForm : public TPaperWindow {
  Q_OBJECT

public:
  // The test's recorded print runs are offered, the newest chosen.
  explicit TGradeForm(TPaperSubject subject, QWidget* parent = nullptr);

  void OpenAnswers();      // chooses an answers file and grades it
  void GradeAnswers();     // grades the chosen file, as the controls now say
  void SaveResults();      // as CSV
  void RecordInResults();  // records the graded sheets in the results store

private:
  void ShowResults();
  // The controls take the options of the run chosen in the list.
  void RunChosen();
  // The list shows the run the controls name, or none when no offered run
  // has their options.
  void OptionsEdited();
  std::optional<PaperVersions::TOptions> ChosenOptions() const;

  QString AnswersPath;
  std::vector<TPrintRun> Runs;  // offered, newest first
  std::optional<TGradedSheets> Graded;
  QTableWidget* RunsTable;
  QSpinBox* VersionsSpin;
  QLineEdit* SeedEdit;
  QCheckBox* ShuffleQuestionsCheck;
  QCheckBox* ShuffleAnswersCheck;
  QLabel* PrintNote;
  QLabel* AnswersLabel;
  QTableWidget* ResultsTable;
  QTableWidget* QuestionsTable;
  QPushButton* GradeButton;
  QPushButton* SaveButton;
  QPushButton* RecordButton;
};
