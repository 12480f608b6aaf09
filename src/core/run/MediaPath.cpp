#include "core/run/MediaPath.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

std::string Extension(std::string_view name) {
  const size_t slash = name.find_last_of("/\\");
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const size_t dot = last.rfind('.');
  return dot == std::string_view::npos ? std::string() : Upper(last.substr(dot));
}

template <size_t N>
bool OneOf(const std::string& extension, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), extension) != list.end();
}

}  // namespace

namespace MediaPath {

std::string Resolve(const std::string& folder, std::string_view stored) {
  if (stored.size() >= 2 && stored[1] == ':' && std::isalpha(static_cast<unsigned char>(stored[0])))
    stored.remove_prefix(2);
  std::filesystem::path path(folder);
  size_t start = 0;
  while (start <= stored.size()) {
    size_t end = stored.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = stored.size();
    const std::string part(stored.substr(start, end - start));
    start = end + 1;
    if (part.empty() || part == "." || part == "..") continue;
    std::filesystem::path next = path / part;
    std::error_code error;
    if (!std::filesystem::exists(next, error)) {
      for (std::filesystem::directory_iterator it(path, error), endIt; !error && it != endIt;
           it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (Upper(name) == Upper(part)) {
          next = it->path();
          break;
        }
      }
    }
    path = next;
  }
  return path.string();
}

bool IsWebAddress(std::string_view text) {
  const std::string upper = Upper(text.substr(0, 8));
  for (std::string_view scheme : {"HTTP:", "HTTPS:", "FTP:", "MAILTO:"})
    if (upper.starts_with(scheme)) return true;
  return false;
}

bool IsProgramName(std::string_view name) {
  static constexpr std::array<std::string_view, 22> Programs = {
      ".EXE", ".COM", ".BAT", ".CMD", ".PIF",  ".SCR",     ".MSI",      ".VBS", ".VBE", ".JS", ".JSE",
      ".WSF", ".PS1", ".LNK", ".SH",  ".BASH", ".DESKTOP", ".APPIMAGE", ".JAR", ".PY",  ".PL", ".RUN"};
  return OneOf(Extension(name), Programs);
}

bool IsPicture(std::string_view name) {
  static constexpr std::array<std::string_view, 5> Pictures = {".BMP", ".PNG", ".JPG", ".JPEG", ".GIF"};
  return OneOf(Extension(name), Pictures);
}

}  // namespace MediaPath
