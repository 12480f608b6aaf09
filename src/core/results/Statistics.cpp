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

std::optional<double> Kr20(const std::vector<TResponses>& attempts, const std::vector<int>& numbers) {
  const std::size_t k = numbers.size();
  if (k < 2) return std::nullopt;
  std::vector<double> totals;
  std::map<int, double> right;
  for (const TResponses& attempt : attempts) {
    std::vector<int> asked;
    for (const TResponse& r : attempt) asked.push_back(r.Number);
    std::sort(asked.begin(), asked.end());
    if (asked != numbers) continue;
    totals.push_back(Total(attempt));
    for (const TResponse& r : attempt) right[r.Number] += r.Right;
  }
  if (totals.size() < 2) return std::nullopt;
  const double variance = PopulationVariance(totals);
  if (variance < FlatVariance) return std::nullopt;
  double sum = 0;
  for (const auto& [number, count] : right) {
    const double p = count / totals.size();
    sum += p * (1 - p);
  }
  return static_cast<double>(k) / (k - 1) * (1 - sum / variance);
}

}  // namespace

double PercentScore(const TResponses& attempt) {
  return attempt.empty() ? 0 : 100.0 * Total(attempt) / static_cast<double>(attempt.size());
}

std::optional<double> Pearson(const std::vector<double>& a, const std::vector<double>& b) {
  if (a.size() != b.size() || a.size() < 2) return std::nullopt;
  const double ma = Mean(a), mb = Mean(b);
  double sab = 0, saa = 0, sbb = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    sab += (a[i] - ma) * (b[i] - mb);
    saa += (a[i] - ma) * (a[i] - ma);
    sbb += (b[i] - mb) * (b[i] - mb);
  }
  if (saa < FlatVariance || sbb < FlatVariance) return std::nullopt;
  return sab / std::sqrt(saa * sbb);
}

TTest Analyse(const std::vector<TResponses>& attempts, const std::map<int, Scoring::TLetters>& keys) {
  TTest test;
  test.Attempts = static_cast<int>(attempts.size());
  std::vector<double> percents;
  std::vector<int> totals;
  std::map<int, std::size_t> itemIndex;
  bool sameCount = true;
  for (const TResponses& attempt : attempts) {
    percents.push_back(PercentScore(attempt));
    totals.push_back(Total(attempt));
    if (attempt.size() != attempts.front().size()) sameCount = false;
    for (const TResponse& r : attempt) itemIndex.emplace(r.Number, 0);
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
  for (auto& [number, index] : itemIndex) {
    index = numbers.size();
    numbers.push_back(number);
    test.Items.emplace_back().Number = number;
  }
  test.Kr20 = Kr20(attempts, numbers);
  if (test.Kr20) test.Sem = test.Sd * std::sqrt(1 - *test.Kr20);

  const auto [top, bottom] = Groups(totals);
  std::vector<std::vector<double>> marks(numbers.size()), rests(numbers.size());
  for (std::size_t a = 0; a < attempts.size(); ++a) {
    const int others = static_cast<int>(attempts[a].size()) - 1;
    for (const TResponse& r : attempts[a]) {
      const std::size_t i = itemIndex.at(r.Number);
      TItem& item = test.Items[i];
      ++item.Attempts;
      item.Facility += r.Right;
      if (r.Chosen == 0) ++item.Blank;
      CountLetters(item.Chose, r.Chosen);
      if (top[a]) CountLetters(item.ChoseTop, r.Chosen);
      if (bottom[a]) CountLetters(item.ChoseBottom, r.Chosen);
      const double rest = totals[a] - r.Right;
      marks[i].push_back(r.Right);
      rests[i].push_back(sameCount ? rest : others > 0 ? 100.0 * rest / others : 0.0);
    }
  }
  for (std::size_t i = 0; i < test.Items.size(); ++i) {
    TItem& item = test.Items[i];
    item.Facility /= item.Attempts;
    item.Discrimination = Pearson(marks[i], rests[i]);
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
