#include "ui/platform/TextDirection.h"

#include <QStringView>
#include <QWidget>

void FollowTextDirection(QWidget* widget, const QString& text) {
  for (const char32_t c : QStringView(text).toUcs4()) {
    switch (QChar::direction(c)) {
      case QChar::DirL:
        widget->setLayoutDirection(Qt::LeftToRight);
        return;
      case QChar::DirR:
      case QChar::DirAL:
        widget->setLayoutDirection(Qt::RightToLeft);
        return;
      default:
        break;
    }
  }
  widget->unsetLayoutDirection();
}
