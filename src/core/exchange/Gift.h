#pragma once

#include <memory>

#include "core/exchange/QuestionFormat.h"

// Moodle's plain-text question format: "::title:: text { =right ~wrong #feedback }",
// one question per paragraph.
std::unique_ptr<TQuestionFormat> MakeGiftFormat();
