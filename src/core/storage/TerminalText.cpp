#include "core/storage/TerminalText.h"

#include "core/storage/CodePage.h"
#include "core/storage/Utf8.h"

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned value) {
  out += HexDigits[(value >> 4) & 0xF];
  out += HexDigits[value & 0xF];
}

// Walks UTF-8 text and hands every control character (C0, DEL, or a C1 code
// point, which UTF-8 writes as C2 80..C2 9F) to escape; copies the rest.
template <typename TEscape>
std::string EscapeControls(std::string_view utf8, TEscape escape) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F) {
      escape(out, byte);
    } else if (byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      escape(out, static_cast<unsigned char>(utf8[++i]));
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

void TerminalEscape(std::string& out, unsigned codePoint) {
  if (codePoint == '\t') {
    out += '\t';
    return;
  }
  out += "\\x";
  AppendHexByte(out, codePoint);
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
  // Bytes that are no UTF-8 (a file name may hold any) are shown as \xNN too,
  // so that what reaches the terminal is always valid text.
  std::string valid;
  valid.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = Utf8::SequenceLength(utf8, i);
    if (length == 0) {
      valid += "\\x";
      AppendHexByte(valid, static_cast<unsigned char>(utf8[i]));
      ++i;
    } else {
      valid.append(utf8.substr(i, length));
      i += length;
    }
  }
  return EscapeControls(valid, TerminalEscape);
}
