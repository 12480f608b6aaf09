#pragma once

#include <memory>

#include "core/exchange/QuestionFormat.h"

// A content package (zip with imsmanifest.xml) of assessment items, one per
// question, an assessment test carrying the test's settings, and the media.
std::unique_ptr<TQuestionFormat> MakeQtiFormat();
