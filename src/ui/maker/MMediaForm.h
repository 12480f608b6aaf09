#pragma once

#include <QDialog>

#include "ui/platform/Globals.h"

class QCheckBox;
class QLineEdit;

// The media file parameters dialog, for a question's media file and, with the
// same captions, for its hot link. The caller puts the value in, runs the
// dialog and takes the value back when it ends with Accepted (Apply).
class TMMediaForm : public QDialog {
  Q_OBJECT

public:
  TMMediaForm(TGlobals& globals, QWidget* parent = nullptr);

  QString Text() const;
  void SetText(const QString& text);
  // Whether the engine opens the media in its internal viewer. The box stays
  // hidden: the value goes back as it was put in.
  bool InternalViewer() const;
  void SetInternalViewer(bool internal);

  // Warns, without refusing it, about a value the engine would try to launch.
  void Edit1Exit();
  void Button4Click();  // Browse
  void Button3Click();  // Help
  void Button1Click();  // Apply

private:
  TGlobals& Globals;
  QLineEdit* Edit1;
  QCheckBox* CheckBox1;
};
