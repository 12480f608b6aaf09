// How long a student waits from Start to the first question of a
// 500-question test in random order: reading the whole test, choosing and
// shuffling the questions, and building and showing the question window.
// Offscreen.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>

#include "BenchFiles.h"
#include "core/run/Clock.h"
#include "core/run/TestSession.h"
#include "core/storage/IniStore.h"
#include "core/test/TestContents.h"
#include "ui/engine/QuestionForm.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/ShellOpen.h"

namespace {

class TSilentDialogs : public TDialogs {
public:
  TButton Message(TMessageKind kind, const QString&) override {
    return kind == TMessageKind::Confirmation ? TButton::Yes : TButton::Ok;
  }
  std::optional<QString> OpenFile(const TFileDialogOptions&) override { return std::nullopt; }
  std::optional<QString> SaveFile(const TFileDialogOptions&) override { return std::nullopt; }
};

class TNoShell : public TShellOpen {
public:
  int ExecuteFile(const QString&, const QString&, const QString&, int) override { return 42; }
};

struct TBigTest {
  std::filesystem::path Folder = std::filesystem::temp_directory_path() / "quizwell-engine-bench";
  std::string Path;
  TBigTest() {
    std::filesystem::create_directories(Folder);
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
  TSilentDialogs dialogs;
  TNoShell shell;
  TSteadyClock clock;
  const TEngineServices services{dialogs, shell, QString::fromStdString(BigTest().Folder.string())};
  std::uint64_t seed = 1;
  for (auto _ : state) {
    TCustomIniStore store(BigTest().Path);
    TestSettings settings = ReadTestSettings(store);
    settings.RandomQuestions = 1;
    TTestSession session(settings, ReadTestContents(store).Questions, clock);
    session.Start(0, seed++);
    TQuestionForm form(session, services);
    form.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(session.Count());
  }
}
BENCHMARK(StartToFirstQuestion)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
