#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;
class TDialogs;

// A dialog that edits settings and writes them with OK / Cancel / Apply. The
// enabled state of ApplyButton is its only record of unapplied changes. No
// button is the default: Enter in a field must not save and close the window.
// Esc and the close box are Cancel. Save reports its own failures and answers false, and every
// button keeps the dialog open then, so the changes it holds are not lost.
class TApplyDialog : public QDialog {
  Q_OBJECT

public:
  // Save; Apply is disabled once the file is written.
  void ApplyButtonClick();
  // Save, even when nothing changed, then close.
  void Button1Click();
  // Asks "Save changes?" when Apply is enabled and saves on Yes, then closes.
  void Button3Click();
  // Run after every change of an input control.
  void EnableApply();

protected:
  TApplyDialog(TDialogs& dialogs, QWidget* parent);

  // The row of OK, Cancel and Apply at the right, in that order, each
  // buttonWidth wide; Apply starts disabled. The caller adds it to its layout.
  QHBoxLayout* CreateButtonRow(int buttonWidth);

  // Writes the controls; false when the user declined or writing failed (the
  // failure already shown). Disables Apply when it has written.
  virtual bool Save() = 0;

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

  QPushButton* Button1 = nullptr;      // OK
  QPushButton* Button3 = nullptr;      // Cancel
  QPushButton* ApplyButton = nullptr;  // Apply

private:
  TDialogs& Dialogs;
  bool Finishing = false;  // inside done(): the close that follows asks nothing
};
