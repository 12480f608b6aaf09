#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

// Pieces the XML formats share: parsing with the failure's line, the
// declaration every written document starts with, and the written form.
namespace XmlParts {

// Parses bytes (any encoding pugixml detects) into document; on failure
// throws TFormatError "<where>line N: <what>", where is "" or ends in ": ".
void Parse(pugi::xml_document& document, std::string_view bytes, std::string_view where = {});

// Appends the <?xml version="1.0" encoding="UTF-8"?> declaration and the root
// element name to document; returns the root.
pugi::xml_node StartDocument(pugi::xml_document& document, const char* root);

// document as UTF-8, indented by two blanks.
std::string Serialize(const pugi::xml_document& document);

// Whether a file name's extension (any letter case) is that of an image a
// browser shows.
bool IsImage(std::string_view name);

}  // namespace XmlParts
