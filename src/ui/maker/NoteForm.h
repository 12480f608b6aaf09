#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

// The notice window shown while a long load or save runs: caption "Notice",
// the text in Label1, no buttons. Constructing it shows and paints it at once,
// since the event loop does not run until the work has ended; destroying it
// takes it away and gives the keyboard back to the window that had it. Keep
// it in the scope of the work, so that it also goes away when the work ends
// in an error.
class TNoteForm : public QDialog {
  Q_OBJECT

public:
  TNoteForm(const QString& text, QWidget* parent = nullptr);
  ~TNoteForm() override;

private:
  QLabel* Label1;
  QPointer<QWidget> WasActive;
};
