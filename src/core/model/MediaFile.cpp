#include "core/model/MediaFile.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

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

std::optional<std::filesystem::path> Locate(std::string_view stored, const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  if (stored.size() >= 2 && IsAsciiLetter(stored[0]) && stored[1] == ':') stored.remove_prefix(2);
  std::string upper(stored);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  if (stored.empty() || upper.starts_with(QueryPrefix)) return std::nullopt;

  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= stored.size()) {
    size_t end = stored.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = stored.size();
    if (end > start) parts.emplace_back(stored.substr(start, end - start));
    start = end + 1;
  }
  fs::path path = folder;
  std::error_code error;
  for (const std::string& part : parts) {
    if (part == "." || part == "..") return std::nullopt;
    std::string wanted(part);
    std::transform(wanted.begin(), wanted.end(), wanted.begin(), AsciiUpper);
    fs::path found;
    if (fs::exists(path / part, error)) {
      found = path / part;
    } else {
      for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::transform(name.begin(), name.end(), name.begin(), AsciiUpper);
        if (name == wanted) {
          found = it->path();
          break;
        }
      }
    }
    if (found.empty()) return std::nullopt;
    path = found;
  }
  if (parts.empty() || !fs::is_regular_file(path, error)) return std::nullopt;
  return path;
}

}  // namespace MediaFile
