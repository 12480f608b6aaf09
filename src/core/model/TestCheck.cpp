#include "core/model/TestCheck.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/model/QuestionReading.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniSyntax.h"
#include "core/storage/TerminalText.h"
#include "core/storage/ZarnEncryption.h"

namespace {

// Whether name is "QA" (any case) and digits: a section whose values are
// enciphered like a question's.
bool IsQuestionSectionName(std::string_view name) {
  return name.size() >= 3 && IniSyntax::EqualNoCase(name.substr(0, 2), "QA") &&
         std::all_of(name.begin() + 2, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value as the maker reads it; nothing when the key is missing, and nothing
// for a value that does not decipher, which CheckCiphers reports.
std::optional<std::string> DecipheredSetting(TCustomIniStore& store, std::string_view key) {
  if (!HoldsKey(store, TestFile::Settings, key)) return std::nullopt;
  std::string value = TestFile::ReadSetting(store, key, TestFile::StoredForm(store));
  if (value == BadDecode) return std::nullopt;
  return value;
}

std::string Quoted(std::string_view text) {
  return "\"" + TerminalText(text) + "\"";
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
    TQuestionNumbering numbering;
    const std::vector<QuestionRecord> questions = ReadQuestions(Store, numbering);
    for (size_t i = 0; i < questions.size(); ++i)
      CheckQuestion(TestFile::QuestionSection(numbering.Sections[i]), questions[i]);
    CheckNumbering(numbering);
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
      if (!IniSyntax::EqualNoCase(name, TestFile::Settings) && !IsQuestionSectionName(name)) continue;
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

  void CheckQuestion(const std::string& section, const QuestionRecord& question) {
    if (question.Question.empty())
      Findings.push_back(section +
                         ": holds answers but no question text; the editor asks before saving it "
                         "and leaves it out");
    if (question.Correct == BadDecode) return;
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

  // Each gap in the numbering, with what the editor (and every other reader)
  // makes of it, then the sections no reader takes.
  void CheckNumbering(const TQuestionNumbering& numbering) {
    for (const TRenumberedRun& run : RenumberedRuns(numbering)) {
      const int before = run.Question == 1 ? 0 : numbering.Sections[static_cast<size_t>(run.Question - 2)];
      const int from = before + 1, to = run.First - 1;
      const std::string missing =
          from == to ? "QA" + std::to_string(from) + ": question " + std::to_string(from) + " is missing"
                     : "QA" + std::to_string(from) + " to QA" + std::to_string(to) + ": questions " +
                           std::to_string(from) + " to " + std::to_string(to) + " are missing";
      const int lastSection = run.First + run.Count - 1;
      const int lastQuestion = run.Question + run.Count - 1;
      Findings.push_back(
          missing + "; the editor closes up the gap: " +
          (lastSection == run.First
               ? "QA" + std::to_string(run.First) + " is read as question " + std::to_string(run.Question)
               : "QA" + std::to_string(run.First) + " to QA" + std::to_string(lastSection) +
                     " are read as questions " + std::to_string(run.Question) + " to " +
                     std::to_string(lastQuestion)));
    }
    const TQuestionNumbering unreadOnly{{}, numbering.Unread};
    for (const std::string& line : NumberingReport(unreadOnly)) Findings.push_back(line);
  }

  TCustomIniStore& Store;
  std::vector<std::string> Findings;
};

}  // namespace

std::vector<std::string> CheckTest(TCustomIniStore& store) {
  return TTestChecker(store).Run();
}
