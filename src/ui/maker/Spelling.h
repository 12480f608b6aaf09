#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QSyntaxHighlighter>
#include <memory>
#include <string>
#include <vector>

#include "core/model/TestSearch.h"

class QTextDocument;
struct Hunhandle;

// Spelling against the system's Hunspell dictionaries, with the user's own
// word list (a plain file, one word a line, in the user's config folder).
class TSpeller {
public:
  // The checker of language ("en_US"), made once per run and shared by every
  // editor window. Not Available() when its dictionary is not installed.
  static TSpeller& For(const QString& language);
  ~TSpeller();
  TSpeller(const TSpeller&) = delete;
  TSpeller& operator=(const TSpeller&) = delete;

  bool Available() const { return Handle != nullptr; }
  const QString& Language() const { return Name; }
  // Whether word is spelled right, in the dictionary, the word list or ignored.
  bool Correct(const QString& word) const;
  QStringList Suggestions(const QString& word) const;
  // Adds word to the user's word list, kept for later runs.
  void AddToWordList(const QString& word);
  // Takes word as right for the rest of the run.
  void Ignore(const QString& word);

  // The languages with an installed dictionary, sorted.
  static QStringList Languages();
  // The desktop's language when its dictionary is installed, else US English,
  // else the first installed.
  static QString DefaultLanguage();
  // The dictionary of the test's LANGUAGE (a tag, "" when not set) when one is
  // installed; otherwise the one chosen for the test at path, kept outside the
  // test file in the user's config folder, or the default.
  static QString LanguageOfTest(const QString& path, const std::string& language);
  static void SetLanguageOfTest(const QString& path, const QString& language);
  static QString WordListPath();

private:
  explicit TSpeller(QString language);
  QByteArray Encoded(const QString& word) const;

  QString Name;
  Hunhandle* Handle = nullptr;
  bool Utf8 = true;
  QSet<QString> Accepted;  // the word list and the ignored words
};

// Underlines the words of a text box that the speller does not know.
class TSpellHighlighter : public QSyntaxHighlighter {
public:
  TSpellHighlighter(QTextDocument* document, TSpeller* const& speller);

protected:
  void highlightBlock(const QString& text) override;

private:
  TSpeller* const& Speller;  // the editor's current speller, none before a test is loaded
};

// The words of questions that speller does not know (UnknownWords).
std::vector<TSearchHit> UnknownWords(const QuestionSet& questions, const TSpeller& speller);
