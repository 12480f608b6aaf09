#include "tool/Arguments.h"

#include <algorithm>

bool TArguments::Has(std::string_view option) const {
  return std::find(Options.begin(), Options.end(), option) != Options.end();
}

std::optional<std::string> SplitArguments(const std::vector<std::string>& words,
                                          const std::vector<std::string_view>& allowed,
                                          TArguments& arguments) {
  bool optionsEnded = false;
  for (const std::string& word : words) {
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      arguments.Operands.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::string option = word == "-h" ? std::string("--help") : word;
    if (option != "--help" && std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
      return word;
    }
    arguments.Options.push_back(option);
  }
  return std::nullopt;
}
