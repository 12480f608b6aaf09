#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QWindow>

#include "ui/maker/NoteForm.h"

namespace {

// The colours of the notice's text area as the screen shows it.
QSet<QRgb> ShownColours(const TNoteForm& note) {
  const QLabel* label = note.findChild<QLabel*>(QStringLiteral("Label1"));
  const QImage shown = note.screen()->grabWindow(note.winId()).toImage();
  QSet<QRgb> colours;
  const QRect area = QRect(label->mapTo(&note, QPoint(0, 0)), label->size()) & shown.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) colours.insert(shown.pixel(x, y));
  return colours;
}

TEST(NoteForm, ItsTextIsOnTheScreenBeforeTheWorkStarts) {
  QWidget owner;
  owner.show();
  const TNoteForm note(QStringLiteral("Loading questions.  Please wait..."), &owner);
  // The work would start here; the event loop does not run again until it ends.
  ASSERT_TRUE(note.isVisible());
  ASSERT_TRUE(note.windowHandle()->isExposed());
  EXPECT_GT(ShownColours(note).size(), 1);  // letters, not only the background
}

}  // namespace
