#include <QShortcut>
#include <QWidget>

#include "ui/platform/HelpViewer.h"

void InstallHelpKey(QWidget* window, THelpViewer& help, int context) {
  auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
  shortcut->setObjectName(QStringLiteral("HelpKey"));
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, window, [&help, context] { help.ShowContext(context); });
}
