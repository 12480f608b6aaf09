#include <gtest/gtest.h>

#include <cmath>

#include "core/storage/Json.h"

namespace {

TEST(Json, EscapesEveryControlCharacterAndReadsBackAsWritten) {
  // ESC, DEL and U+009D (a C1 control) would drive a terminal; a stray byte
  // that is no UTF-8 would make the text unreadable as JSON.
  const std::string text = Json::Write({{"v", "\x1B[2J\t\"q\"\\\x7F\xC2\x9D caf\xC3\xA9 \xFF"}});
  EXPECT_EQ(text, R"({"v":"\u001B[2J\t\"q\"\\\u007F\u009D café �"})");
  EXPECT_EQ(Json::TValue::parse(text)["v"], "\x1B[2J\t\"q\"\\\x7F\xC2\x9D caf\xC3\xA9 \xEF\xBF\xBD");
}

TEST(Json, WithoutMarkupWritesNoAngleBracketOrAmpersand) {
  const Json::TValue value = {{"<b>", "a <i> & \"x\" > y"}};
  const std::string text = Json::Write(value, {.NoMarkup = true});
  EXPECT_EQ(text, R"({"\u003cb\u003e":"a \u003ci\u003e \u0026 \"x\" \u003e y"})");
  EXPECT_EQ(Json::TValue::parse(text), value);
  EXPECT_EQ(Json::Write(value), R"({"<b>":"a <i> & \"x\" > y"})");
}

TEST(Json, LaysOutOnOneLineOrIndentedWithPlainGroupsKeptTogether) {
  const Json::TValue value = {{"n", 1},
                              {"list", {"a", "b"}},
                              {"empty", Json::TValue::array()},
                              {"rows", {{{"x", 1}, {"y", nullptr}}, {{"deep", {{"z", true}}}}}}};
  EXPECT_EQ(
      Json::Write(value, {.Layout = Json::TLayout::OneLine}),
      R"({"n": 1, "list": ["a", "b"], "empty": [], "rows": [{"x": 1, "y": null}, {"deep": {"z": true}}]})");
  EXPECT_EQ(Json::Write(value, {.Layout = Json::TLayout::Indented}), R"({
  "n": 1,
  "list": [
    "a",
    "b"
  ],
  "empty": [],
  "rows": [
    {"x": 1, "y": null},
    {
      "deep": {"z": true}
    }
  ]
})");
  const Json::TValue page = {{"pages", {{{"a", 1}, {"b", "x"}, {"box", {{"x", 1}}}, {"c", true}}}}};
  EXPECT_EQ(Json::Write(page, {.Layout = Json::TLayout::Indented, .PlainRunsOnOneLine = true}), R"({
  "pages": [
    {
      "a": 1, "b": "x",
      "box": {"x": 1},
      "c": true
    }
  ]
})");
}

TEST(Json, DecimalsAreRoundedAndShortest) {
  EXPECT_EQ(Json::Decimal(60.0, 4).dump(), "60");
  EXPECT_EQ(Json::Decimal(-0.00001, 4).dump(), "0");
  EXPECT_EQ(Json::Decimal(0.61237, 4).dump(), "0.6124");
  EXPECT_EQ(Json::Decimal(-1.0 / 6, 4).dump(), "-0.1667");
  EXPECT_EQ(Json::Decimal(507.4, 2).dump(), "507.4");
  EXPECT_TRUE(Json::Decimal(std::nan(""), 2).is_null());
}

}  // namespace
