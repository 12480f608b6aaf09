#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/run/PaperVersions.h"

// Marking paper tests: the answers typed from the sheets, a row per student
// ("name, version letter, letters of question 1, of question 2, ..."), marked
// with the engine's rule after each version's letters are mapped back to the
// stored ones.
namespace Grading {

// An answers file that cannot be marked: what() names the row (the line of
// the file) and the column (1-based, and the question when it is one).
class TGradingError : public std::runtime_error {
public:
  TGradingError(int row, int column, const std::string& what);
  int Row;
  int Column;  // 0 when the whole row is at fault
};

struct TStudentResult {
  std::string Name;  // as the file holds it
  char Version = 'A';
  int Right = 0;
  int Asked = 0;
  int Percent = 0;
  bool Passed = false;
};

struct TResults {
  std::vector<TStudentResult> Students;  // in the order of the file
  std::vector<int> RightPerQuestion;     // per stored question: how many students got it right
  int PassPoint = 0;                     // the test's pass point; 0 when it has none
};

// Marks the answers text (CSV with ',' or ';', a UTF-8 byte-order mark
// allowed) against versions. The first row that is not blank is a header,
// and skipped, when its version cell says "Version" (any case); any other row
// is a student's. A row holding nothing but blanks is skipped. Missing trailing columns are questions left
// blank, which count as asked and wrong. Throws TGradingError for a row without a name or version, a version
// the versions do not hold, more columns than questions (unless they are blank), a character that is not a
// letter A-F or a separator (blank, comma, '/', '+', ';'), or a letter beyond the question's printed answers;
// and for text that is not CSV. Nothing is returned half made.
TResults Grade(std::string_view answersText, const std::vector<PaperVersions::TVersion>& versions,
               int passPoint);

// The results as CSV: "Name,Version,Right,Asked,Percent" (and ",Passed" with
// "yes"/"no" when the test has a pass point) and a row per student, then a
// blank line, "Question,Right,Students" and a row per stored question.
std::string FormatResults(const TResults& results);

// The key of a version as an answers row: "Key <letter>", the letter, then
// its printed key per question. Graded, it gives every question right.
std::vector<std::string> KeyRow(const PaperVersions::TVersion& version);

}  // namespace Grading
