#include "ui/maker/LossReportForm.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/platform/WindowKit.h"

TLossReportForm::TLossReportForm(const QString& summary, const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("LossReportForm"));
  setWindowTitle(tr("What was not carried over"));
  resize(560, 360);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(summary, this);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  layout->addWidget(label);
  Lines = Named(new QPlainTextEdit(this), "Lines");
  Lines->setReadOnly(true);
  Lines->setAccessibleName(windowTitle());
  // Long lines wrap, so that no point of the report needs scrolling sideways.
  Lines->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Lines->setPlainText(lines.join(QLatin1Char('\n')));
  layout->addWidget(Lines);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* copy = Named(buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole), "CopyButton");
  layout->addWidget(buttons);
  connect(copy, &QPushButton::clicked, this, &TLossReportForm::CopyClick);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

void TLossReportForm::CopyClick() {
  QApplication::clipboard()->setText(Lines->toPlainText());
}
