#include <ostream>
#include <string>
#include <vector>

#include "core/model/Duplicates.h"
#include "core/model/TestCheck.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace {

// Questions of one test alike to an earlier one, as findings of that test:
// "QA4: same question as QA1", with ", other answers" when the answers differ.
std::vector<std::string> DuplicateFindings(TCustomIniStore& store) {
  std::vector<std::string> findings;
  for (const Duplicates::TGroup& group : Duplicates::Find({{"", ReadTestContents(store).Questions}})) {
    const std::string first = "QA" + std::to_string(group.Members.front().Number);
    for (std::size_t i = 1; i < group.Members.size(); ++i)
      findings.push_back("QA" + std::to_string(group.Members[i].Number) + ": same question as " + first +
                         (group.Members[i].Answers ? ", other answers" : ""));
  }
  return findings;
}

// Alike questions across the tests of folder, one block per group.
int CheckFolder(TToolContext& context, std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  int status = ExitOk;
  const std::vector<Duplicates::TTestQuestions> tests =
      Duplicates::ReadFolder(folder, [&](const std::string& error) {
        Report(context.Err, error);
        status = ExitTrouble;
      });
  for (const Duplicates::TGroup& group : Duplicates::Find(tests)) {
    context.Out << Duplicates::KindText(group.Kind) << ":\n";
    for (const Duplicates::TPlace& place : group.Members) {
      context.Out << "  " << TerminalText(tests[place.Test].Name) << " question " << place.Number;
      if (group.Kind == Duplicates::TGroup::OtherAnswers)
        context.Out << " (answers " << place.Answers + 1 << ')';
      context.Out << ": "
                  << TerminalText(Duplicates::OneLine(tests[place.Test].Questions[place.Number - 1].Question))
                  << '\n';
    }
    if (status == ExitOk) status = ExitFindings;
  }
  return status;
}

}  // namespace

int CheckCommand(TToolContext& context) {
  int status = ExitOk;
  for (const std::string& path : context.Arguments.Operands) {
    // A file that cannot be read is reported and the other files still checked.
    try {
      if (context.Arguments.Has("--folder")) {
        if (const int found = CheckFolder(context, path); found > status) status = found;
        continue;
      }
      RequireExistingFile(path);
      TIniStore store(path);
      std::vector<std::string> findings = CheckTest(store);
      for (std::string& finding : DuplicateFindings(store)) findings.push_back(std::move(finding));
      for (const std::string& finding : findings) {
        context.Out << TerminalText(path) << ": " << finding << '\n';
        if (status == ExitOk) status = ExitFindings;
      }
    } catch (const TIoError& error) {
      Report(context.Err, error.what());
      status = ExitTrouble;
    }
  }
  return status;
}
