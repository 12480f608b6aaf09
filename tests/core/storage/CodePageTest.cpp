#include <gtest/gtest.h>

#include "core/storage/CodePage.h"

using namespace std::string_literals;

TEST(CodePageTest, EveryByteSurvivesUnicodeAndBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const auto back = CodePage::FromUtf8(CodePage::ToUtf8(all));
  EXPECT_EQ(back.Text, all);
  EXPECT_TRUE(back.Unmappable.empty());
}

TEST(CodePageTest, TheRange80To9FHoldsTheTypographicCharacters) {
  EXPECT_EQ(CodePage::ToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(CodePage::ToUnicode(0x93), U'\u201C');
  EXPECT_EQ(CodePage::ToUnicode(0x9F), U'\u0178');
  EXPECT_EQ(CodePage::ToUnicode(0xE9), U'\u00E9');
  EXPECT_EQ(CodePage::ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
  unsigned char byte = 0;
  ASSERT_TRUE(CodePage::FromUnicode(U'\u2122', byte));
  EXPECT_EQ(byte, 0x99);
  // Latin-1 code points that the code page puts elsewhere are not held.
  EXPECT_FALSE(CodePage::FromUnicode(U'\u0080', byte));
  EXPECT_FALSE(CodePage::FromUnicode(U'\u0100', byte));
}

TEST(CodePageTest, UnmappableCharactersAreReportedOnceInOrderAndStoredAsQuestionMarks) {
  // "Ωa€Ωλ": Omega and lambda cannot be held, the euro sign can.
  const auto encoded = CodePage::FromUtf8(
      "\xCE\xA9"
      "a\xE2\x82\xAC\xCE\xA9\xCE\xBB");
  EXPECT_EQ(encoded.Text, "?a\x80??");
  EXPECT_EQ(encoded.Unmappable, U"\u03A9\u03BB");
}

TEST(CodePageTest, MalformedUtf8CountsAsTheReplacementCharacter) {
  for (const std::string& bad : {"\xC3"s, "\xC0\xAF"s, "\xE0\x80\xAF"s, "\xED\xA0\x80"s, "\xF8\x80\x80"s,
                                 "\xFF\x80\x80"s, "\xF4\x90\x80\x80"s}) {
    const auto encoded = CodePage::FromUtf8("x" + bad);
    EXPECT_EQ(encoded.Text.substr(0, 2), "x?") << testing::PrintToString(bad);
    EXPECT_EQ(encoded.Unmappable, U"\uFFFD") << testing::PrintToString(bad);
  }
  // A sequence cut short does not swallow the character after it.
  EXPECT_EQ(CodePage::FromUtf8("\xE2\x82"
                               "A")
                .Text,
            "?A");
}

TEST(CodePageTest, RepairUtf8NamesTheLinesOfMalformedSequencesAndKeepsValidText) {
  // A Latin-1 byte, a cut sequence before a line end, an overlong form; a
  // well-formed U+FFFD is text and stays.
  std::string text = "caf\xE9\nok \xEF\xBF\xBD\nend \xC3\n\xC0\xAF!";
  EXPECT_EQ(CodePage::RepairUtf8(text), (std::vector<int>{1, 3, 4}));
  EXPECT_EQ(text,
            "caf?\nok \xEF\xBF\xBD\nend ?\n?"
            "?!");
  std::string valid = "caf\xC3\xA9";
  EXPECT_TRUE(CodePage::RepairUtf8(valid).empty());
  EXPECT_EQ(valid, "caf\xC3\xA9");
}
