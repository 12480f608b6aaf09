#pragma once

#include <optional>
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
  int Row = 0;       // the line of the file
  char Version = 'A';
  std::vector<Scoring::TLetters> Chosen;  // per printed question, the stored letters chosen
  int Right = 0;
  int Asked = 0;
  int Percent = 0;
  bool Passed = false;
};

// A sheet the scanner wrote with rows still in doubt: named in the file's
// "Doubtful" column, and graded only once they are decided.
struct TUndecided {
  std::string Name;
  int Row = 0;            // the line of the file
  std::string Questions;  // the doubtful column's cell: the questions in doubt
};

struct TResults {
  std::vector<TStudentResult> Students;  // in the order of the file
  std::vector<TUndecided> Undecided;     // in the order of the file, not graded
  // Per stored question (by index, up to the last one a version prints): how
  // many students got it right, and how many were asked it. A version drawn
  // from a blueprint asks only some of the questions.
  std::vector<int> RightPerQuestion;
  std::vector<int> AskedPerQuestion;
  int PassPoint = 0;  // the test's pass point; 0 when it has none
};

// Marks the answers text (CSV with ',' or ';', a UTF-8 byte-order mark
// allowed) against versions. The first row that is not blank is a header,
// and skipped, when its version cell says "Version" (any case); any other row
// is a student's. A header cell "Doubtful" (any case) names a column that is
// no question: a student whose cell there is not blank has rows in doubt and
// is listed in Undecided, not graded. A row holding nothing but blanks is skipped. Missing trailing columns
// are questions left blank, which count as asked and wrong. Throws TGradingError for a row without a name or
// version, a version the versions do not hold, more columns than questions (unless they are blank), a
// character that is not a letter A-F or a separator (blank, comma, '/', '+', ';'), or a letter beyond the
// question's printed answers; and for text that is not CSV. Nothing is returned half made.
TResults Grade(std::string_view answersText, const std::vector<PaperVersions::TVersion>& versions,
               int passPoint);

// How the sheets did on one stored question.
struct TQuestionResult {
  int Number = 0;  // in the test, from 1
  int Right = 0;
  int Students = 0;  // how many were asked it
};

// A row per stored question some student was asked, ascending; with no
// students, a row per stored question up to the last one a version prints.
std::vector<TQuestionResult> QuestionResults(const TResults& results);

// The results as CSV: "Name,Version,Right,Asked,Percent" (and ",Passed" with
// "yes"/"no" when the test has a pass point) and a row per student, then a
// blank line, "Question,Right,Students" and a row per stored question; for a
// spreadsheet, so a name that reads as a formula is kept as text.
std::string FormatResults(const TResults& results);

// The wrong-key rule. Sheets graded with another seed, number of versions
// or shuffles than they were printed with, or typed with the wrong version
// letter, score near chance although they may be all right. A sheet fits
// another key when its percent under that key is at least FarBelowPoints
// above its percent under the key of its own version; the sheets seem graded
// against the wrong keys when more than half of them fit another key.
inline constexpr int FarBelowPoints = 30;

struct TKeyCheck {
  int Sheets = 0;        // the sheets graded
  int FitElsewhere = 0;  // the sheets that fit another key
  // The first sheet that fits another key (its row in file order), its
  // percent under its own version, the candidate it fits best and its
  // percent there.
  int Sheet = -1;
  int OwnPercent = 0;
  int Candidate = -1;  // index into the candidates
  int CandidatePercent = 0;

  bool WrongKeys() const { return FitElsewhere * 2 > Sheets; }
};

// Applies the wrong-key rule to the answers that Grade marked against
// versions, trying the key of each of candidates (versions of this or another
// set of options; usually every version and the test's own order). A letter
// a candidate does not print counts as a wrong pick there. Answers that Grade
// refuses give an empty check.
TKeyCheck CheckKeys(std::string_view answersText, const std::vector<PaperVersions::TVersion>& versions,
                    const std::vector<PaperVersions::TVersion>& candidates);

// How many answers of the sheets that Grade marked against versions are right
// under other versions (another run of the same test), each sheet under the
// version of its own letter: a letter another run does not print counts as a
// wrong pick there, and a sheet of a version letter that run lacks as wrong
// throughout. Nothing when Grade refuses the answers against versions.
std::optional<int> RightUnder(std::string_view answersText,
                              const std::vector<PaperVersions::TVersion>& versions,
                              const std::vector<PaperVersions::TVersion>& other);

}  // namespace Grading
