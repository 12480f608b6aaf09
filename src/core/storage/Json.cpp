#include "core/storage/Json.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Json {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void AppendEscape(std::string& out, unsigned codePoint) {
  out += "\\u00";
  out += HexDigits[(codePoint >> 4) & 0xF];
  out += HexDigits[codePoint & 0xF];
}

// The library's text of a value holding no object or array, or of a whole
// value in its compact form, with the escapes of style. Outside strings the
// library writes no backslash, '<', '>', '&', DEL or byte above 0x7F, so every
// one met here lies inside a string.
void AppendDump(std::string& out, const TValue& value, const TStyle& style) {
  const std::string text = value.dump(-1, ' ', false, TValue::error_handler_t::replace);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte == '\\') {
      out += text[i];
      out += text[++i];
      if (text[i] == 'u')  // the library writes \u001b; upper case reads as the terminal escapes do
        for (int k = 0; k < 4; ++k)
          out += static_cast<char>(std::toupper(static_cast<unsigned char>(text[++i])));
    } else if (byte == 0x7F) {
      AppendEscape(out, byte);
    } else if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
      AppendEscape(out, static_cast<unsigned char>(text[++i]));  // U+0080 to U+009F, the C1 controls
    } else if (style.NoMarkup && byte == '<') {
      out += "\\u003c";
    } else if (style.NoMarkup && byte == '>') {
      out += "\\u003e";
    } else if (style.NoMarkup && byte == '&') {
      out += "\\u0026";
    } else {
      out += text[i];
    }
  }
}

bool HoldsOnlyPlainValues(const TValue& value) {
  for (const TValue& item : value)
    if (item.is_structured()) return false;
  return true;
}

void AppendValue(std::string& out, const TValue& value, const TStyle& style, int depth) {
  if (!value.is_structured() || style.Layout == TLayout::Compact) {
    AppendDump(out, value, style);
    return;
  }
  const bool object = value.is_object();
  if (value.empty()) {
    out += object ? "{}" : "[]";
    return;
  }
  const bool oneLine = style.Layout == TLayout::OneLine || (depth >= 2 && HoldsOnlyPlainValues(value));
  const std::string indent = oneLine ? std::string() : "\n" + std::string(2 * (depth + 1), ' ');
  out += object ? '{' : '[';
  const bool joinRuns = !oneLine && object && depth >= 2 && style.PlainRunsOnOneLine;
  bool first = true, lastPlain = false;
  for (auto member = value.begin(); member != value.end(); ++member) {
    const bool plain = !member.value().is_structured();
    if (joinRuns && plain && lastPlain) {
      out += ", ";
    } else {
      if (!first) out += oneLine ? ", " : ",";
      out += indent;
    }
    first = false;
    lastPlain = plain;
    if (object) {
      AppendDump(out, TValue(member.key()), style);
      out += ": ";
    }
    AppendValue(out, member.value(), style, depth + 1);
  }
  if (!oneLine) out += "\n" + std::string(2 * depth, ' ');
  out += object ? '}' : ']';
}

}  // namespace

std::string Write(const TValue& value, TStyle style) {
  std::string out;
  AppendValue(out, value, style, 0);
  return out;
}

TValue Decimal(double value, int places) {
  if (!std::isfinite(value)) return nullptr;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  std::string digits = text;
  if (digits.find('.') != std::string::npos) {
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
  }
  if (digits.find('.') != std::string::npos) return std::strtod(digits.c_str(), nullptr);
  if (digits == "-0") return 0;
  return std::strtoll(digits.c_str(), nullptr, 10);
}

}  // namespace Json
