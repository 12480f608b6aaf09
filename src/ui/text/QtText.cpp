#include "ui/text/QtText.h"

#include <QByteArrayView>
#include <QFile>
#include <QStringDecoder>
#include <string_view>

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

namespace {

// A byte of a file name that is no part of valid UTF-8 travels in a QString as
// the lone low surrogate 0xDC00 + byte, which no valid UTF-8 decodes to, so
// that every name read from a folder finds its file again.
constexpr char16_t RawByteBase = 0xDC00;

// The length of the valid UTF-8 sequence that starts at bytes[at], 0 when
// none does.
size_t Utf8Length(std::string_view bytes, size_t at) {
  const auto byte = [&bytes](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong form
    if (lead == 0xED) high = 0x9F;  // no surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (bytes.size() - at < length || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  return length;
}

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
  if (QByteArrayView(path).isValidUtf8()) return QFile::decodeName(QByteArray::fromStdString(path));
  QString text;
  text.reserve(static_cast<qsizetype>(path.size()));
  size_t at = 0;
  while (at < path.size()) {
    size_t run = at;
    while (run < path.size()) {
      const size_t length = Utf8Length(path, run);
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
