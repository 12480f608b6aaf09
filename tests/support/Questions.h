#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniStore.h"

// A question asking text, with answers in stored order (the first is A; ""
// leaves an answer empty) and the correct letters; every other field empty.
inline QuestionRecord MakeQuestion(std::string text, const std::vector<std::string>& answers = {},
                                   std::string correct = {}, bool anyCorrectPasses = false) {
  QuestionRecord question;
  question.Question = std::move(text);
  for (size_t i = 0; i < answers.size(); ++i) question.Answer(static_cast<int>(i)) = answers[i];
  question.Correct = std::move(correct);
  question.AnyCorrectPasses = anyCorrectPasses;
  return question;
}

// Writes a test file at path: settings, then questions numbered from 1.
inline void WriteTest(const std::string& path, const TestSettings& settings,
                      const std::vector<QuestionRecord>& questions) {
  TIniStore store(path);
  WriteTestSettings(store, settings);
  for (size_t i = 0; i < questions.size(); ++i)
    TestFile::WriteQuestion(store, static_cast<int>(i) + 1, questions[i]);
  store.UpdateFile();
}
