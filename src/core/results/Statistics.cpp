#include "core/results/Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Statistics {

namespace {

constexpr double FlatVariance = 1e-12;

int Total(const TResponses& attempt) {
  return static_cast<int>(
      std::count_if(attempt.begin(), attempt.end(), [](const TResponse& r) { return r.Right; }));
}

double Mean(const std::vector<double>& values) {
  return values.empty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}

double PopulationVariance(const std::vector<double>& values) {
  const double mean = Mean(values);
  double sum = 0;
  for (double v : values) sum += (v - mean) * (v - mean);
  return values.empty() ? 0 : sum / values.size();
}

void CountLetters(std::array<int, 6>& counts, Scoring::TLetters chosen) {
  for (int i = 0; i < 6; ++i)
    if (chosen & (1 << i)) ++counts[i];
}

// Indices of the top and bottom groups.
std::pair<std::vector<bool>, std::vector<bool>> Groups(const std::vector<int>& totals) {
  const std::size_t n = totals.size();
  const auto size = static_cast<std::size_t>(std::floor(0.27 * n + 0.5));
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  // Stable sorts keep the order taken among equal totals.
  std::vector<std::size_t> high = order;
  std::stable_sort(high.begin(), high.end(),
                   [&](std::size_t a, std::size_t b) { return totals[a] > totals[b]; });
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return totals[a] < totals[b]; });
  std::vector<bool> top(n, false), bottom(n, false);
  for (std::size_t i = 0; i < size; ++i) {
    top[high[i]] = true;
    bottom[order[i]] = true;
  }
  return {top, bottom};
}

// Each attempt answers a question at most once, so an attempt asked as many
// questions as there are was asked all of them.
std::optional<double> Kr20(const std::vector<TResponses>& attempts, const std::vector<int>& itemIndex,
                           std::size_t k) {
  if (k < 2) return std::nullopt;
  std::vector<double> totals;
  std::vector<double> right(k, 0.0);
  for (const TResponses& attempt : attempts) {
    if (attempt.size() != k) continue;
    totals.push_back(Total(attempt));
    for (const TResponse& r : attempt) right[itemIndex[r.Number]] += r.Right;
  }
  if (totals.size() < 2) return std::nullopt;
  const double variance = PopulationVariance(totals);
  if (variance < FlatVariance) return std::nullopt;
  double sum = 0;
  for (double count : right) {
    const double p = count / totals.size();
    sum += p * (1 - p);
  }
  return static_cast<double>(k) / (k - 1) * (1 - sum / variance);
}

}  // namespace

double PercentScore(const TResponses& attempt) {
  return attempt.empty() ? 0 : 100.0 * Total(attempt) / static_cast<double>(attempt.size());
}

namespace {

// Sums for a Pearson correlation, gathered in one pass.
struct TCorrelation {
  double N = 0, X = 0, Y = 0, XX = 0, YY = 0, XY = 0;

  void Add(double x, double y) {
    N += 1;
    X += x;
    Y += y;
    XX += x * x;
    YY += y * y;
    XY += x * y;
  }

  // None with fewer than 2 values or either side flat (within rounding).
  std::optional<double> Value() const {
    if (N < 2) return std::nullopt;
    const double sxx = XX - X * X / N, syy = YY - Y * Y / N, sxy = XY - X * Y / N;
    if (sxx <= FlatVariance * std::max(1.0, XX) || syy <= FlatVariance * std::max(1.0, YY))
      return std::nullopt;
    return sxy / std::sqrt(sxx * syy);
  }
};

}  // namespace

TTest Analyse(const std::vector<TResponses>& attempts, const std::map<int, Scoring::TLetters>& keys) {
  TTest test;
  test.Attempts = static_cast<int>(attempts.size());
  std::vector<double> percents;
  std::vector<int> totals;
  // Question numbers to their item, through a table as long as the highest
  // number (numbers are small: a test holds at most a few hundred).
  std::vector<int> itemIndex;
  bool sameCount = true;
  for (const TResponses& attempt : attempts) {
    percents.push_back(PercentScore(attempt));
    totals.push_back(Total(attempt));
    if (attempt.size() != attempts.front().size()) sameCount = false;
    for (const TResponse& r : attempt) {
      if (static_cast<std::size_t>(r.Number) >= itemIndex.size()) itemIndex.resize(r.Number + 1, -1);
      itemIndex[r.Number] = 0;
    }
  }
  if (attempts.empty()) return test;
  test.Mean = Mean(percents);
  test.Sd = std::sqrt(PopulationVariance(percents));
  std::vector<double> sorted = percents;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t n = sorted.size();
  test.Median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  for (double p : percents) ++test.Histogram[std::min(9, static_cast<int>(p / 10))];

  std::vector<int> numbers;
  for (std::size_t number = 0; number < itemIndex.size(); ++number) {
    if (itemIndex[number] < 0) continue;
    itemIndex[number] = static_cast<int>(numbers.size());
    numbers.push_back(static_cast<int>(number));
    test.Items.emplace_back().Number = static_cast<int>(number);
  }
  test.Kr20 = Kr20(attempts, itemIndex, numbers.size());
  if (test.Kr20) test.Sem = test.Sd * std::sqrt(1 - *test.Kr20);

  const auto [top, bottom] = Groups(totals);
  std::vector<TCorrelation> correlations(numbers.size());
  for (std::size_t a = 0; a < attempts.size(); ++a) {
    const int others = static_cast<int>(attempts[a].size()) - 1;
    for (const TResponse& r : attempts[a]) {
      const auto i = static_cast<std::size_t>(itemIndex[r.Number]);
      TItem& item = test.Items[i];
      ++item.Attempts;
      item.Facility += r.Right;
      if (r.Chosen == 0) ++item.Blank;
      CountLetters(item.Chose, r.Chosen);
      if (top[a]) CountLetters(item.ChoseTop, r.Chosen);
      if (bottom[a]) CountLetters(item.ChoseBottom, r.Chosen);
      const double rest = totals[a] - r.Right;
      correlations[i].Add(r.Right, sameCount ? rest : others > 0 ? 100.0 * rest / others : 0.0);
    }
  }
  for (std::size_t i = 0; i < test.Items.size(); ++i) {
    TItem& item = test.Items[i];
    item.Facility /= item.Attempts;
    item.Discrimination = correlations[i].Value();
    if (item.Facility > 0.9) item.Flags.emplace_back("very-easy");
    if (item.Facility < 0.2) item.Flags.emplace_back("very-hard");
    if (item.Discrimination && *item.Discrimination < 0)
      item.Flags.emplace_back("negative");
    else if (item.Discrimination && *item.Discrimination < 0.1)
      item.Flags.emplace_back("weak");
    const auto key = keys.find(item.Number);
    if (key == keys.end() || (key->second & 0x3F) == 0) continue;
    int keyCount = -1;
    for (int letter = 0; letter < 6; ++letter)
      if (key->second & (1 << letter))
        keyCount = keyCount < 0 ? item.ChoseTop[letter] : std::min(keyCount, item.ChoseTop[letter]);
    for (int letter = 0; letter < 6; ++letter) {
      if (!(key->second & (1 << letter)) && item.ChoseTop[letter] > keyCount) {
        item.Flags.emplace_back("miskey");
        break;
      }
    }
  }
  return test;
}

}  // namespace Statistics
