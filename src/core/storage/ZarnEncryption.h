#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The value cipher of every test file. A plain text of n bytes becomes 2 + 2n
// upper-case hexadecimal digits: a random first pair, then one pair per byte,
// each chained to the pair before it (modulus 255) and combined with a key
// character. The student engine deciphers the same files, so every detail here
// (first-byte range, modulus, key positions, digit case) is part of the format.

enum TActionType { atEncryption = 0, atDecryption = 1 };

inline constexpr std::string_view DefaultKey = "Mav Ruk";
inline constexpr std::string_view BadDecode = "BAD DECODE";

// Source of the first pair. It receives nothing and returns 0..255. The default
// is seeded from the time of day in milliseconds at every call; tests replace
// it to make cipher texts reproducible. Returns the previous source.
using TFirstByteSource = std::function<unsigned()>;
TFirstByteSource SetFirstByteSource(TFirstByteSource source);

class TValueCipher {
public:
  std::string Input;
  std::string Output;
  std::string Key;
  TActionType Action = atEncryption;

  // Output := Transform(Input, Key, Action == atEncryption); empty Input gives
  // empty Output.
  void Execute();

  // Encode: never fails. The drawn first byte is kept when the text deciphers
  // back exactly with it; otherwise the first byte that round-trips is used
  // (only texts holding bytes 0 or 255 can need that).
  // Decode: never fails; any malformed text yields BadDecode.
  static std::string Transform(std::string_view text, std::string_view key, bool encode);
};

// The only entry points the rest of the system uses (empty key).
std::string Encrypt(std::string_view plain);
std::string Decrypt(std::string_view cipher);
// The same into plain, reusing its storage: a reader filling the same records
// again allocates nothing.
void Decrypt(std::string_view cipher, std::string& plain);
