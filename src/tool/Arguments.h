#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words after the command name, split into options ("--json") and the
// remaining operands (file names). "--" ends the options: every word after it
// is an operand, so a file named "--force" can still be given.
struct TArguments {
  std::vector<std::string> Operands;
  std::vector<std::string> Options;

  std::vector<std::pair<std::string, std::string>> Values;  // options given a value

  bool Has(std::string_view option) const;
  // The value of an option that takes one; the last one given wins.
  std::optional<std::string> Value(std::string_view option) const;
};

// Splits words into options and operands. A lone "-" is an operand. Returns
// the first word that looks like an option but is not in allowed, or nothing
// when every option is allowed. An allowed option written with a trailing
// '=' ("--seed=") takes a value, as "--seed 5" or "--seed=5"; one without a
// value is returned as the offending word. "--help" and "-h" are always allowed.
std::optional<std::string> SplitArguments(const std::vector<std::string>& words,
                                          const std::vector<std::string_view>& allowed,
                                          TArguments& arguments);
