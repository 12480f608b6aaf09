#include "core/exchange/FormatParts.h"

#include <algorithm>

namespace FormatParts {

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

int LetterIndex(char letter) {
  if (letter >= 'a' && letter <= 'f') return letter - 'a';
  if (letter >= 'A' && letter <= 'F') return letter - 'A';
  return -1;
}

std::string CorrectLetters(const QuestionRecord& record) {
  std::string letters;
  for (int i = 0; i < AnswerCount; ++i) {
    if (record.Answer(i).empty()) continue;
    for (char c : record.Correct) {
      if (LetterIndex(c) == i) {
        letters += Letter(i);
        break;
      }
    }
  }
  return letters;
}

std::string ReplaceLineBreaks(std::string_view text, std::string_view replacement) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += replacement;
    } else {
      result += text[i];
    }
  }
  return result;
}

void ReportUncarried(int question, const QuestionRecord& record, TCarried carried, TLossReport& report) {
  if (!carried.Reference && !record.Reference.empty()) report.Add(question, "reference dropped");
  if (!carried.HotLink && !record.HotLink.empty()) report.Add(question, "hot link dropped");
  if (!record.HotLinkParameters.empty()) report.Add(question, "hot link parameters dropped");
  if (!carried.MediaFile && !record.MediaFile.empty()) report.Add(question, "media file dropped");
  if (record.MMediaInternal) report.Add(question, "internal media setting dropped");
  ReportUncarriedPlace(question, record, report);
}

void ReportUncarriedPlace(int question, const QuestionRecord& record, TLossReport& report) {
  if (!record.Category.empty()) report.Add(question, "category \"" + record.Category + "\" dropped");
  if (!record.Tags.empty()) report.Add(question, "tags dropped");
}

bool HasContent(const QuestionRecord& record) {
  if (!record.Question.empty()) return true;
  for (int i = 0; i < AnswerCount; ++i) {
    if (!record.Answer(i).empty()) return true;
  }
  return false;
}

TOfferedAnswers OfferedAnswers(const QuestionRecord& record) {
  TOfferedAnswers offered;
  for (int i = 0; i < AnswerCount; ++i)
    if (!record.Answer(i).empty()) offered.Count = i + 1;
  for (char letter : record.Correct)
    if (letter >= 'A' && letter < 'A' + offered.Count && offered.Correct.find(letter) == std::string::npos)
      offered.Correct += letter;
  return offered;
}

namespace {

// A setting as the settings window names it, and what a test that never had
// the key set behaves as.
struct TSettingWords {
  std::string_view Key, Label, Usual;
};

constexpr TSettingWords SettingWords[] = {
    {TestFile::Desc, "Test Description", ""},
    {TestFile::Time, "Time Allowed", "00:00:00"},
    {TestFile::CheckAnswers, "Answer Checking", "1"},
    {TestFile::RandomQuestions, "Question Ordering", "1"},
    {TestFile::MustAnswer, "Answer Requirement", "0"},
    {TestFile::PassPoint, "Pass Point", "0"},
    {TestFile::MaxQuestions, "Maximum Questions", "0"},
    {TestFile::StudentMax, "Allow student to specify maximum questions", "0"},
    {TestFile::TimerType, "Time Display", "0"},
    {TestFile::ReviewAllow, "Test Review", "1"},
    {TestFile::ReviewBlank, "Allow review of skipped questions", "1"},
    {TestFile::TestHot, "Allow hot links during test", "1"},
    {TestFile::TestRef, "Show references while taking test", "1"},
    {TestFile::ReviewHot, "Allow hot links during review", "1"},
    {TestFile::ReviewRef, "Show references during review", "1"},
    {TestFile::Blueprint, "Question Bank", ""},
};

const TSettingWords* WordsOf(std::string_view key) {
  for (const TSettingWords& words : SettingWords)
    if (words.Key == key) return &words;
  return nullptr;
}

}  // namespace

std::string_view SettingLabel(std::string_view key) {
  const TSettingWords* words = WordsOf(key);
  return words ? words->Label : key;
}

std::string UncarriedSettings(const TTestContents& contents,
                              std::initializer_list<std::string_view> carried) {
  std::string labels;
  for (const TTestContents::TSetting& setting : contents.Settings) {
    if (!setting.Value || setting.Key == TestFile::Desc ||
        std::find(carried.begin(), carried.end(), setting.Key) != carried.end())
      continue;
    const TSettingWords* words = WordsOf(setting.Key);
    if (words && (*setting.Value == words->Usual || (setting.Key == TestFile::Time && *setting.Value == "0")))
      continue;
    labels += (labels.empty() ? "" : ", ") + std::string(SettingLabel(setting.Key));
  }
  return labels;
}

void ReportUncarriedTest(const TExportedTest& test, std::string_view format, bool description,
                         TLossReport& report) {
  const std::string holds = ": " + std::string(format) + " holds questions only";
  // A new test's own description is no loss.
  const std::string_view usual = TestFile::SettingKeys[0].NewTest;
  static_assert(TestFile::SettingKeys[0].Name == TestFile::Desc);
  if (!description && !test.Description.empty() && test.Description != usual)
    report.Add(0, "test description dropped" + holds);
  if (!test.Contents.BeginMessage.empty() || !test.Contents.EndMessage.empty())
    report.Add(0, "begin and end messages dropped" + holds);
  if (const std::string keys = UncarriedSettings(test.Contents, {}); !keys.empty())
    report.Add(0, "settings not carried: " + keys);
}

}  // namespace FormatParts
