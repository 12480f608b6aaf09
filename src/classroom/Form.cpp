#include "classroom/Form.h"

#include <QList>
#include <QString>

#include "core/storage/Utf8.h"

namespace Form {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> Decode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] == '%') {
      if (i + 2 >= text.size()) return std::nullopt;
      const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      out += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Control characters (C0, DEL, C1), line and paragraph separators, and the
// marks that embed or override the direction of the text after them, which
// would turn a list of names around it.
bool IsHiddenControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::optional<std::map<std::string, std::string>> Parse(std::string_view body, std::size_t maxFields) {
  std::map<std::string, std::string> fields;
  while (!body.empty()) {
    const std::size_t end = body.find('&');
    const std::string_view pair = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view() : body.substr(end + 1);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    auto name = Decode(pair.substr(0, equals));
    auto value = Decode(pair.substr(equals + 1));
    if (!name || !value || name->empty() || fields.size() >= maxFields) return std::nullopt;
    if (!fields.emplace(std::move(*name), std::move(*value)).second) return std::nullopt;
  }
  return fields;
}

std::optional<std::string> StudentName(std::string_view utf8) {
  if (utf8.size() > 4 * MaxNameLength + 64 || !Utf8::IsValid(utf8)) return std::nullopt;
  std::string collapsed;
  for (const char c : utf8) {
    if (c == ' ') {
      if (!collapsed.empty() && collapsed.back() != ' ') collapsed += ' ';
    } else {
      collapsed += c;
    }
  }
  if (!collapsed.empty() && collapsed.back() == ' ') collapsed.pop_back();
  // Composed, so a name typed with combining accents is the name typed with
  // accented letters.
  const QString name = QString::fromStdString(collapsed).normalized(QString::NormalizationForm_C);
  const QList<uint> characters = name.toUcs4();
  if (characters.empty() || characters.size() > MaxNameLength) return std::nullopt;
  for (const uint c : characters)
    if (IsHiddenControl(c)) return std::nullopt;
  return name.toStdString();
}

bool IsDeviceSecret(std::string_view text) {
  if (text.size() < 32 || text.size() > 128) return false;
  for (const char c : text) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!plain && c != '-' && c != '_') return false;
  }
  return true;
}

std::optional<int> Index(std::string_view text, int limit) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value >= limit) return std::nullopt;
  return value;
}

std::optional<Scoring::TLetters> Letters(std::string_view text, Scoring::TLetters allowed) {
  Scoring::TLetters letters = 0;
  for (const char c : text) {
    if (c < 'A' || c > 'F') return std::nullopt;
    const auto bit = static_cast<Scoring::TLetters>(1 << (c - 'A'));
    if ((letters & bit) || !(allowed & bit)) return std::nullopt;
    letters |= bit;
  }
  return letters;
}

}  // namespace Form
