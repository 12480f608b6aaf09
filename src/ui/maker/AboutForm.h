#pragma once

#include <QDialog>
#include <QPixmap>

struct TGlobals;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the main window's banner, the version line and the license
// agreement. Created for one showing and released when it closes; what the
// instructor types into the agreement goes with it.
class TAboutForm : public QDialog {
  Q_OBJECT

public:
  // banner: the main window's banner picture, shown when the box is shown.
  TAboutForm(TGlobals& globals, const QPixmap& banner, QWidget* parent = nullptr);

  // The license agreement shown in Memo1.
  static const QString& LicenseText();

protected:
  void showEvent(QShowEvent* event) override;  // FormShow

private:
  QPixmap Banner;
  QLabel* Image1;
  QLabel* Label3;
  QPlainTextEdit* Memo1;
};
