#include "tool/ToolContext.h"

#include <ostream>

#include "core/storage/TerminalText.h"

void Report(std::ostream& err, std::string_view message) {
  // Messages name files and quote values, which may hold any byte.
  err << ProgramName << ": " << TerminalText(message) << '\n';
}
