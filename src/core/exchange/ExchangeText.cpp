#include "core/exchange/ExchangeText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <utility>

#include "core/exchange/FormatParts.h"
#include "core/storage/CodePage.h"

namespace ExchangeText {
namespace {

// code as UTF-8; one that is no character (0, a surrogate, past U+10FFFF) as
// U+FFFD.
void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  CodePage::AppendUtf8(out, code);
}

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 24> NamedEntities = {{
    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},      {"apos", '\''},
    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"deg", 0xB0},      {"plusmn", 0xB1},
    {"times", 0xD7},   {"divide", 0xF7},  {"ndash", 0x2013}, {"mdash", 0x2014},  {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"hellip", 0x2026}, {"euro", 0x20AC},
    {"trade", 0x2122}, {"frac12", 0xBD},  {"sup2", 0xB2},    {"micro", 0xB5},
}};

// Decodes the reference at text[i] == '&'; on success appends it and returns
// the index after ';', otherwise returns i (the '&' stays as it is).
std::size_t DecodeReference(std::string_view text, std::size_t i, std::string& out) {
  const std::size_t semicolon = text.find(';', i + 1);
  if (semicolon == std::string_view::npos || semicolon - i > 12) return i;
  const std::string_view name = text.substr(i + 1, semicolon - i - 1);
  if (name.size() >= 2 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return i;
    std::uint32_t code = 0;
    for (char c : digits) {
      const int value = std::isdigit(static_cast<unsigned char>(c))           ? c - '0'
                        : hex && std::isxdigit(static_cast<unsigned char>(c)) ? (std::tolower(c) - 'a' + 10)
                                                                              : -1;
      if (value < 0) return i;
      code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
      if (code > 0x10FFFF) return i;
    }
    AppendUtf8(out, code);
    return semicolon + 1;
  }
  for (const auto& [entity, code] : NamedEntities) {
    if (entity == name) {
      AppendUtf8(out, code);
      return semicolon + 1;
    }
  }
  return i;
}

// Whether c may stand in a tag's name; XML content adds a namespace prefix
// ("qti:p", "m:math") and dashes.
bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == ':' || c == '-' || c == '_' || c == '.';
}

// The element a tag names, in lower case and without its namespace prefix.
std::string LowerName(std::string_view tag) {
  std::size_t start = tag.starts_with('/') ? 1 : 0;
  std::size_t end = start;
  while (end < tag.size() && IsNameChar(tag[end])) {
    if (tag[end] == ':') start = end + 1;
    ++end;
  }
  std::string name(tag.substr(start, end - start));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name;
}

bool IsBlock(const std::string& name) {
  static constexpr std::array<std::string_view, 11> Blocks = {"p",  "div", "li", "tr", "h1",        "h2",
                                                              "h3", "h4",  "h5", "h6", "blockquote"};
  return std::find(Blocks.begin(), Blocks.end(), name) != Blocks.end();
}

// The elements whose tags make text HTML.
bool IsKnownElement(std::string_view name) {
  static constexpr std::array<std::string_view, 75> Known = {
      "a",      "abbr",   "address", "audio",  "b",      "big",    "blockquote", "body",   "br",    "caption",
      "center", "cite",   "code",    "col",    "dd",     "del",    "div",        "dl",     "dt",    "em",
      "embed",  "figure", "font",    "h1",     "h2",     "h3",     "h4",         "h5",     "h6",    "head",
      "hr",     "html",   "i",       "iframe", "img",    "ins",    "kbd",        "li",     "math",  "mark",
      "mi",     "mn",     "mo",      "mrow",   "msup",   "object", "ol",         "p",      "pre",   "s",
      "samp",   "script", "section", "small",  "source", "span",   "strike",     "strong", "style", "sub",
      "sup",    "table",  "tbody",   "td",     "tfoot",  "th",     "thead",      "title",  "tr",    "tt",
      "u",      "ul",     "var",     "video",  "wbr"};
  return std::find(Known.begin(), Known.end(), name) != Known.end();
}

// The value of attribute name (lower case) in a tag's text, or "".
std::string Attribute(std::string_view tag, std::string_view name) {
  std::string lower(tag);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  for (std::size_t at = lower.find(name); at != std::string::npos; at = lower.find(name, at + 1)) {
    if (at == 0 || !std::isspace(static_cast<unsigned char>(lower[at - 1]))) continue;
    std::size_t i = at + name.size();
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i >= tag.size()) return {};
    const char quote = tag[i] == '"' || tag[i] == '\'' ? tag[i] : 0;
    const std::size_t from = quote ? i + 1 : i;
    const std::size_t to = quote ? tag.find(quote, from) : tag.find_first_of(" \t\r\n/", from);
    return std::string(tag.substr(from, (to == std::string_view::npos ? tag.size() : to) - from));
  }
  return {};
}

// What a tag points to that plain text cannot show, as a report names it, or "".
std::string PointsTo(const std::string& name, std::string_view tag) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 8> Kinds = {
      {{"audio", "audio"},
       {"video", "video"},
       {"source", "media"},
       {"img", "picture"},
       {"embed", "embedded content"},
       {"iframe", "embedded content"},
       {"object", "embedded content"},
       {"a", "link"}}};
  for (const auto& [element, kind] : Kinds) {
    if (name != element) continue;
    const std::string target = Attribute(tag, name == "a" ? "href" : name == "object" ? "data" : "src");
    if (target.empty()) return name == "audio" || name == "video" ? std::string(kind) : std::string();
    return std::string(kind) + " \"" + target + "\"";
  }
  return {};
}

// Adds a line break unless the text ends in one already (blank lines from
// nested blocks are not doubled).
void BreakLine(std::string& out) {
  while (!out.empty() && out.back() == ' ') out.pop_back();
  if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
}

std::string TrimBlankLines(std::string text) {
  while (text.ends_with("\r\n") || text.ends_with(' '))
    text.erase(text.size() - (text.back() == ' ' ? 1 : 2));
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\r' || text[start] == '\n')) ++start;
  return text.substr(start);
}

// The superscript of html at i, after its <sup> tag, as the code page's
// superscript characters when it is only 1, 2 and 3 ("x<sup>2</sup>"), with
// the index after its </sup>; nothing otherwise.
std::optional<std::pair<std::string, std::size_t>> CodePageSuperscript(std::string_view html, std::size_t i) {
  const std::size_t end = html.find("</sup>", i);
  if (end == std::string_view::npos || end == i) return std::nullopt;
  std::string out;
  for (char c : html.substr(i, end - i)) {
    if (c < '1' || c > '3') return std::nullopt;
    out += c == '1' ? "\xC2\xB9" : c == '2' ? "\xC2\xB2" : "\xC2\xB3";
  }
  return std::pair{out, end + 6};
}

}  // namespace

THtmlText ReadHtml(std::string_view html) {
  THtmlText result;
  std::string& out = result.Text;
  std::size_t close = 0, open = 0;  // the next '>' and '<' after a tag's start
  out.reserve(html.size());
  bool pendingSpace = false;
  int pre = 0;  // open <pre> elements: white space kept as it is
  // Text from position i on, as it stands, for markup that never closes.
  const auto keepRest = [&](std::size_t i) {
    for (; i < html.size(); ++i) {
      const char c = html[i];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        pendingSpace = !out.empty() && !out.ends_with("\r\n");
        continue;
      }
      if (pendingSpace) out += ' ';
      pendingSpace = false;
      out += c;
    }
    result.Unparsed = true;
  };
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    const char next = i + 1 < html.size() ? html[i + 1] : '\0';
    if (c == '<' &&
        (std::isalpha(static_cast<unsigned char>(next)) || next == '/' || next == '!' || next == '?')) {
      if (html.substr(i, 4) == "<!--") {
        const std::size_t end = html.find("-->", i + 4);
        if (end == std::string_view::npos) {
          keepRest(i);
          break;
        }
        i = end + 3;
        continue;
      }
      // Both found once for many tags, so that text of many '<' stays linear.
      if (close != std::string_view::npos && close <= i) close = html.find('>', i + 1);
      if (open != std::string_view::npos && open <= i) open = html.find('<', i + 1);
      if (close == std::string_view::npos) {
        keepRest(i);
        break;
      }
      std::size_t afterName = i + 1 + (next == '/');
      while (afterName < close && IsNameChar(html[afterName])) ++afterName;
      const char stop = html[afterName];
      if (open < close || !(next == '!' || next == '?' || stop == '>' || stop == '/' ||
                            std::isspace(static_cast<unsigned char>(stop)))) {
        // "x<y and y<z": a '<' that starts no tag is text.
        result.Unparsed = true;
        if (pendingSpace) out += ' ';
        pendingSpace = false;
        out += c;
        ++i;
        continue;
      }
      const std::size_t end = close;
      const std::string_view tag = html.substr(i + 1, end - i - 1);
      const std::string name = LowerName(tag);
      i = end + 1;
      if (name == "script" || name == "style") {
        if (!tag.starts_with('/')) {
          const std::size_t close = html.find("</", i);
          i = close == std::string_view::npos ? html.size() : close;
        }
        continue;
      }
      if (name == "math" && !tag.starts_with('/')) result.Math = true;
      if (!tag.starts_with('/'))
        if (std::string target = PointsTo(name, tag); !target.empty())
          result.Dropped.push_back(std::move(target));
      const bool start = !tag.starts_with('/');
      if (name == "br" || IsBlock(name)) {
        BreakLine(out);
        pendingSpace = false;
      } else if (name == "pre") {
        BreakLine(out);
        pendingSpace = false;
        pre = std::max(0, pre + (start ? 1 : -1));
      } else if ((name == "td" || name == "th") && start) {
        result.Table = true;
        if (!out.empty() && !out.ends_with("\r\n")) out += " | ";
        pendingSpace = false;
      } else if (name == "sup" && start && !tag.ends_with('/')) {
        if (auto digits = CodePageSuperscript(html, i)) {
          if (pendingSpace) out += ' ';
          pendingSpace = false;
          out += digits->first;
          i = digits->second;
        } else {
          result.Scripts = true;
          out += '^';
          pendingSpace = false;
        }
      } else if (name == "sub" && start) {
        result.Scripts = true;
      }
      continue;
    }
    if (pre > 0 && (c == ' ' || c == '\t' || c == '\r' || c == '\n')) {
      // Preformatted: each line break and blank as written.
      if (pendingSpace) out += ' ';
      pendingSpace = false;
      if (c == '\n')
        out += "\r\n";
      else if (c == '\r' && next != '\n')
        out += "\r\n";
      else if (c != '\r')
        out += c;
      ++i;
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      pendingSpace = !out.empty() && !out.ends_with("\r\n");
      ++i;
      continue;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    if (c == '&') {
      const std::size_t after = DecodeReference(html, i, out);
      if (after != i) {
        i = after;
        continue;
      }
    }
    out += c;
    ++i;
  }
  out = TrimBlankLines(std::move(out));
  return result;
}

std::string HtmlToText(std::string_view html) {
  return ReadHtml(html).Text;
}

std::vector<std::string> FlatteningNotes(bool table, bool scripts) {
  std::vector<std::string> notes;
  if (table) notes.emplace_back("table flattened: a line a row, its cells separated by \" | \"");
  if (scripts) notes.emplace_back("subscript or superscript flattened to plain text");
  return notes;
}

std::string TextToHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "<br>";
        break;
      case '\n':
        out += "<br>";
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

bool LooksLikeHtml(std::string_view text) {
  const std::size_t lastCommentEnd = text.rfind("-->");
  std::size_t close = 0, open = 0;  // the next '>' after a tag's name, the next '<' after its start
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '<') {
      if (text.substr(i, 4) == "<!--" && lastCommentEnd != std::string_view::npos && lastCommentEnd > i)
        return true;
      std::size_t name = i + 1 < text.size() && text[i + 1] == '/' ? i + 2 : i + 1;
      std::size_t end = name;
      while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) ++end;
      // A namespace prefix, as XML content carries it ("<qti:p>"), names no element.
      if (end > name && end < text.size() && text[end] == ':') {
        name = ++end;
        while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) ++end;
      }
      if (end == name || end >= text.size() || !IsKnownElement(LowerName(text.substr(name, end - name))))
        continue;
      if (close != std::string_view::npos && close < end) close = text.find('>', end);
      if (open != std::string_view::npos && open <= i) open = text.find('<', i + 1);
      if (close == std::string_view::npos || open < close) continue;
      // "<b>", "<br/>", "<p class=x>"; "x<b and c>y" is a comparison.
      const std::string_view rest = FormatParts::Trim(text.substr(end, close - end));
      if (rest.empty() || rest == "/" ||
          (std::isspace(static_cast<unsigned char>(text[end])) && rest.find('=') != std::string_view::npos))
        return true;
    }
    if (text[i] == '&') {
      std::string scratch;
      if (DecodeReference(text, i, scratch) != i) return true;
    }
  }
  return false;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string PercentEncode(std::string_view name, std::string_view keep) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : name) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~' ||
        keep.find(static_cast<char>(c)) != std::string_view::npos) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += Hex[c >> 4];
      out += Hex[c & 0xF];
    }
  }
  return out;
}

std::string PercentDecode(std::string_view text) {
  const auto digit = [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
  };
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
      out += static_cast<char>(digit(text[i + 1]) * 16 + digit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace ExchangeText
