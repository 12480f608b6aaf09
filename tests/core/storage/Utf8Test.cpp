#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

#include "core/storage/Utf8.h"

using namespace std::string_literals;

namespace {

// Whole-text validity as SequenceLength judges it, one sequence after the
// other: what IsValid must answer for every text.
bool ValidBySequences(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8::SequenceLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// Whether IsValid judges text as ValidBySequences does; fails the test with
// the text when not.
bool SameJudgement(std::string_view text) {
  if (Utf8::IsValid(text) == ValidBySequences(text)) return true;
  ADD_FAILURE() << testing::PrintToString(std::string(text)) << " judged " << Utf8::IsValid(text);
  return false;
}

// IsValid reads ASCII in runs and the rest byte by byte; a piece of text is
// judged the same whatever stands around it, so it is tried behind a run of
// ASCII long enough to be skipped whole, and before one.
class TPlacedPieces {
public:
  bool Same(std::string_view piece) {
    std::memcpy(Buffer + Run, piece.data(), piece.size());
    std::memset(Buffer + Run + piece.size(), 'a', Run);
    return SameJudgement({Buffer, Run + piece.size()}) && SameJudgement({Buffer + Run, piece.size() + Run});
  }

private:
  static constexpr std::size_t Run = 21;
  char Buffer[2 * Run + 4] = "aaaaaaaaaaaaaaaaaaaaa";
};

TEST(Utf8Test, IsValidJudgesEveryShortSequenceAsSequenceLengthDoes) {
  // Every text of one, two and three bytes.
  char bytes[4];
  for (unsigned x = 0; x < (1u << 24); ++x) {
    bytes[0] = static_cast<char>(x >> 16);
    bytes[1] = static_cast<char>(x >> 8);
    bytes[2] = static_cast<char>(x);
    for (std::size_t length = 1; length <= 3; ++length)
      if (!SameJudgement({bytes, length})) return;
  }
  // Every pair of leading bytes with the bytes at each edge of a range after
  // it: as four bytes alone, and the first three of them in every place.
  const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0,
                                 0xBF, 0xC0, 0xC2, 0xE0, 0xED, 0xF0, 0xF4, 0xFF};
  TPlacedPieces placed;
  for (unsigned x = 0; x < (1u << 16); ++x)
    for (const unsigned char third : edges) {
      bytes[0] = static_cast<char>(x >> 8);
      bytes[1] = static_cast<char>(x);
      bytes[2] = static_cast<char>(third);
      if (!placed.Same({bytes, 2}) || !placed.Same({bytes, 3})) return;
      for (const unsigned char fourth : edges) {
        bytes[3] = static_cast<char>(fourth);
        if (!SameJudgement({bytes, 4})) return;
      }
    }
}

TEST(Utf8Test, IsValidRefusesEveryMalformedFormWhereverItStands) {
  // Overlong forms, surrogates, past U+10FFFF, stray continuation bytes,
  // bytes never used, and sequences cut short by the end or by ASCII.
  const std::string malformed[] = {"\xC0\xAF"s,
                                   "\xC1\xBF"s,
                                   "\xE0\x9F\xBF"s,
                                   "\xF0\x8F\xBF\xBF"s,
                                   "\xED\xA0\x80"s,
                                   "\xED\xBF\xBF"s,
                                   "\xF4\x90\x80\x80"s,
                                   "\xF5\x80\x80\x80"s,
                                   "\x80"s,
                                   "\xBF"s,
                                   "\xFE"s,
                                   "\xFF"s,
                                   "\xC3"s,
                                   "\xE2\x82"s,
                                   "\xF0\x9F\x98"s,
                                   "\xE2\x82"
                                   "A"s,
                                   "\xF0\x9F"
                                   "AB"s};
  // Greek, Chinese and an emoji around ASCII: every byte of it valid.
  const std::string valid =
      "a \xCE\xB1\xCF\x81 the \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80 of \xCE\xB8 number \xE7\xAD\x94";
  ASSERT_TRUE(Utf8::IsValid(valid));
  for (const std::string& bad : malformed) {
    ASSERT_FALSE(ValidBySequences(bad)) << testing::PrintToString(bad);
    // At every place between characters of the valid text, across the runs
    // of sixteen bytes the check takes at a time.
    for (std::size_t at = 0; at <= valid.size(); ++at) {
      if (at < valid.size() && (static_cast<unsigned char>(valid[at]) & 0xC0) == 0x80) continue;
      const std::string text = valid.substr(0, at) + bad + valid.substr(at);
      EXPECT_FALSE(Utf8::IsValid(text)) << testing::PrintToString(text);
    }
  }
  // A sequence cut short by a long run of ASCII stays malformed when the
  // bytes it lacks follow the run, wherever the cut falls.
  for (std::size_t at = 0; at < 40; ++at)
    for (const std::string& cut : {"\xE2\x82"s, "\xF0\x9F"s, "\xCE"s}) {
      const std::string text = std::string(at, 'x') + cut + std::string(32, 'y') + "\x80\x80";
      EXPECT_FALSE(Utf8::IsValid(text)) << testing::PrintToString(text);
    }
  // The well-formed extremes of each length stay valid.
  for (const std::string& good : {"\x7F"s, "\xC2\x80"s, "\xDF\xBF"s, "\xE0\xA0\x80"s, "\xED\x9F\xBF"s,
                                  "\xEE\x80\x80"s, "\xEF\xBF\xBF"s, "\xF0\x90\x80\x80"s, "\xF4\x8F\xBF\xBF"s})
    EXPECT_TRUE(Utf8::IsValid(std::string(40, 'x') + good + valid)) << testing::PrintToString(good);
  EXPECT_TRUE(Utf8::IsValid(""));
  EXPECT_TRUE(Utf8::IsValid("\0\0"s));
}

}  // namespace
