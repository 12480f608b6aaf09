#include "core/run/QuestionDraw.h"

#include <algorithm>
#include <map>
#include <utility>

#include "core/model/QuestionReading.h"
#include "core/run/Shuffle.h"
#include "core/storage/IniStore.h"
#include "core/storage/IniSyntax.h"

namespace QuestionDraw {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::optional<int> Count(std::string_view digits) {
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int count = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + (c - '0');
  }
  if (count < 1 || count > TestFile::MaxQuestionCount) return std::nullopt;
  return count;
}

}  // namespace

int TBlueprint::Total() const {
  int total = 0;
  for (const TRow& row : Rows) total += row.Count;
  return total;
}

std::string Sentence(const TProblem& problem) {
  const std::string asked = problem.Category + ": " + std::to_string(problem.Asked) + " asked, ";
  switch (problem.Kind) {
    case TProblemKind::NoCount:
      return "\"" + problem.Text + "\": give a category, \"=\" and how many questions to ask";
    case TProblemKind::BadCount:
      return problem.Category + ": ask from 1 to " + std::to_string(TestFile::MaxQuestionCount) +
             " questions, not \"" + problem.Text + "\"";
    case TProblemKind::NamedTwice:
      return problem.Category + ": named twice";
    case TProblemKind::TooFew:
      return asked + std::to_string(problem.Have) + " in the test";
    case TProblemKind::TooFewForTags:
      break;
  }
  return asked + std::to_string(problem.Have) + " needed for one of each tag";
}

TParsed Parse(std::string_view text) {
  TParsed parsed;
  while (!text.empty()) {
    const size_t end = std::min(text.find(';'), text.size());
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.empty()) continue;
    const size_t equals = line.rfind('=');
    const std::string_view name = equals == line.npos ? line : Trimmed(line.substr(0, equals));
    if (equals == line.npos || name.empty()) {
      parsed.Problem = {TProblemKind::NoCount, {}, std::string(line)};
      parsed.Error = Sentence(parsed.Problem);
      return parsed;
    }
    std::string_view count = Trimmed(line.substr(equals + 1));
    TRow row{std::string(name), 0, false};
    if (count.size() >= EachTagMark.size() &&
        IniSyntax::EqualNoCase(count.substr(count.size() - EachTagMark.size()), EachTagMark)) {
      row.EachTag = true;
      count = Trimmed(count.substr(0, count.size() - EachTagMark.size()));
    }
    const std::optional<int> number = Count(count);
    if (!number) {
      parsed.Problem = {TProblemKind::BadCount, std::string(name), std::string(count)};
      parsed.Error = Sentence(parsed.Problem);
      return parsed;
    }
    row.Count = *number;
    for (const TRow& earlier : parsed.Blueprint.Rows) {
      if (IniSyntax::EqualNoCase(earlier.Category, row.Category)) {
        parsed.Problem = {TProblemKind::NamedTwice, row.Category};
        parsed.Error = Sentence(parsed.Problem);
        return parsed;
      }
    }
    parsed.Blueprint.Rows.push_back(std::move(row));
  }
  return parsed;
}

std::string Text(const TBlueprint& blueprint) {
  std::string text;
  for (const TRow& row : blueprint.Rows) {
    if (!text.empty()) text += "; ";
    text += row.Category + "=" + std::to_string(row.Count);
    if (row.EachTag) text += EachTagMark;
  }
  return text;
}

TChecked Check(std::string_view text, const std::vector<QuestionRecord>& questions) {
  TChecked checked;
  TParsed parsed = Parse(text);
  if (!parsed.Error.empty()) {
    checked.Refusals.push_back(std::move(parsed.Problem));
    return checked;
  }
  checked.Text = Text(parsed.Blueprint);
  checked.Refusals = TBank(std::move(parsed.Blueprint), questions).Shortfalls();
  return checked;
}

TChecked CheckForTest(std::string_view text, const std::string& path) {
  TIniStore store(path);
  TQuestionNumbering numbering;
  return Check(text, ReadQuestions(store, numbering));
}

bool InCategory(std::string_view category, std::string_view line) {
  category = Trimmed(category);
  if (category.size() < line.size() || !IniSyntax::EqualNoCase(category.substr(0, line.size()), line))
    return false;
  return category.size() == line.size() || category[line.size()] == '/';
}

TBank::TBank(TBlueprint blueprint, const std::vector<QuestionRecord>& questions)
    : FBlueprint(std::move(blueprint)), Pools(FBlueprint.Rows.size()), Tags(FBlueprint.Rows.size()) {
  // Each question goes to the line naming the deepest category it lies in; a
  // line without a category takes the questions no other line takes.
  for (int q = 0; q < static_cast<int>(questions.size()); ++q) {
    int best = -1;
    for (int r = 0; r < static_cast<int>(FBlueprint.Rows.size()); ++r) {
      const std::string& line = FBlueprint.Rows[static_cast<size_t>(r)].Category;
      if (line.empty() && best < 0) best = r;
      if (!line.empty() && InCategory(questions[static_cast<size_t>(q)].Category, line) &&
          (best < 0 || line.size() > FBlueprint.Rows[static_cast<size_t>(best)].Category.size()))
        best = r;
    }
    if (best >= 0) Pools[static_cast<size_t>(best)].push_back(q);
  }
  for (size_t r = 0; r < FBlueprint.Rows.size(); ++r) {
    if (!FBlueprint.Rows[r].EachTag) continue;
    TPoolTags& tags = Tags[r];
    std::map<std::string, int> numbers;
    for (const int q : Pools[r]) {
      std::vector<int>& own = tags.OfQuestion.emplace_back();
      for (const std::string& tag : TestFile::TagList(questions[static_cast<size_t>(q)].Tags)) {
        const auto [at, added] = numbers.emplace(Lower(tag), static_cast<int>(numbers.size()));
        own.push_back(at->second);
      }
    }
    tags.Count = static_cast<int>(numbers.size());
    std::vector<int> order(Pools[r].size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    tags.Cover = CoverInOrder(tags, order);
  }
}

std::vector<int> TBank::CoverInOrder(const TPoolTags& tags, const std::vector<int>& order) {
  std::vector<bool> covered(static_cast<size_t>(tags.Count), false);
  std::vector<int> cover;
  int left = tags.Count;
  while (left > 0) {
    int best = -1, bestGain = 0;
    for (const int position : order) {
      int gain = 0;
      for (const int tag : tags.OfQuestion[static_cast<size_t>(position)])
        if (!covered[static_cast<size_t>(tag)]) ++gain;
      if (gain > bestGain) best = position, bestGain = gain;
    }
    if (best < 0) break;
    for (const int tag : tags.OfQuestion[static_cast<size_t>(best)]) covered[static_cast<size_t>(tag)] = true;
    left -= bestGain;
    cover.push_back(best);
  }
  return cover;
}

std::vector<TProblem> TBank::Shortfalls() const {
  std::vector<TProblem> shortfalls;
  for (size_t r = 0; r < FBlueprint.Rows.size(); ++r) {
    const TRow& row = FBlueprint.Rows[r];
    const int available = static_cast<int>(Pools[r].size());
    const int cover = static_cast<int>(Tags[r].Cover.size());
    if (row.Count > available)
      shortfalls.push_back({TProblemKind::TooFew, row.Category, {}, row.Count, available});
    else if (row.EachTag && cover > row.Count)
      shortfalls.push_back({TProblemKind::TooFewForTags, row.Category, {}, row.Count, cover});
  }
  return shortfalls;
}

int TBank::Asked() const {
  int asked = 0;
  for (size_t r = 0; r < FBlueprint.Rows.size(); ++r)
    asked += std::min(FBlueprint.Rows[r].Count, static_cast<int>(Pools[r].size()));
  return asked;
}

std::vector<int> TBank::Draw(std::uint64_t seed) const {
  return std::move(Draw(seed, 1).front());
}

std::vector<std::vector<int>> TBank::Draw(std::uint64_t seed, int versions) const {
  TShuffle shuffle(seed);
  std::vector<std::vector<int>> drawn(static_cast<size_t>(std::max(versions, 1)));
  for (std::vector<int>& version : drawn) version.reserve(static_cast<size_t>(Asked()));
  std::vector<int> order, rotated;
  std::vector<char> taken;
  for (size_t r = 0; r < FBlueprint.Rows.size(); ++r) {
    const TRow& row = FBlueprint.Rows[r];
    const std::vector<int>& pool = Pools[r];
    const int size = static_cast<int>(pool.size());
    const int count = std::min(row.Count, size);
    order.resize(pool.size());
    for (int i = 0; i < size; ++i) order[static_cast<size_t>(i)] = i;
    for (int i = 0; i + 1 < size; ++i)
      std::swap(order[static_cast<size_t>(i)],
                order[static_cast<size_t>(i) + shuffle.Below(static_cast<std::uint32_t>(size - i))]);
    for (size_t v = 0; v < drawn.size(); ++v) {
      // Version v starts where the one before stopped, so versions share
      // questions only when the category runs out of them.
      const size_t start = size > 0 ? v * static_cast<size_t>(count) % pool.size() : 0;
      rotated.assign(order.begin() + static_cast<std::ptrdiff_t>(start), order.end());
      rotated.insert(rotated.end(), order.begin(), order.begin() + static_cast<std::ptrdiff_t>(start));
      std::vector<int>& version = drawn[v];
      if (!row.EachTag) {
        for (int i = 0; i < count; ++i)
          version.push_back(pool[static_cast<size_t>(rotated[static_cast<size_t>(i)])]);
        continue;
      }
      // The tags first, ties going to the earlier drawn question; a random
      // cover larger than the line allows falls back to the one that was
      // checked when the blueprint was set.
      std::vector<int> chosen = CoverInOrder(Tags[r], rotated);
      if (static_cast<int>(chosen.size()) > count) chosen = Tags[r].Cover;
      if (static_cast<int>(chosen.size()) > count) chosen.resize(static_cast<size_t>(count));
      taken.assign(pool.size(), 0);
      for (const int position : chosen) taken[static_cast<size_t>(position)] = 1;
      for (int i = 0; i < size && static_cast<int>(chosen.size()) < count; ++i)
        if (!taken[static_cast<size_t>(rotated[static_cast<size_t>(i)])])
          chosen.push_back(rotated[static_cast<size_t>(i)]);
      for (const int position : chosen) version.push_back(pool[static_cast<size_t>(position)]);
    }
  }
  for (std::vector<int>& version : drawn) std::sort(version.begin(), version.end());
  return drawn;
}

bool TBank::HoldsEachTag(int row, const std::vector<int>& questions) const {
  const TPoolTags& tags = Tags.at(static_cast<size_t>(row));
  if (!FBlueprint.Rows[static_cast<size_t>(row)].EachTag || tags.Count == 0) return true;
  const std::vector<int>& pool = Pools[static_cast<size_t>(row)];
  std::vector<bool> covered(static_cast<size_t>(tags.Count), false);
  int left = tags.Count;
  for (const int q : questions) {
    const auto at = std::lower_bound(pool.begin(), pool.end(), q);
    if (at == pool.end() || *at != q) continue;
    for (const int tag : tags.OfQuestion[static_cast<size_t>(at - pool.begin())])
      if (!covered[static_cast<size_t>(tag)]) covered[static_cast<size_t>(tag)] = true, --left;
  }
  return left == 0 || static_cast<int>(tags.Cover.size()) > FBlueprint.Rows[static_cast<size_t>(row)].Count;
}

}  // namespace QuestionDraw
