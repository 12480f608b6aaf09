#pragma once

#include <QDialog>
#include <vector>

#include "ui/platform/EngineServices.h"

class QLabel;
class QPushButton;
class TTestSession;

// The review: the questions the student got wrong (and left blank, when the
// test says so), each with the student's answer and the correct one, and the
// hot link and reference when the test offers them in the review.
class TReviewForm : public QDialog {
  Q_OBJECT
public:
  TReviewForm(const TTestSession& session, const TEngineServices& services, QWidget* parent = nullptr);
  void PreviousButtonClick();
  void NextButtonClick();
  int Shown() const { return Index; }

private:
  void DisplayQuestion();
  const TTestSession& Session;
  TEngineServices Services;
  std::vector<int> List;
  int Index = 0;
  QLabel *NumberLabel, *QuestionLabel, *AnswersLabel, *YourLabel, *CorrectLabel;
  QLabel* CheckedLabel;
  QPushButton *PreviousButton, *NextButton, *HotLinkButton, *ReferenceButton;
};
