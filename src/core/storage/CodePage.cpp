#include "core/storage/CodePage.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/storage/Utf8.h"

namespace CodePage {
namespace {

// Bytes 80 to 9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char32_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// A letter followed by a combining accent, as decomposed text (NFD, as macOS
// writes it) holds it, and the one character that NFC makes of the two: the
// accented Latin letters of Western and Central European languages.
struct TComposition {
  char32_t Mark;
  std::string_view Bases;
  std::u32string_view Composed;  // one for each of Bases
};
constexpr std::array<TComposition, 13> Compositions = {{
    {0x0300, "AEIOUaeiou", U"\u00C0\u00C8\u00CC\u00D2\u00D9\u00E0\u00E8\u00EC\u00F2\u00F9"},
    {0x0301, "ACEILNORSUYZaceilnorsuyz",
     U"\u00C1\u0106\u00C9\u00CD\u0139\u0143\u00D3\u0154\u015A\u00DA\u00DD\u0179\u00E1\u0107\u00E9\u00ED\u013A"
     U"\u0144\u00F3\u0155\u015B\u00FA\u00FD\u017A"},
    {0x0302, "ACEGHIJOSUWYaceghijosuwy",
     U"\u00C2\u0108\u00CA\u011C\u0124\u00CE\u0134\u00D4\u015C\u00DB\u0174\u0176\u00E2\u0109\u00EA\u011D\u0125"
     U"\u00EE\u0135\u00F4\u015D\u00FB\u0175\u0177"},
    {0x0303, "AINOUainou", U"\u00C3\u0128\u00D1\u00D5\u0168\u00E3\u0129\u00F1\u00F5\u0169"},
    {0x0304, "AEIOUaeiou", U"\u0100\u0112\u012A\u014C\u016A\u0101\u0113\u012B\u014D\u016B"},
    {0x0306, "AEGIOUaegiou", U"\u0102\u0114\u011E\u012C\u014E\u016C\u0103\u0115\u011F\u012D\u014F\u016D"},
    {0x0307, "CEGIZcegz", U"\u010A\u0116\u0120\u0130\u017B\u010B\u0117\u0121\u017C"},
    {0x0308, "AEIOUYaeiouy", U"\u00C4\u00CB\u00CF\u00D6\u00DC\u0178\u00E4\u00EB\u00EF\u00F6\u00FC\u00FF"},
    {0x030A, "AUau", U"\u00C5\u016E\u00E5\u016F"},
    {0x030B, "OUou", U"\u0150\u0170\u0151\u0171"},
    {0x030C, "CDELNRSTZcdelnrstz",
     U"\u010C\u010E\u011A\u013D\u0147\u0158\u0160\u0164\u017D\u010D\u010F\u011B\u013E\u0148\u0159\u0161\u0165"
     U"\u017E"},
    {0x0327, "CGKLNRSTcgklnrst",
     U"\u00C7\u0122\u0136\u013B\u0145\u0156\u015E\u0162\u00E7\u0123\u0137\u013C\u0146\u0157\u015F\u0163"},
    {0x0328, "AEIUaeiu", U"\u0104\u0118\u012E\u0172\u0105\u0119\u012F\u0173"},
}};

// The character base and mark compose to, or 0.
char32_t Composed(char32_t base, char32_t mark) {
  if (base >= 0x80) return 0;
  for (const TComposition& composition : Compositions) {
    if (composition.Mark != mark) continue;
    const size_t at = composition.Bases.find(static_cast<char>(base));
    return at == std::string_view::npos ? 0 : composition.Composed[at];
  }
  return 0;
}

// Decodes one UTF-8 sequence at text[i], advancing i; U+FFFD for a malformed
// one, which takes its lead byte and the continuation bytes that follow it, up
// to as many as the lead byte announces.
char32_t NextCodePoint(std::string_view text, size_t& i) {
  if (const size_t length = Utf8::SequenceLength(text, i)) {
    const char32_t c = Utf8::Decode(text, i, length);
    i += length;
    return c;
  }
  const auto lead = static_cast<unsigned char>(text[i++]);
  const int extra = lead >= 0xF0 && lead < 0xF5   ? 3
                    : lead >= 0xE0 && lead < 0xF0 ? 2
                    : lead >= 0xC2 && lead < 0xE0 ? 1
                                                  : 0;
  for (int k = 0; k < extra && i < text.size() && Utf8::IsContinuation(text[i]); ++k) ++i;
  return 0xFFFD;
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
    char32_t c = NextCodePoint(utf8, i);
    if (c < 0x80 && i < utf8.size() && static_cast<unsigned char>(utf8[i]) >= 0x80) {
      size_t next = i;
      if (const char32_t composed = Composed(c, NextCodePoint(utf8, next))) {
        c = composed;
        i = next;
      }
    }
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

bool Holds(std::string_view utf8) {
  const bool ascii =
      std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii || FromUtf8(utf8).Unmappable.empty();
}

bool IsLetterOrDigit(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c >= 0xC0) return c != 0xD7 && c != 0xF7;  // all letters but the signs for times and divide
  switch (c) {
    case 0x83:  // f hook
    case 0x8A:  // S caron
    case 0x8C:  // OE
    case 0x8E:  // Z caron
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:  // Y diaeresis
    case 0xAA:  // feminine ordinal
    case 0xB5:  // micro
    case 0xBA:  // masculine ordinal
      return true;
    default:
      return false;
  }
}

unsigned char ToLower(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;  // S caron
    case 0x8C:
      return 0x9C;  // OE
    case 0x8E:
      return 0x9E;  // Z caron
    case 0x9F:
      return 0xFF;  // Y diaeresis
    default:
      return c;
  }
}

std::string Utf8OrCodePage(std::string_view bytes) {
  return Utf8::IsValid(bytes) ? std::string(bytes) : ToUtf8(bytes);
}

}  // namespace CodePage
