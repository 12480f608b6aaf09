#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
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

void WriteJsonLines(std::ostream& out, const TStrings& lines) {
  out << '[';
  for (std::size_t i = 0; i < lines.size(); ++i) {
    out << (i ? ",\n    " : "\n    ") << JsonString(lines[i]);
  }
  out << (lines.empty() ? "]" : "\n  ]");
}

void WriteJsonQuestion(std::ostream& out, int number, const QuestionRecord& question) {
  out << "    {\n"
      << "      \"number\": " << number << ",\n"
      << "      \"question\": " << JsonString(question.Question) << ",\n"
      << "      \"answers\": {";
  for (int i = 0; i < 6; ++i) {
    out << (i ? ", " : "") << '"' << static_cast<char>('A' + i) << "\": " << JsonString(question.Answer(i));
  }
  out << "},\n"
      << "      \"correct\": " << JsonString(question.Correct) << ",\n"
      << "      \"anyCorrectPasses\": " << (question.AnyCorrectPasses ? "true" : "false") << ",\n"
      << "      \"hotLink\": " << JsonString(question.HotLink) << ",\n"
      << "      \"hotLinkParameters\": " << JsonString(question.HotLinkParameters) << ",\n"
      << "      \"reference\": " << JsonString(question.Reference) << ",\n"
      << "      \"mediaFile\": " << JsonString(question.MediaFile) << ",\n"
      << "      \"mediaInternal\": " << (question.MMediaInternal ? "true" : "false") << ",\n"
      << "      \"category\": " << JsonString(question.Category) << ",\n"
      << "      \"tags\": [";
  const std::vector<std::string> tags = TestFile::TagList(question.Tags);
  for (std::size_t i = 0; i < tags.size(); ++i) out << (i ? ", " : "") << JsonString(tags[i]);
  out << "]\n"
      << "    }";
}

void WriteJson(std::ostream& out, const TTestContents& contents) {
  out << "{\n  \"settings\": {";
  bool first = true;
  for (const auto& setting : contents.Settings) {
    if (!setting.Value && WrittenWhenSet(setting.Key)) continue;
    out << (first ? "\n    " : ",\n    ") << '"' << setting.Key
        << "\": " << (setting.Value ? JsonString(*setting.Value) : "null");
    first = false;
  }
  out << "\n  },\n  \"beginMessage\": ";
  WriteJsonLines(out, contents.BeginMessage);
  out << ",\n  \"endMessage\": ";
  WriteJsonLines(out, contents.EndMessage);
  out << ",\n  \"questions\": [";
  for (std::size_t n = 1; n <= contents.Questions.size(); ++n) {
    out << (n > 1 ? ",\n" : "\n");
    WriteJsonQuestion(out, static_cast<int>(n), contents.Questions[n - 1]);
  }
  out << (contents.Questions.empty() ? "]\n}\n" : "\n  ]\n}\n");
}

}  // namespace

int ShowCommand(TToolContext& context) {
  const std::string& path = context.Arguments.Operands[0];
  RequireExistingFile(path);
  TIniStore store(path);
  const TTestContents contents = ReadTestContents(store);
  ReportNumbering(context, path, contents.Numbering);
  if (context.Arguments.Has("--json")) {
    WriteJson(context.Out, contents);
  } else {
    WriteText(context.Out, contents);
  }
  return ExitOk;
}
