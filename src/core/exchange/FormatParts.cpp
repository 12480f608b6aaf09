#include "core/exchange/FormatParts.h"

#include <algorithm>
#include <map>

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

std::string UncarriedSettings(const TTestContents& contents,
                              std::initializer_list<std::string_view> carried) {
  namespace F = TestFile;
  // What a test that never had the key set behaves as.
  static const std::map<std::string_view, std::string_view> Usual = {
      {F::Time, "00:00:00"}, {F::CheckAnswers, "1"}, {F::RandomQuestions, "1"}, {F::MustAnswer, "0"},
      {F::PassPoint, "0"},   {F::MaxQuestions, "0"}, {F::TimerType, "0"},       {F::ReviewAllow, "1"},
      {F::ReviewBlank, "1"}, {F::TestHot, "1"},      {F::TestRef, "1"},         {F::ReviewHot, "1"},
      {F::ReviewRef, "1"},   {F::StudentMax, "0"}};
  std::string keys;
  for (const TTestContents::TSetting& setting : contents.Settings) {
    if (!setting.Value || setting.Key == F::Desc ||
        std::find(carried.begin(), carried.end(), setting.Key) != carried.end())
      continue;
    const auto usual = Usual.find(setting.Key);
    if (usual != Usual.end() &&
        (*setting.Value == usual->second || (setting.Key == F::Time && *setting.Value == "0")))
      continue;
    keys += (keys.empty() ? "" : ", ") + std::string(setting.Key);
  }
  return keys;
}

}  // namespace FormatParts
