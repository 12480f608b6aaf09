#include "tool/Arguments.h"

#include <algorithm>

bool TArguments::Has(std::string_view option) const {
  return std::find(Options.begin(), Options.end(), option) != Options.end();
}

std::optional<std::string> TArguments::Value(std::string_view option) const {
  for (auto it = Values.rbegin(); it != Values.rend(); ++it) {
    if (it->first == option) return it->second;
  }
  return std::nullopt;
}

std::optional<std::string> SplitArguments(const std::vector<std::string>& words,
                                          const std::vector<std::string_view>& allowed,
                                          TArguments& arguments) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (optionsEnded || word.size() < 2 || word[0] != '-') {
      arguments.Operands.push_back(word);
      continue;
    }
    if (word == "--") {
      optionsEnded = true;
      continue;
    }
    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    if (std::find(allowed.begin(), allowed.end(), name + "=") != allowed.end()) {
      if (equals != std::string::npos) {
        arguments.Values.emplace_back(name, word.substr(equals + 1));
      } else if (i + 1 < words.size()) {
        arguments.Values.emplace_back(name, words[++i]);
      } else {
        return word;
      }
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
