#include "storage/ZarnEncryption.h"

#include <chrono>
#include <random>

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
  explicit TKeyWalk(std::string_view key)
      : Length(key.size()), Chars(key.empty() ? DefaultKey : key) {}
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

void AppendHex(std::string& out, unsigned value) {
  out += HexDigits[(value >> 4) & 0xF];
  out += HexDigits[value & 0xF];
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
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

std::string Encode(std::string_view text, std::string_view key, unsigned first) {
  std::string out;
  out.reserve(2 + 2 * text.size());
  AppendHex(out, first);
  TKeyWalk walk(key);
  unsigned prev = first;
  for (const char ch : text) {
    const unsigned s = (prev + static_cast<unsigned char>(ch)) % 255;
    const unsigned v = s ^ walk.Next();
    AppendHex(out, v);
    prev = v;
  }
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

std::string Decode(std::string_view text, std::string_view key) {
  int prev = ParsePiece(text, 0);
  if (prev < 0) return std::string(BadDecode);
  std::string out;
  out.reserve(text.size() / 2);
  TKeyWalk walk(key);
  size_t p = 2;  // zero-based start of the next pair
  do {
    const int u = ParsePiece(text, p);
    if (u < 0) return std::string(BadDecode);
    const int x = walk.Next() ^ u;
    const int b = prev < x ? x - prev : x + 255 - prev;
    out += static_cast<char>(b);
    prev = u;
    p += 2;
  } while (text.size() > p + 1);
  return out;
}

}  // namespace

TFirstByteSource SetFirstByteSource(TFirstByteSource source) {
  auto previous = std::move(FirstByteSource());
  FirstByteSource() = source ? std::move(source) : TimeOfDaySeededByte;
  return previous;
}

std::string TZarnEncryption::Transform(std::string_view text, std::string_view key, bool encode) {
  if (!encode) return Decode(text, key);
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

void TZarnEncryption::Execute() {
  Output = Input.empty() ? std::string() : Transform(Input, Key, Action == atEncryption);
}

std::string Encrypt(std::string_view plain) {
  return plain.empty() ? std::string() : TZarnEncryption::Transform(plain, {}, true);
}

std::string Decrypt(std::string_view cipher) {
  return cipher.empty() ? std::string() : TZarnEncryption::Transform(cipher, {}, false);
}

std::string StrTran(std::string_view s, std::string_view find, std::string_view replace) {
  if (find.size() != 1) return std::string(s);
  std::string out;
  out.reserve(s.size());
  for (const char ch : s) {
    if (ch == find[0]) out += replace;
    else out += ch;
  }
  return out;
}
