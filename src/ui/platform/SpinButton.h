#pragma once

#include <QWidget>

class QToolButton;

// The up and down arrows beside a field. Held down, an arrow repeats
// its step after 400 ms and then every 100 ms. The arrows take no focus, so
// stepping never counts as leaving the time field.
class TSpinButton : public QWidget {
  Q_OBJECT
public:
  explicit TSpinButton(QWidget* parent = nullptr);

  QToolButton* UpButton;
  QToolButton* DownButton;

signals:
  void UpClick();
  void DownClick();
};
