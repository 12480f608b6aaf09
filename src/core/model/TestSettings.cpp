#include "core/model/TestSettings.h"

#include <algorithm>
#include <utility>

#include "core/model/TestFile.h"
#include "core/storage/ZarnEncryption.h"

namespace {

// The deciphered plain value of a SETTINGS key; a missing key reads as "".
std::string ReadPlain(TCustomIniStore& store, std::string_view key) {
  return Decrypt(store.ReadString(TestFile::Settings, key, ""));
}

void WritePlain(TIniStore& store, std::string_view key, std::string_view plain) {
  store.WriteString(TestFile::Settings, key, Encrypt(plain));
}

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
  auto number = [&store](std::string_view key) { return ReadSettingNumber(ReadPlain(store, key)); };

  TestSettings s;
  s.Description = ReadPlain(store, F::Desc);
  s.Time = TimeField::Shown(ReadPlain(store, F::Time));
  for (const TNumberKey& key : NumberKeys)
    s.*key.Member = key.Clamps ? Clamped(number(key.Key), key.Limit) : ListEntry(number(key.Key), key.Limit);
  for (const auto& [key, member] : FlagKeys)
    if (const std::optional<int32_t> value = number(key)) s.*member = *value == 1;
  s.Blueprint = ReadPlain(store, F::Blueprint);
  if (s.Blueprint == BadDecode) s.Blueprint.clear();
  store.ReadSectionValues(F::BeginMessage, s.BeginMessage);
  store.ReadSectionValues(F::EndMessage, s.EndMessage);
  return s;
}

TestSettings LoadTestSettings(const std::string& path) {
  TIniStore store(path);
  return ReadTestSettings(store);
}

void WriteTestSettings(TIniStore& store, const TestSettings& s) {
  namespace F = TestFile;
  WritePlain(store, F::Desc, s.Description);
  WritePlain(store, F::Time, TimeField::Normalize(s.Time));
  for (const TNumberKey& key : NumberKeys) WritePlain(store, key.Key, std::to_string(s.*key.Member));
  store.WriteSectionValues(F::BeginMessage, StorableMessageLines(s.BeginMessage));
  store.WriteSectionValues(F::EndMessage, StorableMessageLines(s.EndMessage));
  for (const auto& [key, member] : FlagKeys) WritePlain(store, key, s.*member ? "1" : "0");
  F::WriteWhenSet(store, F::Settings, F::Blueprint, s.Blueprint);
}

void SaveTestSettings(const std::string& path, const TestSettings& settings) {
  TIniStore store(path);
  WriteTestSettings(store, settings);
  store.UpdateFile();
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
