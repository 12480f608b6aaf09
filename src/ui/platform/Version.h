#pragma once

#include <QCoreApplication>
#include <QString>

// The version line at the foot of the main window and in the about box, in
// the interface's language wherever it is shown as a QString.
struct TVersionText {
  const char* Source;
  operator QString() const { return QCoreApplication::translate("Version", Source); }
};

//: Keep the program's name and version number as they are.
inline constexpr TVersionText VersionText{
    QT_TRANSLATE_NOOP("Version",
                      "Quizwell Maker v1.03.  Made by instructors for instructors; free to use for the tests "
                      "of your students.")};
