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
  EXPECT_EQ(HtmlToText("1 < 2 and 3 > 2 <3"), "1 < 2 and 3 > 2 <3");
  EXPECT_EQ(HtmlToText("&#0; &#xD800; &#99999999;"), "\xEF\xBF\xBD \xEF\xBF\xBD &#99999999;");
}

TEST(ExchangeText, ReadHtmlNamesWhatTheTextCannotShowAndKeepsWhatDoesNotParse) {
  const THtmlText media = ReadHtml(
      "Hear <audio controls src=\"a b.mp3\"></audio><img SRC='p.png'><a href=x.html>this</a> "
      "<math><mi>x</mi></math>");
  EXPECT_EQ(media.Text, "Hear this x");
  EXPECT_EQ(media.Dropped,
            (std::vector<std::string>{"audio \"a b.mp3\"", "picture \"p.png\"", "link \"x.html\""}));
  EXPECT_TRUE(media.Math);
  EXPECT_FALSE(media.Unparsed);
  const THtmlText cut = ReadHtml("<p>If x<y and   y<z, is x<z?</p>");
  EXPECT_EQ(cut.Text, "If x<y and y<z, is x<z?");
  EXPECT_TRUE(cut.Unparsed);
  EXPECT_TRUE(ReadHtml("a <!-- never closed").Unparsed);
}

TEST(ExchangeText, TextBecomesEscapedHtml) {
  EXPECT_EQ(TextToHtml("a<b & \"c\"\r\nd\ne"), "a&lt;b &amp; &quot;c&quot;<br>d<br>e");
  EXPECT_EQ(HtmlToText(TextToHtml("1 < 2\r\n& 3 > 2")), "1 < 2\r\n& 3 > 2");
  EXPECT_TRUE(LooksLikeHtml("a <i>b</i>"));
  EXPECT_TRUE(LooksLikeHtml("fish &amp; chips"));
  EXPECT_FALSE(LooksLikeHtml("1 < 2 & 3 > 2"));
  EXPECT_FALSE(LooksLikeHtml("If x<y and y<z, is x<z?"));
  EXPECT_FALSE(LooksLikeHtml("Is a<b and c>d?"));
  EXPECT_TRUE(LooksLikeHtml("<p class=\"x\">a</p>"));
  EXPECT_TRUE(LooksLikeHtml("one<br/>two"));
  EXPECT_EQ(WithCrLf("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
}
