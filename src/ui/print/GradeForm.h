#pragma once

#include <QDialog>

#include "core/run/Grading.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TDialogs;

// "Grade Answers...": marks a file of typed answer sheets against the
// versions a seed made, shows the results and saves them as CSV.
class TGradeForm : public QDialog {
  Q_OBJECT

public:
  // testPath names the test, whose last print gives the controls their
  // starting values; dialogs must outlive the window.
  TGradeForm(PaperVersions::TPaperTest test, const QString& testPath, TDialogs& dialogs,
             QWidget* parent = nullptr);

  void OpenButtonClick();   // chooses an answers file and grades it
  void GradeButtonClick();  // grades the chosen file again, as the controls now say
  void SaveButtonClick();

private:
  void ShowResults();
  // The options of the test's recent prints, newest first; none when none
  // is on record or the record cannot be read.
  std::vector<PaperVersions::TOptions> RecentPrints() const;
  // Warns when most sheets fit the key of another version far better than
  // their own (the wrong-key rule of Grading).
  void WarnOfWrongKeys(std::string_view text, const std::vector<PaperVersions::TVersion>& versions,
                       const PaperVersions::TOptions& options);

  PaperVersions::TPaperTest Test;
  QString TestPath;
  TDialogs& Dialogs;
  QString AnswersPath;
  Grading::TResults Results;
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
};
