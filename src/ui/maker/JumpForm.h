#pragma once

#include <QDialog>

#include "ui/platform/Globals.h"

class QSpinBox;
class TQAForm;

// The jump dialog: moves the editor behind it to a question by number, or a
// step at a time with the editor's own navigation commands, while it is open.
// The number box is set to 1 .. QuestionCount, value 1, and does not follow
// the steps.
class TjumpForm : public QDialog {
  Q_OBJECT

public:
  TjumpForm(TGlobals& globals, TQAForm* editor);

  void Button1Click();  // Jump

private:
  TGlobals& Globals;
  TQAForm* Editor;
  QSpinBox* SpinEdit1;
};
