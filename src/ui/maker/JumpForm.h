#pragma once

#include <QDialog>
#include <functional>

#include "ui/platform/Globals.h"

class QSpinBox;

// What the jump dialog does to the editor behind it: the four navigation
// commands, and showing the question a jump made current.
struct TJumpSteps {
  std::function<void()> Bottom;
  std::function<void()> Previous;
  std::function<void()> Next;
  std::function<void()> Top;
  std::function<void()> ShowCurrent;
};

// The jump dialog: moves the editor behind it to a question by number, or a
// step at a time with the editor's own navigation commands, while it is open.
// The number box is set to 1 .. QuestionCount, value 1, and does not follow
// the steps.
class TjumpForm : public QDialog {
  Q_OBJECT

public:
  // editor: the window behind the dialog, its parent.
  TjumpForm(TGlobals& globals, QWidget* editor, TJumpSteps steps);

  void Button1Click();  // Jump

private:
  TGlobals& Globals;
  TJumpSteps Steps;
  QSpinBox* SpinEdit1;
};
