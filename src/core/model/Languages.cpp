#include "core/model/Languages.h"

#include <algorithm>
#include <array>

#include "core/storage/IniSyntax.h"

namespace Languages {
namespace {

constexpr std::array<TLanguage, 61> KnownLanguages = {{
    {"af", "Afrikaans"},
    {"ar", "Arabic"},
    {"eu", "Basque"},
    {"be", "Belarusian"},
    {"bn", "Bengali"},
    {"bs", "Bosnian"},
    {"br", "Breton"},
    {"bg", "Bulgarian"},
    {"ca", "Catalan"},
    {"zh", "Chinese"},
    {"hr", "Croatian"},
    {"cs", "Czech"},
    {"da", "Danish"},
    {"nl", "Dutch"},
    {"en", "English"},
    {"en-GB", "English (UK)"},
    {"en-US", "English (US)"},
    {"eo", "Esperanto"},
    {"et", "Estonian"},
    {"fo", "Faroese"},
    {"fr", "French"},
    {"gl", "Galician"},
    {"de", "German"},
    {"el", "Greek"},
    {"gu", "Gujarati"},
    {"he", "Hebrew"},
    {"hi", "Hindi"},
    {"hu", "Hungarian"},
    {"is", "Icelandic"},
    {"id", "Indonesian"},
    {"it", "Italian"},
    {"ja", "Japanese"},
    {"kk", "Kazakh"},
    {"ko", "Korean"},
    {"lo", "Lao"},
    {"lv", "Latvian"},
    {"lt", "Lithuanian"},
    {"ml", "Malayalam"},
    {"mn", "Mongolian"},
    {"ne", "Nepali"},
    {"no", "Norwegian"},
    {"oc", "Occitan"},
    {"fa", "Persian"},
    {"pl", "Polish"},
    {"pt", "Portuguese"},
    {"pt-BR", "Portuguese (Brazil)"},
    {"ro", "Romanian"},
    {"ru", "Russian"},
    {"gd", "Scottish Gaelic"},
    {"sr", "Serbian"},
    {"si", "Sinhala"},
    {"sk", "Slovak"},
    {"sl", "Slovenian"},
    {"es", "Spanish"},
    {"sw", "Swahili"},
    {"sv", "Swedish"},
    {"te", "Telugu"},
    {"th", "Thai"},
    {"tr", "Turkish"},
    {"uk", "Ukrainian"},
    {"vi", "Vietnamese"},
}};

// The tag's parts, split at '-' or '_'.
std::vector<std::string_view> Subtags(std::string_view tag) {
  std::vector<std::string_view> parts;
  while (!tag.empty()) {
    const size_t cut = tag.find_first_of("-_");
    parts.push_back(tag.substr(0, cut));
    if (cut == std::string_view::npos) break;
    tag.remove_prefix(cut + 1);
  }
  return parts;
}

}  // namespace

std::span<const TLanguage> Known() {
  return KnownLanguages;
}

bool IsRightToLeft(std::string_view tag) {
  const std::vector<std::string_view> parts = Subtags(tag);
  if (parts.empty()) return false;
  for (const std::string_view script : {"Arab", "Hebr", "Thaa", "Syrc", "Nkoo"})
    if (std::any_of(parts.begin() + 1, parts.end(),
                    [&](std::string_view part) { return IniSyntax::EqualNoCase(part, script); }))
      return true;
  for (const std::string_view language : {"ar", "he", "iw", "fa", "ur", "yi", "ps", "dv", "ckb", "sd", "ug"})
    if (IniSyntax::EqualNoCase(parts.front(), language)) return true;
  return false;
}

std::string DictionaryFor(std::string_view tag, const std::vector<std::string>& installed) {
  const std::vector<std::string_view> parts = Subtags(tag);
  if (parts.empty() || parts.front().empty()) return {};
  const auto sameParts = [](const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), IniSyntax::EqualNoCase);
  };
  for (const std::string& name : installed)
    if (sameParts(Subtags(name), parts)) return name;
  for (const std::string& name : installed)
    if (const auto own = Subtags(name); !own.empty() && IniSyntax::EqualNoCase(own.front(), parts.front()))
      return name;
  return {};
}

}  // namespace Languages
