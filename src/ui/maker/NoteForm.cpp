#include "ui/maker/NoteForm.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QThread>
#include <QWindow>

#include "ui/platform/WindowKit.h"

namespace {

// How long the work waits at most for the window system to show the notice.
constexpr int MapWaitMs = 500;

}  // namespace

TNoteForm::TNoteForm(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      WasActive(QApplication::activeWindow()) {
  setObjectName(QStringLiteral("NoteForm"));
  setWindowTitle(tr("Notice"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  Label1 = Named(new QLabel(text, this), "Label1");
  Label1->setTextFormat(Qt::PlainText);
  Label1->setAlignment(Qt::AlignCenter);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(24, 18, 24, 18);
  layout->addWidget(Label1);
  setFixedSize(sizeHint().expandedTo(QSize(260, 70)));

  show();
  // The window system maps the window and asks for its first paint in its own
  // time, and a paint before that is lost: wait for it (briefly), then paint,
  // so the text is on the screen before the work starts. User input waits
  // until the work is done.
  const QDeadlineTimer deadline(MapWaitMs);
  for (;;) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QWindow* window = windowHandle();
    if (!window || window->isExposed() || deadline.hasExpired()) break;
    QThread::msleep(5);
  }
  repaint();
}

TNoteForm::~TNoteForm() {
  hide();
  if (WasActive && WasActive->isVisible()) WasActive->activateWindow();
}
