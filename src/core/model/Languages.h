#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The languages a test may name in LANGUAGE (a BCP-47 tag), which pick its
// spelling dictionary and the direction its text runs in.
namespace Languages {

struct TLanguage {
  std::string_view Tag;   // "pl", "pt-BR"
  std::string_view Name;  // in English, for the settings list
};

// The languages offered in the settings, by name: those the Debian hunspell-*
// and myspell-* packages bring a dictionary for, and Chinese and Japanese,
// which need none.
std::span<const TLanguage> Known();

// Whether text in the language of tag runs right to left (Arabic, Hebrew,
// Persian, Urdu, Yiddish, and any tag naming the Arabic or Hebrew script).
bool IsRightToLeft(std::string_view tag);

// The installed dictionary (names as "pl_PL", "en_US", "de_DE_frami") for the
// language of tag: the one named exactly as the tag ('-' as '_'), else the
// first, in the given order, of the tag's language ("pl" finds "pl_PL").
// Empty when none is installed or tag is empty.
std::string DictionaryFor(std::string_view tag, const std::vector<std::string>& installed);

}  // namespace Languages
