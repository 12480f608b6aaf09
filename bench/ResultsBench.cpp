// The results store at class scale: collecting 10,000 attempt files of 50
// questions into a new store, and `qwtool results` (list, figures, JSON) over
// 10,000 attempts of 100 questions (the store opened in each run, as a
// user's run opens it, and once before them), with the store's size per
// answered question; and the questions' histories over that store.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>

#include "BenchFiles.h"
#include "ClassAttempts.h"
#include "core/results/AttemptFile.h"
#include "core/results/QuestionHistory.h"
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

void Import10000(benchmark::State& state) {
  const std::string drop = (Folder() / "drop").string();
  fs::create_directories(drop);
  std::mt19937 random(5);
  const auto questions = Questions(50);
  for (int i = 0; i < 10000; ++i) AttemptFile::Write(drop, ClassAttempts::Student(i, questions, random));
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

// The store of 10,000 attempts of 100 questions, made once.
const std::string& ClassStore() {
  static const std::string tests = [] {
    const std::string folder = (Folder() / "results").string();
    fs::create_directories(folder);
    ClassAttempts::StoreClass(folder, Folder().string(), Questions(100), 10000, 7);
    return folder;
  }();
  return tests;
}

// What `qwtool results` does with the store; opened inside the loop as a
// user's run opens it, or once before it (range 0) for the reading alone.
void Results10000x100(benchmark::State& state) {
  const std::string& tests = ClassStore();
  const bool opening = state.range(0) != 0;
  std::map<int, Scoring::TLetters> keys;
  for (const TQuestionSnapshot& q : Questions(100)) keys[q.Number] = q.Correct;
  TOpenedStore kept = opening ? TOpenedStore{} : ReadResultsStore(tests, Folder().string());
  std::size_t length = 0;
  for (auto _ : state) {
    TOpenedStore opened = opening ? ReadResultsStore(tests, Folder().string()) : TOpenedStore{};
    TResultsStore& store = opening ? *opened.Store : *kept.Store;
    const auto attempts = store.Attempts({.TestFile = "BENCH.QWT", .WithAnswers = true});
    const Statistics::TTest test = Statistics::Analyse(Reports::Responses(attempts), keys);
    length = Reports::Json(test, {}).size();
  }
  benchmark::DoNotOptimize(length);
  state.counters["bytes_per_answer"] =
      static_cast<double>(fs::file_size(fs::path(tests) / ResultsFileName)) / (10000.0 * 100.0);
}

// The history of each question of a 500-question test, 100 of them asked
// in the 10,000 attempts of the store: what the editor's question list reads
// when it opens.
void Histories500(benchmark::State& state) {
  const std::string& tests = ClassStore();
  const auto questions = Questions(500);
  for (auto _ : state) {
    TOpenedStore opened = ReadResultsStore(tests, Folder().string());
    const auto histories = QuestionHistories(*opened.Store, questions);
    if (histories[0].Asked != 10000) state.SkipWithError("the first question's attempts were not all found");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ResultsImport/10000x50", Import10000)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("ResultsReport/10000x100", Results10000x100)
      ->ArgName("opening")
      ->Arg(1)
      ->Arg(0)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("QuestionHistories/500of10000x100", Histories500)
      ->Unit(benchmark::kMillisecond);
  return BenchFiles::RunInFolder(argc, argv, Folder());
}
