#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "tool/Arguments.h"

// Exit status: all well, something found by a check, or a usage or I/O error.
enum TExitStatus : int { ExitOk = 0, ExitFindings = 1, ExitTrouble = 2 };

inline constexpr std::string_view ProgramName = "qwtool";

// What one command works with. Out carries the command's result, Err every
// message about files and problems, each line starting with the program name.
struct TToolContext {
  TArguments Arguments;
  std::ostream& Out;
  std::ostream& Err;
  // The folder qwtool lies in: the maker's folder when both are installed.
  std::filesystem::path ProgramFolder;
  // Why ProgramFolder is the program's own folder rather than the one in the
  // home; empty when nothing fell back.
  std::string FolderFallback;
};

// Writes "qwtool: " + message as one line of err.
void Report(std::ostream& err, std::string_view message);
