#include "core/storage/TerminalText.h"

#include "core/storage/CodePage.h"

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, unsigned value) {
  out += HexDigits[(value >> 4) & 0xF];
  out += HexDigits[value & 0xF];
}

// Walks UTF-8 text and hands every control character (C0, DEL, or a C1 code
// point, which UTF-8 writes as C2 80..C2 9F) and every ASCII character of
// alsoEscape to escape; copies the rest.
template <typename TEscape>
std::string EscapeControls(std::string_view utf8, std::string_view alsoEscape, TEscape escape) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F || (byte < 0x80 && alsoEscape.find(utf8[i]) != std::string_view::npos)) {
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

std::string TerminalText(std::string_view codePageText) {
  return TerminalUtf8(CodePage::ToUtf8(codePageText));
}

namespace {

// The length of the well-formed UTF-8 sequence at text[i] (1 to 4), or 0.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned lead = at(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size() || at(i + 1) < low || at(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (at(i + k) < 0x80 || at(i + k) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string TerminalUtf8(std::string_view utf8) {
  // Bytes that are no UTF-8 (a file name may hold any) are shown as \xNN too,
  // so that what reaches the terminal is always valid text.
  std::string valid;
  valid.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = SequenceLength(utf8, i);
    if (length == 0) {
      valid += "\\x";
      AppendHexByte(valid, static_cast<unsigned char>(utf8[i]));
      ++i;
    } else {
      valid.append(utf8.substr(i, length));
      i += length;
    }
  }
  return EscapeControls(valid, {}, TerminalEscape);
}

std::string JsonString(std::string_view codePageText) {
  const auto escape = [](std::string& out, unsigned codePoint) {
    switch (codePoint) {
      case '"':
        out += "\\\"";
        return;
      case '\\':
        out += "\\\\";
        return;
      case '\r':
        out += "\\r";
        return;
      case '\n':
        out += "\\n";
        return;
      case '\t':
        out += "\\t";
        return;
      default:
        out += "\\u00";
        AppendHexByte(out, codePoint);
    }
  };
  return '"' + EscapeControls(CodePage::ToUtf8(codePageText), "\"\\", escape) + '"';
}
