#pragma once

#include <memory>

#include "core/exchange/QuestionFormat.h"

// A spreadsheet's view: one question per row under a header row naming the
// columns question, A..F, correct, rule, reference, hotlink and media.
std::unique_ptr<TQuestionFormat> MakeCsvFormat();
