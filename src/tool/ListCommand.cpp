#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

#include "core/model/TestCatalogue.h"
#include "core/model/WorkingFolder.h"
#include "core/storage/IoError.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"

namespace fs = std::filesystem;

namespace {

// The folder as the catalogue wants it: no trailing separator (the root stays "/").
std::string CatalogueFolder(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

int ListCommand(TToolContext& context) {
  const auto& operands = context.Arguments.Operands;
  const std::string folder = CatalogueFolder(operands.empty() ? context.ProgramFolder.string() : operands[0]);
  if (operands.empty() && !context.FolderFallback.empty()) {
    Report(context.Err, "note: listing the program folder \"" + TerminalText(folder) + "\", not ~/" +
                            WorkingFolder::HomeFolderName + ": " + context.FolderFallback);
  }
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw TIoError(folder, "Cannot list",
                   fs::exists(folder, error) ? "it is not a folder" : "no such folder");
  }

  bool faults = false;
  TCatalogueEvents events;
  events.OnUndecodable = [&](const std::string& path) {
    Report(context.Err, "the test file \"" + TerminalText(path) +
                            "\" is corrupt and can not be decoded; it is not listed");
    faults = true;
  };
  events.OnUnreadable = [&](const std::string& path, const std::string& reason) {
    Report(context.Err, "Cannot read \"" + TerminalText(path) + "\": " + reason + "; it is not listed");
    faults = true;
  };
  events.OnTooMany = [&](int notListed) {
    Report(context.Err, std::to_string(notListed) + " more test file" + (notListed == 1 ? "" : "s") +
                            " found and not listed: the catalogue holds " + std::to_string(MaxTests) +
                            " tests");
    faults = true;
  };

  TestCatalogue catalogue(folder);
  if (catalogue.Scan(events) == 0) Report(context.Err, "did not find any tests in \"" + folder + "\"");
  for (int n = 1; n <= MaxTests; ++n) {
    const TestEntry& entry = catalogue.Entry(n);
    if (entry.Description.empty()) continue;
    context.Out << n << ": " << TerminalText(entry.Description) << " (" << TerminalText(entry.FileName)
                << ")\n";
  }
  return faults ? ExitFindings : ExitOk;
}
