#include "core/exchange/Aiken.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/FormatParts.h"

using FormatParts::Trim;

namespace {

// Marks that set the direction of right-to-left text; at either end of a line
// they are layout, not text.
constexpr std::array<std::string_view, 11> DirectionMarks = {
    "\xE2\x80\x8E", "\xE2\x80\x8F", "\xE2\x80\xAA", "\xE2\x80\xAB", "\xE2\x80\xAC", "\xE2\x80\xAD",
    "\xE2\x80\xAE", "\xE2\x81\xA6", "\xE2\x81\xA7", "\xE2\x81\xA8", "\xD8\x9C"};

// The line without blanks and direction marks at either end.
std::string_view Bare(std::string_view line) {
  for (bool cut = true; cut;) {
    cut = false;
    line = Trim(line);
    for (std::string_view mark : DirectionMarks) {
      if (line.starts_with(mark)) line.remove_prefix(mark.size()), cut = true;
      if (line.ends_with(mark)) line.remove_suffix(mark.size()), cut = true;
    }
  }
  return line;
}

// How an option is labelled: "B)" or "B." with a letter, "2)" or "2." with a
// number, as extended Aiken numbers them.
enum class TLabel { None, Letter, Number };

struct TOption {
  TLabel Label = TLabel::None;
  int Index = -1;  // 0 for A or 1
  std::string_view Text;
};

TOption OptionOf(std::string_view line) {
  TOption option;
  size_t end = 0;
  if (!line.empty() && line[0] >= 'A' && line[0] <= 'Z') {
    option = {TLabel::Letter, line[0] - 'A', {}};
    end = 1;
  } else {
    int number = 0;
    while (end < line.size() && end < 2 && line[end] >= '0' && line[end] <= '9')
      number = number * 10 + (line[end++] - '0');
    if (end == 0 || number == 0) return {};
    option = {TLabel::Number, number - 1, {}};
  }
  if (end >= line.size() || (line[end] != ')' && line[end] != '.')) return {};
  // "A)Paris" is an option too; "A.M. is morning" is text.
  if (line[end] == '.' && end + 1 < line.size() && line[end + 1] != ' ' && line[end + 1] != '\t') return {};
  option.Text = Bare(line.substr(end + 1));
  return option;
}

// The value after "WORD:" (the word in any case, blanks before the colon
// allowed), or nothing when the line is not such a line.
std::optional<std::string_view> Field(std::string_view line, std::string_view word) {
  if (line.size() < word.size()) return std::nullopt;
  for (size_t i = 0; i < word.size(); ++i)
    if (std::toupper(static_cast<unsigned char>(line[i])) != word[i]) return std::nullopt;
  line.remove_prefix(word.size());
  line = Trim(line);
  if (!line.starts_with(':')) return std::nullopt;
  return Bare(line.substr(1));
}

bool IsAnswerLine(std::string_view line) {
  return Field(line, "ANSWER").has_value();
}

// The option an ANSWER: value names, a letter or a number, or -1.
int AnswerIndex(std::string_view value) {
  if (value.size() == 1 && value[0] >= 'A' && value[0] <= 'Z') return value[0] - 'A';
  if (value.empty() || value.size() > 2 || value.find_first_not_of("0123456789") != std::string_view::npos)
    return -1;
  return std::stoi(std::string(value)) - 1;
}

// The question being read.
struct TPending {
  int Line = 0;  // where it starts
  std::vector<std::string_view> Text;
  std::vector<std::string_view> OptionLines;  // as written, in case they are text after all
  std::vector<std::string> Options;
  TLabel Label = TLabel::None;
  std::string Broken;  // why it cannot be imported
  bool BlankAfterOptions = false;

  bool Empty() const { return Text.empty() && Options.empty() && Broken.empty(); }
  void Break(int line, const std::string& why) {
    if (Broken.empty()) Broken = why + " (line " + std::to_string(line) + ")";
  }
};

// Text on one line: Aiken has no way to break a line.
std::string OneLine(std::string_view text) {
  return std::string(Trim(FormatParts::ReplaceLineBreaks(text, " ")));
}

class TAikenFormat final : public TQuestionFormat {
public:
  std::string_view Name() const override { return "aiken"; }
  std::string_view Filter() const override { return "Aiken Files (*.txt)|*.txt"; }
  std::string_view DefaultExtension() const override { return "txt"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    TImportedTest test;
    TPending pending;
    int number = 0;
    std::vector<std::string> numberings;  // other than letters, each reported once
    // Ends the question being read: imported, or reported with why not.
    const auto finish = [&](std::optional<int> answer) {
      ++number;
      if (!answer && pending.Broken.empty()) pending.Break(pending.Line, "no \"ANSWER:\" line");
      if (!pending.Broken.empty()) {
        report.Add(number, pending.Broken + ": not imported");
      } else if (pending.Options.size() > FormatParts::AnswerCount) {
        report.Add(number, std::to_string(pending.Options.size()) +
                               " answers, only 6 fit: not imported (line " + std::to_string(pending.Line) +
                               ")");
      } else {
        QuestionRecord record;
        for (std::string_view part : pending.Text)
          record.Question += (record.Question.empty() ? "" : "\r\n") + std::string(part);
        for (size_t i = 0; i < pending.Options.size(); ++i)
          record.Answer(static_cast<int>(i)) = pending.Options[i];
        record.Correct = std::string(1, FormatParts::Letter(*answer));
        if (pending.Options.size() == 1)
          report.Add(number, "one answer only, so every student is right (line " +
                                 std::to_string(pending.Line) + ")");
        test.Questions.push_back(std::move(record));
      }
      pending = {};
    };
    int lineNumber = 0;
    size_t start = 0;
    while (start < bytes.size()) {
      size_t end = bytes.find_first_of("\r\n", start);
      if (end == std::string_view::npos) end = bytes.size();
      const std::string_view line = Bare(bytes.substr(start, end - start));
      ++lineNumber;
      if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
      start = end + 1;
      if (line.empty()) {
        pending.BlankAfterOptions = !pending.Options.empty();
        continue;
      }

      if (const std::optional<std::string_view> value = Field(line, "ANSWER");
          value && !pending.Text.empty()) {
        const int index = AnswerIndex(*value);
        if (pending.Options.empty()) {
          pending.Break(lineNumber, "\"ANSWER:\" comes before any option");
        } else if (index < 0 || index >= static_cast<int>(pending.Options.size())) {
          pending.Break(lineNumber, "\"" + std::string(line) + "\" names no option of the question");
        }
        finish(index);
        continue;
      }
      if (const std::optional<std::string_view> value = Field(line, "NUMBERING");
          value && !pending.Options.empty()) {
        const std::string style(*value);
        if (style != "abc" && style != "ABCD" && style != "ABC" &&
            std::find(numberings.begin(), numberings.end(), style) == numberings.end()) {
          numberings.push_back(style);
          report.Add(0, "answer numbering \"" + style + "\" not kept: answers are lettered A to F (line " +
                            std::to_string(lineNumber) + ")");
        }
        continue;
      }
      const TOption option = OptionOf(line);
      const bool next =
          option.Label == pending.Label && option.Index == static_cast<int>(pending.Options.size());
      // Options start at A or 1: "I. First statement" in the text is no option.
      const bool starts = option.Index == 0 || !pending.Options.empty();
      if (option.Label != TLabel::None && starts && !pending.Text.empty() &&
          (!pending.BlankAfterOptions || next)) {
        if (!pending.Options.empty() && option.Label != pending.Label && option.Index == 0) {
          // Numbered statements in the text, then the lettered options (or the
          // other way round): what looked like options is text.
          for (std::string_view written : pending.OptionLines) pending.Text.push_back(written);
          pending.Options.clear();
          pending.OptionLines.clear();
        }
        if (pending.Options.empty()) pending.Label = option.Label;
        if (option.Label != pending.Label || option.Index != static_cast<int>(pending.Options.size()))
          pending.Break(lineNumber, "option " + std::string(line.substr(0, line.find_first_of(").") + 1)) +
                                        " is out of order");
        pending.Options.emplace_back(option.Text);
        pending.OptionLines.push_back(line);
        pending.BlankAfterOptions = false;
        continue;
      }
      if (IsAnswerLine(line)) {  // with no question before it
        report.Add(0, "line " + std::to_string(lineNumber) + ": \"ANSWER:\" without a question");
        continue;
      }
      if (!pending.Options.empty()) {
        if (!pending.BlankAfterOptions) {
          pending.Break(lineNumber, "a line that is neither an option nor \"ANSWER:\"");
          continue;
        }
        // A new question: the one before never named its answer.
        finish(std::nullopt);
      }
      if (pending.Text.empty()) pending.Line = lineNumber;
      pending.Text.push_back(line);
    }
    if (!pending.Empty()) finish(std::nullopt);
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
    FormatParts::ReportUncarriedTest(test, "Aiken", false, report);
    std::string out;
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      const std::string correct = FormatParts::CorrectLetters(record);
      if (correct.size() > 1) {
        report.Add(number, "several correct letters, Aiken cannot say so: not exported");
        continue;
      }
      if (correct.empty()) {
        report.Add(number, "no correct answer, Aiken cannot say so: not exported");
        continue;
      }
      FormatParts::ReportUncarried(number, record, {}, report);
      const std::string text = OneLine(record.Question);
      if (text.empty() || OptionOf(Bare(text)).Label == TLabel::Letter || IsAnswerLine(Bare(text))) {
        report.Add(number, "the question text would read as an option: not exported");
        continue;
      }
      bool joined = text != record.Question;
      std::string block = text + "\r\n";
      int written = 0;
      char answer = 0;
      for (int i = 0; i < FormatParts::AnswerCount; ++i) {
        if (record.Answer(i).empty()) continue;
        const char letter = FormatParts::Letter(written++);
        if (FormatParts::Letter(i) == correct[0]) answer = letter;
        const std::string option = OneLine(record.Answer(i));
        joined = joined || option != record.Answer(i);
        block += std::string(1, letter) + ") " + option + "\r\n";
      }
      if (joined) report.Add(number, "line breaks or outer blanks made one line");
      out += block + "ANSWER: " + std::string(1, answer) + "\r\n\r\n";
    }
    return out;
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeAikenFormat() {
  return std::make_unique<TAikenFormat>();
}
