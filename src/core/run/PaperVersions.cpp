#include "core/run/PaperVersions.h"

#include <algorithm>
#include <random>

#include "core/run/Shuffle.h"

namespace PaperVersions {
namespace {

// Separate streams per version and per purpose, so that turning the answer
// shuffle on does not change the question order of the same seed.
std::uint64_t StreamSeed(std::uint64_t seed, int version, std::uint64_t purpose) {
  return seed ^ (0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(version + 1)) ^
         (0xD1B54A32D192ED03ull * purpose);
}

}  // namespace

std::vector<TVersion> Make(const std::vector<QuestionRecord>& questions, const TOptions& options) {
  const int versionCount = std::clamp(options.Versions, 1, MaxVersions);
  const int count = static_cast<int>(questions.size());
  std::vector<TVersion> versions;
  versions.reserve(static_cast<std::size_t>(versionCount));
  for (int v = 0; v < versionCount; ++v) {
    TVersion version;
    version.Letter = VersionLetter(v);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    if (options.ShuffleQuestions) order = TShuffle(StreamSeed(options.Seed, v, 1)).Permutation(count);
    TShuffle answerShuffle(StreamSeed(options.Seed, v, 2));
    version.Questions.resize(static_cast<std::size_t>(count));
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
    for (int i = 0; i < count; ++i) {
      version.Questions[static_cast<std::size_t>(i)] =
          std::move(bySource[static_cast<std::size_t>(order[static_cast<std::size_t>(i)])]);
    }
    versions.push_back(std::move(version));
  }
  return versions;
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

char VersionLetter(int index) { return static_cast<char>('A' + index); }

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
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32 | device()) % 1000000000ull;
}

std::string_view ChoiceHint(const TPaperQuestion& question) {
  if (Scoring::LetterCount(question.Key) < 2) return {};
  return question.AnyCorrectPasses ? "choose any that apply" : "choose all that apply";
}

}  // namespace PaperVersions
