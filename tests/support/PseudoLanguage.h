#pragma once

// A made-up language for the interface: while one is installed, every text
// that goes through Qt's translation comes back in guillemets, so a test sees
// which texts of a window bypass translation. Qt's own texts (a button box's
// OK) are marked too, as Qt's translations bring them.

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QWidget>

class TPseudoLanguage : public QTranslator {
public:
  TPseudoLanguage() { QCoreApplication::installTranslator(this); }
  ~TPseudoLanguage() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char*, int) const override {
    // The layout direction is a setting, not a text.
    if (qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0) return QString();
    return Marked(QString::fromUtf8(source));
  }
  static QString Marked(const QString& text) { return QStringLiteral("\u00AB%1\u00BB").arg(text); }
};

// The texts of window and its controls that hold a letter but came through no
// translation: titles, captions, headings, tabs, menus, hints, placeholders,
// combo box items. The texts in data (the test's, the student's) are left out.
inline QStringList UntranslatedTexts(QWidget& window, const QStringList& data = {}) {
  QStringList texts{window.windowTitle()};
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    texts << widget->toolTip() << widget->accessibleName();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* box = qobject_cast<QGroupBox*>(widget)) texts << box->title();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) texts << edit->placeholderText();
    if (auto* spin = qobject_cast<QSpinBox*>(widget)) texts << spin->specialValueText();
    if (auto* combo = qobject_cast<QComboBox*>(widget))
      for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    if (auto* tabs = qobject_cast<QTabWidget*>(widget))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* table = qobject_cast<QTableWidget*>(widget))
      for (int i = 0; i < table->columnCount(); ++i)
        if (const QTableWidgetItem* heading = table->horizontalHeaderItem(i)) texts << heading->text();
    if (auto* bar = qobject_cast<QMenuBar*>(widget))
      for (QAction* title : bar->actions()) {
        texts << title->text();
        if (QMenu* menu = title->menu())
          for (QAction* item : menu->actions()) texts << item->text();
      }
  }
  QStringList untranslated;
  for (const QString& text : texts) {
    const bool letter = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    if (letter && !text.contains(QChar(0x00AB)) && !data.contains(text) && !untranslated.contains(text))
      untranslated << text;
  }
  return untranslated;
}
