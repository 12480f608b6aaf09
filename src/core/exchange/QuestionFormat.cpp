#include "core/exchange/QuestionFormat.h"

void TLossReport::Add(int question, std::string_view what) {
  std::string line = question > 0 ? "question " + std::to_string(question) + ": " : std::string();
  line += what;
  Entries.push_back(std::move(line));
}
