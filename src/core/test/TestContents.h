#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/IniStore.h"
#include "core/test/TestFile.h"

// Every SETTINGS key of a test, in the order of the file format's table.
inline constexpr std::array<std::string_view, 15> SettingKeys = {
    TestFile::Desc,        TestFile::Time,        TestFile::CheckAnswers, TestFile::RandomQuestions,
    TestFile::MustAnswer,  TestFile::PassPoint,   TestFile::MaxQuestions, TestFile::TimerType,
    TestFile::ReviewAllow, TestFile::ReviewBlank, TestFile::TestHot,      TestFile::TestRef,
    TestFile::ReviewHot,   TestFile::ReviewRef,   TestFile::StudentMax};

// A test as the maker reads it, deciphered; text is code-page text.
struct TTestContents {
  struct TSetting {
    std::string_view Key;
    std::optional<std::string> Value;  // nothing when the file does not hold the key
  };
  std::vector<TSetting> Settings;  // all of SettingKeys, in that order
  TStrings BeginMessage;
  TStrings EndMessage;
  std::vector<QuestionRecord> Questions;  // QA1.. up to the first without a stored QUESTION
};

// Whether section holds a line with key (a key with an empty value counts).
bool HoldsKey(TCustomIniStore& store, std::string_view section, std::string_view key);

// Reads settings, messages and questions from the open store. Reads only.
TTestContents ReadTestContents(TCustomIniStore& store);
