#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

#include "PaperFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/WindowAudit.h"
#include "ui/print/GradeForm.h"
#include "ui/print/PrintForm.h"

// Each Alt letter of Print Test and Grade Answers does one thing, and each
// control a screen reader reaches has a name.
TEST_F(PaperFixture, PrintAndGradeWindowsHaveDistinctMnemonicsAndNamedControls) {
  TScriptedDialogs dialogs;
  TPrintForm print({WriteTest(2), QString::fromStdString(TestPath), dialogs});
  TGradeForm grade({WriteTest(2), QString::fromStdString(TestPath), dialogs});
  for (QDialog* window : std::initializer_list<QDialog*>{&print, &grade}) {
    window->show();
    EXPECT_EQ(MnemonicClashes(*window), QStringList()) << window->metaObject()->className();
    EXPECT_EQ(UnnamedControls(*window), QStringList()) << window->metaObject()->className();
  }
}
