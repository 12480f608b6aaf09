// Questions typed twice across a folder of 20 tests of 500 questions: every
// test read and deciphered, then every question compared, as
// `qwtool check --folder` does it. Test 20 repeats test 1, so a tenth of the
// questions have copies. The first run is timed apart and shown beside the
// median.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchFiles.h"
#include "core/model/Duplicates.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"

namespace fs = std::filesystem;

namespace {

constexpr int Tests = 20;

const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path path = fs::temp_directory_path() / ("quizwell-duplicates-bench-" + std::to_string(::getpid()));
    fs::create_directories(path);
    for (int t = 0; t < Tests; ++t)
      BenchFiles::GenerateTest((path / ("T" + std::to_string(t) + ".QWT")).string(), 500,
                               t == Tests - 1 ? 1 : t + 1);
    return path;
  }();
  return folder;
}

void FindAcrossFolder(benchmark::State& state) {
  size_t groups = 0, questions = 0;
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] {
    std::vector<Duplicates::TTestQuestions> tests;
    questions = 0;
    for (int t = 0; t < Tests; ++t) {
      TIniStore store((Folder() / ("T" + std::to_string(t) + ".QWT")).string());
      tests.push_back({std::to_string(t), ReadTestContents(store).Questions});
      questions += tests.back().Questions.size();
    }
    groups = Duplicates::Find(tests).size();
  });
  state.counters["questions"] = static_cast<double>(questions);
  state.counters["groups"] = static_cast<double>(groups);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("Duplicates/20x500", FindAcrossFolder)->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(Folder());
  return 0;
}
