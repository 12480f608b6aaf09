#include "core/model/TestCheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/storage/IniSyntax.h"
#include "core/storage/TerminalText.h"
#include "core/storage/ZarnEncryption.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"

namespace {

// A section QAn: its number and whether it holds a stored question.
struct TQuestionSection {
  std::int64_t Number = 0;
  std::string Name;
  bool HoldsQuestion = false;
};

// n for a section named "QA" (any case) and a decimal number n >= 1 written
// without leading zeros, as the maker names question sections; nothing for
// any other name (the maker never reads those).
std::optional<std::int64_t> QuestionNumberOf(std::string_view name) {
  if (name.size() < 3 || name.size() > 20 || !IniSyntax::EqualNoCase(name.substr(0, 2), "QA") ||
      name[2] == '0') {
    return std::nullopt;
  }
  std::int64_t number = 0;
  for (char c : name.substr(2)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

// The value as the maker reads it; nothing when the key is missing, and nothing
// for a value that does not decipher, which CheckCiphers reports.
std::optional<std::string> DecipheredSetting(TCustomIniStore& store, std::string_view key) {
  if (!HoldsKey(store, TestFile::Settings, key)) return std::nullopt;
  std::string value = Decrypt(store.ReadString(TestFile::Settings, key, ""));
  if (value == BadDecode) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view codePageText) {
  return "\"" + TerminalText(codePageText) + "\"";
}

std::string SettingPlace(std::string_view key) {
  return std::string(TestFile::Settings) + "/" + std::string(key) + ": ";
}

class TTestChecker {
public:
  explicit TTestChecker(TCustomIniStore& store) : Store(store) {}

  std::vector<std::string> Run() {
    TStrings names;
    Store.ReadSections(names);
    CheckLoadable();
    CheckCiphers(names);
    CheckNumber(TestFile::PassPoint, TestSettings::MaxPassPoint);
    CheckNumber(TestFile::MaxQuestions, TestSettings::MaxQuestionLimit);
    CheckTime();
    const std::vector<TQuestionSection> sections = QuestionSections(names);
    const int count = QuestionCount();
    for (int n = 1; n <= count; ++n) CheckCorrectLetters(n);
    CheckNumbering(sections, count);
    return std::move(Findings);
  }

private:
  // An empty file, a binary one or one without a description: the maker
  // refuses to load it, whatever else it holds.
  void CheckLoadable() {
    std::string_view stored;
    if (!Store.ReadValue(TestFile::Settings, TestFile::Desc, stored) || !TestFile::IsLoadable(stored))
      Findings.push_back(std::string(TestFile::Settings) + "/" + std::string(TestFile::Desc) +
                         ": no description; this is no test the maker loads");
  }

  void CheckCiphers(const TStrings& names) {
    for (const std::string& name : names) {
      if (!IniSyntax::EqualNoCase(name, TestFile::Settings) && !QuestionNumberOf(name)) continue;
      TStrings lines;
      Store.ReadSectionValues(name, lines);
      for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || equals + 1 == line.size()) continue;
        if (Decrypt(std::string_view(line).substr(equals + 1)) == BadDecode) {
          Findings.push_back(TerminalText(name) + "/" + TerminalText(line.substr(0, equals)) +
                             ": the value does not decipher");
        }
      }
    }
  }

  void CheckNumber(std::string_view key, int maximum) {
    const std::optional<std::string> value = DecipheredSetting(Store, key);
    if (!value || value->empty()) return;
    const std::optional<std::int32_t> number = ReadSettingNumber(*value);
    if (!number) {
      Findings.push_back(SettingPlace(key) + Quoted(*value) + " is not a whole number");
    } else if (*number < 0 || *number > maximum) {
      Findings.push_back(SettingPlace(key) + std::to_string(*number) + " is outside 0 to " +
                         std::to_string(maximum));
    }
  }

  void CheckTime() {
    const std::optional<std::string> value = DecipheredSetting(Store, TestFile::Time);
    if (!value || value->empty() || *value == "0") return;
    // Blanks around the time are trimmed when the settings dialog shows it.
    const std::size_t first = value->find_first_not_of(' ');
    const std::size_t last = value->find_last_not_of(' ');
    const std::string_view time = first == std::string::npos
                                      ? std::string_view()
                                      : std::string_view(*value).substr(first, last - first + 1);
    const bool shaped =
        time.size() == 8 && time[2] == ':' && time[5] == ':' &&
        std::all_of(time.begin(), time.end(), [](char c) { return c == ':' || (c >= '0' && c <= '9'); });
    if (!shaped || !TimeField::SecondsOfDay(time)) {
      Findings.push_back(SettingPlace(TestFile::Time) + Quoted(*value) +
                         " is not a time HH:MM:SS within 23:59:59");
    }
  }

  // The maker's question count: QA1, QA2, ... up to the first without a stored question.
  int QuestionCount() {
    int count = 0;
    while (count < TestFile::MaxQuestionCount && TestFile::HasQuestion(Store, count + 1)) ++count;
    return count;
  }

  void CheckCorrectLetters(int n) {
    const QuestionRecord question = TestFile::ReadQuestion(Store, n);
    if (question.Correct == BadDecode) return;
    const std::string section = TestFile::QuestionSection(n);
    bool anyLetter = false;
    for (int i = 0; i < 6; ++i) {
      const char letter = static_cast<char>('A' + i);
      if (question.Correct.find(letter) == std::string::npos) continue;
      anyLetter = true;
      if (question.Answer(i).empty()) {
        Findings.push_back(section + "/" + std::string(TestFile::Correct) + ": answer " + letter +
                           " is marked correct but is empty");
      }
    }
    if (!anyLetter) Findings.push_back(section + ": no correct answer is marked");
  }

  std::vector<TQuestionSection> QuestionSections(const TStrings& names) {
    std::vector<TQuestionSection> sections;
    for (const std::string& name : names) {
      if (const auto number = QuestionNumberOf(name)) {
        sections.push_back({*number, name, !Store.ReadString(name, TestFile::Question, "").empty()});
      }
    }
    std::sort(sections.begin(), sections.end(),
              [](const TQuestionSection& a, const TQuestionSection& b) { return a.Number < b.Number; });
    return sections;
  }

  // Reports each run of missing numbers below the highest stored question, then
  // each run of sections past the last question the maker reads.
  void CheckNumbering(const std::vector<TQuestionSection>& sections, int count) {
    std::int64_t previous = 0;
    for (const TQuestionSection& section : sections) {
      if (!section.HoldsQuestion) continue;
      if (section.Number > previous + 1) {
        const std::int64_t from = previous + 1, to = section.Number - 1;
        Findings.push_back(from == to
                               ? "QA" + std::to_string(from) + ": question " + std::to_string(from) +
                                     " is missing, a gap in the question numbering"
                               : "QA" + std::to_string(from) + " to QA" + std::to_string(to) +
                                     ": questions " + std::to_string(from) + " to " + std::to_string(to) +
                                     " are missing, a gap in the question numbering");
      }
      previous = section.Number;
    }
    const std::string last = count == 0 ? "none" : TestFile::QuestionSection(count);
    for (std::size_t i = 0; i < sections.size(); ++i) {
      if (sections[i].Number <= count) continue;
      std::size_t end = i;
      while (end + 1 < sections.size() && sections[end + 1].Number == sections[end].Number + 1) ++end;
      Findings.push_back(end == i ? sections[i].Name + ": section past the last question (" + last +
                                        "), never read"
                                  : sections[i].Name + " to " + sections[end].Name +
                                        ": sections past the last question (" + last + "), never read");
      i = end;
    }
  }

  TCustomIniStore& Store;
  std::vector<std::string> Findings;
};

}  // namespace

std::vector<std::string> CheckTest(TCustomIniStore& store) {
  return TTestChecker(store).Run();
}
