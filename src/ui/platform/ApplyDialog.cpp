#include "ui/platform/ApplyDialog.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>

#include "ui/platform/Dialogs.h"
#include "ui/platform/WindowKit.h"

TApplyDialog::TApplyDialog(TDialogs& dialogs, QWidget* parent) : QDialog(parent), Dialogs(dialogs) {}

QDialogButtonBox* TApplyDialog::CreateButtonRow(int buttonWidth, int spacing) {
  // Made without a parent: it joins the dialog, and the tab order, where the
  // caller lays it out.
  auto* row = Named(new QDialogButtonBox(Qt::Horizontal), "ButtonRow");
  // One role for all three keeps them in the order added, after the stretch,
  // and leaves the box no accept button to make the default.
  const auto add = [row, buttonWidth](const QString& caption, const char* name) {
    QPushButton* button = Named(row->addButton(caption, QDialogButtonBox::ActionRole), name);
    button->setMinimumWidth(buttonWidth);
    button->setDefault(false);
    button->setAutoDefault(false);
    return button;
  };
  Button1 = add(QStringLiteral("&OK"), "Button1");
  Button3 = add(QStringLiteral("&Cancel"), "Button3");
  ApplyButton = add(QStringLiteral("&Apply"), "ApplyButton");
  ApplyButton->setEnabled(false);
  row->layout()->setSpacing(spacing);
  connect(ApplyButton, &QPushButton::clicked, this, &TApplyDialog::ApplyButtonClick);
  connect(Button1, &QPushButton::clicked, this, &TApplyDialog::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TApplyDialog::Button3Click);
  return row;
}

void TApplyDialog::ApplyButtonClick() {
  Save();
}

void TApplyDialog::Button1Click() {
  if (Save()) accept();
}

void TApplyDialog::Button3Click() {
  // A save that was declined or failed keeps the dialog open, so the changes
  // it holds are not lost with it.
  if (ApplyButton->isEnabled() && Dialogs.Confirm(QStringLiteral("Save changes?")) && !Save()) return;
  reject();
}

void TApplyDialog::EnableApply() {
  ApplyButton->setEnabled(true);
}

void TApplyDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Button3Click();
    return;
  }
  QDialog::keyPressEvent(event);
}
