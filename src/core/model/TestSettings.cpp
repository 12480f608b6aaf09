#include "core/model/TestSettings.h"

#include <algorithm>
#include <utility>

#include "core/model/TestFile.h"
#include "core/storage/ZarnEncryption.h"

namespace {

// A pick list's entry: the stored number when it names one, NoEntry when it
// names none, entry 0 when the value is not a number.
int ListEntry(const std::optional<int32_t>& number, int entries) {
  if (!number) return 0;
  return *number >= 0 && *number < entries ? *number : TestSettings::NoEntry;
}

int Clamped(const std::optional<int32_t>& number, int highest) {
  return number ? std::clamp<int32_t>(*number, 0, highest) : 0;
}

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// The numeric keys, in the order they are written: a pick list's entry
// (Limit entries) or a number clamped to 0..Limit.
struct TNumberKey {
  std::string_view Key;
  int TestSettings::*Member;
  int Limit;
  bool Clamps = false;
};

constexpr TNumberKey NumberKeys[] = {
    {TestFile::RandomQuestions, &TestSettings::RandomQuestions, TestSettings::OrderEntries},
    {TestFile::PassPoint, &TestSettings::PassPoint, TestSettings::MaxPassPoint, true},
    {TestFile::CheckAnswers, &TestSettings::CheckAnswers, TestSettings::CheckingEntries},
    {TestFile::MustAnswer, &TestSettings::MustAnswer, TestSettings::RequirementEntries},
    {TestFile::MaxQuestions, &TestSettings::MaxQuestions, TestSettings::MaxQuestionLimit, true},
    {TestFile::TimerType, &TestSettings::TimerType, TestSettings::TimerEntries},
};

// The on/off keys, in the order they are written (after the messages). One
// that is missing or not a number reads as a new TestSettings holds it.
constexpr std::pair<std::string_view, bool TestSettings::*> FlagKeys[] = {
    {TestFile::ReviewAllow, &TestSettings::ReviewAllow}, {TestFile::ReviewBlank, &TestSettings::ReviewBlank},
    {TestFile::TestHot, &TestSettings::TestHot},         {TestFile::TestRef, &TestSettings::TestRef},
    {TestFile::ReviewHot, &TestSettings::ReviewHot},     {TestFile::ReviewRef, &TestSettings::ReviewRef},
    {TestFile::StudentMax, &TestSettings::StudentMax},
};

}  // namespace

TestSettings ReadTestSettings(TCustomIniStore& store) {
  namespace F = TestFile;
  const F::TTextForm form = F::StoredForm(store);
  const auto plain = [&](std::string_view key) { return F::ReadSetting(store, key, form); };
  const auto number = [&](std::string_view key) { return ReadSettingNumber(plain(key)); };

  TestSettings s;
  s.Description = plain(F::Desc);
  s.Time = TimeField::Shown(plain(F::Time));
  for (const TNumberKey& key : NumberKeys)
    s.*key.Member = key.Clamps ? Clamped(number(key.Key), key.Limit) : ListEntry(number(key.Key), key.Limit);
  for (const auto& [key, member] : FlagKeys)
    if (const std::optional<int32_t> value = number(key)) s.*member = *value == 1;
  s.Blueprint = plain(F::Blueprint);
  if (s.Blueprint == BadDecode) s.Blueprint.clear();
  store.ReadSectionValues(F::BeginMessage, s.BeginMessage);
  store.ReadSectionValues(F::EndMessage, s.EndMessage);
  for (TStrings* lines : {&s.BeginMessage, &s.EndMessage})
    for (std::string& line : *lines) F::ToCoreText(line, form);
  s.Language = plain(F::Language);
  return s;
}

TestSettings LoadTestSettings(const std::string& path) {
  TIniStore store(path);
  return ReadTestSettings(store);
}

bool WriteTestSettings(TIniStore& store, const TestSettings& s) {
  namespace F = TestFile;
  F::TTestSave save(store);
  const auto write = [&](std::string_view key, std::string_view plain) {
    save.Write(F::Settings, key, plain);
  };
  write(F::Desc, s.Description);
  write(F::Time, TimeField::Normalize(s.Time));
  for (const TNumberKey& key : NumberKeys) write(key.Key, std::to_string(s.*key.Member));
  save.WriteLines(F::BeginMessage, s.BeginMessage);
  save.WriteLines(F::EndMessage, s.EndMessage);
  for (const auto& [key, member] : FlagKeys) write(key, s.*member ? "1" : "0");
  save.WriteWhenSet(F::Settings, F::Blueprint, s.Blueprint);
  save.WriteWhenSet(F::Settings, F::Language, s.Language);
  return save.Finish();
}

bool SaveTestSettings(const std::string& path, const TestSettings& settings) {
  TIniStore store(path);
  const bool becameUtf8 = WriteTestSettings(store, settings);
  store.UpdateFile();
  return becameUtf8;
}

namespace TimeField {

std::string Shown(std::string_view stored) {
  const auto first = std::find_if_not(stored.begin(), stored.end(), IsBlankOrControl);
  const auto last = std::find_if_not(stored.rbegin(), stored.rend(), IsBlankOrControl).base();
  const std::string trimmed = first < last ? std::string(first, last) : std::string();
  if (trimmed.size() < 6 || trimmed[2] != ':' || trimmed[5] != ':') return std::string(Zero);
  return trimmed;
}

std::string Normalize(std::string_view text) {
  std::string normalized(text);
  std::replace(normalized.begin(), normalized.end(), ' ', '0');
  if (!normalized.empty() && normalized.front() == ':') normalized.insert(0, "00");
  return normalized;
}

std::optional<int> SecondsOfDay(std::string_view text) {
  size_t i = 0;
  // One part of one or two digits, at most highest; -1 when there is none.
  auto part = [&](int highest) {
    int value = 0;
    size_t digits = 0;
    while (i < text.size() && digits < 2 && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i] - '0');
      ++i;
      ++digits;
    }
    return digits > 0 && value <= highest ? value : -1;
  };

  const int hours = part(23);
  if (hours < 0) return std::nullopt;
  int minutes = 0;
  int seconds = 0;
  if (i < text.size() && text[i] == ':') {
    ++i;
    minutes = part(59);
    if (minutes < 0) return std::nullopt;
    if (i < text.size() && text[i] == ':') {
      ++i;
      seconds = part(59);
      if (seconds < 0) return std::nullopt;
    }
  }
  if (i != text.size()) return std::nullopt;
  return (hours * 60 + minutes) * 60 + seconds;
}

bool IsValid(std::string_view fieldText) {
  return SecondsOfDay(Normalize(fieldText)).has_value();
}

std::string Format(int seconds) {
  const int parts[] = {seconds / 3600, seconds / 60 % 60, seconds % 60};
  std::string text;
  for (const int part : parts) {
    if (!text.empty()) text += ':';
    text += static_cast<char>('0' + part / 10);
    text += static_cast<char>('0' + part % 10);
  }
  return text;
}

std::string Step(std::string_view fieldText, int delta) {
  const std::optional<int> now = SecondsOfDay(Normalize(fieldText));
  if (!now) return std::string(Zero);
  const int moved = (*now + delta % SecondsPerDay + SecondsPerDay) % SecondsPerDay;
  return Format(moved);
}

}  // namespace TimeField
