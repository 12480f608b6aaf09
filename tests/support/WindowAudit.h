#pragma once

// What every window owes the keyboard and the screen reader, checked over a
// real window: no Alt letter taken twice, and a name for every control that
// takes input or acts.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <map>
#include <ostream>

// Lists in failure output as text.
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '"' << list.join(QStringLiteral("\", \"")).toStdString() << '"';
}

// The captions of a list that take the same Alt letter as an earlier one.
inline QStringList SameLetters(const QStringList& captions) {
  QStringList clashes;
  std::map<QChar, int> uses;
  for (QString text : captions)
    if (const qsizetype at = text.remove("&&").indexOf('&');
        at >= 0 && at + 1 < text.size() && ++uses[text[at + 1].toUpper()] >= 2)
      clashes << text;
  return clashes;
}

// The captions that take a mnemonic already taken in window as it stands:
// among its shown buttons, labels, group boxes, tabs and menu titles, and
// within each menu.
inline QStringList ShownMnemonicClashes(QWidget& window) {
  QStringList texts, clashes;
  // Only what this window shows: a dialog parented to it is a window of its
  // own, and a hidden bar's keys do nothing.
  const auto shown = [&window](const QWidget* widget) {
    return widget->window() == &window && widget->isVisibleTo(&window);
  };
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
    if (shown(button)) texts << button->text();
  for (QLabel* label : window.findChildren<QLabel*>())
    if (shown(label) && label->buddy() != nullptr) texts << label->text();
  for (QGroupBox* box : window.findChildren<QGroupBox*>())
    if (shown(box)) texts << box->title();
  for (QTabBar* tabs : window.findChildren<QTabBar*>())
    for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  for (QMenuBar* bar : window.findChildren<QMenuBar*>())
    for (QAction* title : bar->actions()) {
      texts << title->text();
      if (QMenu* menu = title->menu()) {
        QStringList items;
        for (QAction* item : menu->actions()) items << item->text();
        clashes << SameLetters(items);
      }
    }
  return SameLetters(texts) + clashes;
}

// The same over every page of each of window's tab widgets in turn, as a
// page's Alt letters meet those of everything around it; each tab widget is
// left on the page it was on.
inline QStringList MnemonicClashes(QWidget& window) {
  QStringList clashes = ShownMnemonicClashes(window);
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    if (tabs->window() != &window) continue;
    const int current = tabs->currentIndex();
    for (int page = 0; page < tabs->count(); ++page) {
      tabs->setCurrentIndex(page);
      for (const QString& clash : ShownMnemonicClashes(window))
        if (!clashes.contains(clash)) clashes << clash;
    }
    tabs->setCurrentIndex(current);
  }
  return clashes;
}

// The object names (class names for unnamed objects) of window's shown
// controls that take input or act and have no accessible name, neither their
// own, nor their caption, nor a label's whose buddy they are.
inline QStringList UnnamedControls(QWidget& window) {
  QStringList unnamed;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    // Popups (a combo box's list) are windows of their own.
    if (widget->isHidden() || !widget->isEnabled() || widget->window() != &window) continue;
    const bool interactive = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QAbstractSlider*>(widget) ||
                             qobject_cast<QAbstractItemView*>(widget);
    // A spin box's or combo box's own line edit is named through its owner, a
    // scroll bar or header through the view it belongs to.
    if (!interactive || qobject_cast<QScrollBar*>(widget) || qobject_cast<QHeaderView*>(widget) ||
        qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) ||
        qobject_cast<QComboBox*>(widget->parentWidget()))
      continue;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
      unnamed << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                 : widget->objectName());
  }
  return unnamed;
}

// The captions of window's shown labels and buttons that are drawn narrower
// than their text, and so cut off. A button is measured by its text alone,
// which a style's least button width does not cut.
inline QStringList CutCaptions(QWidget& window) {
  QStringList cut;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (!control->isVisible()) continue;
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
      if (!label->text().isEmpty() && label->width() < label->sizeHint().width()) cut << label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      const QString text = QString(button->text()).remove(QLatin1Char('&'));
      if (!text.isEmpty() && button->width() < button->fontMetrics().horizontalAdvance(text))
        cut << button->text();
    }
  }
  return cut;
}
