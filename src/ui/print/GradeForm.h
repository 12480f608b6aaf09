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
  TGradeForm(PaperVersions::TPaperTest test, TDialogs& dialogs, QWidget* parent = nullptr);

  void OpenButtonClick();   // chooses an answers file and grades it
  void GradeButtonClick();  // grades the chosen file again, as the controls now say
  void SaveButtonClick();

private:
  void ShowResults();

  PaperVersions::TPaperTest Test;
  TDialogs& Dialogs;
  QString AnswersPath;
  Grading::TResults Results;
  QSpinBox* VersionsSpin;
  QLineEdit* SeedEdit;
  QCheckBox* ShuffleQuestionsCheck;
  QCheckBox* ShuffleAnswersCheck;
  QLabel* AnswersLabel;
  QTableWidget* ResultsTable;
  QTableWidget* QuestionsTable;
  QPushButton* GradeButton;
  QPushButton* SaveButton;
};
