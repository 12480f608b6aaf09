#include "core/model/Duplicates.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numeric>
#include <unordered_map>

#include "core/model/Letters.h"
#include "core/model/TestCatalogue.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"

namespace Duplicates {
namespace {

// The sorted, distinct hashes of the word 3-grams of text.
std::vector<std::uint64_t> Shingles(std::string_view text) {
  const std::vector<std::string> words = Letters::Words(text);
  std::vector<std::uint64_t> shingles;
  const std::hash<std::string> hash;
  const std::size_t span = std::min<std::size_t>(3, words.size());
  for (std::size_t i = 0; i + span <= words.size() && (span > 0 || i == 0); ++i) {
    std::string joined;
    for (std::size_t k = 0; k < span; ++k) (joined += words[i + k]) += '\x01';
    shingles.push_back(hash(joined));
    if (span == 0) break;
  }
  std::sort(shingles.begin(), shingles.end());
  shingles.erase(std::unique(shingles.begin(), shingles.end()), shingles.end());
  return shingles;
}

double Jaccard(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
  std::size_t common = 0;
  for (auto i = a.begin(), j = b.begin(); i != a.end() && j != b.end();) {
    if (*i < *j) {
      ++i;
    } else if (*j < *i) {
      ++j;
    } else {
      ++common, ++i, ++j;
    }
  }
  const std::size_t all = a.size() + b.size() - common;
  return all == 0 ? 1.0 : static_cast<double>(common) / static_cast<double>(all);
}

std::string AnswerKey(const QuestionRecord& question) {
  std::vector<std::string> answers;
  for (int i = 0; i < 6; ++i)
    if (std::string answer = Normalise(question.Answer(i)); !answer.empty())
      answers.push_back(std::move(answer));
  std::sort(answers.begin(), answers.end());
  std::string key;
  for (const std::string& answer : answers) (key += answer) += '\x01';
  return key;
}

struct TUnion {
  std::vector<int> Parent;
  explicit TUnion(int n) : Parent(n) { std::iota(Parent.begin(), Parent.end(), 0); }
  int Root(int i) {
    while (Parent[i] != i) i = Parent[i] = Parent[Parent[i]];
    return i;
  }
  void Join(int a, int b) {
    a = Root(a), b = Root(b);
    if (a != b) Parent[std::max(a, b)] = std::min(a, b);
  }
};

}  // namespace

std::string Normalise(std::string_view text) {
  return Letters::LettersAndDigits(text);
}

std::vector<TGroup> Find(const std::vector<TTestQuestions>& tests) {
  std::vector<TPlace> places;
  std::vector<const QuestionRecord*> records;
  for (int t = 0; t < static_cast<int>(tests.size()); ++t)
    for (int n = 0; n < static_cast<int>(tests[t].Questions.size()); ++n)
      if (!Normalise(tests[t].Questions[n].Question).empty()) {
        places.push_back({t, n + 1, 0});
        records.push_back(&tests[t].Questions[n]);
      }
  const int count = static_cast<int>(places.size());
  TUnion groups(count);

  // Equal once case, blanks and punctuation are set aside.
  std::unordered_map<std::string, int> firstOf;
  for (int i = 0; i < count; ++i) {
    const auto [at, fresh] = firstOf.emplace(Normalise(records[i]->Question), i);
    if (!fresh) groups.Join(at->second, i);
  }

  // Alike shingles, found through prefix filtering: each question's shingles
  // are ordered rarest first, and two sets with a Jaccard index of at least t
  // share one of the first |x| - ceil(t |x|) + 1 shingles of each.
  std::vector<std::vector<std::uint64_t>> shingles(count);
  std::unordered_map<std::uint64_t, int> frequency;
  for (int i = 0; i < count; ++i) {
    shingles[i] = Shingles(records[i]->Question);
    for (const std::uint64_t s : shingles[i]) ++frequency[s];
  }
  std::unordered_map<std::uint64_t, std::vector<int>> index;
  std::vector<int> seenBy(count, -1);
  for (int i = 0; i < count; ++i) {
    std::vector<std::uint64_t> order = shingles[i];
    std::sort(order.begin(), order.end(), [&frequency](std::uint64_t a, std::uint64_t b) {
      const int fa = frequency[a], fb = frequency[b];
      return fa != fb ? fa < fb : a < b;
    });
    const auto size = static_cast<double>(order.size());
    const std::size_t prefix =
        order.size() - static_cast<std::size_t>(std::ceil(ShingleThreshold * size - 1e-9)) + 1;
    for (std::size_t k = 0; k < prefix && k < order.size(); ++k) {
      std::vector<int>& holders = index[order[k]];
      for (const int j : holders) {
        if (seenBy[j] == i) continue;
        seenBy[j] = i;
        if (groups.Root(i) != groups.Root(j) && Jaccard(shingles[i], shingles[j]) >= ShingleThreshold - 1e-9)
          groups.Join(i, j);
      }
      holders.push_back(i);
    }
  }

  std::vector<TGroup> result;
  std::vector<int> groupOf(count, -1);
  std::vector<std::vector<std::string>> answerSets;
  for (int i = 0; i < count; ++i) {
    const int root = groups.Root(i);
    if (root == i) continue;
    if (groupOf[root] < 0) {
      groupOf[root] = static_cast<int>(result.size());
      result.emplace_back();
      answerSets.emplace_back();
      result.back().Members.push_back(places[root]);
      answerSets.back().push_back(AnswerKey(*records[root]));
    }
    TGroup& group = result[groupOf[root]];
    std::vector<std::string>& sets = answerSets[groupOf[root]];
    const std::string key = AnswerKey(*records[i]);
    const auto known = std::find(sets.begin(), sets.end(), key);
    TPlace place = places[i];
    place.Answers = static_cast<int>(known - sets.begin());
    if (known == sets.end()) sets.push_back(key);
    group.Members.push_back(place);
    if (place.Answers > 0) group.Kind = TGroup::OtherAnswers;
  }
  std::sort(result.begin(), result.end(), [](const TGroup& a, const TGroup& b) {
    const TPlace &x = a.Members.front(), &y = b.Members.front();
    return x.Test != y.Test ? x.Test < y.Test : x.Number < y.Number;
  });
  return result;
}

std::vector<TTestQuestions> ReadFolder(const std::string& folder,
                                       const std::function<void(const std::string& error)>& onUnreadable) {
  const TestCatalogue catalogue(folder);
  std::vector<TTestQuestions> tests;
  // Every test of the folder, not only those the catalogue has entries for.
  for (const std::string& fileName : TestFileNames(folder)) {
    try {
      TIniStore store(catalogue.PathOf(fileName));
      tests.push_back({catalogue.PathOf(fileName), ReadTestContents(store).Questions});
    } catch (const TIoError& error) {
      onUnreadable(error.what());
    }
  }
  return tests;
}

std::string_view KindText(TGroup::TKind kind) {
  return kind == TGroup::Copies ? "Same question" : "Same question, other answers";
}

std::string OneLine(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char ch : text) {
    if (static_cast<unsigned char>(ch) < 32 || ch == ' ') {
      blank = true;
      continue;
    }
    if (blank && !out.empty()) out += ' ';
    blank = false;
    out += ch;
  }
  return out;
}

}  // namespace Duplicates
