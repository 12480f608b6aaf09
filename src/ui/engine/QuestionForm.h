#pragma once

#include <QDialog>
#include <array>

#include "ui/platform/EngineServices.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class TTestSession;

// One question at a time of a running test: its answers as option buttons
// (one correct letter) or check boxes (several), moving on, checking, the
// hot link, reference and media the test offers, and the countdown. Accepted
// when the test ends, by the student or by the clock.
class TQuestionForm : public QDialog {
  Q_OBJECT
public:
  TQuestionForm(TTestSession& session, const TEngineServices& services, QWidget* parent = nullptr);

  void PreviousButtonClick();
  void NextButtonClick();
  void CheckButtonClick();
  void FinishButtonClick();
  void HotLinkButtonClick();
  void ReferenceButtonClick();
  void MediaButtonClick();
  // Brings the time displays up to date; ends the test when time is up.
  void Timer1Timer();

protected:
  void reject() override;  // Escape and the close box: end the test, when the student agrees
  // A-F and 1-6 choose answers, Enter goes to the next question; never while
  // a text field has the focus.
  void keyPressEvent(QKeyEvent* event) override;

private:
  void DisplayQuestion();
  void ShowVerdict();
  void AnswerChanged();
  bool MayMoveOn();
  QAbstractButton* AnswerButton(int letter) const;
  void CloseOpenBoxes();

  TTestSession& Session;
  TEngineServices Services;
  QLabel* NumberLabel;
  QLabel* QuestionLabel;
  QLabel* PictureLabel;
  QLabel* ChoiceLabel;
  QLabel* VerdictLabel;
  QLabel* ReferenceLabel;
  QLabel* ElapsedLabel;
  QLabel* RemainingLabel;
  QProgressBar* ElapsedBar;
  QProgressBar* RemainingBar;
  std::array<QRadioButton*, 6> Options{};
  std::array<QCheckBox*, 6> Boxes{};
  QButtonGroup* OptionGroup;
  QPushButton *PreviousButton, *NextButton, *CheckButton, *FinishButton;
  QPushButton *HotLinkButton, *ReferenceButton, *MediaButton;
  QTimer* Timer1;
  bool Displaying = false;
  bool TimedOut = false;
};
