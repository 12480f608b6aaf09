#include "ui/maker/Spelling.h"

#include <hunspell/hunspell.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTextCharFormat>
#include <QTextStream>
#include <map>

#include "core/model/Languages.h"
#include "core/model/TestSearch.h"
#include "ui/platform/QtText.h"

namespace {

// Where the system keeps its dictionaries; QUIZWELL_DICTIONARIES names
// another folder instead.
QStringList DictionaryFolders() {
  const QString chosen = qEnvironmentVariable("QUIZWELL_DICTIONARIES");
  if (!chosen.isEmpty()) return {chosen};
  return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
          QStringLiteral("/usr/share/myspell")};
}

QString ConfigFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString LanguageKey(const QString& path) {
  return QStringLiteral("languages/") + QString::fromLatin1(path.toUtf8().toHex());
}

}  // namespace

TSpeller& TSpeller::For(const QString& language) {
  static std::map<QString, std::unique_ptr<TSpeller>> made;
  std::unique_ptr<TSpeller>& speller = made[language];
  if (speller == nullptr) speller.reset(new TSpeller(language));
  return *speller;
}

TSpeller::TSpeller(QString language) : Name(std::move(language)) {
  for (const QString& folder : DictionaryFolders()) {
    const QString stem = folder + QLatin1Char('/') + Name;
    if (!QFile::exists(stem + QStringLiteral(".dic")) || !QFile::exists(stem + QStringLiteral(".aff")))
      continue;
    Handle = Hunspell_create(QFile::encodeName(stem + QStringLiteral(".aff")).constData(),
                             QFile::encodeName(stem + QStringLiteral(".dic")).constData());
    break;
  }
  if (Handle == nullptr) return;
  Utf8 = QByteArray(Hunspell_get_dic_encoding(Handle)).toUpper().replace('-', "") == "UTF8";
  QFile list(WordListPath());
  if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  QTextStream in(&list);
  while (!in.atEnd()) {
    const QString word = in.readLine().trimmed();
    if (!word.isEmpty()) Accepted.insert(word);
  }
}

TSpeller::~TSpeller() {
  if (Handle != nullptr) Hunspell_destroy(Handle);
}

QByteArray TSpeller::Encoded(const QString& word) const {
  return Utf8 ? word.toUtf8() : word.toLatin1();
}

bool TSpeller::Correct(const QString& word) const {
  if (Handle == nullptr || Accepted.contains(word)) return true;
  return Hunspell_spell(Handle, Encoded(word).constData()) != 0;
}

QStringList TSpeller::Suggestions(const QString& word) const {
  QStringList suggestions;
  if (Handle == nullptr) return suggestions;
  char** list = nullptr;
  const int count = Hunspell_suggest(Handle, &list, Encoded(word).constData());
  for (int i = 0; i < count; ++i)
    suggestions << (Utf8 ? QString::fromUtf8(list[i]) : QString::fromLatin1(list[i]));
  Hunspell_free_list(Handle, &list, count);
  return suggestions;
}

void TSpeller::AddToWordList(const QString& word) {
  Accepted.insert(word);
  QDir().mkpath(ConfigFolder());
  QFile list(WordListPath());
  if (!list.open(QIODevice::Append | QIODevice::Text)) return;
  QTextStream(&list) << word << '\n';
}

void TSpeller::Ignore(const QString& word) {
  Accepted.insert(word);
}

QStringList TSpeller::Languages() {
  QStringList languages;
  for (const QString& folder : DictionaryFolders())
    for (const QString& file : QDir(folder).entryList({QStringLiteral("*.dic")}, QDir::Files)) {
      const QString language = file.chopped(4);
      if (!languages.contains(language) && QFile::exists(folder + QLatin1Char('/') + language + ".aff"))
        languages << language;
    }
  languages.sort();
  return languages;
}

QString TSpeller::DefaultLanguage() {
  const QStringList installed = Languages();
  for (const QString& wanted : {QLocale::system().name(), QStringLiteral("en_US")})
    if (installed.contains(wanted)) return wanted;
  return installed.isEmpty() ? QLocale::system().name() : installed.first();
}

QString TSpeller::LanguageOfTest(const QString& path, const std::string& language) {
  std::vector<std::string> installed;
  for (const QString& name : Languages()) installed.push_back(name.toStdString());
  if (const std::string dictionary = Languages::DictionaryFor(language, installed); !dictionary.empty())
    return FromUtf8(dictionary);
  const QSettings settings(ConfigFolder() + QStringLiteral("/spelling.ini"), QSettings::IniFormat);
  return settings.value(LanguageKey(path), DefaultLanguage()).toString();
}

void TSpeller::SetLanguageOfTest(const QString& path, const QString& language) {
  QSettings settings(ConfigFolder() + QStringLiteral("/spelling.ini"), QSettings::IniFormat);
  settings.setValue(LanguageKey(path), language);
}

QString TSpeller::WordListPath() {
  return ConfigFolder() + QStringLiteral("/words.txt");
}

TSpellHighlighter::TSpellHighlighter(QTextDocument* document, TSpeller* const& speller)
    : QSyntaxHighlighter(document), Speller(speller) {}

void TSpellHighlighter::highlightBlock(const QString& text) {
  if (Speller == nullptr || !Speller->Available()) return;
  QTextCharFormat wrong;
  wrong.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  wrong.setUnderlineColor(Qt::red);
  // The words come as byte positions in UTF-8; the block counts UTF-16 units.
  const std::string bytes = text.toStdString();
  size_t byte = 0;
  qsizetype unit = 0;
  const auto unitAt = [&](size_t to) {
    unit += FromUtf8(bytes.substr(byte, to - byte)).size();
    byte = to;
    return unit;
  };
  for (const auto& [position, length] : WordsOf(bytes)) {
    const qsizetype start = unitAt(position);
    const qsizetype count = unitAt(position + length) - start;
    if (!Speller->Correct(text.mid(start, count)))
      setFormat(static_cast<int>(start), static_cast<int>(count), wrong);
  }
}

std::vector<TSearchHit> UnknownWords(const QuestionSet& questions, const TSpeller& speller) {
  return UnknownWords(questions,
                      [&speller](const std::string& word) { return speller.Correct(ToQString(word)); });
}
