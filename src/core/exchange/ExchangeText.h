#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text on its way between our questions and other systems' markup. All text
// here is UTF-8; line breaks in our questions are CR LF.
namespace ExchangeText {

// HTML as plain text: tags dropped, character references and the common named
// entities decoded, <br> and the ends of block elements (p, div, li, tr, h1..h6)
// made line breaks (CR LF), runs of other white space folded to one blank the
// way a browser shows them (inside <pre> kept as they are), table cells
// separated by " | ", superscript 1, 2 and 3 as the characters the code page
// has for them, and leading and trailing blank lines removed. The
// content of <script> and <style> is dropped. A '<' that starts no tag ("x<y",
// a '<' before the tag's '>') is text, and so is everything from a tag or
// comment that is never closed. Linear in the text's size; never throws.
std::string HtmlToText(std::string_view html);

// HTML as plain text (as HtmlToText), with what the text cannot show.
struct THtmlText {
  std::string Text;
  // What the markup pointed to and the text lost, one entry each, in order:
  // audio "a.mp3", picture "p.png", video, embedded content, link "http://…".
  std::vector<std::string> Dropped;
  bool Unparsed = false;  // markup that does not parse ("x<y", a tag never closed), kept as text
  bool Math = false;      // a MathML formula made plain text
  bool Table = false;     // a table's cells, each row a line, cells separated by " | "
  bool Scripts = false;   // a subscript, or a superscript other than 1, 2, 3 (written after '^')
};
THtmlText ReadHtml(std::string_view html);

// The report lines for a text whose table (table) or sub- and superscripts
// (scripts) ReadHtml flattened.
std::vector<std::string> FlatteningNotes(bool table, bool scripts);

// Plain text as HTML: & < > " escaped, line breaks (CR LF, CR or LF) as <br>.
std::string TextToHtml(std::string_view text);

// Whether text holds anything that looks like HTML: a closed tag of a known
// element, bare or with attributes ("<b>", "</p>", "<br/>", "<p class=x>"), a
// comment or a character reference, so that a reader can tell marked-up text
// from plain text. "x<y and y>z" and "a<b and c>d" are plain text. Linear in
// the text's size.
bool LooksLikeHtml(std::string_view text);

// Line breaks of any kind (CR LF, CR, LF) as CR LF, as our questions store them.
std::string WithCrLf(std::string_view text);

// A name as a URI path: every byte but letters, digits, "-_.~" and the bytes
// of keep written as %XX.
std::string PercentEncode(std::string_view name, std::string_view keep);

// %XX sequences decoded; a '%' without two hex digits stays as it is.
std::string PercentDecode(std::string_view text);

}  // namespace ExchangeText
