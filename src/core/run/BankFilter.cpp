#include "core/run/BankFilter.h"

#include <algorithm>
#include <string>

#include "core/run/QuestionDraw.h"
#include "core/storage/IniSyntax.h"

bool InBankFilter(const QuestionRecord& question, std::string_view filter) {
  const std::size_t first = filter.find_first_not_of(' ');
  if (first == filter.npos) return true;
  filter = filter.substr(first, filter.find_last_not_of(' ') - first + 1);
  if (!question.Category.empty() && QuestionDraw::InCategory(question.Category, filter)) return true;
  const std::vector<std::string> tags = TestFile::TagList(question.Tags);
  return std::any_of(tags.begin(), tags.end(),
                     [filter](const std::string& tag) { return IniSyntax::EqualNoCase(tag, filter); });
}
