// How long a student waits from Start to the first question of a
// 500-question test in random order: reading the whole test, choosing and
// shuffling the questions, and building and showing the question window.
// Offscreen. The run's first start, which pays for what Qt sets up once, is
// timed apart and shown beside the median.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <optional>

#include "BenchFiles.h"
#include "QuietPlatform.h"
#include "core/model/TestContents.h"
#include "core/run/Clock.h"
#include "core/run/TestSession.h"
#include "core/storage/IniStore.h"
#include "ui/engine/QuestionForm.h"

namespace {

struct TBigTest {
  std::filesystem::path Folder = BenchFiles::ScratchFolder("engine");
  std::string Path;
  TBigTest() {
    Path = (Folder / "BIG.QWT").string();
    BenchFiles::GenerateTest(Path, 500, 7);
  }
  ~TBigTest() { std::filesystem::remove_all(Folder); }
};

TBigTest& BigTest() {
  static TBigTest test;
  return test;
}

void StartToFirstQuestion(benchmark::State& state) {
  QuietPlatform::TAnsweringDialogs dialogs;
  QuietPlatform::TNoShell shell;
  TSteadyClock clock;
  const TEngineServices services{dialogs, shell, QString::fromStdString(BigTest().Folder.string())};
  std::uint64_t seed = 1;
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] {
    TCustomIniStore store(BigTest().Path);
    TestSettings settings = ReadTestSettings(store);
    settings.RandomQuestions = 1;
    TTestSession session(settings, ReadTestContents(store).Questions, clock);
    session.Start(0, seed++);
    TQuestionForm form(session, services);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(session.Count());
  });
}
BENCHMARK(StartToFirstQuestion)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
