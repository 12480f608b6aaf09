#include "core/run/TestSession.h"

#include <algorithm>
#include <cstdio>

#include "core/run/Shuffle.h"

std::vector<int> SelectQuestions(int available, int maxQuestions, int studentCount, bool random,
                                 std::uint64_t seed) {
  int count = std::max(available, 0);
  if (maxQuestions > 0) count = std::min(count, maxQuestions);
  if (studentCount > 0) count = std::min(count, studentCount);
  std::vector<int> order;
  if (random) {
    TShuffle shuffle(seed);
    order = shuffle.Permutation(std::max(available, 0));
  } else {
    for (int i = 0; i < available; ++i) order.push_back(i);
  }
  order.resize(count);
  return order;
}

TTestSession::TTestSession(TestSettings settings, std::vector<QuestionRecord> questions, const TClock& clock)
    : FSettings(std::move(settings)), Questions(std::move(questions)), Clock(clock) {
  if (auto seconds = TimeField::SecondsOfDay(TimeField::Normalize(FSettings.Time))) Limit = *seconds;
  QuestionDraw::TParsed blueprint = QuestionDraw::Parse(FSettings.Blueprint);
  if (blueprint.Error.empty() && !blueprint.Blueprint.Empty()) {
    FBank.emplace(std::move(blueprint.Blueprint), Questions);
    // The blueprint decides how many are asked: the student does not.
    FSettings.StudentMax = false;
  }
}

int TTestSession::MaxAsked() const {
  if (FBank) return FBank->Asked();
  const int available = Available();
  return FSettings.MaxQuestions > 0 ? std::min(available, FSettings.MaxQuestions) : available;
}

void TTestSession::Start(int studentCount, std::uint64_t seed) {
  const bool random = FSettings.RandomQuestions == 1;
  if (FBank) {
    const std::vector<int> drawn = FBank->Draw(seed);
    Order.clear();
    // The order is drawn apart from the questions, so that the same seed
    // asks the same questions whatever the order setting.
    for (const int position : SelectQuestions(static_cast<int>(drawn.size()), 0, 0, random, ~seed))
      Order.push_back(drawn[static_cast<size_t>(position)]);
  } else {
    Order = SelectQuestions(Available(), FSettings.MaxQuestions, studentCount, random, seed);
  }
  Answers.assign(Order.size(), 0);
  Checked.assign(Order.size(), false);
  FCurrent = 0;
  Finished = WasTimedOut = false;
  StartMs = Clock.NowMs();
}

void TTestSession::StartPreview(int questionNumber) {
  Order = SelectQuestions(Available(), 0, 0, false, 0);
  Answers.assign(Order.size(), 0);
  Checked.assign(Order.size(), false);
  FCurrent = Order.empty() ? 0 : std::clamp(questionNumber - 1, 0, Count() - 1);
  Finished = WasTimedOut = false;
  StartMs = Clock.NowMs();
}

const QuestionRecord& TTestSession::Question(int position) const {
  return Questions.at(Order.at(position));
}

std::vector<int> TTestSession::ShownLetters(int position) const {
  std::vector<int> letters;
  const QuestionRecord& question = Question(position);
  for (int i = 0; i < 6; ++i)
    if (!question.Answer(i).empty()) letters.push_back(i);
  return letters;
}

Scoring::TLetters TTestSession::CorrectLetters(int position) const {
  return Scoring::LettersOf(Question(position).Correct);
}

bool TTestSession::ChoosesSeveral(int position) const {
  return Scoring::LetterCount(CorrectLetters(position)) > 1;
}

std::string TTestSession::ChoiceLine(int position) const {
  // As the printed test says it: never how many answers are correct.
  const std::string_view hint =
      Scoring::ChoiceHint(CorrectLetters(position), Question(position).AnyCorrectPasses);
  return hint.empty() ? std::string() : "(" + std::string(hint) + ")";
}

bool TTestSession::SetAnswer(int position, Scoring::TLetters letters) {
  if (Finished || Checked.at(position)) return false;
  Answers.at(position) = letters & 0x3F;
  return true;
}

bool TTestSession::IsRight(int position) const {
  const QuestionRecord& question = Question(position);
  return Scoring::IsRight(Scoring::LettersOf(question.Correct), question.AnyCorrectPasses,
                          Answers.at(position));
}

bool TTestSession::MayCheck(int position) const {
  return FSettings.CheckAnswers == 1 && !Finished && !Checked.at(position) && Answers.at(position) != 0;
}

std::optional<TCheckVerdict> TTestSession::Check(int position) {
  if (!MayCheck(position)) return std::nullopt;
  Checked.at(position) = true;
  return Verdict(position);
}

TCheckVerdict TTestSession::Verdict(int position) const {
  const Scoring::TLetters chosen = Answers.at(position);
  const Scoring::TLetters correct = CorrectLetters(position);
  TCheckVerdict verdict;
  verdict.Right = IsRight(position);
  verdict.ChosenRight = chosen & correct;
  verdict.ChosenWrong = chosen & ~correct & 0x3F;
  if (FSettings.ReviewAllow) verdict.CorrectShown = correct;
  if (FSettings.TestRef) verdict.Reference = Question(position).Reference;
  return verdict;
}

bool TTestSession::MayMoveOn() const {
  return FSettings.MustAnswer != 1 || Order.empty() || Answers.at(FCurrent) != 0;
}

bool TTestSession::GoTo(int position) {
  if (position < 0 || position >= Count()) return false;
  if (position > FCurrent && !MayMoveOn()) return false;
  FCurrent = position;
  return true;
}

int TTestSession::ElapsedSeconds() const {
  const std::int64_t end = Finished ? EndMs : Clock.NowMs();
  return static_cast<int>(std::max<std::int64_t>(end - StartMs, 0) / 1000);
}

int TTestSession::RemainingSeconds() const {
  return Limit > 0 ? std::max(Limit - ElapsedSeconds(), 0) : 0;
}

TRunResult TTestSession::Finish() {
  if (!Finished) {
    WasTimedOut = TimeUp();
    EndMs = Clock.NowMs();
    if (Limit > 0) EndMs = std::min(EndMs, StartMs + std::int64_t{Limit} * 1000);
    Finished = true;
  }
  TRunResult result;
  result.Asked = Count();
  for (int i = 0; i < Count(); ++i)
    if (IsRight(i)) ++result.Right;
  result.Percent = Scoring::Percent(result.Right, result.Asked);
  result.HasPassPoint = FSettings.PassPoint > 0;
  result.Passed = Scoring::Passed(result.Right, result.Asked, FSettings.PassPoint);
  result.TimedOut = WasTimedOut;
  result.SecondsTaken = ElapsedSeconds();
  return result;
}

std::vector<int> TTestSession::ReviewList() const {
  std::vector<int> list;
  if (!FSettings.ReviewAllow) return list;
  for (int i = 0; i < Count(); ++i) {
    if (Answers[i] == 0 ? FSettings.ReviewBlank : !IsRight(i)) list.push_back(i);
  }
  return list;
}

std::string DurationText(int seconds) {
  seconds = std::max(seconds, 0);
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}
