// How long the teacher waits for File > Results... over a class of 10,000
// attempts at a 50-question test: from the window's creation to its attempts,
// figures and item analysis filled and shown, offscreen. The first opening
// is timed apart and shown beside the median.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QTableWidget>
#include <filesystem>

#include "BenchFiles.h"
#include "ClassAttempts.h"
#include "QuietPlatform.h"
#include "core/model/QuestionSet.h"
#include "core/results/RecordAttempt.h"
#include "core/run/PaperVersions.h"
#include "ui/platform/Globals.h"
#include "ui/results/ResultsForm.h"

namespace fs = std::filesystem;

namespace {

constexpr int Attempts = 10000;

struct TClass {
  fs::path Folder = fs::temp_directory_path() / ("quizwell-results-screen-" + std::to_string(::getpid()));
  std::string Test = (Folder / "BENCH.QWT").string();
  QuietPlatform::TAnsweringDialogs Dialogs;
  QuietPlatform::TNoHelp Help;
  QuietPlatform::TNoShell Shell;
  QuestionSet Questions;

  TClass() {
    fs::create_directories(Folder);
    BenchFiles::GenerateTest(Test, 50, 11);
    std::vector<TQuestionSnapshot> snapshots;
    const PaperVersions::TPaperTest paper = PaperVersions::ReadPaperTest(Test);
    for (std::size_t i = 0; i < paper.Questions.size(); ++i)
      snapshots.push_back(SnapshotOf(paper.Questions[i], static_cast<int>(i + 1)));
    ClassAttempts::StoreClass(Folder.string(), Folder.string(), snapshots, Attempts, 3);
  }
  ~TClass() { fs::remove_all(Folder); }
};

TClass& Class() {
  static TClass folder;
  return folder;
}

void ResultsWindowOpens(benchmark::State& state) {
  TClass& c = Class();
  TGlobals globals{
      QString::fromStdString(c.Folder.string()), QString(), c.Dialogs, c.Help, c.Shell, c.Questions};
  const QString test = QString::fromStdString(c.Test);
  static BenchFiles::TFirstRun first;
  first.Loop(state, [&] {
    TResultsForm form(globals, test);
    form.show();
    QApplication::processEvents();
    if (form.findChild<QTableWidget*>(QStringLiteral("AttemptsGrid"))->rowCount() != Attempts)
      state.SkipWithError("the window did not list every attempt");
  });
  state.counters["attempts"] = Attempts;
}
BENCHMARK(ResultsWindowOpens)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Class();
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
