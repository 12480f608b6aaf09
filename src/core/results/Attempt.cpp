#include "core/results/Attempt.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "core/storage/CodePage.h"
#include "core/storage/Utf8.h"

namespace {

constexpr std::array<std::string_view, 5> SourceNames = {"engine", "paper", "scan", "classroom", "import"};

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

void AppendField(std::string& out, std::string_view field) {
  out += std::to_string(field.size());
  out += ':';
  out += field;
}

}  // namespace

std::string_view SourceName(TAttemptSource source) {
  return SourceNames.at(static_cast<std::size_t>(source));
}

std::optional<TAttemptSource> SourceOfName(std::string_view name) {
  for (std::size_t i = 0; i < SourceNames.size(); ++i)
    if (SourceNames[i] == name) return static_cast<TAttemptSource>(i);
  return std::nullopt;
}

std::string SourceNamesText() {
  std::string text;
  for (std::size_t i = 0; i < SourceNames.size(); ++i)
    text += std::string(i == 0                        ? ""
                        : i + 1 == SourceNames.size() ? " or "
                                                      : ", ") +
            std::string(SourceNames[i]);
  return text;
}

std::string Digest128(std::string_view bytes) {
  // FNV-1a twice, from two offsets and with the length folded in, each
  // finished by a strong mix: enough to tell attempt files apart, not a
  // defence against forgery.
  std::uint64_t a = 0xcbf29ce484222325ULL;
  std::uint64_t b = 0x84222325cbf29ce4ULL ^ bytes.size();
  for (unsigned char c : bytes) {
    a = (a ^ c) * 0x100000001b3ULL;
    b = (b ^ c) * 0x1000193ULL * 0x100000001b3ULL + 0x9e3779b97f4a7c15ULL;
  }
  char text[33];
  std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(Mix(a ^ Mix(b))),
                static_cast<unsigned long long>(Mix(b + bytes.size())));
  return text;
}

std::string DigestText(std::string_view text) {
  if (!Utf8::IsValid(text)) return std::string(text);
  CodePage::TEncoded encoded = CodePage::FromUtf8(text);
  return encoded.Unmappable.empty() ? std::move(encoded.Text) : std::string(text);
}

std::string Fingerprint(const std::vector<TQuestionSnapshot>& questions) {
  std::string canonical;
  for (const TQuestionSnapshot& q : questions) {
    AppendField(canonical, std::to_string(q.Number));
    AppendField(canonical, DigestText(q.Question));
    for (const std::string& answer : q.Answers) AppendField(canonical, DigestText(answer));
    AppendField(canonical, Scoring::LetterText(q.Correct));
    AppendField(canonical, q.AnyCorrectPasses ? "any" : "all");
  }
  return Digest128(canonical);
}

std::string AttemptProblem(const TAttempt& attempt) {
  if (attempt.TestFile.empty()) return "no test file is named";
  std::unordered_map<int, const TQuestionSnapshot*> snapshots;
  for (const TQuestionSnapshot& q : attempt.Questions) {
    if (q.Number < 1) return "question number " + std::to_string(q.Number) + " is out of range";
    if (q.Correct > 0x3F) return "question " + std::to_string(q.Number) + " has a key beyond F";
    if (!snapshots.emplace(q.Number, &q).second)
      return "question " + std::to_string(q.Number) + " is given twice";
  }
  std::vector<bool> positions(attempt.Answered.size() + 1, false);
  std::unordered_set<int> answered;
  for (const TAnsweredQuestion& a : attempt.Answered) {
    if (!snapshots.contains(a.Number))
      return "question " + std::to_string(a.Number) + " is answered but not given";
    if (!answered.insert(a.Number).second)
      return "question " + std::to_string(a.Number) + " is answered twice";
    if (a.Position < 1 || a.Position > static_cast<int>(attempt.Answered.size()) || positions[a.Position])
      return "question " + std::to_string(a.Number) + " has a position out of range or taken twice";
    positions[a.Position] = true;
    if (a.Chosen > 0x3F) return "question " + std::to_string(a.Number) + " has a letter beyond F";
    if (a.ShownOrder.size() > 6 ||
        !std::all_of(a.ShownOrder.begin(), a.ShownOrder.end(), [](char c) { return c >= 'A' && c <= 'F'; }))
      return "question " + std::to_string(a.Number) + " has an answer order that is not letters A to F";
  }
  if (attempt.Version != 0 && (attempt.Version < 'A' || attempt.Version > 'Z'))
    return "the version is not a letter A to Z";
  if (attempt.SecondsTaken < 0) return "the time taken is negative";
  return {};
}

std::vector<bool> Marks(const TAttempt& attempt) {
  std::unordered_map<int, const TQuestionSnapshot*> snapshots;
  for (const TQuestionSnapshot& q : attempt.Questions) snapshots.emplace(q.Number, &q);
  std::vector<bool> marks;
  marks.reserve(attempt.Answered.size());
  for (const TAnsweredQuestion& a : attempt.Answered) {
    const auto found = snapshots.find(a.Number);
    marks.push_back(found != snapshots.end() &&
                    Scoring::IsRight(found->second->Correct, found->second->AnyCorrectPasses, a.Chosen));
  }
  return marks;
}
