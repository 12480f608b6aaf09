#include "ui/engine/Prompts.h"

#include <QInputDialog>
#include <QLineEdit>

std::optional<QString> TQtPrompts::AskText(const QString& title, const QString& label, bool secret) {
  bool ok = false;
  const QString text = QInputDialog::getText(
      Parent, title, label, secret ? QLineEdit::Password : QLineEdit::Normal, QString(), &ok);
  if (!ok) return std::nullopt;
  return text;
}
