#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/model/TestFile.h"

// Which of the editor's Previous and Next commands can be chosen on the
// question now current.
struct TNavigationState {
  bool PreviousEnabled = false;
  bool NextEnabled = false;
};

// Moves the element at place from (counted from 1) of the range starting at
// first to place to, those between shifting by one place.
template <class Iterator>
void MoveToPlace(Iterator first, int from, int to) {
  if (from < to)
    std::rotate(first + (from - 1), first + from, first + to);
  else if (to < from)
    std::rotate(first + (to - 1), first + (from - 1), first + from);
}

// The question editor's model: the questions of the current test, the number
// on the screen, the test's description and the editor's own copy buffer.
// One instance lives for the whole run and is shared by every editor window;
// each window reloads the questions, CopyBuffer carries over.
//
// Questions are numbered 1 to MaxQuestions; question n is stored in section
// "QA" + n. Slots 1..QuestionCount hold the questions in order; every slot
// above QuestionCount is empty. A test without questions is held as one empty
// question (QuestionCount 1).
class QuestionSet {
public:
  static constexpr int MaxQuestions = TestFile::MaxQuestionCount;
  static constexpr int AnswerCount = 6;

  // Slot n (1..MaxQuestions) is Questions[n - 1]; use Slot(n).
  std::array<QuestionRecord, MaxQuestions> Questions;
  int QuestionCount = 1;
  int CurrentIndex = 1;
  std::string TestDescription;
  std::string TestLanguage;  // SETTINGS/LANGUAGE, "" when not set
  QuestionRecord CopyBuffer;

  // Slot n, 1..MaxQuestions. n outside that range is a programming error.
  QuestionRecord& Slot(int n);
  const QuestionRecord& Slot(int n) const;
  // Slot CurrentIndex; CurrentIndex must be in 1..MaxQuestions.
  QuestionRecord& Current() { return Slot(CurrentIndex); }
  const QuestionRecord& Current() const { return Slot(CurrentIndex); }

  // Reads the test at path: TestDescription from SETTINGS/DESC (deciphered,
  // leading and trailing bytes of code 32 or below removed) and TestLanguage,
  // then every
  // section QA1..QA(MaxQuestions) that holds any text, in order and numbered
  // from 1 up without gaps. Empties every slot first; QuestionCount becomes the
  // number read (at least 1), CurrentIndex 1. CopyBuffer is kept. The file is
  // only read. A missing file reads as a test without questions. Returns true
  // when the file's numbering had gaps, so the questions were renumbered.
  // Throws TIoError when the file exists but cannot be read; the set is then
  // left exactly as it was.
  bool LoadQuestions(const std::string& path);
  // Numbers of the questions 1..QuestionCount that hold text but no question
  // text: saving leaves them out, so the editor asks first.
  std::vector<int> UntitledQuestions() const;
  // Numbers of the questions that hold nothing at all and lie before a question
  // that is saved: saving leaves them out and the later questions move down.
  std::vector<int> EmptyQuestions() const;

  // Appends an empty question and makes it current. At MaxQuestions nothing is
  // appended, the last question becomes current, and the result is true (the
  // caller tells the user about the limit); false otherwise.
  bool AddQuestion();

  // How many questions can still be added: MaxQuestions less the slots up to
  // the last one that holds any text.
  int Room() const;
  // Puts records after the last slot that holds any text, as many as there is
  // Room for, and makes the first of them current. Returns how many were put.
  int AppendQuestions(const std::vector<QuestionRecord>& records);

  // Empties the current slot, then closes the gaps: every slot with a question
  // text moves down, in order, and every slot without one is dropped.
  // QuestionCount becomes the number kept (at least 1: an empty set is one
  // empty question); CurrentIndex moves to the question before the deleted
  // one, at least 1.
  void DeleteCurrentQuestion();

  // Moves question from to place to (both 1..QuestionCount), the questions
  // between shifting by one; the moved question becomes current. False, and
  // nothing moved, when either is out of range or they are the same.
  bool MoveQuestion(int from, int to);

  // Writes every question 1..QuestionCount that has a question text, in
  // order, into QA1, QA2, ... of the test at path, every value enciphered; the
  // others are left out and the numbers close up. The sections the file holds
  // past the last one written are removed, so nothing deleted or left out
  // comes back at the next load. SETTINGS and every other section stay as they
  // were read. A file that is missing or holds no section at all (removed
  // while the test was being edited) is written as a whole test: the
  // settings of a new test, then the questions; NewTest says so. The file
  // takes the form its text needs (TestFile::TTestSave); BecameUtf8 says when
  // this save first made it UTF-8.
  // Throws TIoError when the file cannot be read or written; the file on disk
  // is then untouched. The set in memory is never changed.
  struct TSaveOutcome {
    bool NewTest = false;
    bool BecameUtf8 = false;
  };
  TSaveOutcome SaveQuestions(const std::string& path) const;

  // Navigation steps: they only move CurrentIndex; BringIntoRange (called by
  // the screen as it shows the question) keeps it within 1..QuestionCount.
  // "Bottom" is question 1 and "Top" the last question.
  void StepNext() { ++CurrentIndex; }
  void StepPrevious() { --CurrentIndex; }
  void StepBottom() { CurrentIndex = 1; }
  void StepTop() { CurrentIndex = QuestionCount; }

  // Clamps CurrentIndex to 1..QuestionCount and says which steps remain:
  // Previous when CurrentIndex > 1, Next when CurrentIndex < QuestionCount.
  TNavigationState BringIntoRange();

  // The editor's caption for the current question:
  // TestDescription + " - Question " + CurrentIndex + " of " + QuestionCount.
  std::string Caption() const;

  // Copy question: CopyBuffer.Question := the current question's text.
  // True when the copied text is not empty (there is something to paste).
  bool CopyQuestion();
  // The current question's text := CopyBuffer.Question.
  void PasteQuestion();
  // Copy answers: the six answers, Correct and AnyCorrectPasses of the current
  // question into CopyBuffer. True when at least one copied answer is not empty.
  bool CopyAnswers();
  // The current question's six answers, Correct and AnyCorrectPasses := those
  // of CopyBuffer; its text, reference, hot link and media stay.
  void PasteAnswers();

  // Correct answers as stored: one letter "A".."F" per checked answer, in
  // alphabetical order.
  static std::string CorrectLetters(const std::array<bool, AnswerCount>& checked);
  // Whether answer index (0..5 for A..F) is marked correct: its upper-case
  // letter occurs anywhere in correct. Other characters are ignored.
  static bool IsCorrectAnswer(const std::string& correct, int index);
  // The pass rule (all or any correct answers) is a choice only with two or
  // more correct answers.
  static bool PassRuleChoosable(int correctCount) { return correctCount >= 2; }
};
