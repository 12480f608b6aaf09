#include "core/test/TestSettings.h"

#include <algorithm>

#include "core/storage/ZarnEncryption.h"
#include "core/test/TestFile.h"

namespace {

// The deciphered plain value of a SETTINGS key; a missing key reads as "".
std::string ReadPlain(TCustomIniStore& store, std::string_view key) {
  return Decrypt(store.ReadString(TestFile::Settings, key, ""));
}

void WritePlain(TIniStore& store, std::string_view key, std::string_view plain) {
  store.WriteString(TestFile::Settings, key, Encrypt(plain));
}

void WriteNumber(TIniStore& store, std::string_view key, int value) {
  WritePlain(store, key, std::to_string(value));
}

void WriteFlag(TIniStore& store, std::string_view key, bool on) {
  WritePlain(store, key, on ? "1" : "0");
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

bool Flag(const std::optional<int32_t>& number, bool def) {
  return number ? *number == 1 : def;
}

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

TestSettings ReadTestSettings(TCustomIniStore& store) {
  namespace F = TestFile;
  auto number = [&store](std::string_view key) { return ReadSettingNumber(ReadPlain(store, key)); };

  TestSettings s;
  s.Description = ReadPlain(store, F::Desc);
  s.Time = TimeField::Shown(ReadPlain(store, F::Time));
  s.RandomQuestions = ListEntry(number(F::RandomQuestions), TestSettings::OrderEntries);
  s.PassPoint = Clamped(number(F::PassPoint), TestSettings::MaxPassPoint);
  s.CheckAnswers = ListEntry(number(F::CheckAnswers), TestSettings::CheckingEntries);
  s.MustAnswer = ListEntry(number(F::MustAnswer), TestSettings::RequirementEntries);
  s.MaxQuestions = Clamped(number(F::MaxQuestions), TestSettings::MaxQuestionLimit);
  s.TestHot = Flag(number(F::TestHot), true);
  s.TestRef = Flag(number(F::TestRef), true);
  s.ReviewHot = Flag(number(F::ReviewHot), true);
  s.ReviewRef = Flag(number(F::ReviewRef), true);
  s.StudentMax = Flag(number(F::StudentMax), false);
  s.TimerType = ListEntry(number(F::TimerType), TestSettings::TimerEntries);
  s.ReviewAllow = Flag(number(F::ReviewAllow), true);
  s.ReviewBlank = Flag(number(F::ReviewBlank), true);
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
  WriteNumber(store, F::RandomQuestions, s.RandomQuestions);
  WriteNumber(store, F::PassPoint, s.PassPoint);
  WriteNumber(store, F::CheckAnswers, s.CheckAnswers);
  WriteNumber(store, F::MustAnswer, s.MustAnswer);
  WriteNumber(store, F::MaxQuestions, s.MaxQuestions);
  WriteNumber(store, F::TimerType, s.TimerType);
  store.WriteSectionValues(F::BeginMessage, StorableMessageLines(s.BeginMessage));
  store.WriteSectionValues(F::EndMessage, StorableMessageLines(s.EndMessage));
  WriteFlag(store, F::ReviewAllow, s.ReviewAllow);
  WriteFlag(store, F::ReviewBlank, s.ReviewBlank);
  WriteFlag(store, F::TestHot, s.TestHot);
  WriteFlag(store, F::TestRef, s.TestRef);
  WriteFlag(store, F::ReviewHot, s.ReviewHot);
  WriteFlag(store, F::ReviewRef, s.ReviewRef);
  WriteFlag(store, F::StudentMax, s.StudentMax);
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
