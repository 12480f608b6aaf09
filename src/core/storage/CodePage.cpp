#include "core/storage/CodePage.h"

#include <algorithm>
#include <array>

namespace CodePage {
namespace {

// Bytes 80 to 9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Decodes one UTF-8 sequence at text[i], advancing i; U+FFFD for a malformed one.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                    : lead >= 0xE0 && lead < 0xF0 ? 2
                    : lead >= 0xC2 && lead < 0xE0 ? 1
                                                  : -1;
  if (extra < 0) return 0xFFFD;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
  if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
  return c;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

char32_t ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : byte;
}

bool FromUnicode(char32_t codePoint, unsigned char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint < 0x100)) {
    byte = static_cast<unsigned char>(codePoint);
    return true;
  }
  const auto it = std::find(High.begin(), High.end(), codePoint);
  if (it == High.end()) return false;
  byte = static_cast<unsigned char>(0x80 + (it - High.begin()));
  return true;
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(ch)));
  return out;
}

std::vector<int> RepairUtf8(std::string& text) {
  std::vector<int> lines;
  std::string repaired;
  int line = 1;
  size_t kept = 0;  // text[kept..] is not yet in repaired
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    if (text[i] == '\n') ++line;
    const char32_t c = NextCodePoint(text, i);
    // A well-formed U+FFFD is three bytes; anything else giving it is malformed.
    if (c != 0xFFFD || std::string_view(text).substr(start, i - start) == "\xEF\xBF\xBD") continue;
    if (lines.empty() || lines.back() != line) lines.push_back(line);
    repaired.append(text, kept, start - kept);
    repaired += '?';
    kept = i;
  }
  if (lines.empty()) return lines;
  repaired.append(text, kept, std::string::npos);
  text = std::move(repaired);
  return lines;
}

TEncoded FromUtf8(std::string_view utf8) {
  TEncoded result;
  result.Text.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, i);
    unsigned char byte = 0;
    if (FromUnicode(c, byte)) {
      result.Text += static_cast<char>(byte);
    } else {
      result.Text += '?';
      if (result.Unmappable.find(c) == std::u32string::npos) result.Unmappable += c;
    }
  }
  return result;
}

}  // namespace CodePage
