#include <gtest/gtest.h>

#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/TestSession.h"
#include "support/ManualClock.h"
#include "support/TempDir.h"

namespace {

QuestionRecord Question(const std::string& text, const std::string& correct, int answers) {
  QuestionRecord q;
  q.Question = text;
  for (int i = 0; i < answers; ++i) q.Answer(i) = text + " answer " + std::to_string(i + 1);
  q.Correct = correct;
  return q;
}

}  // namespace

// The engine's end of a test: three of five questions drawn at random, one
// answered right, one wrong, one blank, five minutes taken; the attempt
// reaches the store of the test's folder with the session's own score.
TEST(RecordAttempt, AFinishedSessionReachesTheStoreWithTheEnginesScore) {
  const std::vector<QuestionRecord> questions = {Question("Q1", "A", 2), Question("Q2", "B", 3),
                                                 Question("Q3", "C", 4), Question("Q4", "AD", 4),
                                                 Question("Q5", "B", 2)};
  TManualClock clock;
  TestSettings settings;
  settings.MaxQuestions = 3;
  settings.RandomQuestions = 1;
  TTestSession session(settings, questions, clock);
  session.Start(0, 77);
  session.SetAnswer(0, Scoring::LettersOf(questions[session.QuestionNumber(0) - 1].Correct));
  session.SetAnswer(1, Scoring::LettersOf("F"));
  clock.AdvanceSeconds(300);
  const TRunResult result = session.Finish();

  const TAttempt attempt = AttemptOfSession(session, "T.QWT", "Test", questions, {"Ann", "17", "7B", "LAB1"},
                                            "2026-12-01 09:00:00", "2026-12-01 09:05:00");
  EXPECT_EQ(attempt.Id.size(), 32u);
  EXPECT_EQ(attempt.SecondsTaken, 300);
  std::vector<TQuestionSnapshot> all;
  for (int n = 1; n <= 5; ++n) all.push_back(SnapshotOf(questions[n - 1], n));
  EXPECT_EQ(attempt.Fingerprint, Fingerprint(all));
  ASSERT_EQ(attempt.Answered.size(), 3u);
  for (int p = 0; p < 3; ++p) {
    const TAnsweredQuestion& a = attempt.Answered[p];
    EXPECT_EQ(a.Number, session.QuestionNumber(p));
    EXPECT_EQ(a.Position, p + 1);
    EXPECT_EQ(a.ShownOrder, std::string("ABCD").substr(0, a.Number == 1 || a.Number == 5 ? 2
                                                          : a.Number == 2                ? 3
                                                                                         : 4));
    EXPECT_EQ(attempt.Questions[p], all[a.Number - 1]);
  }
  EXPECT_EQ(attempt.Answered[2].Chosen, 0);

  TTempDir dir;
  const TRecorded recorded = RecordAttempt(attempt, dir.Path().string(), "", dir.File("data"));
  EXPECT_EQ(recorded.Where, TRecordedIn::Store);
  const auto stored = OpenResultsStore(dir.Path().string(), dir.File("data")).Store->Attempts({});
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Asked, result.Asked);
  EXPECT_EQ(stored[0].Right, result.Right);
  EXPECT_EQ(stored[0].Right, 1);
  EXPECT_EQ(stored[0].StudentNumber, "17");
}
