#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/run/Clock.h"
#include "core/run/QuestionDraw.h"
#include "core/run/Scoring.h"

// Which questions a run asks, in which order: count positions out of
// available questions (numbered 0..available-1). maxQuestions > 0 caps the
// count; studentCount > 0 caps it further (the student's own choice). With
// random order a random choice of the questions is asked in a random order;
// otherwise the first ones in file order.
std::vector<int> SelectQuestions(int available, int maxQuestions, int studentCount, bool random,
                                 std::uint64_t seed);

// The outcome of a finished run.
struct TRunResult {
  int Asked = 0;
  int Right = 0;
  int Percent = 0;
  bool HasPassPoint = false;  // PASSPOINT > 0
  bool Passed = false;
  bool TimedOut = false;
  int SecondsTaken = 0;
};

// What Check tells the student about one answer, shown beside the question:
// which chosen letters are correct and which wrong, the correct letters when
// the test lets the student see them (it allows review), and the question's
// reference when references are shown during the test.
struct TCheckVerdict {
  bool Right = false;
  Scoring::TLetters ChosenRight = 0;
  Scoring::TLetters ChosenWrong = 0;
  Scoring::TLetters CorrectShown = 0;
  std::string Reference;
};

// One student taking one test: the questions asked, the answers given, the
// time limit and the score. Holds its own copy of the test; the clock must
// outlive the session.
class TTestSession {
public:
  TTestSession(TestSettings settings, std::vector<QuestionRecord> questions, const TClock& clock);

  // The test's settings as the run applies them: with a blueprint the
  // student does not choose how many questions to take (StudentMax false).
  const TestSettings& Settings() const { return FSettings; }
  int Available() const { return static_cast<int>(Questions.size()); }
  // How many questions a run may ask at most: what the blueprint draws when
  // the test has one; otherwise MAXQUESTIONS when set and below the number of
  // questions, otherwise all of them.
  int MaxAsked() const;
  // The test's blueprint laid over its questions; nothing when it has none
  // (or its BLUEPRINT does not read as one).
  const std::optional<QuestionDraw::TBank>& Bank() const { return FBank; }

  // Chooses the questions (studentCount 0: as many as allowed) and starts the
  // clock at the first question. With a blueprint the draw from seed is
  // asked whatever studentCount says, in random order when the test asks so.
  void Start(int studentCount, std::uint64_t seed);
  // A preview: every question in file order, starting at question number
  // (1-based, clamped into range); no time limit is lost by starting there.
  void StartPreview(int questionNumber);

  int Count() const { return static_cast<int>(Order.size()); }
  int Current() const { return FCurrent; }
  const QuestionRecord& Question(int position) const;
  // The number in the test file of the question shown at position (from 0).
  int QuestionNumber(int position) const { return Order.at(position) + 1; }

  // The letter indices (0..5) whose answer text is not empty, in order.
  std::vector<int> ShownLetters(int position) const;
  Scoring::TLetters CorrectLetters(int position) const;
  // Several correct letters: answered with check boxes.
  bool ChoosesSeveral(int position) const;
  // The line under a check-box question, as the printed test has it: "(choose
  // all that apply)" or "(choose any that apply)". Empty for a one-answer
  // question.
  std::string ChoiceLine(int position) const;

  // Changes the answer; refused (false) once the run is finished or the
  // question was checked.
  bool SetAnswer(int position, Scoring::TLetters letters);
  Scoring::TLetters Answer(int position) const { return Answers.at(position); }
  bool IsRight(int position) const;

  // Whether the student may check the answer at position now: the test
  // allows checking, an answer is chosen and it was not checked before.
  bool MayCheck(int position) const;
  // Checks the answer and locks it, so the verdict cannot be used to try
  // again; nothing when MayCheck is false.
  std::optional<TCheckVerdict> Check(int position);
  bool IsChecked(int position) const { return Checked.at(position); }
  // The verdict of the answer as it stands (what Check said, once checked).
  TCheckVerdict Verdict(int position) const;

  // Whether the student may leave the current question forwards: always,
  // unless MUSTANSWER is set and it has no answer.
  bool MayMoveOn() const;
  // Moves to position (0..Count-1). Forwards is refused (false) while
  // MayMoveOn is false; backwards always works.
  bool GoTo(int position);

  // TIME as seconds; 0 when the test has no limit.
  int LimitSeconds() const { return Limit; }
  int ElapsedSeconds() const;
  int RemainingSeconds() const;  // 0 without a limit
  bool TimeUp() const { return Limit > 0 && !Finished && ElapsedSeconds() >= Limit; }

  // Ends the run (the time taken stops here) and scores every asked question:
  // an unanswered one is wrong. Calling it again gives the same result.
  TRunResult Finish();
  bool IsFinished() const { return Finished; }

  // The positions to review: the wrongly answered, plus the blank ones when
  // REVIEWBLANK is set; empty when REVIEWALLOW is not set.
  std::vector<int> ReviewList() const;

private:
  TestSettings FSettings;
  std::vector<QuestionRecord> Questions;
  std::optional<QuestionDraw::TBank> FBank;
  const TClock& Clock;
  std::vector<int> Order;
  std::vector<Scoring::TLetters> Answers;
  std::vector<bool> Checked;
  int FCurrent = 0;
  int Limit = 0;
  std::int64_t StartMs = 0;
  std::int64_t EndMs = 0;
  bool Finished = false;
  bool WasTimedOut = false;
};

// seconds as "hh:mm:ss" (hours may exceed 23).
std::string DurationText(int seconds);
