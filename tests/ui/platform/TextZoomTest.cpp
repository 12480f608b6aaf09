#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>
#include <QVBoxLayout>

#include "support/UiKit.h"
#include "ui/platform/TextZoom.h"

namespace {

// A window with a plain label and a label 1.25 times larger, as the engine's
// question text is.
struct TWindow {
  QWidget Window;
  QLabel* Plain = new QLabel(QStringLiteral("plain"));
  QLabel* Large = new QLabel(QStringLiteral("large"));
  double PlainSize = 0, LargeSize = 0;
  TWindow() {
    auto* layout = new QVBoxLayout(&Window);
    layout->addWidget(Plain);
    layout->addWidget(Large);
    QFont font = Large->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    Large->setFont(font);
    PlainSize = Plain->font().pointSizeF();
    LargeSize = Large->font().pointSizeF();
  }
  void Press(Qt::Key key) {
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(WaitUntil([this] { return Window.isActiveWindow(); }));
    QTest::keyClick(&Window, key, Qt::ControlModifier);
  }
};

TEST(TextZoom, CtrlPlusAndMinusSizeEveryWindowInProportionWithinTheirBounds) {
  TTextZoom zoom;
  TWindow first;
  zoom.Attach(&first.Window);
  first.Press(Qt::Key_Plus);
  first.Press(Qt::Key_Equal);
  EXPECT_EQ(zoom.Step(), 2);
  EXPECT_NEAR(first.Plain->font().pointSizeF(), first.PlainSize * 1.15 * 1.15, 0.01);
  EXPECT_NEAR(first.Large->font().pointSizeF(), first.LargeSize * 1.15 * 1.15, 0.01);

  // A window opened later starts at the size chosen, and follows later steps.
  TWindow second;
  zoom.Attach(&second.Window);
  EXPECT_NEAR(second.Large->font().pointSizeF(), second.LargeSize * 1.15 * 1.15, 0.01);
  first.Press(Qt::Key_Minus);
  EXPECT_NEAR(second.Plain->font().pointSizeF(), second.PlainSize * 1.15, 0.01);

  zoom.Change(-100);
  EXPECT_EQ(zoom.Step(), TTextZoom::SmallestStep);
  zoom.Change(100);
  EXPECT_EQ(zoom.Step(), TTextZoom::LargestStep);
}

TEST(TextZoom, RightAndWrongReadOnADarkPalette) {
  QLabel label;
  EXPECT_EQ(RightStyle(&label), QStringLiteral("color: #006400"));
  QPalette dark = label.palette();
  dark.setColor(QPalette::Window, Qt::black);
  label.setPalette(dark);
  EXPECT_EQ(RightStyle(&label), QStringLiteral("color: #7ee07e"));
  EXPECT_EQ(WrongStyle(&label), QStringLiteral("color: #ff8a80"));
}

}  // namespace
