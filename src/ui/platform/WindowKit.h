#pragma once

#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/platform/Artwork.h"

class QObject;
class QPlainTextEdit;
class QPushButton;
class QTableView;
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

// Fixes window at its designed size, or larger where its layout needs more
// to show every control whole; called once its controls are laid out.
void FixSizeAtLeast(QWidget* window, const QSize& designed);

// Moves window to the middle of its screen's available area, keeping its size.
void CentreOnScreen(QWidget* window);

// The placement rule of every window: rect, a window's own area, with frame
// (its title bar and borders) around it, shrunk no further than minimum and
// moved the least, so that the frame lies wholly inside available. Where even
// minimum does not fit, the frame's top left corner (the title bar) is kept
// on the area.
QRect FitToArea(QRect rect, const QMargins& frame, const QSize& minimum, const QRect& available);

// Fits window to the available area of the screen it opens on (its parent's,
// when it has one), at least at the size its layout asks for, so that its
// content shows, by FitToArea. A window never placed is first centred over its
// parent, or on the screen.
void FitOnScreen(QWidget* window);

// Makes every top-level window of the program go through FitOnScreen as it
// is first shown; called once by each program's entry. Returns the watcher,
// owned by the application (deleting it ends the rule).
QObject* FitEveryWindowOnScreen();

// Makes table at least tall enough to show rows rows below its header, at
// any size of its window.
void ShowAtLeastRows(QTableView* table, int rows);

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
