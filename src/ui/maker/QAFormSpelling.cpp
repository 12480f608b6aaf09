#include "ui/maker/QAForm.h"

// The question editor's spelling: the language of a test, the context menu
// of an unknown word and the list of every unknown word.

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "core/model/TestSearch.h"
#include "ui/maker/FindBar.h"
#include "ui/maker/Spelling.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

QString NoDictionaryText(const QString& language) {
  //: %1 is a language, as "en_US".
  return QCoreApplication::translate(
             "TQAForm", "No spelling dictionary for %1 is installed, so spelling is not checked.")
      .arg(language);
}
// The run's note that a dictionary is missing, given once.
const char* const NoDictionaryTold = "quizwellNoDictionaryTold";

}  // namespace

void TQAForm::UseLanguage(const QString& language, bool remember) {
  if (remember) TSpeller::SetLanguageOfTest(Globals.CurrentTestPath, language);
  SpellerInUse = &TSpeller::For(language);
  for (QAction* choice : LanguageMenu->actions()) choice->setChecked(choice->text() == language);
  for (TSpellHighlighter* highlighter : Highlighters) highlighter->rehighlight();
  if (!SpellerInUse->Available() && !qApp->property(NoDictionaryTold).toBool()) {
    qApp->setProperty(NoDictionaryTold, true);
    Globals.Dialogs.Inform(NoDictionaryText(language));
  }
}

QMenu* TQAForm::SpellingMenu(QPlainTextEdit* box, const QPoint& pos) {
  QMenu* menu = box->createStandardContextMenu(pos);
  // The box keeps no history of its own: its Undo and Redo are the editor's.
  for (QAction* own : menu->actions()) {
    const QString name = own->objectName() == QLatin1String("edit-undo")   ? QStringLiteral("Undo1")
                         : own->objectName() == QLatin1String("edit-redo") ? QStringLiteral("Redo1")
                                                                           : QString();
    if (name.isEmpty()) continue;
    menu->insertAction(own, findChild<QAction*>(name));
    menu->removeAction(own);
  }
  QTextCursor cursor = box->cursorForPosition(pos);
  cursor.select(QTextCursor::WordUnderCursor);
  const QString word = cursor.selectedText();
  if (SpellerInUse == nullptr || word.isEmpty() || SpellerInUse->Correct(word)) return menu;
  QAction* first = menu->actions().value(0);
  const auto add = [menu, first](const QString& name, const QString& caption) {
    auto* action = Named(new QAction(caption, menu), name);
    menu->insertAction(first, action);
    return action;
  };
  const QStringList suggestions = SpellerInUse->Suggestions(word).mid(0, 6);
  for (int i = 0; i < suggestions.size(); ++i) {
    const QString suggestion = suggestions[i];
    connect(add(QStringLiteral("Suggestion%1").arg(i + 1), suggestion), &QAction::triggered, this,
            [box, cursor, suggestion] {
              QTextCursor replacing = cursor;
              replacing.insertText(suggestion);
              box->setTextCursor(replacing);
            });
  }
  if (suggestions.isEmpty()) add(QStringLiteral("NoSuggestions"), tr("(no suggestions)"))->setEnabled(false);
  menu->insertSeparator(first);
  const auto rehighlight = [this] {
    for (TSpellHighlighter* highlighter : Highlighters) highlighter->rehighlight();
  };
  connect(add(QStringLiteral("AddToWordList"), tr("Add to word list")), &QAction::triggered, this,
          [this, word, rehighlight] {
            SpellerInUse->AddToWordList(word);
            rehighlight();
          });
  connect(add(QStringLiteral("IgnoreWord"), tr("Ignore")), &QAction::triggered, this,
          [this, word, rehighlight] {
            SpellerInUse->Ignore(word);
            rehighlight();
          });
  menu->insertSeparator(first);
  return menu;
}

void TQAForm::CheckSpelling1Click() {
  StoreScreen();
  if (SpellerInUse == nullptr || !SpellerInUse->Available()) {
    FindBar->ShowList({}, NoDictionaryText(SpellerInUse == nullptr ? TSpeller::DefaultLanguage()
                                                                   : SpellerInUse->Language()));
    return;
  }
  std::vector<TSearchHit> unknown = UnknownWords(Questions, *SpellerInUse);
  const QString status = unknown.empty()       ? tr("No unknown words")
                         : unknown.size() == 1 ? tr("1 unknown word")
                                               : tr("%1 unknown words").arg(unknown.size());
  FindBar->ShowList(std::move(unknown), status);
}
