#include "core/test/MediaFile.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 5> ViewableExtensions = {".AVI", ".BMP", ".RTF", ".TXT", ".WAV"};
constexpr std::string_view QueryPrefix = "FACTVAULT";

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

namespace MediaFile {

bool IsViewable(std::string_view text) {
  if (text.empty()) return true;
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  // Both separators count: names come from Windows-made tests and from this system alike.
  const size_t cut = upper.find_last_of("\\/:.");
  if (cut != std::string::npos && upper[cut] == '.') {
    const std::string_view extension = std::string_view(upper).substr(cut);
    if (std::find(ViewableExtensions.begin(), ViewableExtensions.end(), extension) !=
        ViewableExtensions.end())
      return true;
  }
  return upper.starts_with(QueryPrefix);
}

std::string StoredName(std::string_view chosen, std::string_view programFolder) {
  if (chosen.size() >= 2 && IsAsciiLetter(chosen[0]) && chosen[1] == ':')
    return std::string(chosen.substr(2));

  if (!programFolder.empty()) {
    std::string_view folder = programFolder;
    while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
    if (chosen.size() > folder.size() + 1 && chosen.starts_with(folder) && chosen[folder.size()] == '/') {
      std::string relative(chosen.substr(folder.size()));
      std::replace(relative.begin(), relative.end(), '/', '\\');
      return relative;
    }
  }
  return std::string(chosen);
}

}  // namespace MediaFile
