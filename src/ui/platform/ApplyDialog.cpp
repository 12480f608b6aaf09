#include "ui/platform/ApplyDialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "ui/platform/Dialogs.h"
#include "ui/platform/WindowKit.h"

TApplyDialog::TApplyDialog(TDialogs& dialogs, QWidget* parent) : QDialog(parent), Dialogs(dialogs) {}

QHBoxLayout* TApplyDialog::CreateButtonRow(int buttonWidth) {
  // A plain row in the caller's layout, which gives it its spacing: the
  // buttons keep the size and place a plain push button has, where a
  // QDialogButtonBox would make them taller on some desktops. They get their
  // parent, and their place in the tab order, where the caller lays the row
  // out, after the fields.
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  const auto add = [row, buttonWidth](const QString& caption, const char* name) {
    QPushButton* button = Named(new QPushButton(caption), name);
    // The dialog's width, or the caption's when a translation is longer.
    button->setFixedWidth(
        std::max(buttonWidth,
                 button->fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) + 16));
    button->setDefault(false);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
  };
  Button1 = add(tr("&OK"), "Button1");
  Button3 = add(tr("&Cancel"), "Button3");
  ApplyButton = add(tr("&Apply"), "ApplyButton");
  ApplyButton->setEnabled(false);
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
  if (ApplyButton->isEnabled() && Dialogs.Confirm(tr("Save changes?")) && !Save()) return;
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

void TApplyDialog::closeEvent(QCloseEvent* event) {
  // The close box is Cancel: unapplied changes are asked about, never dropped.
  if (!Finishing && isVisible()) {
    event->ignore();
    Button3Click();
    return;
  }
  QDialog::closeEvent(event);
}

void TApplyDialog::done(int result) {
  const bool outer = std::exchange(Finishing, true);
  QDialog::done(result);
  Finishing = outer;
}
