#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/QuestionFormat.h"
#include "core/model/TestFile.h"
#include "core/run/QuestionDraw.h"

// Pieces every text format shares: answer letters, trimming, and the checks
// that decide whether a question from elsewhere fits our model.
namespace FormatParts {

inline constexpr int AnswerCount = 6;
inline constexpr std::string_view Letters = "ABCDEF";

// text without blanks, tabs and line breaks at either end.
std::string_view Trim(std::string_view text);

// The letter of answer index 0..5.
inline char Letter(int index) {
  return Letters[static_cast<size_t>(index)];
}

// The answer index of a letter in either case, or -1.
int LetterIndex(char letter);

// The record's correct letters, upper case, in A..F order, each once, only
// letters whose answer is not empty.
std::string CorrectLetters(const QuestionRecord& record);

// The answers a question offers, A up to its last one that is not empty (empty
// ones between them included), and its correct letters among those, upper
// case only, each once, in the order the record holds them.
struct TOfferedAnswers {
  int Count = 0;
  std::string Correct;
};
TOfferedAnswers OfferedAnswers(const QuestionRecord& record);

// Line breaks (CR LF, CR, LF) replaced by replacement.
std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement);

// What a format carries besides question, answers and correct letters.
struct TCarried {
  bool Reference = false;
  bool HotLink = false;
  bool MediaFile = false;
  bool Category = false;
  bool Tags = false;
};

// One loss line for each field of record that is set but not carried, and for
// the hot link's parameters and the internal-media flag, which no format
// carries.
void ReportUncarried(int question, const QuestionRecord& record, TCarried carried, TLossReport& report);
// The lines of those for the question's category and tags alone.
void ReportUncarriedPlace(int question, const QuestionRecord& record, TCarried carried, TLossReport& report);

// The parts of a category path as quiz systems write it, "$course$/top/Unit
// 1/Forces": a context ("$course$", "$system$", ...) and the top level "top"
// taken off, blanks around each part removed, empty parts left out; a doubled
// slash is a slash within a part.
std::vector<std::string> CategoryParts(std::string_view path);
// Those parts as our category: "Unit 1/Forces".
std::string CategoryOfPath(std::string_view path);
// Our category as those systems file it, in the course: "$course$/top/Unit
// 1/Forces", and "$course$/top" for a question without one.
std::string CoursePath(std::string_view category);

// Where a format that files questions by category lines ("$CATEGORY:", a
// category question) writes them. A file holding a single such line before
// its questions is read as the test's name and files nothing, as files of
// tests without categories always were; so a test with categories gets as
// many lines as it needs and never only one.
class TCategoryLines {
public:
  // For questions written after a line naming the test, when description.
  TCategoryLines(const std::vector<QuestionRecord>& questions, bool description);
  // Whether any question has a category, so that lines are written.
  bool Active() const { return Filing; }
  // The paths of the lines to write before a question of category: none
  // when the line before already files it or no line is written.
  std::vector<std::string> Before(std::string_view category);

private:
  bool Filing = false;
  bool Named = false;
  bool Written = false;
  std::string Current;
};

// Whether a reader files its questions by the category lines it found: not
// when the only one stands before the first question.
inline bool FilesByCategory(int lines, bool firstBeforeQuestions) {
  return lines > 1 || (lines == 1 && !firstBeforeQuestions);
}

// The blueprint the test's BLUEPRINT holds, empty when it has none or its
// text is no blueprint.
QuestionDraw::TBlueprint BlueprintOf(const TTestContents& contents);
// The report's lines for the blueprint lines format cannot hold: each asking
// for one of each tag, and, when nested is false, each with a line of its own
// for a category under it, which the format's draw cannot leave out.
// Gives test the blueprint that its source's draws make (the random
// questions of a category, a section's selection) when its questions can
// meet it; otherwise the report says why not.
void ImportBlueprint(const QuestionDraw::TBlueprint& blueprint, TImportedTest& test, TLossReport& report);
void ReportUnheldRows(const QuestionDraw::TBlueprint& blueprint, std::string_view format, bool nested,
                      TLossReport& report);

// Whether the record has a question to write: text or at least one answer.
bool HasContent(const QuestionRecord& record);

// The words the Global Test Settings window shows for a SETTINGS key
// ("Pass Point" for PASSPOINT), or the key itself when it has none.
std::string_view SettingLabel(std::string_view key);

// The SETTINGS of contents that a format cannot carry (keys not in carried)
// and whose values differ from what a new test gets, for the loss report, in
// the settings window's words: "Pass Point, Answer Requirement", or "" when
// there are none.
std::string UncarriedSettings(const TTestContents& contents, std::initializer_list<std::string_view> carried);

// The lines a format that holds questions only (named by format, "GIFT")
// reports of the test itself: its description unless the format carries it
// (or it is a new test's),
// the begin and end messages, and the settings that differ from a new test's
// but for those in carried.
void ReportUncarriedTest(const TExportedTest& test, std::string_view format, bool description,
                         TLossReport& report, std::initializer_list<std::string_view> carried = {});

}  // namespace FormatParts
