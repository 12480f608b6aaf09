#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "core/exchange/QuestionFormat.h"

// The formats this build reads and writes, and how a name or a file picks one.
// Every format, in the order menus list them.
const std::vector<std::unique_ptr<TQuestionFormat>>& QuestionFormats();
// The format of a command-line name, or nullptr.
const TQuestionFormat* FindQuestionFormat(std::string_view name);
// The format whose default extension fileName has (any letter case), or
// nullptr. A ".txt" source (bytes given) is Aiken when a line starts with
// "ANSWER:", otherwise GIFT, which is often saved as text too; an ".xml" one
// is a QTI item when it names an assessmentItem before any <quiz>.
const TQuestionFormat* QuestionFormatOfFile(std::string_view fileName, std::string_view bytes = {});
