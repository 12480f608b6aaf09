#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "MakerFixture.h"
#include "core/run/ExtraTime.h"
#include "support/WindowAudit.h"
#include "ui/maker/ExtraTimeForm.h"

class ExtraTimeFormTest : public MakerFixture {};

// The list is shown as stored, or as last kept; OK refuses a line that does
// not read, naming it, and keeps a list that does without writing it (the
// settings window writes it).
TEST_F(ExtraTimeFormTest, ShowsTheListRefusesBadLinesAndKeepsGoodOnes) {
  const std::string test = Dir.File("T.QWT");
  ExtraTime::Save(test, ExtraTime::Parse("Ann=1.5\n"));
  TExtraTimeForm form(test, std::nullopt, Dialogs);
  form.show();
  EXPECT_EQ(UnnamedControls(form), QStringList());
  auto* edit = Child<QPlainTextEdit>(form, "ListEdit");
  EXPECT_EQ(edit->toPlainText(), "Ann=1.5\n");
  edit->setPlainText(QStringLiteral("Ann=1.5\nBo=half\n"));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("These lines do not read, so the list was not saved:\r"
                                       "line 2: the factor is not a number from 1 to 4"));
  form.OkButtonClick();
  EXPECT_TRUE(Dialogs.AllUsed());
  EXPECT_TRUE(form.isVisible());
  edit->setPlainText(QStringLiteral("Ann=1.5\nBo Ray=2\n"));
  form.OkButtonClick();
  EXPECT_EQ(ExtraTime::FactorFor(form.List(), "bo ray"), 2);
  EXPECT_EQ(ExtraTime::Load(test).Entries.size(), 1u);
  EXPECT_EQ(form.result(), QDialog::Accepted);

  TExtraTimeForm again(test, form.List(), Dialogs);
  EXPECT_EQ(Child<QPlainTextEdit>(again, "ListEdit")->toPlainText(), "Ann=1.5\nBo Ray=2\n");
}
