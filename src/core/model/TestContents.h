#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"

// A test as the maker reads it, deciphered; text is the core's UTF-8.
struct TTestContents {
  struct TSetting {
    std::string_view Key;
    std::optional<std::string> Value;  // nothing when the file does not hold the key
  };
  std::vector<TSetting> Settings;  // all of TestFile::SettingKeys, in that order
  TStrings BeginMessage;
  TStrings EndMessage;
  std::vector<QuestionRecord> Questions;  // as ReadQuestions reads them, gaps closed up
  TQuestionNumbering Numbering;           // what that reading renumbered or left out
};

// Whether section holds a line with key (a key with an empty value counts).
bool HoldsKey(TCustomIniStore& store, std::string_view section, std::string_view key);

// Reads settings, messages and questions from the open store. Reads only.
TTestContents ReadTestContents(TCustomIniStore& store);
