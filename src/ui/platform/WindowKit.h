#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "ui/platform/Artwork.h"

class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;
class QWidget;

// What the windows build the same way: named controls, picture buttons, the
// place on the screen, the moment a field is left, and the lines a memo shows.

// Names a widget after its control, so the help and the tests find it by that name.
template <class T>
T* Named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}
template <class T>
T* Named(T* widget, const char* name) {
  return Named(widget, QString::fromLatin1(name));
}

// A button showing one of the editor's pictures, size pixels square, with hint as its tool tip.
QToolButton* PictureButton(QWidget* parent, const char* name, TEditorPicture picture, int size,
                           const QString& hint);

// A push button named after its control that Enter does not press: Enter
// stays with the window's fields and keys.
QPushButton* PushButton(const char* name, const QString& caption);

// Moves window to the middle of its screen's available area, keeping its size.
void CentreOnScreen(QWidget* window);

// Calls left when the focus leaves field for another control of its window,
// and entered (when given) when it comes back. Focus going to or coming from
// another window (a message box, a menu, a file dialog) is no move between the
// controls and calls neither: reacting to it would let a message about the
// field start another one.
void OnFieldLeft(QWidget* field, std::function<void()> left, std::function<void()> entered = {});

// The lines of a memo as it shows them: every line that the box wraps at its
// width counts as a line of its own, and an empty last line is not taken.
QStringList ShownLines(const QTextEdit* box);
QStringList ShownLines(const QPlainTextEdit* box);
