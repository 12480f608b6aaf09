#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QScrollBar>

#include "support/UiKit.h"
#include "ui/maker/LossReportForm.h"

// The report's most important line may be its longest: it is read without
// scrolling sideways.
TEST(LossReportForm, ALongLineIsReadWithoutScrollingSideways) {
  TLossReportForm report(
      QStringLiteral("3 questions were imported from A.gift into B.QWT."),
      {QStringLiteral("question 1: ") + QStringLiteral("part marks dropped ").repeated(20)});
  report.show();
  const QScrollBar* sideways = Child<QPlainTextEdit>(report, "Lines")->horizontalScrollBar();
  EXPECT_TRUE(WaitUntil([&] { return report.isVisible(); }));
  EXPECT_EQ(sideways->maximum(), 0);
}
