#pragma once

#include <QGuiApplication>

// The GUI application that Qt's painter needs to lay out PDF pages. No
// display is needed, so the offscreen platform serves unless one is set.
class TOffscreenGui {
public:
  TOffscreenGui() : Application((Prepare(), Argc), Argv) {}

private:
  static void Prepare() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static inline int Argc = 1;
  static inline char Name[] = "qwtool";
  static inline char* Argv[] = {Name, nullptr};
  QGuiApplication Application;
};
