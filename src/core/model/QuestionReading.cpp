#include "core/model/QuestionReading.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/storage/IniSyntax.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The digits of a section named "QA" and at least one digit, any letter case;
// nothing for any other name.
std::optional<std::string_view> QuestionDigits(std::string_view name) {
  if (name.size() < 3 || !IniSyntax::EqualNoCase(name.substr(0, 2), "QA")) return std::nullopt;
  const std::string_view digits = name.substr(2);
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  return digits;
}

// Whether digits, written without a leading zero, name a question the reading
// takes (1 to MaxQuestionCount).
bool IsReadNumber(std::string_view digits) {
  if (digits.front() == '0' || digits.size() > 3) return false;
  int number = 0;
  for (char c : digits) number = number * 10 + (c - '0');
  return number <= TestFile::MaxQuestionCount;
}

// Orders digit strings by the numbers they write, however long.
bool NumberBefore(std::string_view a, std::string_view b) {
  const auto significant = [](std::string_view digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
  };
  const std::string_view x = significant(a), y = significant(b);
  if (x.size() != y.size()) return x.size() < y.size();
  return x != y ? x < y : a < b;
}

// The sections past the last number or with a leading zero that hold text.
std::vector<TUnreadSection> UnreadSections(TCustomIniStore& store, TStoredValues values) {
  std::vector<TUnreadSection> unread;
  TStrings names;
  store.ReadSections(names);
  QuestionRecord scratch;
  const TestFile::TTextForm form = TestFile::StoredForm(store, values);
  for (const std::string& name : names) {
    const std::optional<std::string_view> digits = QuestionDigits(name);
    if (!digits || IsReadNumber(*digits)) continue;
    TestFile::ReadQuestion(store, name, scratch, form, values);
    if (!HoldsText(scratch)) continue;
    unread.push_back(
        {name, digits->front() == '0' ? TUnreadSection::TWhy::LeadingZero : TUnreadSection::TWhy::PastLast});
  }
  std::stable_sort(unread.begin(), unread.end(), [](const TUnreadSection& a, const TUnreadSection& b) {
    return NumberBefore(std::string_view(a.Name).substr(2), std::string_view(b.Name).substr(2));
  });
  return unread;
}

// The number a digit string writes, when it fits; for joining runs only.
std::optional<unsigned long long> SmallNumber(std::string_view digits) {
  if (digits.size() > 18) return std::nullopt;
  unsigned long long number = 0;
  for (char c : digits) number = number * 10 + static_cast<unsigned>(c - '0');
  return number;
}

std::string SectionRun(const std::string& first, const std::string& last) {
  return first == last ? first : first + " to " + last;
}

}  // namespace

bool HoldsText(const QuestionRecord& q) {
  for (const std::string* field : {&q.Question, &q.AnswerA, &q.AnswerB, &q.AnswerC, &q.AnswerD, &q.AnswerE,
                                   &q.AnswerF, &q.HotLink, &q.HotLinkParameters, &q.MediaFile, &q.Reference})
    if (!field->empty()) return true;
  return false;
}

bool TQuestionNumbering::Renumbered() const {
  for (size_t i = 0; i < Sections.size(); ++i)
    if (Sections[i] != static_cast<int>(i) + 1) return true;
  return false;
}

int ReadQuestions(TCustomIniStore& store, std::span<QuestionRecord> slots, TQuestionNumbering& numbering,
                  TStoredValues values) {
  numbering.Sections.clear();
  int count = 0;
  const TestFile::TTextForm form = TestFile::StoredForm(store, values);
  for (int n = 1; n <= TestFile::MaxQuestionCount; ++n) {
    QuestionRecord& slot = slots[static_cast<size_t>(count)];
    TestFile::ReadQuestion(store, TestFile::QuestionSection(n), slot, form, values);
    if (!HoldsText(slot)) continue;
    numbering.Sections.push_back(n);
    ++count;
  }
  numbering.Unread = UnreadSections(store, values);
  return count;
}

std::vector<QuestionRecord> ReadQuestions(TCustomIniStore& store, TQuestionNumbering& numbering,
                                          TStoredValues values) {
  std::vector<QuestionRecord> slots(TestFile::MaxQuestionCount);
  slots.resize(static_cast<size_t>(ReadQuestions(store, slots, numbering, values)));
  return slots;
}

std::vector<TRenumberedRun> RenumberedRuns(const TQuestionNumbering& numbering) {
  std::vector<TRenumberedRun> runs;
  for (size_t i = 0; i < numbering.Sections.size(); ++i) {
    const int section = numbering.Sections[i];
    const int question = static_cast<int>(i) + 1;
    if (section == question) continue;
    if (!runs.empty() && runs.back().First + runs.back().Count == section &&
        runs.back().Question + runs.back().Count == question) {
      ++runs.back().Count;
    } else {
      runs.push_back({section, question, 1});
    }
  }
  return runs;
}

std::vector<std::string> NumberingReport(const TQuestionNumbering& numbering) {
  std::vector<std::string> lines;
  for (const TRenumberedRun& run : RenumberedRuns(numbering)) {
    const int last = run.Count - 1;
    lines.push_back(
        SectionRun(TestFile::QuestionSection(run.First), TestFile::QuestionSection(run.First + last)) +
        (run.Count == 1 ? " was read as question " + std::to_string(run.Question)
                        : " were read as questions " + std::to_string(run.Question) + " to " +
                              std::to_string(run.Question + last)) +
        " (a gap in the numbering closed up)");
  }
  const auto& unread = numbering.Unread;
  for (size_t i = 0; i < unread.size(); ++i) {
    if (unread[i].Why == TUnreadSection::TWhy::LeadingZero) {
      lines.push_back(unread[i].Name + ": a question number never starts with 0, not read");
      continue;
    }
    // Consecutive numbers past the last are one line.
    size_t end = i;
    while (end + 1 < unread.size() && unread[end + 1].Why == TUnreadSection::TWhy::PastLast) {
      const auto here = SmallNumber(std::string_view(unread[end].Name).substr(2));
      const auto next = SmallNumber(std::string_view(unread[end + 1].Name).substr(2));
      if (!here || !next || *next != *here + 1) break;
      ++end;
    }
    lines.push_back(SectionRun(unread[i].Name, unread[end].Name) + ": past " +
                    TestFile::QuestionSection(TestFile::MaxQuestionCount) + ", not read");
    i = end;
  }
  return lines;
}
