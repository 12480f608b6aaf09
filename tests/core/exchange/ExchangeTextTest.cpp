#include <gtest/gtest.h>

#include "core/exchange/ExchangeText.h"

using namespace ExchangeText;

TEST(ExchangeText, HtmlBecomesTheTextABrowserShows) {
  EXPECT_EQ(HtmlToText("<p>Which  <b>river</b>\n flows</p><p>north?</p>"), "Which river flows\r\nnorth?");
  EXPECT_EQ(HtmlToText("a<br/>b<BR>c"), "a\r\nb\r\nc");
  EXPECT_EQ(HtmlToText("<ul><li>one</li><li>two</li></ul>"), "one\r\ntwo");
  EXPECT_EQ(HtmlToText("5 &lt; 7 &amp;&amp; caf&eacute; &#233;&#xE9; &euro;"),
            "5 < 7 && caf&eacute; \xC3\xA9\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(HtmlToText("x<script>alert('<p>')</script>y<!-- <b> -->z"), "xyz");
  EXPECT_EQ(HtmlToText("cut <b"), "cut");
  EXPECT_EQ(HtmlToText("&#0; &#xD800; &#99999999;"), "\xEF\xBF\xBD \xEF\xBF\xBD &#99999999;");
}

TEST(ExchangeText, TextBecomesEscapedHtml) {
  EXPECT_EQ(TextToHtml("a<b & \"c\"\r\nd\ne"), "a&lt;b &amp; &quot;c&quot;<br>d<br>e");
  EXPECT_EQ(HtmlToText(TextToHtml("1 < 2\r\n& 3 > 2")), "1 < 2\r\n& 3 > 2");
  EXPECT_TRUE(LooksLikeHtml("a <i>b</i>"));
  EXPECT_TRUE(LooksLikeHtml("fish &amp; chips"));
  EXPECT_FALSE(LooksLikeHtml("1 < 2 & 3 > 2"));
  EXPECT_EQ(WithCrLf("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
}
