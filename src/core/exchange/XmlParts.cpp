#include "core/exchange/XmlParts.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/exchange/QuestionFormat.h"

namespace XmlParts {

namespace {

int LineOf(std::string_view bytes, std::ptrdiff_t offset) {
  const auto end =
      bytes.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(bytes.size()));
  return 1 + static_cast<int>(std::count(bytes.begin(), end, '\n'));
}

}  // namespace

void Parse(pugi::xml_document& document, std::string_view bytes, std::string_view where) {
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
  if (!parsed)
    throw TFormatError(std::string(where) + "line " + std::to_string(LineOf(bytes, parsed.offset)) + ": " +
                       parsed.description());
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

}  // namespace XmlParts
