#include "core/storage/Utf8.h"

namespace Utf8 {

std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned low = 0x80, high = 0xBF;  // the allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // shorter forms exist below U+0800
    if (lead == 0xED) high = 0x9F;  // U+D800 and up are surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // shorter forms exist below U+10000
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;  // a continuation byte, C0/C1 (always overlong) or F5 and up
  }
  if (text.size() - at < length || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(at + k) < 0x80 || byte(at + k) > 0xBF) return 0;
  return length;
}

bool IsValid(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

char32_t Decode(std::string_view text, std::size_t at, std::size_t length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return lead;
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
  return c;
}

}  // namespace Utf8
