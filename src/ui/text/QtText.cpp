#include "ui/text/QtText.h"

#include <QFile>
#include <string_view>

#include "core/storage/CodePage.h"
#include "core/storage/Utf8.h"

QString ToQString(const std::string& text) {
  QString result = FromUtf8(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return result;
}

std::string ToCoreText(const QString& text) {
  QString withBreaks = text;
  withBreaks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
      .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return withBreaks.toStdString();
}

namespace {

// A byte of a file name that is no part of valid UTF-8 travels in a QString as
// the lone low surrogate 0xDC00 + byte, which no valid UTF-8 decodes to, so
// that every name read from a folder finds its file again.
constexpr char16_t RawByteBase = 0xDC00;

}  // namespace

std::string ToPath(const QString& path) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(path.size()));
  qsizetype runStart = 0;
  const auto flush = [&](qsizetype end) {
    bytes += QFile::encodeName(path.mid(runStart, end - runStart)).toStdString();
  };
  for (qsizetype i = 0; i < path.size(); ++i) {
    const char16_t unit = path.at(i).unicode();
    if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && path.at(i + 1).isLowSurrogate()) {
      ++i;
    } else if (unit >= RawByteBase + 0x80 && unit <= RawByteBase + 0xFF) {
      flush(i);
      bytes += static_cast<char>(unit - RawByteBase);
      runStart = i + 1;
    }
  }
  flush(path.size());
  return bytes;
}

QString FromPath(const std::string& path) {
  if (Utf8::IsValid(path)) return QFile::decodeName(QByteArray::fromStdString(path));
  QString text;
  text.reserve(static_cast<qsizetype>(path.size()));
  size_t at = 0;
  while (at < path.size()) {
    size_t run = at;
    while (run < path.size()) {
      const size_t length = Utf8::SequenceLength(path, run);
      if (length == 0) break;
      run += length;
    }
    text += QString::fromUtf8(path.data() + at, static_cast<qsizetype>(run - at));
    if (run < path.size()) text += QChar(RawByteBase + static_cast<unsigned char>(path[run++]));
    at = run;
  }
  return text;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

QString FromUtf8OrCodePage(const std::string& bytes) {
  return FromUtf8(Utf8::IsValid(bytes) ? bytes : CodePage::ToUtf8(bytes));
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
