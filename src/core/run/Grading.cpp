#include "core/run/Grading.h"

#include <algorithm>
#include <utility>

#include "core/storage/Csv.h"

namespace Grading {
namespace {

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

bool IsBlankRow(const std::vector<std::string>& fields) {
  for (const std::string& field : fields) {
    if (!Trimmed(field).empty()) return false;
  }
  return true;
}

bool IsWord(std::string_view cell, std::string_view word) {
  return cell.size() == word.size() && std::equal(cell.begin(), cell.end(), word.begin(), [](char c, char w) {
           return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == w;
         });
}

// "Version" in any letter case: what a header row holds above the version letters.
bool IsHeaderWord(std::string_view cell) {
  return IsWord(cell, "version");
}

std::string Where(int row, int column) {
  return "row " + std::to_string(row) + ", column " + std::to_string(column);
}

// The letters of a cell; throws for anything but A-F and separators.
Scoring::TLetters CellLetters(std::string_view cell, int row, int column, int question) {
  for (char c : cell) {
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if ((upper >= 'A' && upper <= 'F') || c == ' ' || c == '\t' || c == ',' || c == '/' || c == '+' ||
        c == ';')
      continue;
    throw TGradingError(row, column,
                        Where(row, column) + " (question " + std::to_string(question) + "): \"" +
                            std::string(cell) + "\" is not a set of answer letters");
  }
  return Scoring::LettersOf(cell);
}

}  // namespace

TGradingError::TGradingError(int row, int column, const std::string& what)
    : std::runtime_error(what), Row(row), Column(column) {}

TResults Grade(std::string_view answersText, const std::vector<PaperVersions::TVersion>& versions,
               int passPoint) {
  const std::string_view text = Csv::WithoutBom(answersText);
  std::vector<Csv::TRecord> records;
  try {
    records = Csv::Parse(text, Csv::DetectDelimiter(text));
  } catch (const Csv::TCsvError& error) {
    throw TGradingError(error.Line, 0, error.what());
  }
  TResults results;
  results.PassPoint = passPoint > 0 ? passPoint : 0;
  const std::size_t questionCount = versions.empty() ? 0 : versions.front().Questions.size();
  // Counted by the question's place in the test, which a version drawn from a
  // blueprint may hold beyond its own number of questions.
  std::size_t storedCount = 0;
  for (const PaperVersions::TVersion& version : versions)
    for (const PaperVersions::TPaperQuestion& question : version.Questions)
      storedCount = std::max(storedCount, static_cast<std::size_t>(question.Source) + 1);
  results.RightPerQuestion.assign(storedCount, 0);
  results.AskedPerQuestion.assign(storedCount, 0);
  bool first = true;
  std::optional<std::size_t> doubtfulColumn;
  for (Csv::TRecord record : records) {
    if (IsBlankRow(record.Fields)) continue;
    const int row = record.Line;
    const std::string versionText = record.Fields.size() > 1 ? Trimmed(record.Fields[1]) : "";
    // Only a header word makes a header: a student whose version cell is
    // blank or mistyped is named as an error, never skipped.
    if (std::exchange(first, false) && IsHeaderWord(versionText)) {
      for (std::size_t column = 2; column < record.Fields.size(); ++column)
        if (IsWord(Trimmed(record.Fields[column]), "doubtful")) doubtfulColumn = column;
      continue;
    }
    std::string doubtful;
    if (doubtfulColumn && *doubtfulColumn < record.Fields.size()) {
      doubtful = Trimmed(record.Fields[*doubtfulColumn]);
      record.Fields.erase(record.Fields.begin() + static_cast<std::ptrdiff_t>(*doubtfulColumn));
    }
    const std::string name = Trimmed(record.Fields[0]);
    if (name.empty()) throw TGradingError(row, 1, Where(row, 1) + ": the student's name is missing");
    const std::optional<int> index =
        versionText.size() == 1 ? PaperVersions::VersionIndex(versionText[0]) : std::nullopt;
    if (!index || *index >= static_cast<int>(versions.size())) {
      throw TGradingError(
          row, 2,
          Where(row, 2) + ": \"" + versionText + "\" is not a version (A to " +
              std::string(1, PaperVersions::VersionLetter(static_cast<int>(versions.size()) - 1)) + ")");
    }
    if (!doubtful.empty()) {
      results.Undecided.push_back({name, row, doubtful});
      continue;
    }
    const PaperVersions::TVersion& version = versions[static_cast<std::size_t>(*index)];
    TStudentResult student;
    student.Name = name;
    student.Row = row;
    student.Version = version.Letter;
    for (std::size_t column = 2; column < record.Fields.size(); ++column) {
      if (column - 2 >= questionCount && !Trimmed(record.Fields[column]).empty()) {
        throw TGradingError(row, static_cast<int>(column) + 1,
                            Where(row, static_cast<int>(column) + 1) + ": the test has only " +
                                std::to_string(questionCount) + " questions");
      }
    }
    for (std::size_t q = 0; q < questionCount; ++q) {
      const PaperVersions::TPaperQuestion& question = version.Questions[q];
      const int column = static_cast<int>(q) + 3;
      const std::string_view cell =
          q + 2 < record.Fields.size() ? std::string_view(record.Fields[q + 2]) : std::string_view();
      const Scoring::TLetters printed = CellLetters(cell, row, column, static_cast<int>(q) + 1);
      if (!PaperVersions::IsPrinted(question, printed)) {
        throw TGradingError(row, column,
                            Where(row, column) + " (question " + std::to_string(q + 1) + "): \"" +
                                Trimmed(cell) + "\" names an answer that version " +
                                std::string(1, version.Letter) + " does not print");
      }
      const Scoring::TLetters chosen = PaperVersions::StoredLetters(question, printed);
      student.Chosen.push_back(chosen);
      ++student.Asked;
      ++results.AskedPerQuestion[static_cast<std::size_t>(question.Source)];
      if (Scoring::IsRight(question.Correct, question.AnyCorrectPasses, chosen)) {
        ++student.Right;
        ++results.RightPerQuestion[static_cast<std::size_t>(question.Source)];
      }
    }
    student.Percent = Scoring::Percent(student.Right, student.Asked);
    student.Passed = Scoring::Passed(student.Right, student.Asked, results.PassPoint);
    results.Students.push_back(std::move(student));
  }
  return results;
}

std::string FormatResults(const TResults& results) {
  const bool withPass = results.PassPoint > 0;
  std::vector<std::string> head = {"Name", "Version", "Right", "Asked", "Percent"};
  if (withPass) head.push_back("Passed");
  std::string out = Csv::FormatSpreadsheetRecord(head);
  for (const TStudentResult& s : results.Students) {
    std::vector<std::string> fields = {s.Name, std::string(1, s.Version), std::to_string(s.Right),
                                       std::to_string(s.Asked), std::to_string(s.Percent)};
    if (withPass) fields.push_back(s.Passed ? "yes" : "no");
    out += Csv::FormatSpreadsheetRecord(fields);
  }
  out += "\r\n";
  out += Csv::FormatSpreadsheetRecord({"Question", "Right", "Students"});
  for (const TQuestionResult& question : QuestionResults(results)) {
    out += Csv::FormatSpreadsheetRecord(
        {std::to_string(question.Number), std::to_string(question.Right), std::to_string(question.Students)});
  }
  return out;
}

std::vector<TQuestionResult> QuestionResults(const TResults& results) {
  std::vector<TQuestionResult> rows;
  for (std::size_t q = 0; q < results.RightPerQuestion.size(); ++q) {
    const int asked = q < results.AskedPerQuestion.size() ? results.AskedPerQuestion[q] : 0;
    if (asked > 0 || results.Students.empty())
      rows.push_back({static_cast<int>(q) + 1, results.RightPerQuestion[q], asked});
  }
  return rows;
}

namespace {

// The candidate with every unprinted stored answer added after the printed
// ones: a letter it does not print is then a pick of an answer that is not
// correct, where Grade would refuse it.
PaperVersions::TVersion WithEveryLetter(PaperVersions::TVersion candidate) {
  for (PaperVersions::TPaperQuestion& question : candidate.Questions) {
    for (int stored = 0; stored < 6; ++stored) {
      if (std::find(question.Answers.begin(), question.Answers.end(), stored) == question.Answers.end())
        question.Answers.push_back(stored);
    }
  }
  return candidate;
}

}  // namespace

TKeyCheck CheckKeys(std::string_view answersText, const std::vector<PaperVersions::TVersion>& versions,
                    const std::vector<PaperVersions::TVersion>& candidates) {
  TKeyCheck check;
  TResults own;
  try {
    own = Grade(answersText, versions, 0);
  } catch (const TGradingError&) {
    return check;
  }
  check.Sheets = static_cast<int>(own.Students.size());
  // Each sheet's best percent under another key, and which key gave it.
  std::vector<int> best(own.Students.size(), -1);
  std::vector<int> bestCandidate(own.Students.size(), -1);
  for (std::size_t c = 0; c < candidates.size(); ++c) {
    if (candidates[c].Questions.size() != (versions.empty() ? 0 : versions.front().Questions.size()))
      continue;
    // Every sheet marked against candidate c, whatever version it names.
    const std::vector<PaperVersions::TVersion> asCandidate(versions.size(), WithEveryLetter(candidates[c]));
    TResults other;
    try {
      other = Grade(answersText, asCandidate, 0);
    } catch (const TGradingError&) {
      continue;
    }
    for (std::size_t i = 0; i < own.Students.size() && i < other.Students.size(); ++i) {
      if (other.Students[i].Percent > best[i]) {
        best[i] = other.Students[i].Percent;
        bestCandidate[i] = static_cast<int>(c);
      }
    }
  }
  for (std::size_t i = 0; i < own.Students.size(); ++i) {
    if (best[i] < own.Students[i].Percent + FarBelowPoints) continue;
    if (check.FitElsewhere++ == 0) {
      check.Sheet = static_cast<int>(i);
      check.OwnPercent = own.Students[i].Percent;
      check.Candidate = bestCandidate[i];
      check.CandidatePercent = best[i];
    }
  }
  return check;
}

std::optional<int> RightUnder(std::string_view answersText,
                              const std::vector<PaperVersions::TVersion>& versions,
                              const std::vector<PaperVersions::TVersion>& other) {
  try {
    Grade(answersText, versions, 0);
  } catch (const TGradingError&) {
    return std::nullopt;
  }
  // As many versions as the sheets may name, each printing every letter; a
  // version the other run lacks has no correct letter, so nothing on it is right.
  std::vector<PaperVersions::TVersion> tolerant;
  for (const PaperVersions::TVersion& version : other) tolerant.push_back(WithEveryLetter(version));
  const std::size_t count = versions.empty() ? 0 : versions.front().Questions.size();
  while (tolerant.size() < versions.size()) {
    PaperVersions::TVersion none;
    none.Letter = PaperVersions::VersionLetter(static_cast<int>(tolerant.size()));
    none.Questions.resize(count);
    for (std::size_t q = 0; q < count; ++q) none.Questions[q].Source = static_cast<int>(q);
    tolerant.push_back(WithEveryLetter(std::move(none)));
  }
  for (const PaperVersions::TVersion& version : tolerant) {
    if (version.Questions.size() != count) return 0;
  }
  try {
    int right = 0;
    for (const TStudentResult& student : Grade(answersText, tolerant, 0).Students) right += student.Right;
    return right;
  } catch (const TGradingError&) {
    return 0;
  }
}

}  // namespace Grading
