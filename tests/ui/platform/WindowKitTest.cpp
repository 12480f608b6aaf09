#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include "ui/platform/WindowKit.h"

namespace {

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
