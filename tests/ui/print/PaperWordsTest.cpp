#include <gtest/gtest.h>

#include <vector>

#include "core/results/GradeSheets.h"
#include "core/results/PrintRuns.h"
#include "core/run/ParallelForms.h"
#include "core/run/QuestionDraw.h"
#include "ui/platform/PaperWords.h"
#include "ui/platform/QtText.h"

// Untranslated, the windows' words of each outcome are the core's English
// sentence of it: each kind is given its own text, its values in their places.
namespace {

QString English(const std::string& sentence) {
  return QString::fromStdString(sentence);
}

TPrintRun MadeRun(int number, bool drawn, bool questions, bool answers, int versions = 2) {
  TPrintRun run{number, "T.QWT", "f", {versions, 31, questions, answers}, "2026-12-08 10:15:00"};
  if (drawn) run.Options.Draw = {{0, 2}, {1, 3}};
  return run;
}

TEST(PaperWords, RunsAreNamedAsTheCoreNamesThem) {
  for (const bool drawn : {false, true})
    for (const int number : {0, 3})
      for (const int versions : {1, 2})
        for (const int shuffles : {0, 1, 2, 3}) {
          const TPrintRun run = MadeRun(number, drawn, shuffles & 1, shuffles & 2, versions);
          EXPECT_EQ(RunText(run), English(PrintRuns::Describe(run)));
        }
}

TEST(PaperWords, EachGradeWarningSaysTheCoresSentence) {
  std::vector<TGradeWarning> warnings;
  TGradeWarning undecided{TGradeWarningKind::Undecided};
  undecided.Sheet = {"Ann %1 Lee", 4, "12 17"};
  warnings.push_back(undecided);
  TGradeWarning better{TGradeWarningKind::BetterRun};
  better.Better = MadeRun(1, false, true, true);
  better.Run = MadeRun(2, true, false, true);
  better.Right = 3;
  better.BetterRight = 14;
  better.Asked = 16;
  warnings.push_back(better);
  better.Run.reset();  // graded with a seed given
  better.Seed = 77;
  warnings.push_back(better);
  TGradeWarning keys{TGradeWarningKind::WrongKeys};
  keys.Keys.Sheets = 5;
  keys.Keys.FitElsewhere = 3;
  keys.Keys.OwnPercent = 20;
  keys.Keys.CandidatePercent = 90;
  keys.Name = "Bo";
  keys.Version = 'B';
  keys.KeyVersion = 'C';
  warnings.push_back(keys);
  keys.KeyVersion = '\0';  // the test's own order
  warnings.push_back(keys);
  TGradeWarning changed{TGradeWarningKind::ChangedSincePrint};
  changed.Run = MadeRun(0, false, false, false);
  warnings.push_back(changed);
  for (const TGradeWarning& warning : warnings)
    EXPECT_EQ(GradeWarningText(warning), English(WarningSentence(warning)));
}

TEST(PaperWords, RecordingSaysTheCoresWords) {
  for (const auto& [added, known] :
       std::vector<std::pair<int, int>>{{1, 0}, {3, 0}, {0, 2}, {1, 1}, {1, 2}, {2, 1}, {4, 5}}) {
    const TRecordedGrades recorded{added, known, "/tests/Results.sqlite", {}};
    EXPECT_EQ(RecordedText(added, known, QStringLiteral("/tests/Results.sqlite")),
              English(RecordedWords(recorded)))
        << added << " " << known;
  }
}

TEST(PaperWords, BlueprintProblemsDrawWarningsAndBalanceSayTheCoresSentences) {
  std::vector<QuestionRecord> questions(6);
  for (std::size_t q = 0; q < questions.size(); ++q) questions[q].Category = q < 4 ? "Forces" : "Waves";
  questions[4].Tags = "sound";
  questions[5].Tags = "light";
  std::vector<ParallelForms::TDrawWarning> warnings;
  for (const char* blueprint :
       {"Forces", "Forces=x", "Forces=1; FORCES=2", "Forces=5; Waves=1+tags; Optics=2"}) {
    const ParallelForms::TPaperDraw draw = ParallelForms::PaperDraw(blueprint, questions, 2, 9, nullptr);
    warnings.insert(warnings.end(), draw.Warnings.begin(), draw.Warnings.end());
  }
  ASSERT_EQ(warnings.size(), 6u);
  for (const ParallelForms::TDrawWarning& warning : warnings) {
    EXPECT_EQ(DrawWarningText(warning), English(warning.Sentence));
    EXPECT_EQ(BlueprintProblemText(warning.Problem), English(QuestionDraw::Sentence(warning.Problem)));
  }

  ParallelForms::TForms forms;
  EXPECT_EQ(BalanceText(forms), English(ParallelForms::Summary(forms)));
  forms.ExpectedMeans = {63.4, 61.25, 62.5};
  EXPECT_EQ(BalanceText(forms), English(ParallelForms::Summary(forms)));
  forms.Estimated = 2;
  EXPECT_EQ(BalanceText(forms), English(ParallelForms::Summary(forms)));
}

}  // namespace
