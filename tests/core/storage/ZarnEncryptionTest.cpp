#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>

#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"

using namespace std::string_literals;

namespace {

std::string Encode(std::string_view text, std::string_view key = {}) {
  return TValueCipher::Transform(text, key, true);
}
std::string Decode(std::string_view text, std::string_view key = {}) {
  return TValueCipher::Transform(text, key, false);
}

}  // namespace

// Known cipher texts pin the format the engine reads: modulus 255, the key
// position walk, upper-case digits and the first pair.
struct TCipherVector {
  unsigned First;
  std::string Plain;
  std::string Key;
  std::string Cipher;
};

class CipherVectorTest : public testing::TestWithParam<TCipherVector> {};

TEST_P(CipherVectorTest, EncodesAndDecodesExactly) {
  const auto& v = GetParam();
  TFixedFirstByte fixed(v.First);
  EXPECT_EQ(Encode(v.Plain, v.Key), v.Cipher);
  EXPECT_EQ(Decode(v.Cipher, v.Key), v.Plain);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, CipherVectorTest,
    testing::Values(TCipherVector{0x00, "A", "", "000C"},
                    // upper-case digits, chained through the previous pair
                    TCipherVector{0xAB, "z", "", "AB6B"},
                    // (255 + 1) mod 255 = 1, where mod 256 would give 0
                    TCipherVector{0xFF, "\x01", "", "FF4C"},
                    // the empty key uses 'M' for every byte
                    TCipherVector{0x00, "AAA", "", "000C000C"}, TCipherVector{0x10, "Hi", "", "101533"},
                    // a real key walks its characters 1..k and starts again
                    TCipherVector{0x00, "ABC", "xy", "0039023D"},
                    TCipherVector{0x10, "Hi", "Mav Ruk", "10151F"},
                    TCipherVector{0x5A, "No description", "", "5AE5187594B46585BA699444E01DC6"}));

TEST(ZarnEncryptionTest, EmptyTextStaysEmptyBothWays) {
  EXPECT_EQ(Encrypt(""), "");
  EXPECT_EQ(Decrypt(""), "");
  TValueCipher cipher;
  cipher.Output = "stale";
  cipher.Execute();
  EXPECT_EQ(cipher.Output, "");
}

TEST(ZarnEncryptionTest, ExecuteFollowsActionAndKey) {
  TFixedFirstByte fixed(0);
  TValueCipher cipher;
  EXPECT_EQ(cipher.Action, atEncryption);
  cipher.Input = "ABC";
  cipher.Key = "xy";
  cipher.Execute();
  EXPECT_EQ(cipher.Output, "0039023D");
  cipher.Input = cipher.Output;
  cipher.Action = atDecryption;
  cipher.Execute();
  EXPECT_EQ(cipher.Output, "ABC");
}

TEST(ZarnEncryptionTest, EveryByteFrom1To254RoundTripsWithAnyFirstByte) {
  std::string all;
  for (int b = 1; b <= 254; ++b) all += static_cast<char>(b);
  all += "\r\nsecond line\r\n";
  for (unsigned first : {0u, 1u, 0x7Fu, 0xFEu, 0xFFu}) {
    TFixedFirstByte fixed(first);
    const std::string cipher = Encrypt(all);
    ASSERT_EQ(cipher.size(), 2 + 2 * all.size());
    EXPECT_EQ(cipher.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(Decrypt(cipher), all) << "first byte " << first;
  }
}

TEST(ZarnEncryptionTest, BytesZeroAnd255DependOnThePairBefore) {
  // 0 after FF, 255 after anything else, come back; the other two swap.
  EXPECT_EQ(Decode("FF4D"), "\0"s);
  EXPECT_EQ(Decode("004D"), "\xFF"s);
  // The encoder picks a first pair that lets them come back whenever one exists.
  for (const std::string& plain : {"\0"s, "\xFF"s, "\xFF\0"s, "a\0b\xFF"s, "x\0"s}) {
    for (unsigned first : {0u, 0xFFu, 0x42u}) {
      TFixedFirstByte fixed(first);
      EXPECT_EQ(Decrypt(Encrypt(plain)), plain) << "first byte " << first;
    }
  }
  // Two zeros in a row cannot both come back; the text is still enciphered whole.
  EXPECT_EQ(Decrypt(Encrypt("\0\0"s)).size(), 2u);
}

TEST(ZarnEncryptionTest, TextsOfEveryLengthRoundTripAndAnyBadDigitSpoilsThemWhole) {
  // Long values decode in blocks of sixteen and eight pairs, short ones and the rest pair by pair.
  std::mt19937 random(99);
  for (size_t length = 1; length <= 70; ++length) {
    std::string plain;
    for (size_t i = 0; i < length; ++i) plain += static_cast<char>(1 + random() % 254);
    TFixedFirstByte fixed(random() % 256);
    const std::string cipher = Encrypt(plain);
    ASSERT_EQ(Decrypt(cipher), plain) << length;
    std::string lower = cipher;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_EQ(Decrypt(lower), plain) << length;
    for (size_t at = 2; at + 1 < cipher.size(); ++at) {
      for (const char bad : {'G', 'g', '/', ':', '@', '`', ' ', '\x80'}) {
        std::string spoiled = cipher;
        spoiled[at] = bad;
        ASSERT_EQ(Decrypt(spoiled), BadDecode) << length << " at " << at << " " << bad;
      }
    }
  }
}

TEST(ZarnEncryptionTest, LowerCaseDigitsDecodeLikeUpperCase) {
  EXPECT_EQ(Decode("ab6b"), "z");
  EXPECT_EQ(Decode("5ae5187594b46585ba699444e01dc6"), "No description");
}

TEST(ZarnEncryptionTest, MalformedTextDecodesAsBadDecodeNotAsAPartialText) {
  for (const char* text : {"0", "00", "0G0C", "000G", "000C0G", " 00C", "+00C", "00 C", "000C-1"})
    EXPECT_EQ(Decode(text), BadDecode) << text;
}

TEST(ZarnEncryptionTest, OddLengthsReadTheLoneDigitOnlyAsThirdCharacter) {
  // Three digits: the third is read as a one-digit number.
  EXPECT_EQ(Decode("000"), "M");
  // From length 5 on the odd last character is never read, whatever it is.
  EXPECT_EQ(Decode("000CZ"), "A");
  EXPECT_EQ(Decode("000C000CZ"), Decode("000C000C"));
}
