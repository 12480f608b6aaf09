// Printing a 500-question test as four shuffled versions, with answer keys,
// to PDF: what "Save as PDF" and qwtool print cost on a large test. The first
// run, which loads the fonts, is timed apart and shown beside the median.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "BenchFiles.h"
#include "core/run/PaperVersions.h"
#include "ui/page/TestPrinter.h"

namespace {

PaperVersions::TPaperTest LargeTest() {
  PaperVersions::TPaperTest test;
  test.Description = "Five hundred questions";
  test.Folder = ".";
  for (int n = 1; n <= 500; ++n) {
    QuestionRecord q;
    q.Question = "Question " + std::to_string(n) + ": which of these statements about the topic of unit " +
                 std::to_string(n % 12 + 1) + " is true, as the lecture explained it?";
    for (int a = 0; a < 5; ++a)
      q.Answer(a) =
          "Answer " + std::string(1, static_cast<char>('A' + a)) + " of question " + std::to_string(n);
    q.Correct = n % 4 == 0 ? "AC" : "B";
    test.Questions.push_back(std::move(q));
  }
  return test;
}

void PrintFourVersionsToPdf(benchmark::State& state) {
  const PaperVersions::TPaperTest test = LargeTest();
  TPrintOptions options;
  options.Versions = {4, 2024, true, true};
  options.AnswerKeys = true;
  QTemporaryDir dir;
  int pages = 0;
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] {
    pages = TTestPrinter(test, options).WritePdf(dir.filePath(QStringLiteral("bench.pdf")));
  });
  state.counters["pages"] = pages;
}
BENCHMARK(PrintFourVersionsToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
