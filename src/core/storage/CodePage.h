#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows-1252, the single-byte code page of every file the system reads and
// writes. The five bytes the code page leaves undefined (81, 8D, 8F, 90, 9D)
// map to the C1 control characters of the same number, so every byte survives
// a round trip through Unicode unchanged.
namespace CodePage {

// The Unicode code point of one code-page byte.
char32_t ToUnicode(unsigned char byte);

// The code-page byte of a code point; false when the code page cannot hold it.
bool FromUnicode(char32_t codePoint, unsigned char& byte);

// Appends codePoint (at most U+10FFFF) to out as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

// Code-page text to UTF-8.
std::string ToUtf8(std::string_view text);

struct TEncoded {
  std::string Text;           // the code-page bytes; unmappable characters stored as '?'
  std::u32string Unmappable;  // each character that could not be held, once, in order met
};

// Replaces every malformed UTF-8 sequence of text by '?' and returns the
// numbers (from 1, lines ending in LF) of the lines that held one, each once,
// ascending; text is left as it was when it is valid UTF-8.
std::vector<int> RepairUtf8(std::string& text);

// UTF-8 to code-page text. A letter followed by a combining accent (decomposed
// text, NFD) is first composed to the one accented letter (NFC), so "e" and
// U+0301 become "\xE9". Malformed UTF-8 sequences count as U+FFFD, which the
// code page cannot hold.
TEncoded FromUtf8(std::string_view utf8);

// Whether FromUtf8 keeps every character of utf8 (no Unmappable).
bool Holds(std::string_view utf8);

// Text that is UTF-8 now and was code-page text in older files (a history, a
// grade sheet, a progress row): bytes that are valid UTF-8 as they stand,
// any other read as code-page text. Code-page text with a letter beyond ASCII
// is hardly ever valid UTF-8, so the two forms tell themselves apart.
std::string Utf8OrCodePage(std::string_view bytes);

// Whether the code-page byte c is a letter or a digit (accented letters,
// \x8A S caron and the like included).
bool IsLetterOrDigit(unsigned char c);
// The lower-case form of the code-page letter c; any other byte as it is.
unsigned char ToLower(unsigned char c);

}  // namespace CodePage
