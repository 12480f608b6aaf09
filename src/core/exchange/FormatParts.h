#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/QuestionFormat.h"
#include "core/model/TestFile.h"

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
};

// One loss line for each field of record that is set but not carried, and for
// the hot link's parameters, the internal-media flag, the category and the
// tags, which no format carries.
void ReportUncarried(int question, const QuestionRecord& record, TCarried carried, TLossReport& report);
// The lines of those for the question's category and tags alone.
void ReportUncarriedPlace(int question, const QuestionRecord& record, TLossReport& report);

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
// the begin and end messages, and the settings that differ from a new test's.
void ReportUncarriedTest(const TExportedTest& test, std::string_view format, bool description,
                         TLossReport& report);

}  // namespace FormatParts
