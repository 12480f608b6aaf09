#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

// The text size of a program's windows, for students who need larger print:
// Ctrl+plus and Ctrl+minus make every text of every attached window larger
// or smaller by a step, and a window attached later opens at the same size.
// Sizes are counted from each widget's own font, so the desktop's font size
// and the windows' own larger or bold texts are kept in proportion.
class TTextZoom {
public:
  static constexpr int SmallestStep = -3;
  static constexpr int LargestStep = 6;

  // Adds the keys to window and gives its texts the current size.
  void Attach(QWidget* window);
  // Moves delta steps (kept within SmallestStep..LargestStep) and sizes
  // every attached window anew.
  void Change(int delta);
  int Step() const { return Steps; }

private:
  void Apply(QWidget* window) const;

  int Steps = 0;
  std::vector<QPointer<QWidget>> Windows;
};

// Right and wrong as a student sees them: a colour style sheet for a label
// or button that reads on the palette of widget, dark or light (a high
// contrast desktop included).
QString RightStyle(const QWidget* widget);
QString WrongStyle(const QWidget* widget);
