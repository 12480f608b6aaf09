#include "ui/maker/JumpForm.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "core/model/QuestionSet.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/WindowKit.h"

namespace {

constexpr int ClientWidth = 363;
constexpr int ClientHeight = 68;
constexpr int PictureSize = 16;

}  // namespace

TjumpForm::TjumpForm(TGlobals& globals, QWidget* editor, TJumpSteps steps)
    : QDialog(editor, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Globals(globals),
      Steps(std::move(steps)) {
  setObjectName(QStringLiteral("jumpForm"));
  setWindowTitle(tr("Jump To"));

  auto* label3 = Named(new QLabel(tr("Jump To"), this), "Label3");
  QFont bold = label3->font();
  bold.setBold(true);
  label3->setFont(bold);
  SpinEdit1 = Named(new QSpinBox(this), "SpinEdit1");
  SpinEdit1->setRange(1, Globals.Questions.QuestionCount);
  SpinEdit1->setValue(1);
  SpinEdit1->setMinimumWidth(70);
  label3->setBuddy(SpinEdit1);
  QPushButton* button1 = PushButton("Button1", tr("&Jump"));
  QPushButton* button2 = PushButton("Button2", tr("&Close"));

  auto* panel1 = Named(new QFrame(this), "Panel1");
  auto* stepRow = new QHBoxLayout(panel1);
  stepRow->setContentsMargins(0, 0, 0, 0);
  stepRow->setSpacing(2);
  const auto step = [panel1, stepRow](const char* name, TEditorPicture picture, const QString& hint,
                                      const std::function<void()>& handler) {
    QToolButton* button = PictureButton(panel1, name, picture, PictureSize, hint);
    connect(button, &QToolButton::clicked, panel1, handler);
    stepRow->addWidget(button);
  };
  step("BottomButton", TEditorPicture::Bottom, tr("Bottom"), Steps.Bottom);
  step("PrevButton", TEditorPicture::Previous, tr("Previous"), Steps.Previous);
  step("NextButton", TEditorPicture::Next, tr("Next"), Steps.Next);
  step("TopButton", TEditorPicture::Top, tr("Top"), Steps.Top);
  stepRow->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(label3);
  top->addWidget(SpinEdit1);
  top->addStretch(1);
  top->addWidget(button1);
  top->addWidget(button2);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 6, 8, 6);
  column->setSpacing(4);
  column->addLayout(top);
  column->addWidget(panel1);

  connect(button1, &QPushButton::clicked, this, &TjumpForm::Button1Click);
  connect(button2, &QPushButton::clicked, this, &QDialog::reject);
  // Enter in the number box jumps; the window is part of the editor and shares its help topic.
  button1->setDefault(true);
  InstallHelpKey(this, Globals.Help, HelpContext::QA);

  setFixedSize(ClientWidth, ClientHeight);
  CentreOnScreen(this);
}

void TjumpForm::Button1Click() {
  SpinEdit1->interpretText();
  Globals.Questions.CurrentIndex = SpinEdit1->value();
  Steps.ShowCurrent();
}
