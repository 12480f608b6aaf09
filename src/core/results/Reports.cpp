#include "core/results/Reports.h"

#include <unicode/coll.h>
#include <unicode/sortkey.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <tuple>

#include "core/results/RecordAttempt.h"
#include "core/run/PaperVersions.h"
#include "core/run/TestSession.h"
#include "core/storage/Csv.h"
#include "core/storage/Json.h"

namespace Reports {

namespace {

std::string Optional(const std::optional<double>& value, const char* none) {
  return value ? Number(*value) : none;
}

}  // namespace

// How many letters a question's row shows: its answers, or further when a
// letter beyond them was chosen.
int LetterSpan(const Statistics::TItem& item, const std::map<int, int>& answerCounts) {
  int span = 0;
  if (const auto found = answerCounts.find(item.Number); found != answerCounts.end()) span = found->second;
  for (int letter = 0; letter < 6; ++letter)
    if (item.Chose[letter] > 0) span = std::max(span, letter + 1);
  return span;
}

namespace {

std::string FlagText(const Statistics::TItem& item) {
  std::string text;
  for (const std::string& flag : item.Flags) text += (text.empty() ? "" : " ") + flag;
  return text;
}

}  // namespace

std::string Number(double value) {
  return Json::Decimal(value, 4).dump();
}

TTestView ReadTestView(const std::string& path) {
  const PaperVersions::TPaperTest test = PaperVersions::ReadPaperTest(path);
  TTestView view{test.Description, test.PassPoint, {}, {}, {}};
  for (std::size_t i = 0; i < test.Questions.size(); ++i) {
    const TQuestionSnapshot& q =
        view.Questions.emplace_back(SnapshotOf(test.Questions[i], static_cast<int>(i + 1)));
    view.Keys[q.Number] = q.Correct;
    for (int letter = 0; letter < 6; ++letter)
      if (!q.Answers[letter].empty()) view.AnswerCounts[q.Number] = letter + 1;
  }
  return view;
}

std::vector<Statistics::TResponses> Responses(const std::vector<TStoredAttempt>& attempts) {
  std::vector<Statistics::TResponses> responses;
  responses.reserve(attempts.size());
  for (const TStoredAttempt& attempt : attempts) {
    Statistics::TResponses& r = responses.emplace_back();
    r.reserve(attempt.Answers.size());
    for (const TStoredAnswer& answer : attempt.Answers)
      r.push_back({answer.Number, answer.Chosen, answer.Right});
  }
  return responses;
}

const std::string& When(const TStoredAttempt& attempt) {
  return attempt.Ended.empty() ? attempt.Started : attempt.Ended;
}

std::string PassedText(const TStoredAttempt& attempt, int passPoint) {
  if (passPoint <= 0) return {};
  return Scoring::Passed(attempt.Right, attempt.Asked, passPoint) ? "yes" : "no";
}

std::string TimeTaken(const TStoredAttempt& attempt) {
  const bool timed = attempt.Source != TAttemptSource::Paper && attempt.Source != TAttemptSource::Scan;
  return timed ? DurationText(attempt.SecondsTaken) : std::string();
}

std::string PassRateText(const TPassRate& rate) {
  return Number(rate.Percent) + "% (" + std::to_string(rate.Passed) + " of " + std::to_string(rate.Attempts) +
         " passed)";
}

std::optional<TPassRate> PassRate(const std::vector<TStoredAttempt>& attempts, int passPoint) {
  if (passPoint <= 0 || attempts.empty()) return std::nullopt;
  TPassRate rate;
  rate.Attempts = static_cast<int>(attempts.size());
  for (const TStoredAttempt& a : attempts) rate.Passed += Scoring::Passed(a.Right, a.Asked, passPoint);
  rate.Percent = 100.0 * rate.Passed / rate.Attempts;
  return rate;
}

std::vector<int> QuestionsAsked(const TStoredAttempt& attempt) {
  std::vector<int> numbers;
  numbers.reserve(attempt.Answers.size());
  for (const TStoredAnswer& answer : attempt.Answers) numbers.push_back(answer.Number);
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

std::string QuestionsAskedText(const TStoredAttempt& attempt) {
  const std::vector<int> numbers = QuestionsAsked(attempt);
  std::string text;
  for (std::size_t first = 0; first < numbers.size();) {
    std::size_t last = first;
    while (last + 1 < numbers.size() && numbers[last + 1] == numbers[last] + 1) ++last;
    if (!text.empty()) text += ", ";
    text += std::to_string(numbers[first]);
    if (last >= first + 2) {
      text += '-' + std::to_string(numbers[last]);
      first = last + 1;
    } else {
      ++first;  // one or two in a row are named each
    }
  }
  return text;
}

std::string QuestionLine(const std::string& question) {
  std::string line;
  line.reserve(question.size());
  for (std::size_t i = 0; i < question.size(); ++i) {
    const char c = question[i];
    if (c == '\r' && i + 1 < question.size() && question[i + 1] == '\n') continue;
    line += c == '\r' || c == '\n' ? ' ' : c;
  }
  return line;
}

TRegraded Regrade(TResultsStore& store, const std::string& testFile,
                  const std::vector<TQuestionSnapshot>& current) {
  TResultsFilter all;
  all.TestFile = testFile;
  all.WithDeleted = true;
  std::map<std::int64_t, int> before;
  for (const TStoredAttempt& a : store.Attempts(all)) before[a.Id] = a.Right;
  TRegraded regraded;
  regraded.Rescored = store.Regrade(testFile, current);
  for (const TStoredAttempt& a : store.Attempts(all))
    if (const auto found = before.find(a.Id); found != before.end() && found->second != a.Right)
      ++regraded.ScoresChanged;
  return regraded;
}

void SortByStudent(std::vector<TStoredAttempt>& attempts) {
  UErrorCode status = U_ZERO_ERROR;
  const std::unique_ptr<icu::Collator> collator(
      icu::Collator::createInstance(icu::Locale::getDefault(), status));
  // "Ann 9" before "Ann 10".
  if (U_SUCCESS(status)) collator->setAttribute(UCOL_NUMERIC_COLLATION, UCOL_ON, status);
  // Without ICU's data every text sorts by its characters' numbers.
  const bool ordered = U_SUCCESS(status);
  const auto key = [&](const std::string& text) {
    if (!ordered) return text;
    icu::CollationKey made;
    UErrorCode keyStatus = U_ZERO_ERROR;
    collator->getCollationKey(icu::UnicodeString::fromUTF8(text), made, keyStatus);
    int32_t length = 0;
    const uint8_t* bytes = made.getByteArray(length);
    return U_SUCCESS(keyStatus)
               ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length))
               : text;
  };
  struct TKeyed {
    std::string Name, Number;
    std::size_t Index;
  };
  std::vector<TKeyed> keyed;
  keyed.reserve(attempts.size());
  for (std::size_t i = 0; i < attempts.size(); ++i)
    keyed.push_back({key(attempts[i].Student), key(attempts[i].StudentNumber), i});
  std::ranges::stable_sort(keyed, [&](const TKeyed& a, const TKeyed& b) {
    return std::tie(a.Name, a.Number, When(attempts[a.Index])) <
           std::tie(b.Name, b.Number, When(attempts[b.Index]));
  });
  std::vector<TStoredAttempt> sorted;
  sorted.reserve(attempts.size());
  for (const TKeyed& k : keyed) sorted.push_back(std::move(attempts[k.Index]));
  attempts = std::move(sorted);
}

std::string GradebookCsv(const std::vector<TStoredAttempt>& attempts, int passPoint) {
  std::string text = Csv::FormatSpreadsheetRecord(
      {"Student", "Student number", "Class", "Date", "Score", "Percent", "Passed", "Time taken"});
  for (const TStoredAttempt& a : attempts)
    text += Csv::FormatSpreadsheetRecord(
        {a.Student, a.StudentNumber, a.Class, When(a), std::to_string(a.Right),
         std::to_string(Scoring::Percent(a.Right, a.Asked)), PassedText(a, passPoint), TimeTaken(a)});
  return text;
}

std::string ItemsCsv(const Statistics::TTest& test) {
  std::vector<std::string> header = {"Question", "Attempts", "Facility", "Discrimination"};
  for (const char* group : {"", "Top ", "Bottom "})
    for (char letter = 'A'; letter <= 'F'; ++letter) header.push_back(group + std::string(1, letter));
  header.insert(header.end(), {"Blank", "Flags"});
  std::string text = Csv::FormatSpreadsheetRecord(header);
  for (const Statistics::TItem& item : test.Items) {
    std::vector<std::string> row = {std::to_string(item.Number), std::to_string(item.Attempts),
                                    Number(item.Facility), Optional(item.Discrimination, "")};
    for (const auto* counts : {&item.Chose, &item.ChoseTop, &item.ChoseBottom})
      for (int count : *counts) row.push_back(std::to_string(count));
    row.push_back(std::to_string(item.Blank));
    row.push_back(FlagText(item));
    text += Csv::FormatSpreadsheetRecord(row);
  }
  return text;
}

namespace {

// Figures of a test without attempts are none rather than 0.
std::optional<double> Figure(const Statistics::TTest& test, double value) {
  return test.Attempts > 0 ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

std::string Json(const Statistics::TTest& test, const std::map<int, int>& answerCounts) {
  const auto figure = [](const std::optional<double>& value) {
    return value ? Json::Decimal(*value, 4) : Json::TValue(nullptr);
  };
  Json::TValue items = Json::TValue::array();
  for (const Statistics::TItem& item : test.Items) {
    Json::TValue chose = Json::TValue::object();
    const int span = LetterSpan(item, answerCounts);
    for (int letter = 0; letter < span; ++letter)
      chose[std::string(1, static_cast<char>('A' + letter))] = item.Chose[letter];
    items.push_back({{"question", item.Number},
                     {"attempts", item.Attempts},
                     {"facility", Json::Decimal(item.Facility, 4)},
                     {"discrimination", figure(item.Discrimination)},
                     {"chose", chose},
                     {"blank", item.Blank},
                     {"flags", item.Flags}});
  }
  const Json::TValue json = {{"attempts", test.Attempts},
                             {"mean", figure(Figure(test, test.Mean))},
                             {"median", figure(Figure(test, test.Median))},
                             {"sd", figure(Figure(test, test.Sd))},
                             {"kr20", figure(test.Kr20)},
                             {"sem", figure(test.Sem)},
                             {"items", items}};
  return Json::Write(json, {.Layout = Json::TLayout::OneLine}) + "\n";
}

std::string Text(const Statistics::TTest& test, const std::map<int, int>& answerCounts) {
  const auto percent = [&](double value) {
    return test.Attempts > 0 ? Number(value) + "%" : std::string("-");
  };
  std::string text =
      "Attempts:  " + std::to_string(test.Attempts) + "\nMean:      " + percent(test.Mean) +
      "\nMedian:    " + percent(test.Median) + "\nSD:        " + Optional(Figure(test, test.Sd), "-") +
      "\nKR-20:     " + Optional(test.Kr20, "-") + "\nSEM:       " + Optional(test.Sem, "-") + "\n";
  if (test.Items.empty()) return text;
  text += "\nQuestion  Attempts  Facility  Discrimination  Chose                          Blank  Flags\n";
  char line[256];
  for (const Statistics::TItem& item : test.Items) {
    std::string chose;
    const int span = LetterSpan(item, answerCounts);
    for (int letter = 0; letter < span; ++letter)
      chose += std::string(letter ? " " : "") + static_cast<char>('A' + letter) + ":" +
               std::to_string(item.Chose[letter]);
    std::snprintf(line, sizeof line, "%8d  %8d  %8s  %14s  %-29s  %5d  %s", item.Number, item.Attempts,
                  Number(item.Facility).c_str(), Optional(item.Discrimination, "-").c_str(), chose.c_str(),
                  item.Blank, FlagText(item).c_str());
    text += line;
    while (text.back() == ' ') text.pop_back();
    text += '\n';
  }
  return text;
}

}  // namespace Reports
