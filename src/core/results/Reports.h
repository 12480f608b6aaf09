#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/results/ResultsStore.h"
#include "core/results/Statistics.h"

// The results as others read them: a gradebook and an item analysis as CSV
// (UTF-8, comma-separated, CR LF, a header line) for a spreadsheet or a
// learning system's gradebook import; the figures as JSON and as text.
namespace Reports {

// A test as its results are figured against it: each question as it stands
// now, numbered from 1, with its key and how many answers it has (the letters
// a row of the item analysis shows).
struct TTestView {
  std::string Description;  // code-page text
  int PassPoint = 0;        // 0 when the test has none
  std::vector<TQuestionSnapshot> Questions;
  std::map<int, Scoring::TLetters> Keys;  // by question number
  std::map<int, int> AnswerCounts;        // by question number; none for a question without answers
};

// Reads the test at path. Throws TIoError as PaperVersions::ReadPaperTest.
TTestView ReadTestView(const std::string& path);

// The statistics' view of stored attempts (their answers must have been
// listed), marked with the newest key.
std::vector<Statistics::TResponses> Responses(const std::vector<TStoredAttempt>& attempts);

// When an attempt was taken, as YYYY-MM-DD hh:mm:ss: its end, or its start
// when no end is known.
const std::string& When(const TStoredAttempt& attempt);

// "yes" or "no" by the pass point; empty when the test has none (0).
std::string PassedText(const TStoredAttempt& attempt, int passPoint);

// The time an attempt took as "hh:mm:ss"; empty for a paper or scanned sheet,
// as no one timed it.
std::string TimeTaken(const TStoredAttempt& attempt);

// How many attempts reached the pass point, and that as a percent of them.
struct TPassRate {
  int Passed = 0;
  int Attempts = 0;
  double Percent = 0;
};

// The pass rate of attempts; nothing when the test has no pass point or there
// are no attempts.
std::optional<TPassRate> PassRate(const std::vector<TStoredAttempt>& attempts, int passPoint);

// A pass rate as the window and the command line show it: "40% (2 of 5 passed)".
std::string PassRateText(const TPassRate& rate);

// The questions an attempt asked, by their numbers in the test file,
// ascending; empty when its answers were not listed.
std::vector<int> QuestionsAsked(const TStoredAttempt& attempt);

// Those numbers as the window and the command line show them, compact: a run
// of three or more numbers in a row as its first and last, "1, 4, 7-9".
std::string QuestionsAskedText(const TStoredAttempt& attempt);

// A question's text on one line, for a list beside its figures: each line
// break becomes a blank.
std::string QuestionLine(const std::string& question);

// What a regrade did: the attempts rescored, and how many of them now have
// another score than before it.
struct TRegraded {
  int Rescored = 0;
  int ScoresChanged = 0;
};

// Regrades testFile's attempts (deleted ones too) with the key of current, as
// TResultsStore::Regrade does, and counts the scores that changed. Throws
// what the store throws; then nothing is rescored.
TRegraded Regrade(TResultsStore& store, const std::string& testFile,
                  const std::vector<TQuestionSnapshot>& current);

// Orders attempts by their students' names in the alphabet of the user's
// language (ICU's default locale, from the environment), so "Łukasz" comes
// after "Lucyna" in Polish and "Åsa" after "Zoe" in Swedish; then by student
// number, then by date. Attempts alike in all three keep their order.
void SortByStudent(std::vector<TStoredAttempt>& attempts);

// "Student,Student number,Class,Date,Score,Percent,Passed,Time taken" and a
// row per attempt: the date as When gives it, the score as right answers, the
// percent rounded as the engine rounds it, PassedText and TimeTaken. A cell
// that reads as a formula is kept as text.
std::string GradebookCsv(const std::vector<TStoredAttempt>& attempts, int passPoint);

// "Question,Attempts,Facility,Discrimination,A..F,Top A..F,Bottom A..F,Blank,
// Flags" and a row per question; discrimination empty where there is none,
// flags separated by blanks.
std::string ItemsCsv(const Statistics::TTest& test);

// One JSON object: attempts, mean, median, sd, kr20, sem (null where none:
// every figure but attempts without attempts),
// and items, each with question, attempts, facility, discrimination (or
// null), chose (letter to count, for the letters up to the last one the
// question offers or anyone chose), blank and flags. answerCounts gives each
// question's number of answers with text; a question missing there offers
// the letters up to the last chosen.
std::string Json(const Statistics::TTest& test, const std::map<int, int>& answerCounts);

// The same as lines of text for a terminal.
std::string Text(const Statistics::TTest& test, const std::map<int, int>& answerCounts);

// How many letters a question shows: answerCounts' number of answers with
// text for it (none when missing), or further when a letter beyond them was
// chosen.
int LetterSpan(const Statistics::TItem& item, const std::map<int, int>& answerCounts);

// A figure with at most four decimals, trailing zeros dropped: "0.6124",
// "60", "-0.1667".
std::string Number(double value);

}  // namespace Reports
