#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "tool/ToolContext.h"

// qwtool: the maker's file work from the command line, on the same core as the
// maker, so that every file it writes is byte for byte what the maker writes.

struct TCommand {
  std::string_view Name;
  std::string_view Synopsis;     // what follows the name on the usage line
  std::string_view Summary;      // one line in the program's help
  std::string_view Description;  // the command's own help, after its usage line
  std::vector<std::string_view> Options;
  std::size_t MinOperands = 0;
  std::size_t MaxOperands = 0;  // AnyNumber: no upper bound
  int (*Run)(TToolContext& context) = nullptr;
};

inline constexpr std::size_t AnyNumber = static_cast<std::size_t>(-1);

// Every command, in the order the program's help lists them.
const std::vector<TCommand>& Commands();

// Runs qwtool on the words that follow the program name and returns the exit
// status. Never throws: file errors are reported on err with the file's name
// and the reason, and give ExitTrouble.
// folderFallback says why programFolder is not the folder in the home, when
// it fell back from there.
int RunTool(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
            const std::filesystem::path& programFolder, const std::string& folderFallback = {});
