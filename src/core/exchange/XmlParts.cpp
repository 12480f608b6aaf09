#include "core/exchange/XmlParts.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/exchange/ExchangeText.h"
#include "core/exchange/QuestionFormat.h"

namespace XmlParts {

namespace {

int LineOf(std::string_view bytes, std::ptrdiff_t offset) {
  const auto end =
      bytes.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(bytes.size()));
  return 1 + static_cast<int>(std::count(bytes.begin(), end, '\n'));
}

// Stands for a blank line while ExchangeText::HtmlToText folds the rest; it
// is no character of XML text.
constexpr char BlankLine = '\x01';

// The lower-case name of the tag whose text (between '<' and '>') is tag.
std::string TagName(std::string_view tag) {
  std::size_t begin = tag.starts_with('/') ? 1 : 0, end = begin;
  while (end < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[end])) || tag[end] == ':')) ++end;
  std::string name(tag.substr(begin, end - begin));
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name;
}

bool EndsLine(const std::string& name) {
  static constexpr std::string_view Blocks[] = {"p",  "div", "li", "tr", "h1", "h2",         "h3",
                                                "h4", "h5",  "h6", "ul", "ol", "blockquote", "table"};
  return std::find(std::begin(Blocks), std::end(Blocks), name) != std::end(Blocks);
}

// html with a BlankLine in place of each <br> that follows a line break: the
// second of "<br><br>", the one in "</p><p><br></p>".
std::string MarkBlankLines(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  bool text = false, lineOpen = false;
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] == BlankLine) {
      ++i;
      continue;
    }
    if (html[i] != '<') {
      if (!std::isspace(static_cast<unsigned char>(html[i]))) text = lineOpen = true;
      out += html[i++];
      continue;
    }
    const bool comment = html.substr(i, 4) == "<!--";
    const std::size_t close = comment ? html.find("-->", i + 4) : html.find('>', i + 1);
    if (close == std::string_view::npos) {  // no tag closes after this one either
      out.append(html.substr(i));
      break;
    }
    const std::size_t end = close + (comment ? 3 : 1);
    const std::string name = comment ? std::string() : TagName(html.substr(i + 1, end - i - 1));
    if (name == "br" && text && !lineOpen)
      out += BlankLine;
    else
      out.append(html.substr(i, end - i));
    if (name == "br" || EndsLine(name)) lineOpen = false;
    i = end;
  }
  return out;
}

// Where the tag or comment opening at html[at] ends (its '>'), or npos when
// that '<' opens none.
std::size_t TagEnd(std::string_view html, std::size_t at) {
  if (html.substr(at, 4) == "<!--") {
    const std::size_t end = html.find("-->", at + 4);
    return end == std::string_view::npos ? end : end + 2;
  }
  std::size_t i = at + 1;
  if (i < html.size() && (html[i] == '/' || html[i] == '!' || html[i] == '?')) ++i;
  if (i >= html.size() || !std::isalpha(static_cast<unsigned char>(html[i]))) return std::string_view::npos;
  char quote = 0, last = 0;
  for (; i < html.size(); ++i) {
    const char c = html[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if ((c == '"' || c == '\'') && last == '=') {
      quote = c;
    } else if (c == '>') {
      return i;
    } else if (c == '<') {
      return std::string_view::npos;
    }
    if (!std::isspace(static_cast<unsigned char>(c))) last = c;
  }
  return std::string_view::npos;
}

// The first element nested deeper than MaxDepth, walked without recursion.
pugi::xml_node TooDeep(const pugi::xml_document& document) {
  int depth = 0;
  pugi::xml_node node = document.first_child();
  while (node) {
    if (const pugi::xml_node child = node.first_child()) {
      node = child;
      if (++depth > MaxDepth) return node;
      continue;
    }
    while (node && !node.next_sibling()) {
      node = node.parent();
      --depth;
    }
    if (node) node = node.next_sibling();
  }
  return {};
}

// folded text with each BlankLine made the blank line it stands for.
std::string KeepBlankLines(const std::string& folded) {
  if (folded.find(BlankLine) == std::string::npos) return folded;
  std::string text;
  text.reserve(folded.size());
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (folded[i] != BlankLine) {
      text += folded[i];
      continue;
    }
    text += "\r\n";
    if (folded.compare(i + 1, 2, "\r\n") == 0)
      i += 2;  // a block's own break
    else if (i + 1 < folded.size() && folded[i + 1] == ' ')
      ++i;  // folded white space after the break
  }
  while (text.ends_with("\r\n")) text.resize(text.size() - 2);
  return text;
}

}  // namespace

void Parse(pugi::xml_document& document, std::string_view bytes, std::string_view where) {
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
  if (!parsed)
    throw TFormatError(std::string(where) + "line " + std::to_string(LineOf(bytes, parsed.offset)) + ": " +
                       parsed.description());
  if (const pugi::xml_node deep = TooDeep(document)) {
    const int line = LineOf(bytes, deep.offset_debug());
    document.reset();
    throw TFormatError(std::string(where) + "line " + std::to_string(line) +
                       ": elements nested deeper than " + std::to_string(MaxDepth) + " levels");
  }
}

pugi::xml_node StartDocument(pugi::xml_document& document, const char* root) {
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version") = "1.0";
  declaration.append_attribute("encoding") = "UTF-8";
  return document.append_child(root);
}

std::string Serialize(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
  return out.str();
}

bool IsImage(std::string_view name) {
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string ext(name.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == "png" || ext == "jpg" || ext == "jpeg" || ext == "gif" || ext == "bmp" || ext == "svg" ||
         ext == "webp";
}

std::string HtmlToText(std::string_view html) {
  return ReadHtml(html).Text;
}

ExchangeText::THtmlText ReadHtml(std::string_view html) {
  const std::string marked = MarkBlankLines(html);
  ExchangeText::THtmlText read = ExchangeText::ReadHtml(marked);
  read.Text = KeepBlankLines(read.Text);
  return read;
}

std::string EscapeBareLessThan(std::string_view html, bool& repaired) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size(); ++i) {
    if (html[i] != '<') {
      out += html[i];
      continue;
    }
    const std::size_t end = TagEnd(html, i);
    if (end == std::string_view::npos) {
      out += "&lt;";
      repaired = true;
      continue;
    }
    out.append(html.substr(i, end + 1 - i));
    i = end;
  }
  return out;
}

bool HoldsMathMl(std::string_view html) {
  for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
    std::string name = TagName(html.substr(at + 1, 40));
    if (const auto colon = name.rfind(':'); colon != std::string::npos) name.erase(0, colon + 1);
    if (name == "math" && html.substr(at + 1, 1) != "/") return true;
  }
  return false;
}

}  // namespace XmlParts
