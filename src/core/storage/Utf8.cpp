#include "core/storage/Utf8.h"

#include <array>
#include <cstdint>
#include <cstring>

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

namespace {

// IsValid reads a whole text with one table lookup and one shift a byte, no
// branch on what the bytes are: a state machine of the same rules as
// SequenceLength. Each state is a multiple of 6, and Moves[byte] holds, at
// bit `state`, the 6 bits of the state that byte leads to from it.
enum TState : unsigned {
  Accept = 0,      // between sequences
  Reject = 6,      // a malformed sequence was met; never left
  Last = 12,       // one continuation byte to come
  TwoMore = 18,    // two continuation bytes to come
  AfterE0 = 24,    // two to come, the first A0 to BF (no shorter form)
  AfterED = 30,    // two to come, the first 80 to 9F (no surrogate)
  ThreeMore = 36,  // three continuation bytes to come
  AfterF0 = 42,    // three to come, the first 90 to BF (no shorter form)
  AfterF4 = 48,    // three to come, the first 80 to 8F (nothing past U+10FFFF)
};

constexpr std::array<std::uint64_t, 256> Moves = [] {
  std::array<std::uint64_t, 256> moves{};
  const auto move = [&](unsigned from, unsigned first, unsigned last, unsigned to) {
    for (unsigned b = first; b <= last; ++b)
      moves[b] = (moves[b] & ~(std::uint64_t{63} << from)) | (std::uint64_t{to} << from);
  };
  for (const unsigned state : {Accept, Reject, Last, TwoMore, AfterE0, AfterED, ThreeMore, AfterF0, AfterF4})
    move(state, 0x00, 0xFF, Reject);
  move(Accept, 0x00, 0x7F, Accept);
  move(Accept, 0xC2, 0xDF, Last);
  move(Accept, 0xE0, 0xE0, AfterE0);
  move(Accept, 0xE1, 0xEC, TwoMore);
  move(Accept, 0xED, 0xED, AfterED);
  move(Accept, 0xEE, 0xEF, TwoMore);
  move(Accept, 0xF0, 0xF0, AfterF0);
  move(Accept, 0xF1, 0xF3, ThreeMore);
  move(Accept, 0xF4, 0xF4, AfterF4);
  move(Last, 0x80, 0xBF, Accept);
  move(TwoMore, 0x80, 0xBF, Last);
  move(AfterE0, 0xA0, 0xBF, Last);
  move(AfterED, 0x80, 0x9F, Last);
  move(ThreeMore, 0x80, 0xBF, TwoMore);
  move(AfterF0, 0x90, 0xBF, TwoMore);
  move(AfterF4, 0x80, 0x8F, TwoMore);
  return moves;
}();

// Whether the eight bytes at p are all below 0x80.
bool EightAscii(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return (word & 0x8080808080808080u) == 0;
}

}  // namespace

bool IsValid(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  // Only the low 6 bits of state count; the bits above them are what the
  // last shift left behind, as a shift by state & 63 never looks at them.
  std::uint64_t state = Accept;
  while (p != end) {
    if ((state & 63) == Accept)
      while (end - p >= 16 && EightAscii(p) && EightAscii(p + 8)) p += 16;
    const auto* const stop = end - p > 16 ? p + 16 : end;
    for (; p != stop; ++p) state = Moves[*p] >> (state & 63);
    if ((state & 63) == Reject) return false;
  }
  return (state & 63) == Accept;
}

char32_t Decode(std::string_view text, std::size_t at, std::size_t length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return lead;
  char32_t c = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
  return c;
}

}  // namespace Utf8
