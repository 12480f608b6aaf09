#pragma once

#include <QDialog>

#include "core/run/TestSession.h"

class QLabel;
class QPushButton;

// After the last question: the end message, the score, passed or failed, and
// the way into the review when the test offers one and there is something to
// review.
class TEndForm : public QDialog {
  Q_OBJECT
public:
  TEndForm(const TTestSession& session, const TRunResult& result, QWidget* parent = nullptr);
  bool ReviewChosen() const { return Review; }
  // The score as one line: "Score: 7 of 10 right (70%)".
  static QString ScoreText(const TRunResult& result);

private:
  bool Review = false;
};
