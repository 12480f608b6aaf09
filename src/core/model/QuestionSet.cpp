#include "core/model/QuestionSet.h"

#include <algorithm>
#include <cassert>
#include <utility>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

namespace {

constexpr char FirstAnswerLetter = 'A';

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

// The description as the caption shows it: without the blanks and control
// characters around it (bytes above 127 are parts of UTF-8 characters).
std::string TrimmedDescription(const std::string& text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
  return first < last ? std::string(first, last) : std::string();
}

}  // namespace

QuestionRecord& QuestionSet::Slot(int n) {
  assert(n >= 1 && n <= MaxQuestions);
  return Questions[static_cast<size_t>(n - 1)];
}

const QuestionRecord& QuestionSet::Slot(int n) const {
  assert(n >= 1 && n <= MaxQuestions);
  return Questions[static_cast<size_t>(n - 1)];
}

bool QuestionSet::LoadQuestions(const std::string& path) {
  // The whole file is read before the set is touched, so a file that fails
  // to read leaves the questions on the screen as they were. The slots are
  // then filled in place, reusing their storage.
  TIniStore store(path);
  const TestFile::TTextForm form = TestFile::StoredForm(store);
  TestDescription = TrimmedDescription(TestFile::ReadSetting(store, TestFile::Desc, form));
  TestLanguage = TestFile::ReadSetting(store, TestFile::Language, form);
  TQuestionNumbering numbering;
  const int count = ReadQuestions(store, Questions, numbering);
  std::fill(Questions.begin() + count, Questions.end(), QuestionRecord{});
  QuestionCount = std::max(count, 1);
  CurrentIndex = 1;
  return numbering.Renumbered();
}

std::vector<int> QuestionSet::UntitledQuestions() const {
  std::vector<int> numbers;
  for (int n = 1; n <= QuestionCount; ++n)
    if (Slot(n).Question.empty() && HoldsText(Slot(n))) numbers.push_back(n);
  return numbers;
}

std::vector<int> QuestionSet::EmptyQuestions() const {
  int last = QuestionCount;
  while (last > 0 && Slot(last).Question.empty()) --last;
  std::vector<int> numbers;
  for (int n = 1; n < last; ++n)
    if (!HoldsText(Slot(n))) numbers.push_back(n);
  return numbers;
}

bool QuestionSet::AddQuestion() {
  const bool limitHit = QuestionCount >= MaxQuestions;
  QuestionCount = std::min(QuestionCount + 1, MaxQuestions);
  CurrentIndex = QuestionCount;
  return limitHit;
}

int QuestionSet::Room() const {
  int last = QuestionCount;
  while (last > 0 && !HoldsText(Slot(last))) --last;
  return MaxQuestions - last;
}

int QuestionSet::AppendQuestions(const std::vector<QuestionRecord>& records) {
  const int first = MaxQuestions - Room() + 1;
  const int added = std::min(static_cast<int>(records.size()), Room());
  for (int i = 0; i < added; ++i) Slot(first + i) = records[static_cast<size_t>(i)];
  if (added == 0) return 0;
  QuestionCount = std::max(QuestionCount, first + added - 1);
  CurrentIndex = first;
  return added;
}

void QuestionSet::DeleteCurrentQuestion() {
  Current() = QuestionRecord{};
  int kept = 0;
  for (int n = 1; n <= MaxQuestions; ++n) {
    if (Slot(n).Question.empty()) continue;
    ++kept;
    if (kept != n) Slot(kept) = std::move(Slot(n));
  }
  std::fill(Questions.begin() + kept, Questions.end(), QuestionRecord{});
  QuestionCount = std::max(kept, 1);
  CurrentIndex = std::max(CurrentIndex - 1, 1);
}

bool QuestionSet::MoveQuestion(int from, int to) {
  if (from == to || from < 1 || to < 1 || from > QuestionCount || to > QuestionCount) return false;
  MoveToPlace(Questions.begin(), from, to);
  CurrentIndex = to;
  return true;
}

QuestionSet::TSaveOutcome QuestionSet::SaveQuestions(const std::string& path) const {
  TIniStore store(path);
  // Questions without SETTINGS would be no test that loads.
  TStrings sections;
  store.ReadSections(sections);
  TSaveOutcome outcome;
  outcome.NewTest = sections.empty();
  TestFile::TTestSave save(store);
  if (outcome.NewTest) TestFile::WriteNewTest(save);
  int written = 0;
  for (int n = 1; n <= QuestionCount; ++n)
    if (!Slot(n).Question.empty()) TestFile::WriteQuestion(save, ++written, Slot(n));
  // Sections past the last question written would come back as questions.
  TestFile::EraseQuestionsFrom(store, written + 1);
  outcome.BecameUtf8 = save.Finish();
  store.UpdateFile();
  return outcome;
}

TNavigationState QuestionSet::BringIntoRange() {
  CurrentIndex = std::clamp(CurrentIndex, 1, std::max(QuestionCount, 1));
  return {CurrentIndex > 1, CurrentIndex < QuestionCount};
}

std::string QuestionSet::Caption() const {
  return TestDescription + " - Question " + std::to_string(CurrentIndex) + " of " +
         std::to_string(QuestionCount);
}

bool QuestionSet::CopyQuestion() {
  CopyBuffer.Question = Current().Question;
  return !CopyBuffer.Question.empty();
}

void QuestionSet::PasteQuestion() {
  Current().Question = CopyBuffer.Question;
}

bool QuestionSet::CopyAnswers() {
  const QuestionRecord& current = Current();
  bool anyAnswer = false;
  for (int i = 0; i < AnswerCount; ++i) {
    CopyBuffer.Answer(i) = current.Answer(i);
    anyAnswer = anyAnswer || !current.Answer(i).empty();
  }
  CopyBuffer.Correct = current.Correct;
  CopyBuffer.AnyCorrectPasses = current.AnyCorrectPasses;
  return anyAnswer;
}

void QuestionSet::PasteAnswers() {
  QuestionRecord& current = Current();
  for (int i = 0; i < AnswerCount; ++i) current.Answer(i) = CopyBuffer.Answer(i);
  current.Correct = CopyBuffer.Correct;
  current.AnyCorrectPasses = CopyBuffer.AnyCorrectPasses;
}

std::string QuestionSet::CorrectLetters(const std::array<bool, AnswerCount>& checked) {
  std::string letters;
  for (int i = 0; i < AnswerCount; ++i)
    if (checked[static_cast<size_t>(i)]) letters += static_cast<char>(FirstAnswerLetter + i);
  return letters;
}

bool QuestionSet::IsCorrectAnswer(const std::string& correct, int index) {
  return correct.find(static_cast<char>(FirstAnswerLetter + index)) != std::string::npos;
}
