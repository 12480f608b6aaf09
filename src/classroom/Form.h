#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/run/Scoring.h"

// What a browser sends: bodies in application/x-www-form-urlencoded form,
// read strictly. Anything that does not read is refused whole, so a malformed
// request changes nothing.
namespace Form {

// The fields of body ("a=1&b=x%20y"; '+' is a blank). Nothing when a '%' is
// not followed by two hexadecimal digits, a field has no '=', a name repeats,
// or there are more than maxFields fields.
std::optional<std::map<std::string, std::string>> Parse(std::string_view body, std::size_t maxFields = 8);

// A student's name as typed, in any script, checked: blanks trimmed at both
// ends and runs of blanks made one (a TAB is a control character, not a
// blank), composed (NFC), 1..MaxNameLength characters, no control characters
// and none of the marks that override the text's direction. Gives the name
// (UTF-8), or nothing.
inline constexpr int MaxNameLength = 60;
std::optional<std::string> StudentName(std::string_view utf8);

// Whether text may be a device's secret: 32 to 128 letters, digits, '-' or
// '_' (what the page draws, and what the server gives a client without one).
bool IsDeviceSecret(std::string_view text);

// A whole number 0..limit-1 written in decimal digits only (at most 6).
std::optional<int> Index(std::string_view text, int limit);

// Letters A..F (upper case, each at most once, in any order; "" for none)
// that are all among allowed. Nothing for anything else.
std::optional<Scoring::TLetters> Letters(std::string_view text, Scoring::TLetters allowed);

}  // namespace Form
