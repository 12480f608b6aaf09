#include "ui/maker/NoteForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>

TNoteForm::TNoteForm(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      WasActive(QApplication::activeWindow()) {
  setObjectName(QStringLiteral("NoteForm"));
  setWindowTitle(QStringLiteral("Notice"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  Label1 = new QLabel(text, this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAlignment(Qt::AlignCenter);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(Label1);
  setFixedSize(sizeHint().expandedTo(QSize(260, 70)));

  show();
  // Map and paint it now; user input waits until the work is done.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  repaint();
}

TNoteForm::~TNoteForm() {
  hide();
  if (WasActive && WasActive->isVisible()) WasActive->activateWindow();
}
