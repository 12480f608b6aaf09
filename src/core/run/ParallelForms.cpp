#include "core/run/ParallelForms.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ParallelForms {

namespace {

// The search starts again from this many draws and keeps the best.
constexpr int Starts = 8;

std::uint64_t StartSeed(std::uint64_t seed, int start) {
  return start == 0 ? seed : seed ^ (0xD1B54A32D192ED03ULL * static_cast<std::uint64_t>(start));
}

// What the search makes small: the spread of the versions' totals first, then
// how far they lie from their mean.
struct TScore {
  double Spread = 0;
  double Squares = 0;

  bool Below(const TScore& other) const {
    constexpr double Tiny = 1e-9;
    if (Spread < other.Spread - Tiny) return true;
    return Spread <= other.Spread + Tiny && Squares < other.Squares - Tiny;
  }
};

class TSearch {
public:
  TSearch(const QuestionDraw::TBank& bank, const std::vector<double>& value, int questions)
      : Bank(bank), Value(value), RowOf(static_cast<size_t>(questions), -1) {
    for (int r = 0; r < bank.Rows(); ++r)
      for (const int q : bank.Pool(r)) RowOf[static_cast<size_t>(q)] = r;
  }

  // Improves versions in place until no single move helps.
  TScore Improve(std::vector<std::vector<int>>& versions) {
    const size_t count = versions.size();
    Holds.assign(count, std::vector<char>(RowOf.size(), 0));
    Uses.assign(RowOf.size(), 0);
    Sums.assign(count, 0);
    for (size_t v = 0; v < count; ++v)
      for (const int q : versions[v]) {
        Holds[v][static_cast<size_t>(q)] = 1;
        ++Uses[static_cast<size_t>(q)];
        Sums[v] += Value[static_cast<size_t>(q)];
      }
    MaxUses.assign(static_cast<size_t>(Bank.Rows()), 1);
    for (int r = 0; r < Bank.Rows(); ++r) {
      int most = 0;
      for (const int q : Bank.Pool(r)) most = std::max(most, Uses[static_cast<size_t>(q)]);
      MaxUses[static_cast<size_t>(r)] = std::max(most, 1);
    }
    TScore score = Score(-1, 0, -1, 0);
    bool moved = true;
    while (moved) {
      moved = false;
      for (size_t a = 0; a < count; ++a) {
        for (size_t i = 0; i < versions[a].size(); ++i) {
          const int qa = versions[a][i];
          const int row = RowOf[static_cast<size_t>(qa)];
          // Swap with another version's question of the same line.
          for (size_t b = a + 1; b < count; ++b) {
            for (size_t j = 0; j < versions[b].size(); ++j) {
              const int qb = versions[b][j];
              if (RowOf[static_cast<size_t>(qb)] != row || Holds[a][static_cast<size_t>(qb)] ||
                  Holds[b][static_cast<size_t>(qa)])
                continue;
              const double delta = Value[static_cast<size_t>(qb)] - Value[static_cast<size_t>(qa)];
              const TScore next =
                  Score(static_cast<int>(a), Sums[a] + delta, static_cast<int>(b), Sums[b] - delta);
              if (!next.Below(score) || !KeepsTags(versions[a], i, qb, row) ||
                  !KeepsTags(versions[b], j, qa, row))
                continue;
              Put(versions, a, i, qb);
              Put(versions, b, j, qa);
              score = next;
              moved = true;
              break;
            }
            if (versions[a][i] != qa) break;
          }
          if (versions[a][i] != qa) continue;
          // Replace it with a question of its line used less.
          for (const int c : Bank.Pool(row)) {
            if (Holds[a][static_cast<size_t>(c)] ||
                Uses[static_cast<size_t>(c)] >= MaxUses[static_cast<size_t>(row)])
              continue;
            const double delta = Value[static_cast<size_t>(c)] - Value[static_cast<size_t>(qa)];
            const TScore next = Score(static_cast<int>(a), Sums[a] + delta, -1, 0);
            if (!next.Below(score) || !KeepsTags(versions[a], i, c, row)) continue;
            Put(versions, a, i, c);
            score = next;
            moved = true;
            break;
          }
        }
      }
    }
    for (std::vector<int>& version : versions) std::sort(version.begin(), version.end());
    return score;
  }

private:
  // The score with the totals of versions a and b (-1: none) replaced.
  TScore Score(int a, double sumA, int b, double sumB) const {
    double high = -HUGE_VAL, low = HUGE_VAL, total = 0;
    const size_t count = Sums.size();
    for (size_t v = 0; v < count; ++v) {
      const double sum = static_cast<int>(v) == a ? sumA : static_cast<int>(v) == b ? sumB : Sums[v];
      high = std::max(high, sum);
      low = std::min(low, sum);
      total += sum;
    }
    const double mean = total / static_cast<double>(count);
    double squares = 0;
    for (size_t v = 0; v < count; ++v) {
      const double sum = static_cast<int>(v) == a ? sumA : static_cast<int>(v) == b ? sumB : Sums[v];
      squares += (sum - mean) * (sum - mean);
    }
    return {high - low, squares};
  }

  // Whether the version still holds one of each tag of row with its question
  // at index i replaced by q.
  bool KeepsTags(const std::vector<int>& version, size_t i, int q, int row) {
    Scratch.assign(version.begin(), version.end());
    Scratch[i] = q;
    std::sort(Scratch.begin(), Scratch.end());
    return Bank.HoldsEachTag(row, Scratch);
  }

  void Put(std::vector<std::vector<int>>& versions, size_t v, size_t i, int q) {
    const int old = versions[v][i];
    Holds[v][static_cast<size_t>(old)] = 0;
    --Uses[static_cast<size_t>(old)];
    Sums[v] -= Value[static_cast<size_t>(old)];
    versions[v][i] = q;
    Holds[v][static_cast<size_t>(q)] = 1;
    ++Uses[static_cast<size_t>(q)];
    Sums[v] += Value[static_cast<size_t>(q)];
  }

  const QuestionDraw::TBank& Bank;
  const std::vector<double>& Value;
  std::vector<int> RowOf;
  std::vector<std::vector<char>> Holds;
  std::vector<int> Uses;
  std::vector<int> MaxUses;
  std::vector<double> Sums;
  std::vector<int> Scratch;
};

std::vector<double> Means(const std::vector<std::vector<int>>& versions, const std::vector<double>& value) {
  std::vector<double> means;
  for (const std::vector<int>& version : versions) {
    double sum = 0;
    for (const int q : version) sum += value.at(static_cast<size_t>(q));
    means.push_back(version.empty() ? 0 : 100 * sum / static_cast<double>(version.size()));
  }
  return means;
}

}  // namespace

double TForms::Spread() const {
  if (ExpectedMeans.empty()) return 0;
  const auto [low, high] = std::minmax_element(ExpectedMeans.begin(), ExpectedMeans.end());
  return *high - *low;
}

TForms Draw(const QuestionDraw::TBank& bank, int versions, std::uint64_t seed,
            const std::vector<std::optional<double>>& facility) {
  TForms forms;
  forms.Versions = bank.Draw(seed, versions);
  // Only the questions the bank draws from count: their known facilities give
  // the value of those without one.
  double known = 0;
  int knownCount = 0;
  for (int r = 0; r < bank.Rows(); ++r)
    for (const int q : bank.Pool(r))
      if (const std::optional<double>& value = facility.at(static_cast<size_t>(q))) {
        known += *value;
        ++knownCount;
      } else {
        ++forms.Estimated;
      }
  if (knownCount == 0) {
    forms.Estimated = 0;
    return forms;
  }
  const double fallback = known / knownCount;
  std::vector<double> value(facility.size(), fallback);
  for (size_t q = 0; q < facility.size(); ++q)
    if (facility[q]) value[q] = *facility[q];

  TSearch search(bank, value, static_cast<int>(facility.size()));
  TScore best = search.Improve(forms.Versions);
  for (int start = 1; start < Starts && best.Spread > 1e-9; ++start) {
    std::vector<std::vector<int>> other = bank.Draw(StartSeed(seed, start), versions);
    const TScore score = search.Improve(other);
    if (score.Below(best)) {
      best = score;
      forms.Versions = std::move(other);
    }
  }
  forms.ExpectedMeans = Means(forms.Versions, value);
  return forms;
}

std::string Summary(const TForms& forms) {
  if (!forms.Balanced()) return "no statistics for these questions yet: versions drawn at random";
  std::string text = "expected mean: ";
  for (size_t v = 0; v < forms.ExpectedMeans.size(); ++v)
    text += (v ? ", " : "") + std::to_string(static_cast<int>(std::lround(forms.ExpectedMeans[v]))) + "%";
  char spread[32];
  std::snprintf(spread, sizeof spread, "%.1f", forms.Spread());
  text += " (spread " + std::string(spread) + " points)";
  if (forms.Estimated > 0)
    text += "; " + std::to_string(forms.Estimated) + " questions without statistics counted at the mean";
  return text;
}

TPaperDraw PaperDraw(const std::string& blueprint, const std::vector<QuestionRecord>& questions, int versions,
                     std::uint64_t seed, const std::vector<std::optional<double>>* facility) {
  TPaperDraw paper;
  QuestionDraw::TParsed parsed = QuestionDraw::Parse(blueprint);
  if (!parsed.Error.empty()) {
    paper.Warnings.push_back(
        {true, parsed.Problem,
         "the blueprint does not read (" + parsed.Error + "): every question is printed"});
    return paper;
  }
  if (parsed.Blueprint.Empty()) return paper;
  const QuestionDraw::TBank bank(std::move(parsed.Blueprint), questions);
  for (QuestionDraw::TProblem& shortfall : bank.Shortfalls())
    paper.Warnings.push_back({false, shortfall, QuestionDraw::Sentence(shortfall)});
  if (!facility) {
    paper.Draw = bank.Draw(seed, versions);
    return paper;
  }
  TForms forms = Draw(bank, versions, seed, *facility);
  paper.Balance = Summary(forms);
  paper.Draw = forms.Versions;
  paper.Balanced = std::move(forms);
  return paper;
}

}  // namespace ParallelForms
