#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "MakerFixture.h"
#include "core/run/ExtraTime.h"
#include "support/WindowAudit.h"
#include "ui/maker/ExtraTimeForm.h"

class ExtraTimeFormTest : public MakerFixture {};

// The list is shown as stored; OK refuses a line that does not read, naming
// it, and writes a list that does.
TEST_F(ExtraTimeFormTest, ShowsTheListRefusesBadLinesAndSavesGoodOnes) {
  const std::string test = Dir.File("T.QWT");
  ExtraTime::Save(test, ExtraTime::Parse("Ann=1.5\n"));
  TExtraTimeForm form(test, Dialogs);
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
  EXPECT_EQ(ExtraTime::Load(test).Entries.size(), 1u);
  edit->setPlainText(QStringLiteral("Ann=1.5\nBo Ray=2\n"));
  form.OkButtonClick();
  EXPECT_EQ(ExtraTime::FactorFor(ExtraTime::Load(test), "bo ray"), 2);
  EXPECT_EQ(form.result(), QDialog::Accepted);
}
