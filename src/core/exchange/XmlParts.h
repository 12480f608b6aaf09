#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "core/exchange/ExchangeText.h"

// Pieces the XML formats share: parsing with the failure's line, the
// declaration every written document starts with, and the written form.
namespace XmlParts {

// Deepest nesting of elements a document may have. Readers walk the tree,
// and no real question comes near it.
inline constexpr int MaxDepth = 1000;

// Parses bytes (any encoding pugixml detects) into document; on failure, or
// for elements nested deeper than MaxDepth, throws TFormatError
// "<where>line N: <what>", where is "" or ends in ": ".
void Parse(pugi::xml_document& document, std::string_view bytes, std::string_view where = {});

// Appends the <?xml version="1.0" encoding="UTF-8"?> declaration and the root
// element name to document; returns the root.
pugi::xml_node StartDocument(pugi::xml_document& document, const char* root);

// document as UTF-8, indented by two blanks.
std::string Serialize(const pugi::xml_document& document);

// Whether a file name's extension (any letter case) is that of an image a
// browser shows.
bool IsImage(std::string_view name);

// HTML as the text a browser shows (ExchangeText::HtmlToText), keeping the
// blank lines that a run of <br> or an empty paragraph makes.
std::string HtmlToText(std::string_view html);
// The same, with what the text could not show (ExchangeText::ReadHtml).
ExchangeText::THtmlText ReadHtml(std::string_view html);

// html with every '<' that opens no tag (a bare "x<y", a tag or comment never
// closed) written as "&lt;", so that it reads as the text it is. repaired
// tells whether there was one.
std::string EscapeBareLessThan(std::string_view html, bool& repaired);

// Whether html holds a MathML formula (<math>, with or without a prefix).
bool HoldsMathMl(std::string_view html);

}  // namespace XmlParts
