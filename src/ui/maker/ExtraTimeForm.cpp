#include "ui/maker/ExtraTimeForm.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/run/ExtraTime.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

// Why a line of the list was left out, in the interface's language.
QString ProblemText(const ExtraTime::TProblem& problem) {
  switch (problem.Kind) {
    case ExtraTime::TProblemKind::NoEquals:
      //: %1 is a line's number in the list.
      return TExtraTimeForm::tr("line %1: no '=' between the name and the factor").arg(problem.Line);
    case ExtraTime::TProblemKind::NoName:
      return TExtraTimeForm::tr("line %1: no name").arg(problem.Line);
    case ExtraTime::TProblemKind::BadFactor:
      break;
  }
  //: %1 is a line's number in the list; %2 the largest factor.
  return TExtraTimeForm::tr("line %1: the factor is not a number from 1 to %2")
      .arg(problem.Line)
      .arg(ExtraTime::MaxFactor);
}

}  // namespace

TExtraTimeForm::TExtraTimeForm(std::string testPath, std::optional<ExtraTime::TList> shown, TDialogs& dialogs,
                               QWidget* parent)
    : QDialog(parent), TestPath(std::move(testPath)), Dialogs(dialogs) {
  setObjectName(QStringLiteral("ExtraTimeForm"));
  setWindowTitle(tr("Extra Time per Student"));
  auto* column = new QVBoxLayout(this);
  auto* label1 = Named(
      new QLabel(tr("&Students given extra time, one a line as NAME=FACTOR, for example \"Ann Lee=1.25\" "
                    "for a quarter more time (factors from 1 to 4). The name is matched as the student "
                    "types it, letter case aside. The list is kept beside the test, in %1.")
                     .arg(QFileInfo(FromPath(ExtraTime::PathFor(TestPath))).fileName()),
                 this),
      "Label1");
  label1->setWordWrap(true);
  column->addWidget(label1);
  ListEdit = Named(new QPlainTextEdit(this), "ListEdit");
  ListEdit->setAccessibleName(tr("Students given extra time"));
  ListEdit->setAccessibleDescription(tr("One student a line: the name, an equals sign and the factor"));
  label1->setBuddy(ListEdit);
  column->addWidget(ListEdit, 1);
  auto* buttons =
      Named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "ButtonBox");
  connect(buttons, &QDialogButtonBox::accepted, this, &TExtraTimeForm::OkButtonClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
  resize(460, 320);
  if (!RunGuarded(Dialogs, [this, &shown] {
        ListEdit->setPlainText(ToQString(ExtraTime::Format(shown ? *shown : ExtraTime::Load(TestPath))));
      }))
    ListEdit->setEnabled(false);
}

void TExtraTimeForm::OkButtonClick() {
  // A list that could not be read is never written over.
  if (!ListEdit->isEnabled()) {
    reject();
    return;
  }
  ExtraTime::TList list = ExtraTime::Parse(ToCoreText(ListEdit->toPlainText()));
  if (!list.Problems.empty()) {
    QStringList problems;
    for (const ExtraTime::TProblem& problem : list.Problems) problems << ProblemText(problem);
    Dialogs.Error(
        tr("These lines do not read, so the list was not saved:\r%1").arg(problems.join(QLatin1Char('\r'))));
    return;
  }
  Kept = std::move(list);
  accept();
}
