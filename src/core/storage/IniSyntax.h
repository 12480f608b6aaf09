#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The line syntax shared by the INI store and the readers that look into a
// file without loading it whole: where a line ends, what a section header is,
// and how a key is matched. Names compare without regard to ASCII case.
namespace IniSyntax {

// Ends the input: nothing after it is read.
inline constexpr char CtrlZ = '\x1A';

// The UTF-8 byte-order mark some editors put before a file's first line; the
// store reads past it.
inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

inline bool StartsWithByteOrderMark(std::string_view text) {
  return text.substr(0, ByteOrderMark.size()) == ByteOrderMark;
}

constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // the usual case, compared a word at a time
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

// Position of the first '=' in s, or npos. Keys are short: a plain loop beats a call.
inline size_t FindEquals(std::string_view s) {
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] == '=') return i;
  return std::string_view::npos;
}

// FNV-1a over the lower-cased bytes, so names that compare equal hash equal.
inline uint32_t HashNoCase(std::string_view s) {
  uint32_t hash = 2166136261u;
  for (const char c : s) {
    hash ^= static_cast<unsigned char>(LowerAscii(c));
    hash *= 16777619u;
  }
  return hash;
}

// The raw line itself decides: "[x]" is a header, "[x] " is content.
inline bool IsSectionHeader(std::string_view line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

inline std::string_view SectionName(std::string_view header) {
  return header.substr(1, header.size() - 2);
}

// Whether the line's key (its text before the first '=') equals key, for a
// key that holds no '='. A line without '=' never matches.
inline bool LineHasKey(std::string_view line, std::string_view key) {
  const size_t length = key.size();
  if (line.size() <= length || line[length] != '=') return false;
  if (length > 0 && LowerAscii(line[0]) != LowerAscii(key[0])) return false;
  return EqualNoCase(line.substr(0, length), key);
}

// The same for any key: one that holds '=' never matches.
inline bool KeyMatches(std::string_view line, std::string_view key) {
  return FindEquals(key) == std::string_view::npos && LineHasKey(line, key);
}

inline std::string_view LineValue(std::string_view line, size_t keyLength) {
  return line.substr(keyLength + 1);
}

// Position of the first CR, LF or Ctrl-Z in data[from, size); size when none.
// Sixteen bytes at a time where the processor allows it.
inline size_t FindBreak(const char* data, size_t from, size_t size) {
#if defined(__SSE2__)
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i ctrlZ = _mm_set1_epi8(CtrlZ);
  for (; from + 16 <= size; from += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)),
                                      _mm_cmpeq_epi8(chunk, ctrlZ));
    if (const int mask = _mm_movemask_epi8(hits)) return from + static_cast<size_t>(__builtin_ctz(mask));
  }
#endif
  for (; from < size; ++from)
    if (data[from] == '\r' || data[from] == '\n' || data[from] == CtrlZ) return from;
  return size;
}

// Splits text into lines. A line ends at CR, CR LF or a lone LF, and a Ctrl-Z
// ends the text. When the text is only the start of the input (complete ==
// false), a line is handed out only once its end is certain: a trailing CR
// might still be followed by its LF.
class TLineReader {
public:
  TLineReader(std::string_view text, size_t position, bool complete)
      : Text(text), Position(position), Complete(complete) {}

  // The next line without its line end; false when no complete line is left.
  bool Next(std::string_view& line) {
    if (Position >= Text.size()) return false;
    size_t end = FindBreak(Text.data(), Position, Text.size());
    if (end < Text.size() && Text[end] == CtrlZ) {
      Text = Text.substr(0, end);
      Complete = true;
    }
    const size_t size = Text.size();
    size_t next;
    if (end == size) {
      if (!Complete) return false;
      next = size;
    } else if (Text[end] == '\n') {
      next = end + 1;
    } else if (end + 1 < size) {
      next = Text[end + 1] == '\n' ? end + 2 : end + 1;
    } else {
      if (!Complete) return false;
      next = end + 1;
    }
    line = Text.substr(Position, end - Position);
    Position = next;
    return true;
  }

  size_t Consumed() const { return Position; }

private:
  std::string_view Text;
  size_t Position;
  bool Complete;
};

}  // namespace IniSyntax
