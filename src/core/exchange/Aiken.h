#pragma once

#include <memory>

#include "core/exchange/QuestionFormat.h"

// One question per paragraph: the question, "A) " or "A. " options, and
// "ANSWER: X" naming the one correct letter.
std::unique_ptr<TQuestionFormat> MakeAikenFormat();
