#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/TestFile.h"

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
