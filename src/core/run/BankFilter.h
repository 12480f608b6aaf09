#pragma once

#include <string_view>

#include "core/model/TestFile.h"

// Whether question belongs to what a teacher typed to narrow a bank's list:
// a category (the question's category is it or lies under it, as a blueprint
// line takes it) or one of its tags, without regard to ASCII case. An empty
// filter takes every question.
bool InBankFilter(const QuestionRecord& question, std::string_view filter);
