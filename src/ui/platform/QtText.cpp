#include "ui/platform/QtText.h"

#include <QFile>
#include <QStringDecoder>

#include "core/storage/CodePage.h"

QString ToQString(const std::string& text) {
  QString result = QString::fromStdString(CodePage::ToUtf8(text));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string ToCp1252(const QString& text) {
  QString withBreaks = text;
  withBreaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return CodePage::FromUtf8(withBreaks.toStdString()).Text;
}

std::string ToPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FromUtf8OrCodePage(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(QByteArray::fromStdString(bytes));
  return utf8.hasError() ? ToQString(bytes) : text;
}

QString FromSystemText(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString UnstorableCharacters(const QStringList& texts) {
  std::u32string found;
  for (const QString& text : texts)
    for (const char32_t c : CodePage::FromUtf8(text.toStdString()).Unmappable)
      if (found.find(c) == std::u32string::npos) found += c;
  return QString::fromStdU32String(found);
}
