#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QWindow>

#include "ui/maker/NoteForm.h"

TEST(NoteForm, ItsTextIsOnTheScreenBeforeTheWorkStarts) {
  QWidget owner;
  owner.show();
  const TNoteForm note(QStringLiteral("Loading questions.  Please wait..."), &owner);
  // The work would start here; the event loop does not run again until it ends.
  ASSERT_TRUE(note.windowHandle()->isExposed());
  const auto* label = note.findChild<QLabel*>(QStringLiteral("Label1"));
  const QImage shown = note.screen()->grabWindow(note.winId()).toImage().copy(label->geometry());
  QSet<QRgb> colours;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) colours.insert(shown.pixel(x, y));
  EXPECT_GT(colours.size(), 1);  // letters, not only the background
}
