#pragma once

#include <string>
#include <string_view>

// Text on its way between our questions and other systems' markup. All text
// here is UTF-8; line breaks in our questions are CR LF.
namespace ExchangeText {

// HTML as plain text: tags dropped, character references and the common named
// entities decoded, <br> and the ends of block elements (p, div, li, tr, h1..h6)
// made line breaks (CR LF), runs of other white space folded to one blank the
// way a browser shows them, and leading and trailing blank lines removed. The
// content of <script> and <style> is dropped. Never throws; unterminated tags
// end the text.
std::string HtmlToText(std::string_view html);

// Plain text as HTML: & < > " escaped, line breaks (CR LF, CR or LF) as <br>.
std::string TextToHtml(std::string_view text);

// Whether text holds anything that looks like an HTML tag or entity, so that a
// reader can tell marked-up text from plain text.
bool LooksLikeHtml(std::string_view text);

// Line breaks of any kind (CR LF, CR, LF) as CR LF, as our questions store them.
std::string WithCrLf(std::string_view text);

// A name as a URI path: every byte but letters, digits, "-_.~" and the bytes
// of keep written as %XX.
std::string PercentEncode(std::string_view name, std::string_view keep);

// %XX sequences decoded; a '%' without two hex digits stays as it is.
std::string PercentDecode(std::string_view text);

}  // namespace ExchangeText
