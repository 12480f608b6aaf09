// The results store at class scale: collecting 10,000 attempt files of 50
// questions into a new store, and `qwtool results` (list, figures, JSON) over
// 10,000 attempts of 100 questions, with the store's size per answered
// question.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "BenchFiles.h"
#include "core/results/AttemptFile.h"
#include "core/results/Reports.h"
#include "core/results/ResultsStore.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Folder() {
  static const fs::path folder = BenchFiles::ScratchFolder("results");
  return folder;
}

std::vector<TQuestionSnapshot> Questions(int count) {
  std::vector<TQuestionSnapshot> questions;
  for (int n = 1; n <= count; ++n) {
    TQuestionSnapshot& q = questions.emplace_back();
    q.Number = n;
    q.Question =
        "Which of these statements about topic " + std::to_string(n) + " holds in every case we met?";
    q.Answers = {"The first answer", "A second, longer answer", "Third", "The fourth one", "", ""};
    q.Correct = static_cast<Scoring::TLetters>(1 << (n % 4));
  }
  return questions;
}

// A student of some ability answering every question, in a shuffled order.
TAttempt Student(int index, const std::vector<TQuestionSnapshot>& questions, std::mt19937& random) {
  TAttempt a;
  a.Id = Digest128("student" + std::to_string(index));
  a.TestFile = "BENCH.QWT";
  a.Description = "Benchmark test";
  a.Questions = questions;
  a.Fingerprint = Fingerprint(questions);
  a.Student = "Student " + std::to_string(index);
  a.Class = "Class " + std::to_string(index % 12);
  a.Machine = "LAB" + std::to_string(index % 30);
  a.Started = "2026-11-" + std::to_string(10 + index % 20) + " 09:00:00";
  a.Ended = a.Started;
  a.SecondsTaken = 1200;
  std::vector<int> order(questions.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::shuffle(order.begin(), order.end(), random);
  const double ability = std::uniform_real_distribution<double>(0.2, 0.95)(random);
  std::uniform_real_distribution<double> chance(0, 1);
  for (std::size_t p = 0; p < order.size(); ++p) {
    const TQuestionSnapshot& q = questions[order[p]];
    const double roll = chance(random);
    const Scoring::TLetters chosen = roll < ability ? q.Correct
                                     : roll < 0.97  ? Scoring::TLetters(1 << (order[p] % 3))
                                                    : 0;
    a.Answered.push_back({q.Number, static_cast<int>(p + 1), "ABCD", chosen, false});
  }
  return a;
}

void Import10000(benchmark::State& state) {
  const std::string drop = (Folder() / "drop").string();
  fs::create_directories(drop);
  std::mt19937 random(5);
  const auto questions = Questions(50);
  for (int i = 0; i < 10000; ++i) AttemptFile::Write(drop, Student(i, questions, random));
  int run = 0;
  for (auto _ : state) {
    const std::string tests = (Folder() / ("import" + std::to_string(run++))).string();
    fs::create_directories(tests);
    TOpenedStore opened = OpenResultsStore(tests, Folder().string());
    const ResultsFolder::TCollected collected = ResultsFolder::Collect(drop, *opened.Store);
    if (collected.Added != 10000) state.SkipWithError("not every file was stored");
  }
  state.counters["files"] = 10000;
}

void Results10000x100(benchmark::State& state) {
  const std::string tests = (Folder() / "results").string();
  fs::create_directories(tests);
  {
    TOpenedStore opened = OpenResultsStore(tests, Folder().string());
    std::mt19937 random(7);
    const auto questions = Questions(100);
    std::vector<std::pair<TAttempt, std::string>> batch;
    for (int i = 0; i < 10000; ++i) {
      TAttempt a = Student(i, questions, random);
      std::string id = AttemptFile::ContentId(a);
      batch.emplace_back(std::move(a), std::move(id));
      if (batch.size() == 1000) {
        opened.Store->AddAll(batch);
        batch.clear();
      }
    }
    opened.Store->Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
  }
  std::map<int, Scoring::TLetters> keys;
  for (const TQuestionSnapshot& q : Questions(100)) keys[q.Number] = q.Correct;
  TOpenedStore opened = OpenResultsStore(tests, Folder().string());
  std::size_t length = 0;
  for (auto _ : state) {
    const auto attempts = opened.Store->Attempts({.TestFile = "BENCH.QWT", .WithAnswers = true});
    const Statistics::TTest test = Statistics::Analyse(Reports::Responses(attempts), keys);
    length = Reports::Json(test, {}).size();
  }
  benchmark::DoNotOptimize(length);
  state.counters["bytes_per_answer"] =
      static_cast<double>(fs::file_size(fs::path(tests) / ResultsFileName)) / (10000.0 * 100.0);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ResultsImport/10000x50", Import10000)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("ResultsReport/10000x100", Results10000x100)->Unit(benchmark::kMillisecond);
  return BenchFiles::RunInFolder(argc, argv, Folder());
}
