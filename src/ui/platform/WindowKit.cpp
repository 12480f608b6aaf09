#include "ui/platform/WindowKit.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLayout>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolButton>
#include <algorithm>
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

// Fits each top-level window as it is first shown.
class TScreenFit : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* window = static_cast<QWidget*>(watched);
      const Qt::WindowType type = window->windowType();
      if (window->isWindow() && (type == Qt::Window || type == Qt::Dialog) &&
          !window->property(Fitted).toBool()) {
        window->setProperty(Fitted, true);
        FitOnScreen(window);
      }
    }
    return QObject::eventFilter(watched, event);
  }

private:
  static constexpr const char* Fitted = "quizwellFitted";
};

QMargins FrameOf(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
          frame.bottom() - inner.bottom()};
}

// The frame the window manager gives a window: its own where the platform
// knows it already, otherwise that of a window on the screen, as a window
// manager frames a window only once it is shown.
QMargins FrameAround(const QWidget* window) {
  if (const QMargins own = FrameOf(window); !own.isNull()) return own;
  for (const QWidget* shown : QApplication::topLevelWidgets())
    if (shown != window && shown->isVisible() && !FrameOf(shown).isNull()) return FrameOf(shown);
  return {};
}

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

void FixSizeAtLeast(QWidget* window, const QSize& designed) {
  window->ensurePolished();
  const QSize needed = window->layout() ? window->layout()->minimumSize() : QSize();
  window->setFixedSize(designed.expandedTo(needed));
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

QRect FitToArea(QRect rect, const QMargins& frame, const QSize& minimum, const QRect& available) {
  const QRect room = available.marginsRemoved(frame);
  rect.setWidth(std::max(std::min(rect.width(), room.width()), minimum.width()));
  rect.setHeight(std::max(std::min(rect.height(), room.height()), minimum.height()));
  // Right and bottom edges first, then left and top, which win when too big.
  if (rect.right() > room.right()) rect.moveRight(room.right());
  if (rect.bottom() > room.bottom()) rect.moveBottom(room.bottom());
  if (rect.left() < room.left()) rect.moveLeft(room.left());
  if (rect.top() < room.top()) rect.moveTop(room.top());
  return rect;
}

void FitOnScreen(QWidget* window) {
  const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  const QScreen* screen = parent ? parent->screen() : window->screen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  QRect rect(window->pos(), window->size().expandedTo(window->sizeHint()).boundedTo(window->maximumSize()));
  if (!window->testAttribute(Qt::WA_Moved))
    rect.moveCenter(parent && parent->isVisible() ? parent->geometry().center() : available.center());
  const QSize minimum =
      window->minimumSize().expandedTo(window->minimumSizeHint()).boundedTo(window->maximumSize());
  window->setGeometry(FitToArea(rect, FrameAround(window), minimum, available));
}

QObject* FitEveryWindowOnScreen() {
  QCoreApplication* application = QCoreApplication::instance();
  auto* watcher = new TScreenFit(application);
  application->installEventFilter(watcher);
  return watcher;
}

void ShowAtLeastRows(QTableView* table, int rows) {
  const int header =
      table->horizontalHeader()->isHidden() ? 0 : table->horizontalHeader()->sizeHint().height();
  const int scrollBar = table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
  table->setMinimumHeight(header + rows * table->verticalHeader()->defaultSectionSize() + scrollBar +
                          2 * table->frameWidth());
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
