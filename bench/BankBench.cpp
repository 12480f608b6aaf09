// Question banks: a draw for each of 1,000 students from a 500-question test
// of 20 categories (two of each asked), and eight balanced paper versions of
// 40 from the same bank, with the spread of their expected means beside the
// best a brute-force search finds on a small bank of 12 in three versions.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "core/run/ParallelForms.h"
#include "core/run/QuestionDraw.h"
#include "core/run/Shuffle.h"

namespace {

constexpr int Questions = 500;
constexpr int Categories = 20;

std::vector<QuestionRecord> Bank(int questions, int categories) {
  std::vector<QuestionRecord> bank(static_cast<size_t>(questions));
  for (int q = 0; q < questions; ++q) {
    bank[static_cast<size_t>(q)].Question = "Q" + std::to_string(q + 1);
    bank[static_cast<size_t>(q)].Category = "Unit " + std::to_string(q % categories + 1);
  }
  return bank;
}

std::string Blueprint(int categories, int each) {
  std::string text;
  for (int c = 1; c <= categories; ++c)
    text += "Unit " + std::to_string(c) + "=" + std::to_string(each) + ";";
  return text;
}

std::vector<std::optional<double>> Facilities(int questions, std::uint64_t seed) {
  TShuffle source(seed);
  std::vector<std::optional<double>> facility;
  for (int q = 0; q < questions; ++q) facility.push_back(0.2 + source.Below(700) / 1000.0);
  return facility;
}

void DrawForStudents(benchmark::State& state) {
  const std::vector<QuestionRecord> bank = Bank(Questions, Categories);
  size_t asked = 0;
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] {
    const QuestionDraw::TBank drawn(QuestionDraw::Parse(Blueprint(Categories, 2)).Blueprint, bank);
    asked = 0;
    for (std::uint64_t student = 0; student < 1000; ++student) asked += drawn.Draw(student).size();
    benchmark::DoNotOptimize(asked);
  });
  state.counters["asked"] = static_cast<double>(asked);
}

void BalancedVersions(benchmark::State& state) {
  const std::vector<QuestionRecord> bank = Bank(Questions, Categories);
  const std::vector<std::optional<double>> facility = Facilities(Questions, 11);
  const QuestionDraw::TBank drawn(QuestionDraw::Parse(Blueprint(Categories, 2)).Blueprint, bank);
  double spread = 0;
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] { spread = ParallelForms::Draw(drawn, 8, 2026, facility).Spread(); });
  state.counters["spread_points"] = spread;
  // The same versions drawn at random, for the spread balancing saves.
  std::vector<double> means;
  for (const std::vector<int>& version : drawn.Draw(2026, 8)) {
    double sum = 0;
    for (const int q : version) sum += *facility[static_cast<size_t>(q)];
    means.push_back(sum * 100 / static_cast<double>(version.size()));
  }
  const auto [low, high] = std::minmax_element(means.begin(), means.end());
  state.counters["random_spread_points"] = *high - *low;
}

// Every split of 12 questions into three versions of four.
double BruteForceBest(const std::vector<double>& value) {
  double best = 100;
  std::function<void(size_t, std::array<int, 3>, std::array<double, 3>)> split = [&](size_t q, auto sizes,
                                                                                     auto sums) {
    if (q == value.size()) {
      const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
      best = std::min(best, (*high - *low) * 100 / 4);
      return;
    }
    for (size_t g = 0; g < 3; ++g) {
      if (sizes[g] == 4 || (g > 0 && sizes[g - 1] == 0)) continue;
      auto s = sizes;
      auto t = sums;
      ++s[g];
      t[g] += value[q];
      split(q + 1, s, t);
    }
  };
  split(0, {0, 0, 0}, {0, 0, 0});
  return best;
}

void AgainstBruteForce(benchmark::State& state) {
  const std::vector<QuestionRecord> bank = Bank(12, 1);
  const QuestionDraw::TBank drawn(QuestionDraw::Parse("Unit 1=4").Blueprint, bank);
  double worst = 0;
  for (auto _ : state) {
    worst = 0;
    for (std::uint64_t round = 1; round <= 20; ++round) {
      const std::vector<std::optional<double>> facility = Facilities(12, round);
      std::vector<double> value;
      for (const auto& f : facility) value.push_back(*f);
      worst =
          std::max(worst, ParallelForms::Draw(drawn, 3, round, facility).Spread() - BruteForceBest(value));
    }
  }
  state.counters["worst_gap_points"] = worst;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("Bank/Draw1000Students", DrawForStudents)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Bank/Balance8x40of500", BalancedVersions)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Bank/BruteForce12in3x4", AgainstBruteForce)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
