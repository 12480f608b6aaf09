#include "core/exchange/Aiken.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/ExchangeText.h"
#include "core/exchange/FormatParts.h"

using FormatParts::Trim;

namespace {

std::string AtLine(int line) {
  return "line " + std::to_string(line) + ": ";
}

// The option letter of a line such as "B) text" or "B. text", or 0.
char OptionLetter(std::string_view line) {
  if (line.size() >= 2 && line[0] >= 'A' && line[0] <= 'Z' && (line[1] == ')' || line[1] == '.') &&
      (line.size() == 2 || line[2] == ' ' || line[2] == '\t'))
    return line[0];
  return 0;
}

bool IsAnswerLine(std::string_view line) {
  return line.starts_with("ANSWER:");
}

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
    std::vector<std::string_view> question;  // lines before the options
    std::vector<std::string> options;
    int questionLine = 0;
    int number = 0;
    int lineNumber = 0;
    size_t start = 0;
    while (start < bytes.size()) {
      size_t end = bytes.find_first_of("\r\n", start);
      if (end == std::string_view::npos) end = bytes.size();
      const std::string_view line = Trim(bytes.substr(start, end - start));
      ++lineNumber;
      if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
      start = end + 1;
      if (line.empty()) continue;

      if (IsAnswerLine(line)) {
        if (options.empty()) throw TFormatError(AtLine(lineNumber) + "\"ANSWER:\" comes before any option");
        ++number;
        const std::string_view letter = Trim(line.substr(7));
        const int index = letter.size() == 1 ? letter[0] - 'A' : -1;
        if (index < 0 || index >= static_cast<int>(options.size()))
          throw TFormatError(AtLine(lineNumber) + "\"" + std::string(line) +
                             "\" names no option of the question");
        if (options.size() > FormatParts::AnswerCount) {
          report.Add(number, std::to_string(options.size()) + " answers, only 6 fit: not imported (line " +
                                 std::to_string(questionLine) + ")");
        } else {
          QuestionRecord record;
          std::string text;
          for (std::string_view part : question) text += (text.empty() ? "" : "\r\n") + std::string(part);
          record.Question = ExchangeText::LooksLikeHtml(text) ? ExchangeText::HtmlToText(text) : text;
          for (size_t i = 0; i < options.size(); ++i) record.Answer(static_cast<int>(i)) = options[i];
          record.Correct = std::string(1, FormatParts::Letter(index));
          test.Questions.push_back(std::move(record));
        }
        question.clear();
        options.clear();
        continue;
      }
      if (const char letter = OptionLetter(line); letter && !question.empty()) {
        if (letter - 'A' != static_cast<int>(options.size()))
          throw TFormatError(AtLine(lineNumber) + "option " + std::string(1, letter) + " is out of order");
        options.emplace_back(Trim(line.substr(2)));
        continue;
      }
      if (!options.empty()) throw TFormatError(AtLine(lineNumber) + "an option or \"ANSWER:\" was expected");
      if (question.empty()) questionLine = lineNumber;
      question.push_back(line);
    }
    if (!question.empty()) throw TFormatError(AtLine(questionLine) + "the question has no \"ANSWER:\" line");
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
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
      if (text.empty() || OptionLetter(text) || IsAnswerLine(text)) {
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
