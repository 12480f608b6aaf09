#include <QShortcut>
#include <QWidget>

#include "ui/platform/HelpViewer.h"
#include "ui/platform/WindowKit.h"

void InstallHelpKey(QWidget* window, THelpViewer& help, int context) {
  auto* shortcut = Named(new QShortcut(QKeySequence(Qt::Key_F1), window), "HelpKey");
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, [&help, context] { help.ShowContext(context); });
}
