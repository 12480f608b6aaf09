// The value cipher on arbitrary text. Decoding never fails: it gives plain text
// of one byte per complete pair, or the failure marker. Encoding gives 2 + 2n
// upper-case digits, and decoding them returns the text whenever some first
// byte lets it come back (always, for texts without the bytes 0 and 255).

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ScratchFiles.h"
#include "core/storage/ZarnEncryption.h"

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Pairs a well-formed cipher text of this length decodes into: the first data
// piece is always read, a last single character is not.
size_t DecodedLength(size_t length) {
  return length <= 4 ? 1 : (length - 2) / 2;
}

void CheckDecode(const std::string& text, const std::string& key) {
  const std::string plain = TValueCipher::Transform(text, key, false);
  if (text.size() < 3) {
    FUZZ_CHECK(plain == BadDecode);
    return;
  }
  // Only the characters that are read decide; a last odd one is never read.
  const size_t read = text.size() >= 5 && text.size() % 2 == 1 ? text.size() - 1 : text.size();
  bool wellFormed = true;
  for (size_t i = 0; i < read; ++i) wellFormed = wellFormed && IsHexDigit(text[i]);
  if (!wellFormed) {
    FUZZ_CHECK(plain == BadDecode);
    return;
  }
  FUZZ_CHECK(plain.size() == DecodedLength(text.size()));
  // Digit case does not matter.
  std::string upper = text;
  for (char& c : upper)
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  FUZZ_CHECK(TValueCipher::Transform(upper, key, false) == plain);
}

bool EveryByteInRange(const std::string& text) {
  for (const char c : text)
    if (c == '\0' || c == '\xFF') return false;
  return true;
}

std::string EncodeWith(const std::string& text, const std::string& key, unsigned first) {
  const TFirstByteSource previous = SetFirstByteSource([first] { return first; });
  std::string cipher = TValueCipher::Transform(text, key, true);
  SetFirstByteSource(previous);
  return cipher;
}

void CheckEncode(const std::string& text, const std::string& key, unsigned drawn) {
  const std::string cipher = EncodeWith(text, key, drawn);
  FUZZ_CHECK(cipher.size() == 2 + 2 * text.size());
  for (const char c : cipher) FUZZ_CHECK((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
  const std::string back = TValueCipher::Transform(cipher, key, false);
  if (text.empty() || back == text) return;
  FUZZ_CHECK(!EveryByteInRange(text));
  // Texts with 0 or 255 depend on the chain; none may come back with any first
  // byte. Each try searches all first bytes itself, so only short texts are tried.
  if (text.size() > 64) return;
  for (unsigned first = 0; first < 256; ++first)
    FUZZ_CHECK(TValueCipher::Transform(EncodeWith(text, key, first), key, false) != text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const unsigned drawn = input.ConsumeIntegral<uint8_t>();
  const std::string key = input.ConsumeBool() ? input.ConsumeRandomLengthString(12) : std::string();
  const std::string text = input.ConsumeRemainingBytesAsString();

  CheckDecode(text, key);
  if (!text.empty()) CheckEncode(text, key, drawn);

  // A key of one repeated character works like that character alone, or like
  // the empty key for the first character of the default key; the cipher
  // takes different code for the two, so they must agree byte for byte.
  const std::string single = key.substr(0, 1);
  const std::string doubled(2, single.empty() ? DefaultKey[0] : single[0]);
  FUZZ_CHECK(TValueCipher::Transform(text, single, false) == TValueCipher::Transform(text, doubled, false));
  if (!text.empty()) FUZZ_CHECK(EncodeWith(text, single, drawn) == EncodeWith(text, doubled, drawn));

  // The system's own entry points: the empty text stays empty both ways.
  if (text.empty()) FUZZ_CHECK(Encrypt(text).empty() && Decrypt(text).empty());
  FUZZ_CHECK(Decrypt(text) == (text.empty() ? std::string() : TValueCipher::Transform(text, {}, false)));
  return 0;
}
