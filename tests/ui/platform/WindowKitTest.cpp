#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>
#include <memory>

#include "ui/platform/WindowKit.h"

namespace {

// Offscreen, on its one screen: each window opens wholly on the screen's
// area, at least at the size its layout asks for.
TEST(WindowKitTest, EveryWindowOpensOnItsScreenAtASizeThatShowsItsContent) {
  const std::unique_ptr<QObject> rule(FitEveryWindowOnScreen());
  const QRect area = QApplication::primaryScreen()->availableGeometry();
  QWidget big;
  big.setGeometry(area.right() - 100, area.bottom() - 100, area.width() + 300, area.height() + 200);
  big.show();
  EXPECT_TRUE(area.contains(big.frameGeometry()))
      << big.frameGeometry().x() << "," << big.frameGeometry().y() << " " << big.width() << "x"
      << big.height() << " in " << area.width() << "x" << area.height();

  QDialog cut(&big);
  auto* column = new QVBoxLayout(&cut);
  column->addWidget(new QLabel(QStringLiteral("A line long enough to be cut at the size it was given")));
  cut.resize(40, 10);
  cut.show();
  EXPECT_GE(cut.width(), cut.sizeHint().width());
  EXPECT_GE(cut.height(), cut.sizeHint().height());
  EXPECT_TRUE(area.contains(cut.frameGeometry()));

  QWidget beside(&big, Qt::Window);
  beside.resize(area.width() * 2, 50);
  beside.show();
  EXPECT_TRUE(area.contains(beside.frameGeometry()));
}

// A line broken by hand (Shift+Enter) ends in a separator the code page cannot
// hold; stored with the line it would turn into '?'.
TEST(WindowKitTest, ShownLinesOfBothMemoKindsKeepNoHandBreakSeparator) {
  QPlainTextEdit plain;
  QTextEdit rich;
  for (QWidget* box : {static_cast<QWidget*>(&plain), static_cast<QWidget*>(&rich)}) {
    box->resize(300, 200);
    box->show();
    QTest::keyClicks(box, QStringLiteral("first"));
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, QStringLiteral("second"));
    QTest::keyClick(box, Qt::Key_Return);
  }
  const QStringList expected{QStringLiteral("first"), QStringLiteral("second")};
  EXPECT_EQ(ShownLines(&plain), expected);
  EXPECT_EQ(ShownLines(&rich), expected);
}

TEST(WindowKitTest, FieldLeftIgnoresFocusGoingToAnotherWindow) {
  QWidget window;
  auto* field = new QLineEdit(&window);
  int left = 0;
  int entered = 0;
  OnFieldLeft(
      field, [&] { ++left; }, [&] { ++entered; });
  const auto send = [field](QEvent::Type type, Qt::FocusReason reason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(field, &event);
  };
  send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  send(QEvent::FocusOut, Qt::PopupFocusReason);
  EXPECT_EQ(left + entered, 0);
  send(QEvent::FocusOut, Qt::TabFocusReason);
  send(QEvent::FocusIn, Qt::MouseFocusReason);
  EXPECT_EQ(left, 1);
  EXPECT_EQ(entered, 1);
}

}  // namespace
