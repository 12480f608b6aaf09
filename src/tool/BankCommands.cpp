#include <ostream>
#include <string>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/run/PaperVersions.h"
#include "core/run/QuestionDraw.h"
#include "core/storage/IniStore.h"
#include "core/storage/TerminalText.h"
#include "core/storage/ZarnEncryption.h"
#include "tool/Commands.h"
#include "tool/Files.h"
#include "tool/PaperOptions.h"

namespace {

std::vector<QuestionRecord> ReadBank(TToolContext& context, const std::string& path, TIniStore& store) {
  TQuestionNumbering numbering;
  std::vector<QuestionRecord> questions = ReadQuestions(store, numbering);
  ReportNumbering(context, path, numbering);
  return questions;
}

void WriteBlueprint(std::ostream& out, const QuestionDraw::TBank& bank) {
  const QuestionDraw::TBlueprint& blueprint = bank.Blueprint();
  for (int r = 0; r < bank.Rows(); ++r) {
    const QuestionDraw::TRow& row = blueprint.Rows[static_cast<std::size_t>(r)];
    out << TerminalText(QuestionDraw::Text(QuestionDraw::TBlueprint{{row}})) << "  (" << bank.Pool(r).size()
        << " in the test)\n";
  }
  out << blueprint.Total() << " questions asked\n";
}

}  // namespace

int BlueprintCommand(TToolContext& context) {
  const std::vector<std::string>& operands = context.Arguments.Operands;
  const std::string& path = operands[0];
  RequireExistingFile(path);
  RequireTest(path);
  const bool clear = context.Arguments.Has("--clear");
  if (clear && operands.size() > 1) {
    Report(context.Err, "--clear takes no CATEGORY=N");
    return ExitTrouble;
  }
  TIniStore store(path);
  const std::vector<QuestionRecord> questions = ReadBank(context, path, store);
  if (clear) {
    TestFile::WriteWhenSet(store, TestFile::Settings, TestFile::Blueprint, {});
    store.UpdateFile();
    return ExitOk;
  }
  std::string text;
  if (operands.size() == 1) {
    text = Decrypt(store.ReadString(TestFile::Settings, TestFile::Blueprint, ""));
  } else {
    for (std::size_t i = 1; i < operands.size(); ++i) text += (i > 1 ? ";" : "") + operands[i];
  }
  const QuestionDraw::TParsed parsed = QuestionDraw::Parse(text);
  if (!parsed.Error.empty()) {
    Report(context.Err, TerminalText(parsed.Error));
    return ExitTrouble;
  }
  if (parsed.Blueprint.Empty()) {
    context.Out << "no blueprint: each run asks as MAXQUESTIONS says\n";
    return ExitOk;
  }
  const QuestionDraw::TBank bank(parsed.Blueprint, questions);
  if (operands.size() > 1) {
    const QuestionDraw::TChecked checked = QuestionDraw::CheckForTest(text, path);
    for (const QuestionDraw::TProblem& refusal : checked.Refusals)
      Report(context.Err, TerminalText(QuestionDraw::Sentence(refusal)));
    if (!checked.Refusals.empty()) return ExitTrouble;
    TestFile::WriteWhenSet(store, TestFile::Settings, TestFile::Blueprint, checked.Text);
    store.UpdateFile();
  }
  WriteBlueprint(context.Out, bank);
  return ExitOk;
}

int DrawCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  if (!context.Arguments.Value("--seed")) {
    Report(context.Err, "draw needs --seed S");
    return ExitTrouble;
  }
  const auto options = PaperOptions(context, false);
  if (!options) return ExitTrouble;
  RequireExistingFile(path);
  RequireTest(path);
  TIniStore store(path);
  const std::vector<QuestionRecord> questions = ReadBank(context, path, store);
  const TestSettings settings = ReadTestSettings(store);
  const QuestionDraw::TParsed parsed = QuestionDraw::Parse(settings.Blueprint);
  if (!parsed.Error.empty()) {
    Report(context.Err, TerminalText("the blueprint does not read: " + parsed.Error));
    return ExitTrouble;
  }
  std::vector<std::vector<int>> versions;
  if (parsed.Blueprint.Empty()) {
    // Without a blueprint every version asks every question, as on paper.
    std::vector<int> all(questions.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    versions.assign(static_cast<std::size_t>(options->Versions), all);
  } else {
    const QuestionDraw::TBank bank(parsed.Blueprint, questions);
    for (const QuestionDraw::TProblem& shortfall : bank.Shortfalls())
      Report(context.Err, TerminalText(QuestionDraw::Sentence(shortfall)));
    versions = bank.Draw(options->Seed, options->Versions);
  }
  const bool json = context.Arguments.Has("--json");
  context.Out << (json ? "{\"versions\": [" : "");
  for (std::size_t v = 0; v < versions.size(); ++v) {
    if (json) {
      context.Out << (v ? ", [" : "[");
    } else {
      context.Out << PaperVersions::VersionLetter(static_cast<int>(v)) << ':';
    }
    for (std::size_t i = 0; i < versions[v].size(); ++i)
      context.Out << (json ? (i ? ", " : "") : " ") << versions[v][i] + 1;
    context.Out << (json ? "]" : "\n");
  }
  context.Out << (json ? "]}\n" : "");
  return ExitOk;
}
