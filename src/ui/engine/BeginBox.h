#pragma once

#include <QDialog>

#include "core/model/TestSettings.h"

class QTextEdit;
class QSpinBox;

// Before the first question: the test's description and its begin message in
// the box the maker's settings dialog shows it in (same size, same font, so
// lines wrap where the instructor saw them wrap), and, when the test allows
// it, how many questions the student takes; the time limit and the pass mark.
class TBeginBox : public QDialog {
  Q_OBJECT
public:
  // maxAsked: how many questions the run may ask at most; limitSeconds: the
  // time limit, 0 for none.
  TBeginBox(const TestSettings& settings, int maxAsked, int limitSeconds, QWidget* parent = nullptr);
  // The student's choice: 0 for all the run allows.
  int ChosenCount() const;

private:
  QTextEdit* Memo1;
  QSpinBox* CountBox = nullptr;
};
