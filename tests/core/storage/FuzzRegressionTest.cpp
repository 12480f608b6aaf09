// Inputs the fuzz targets found to break a rule, kept so the fault stays fixed.

#include <gtest/gtest.h>

#include <string>

#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"

using namespace std::string_literals;

// A pair FF followed by the byte 255 sums to 510, which is 0 modulo 255; a
// single conditional subtraction left 255 there, so the cipher text was not
// the one the format defines and the first-pair search, which follows the true
// chain, no longer predicted which texts come back. "\xFF\0\0" comes back with
// no first pair, so the drawn FF stays.
TEST(FuzzRegressionTest, AByte255AfterPairFFChainsFromZero) {
  TFixedFirstByte first(0xFF);
  EXPECT_EQ(Encrypt("\xFF\0\0"s), "FF4D004D");
  // The same through the key walk of a longer key: 0 ^ 'K', 4B ^ 'e', 2E ^ 'y'.
  EXPECT_EQ(TValueCipher::Transform("\xFF\0\0"s, "Key", true), "FF4B2E57");
}
