#pragma once

#include <memory>

#include "core/exchange/QuestionFormat.h"

// The question bank's XML: a <quiz> of <question> elements, multiple-choice
// ones carried, media embedded in base64 and referenced by @@PLUGINFILE@@.
std::unique_ptr<TQuestionFormat> MakeMoodleXmlFormat();
