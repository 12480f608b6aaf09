#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Extra time for named students: a small plain file beside the test, named
// after it with ".extratime" appended (TEST.QWT.extratime), one student a
// line as "NAME=FACTOR" (for example "Ann Lee=1.25"). Blank lines and lines
// beginning with ';' are notes. The test file and its settings are never
// touched; without the file no student has extra time.
namespace ExtraTime {

inline constexpr double MaxFactor = 4.0;

struct TEntry {
  std::string Name;  // as written, blanks at both ends trimmed
  double Factor = 1;
};

// Why a line was left out.
enum class TProblemKind {
  NoEquals,   // no '=' between the name and the factor
  NoName,     // nothing before the '='
  BadFactor,  // the factor is not a number from 1 to MaxFactor
};

struct TProblem {
  int Line = 0;  // 1-based
  TProblemKind Kind = TProblemKind::NoEquals;

  bool operator==(const TProblem&) const = default;
};

// The problem in English: "line 5: no name".
std::string Sentence(const TProblem& problem);

struct TList {
  std::vector<TEntry> Entries;
  std::vector<TProblem> Problems;  // for lines that were left out, in order
};

// The list's file for the test at testPath.
std::string PathFor(const std::string& testPath);

// Reads the lines of text. A line without '=', without a name, or whose
// factor is not a number from 1 to MaxFactor (a decimal point, at most two
// decimals) is left out with a problem.
TList Parse(std::string_view text);

// The list stored for the test at testPath; an empty list when there is none.
// Throws TIoError when the file is there but cannot be read.
TList Load(const std::string& testPath);

// The list as its file holds it, one "NAME=FACTOR" line each.
std::string Format(const TList& list);

// Writes the list's file for the test at testPath, in one atomic replace.
// Throws TIoError.
void Save(const std::string& testPath, const TList& list);

// The factor for the name a student typed: names match with letter case
// aside and every run of blanks taken as one; the last matching line wins.
// Nothing when the student is not listed.
std::optional<double> FactorFor(const TList& list, std::string_view studentName);

// The time a student with factor is given for a test of seconds: rounded up
// to a whole second, and never more than 23:59:59, the longest time a test
// can hold. An untimed test (0) stays untimed.
int ExtendedSeconds(int seconds, double factor);

}  // namespace ExtraTime
