#include "core/model/LossNotice.h"

#include <map>

namespace {

// "question 2 (QUESTION, B); settings (DESC)": the places of the values lost one way.
std::string Places(const TConversionReport& report, TLoss loss) {
  std::map<int, std::string> keysByQuestion;
  for (const TBrokenValue& value : report.Broken) {
    if (value.Loss != loss) continue;
    std::string& keys = keysByQuestion[value.Question];
    keys += (keys.empty() ? "" : ", ") + value.Key;
  }
  std::string named;
  for (const auto& [question, keys] : keysByQuestion) {
    if (!named.empty()) named += "; ";
    named += (question == 0 ? std::string("settings") : "question " + std::to_string(question)) + " (" +
             keys + ")";
  }
  return named;
}

struct TLossWords {
  TLoss Loss;
  const char* Holds;  // before the places
  const char* Then;   // after them
};

constexpr TLossWords Words[] = {
    {TLoss::NoDecipher,
     "These values do not decipher: ", ".\rThe text file holds BAD DECODE in their place."},
    {TLoss::LineBreak, "These values hold line breaks: ",
     ".\rConverting the text file back into a test keeps only the first line of each."},
    {TLoss::EndsText, "These values hold a Ctrl-Z character: ",
     ".\rConverting the text file back into a test stops at the first of them; nothing after it is read."},
    {TLoss::EdgeBytes, "These values hold characters 0 or 255, which a test cannot keep: ", "."},
};

}  // namespace

std::vector<std::string> LossNotices(const TConversionReport& report) {
  std::vector<std::string> notices;
  for (const TLossWords& words : Words)
    if (const std::string places = Places(report, words.Loss); !places.empty())
      notices.push_back(words.Holds + places + words.Then);
  return notices;
}
