#include "core/storage/ZarnEncryption.h"

#include <array>
#include <chrono>
#include <random>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

unsigned TimeOfDaySeededByte() {
  using namespace std::chrono;
  const auto now = system_clock::now().time_since_epoch();
  const auto msSinceMidnight = duration_cast<milliseconds>(now).count() % (24LL * 60 * 60 * 1000);
  std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(msSinceMidnight) + 1);
  return generator() % 256;
}

TFirstByteSource& FirstByteSource() {
  static TFirstByteSource source = TimeOfDaySeededByte;
  return source;
}

// The key position before each byte: 1..k in turn, or always 1 for the empty key.
class TKeyWalk {
public:
  explicit TKeyWalk(std::string_view key) : Length(key.size()), Chars(key.empty() ? DefaultKey : key) {}
  unsigned char Next() {
    Position = Position < Length ? Position + 1 : 1;
    return static_cast<unsigned char>(Chars[Position - 1]);
  }

private:
  size_t Length;
  std::string_view Chars;
  size_t Position = 0;
};

constexpr char HexDigits[] = "0123456789ABCDEF";

void PutHex(char* out, unsigned value) {
  out[0] = HexDigits[(value >> 4) & 0xF];
  out[1] = HexDigits[value & 0xF];
}

// The value of every hexadecimal digit, either case; -1 for anything else.
constexpr std::array<signed char, 256> HexValues = [] {
  std::array<signed char, 256> values{};
  values.fill(-1);
  for (int d = 0; d < 10; ++d) values['0' + d] = static_cast<signed char>(d);
  for (int d = 0; d < 6; ++d) {
    values['A' + d] = static_cast<signed char>(10 + d);
    values['a' + d] = static_cast<signed char>(10 + d);
  }
  return values;
}();

int HexValue(char c) {
  return HexValues[static_cast<unsigned char>(c)];
}

// Parses a piece of one or two characters; -1 when it is empty or not hexadecimal.
int ParsePiece(std::string_view text, size_t pos) {
  if (pos >= text.size()) return -1;
  const int high = HexValue(text[pos]);
  if (high < 0) return -1;
  if (pos + 1 >= text.size()) return high;
  const int low = HexValue(text[pos + 1]);
  return low < 0 ? -1 : high * 16 + low;
}

// The key character before each byte. With a key of at most one character it
// never changes, which lets the loops below run without the walk.
class TConstantKey {
public:
  explicit TConstantKey(std::string_view key)
      : Char(static_cast<unsigned char>(key.empty() ? DefaultKey[0] : key[0])) {}
  unsigned char Next() const { return Char; }

private:
  unsigned char Char;
};

template <typename Key>
void EncodeBytes(std::string_view text, Key key, unsigned prev, char* digits) {
  for (const char ch : text) {
    // (prev + t) mod 255: the sum reaches 510 (pair FF, byte 255), so one
    // subtraction is not enough; a constant modulus compiles without a branch
    const unsigned s = (prev + static_cast<unsigned char>(ch)) % 255;
    const unsigned v = s ^ key.Next();
    PutHex(digits, v);
    digits += 2;
    prev = v;
  }
}

std::string Encode(std::string_view text, std::string_view key, unsigned first) {
  std::string out(2 + 2 * text.size(), '\0');
  PutHex(out.data(), first);
  if (key.size() <= 1)
    EncodeBytes(text, TConstantKey(key), first, out.data() + 2);
  else
    EncodeBytes(text, TKeyWalk(key), first, out.data() + 2);
  return out;
}

// Whether the chain started at first brings every byte back. Only a byte 0
// (needs the previous pair FF) or 255 (needs it not FF) depends on the chain.
bool RoundTrips(std::string_view text, std::string_view key, unsigned first) {
  TKeyWalk walk(key);
  unsigned prev = first;
  for (const char ch : text) {
    const auto t = static_cast<unsigned char>(ch);
    if ((t == 0 && prev != 255) || (t == 255 && prev == 255)) return false;
    prev = ((prev + t) % 255) ^ walk.Next();
  }
  return true;
}

bool NeedsChainCheck(std::string_view text) {
  for (const char ch : text) {
    const auto t = static_cast<unsigned char>(ch);
    if (t == 0 || t == 255) return true;
  }
  return false;
}

// Decodes count whole pairs from digits on into out, each byte chained to the
// pair before it (prev at first); false at a character that is not a
// hexadecimal digit.
template <typename Key>
bool DecodePairs(const char* digits, int prev, Key key, char* out, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int high = HexValue(digits[2 * i]);
    const int low = HexValue(digits[2 * i + 1]);
    if ((high | low) < 0) return false;
    const int u = high * 16 + low;
    const int x = key.Next() ^ u;
    // prev < x ? x - prev : x + 255 - prev, without a branch
    out[i] = static_cast<char>(x - prev + (255 & -static_cast<int>(x <= prev)));
    prev = u;
  }
  return true;
}

#if defined(__SSE2__)
// The pair values of sixteen hexadecimal digits as eight 16-bit lanes (the
// value in the low byte); valid turns false at any other character.
__m128i PairLanes(const char* digits, bool& valid) {
  const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits));
  // A digit is chars - '0' below 10; a letter is (chars | 0x20) - 'a' below 6, either case.
  const __m128i digit = _mm_sub_epi8(chars, _mm_set1_epi8('0'));
  const __m128i letter = _mm_sub_epi8(_mm_or_si128(chars, _mm_set1_epi8(0x20)), _mm_set1_epi8('a'));
  const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(9)), digit);
  const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(letter, _mm_set1_epi8(5)), letter);
  valid = valid && _mm_movemask_epi8(_mm_or_si128(isDigit, isLetter)) == 0xFFFF;
  const __m128i nibbles = _mm_or_si128(_mm_and_si128(isDigit, digit),
                                       _mm_and_si128(isLetter, _mm_add_epi8(letter, _mm_set1_epi8(10))));
  // High nibbles sit in the even bytes, low ones in the odd bytes.
  return _mm_or_si128(_mm_slli_epi16(_mm_and_si128(nibbles, _mm_set1_epi16(0x0F)), 4),
                      _mm_srli_epi16(nibbles, 8));
}

// The bytes of the pairs u, each chained to the pair before it (before).
__m128i DecodedBytes(__m128i u, __m128i before, __m128i keyChar) {
  const __m128i x = _mm_xor_si128(u, keyChar);
  // x - before, one less where before >= x: the same as adding 255 modulo 256
  const __m128i notAbove = _mm_cmpeq_epi8(_mm_max_epu8(x, before), before);
  return _mm_add_epi8(_mm_sub_epi8(x, before), notAbove);
}

// The same for a key that stays one character, sixteen pairs at a time, then
// eight: every byte depends only on its own pair and the one before, never on
// an output. The last pair of a block stays in a register for the next.
bool DecodePairs(const char* digits, int prev, TConstantKey key, char* out, size_t count) {
  const __m128i keyChar = _mm_set1_epi8(static_cast<char>(key.Next()));
  __m128i last = _mm_slli_si128(_mm_cvtsi32_si128(prev), 15);  // the pair before, in byte 15
  bool valid = true;
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m128i u =
        _mm_packus_epi16(PairLanes(digits + 2 * i, valid), PairLanes(digits + 2 * i + 16, valid));
    if (!valid) return false;
    const __m128i before = _mm_or_si128(_mm_slli_si128(u, 1), _mm_srli_si128(last, 15));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), DecodedBytes(u, before, keyChar));
    last = u;
  }
  prev = _mm_cvtsi128_si32(_mm_srli_si128(last, 15)) & 0xFF;
  if (i + 8 <= count) {
    const __m128i u = _mm_packus_epi16(PairLanes(digits + 2 * i, valid), _mm_setzero_si128());
    if (!valid) return false;
    const __m128i before = _mm_or_si128(_mm_slli_si128(u, 1), _mm_cvtsi32_si128(prev));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), DecodedBytes(u, before, keyChar));
    prev = _mm_cvtsi128_si32(_mm_srli_si128(u, 7)) & 0xFF;
    i += 8;
  }
  return DecodePairs<TConstantKey>(digits + 2 * i, prev, key, out + i, count - i);
}
#endif

// Decodes text into out, reusing its storage; any malformed text gives BadDecode.
void Decode(std::string_view text, std::string_view key, std::string& out) {
  const int prev = ParsePiece(text, 0);
  if (prev < 0) {
    out = BadDecode;
  } else if (text.size() < 4) {
    // The one piece after the first pair is a single digit, or missing.
    const int u = ParsePiece(text, 2);
    if (u < 0) {
      out = BadDecode;
      return;
    }
    const int x = TKeyWalk(key).Next() ^ u;
    out.assign(1, static_cast<char>(prev < x ? x - prev : x + 255 - prev));
  } else {
    // Every pair from the second on that is complete; an odd last character is never read.
    out.resize((text.size() - 2) / 2);
    const bool decoded = key.size() <= 1
                             ? DecodePairs(text.data() + 2, prev, TConstantKey(key), out.data(), out.size())
                             : DecodePairs(text.data() + 2, prev, TKeyWalk(key), out.data(), out.size());
    if (!decoded) out = BadDecode;
  }
}

}  // namespace

TFirstByteSource SetFirstByteSource(TFirstByteSource source) {
  auto previous = std::move(FirstByteSource());
  FirstByteSource() = source ? std::move(source) : TimeOfDaySeededByte;
  return previous;
}

std::string TValueCipher::Transform(std::string_view text, std::string_view key, bool encode) {
  if (!encode) {
    std::string out;
    Decode(text, key, out);
    return out;
  }
  unsigned first = FirstByteSource()() & 0xFF;
  if (NeedsChainCheck(text) && !RoundTrips(text, key, first)) {
    for (unsigned candidate = 0; candidate < 256; ++candidate) {
      const unsigned tried = (first + candidate) & 0xFF;
      if (RoundTrips(text, key, tried)) {
        first = tried;
        break;
      }
    }
  }
  return Encode(text, key, first);
}

void TValueCipher::Execute() {
  Output = Input.empty() ? std::string() : Transform(Input, Key, Action == atEncryption);
}

std::string Encrypt(std::string_view plain) {
  return plain.empty() ? std::string() : TValueCipher::Transform(plain, {}, true);
}

std::string Decrypt(std::string_view cipher) {
  std::string plain;
  Decrypt(cipher, plain);
  return plain;
}

void Decrypt(std::string_view cipher, std::string& plain) {
  if (cipher.empty())
    plain.clear();
  else
    Decode(cipher, {}, plain);
}
