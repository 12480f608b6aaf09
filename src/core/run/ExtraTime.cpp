#include "core/run/ExtraTime.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"

namespace ExtraTime {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// Lower case, blanks at the ends dropped and each inner run made one space.
std::string MatchKey(std::string_view name) {
  std::string key;
  for (const char c : Trimmed(name)) {
    if (static_cast<unsigned char>(c) <= ' ') {
      if (key.back() != ' ') key += ' ';
    } else {
      key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return key;
}

// "1", "1.5", "1.25": hundredths, or nothing.
std::optional<int> Hundredths(std::string_view text) {
  int whole = 0, fraction = 0, decimals = 0;
  bool point = false, digits = false;
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (std::isdigit(static_cast<unsigned char>(c)) && (point ? decimals < 2 : whole < 100)) {
      digits = true;
      if (point)
        fraction = fraction * 10 + (c - '0'), ++decimals;
      else
        whole = whole * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  if (decimals == 1) fraction *= 10;
  return whole * 100 + fraction;
}

}  // namespace

std::string PathFor(const std::string& testPath) {
  return testPath + ".extratime";
}

std::string Sentence(const TProblem& problem) {
  const std::string where = "line " + std::to_string(problem.Line) + ": ";
  switch (problem.Kind) {
    case TProblemKind::NoEquals:
      return where + "no '=' between the name and the factor";
    case TProblemKind::NoName:
      return where + "no name";
    case TProblemKind::BadFactor:
      break;
  }
  return where + "the factor is not a number from 1 to 4";
}

TList Parse(std::string_view text) {
  TList list;
  int number = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (line.empty() || line.front() == ';') continue;
    const size_t equals = line.rfind('=');
    if (equals == std::string_view::npos) {
      list.Problems.push_back({number, TProblemKind::NoEquals});
      continue;
    }
    const std::string_view name = Trimmed(line.substr(0, equals));
    const std::optional<int> hundredths = Hundredths(Trimmed(line.substr(equals + 1)));
    if (name.empty()) {
      list.Problems.push_back({number, TProblemKind::NoName});
    } else if (!hundredths || *hundredths < 100 || *hundredths > MaxFactor * 100) {
      list.Problems.push_back({number, TProblemKind::BadFactor});
    } else {
      list.Entries.push_back({std::string(name), *hundredths / 100.0});
    }
  }
  return list;
}

TList Load(const std::string& testPath) {
  TInputFile file(PathFor(testPath));
  if (!file.Exists()) return {};
  std::string text;
  while (file.ReadSome(text, 65536) > 0) {
  }
  return Parse(text);
}

std::string Format(const TList& list) {
  std::string text;
  for (const TEntry& entry : list.Entries) {
    const int hundredths = static_cast<int>(std::lround(entry.Factor * 100));
    std::string factor = std::to_string(hundredths / 100);
    if (hundredths % 100 != 0) {
      factor += '.' + std::to_string(hundredths % 100 / 10);
      if (hundredths % 10 != 0) factor += std::to_string(hundredths % 10);
    }
    text += entry.Name + "=" + factor + "\n";
  }
  return text;
}

void Save(const std::string& testPath, const TList& list) {
  ReplaceFileAtomically(PathFor(testPath), Format(list));
}

std::optional<double> FactorFor(const TList& list, std::string_view studentName) {
  const std::string key = MatchKey(studentName);
  std::optional<double> factor;
  if (key.empty()) return factor;
  for (const TEntry& entry : list.Entries)
    if (MatchKey(entry.Name) == key) factor = entry.Factor;
  return factor;
}

int ExtendedSeconds(int seconds, double factor) {
  constexpr int Longest = 24 * 60 * 60 - 1;
  if (seconds <= 0) return seconds;
  // In hundredths, so 1.25 or 1.1 never round the wrong way.
  const long long hundredths = std::llround(factor * 100);
  const long long extended = (static_cast<long long>(seconds) * hundredths + 99) / 100;
  return static_cast<int>(std::min<long long>(extended, Longest));
}

}  // namespace ExtraTime
