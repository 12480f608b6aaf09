#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The words after the command name, split into options ("--json") and the
// remaining operands (file names). "--" ends the options: every word after it
// is an operand, so a file named "--force" can still be given.
struct TArguments {
  std::vector<std::string> Operands;
  std::vector<std::string> Options;

  bool Has(std::string_view option) const;
};

// Splits words into options and operands. A lone "-" is an operand. Returns
// the first word that looks like an option but is not in allowed, or nothing
// when every option is allowed. "--help" and "-h" are always allowed.
std::optional<std::string> SplitArguments(const std::vector<std::string>& words,
                                          const std::vector<std::string_view>& allowed,
                                          TArguments& arguments);
