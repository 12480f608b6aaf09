#include "core/run/PaperVersions.h"

#include <algorithm>
#include <filesystem>

#include "core/model/TestContents.h"
#include "core/run/Shuffle.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/SystemRandom.h"
#include "core/storage/ZarnEncryption.h"

namespace PaperVersions {
namespace {

// Separate streams per version and per purpose, so that turning the answer
// shuffle on does not change the question order of the same seed.
std::uint64_t StreamSeed(std::uint64_t seed, int version, std::uint64_t purpose) {
  return seed ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(version + 1)) ^
         (0xD1B54A32D192ED03ull * purpose);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

TPaperTest ReadPaperTest(const std::string& path) {
  if (!TInputFile(path).Exists()) throw TIoError(path, "Cannot read", "no such file");
  TIniStore store(path);
  TTestContents contents = ReadTestContents(store);
  TPaperTest test;
  for (const auto& setting : contents.Settings) {
    if (!setting.Value) continue;
    if (setting.Key == TestFile::Desc) test.Description = *setting.Value;
    if (setting.Key == TestFile::Blueprint && *setting.Value != BadDecode) test.Blueprint = *setting.Value;
    if (setting.Key == TestFile::PassPoint) {
      const std::optional<std::uint64_t> value = ParseSeed(*setting.Value);
      if (value && *value >= 1 && *value <= 100) test.PassPoint = static_cast<int>(*value);
    }
  }
  test.BeginMessage = std::move(contents.BeginMessage);
  test.Questions = std::move(contents.Questions);
  test.Numbering = std::move(contents.Numbering);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  test.Folder = (folder.empty() ? std::filesystem::path(".") : folder).string();
  return test;
}

std::optional<std::string> FindMediaFile(const std::string& folder, std::string_view stored) {
  if (stored.size() >= 2 && stored[1] == ':') stored.remove_prefix(2);
  std::filesystem::path found = folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  std::size_t start = 0;
  bool any = false;
  std::error_code error;
  while (start <= stored.size()) {
    std::size_t end = stored.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = stored.size();
    const std::string_view part = stored.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::nullopt;
    std::filesystem::path next = found;
    next /= std::filesystem::path(part.begin(), part.end());
    if (!std::filesystem::exists(next, error)) {
      bool matched = false;
      for (std::filesystem::directory_iterator it(found, error), last; !error && it != last;
           it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (SameIgnoringCase(name, part)) {
          next = it->path();
          matched = true;
          break;
        }
      }
      if (!matched) return std::nullopt;
    }
    found = std::move(next);
    any = true;
  }
  if (!any || !std::filesystem::is_regular_file(found, error)) return std::nullopt;
  return found.string();
}

std::vector<TVersion> Make(const std::vector<QuestionRecord>& questions, const TOptions& options) {
  const int versionCount = std::clamp(options.Versions, 1, MaxVersions);
  const int count = static_cast<int>(questions.size());
  std::vector<TVersion> versions;
  versions.reserve(static_cast<std::size_t>(versionCount));
  for (int v = 0; v < versionCount; ++v) {
    TVersion version;
    version.Letter = VersionLetter(v);
    std::vector<int> asked;
    if (static_cast<std::size_t>(v) < options.Draw.size()) {
      for (const int q : options.Draw[static_cast<std::size_t>(v)])
        if (q >= 0 && q < count) asked.push_back(q);
    } else {
      for (int i = 0; i < count; ++i) asked.push_back(i);
    }
    const int askedCount = static_cast<int>(asked.size());
    std::vector<int> order(asked.size());
    for (int i = 0; i < askedCount; ++i) order[static_cast<std::size_t>(i)] = i;
    if (options.ShuffleQuestions) order = TShuffle(StreamSeed(options.Seed, v, 1)).Permutation(askedCount);
    TShuffle answerShuffle(StreamSeed(options.Seed, v, 2));
    version.Questions.resize(asked.size());
    // Answers are drawn in the test's order so a question keeps its answer
    // order whatever place the question shuffle gives it.
    std::vector<TPaperQuestion> bySource(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      const QuestionRecord& record = questions[static_cast<std::size_t>(i)];
      TPaperQuestion& paper = bySource[static_cast<std::size_t>(i)];
      paper.Source = i;
      paper.AnyCorrectPasses = record.AnyCorrectPasses;
      for (int a = 0; a < 6; ++a) {
        if (!record.Answer(a).empty()) paper.Answers.push_back(a);
      }
      if (options.ShuffleAnswers) {
        const std::vector<int> permutation =
            answerShuffle.Permutation(static_cast<int>(paper.Answers.size()));
        std::vector<int> shuffled;
        shuffled.reserve(paper.Answers.size());
        for (int p : permutation) shuffled.push_back(paper.Answers[static_cast<std::size_t>(p)]);
        paper.Answers = std::move(shuffled);
      }
      const Scoring::TLetters correct = Scoring::LettersOf(record.Correct);
      for (std::size_t printed = 0; printed < paper.Answers.size(); ++printed) {
        const Scoring::TLetters stored = static_cast<Scoring::TLetters>(1u << paper.Answers[printed]);
        if (correct & stored) {
          paper.Key |= static_cast<Scoring::TLetters>(1u << printed);
          paper.Correct |= stored;
        }
      }
    }
    for (int i = 0; i < askedCount; ++i) {
      version.Questions[static_cast<std::size_t>(i)] = std::move(bySource[static_cast<std::size_t>(
          asked[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])])]);
    }
    versions.push_back(std::move(version));
  }
  return versions;
}

std::string DrawText(const std::vector<std::vector<int>>& draw) {
  std::string text;
  for (std::size_t v = 0; v < draw.size(); ++v) {
    if (v) text += '/';
    for (std::size_t i = 0; i < draw[v].size(); ++i) text += (i ? "," : "") + std::to_string(draw[v][i] + 1);
  }
  return text;
}

std::optional<std::vector<std::vector<int>>> DrawFromText(std::string_view text, int questions) {
  std::vector<std::vector<int>> draw;
  if (text.empty()) return draw;
  while (true) {
    const std::size_t slash = std::min(text.find('/'), text.size());
    std::string_view version = text.substr(0, slash);
    std::vector<int>& numbers = draw.emplace_back();
    while (true) {
      const std::size_t comma = std::min(version.find(','), version.size());
      const std::optional<std::uint64_t> number = ParseSeed(version.substr(0, comma));
      if (!number || *number < 1 || *number > static_cast<std::uint64_t>(questions)) return std::nullopt;
      numbers.push_back(static_cast<int>(*number) - 1);
      if (comma == version.size()) break;
      version.remove_prefix(comma + 1);
    }
    if (slash == text.size()) return draw;
    text.remove_prefix(slash + 1);
  }
}

Scoring::TLetters StoredLetters(const TPaperQuestion& question, Scoring::TLetters printed) {
  Scoring::TLetters stored = 0;
  for (std::size_t i = 0; i < question.Answers.size(); ++i) {
    if (printed & (1u << i)) stored |= static_cast<Scoring::TLetters>(1u << question.Answers[i]);
  }
  return stored;
}

bool IsPrinted(const TPaperQuestion& question, Scoring::TLetters letters) {
  const unsigned printedMask = (1u << question.Answers.size()) - 1u;
  return (letters & ~printedMask) == 0;
}

char VersionLetter(int index) {
  return static_cast<char>('A' + index);
}

std::optional<int> VersionIndex(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return std::nullopt;
  return letter - 'A';
}

std::optional<std::uint64_t> ParseSeed(std::string_view text) {
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::uint64_t seed = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    seed = seed * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return seed;
}

std::uint64_t NewSeed() {
  return SystemRandom::Number() % 1000000000ull;
}

std::string_view ChoiceHint(const TPaperQuestion& question) {
  return Scoring::ChoiceHint(question.Key, question.AnyCorrectPasses);
}

std::string_view KeyRuleMark(const TPaperQuestion& question) {
  if (Scoring::LetterCount(question.Key) < 2) return {};
  return question.AnyCorrectPasses ? "any" : "all";
}

namespace {

constexpr std::string_view SeedKey = "SEED";
constexpr std::string_view VersionsKey = "VERSIONS";
constexpr std::string_view ShuffleQuestionsKey = "SHUFFLEQUESTIONS";
constexpr std::string_view ShuffleAnswersKey = "SHUFFLEANSWERS";

// PRINT1 is the newest print, PRINT2 the one before, ...
std::string PrintSection(std::size_t index) {
  return "PRINT" + std::to_string(index + 1);
}

std::optional<TOptions> ReadPrint(TIniStore& store, const std::string& section) {
  const auto flag = [&](std::string_view key) -> std::optional<bool> {
    const std::string value = store.ReadString(section, key, "");
    if (value == "0" || value == "1") return value == "1";
    return std::nullopt;
  };
  const std::optional<std::uint64_t> seed = ParseSeed(store.ReadString(section, SeedKey, ""));
  const std::optional<std::uint64_t> versions = ParseSeed(store.ReadString(section, VersionsKey, ""));
  const std::optional<bool> questions = flag(ShuffleQuestionsKey);
  const std::optional<bool> answers = flag(ShuffleAnswersKey);
  if (!seed || !versions || *versions < 1 || *versions > MaxVersions || !questions || !answers)
    return std::nullopt;
  return TOptions{static_cast<int>(*versions), *seed, *questions, *answers};
}

}  // namespace

std::string LastPrintPath(const std::string& testPath) {
  return testPath + ".lastprint";
}

std::vector<TOptions> RecentPrints(const std::string& testPath) {
  const std::string path = LastPrintPath(testPath);
  std::vector<TOptions> prints;
  if (!TInputFile(path).Exists()) return prints;
  TIniStore store(path);
  for (std::size_t i = 0; i < KeptPrints; ++i) {
    if (const std::optional<TOptions> print = ReadPrint(store, PrintSection(i))) prints.push_back(*print);
  }
  return prints;
}

}  // namespace PaperVersions
