#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// The line syntax shared by the INI store and the readers that look into a
// file without loading it whole: where a line ends, what a section header is,
// and how a key is matched. Names compare without regard to ASCII case.
namespace IniSyntax {

// Ends the input: nothing after it is read.
inline constexpr char CtrlZ = '\x1A';

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

inline bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
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

inline std::string_view SectionName(std::string_view header) { return header.substr(1, header.size() - 2); }

// Whether the line's key (its text before the first '=') equals key. A line
// without '=' never matches, and neither does a key that holds '='.
inline bool KeyMatches(std::string_view line, std::string_view key) {
  if (line.size() <= key.size() || line[key.size()] != '=') return false;
  if (key.find('=') != std::string_view::npos) return false;
  return EqualNoCase(line.substr(0, key.size()), key);
}

inline std::string_view LineValue(std::string_view line, size_t keyLength) { return line.substr(keyLength + 1); }

// Splits text into lines. A line ends at CR, CR LF or a lone LF. When the text
// is only the start of the input (complete == false), a line is handed out only
// once its end is certain: a trailing CR might still be followed by its LF.
// The next CR and the next LF are each found with memchr and remembered, so
// every byte is looked at about once, at memchr's speed.
class TLineReader {
public:
  TLineReader(std::string_view text, size_t position, bool complete)
      : Text(text), Position(position), Complete(complete) {}

  // The next line without its line end; false when no complete line is left.
  bool Next(std::string_view& line) {
    const size_t size = Text.size();
    if (Position >= size) return false;
    if (NextCr == Unknown || NextCr < Position) NextCr = Find('\r');
    if (NextLf == Unknown || NextLf < Position) NextLf = Find('\n');
    const size_t end = NextCr < NextLf ? NextCr : NextLf;
    size_t next;
    if (end == size) {
      if (!Complete) return false;
      next = size;
    } else if (Text[end] == '\n') {
      next = end + 1;
    } else if (end + 1 < size) {
      next = NextLf == end + 1 ? end + 2 : end + 1;
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
  // Position of the next c at or after Position; the text's size when none.
  size_t Find(char c) const {
    const void* found = std::memchr(Text.data() + Position, c, Text.size() - Position);
    return found ? static_cast<size_t>(static_cast<const char*>(found) - Text.data()) : Text.size();
  }

  std::string_view Text;
  size_t Position;
  bool Complete;
  // Positions of the next CR and LF, searched again once Position has passed them.
  static constexpr size_t Unknown = std::string_view::npos;
  size_t NextCr = Unknown;
  size_t NextLf = Unknown;
};

}  // namespace IniSyntax
