// Import of a 500-question file in each exchange format into a new test: the
// file read, parsed, put into the code page and saved (with its fsync), as
// `qwtool import` does it. Each format reads and writes files of its own; its
// first run is timed apart and shown beside the median.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "BenchFiles.h"
#include "core/exchange/Export.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path path = BenchFiles::ScratchFolder("exchange");
    BenchFiles::GenerateTest((path / "SOURCE.QWT").string(), 500, 7);
    return path;
  }();
  return folder;
}

void ImportFile(benchmark::State& state, const TQuestionFormat* format) {
  const std::string source = (Folder() / ("source." + std::string(format->Name()))).string();
  TLossReport exported;
  Export::ExportTest(*format, (Folder() / "SOURCE.QWT").string(), source, exported);
  const std::string test = (Folder() / ("NEW-" + std::string(format->Name()) + ".QWT")).string();
  size_t questions = 0;
  static std::map<const TQuestionFormat*, BenchFiles::TFirstRun> firsts;
  firsts[format].Loop(state, [&] {
    TLossReport report;
    const TImportedTest imported = Import::ReadSource(*format, source, report);
    Import::SaveNewTest(test, Import::ToTestText(imported));
    questions = imported.Questions.size();
  });
  state.counters["questions"] = static_cast<double>(questions);
  state.counters["source_kB"] = static_cast<double>(fs::file_size(source)) / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  for (const auto& format : QuestionFormats())
    benchmark::RegisterBenchmark(("Import500/" + std::string(format->Name())).c_str(), ImportFile,
                                 format.get())
        ->Unit(benchmark::kMillisecond);
  return BenchFiles::RunInFolder(argc, argv, Folder());
}
