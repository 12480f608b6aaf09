#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/TestContents.h"
#include "core/results/QuestionHistory.h"
#include "core/storage/IniStore.h"
#include "core/storage/Json.h"
#include "core/storage/TerminalText.h"
#include "tool/Commands.h"
#include "tool/Files.h"

namespace {

// "  KEY                value", continuation lines of a multi-line value
// lined up under its first line.
void WriteTextField(std::ostream& out, std::string_view key, std::string_view value) {
  constexpr std::size_t ValueColumn = 21;
  std::string head = "  " + std::string(key);
  head.resize(std::max(ValueColumn, head.size() + 1), ' ');
  bool first = true;
  ForEachLine(value, [&](std::string_view line) {
    std::string text = (first ? head : std::string(head.size(), ' ')) + TerminalText(line);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    out << text << '\n';
    first = false;
  });
}

// Keys written only when set are shown only when the file holds them, so a
// test without them shows as it always did.
bool WrittenWhenSet(std::string_view key) {
  for (const TestFile::TSettingKey& setting : TestFile::SettingKeys)
    if (setting.Name == key) return setting.WhenSet;
  return false;
}

void WriteText(std::ostream& out, const TTestContents& contents) {
  out << TestFile::Settings << '\n';
  for (const auto& setting : contents.Settings) {
    if (!setting.Value && WrittenWhenSet(setting.Key)) continue;
    WriteTextField(out, setting.Key, setting.Value ? *setting.Value : "(not set)");
  }
  for (const auto& [section, lines] : {std::pair{TestFile::BeginMessage, &contents.BeginMessage},
                                       std::pair{TestFile::EndMessage, &contents.EndMessage}}) {
    out << section << '\n';
    for (const std::string& line : *lines) out << "  " << TerminalText(line) << '\n';
  }
  for (std::size_t n = 1; n <= contents.Questions.size(); ++n) {
    out << TestFile::QuestionSection(static_cast<int>(n)) << '\n';
    for (const TestFile::TQuestionKey& key : TestFile::QuestionKeys) {
      const std::string_view value = TestFile::PlainValue(contents.Questions[n - 1], key);
      if (!key.WhenSet || !value.empty()) WriteTextField(out, key.Name, value);
    }
  }
}

Json::TValue Lines(const TStrings& lines) {
  Json::TValue array = Json::TValue::array();
  for (const std::string& line : lines) array.push_back(line);
  return array;
}

Json::TValue HistoryJson(const TQuestionHistory& h) {
  const auto figure = [](const std::optional<double>& value) {
    return value ? Json::TValue(*value) : nullptr;
  };
  return {{"asked", h.Asked},
          {"tests", h.Tests},
          {"facility", figure(h.Facility)},
          {"discrimination", figure(h.Discrimination)},
          {"lastAsked", h.LastAsked},
          {"keyChanged", h.KeyChanged}};
}

Json::TValue QuestionJson(int number, const QuestionRecord& question, const TQuestionHistory& history) {
  Json::TValue answers = Json::TValue::object();
  for (int i = 0; i < 6; ++i) answers[std::string(1, static_cast<char>('A' + i))] = question.Answer(i);
  return {{"number", number},
          {"question", question.Question},
          {"answers", answers},
          {"correct", question.Correct},
          {"anyCorrectPasses", question.AnyCorrectPasses},
          {"hotLink", question.HotLink},
          {"hotLinkParameters", question.HotLinkParameters},
          {"reference", question.Reference},
          {"mediaFile", question.MediaFile},
          {"mediaInternal", question.MMediaInternal},
          {"category", question.Category},
          {"tags", TestFile::TagList(question.Tags)},
          {"history", HistoryJson(history)}};
}

void WriteJson(std::ostream& out, const TTestContents& contents,
               const std::vector<TQuestionHistory>& histories) {
  Json::TValue settings = Json::TValue::object();
  for (const auto& setting : contents.Settings) {
    if (!setting.Value && WrittenWhenSet(setting.Key)) continue;
    settings[std::string(setting.Key)] = setting.Value ? Json::TValue(*setting.Value) : nullptr;
  }
  Json::TValue questions = Json::TValue::array();
  for (std::size_t n = 1; n <= contents.Questions.size(); ++n)
    questions.push_back(QuestionJson(static_cast<int>(n), contents.Questions[n - 1],
                                     n <= histories.size() ? histories[n - 1] : TQuestionHistory{}));
  const Json::TValue json = {{"settings", settings},
                             {"beginMessage", Lines(contents.BeginMessage)},
                             {"endMessage", Lines(contents.EndMessage)},
                             {"questions", questions}};
  out << Json::Write(json, {.Layout = Json::TLayout::Indented}) << '\n';
}

}  // namespace

int ShowCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  RequireExistingFile(path);
  TIniStore store(path);
  const TTestContents contents = ReadTestContents(store);
  ReportNumbering(context, path, contents.Numbering);
  if (context.Arguments.Has("--json")) {
    // How each question did wherever it was asked, from the store of the
    // test's folder; a store that cannot be read leaves the histories empty.
    std::vector<TQuestionHistory> histories;
    try {
      histories = TestQuestionHistories(path, contents.Questions);
    } catch (const std::exception& error) {
      Report(context.Err, TerminalText(std::string("warning: no question histories: ") + error.what()));
    }
    WriteJson(context.Out, contents, histories);
  } else {
    WriteText(context.Out, contents);
  }
  return ExitOk;
}
