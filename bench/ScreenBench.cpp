// How long the instructor waits on the two screens that read the most: the
// main window from its start to a filled catalogue of 100 tests, and the
// question editor from "&Questions and Answers" to question 1 of a
// 500-question test, and the editor's spelling check of that whole test.
// Offscreen, with every message box answered at once.
// Also reports the peak memory while a 500-question test is open. The first
// main window and the first editor of the run, which pay for what Qt and the
// program set up once, are timed apart and shown beside the medians.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "BenchFiles.h"
#include "PeakMemory.h"
#include "QuietPlatform.h"
#include "ui/maker/MainForm.h"
#include "ui/maker/QAForm.h"
#include "ui/maker/Spelling.h"

namespace {

struct TScreens {
  QuietPlatform::TAnsweringDialogs Dialogs;
  QuietPlatform::TNoHelp Help;
  QuietPlatform::TNoShell Shell;
  std::filesystem::path Folder;
  std::string BigTest;

  TScreens() {
    Folder = BenchFiles::ScratchFolder("screen");
    std::filesystem::create_directories(Folder / "big");
    for (int i = 1; i <= 100; ++i)
      BenchFiles::GenerateTest((Folder / ("TEST" + std::to_string(i) + ".QWT")).string(), 50, i);
    BigTest = (Folder / "big" / "BIG.QWT").string();
    BenchFiles::GenerateTest(BigTest, 500, 7);
  }
  ~TScreens() { std::filesystem::remove_all(Folder); }
};

TScreens& Screens() {
  static TScreens screens;
  return screens;
}

BenchFiles::TFirstRun FirstCatalogue, FirstEditor;

void StartToFilledCatalogue(benchmark::State& state) {
  TScreens& screens = Screens();
  const QString folder = QString::fromStdString(screens.Folder.string());
  FirstCatalogue.Loop(state, [&] {
    TMainForm form(folder, screens.Dialogs, screens.Help, screens.Shell);
    form.show();
    form.StartTimerTimer();
    const auto* list = form.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    if (list->count() != 101) state.SkipWithError("the catalogue did not list 100 tests");
  });
}
BENCHMARK(StartToFilledCatalogue)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void QuestionsAndAnswersToQuestionOne(benchmark::State& state) {
  TScreens& screens = Screens();
  TMainForm main(QString::fromStdString(screens.Folder.string()), screens.Dialogs, screens.Help,
                 screens.Shell);
  main.Globals.CurrentTestPath = QString::fromStdString(screens.BigTest);
  FirstEditor.Loop(state, [&] {
    TQAForm editor(main.Globals, &main);
    editor.show();
    editor.StartTimerTimer();
    if (!editor.windowTitle().endsWith(QStringLiteral("Question 1 of 500")))
      state.SkipWithError("the editor did not show question 1 of 500");
  });
  state.counters["peak_rss_MiB"] = static_cast<double>(PeakResidentKiB()) / 1024.0;
}
BENCHMARK(QuestionsAndAnswersToQuestionOne)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// "Check Spelling of the Whole Test" (F7) over the 500 questions of the big
// test in US English: every word of every question, answer and reference.
void CheckSpellingOfTheWholeTest(benchmark::State& state) {
  TScreens& screens = Screens();
  TMainForm main(QString::fromStdString(screens.Folder.string()), screens.Dialogs, screens.Help,
                 screens.Shell);
  main.Globals.CurrentTestPath = QString::fromStdString(screens.BigTest);
  TQAForm editor(main.Globals, &main);
  editor.show();
  editor.StartTimerTimer();
  editor.UseLanguage(QStringLiteral("en_US"), false);
  if (editor.Speller() == nullptr || !editor.Speller()->Available()) {
    state.SkipWithError("no en_US dictionary (hunspell-en-us)");
    return;
  }
  for (auto _ : state) editor.CheckSpelling1Click();
  const auto* hits = editor.findChild<QListWidget*>(QStringLiteral("HitList"));
  state.counters["unknown_words"] = hits ? hits->count() : -1.0;
}
BENCHMARK(CheckSpellingOfTheWholeTest)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  Screens();
  const long beforeKiB = PeakResidentKiB();
  {
    // The run's first main window and first editor, which are the first
    // timings too; the peak memory with a 500-question test open is taken
    // before anything else has raised the high-water mark.
    TScreens& screens = Screens();
    std::optional<TMainForm> main;
    FirstCatalogue.Time([&] {
      main.emplace(QString::fromStdString(screens.Folder.string()), screens.Dialogs, screens.Help,
                   screens.Shell);
      main->show();
      main->StartTimerTimer();
    });
    main->Globals.CurrentTestPath = QString::fromStdString(screens.BigTest);
    std::optional<TQAForm> editor;
    FirstEditor.Time([&] {
      editor.emplace(main->Globals, &*main);
      editor->show();
      editor->StartTimerTimer();
    });
    std::printf("Peak memory with a 500-question test open: %.1f MiB (%.1f MiB before the windows)\n",
                PeakResidentKiB() / 1024.0, beforeKiB / 1024.0);
  }
  benchmark::AddCustomContext("load", BenchFiles::LoadAverage());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
