#pragma once

#include <nlohmann/json.hpp>
#include <string>

// Every JSON text the programs write: the values are the JSON library's, their
// members in the order they were set, and Write turns them into text.
namespace Json {

using TValue = nlohmann::ordered_json;

enum class TLayout {
  Compact,  // {"a":1,"b":[2,3]}
  OneLine,  // {"a": 1, "b": [2, 3]}
  // Two spaces a level, one member or item a line; below the first level an
  // object or array of plain values (no objects or arrays) stays on one line
  // as in OneLine.
  Indented,
};

struct TStyle {
  TLayout Layout = TLayout::Compact;
  // Writes '<', '>' and '&' as \u003c, \u003e and \u0026, so that the text
  // never carries markup, even into a page that shows it carelessly.
  bool NoMarkup = false;
  // Indented: below the first level, an object's members that follow each
  // other without an object or array between them share a line.
  bool PlainRunsOnOneLine = false;
};

// The text of value, without a line end. Strings are UTF-8: a byte that is no
// part of well-formed UTF-8 is written as U+FFFD. Every control character
// (C0, DEL and C1) is escaped, so the text never drives a terminal.
std::string Write(const TValue& value, TStyle style = {});

// value rounded to places decimals, as the shortest number that reads back
// as that: 0.6124, 60 (an integer), never -0; null when not finite.
TValue Decimal(double value, int places);

}  // namespace Json
