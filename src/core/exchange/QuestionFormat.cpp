#include "core/exchange/QuestionFormat.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>

void TLossReport::Add(int question, std::string_view what) {
  std::string line = question > 0 ? "question " + std::to_string(question) + ": " : std::string();
  line += what;
  Entries.push_back(std::move(line));
}

namespace {

// "question 12: title dropped (line 40)" as "title dropped"; nothing for a
// line about the whole file.
std::optional<std::string_view> PointOf(std::string_view line) {
  constexpr std::string_view Question = "question ";
  if (!line.starts_with(Question)) return std::nullopt;
  const size_t colon = line.find(": ");
  if (colon == std::string_view::npos ||
      line.substr(Question.size(), colon - Question.size()).find_first_not_of("0123456789") !=
          std::string_view::npos)
    return std::nullopt;
  std::string_view point = line.substr(colon + 2);
  if (const size_t at = point.rfind(" (line "); at != std::string_view::npos && point.ends_with(')'))
    point = point.substr(0, at);
  return point;
}

// The point said of many questions at once.
std::string Plural(std::string_view point) {
  static const std::map<std::string_view, std::string_view> Plurals = {
      {"title dropped", "titles dropped"},
      {"reference dropped", "references dropped"},
      {"hot link dropped", "hot links dropped"}};
  const auto found = Plurals.find(point);
  return std::string(found == Plurals.end() ? point : found->second);
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string TImportedTest::AddMedia(int question, const std::string& name, std::string bytes,
                                    TLossReport& report) {
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string extension = name.substr(stem.size());
  for (int n = 1;; ++n) {
    const std::string candidate = n == 1 ? name : stem + "-" + std::to_string(n) + extension;
    const auto held = std::find_if(Media.begin(), Media.end(),
                                   [&](const TMediaFile& file) { return SameName(file.Name, candidate); });
    if (held == Media.end()) {
      if (n > 1)
        report.Add(question, "media file " + name +
                                 " differs from an earlier question's of that name: stored as " + candidate);
      Media.push_back({candidate, std::move(bytes)});
      return candidate;
    }
    if (held->Bytes == bytes) return held->Name;
  }
}

std::vector<std::string> GroupedLines(const std::vector<std::string>& lines) {
  constexpr int Grouped = 3;
  std::map<std::string_view, int> counts;
  for (const std::string& line : lines)
    if (const std::optional<std::string_view> point = PointOf(line)) ++counts[*point];
  std::vector<std::string> out;
  std::set<std::string_view> said;
  for (const std::string& line : lines) {
    const std::optional<std::string_view> point = PointOf(line);
    const int count = point ? counts[*point] : 0;
    if (count < Grouped)
      out.push_back(line);
    else if (said.insert(*point).second)
      out.push_back(Plural(*point) + ": " + std::to_string(count) + " questions");
  }
  return out;
}
