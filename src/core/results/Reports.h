#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/results/ResultsStore.h"
#include "core/results/Statistics.h"

// The results as others read them: a gradebook and an item analysis as CSV
// (UTF-8, comma-separated, CR LF, a header line) for a spreadsheet or a
// learning system's gradebook import; the figures as JSON and as text.
namespace Reports {

// The statistics' view of stored attempts (their answers must have been
// listed), marked with the newest key.
std::vector<Statistics::TResponses> Responses(const std::vector<TStoredAttempt>& attempts);

// "Student,Student number,Class,Date,Score,Percent,Passed" and a row per
// attempt: the date as YYYY-MM-DD hh:mm:ss (the end, or the start when no end
// is known), the score as right answers, the percent rounded as the engine
// rounds it, passed "yes"/"no" (empty when the test has no pass point).
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
