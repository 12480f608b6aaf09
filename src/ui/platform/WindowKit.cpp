#include "ui/platform/WindowKit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QIcon>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolButton>
#include <utility>

namespace {

// Watches one field's focus for OnFieldLeft; it lives as long as the field.
class TFieldFocus : public QObject {
public:
  TFieldFocus(QWidget* field, std::function<void()> left, std::function<void()> entered)
      : QObject(field), Left(std::move(left)), Entered(std::move(entered)) {
    field->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        if (type == QEvent::FocusOut && Left) Left();
        if (type == QEvent::FocusIn && Entered) Entered();
      }
    }
    return QObject::eventFilter(watched, event);
  }

private:
  std::function<void()> Left;
  std::function<void()> Entered;
};

QStringList DocumentLines(QTextDocument* document) {
  auto* plainLayout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
  if (!plainLayout) document->documentLayout()->documentSize();  // lays out every paragraph
  QStringList lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (plainLayout) plainLayout->ensureBlockLayout(block);
    const QString text = block.text();
    const QTextLayout* layout = block.layout();
    if (!layout || layout->lineCount() == 0) {
      lines << text;  // not laid out: the paragraph whole
      continue;
    }
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      // A line broken by hand ends in its separator, which is no character of the line.
      lines << text.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator);
    }
  }
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

QToolButton* PictureButton(QWidget* parent, const char* name, TEditorPicture picture, int size,
                           const QString& hint) {
  auto* button = Named(new QToolButton(parent), name);
  button->setIcon(QIcon(EditorPicture(picture, size)));
  button->setIconSize(QSize(size, size));
  button->setToolTip(hint);
  // The picture says nothing to a screen reader: the hint names the button.
  button->setAccessibleName(hint);
  return button;
}

QPushButton* PushButton(const char* name, const QString& caption) {
  auto* button = Named(new QPushButton(caption), name);
  button->setAutoDefault(false);
  return button;
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  // The window's own area is centred, not its frame. Placing it must not count
  // as sizing it, or a window laid out later would not take its layout's size.
  const bool sized = window->testAttribute(Qt::WA_Resized);
  window->setGeometry(
      QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
  if (!sized) window->setAttribute(Qt::WA_Resized, false);
}

void OnFieldLeft(QWidget* field, std::function<void()> left, std::function<void()> entered) {
  new TFieldFocus(field, std::move(left), std::move(entered));
}

QStringList ShownLines(const QTextEdit* box) {
  return DocumentLines(box->document());
}

QStringList ShownLines(const QPlainTextEdit* box) {
  return DocumentLines(box->document());
}
