#include "core/exchange/Gift.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/ExchangeText.h"
#include "core/exchange/FormatParts.h"

using FormatParts::Trim;

namespace {

constexpr std::string_view Special = "~=#{}:";

// One paragraph of the source: its lines joined by '\n' and the line it
// starts on.
struct TParagraph {
  std::string Text;
  int Line = 0;
};

std::string_view WithoutBom(std::string_view bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
}

bool IsCommentLine(std::string_view line) {
  return Trim(line).starts_with("//");
}

// Whether a backslash at i escapes the character after it. Only GIFT's own
// escapes do; any other backslash is text.
bool IsEscape(std::string_view text, size_t i) {
  return text[i] == '\\' && i + 1 < text.size() &&
         (Special.find(text[i + 1]) != std::string_view::npos || text[i + 1] == '\\' || text[i + 1] == 'n');
}

// Position of the first c in text at or after from that no backslash escapes,
// or npos.
size_t FindUnescaped(std::string_view text, char c, size_t from = 0) {
  for (size_t i = from; i < text.size(); ++i) {
    if (IsEscape(text, i)) {
      ++i;
    } else if (text[i] == c) {
      return i;
    }
  }
  return std::string_view::npos;
}

size_t FindUnescaped(std::string_view text, std::string_view what, size_t from = 0) {
  for (size_t i = from; i < text.size(); ++i) {
    if (IsEscape(text, i)) {
      ++i;
    } else if (text.substr(i).starts_with(what)) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Paragraphs separated by blank lines, comment lines left out. A blank line
// inside an open brace does not end the paragraph.
std::vector<TParagraph> SplitParagraphs(std::string_view bytes) {
  std::vector<TParagraph> paragraphs;
  TParagraph current;
  int depth = 0;
  int openLine = 0;
  int lineNumber = 0;
  size_t start = 0;
  while (start <= bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    const std::string_view line = bytes.substr(start, end - start);
    ++lineNumber;
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
    start = end + 1;

    if (Trim(line).empty() && depth == 0) {
      if (!current.Text.empty()) paragraphs.push_back(std::move(current));
      current = {};
      continue;
    }
    if (IsCommentLine(line) && depth == 0) continue;
    if (current.Text.empty()) {
      current.Line = lineNumber;
    } else {
      current.Text += '\n';
    }
    current.Text += line;
    for (size_t i = 0; i < line.size(); ++i) {
      if (IsEscape(line, i)) {
        ++i;
      } else if (line[i] == '{') {
        if (depth++ == 0) openLine = lineNumber;
      } else if (line[i] == '}') {
        if (depth == 0) throw TFormatError("line " + std::to_string(lineNumber) + ": '}' without '{'");
        --depth;
      }
    }
  }
  if (depth > 0) throw TFormatError("line " + std::to_string(openLine) + ": '{' is never closed");
  if (!current.Text.empty()) paragraphs.push_back(std::move(current));
  return paragraphs;
}

// GIFT's escapes undone: "\~" and its like give the character, "\n" a line
// break, "\\" a backslash; any other backslash stays.
std::string Unescape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (Special.find(next) != std::string_view::npos || next == '\\') {
        result += next;
        ++i;
        continue;
      }
      if (next == 'n') {
        result += "\r\n";
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

std::string Escape(std::string_view text) {
  std::string result;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\\n";
    } else if (c == '\\' || Special.find(c) != std::string_view::npos) {
      result += '\\';
      result += c;
    } else {
      result += c;
    }
  }
  return result;
}

enum class TMarkup { Auto, Html, Plain, Markdown };

// Text of the source, in its markup, as our plain text: escapes undone, HTML
// made plain, each line trimmed, line breaks as CR LF.
std::string PlainText(std::string_view text, TMarkup markup) {
  std::string unescaped = Unescape(text);
  if (markup == TMarkup::Html || (markup == TMarkup::Auto && ExchangeText::LooksLikeHtml(unescaped)))
    return ExchangeText::HtmlToText(unescaped);
  // A line break in the source is one in the text; blanks around it are layout.
  std::string result;
  size_t start = 0;
  const std::string lf = ExchangeText::WithCrLf(unescaped);
  while (start <= lf.size()) {
    size_t end = lf.find("\r\n", start);
    if (end == std::string::npos) end = lf.size();
    if (start > 0) result += "\r\n";
    result += Trim(std::string_view(lf).substr(start, end - start));
    start = end + 2;
  }
  return std::string(Trim(result));
}

// The category path's last part: "$course$/Top/Unit 1" gives "Unit 1"; a
// doubled slash is a slash of the name.
std::string CategoryName(std::string_view path) {
  std::string name;
  for (size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '/') {
      if (i + 1 < path.size() && path[i + 1] == '/') {
        name += '/';
        ++i;
      } else {
        name.clear();
      }
    } else {
      name += path[i];
    }
  }
  return std::string(Trim(name));
}

bool IsTrueFalse(std::string_view block) {
  std::string word(Trim(block.substr(0, FindUnescaped(block, '#'))));
  for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return word == "T" || word == "F" || word == "TRUE" || word == "FALSE";
}

struct TChoice {
  bool Marked = false;  // written with '='
  double Weight = 0;    // percent; '=' without a weight is 100
  bool Weighted = false;
  std::string Text;
  std::string Feedback;
};

// The choices of an answer block: each starts with an unescaped '=' or '~'.
std::vector<TChoice> ParseChoices(std::string_view block) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < block.size(); ++i) {
    if (IsEscape(block, i)) {
      ++i;
    } else if (block[i] == '=' || block[i] == '~') {
      starts.push_back(i);
    }
  }
  std::vector<TChoice> choices;
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t end = k + 1 < starts.size() ? starts[k + 1] : block.size();
    std::string_view body = block.substr(starts[k] + 1, end - starts[k] - 1);
    TChoice choice;
    choice.Marked = block[starts[k]] == '=';
    choice.Weight = choice.Marked ? 100 : 0;
    body = Trim(body);
    if (body.starts_with('%')) {
      const size_t close = body.find('%', 1);
      if (close != std::string_view::npos) {
        choice.Weight = std::strtod(std::string(body.substr(1, close - 1)).c_str(), nullptr);
        choice.Weighted = true;
        body = body.substr(close + 1);
      }
    }
    const size_t hash = FindUnescaped(body, '#');
    choice.Text = std::string(body.substr(0, hash));
    if (hash != std::string_view::npos) choice.Feedback = std::string(Trim(body.substr(hash + 1)));
    choices.push_back(std::move(choice));
  }
  return choices;
}

class TGiftFormat final : public TQuestionFormat {
public:
  std::string_view Name() const override { return "gift"; }
  std::string_view Filter() const override { return "GIFT Files (*.gift)|*.gift"; }
  std::string_view DefaultExtension() const override { return "gift"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    TImportedTest test;
    int sourceQuestion = 0;
    int categories = 0;
    for (const TParagraph& paragraph : SplitParagraphs(WithoutBom(bytes))) {
      std::string_view text = paragraph.Text;
      if (text.starts_with("$CATEGORY:")) {
        const size_t end = text.find('\n');
        const std::string name =
            CategoryName(Trim(text.substr(10, end == std::string_view::npos ? text.npos : end - 10)));
        if (++categories == 1) {
          test.Title = name;
        } else if (name != test.Title) {
          report.Add(0, "category \"" + name + "\" dropped: its questions join the one test");
        }
        if (end == std::string_view::npos) continue;
        text = text.substr(end + 1);
      }
      ++sourceQuestion;
      ReadQuestion(text, paragraph.Line, sourceQuestion, test, report);
    }
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
    std::string out;
    if (!test.Description.empty()) {
      std::string category;
      for (char c : FormatParts::ReplaceLineBreaks(test.Description, " "))
        category += c == '/' ? "//" : std::string(1, c);
      out += "$CATEGORY: " + category + "\r\n\r\n";
    }
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      FormatParts::ReportUncarried(number, record, {.Reference = true}, report);
      const std::string correct = FormatParts::CorrectLetters(record);
      if (correct.empty()) report.Add(number, "no correct answer: other systems may refuse it");
      bool anyWrong = false;
      bool anyAnswer = false;
      for (int i = 0; i < FormatParts::AnswerCount; ++i) {
        anyAnswer = anyAnswer || !record.Answer(i).empty();
        if (!record.Answer(i).empty() && correct.find(FormatParts::Letter(i)) == std::string::npos)
          anyWrong = true;
      }
      if (!anyAnswer) {
        report.Add(number, "no answers, GIFT cannot say so: not exported");
        continue;
      }
      bool arrow = record.Reference.find("->") != std::string::npos;
      for (int i = 0; i < FormatParts::AnswerCount; ++i)
        arrow = arrow || record.Answer(i).find("->") != std::string::npos;
      if (arrow) {
        report.Add(number, "\"->\" in an answer makes GIFT read a matching question: not exported");
        continue;
      }
      const bool several = correct.size() > 1;
      // Several answers each worth full marks, or shares of the marks that
      // need every correct answer; a block of '=' alone would be a short answer.
      std::string fullMark = anyWrong ? "=" : "~%100%";
      std::string share;
      if (several && !record.AnyCorrectPasses) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "~%%%.7g%%", 100.0 / static_cast<double>(correct.size()));
        share = buffer;
      }
      out += "// question " + std::to_string(number) + "\r\n";
      out += "[plain]" + Escape(record.Question) + " {\r\n";
      for (int i = 0; i < FormatParts::AnswerCount; ++i) {
        const std::string& answer = record.Answer(i);
        if (answer.empty()) continue;
        const bool right = correct.find(FormatParts::Letter(i)) != std::string::npos;
        std::string mark = right ? (share.empty() ? fullMark : share)
                                 : (several && !record.AnyCorrectPasses ? "~%-100%" : "~");
        out += "\t" + mark + Escape(answer) + "\r\n";
      }
      if (!record.Reference.empty()) out += "\t####" + Escape(record.Reference) + "\r\n";
      out += "}\r\n\r\n";
    }
    return out;
  }

private:
  static void ReadQuestion(std::string_view text, int line, int number, TImportedTest& test,
                           TLossReport& report) {
    const std::string at = " (line " + std::to_string(line) + ")";
    text = Trim(text);
    if (text.starts_with("::")) {
      const size_t close = FindUnescaped(text, "::", 2);
      if (close == std::string_view::npos)
        throw TFormatError("line " + std::to_string(line) + ": the title's closing \"::\" is missing");
      if (!Trim(text.substr(2, close - 2)).empty()) report.Add(number, "title dropped" + at);
      text = Trim(text.substr(close + 2));
    }
    TMarkup markup = TMarkup::Auto;
    if (text.starts_with('[')) {
      const size_t close = text.find(']');
      const std::string_view name =
          close == std::string_view::npos ? std::string_view() : text.substr(1, close - 1);
      if (name == "html") markup = TMarkup::Html;
      if (name == "plain" || name == "moodle") markup = TMarkup::Plain;
      if (name == "markdown") markup = TMarkup::Markdown;
      if (!name.empty()) text = text.substr(close + 1);
    }
    const size_t open = FindUnescaped(text, '{');
    if (open == std::string_view::npos) {
      report.Add(number, "text without answers is not a question: not imported" + at);
      return;
    }
    const size_t close = FindUnescaped(text, '}', open);
    std::string_view block = Trim(text.substr(open + 1, close - open - 1));
    const std::string_view before = text.substr(0, open);
    const std::string_view after = Trim(text.substr(close + 1));

    if (block.empty())
      return report.Add(number, "an essay question is not multiple choice: not imported" + at);
    if (block.starts_with('#'))
      return report.Add(number, "a numerical question is not multiple choice: not imported" + at);
    if (IsTrueFalse(block))
      return report.Add(number, "a true/false question is not multiple choice: not imported" + at);
    if (FindUnescaped(block, "->") != std::string_view::npos)
      return report.Add(number, "a matching question is not multiple choice: not imported" + at);

    // The general feedback, shown once a question is answered, is what our
    // reference is.
    std::string reference;
    const size_t general = FindUnescaped(block, "####");
    if (general != std::string_view::npos) {
      reference = PlainText(block.substr(general + 4), markup);
      block = block.substr(0, general);
    }
    std::vector<TChoice> choices = ParseChoices(block);
    bool anyTilde = false;
    for (const TChoice& choice : choices) anyTilde = anyTilde || !choice.Marked;
    if (choices.empty() || !anyTilde)
      return report.Add(number, "a short-answer question is not multiple choice: not imported" + at);
    if (choices.size() > FormatParts::AnswerCount)
      return report.Add(number, std::to_string(choices.size()) + " answers, only 6 fit: not imported" + at);

    QuestionRecord record;
    record.Question = PlainText(before, markup);
    record.Reference = std::move(reference);
    if (!after.empty()) record.Question += "_____" + PlainText(after, markup);
    int fullMarks = 0;
    bool feedback = false;
    bool partial = false;
    for (size_t i = 0; i < choices.size(); ++i) {
      record.Answer(static_cast<int>(i)) = PlainText(choices[i].Text, markup);
      feedback = feedback || !choices[i].Feedback.empty();
      if (choices[i].Weight > 0) {
        record.Correct += FormatParts::Letter(static_cast<int>(i));
        if (choices[i].Weight >= 100) ++fullMarks;
      }
      if (choices[i].Weighted && choices[i].Weight < 0 && choices[i].Weight != -100) partial = true;
    }
    bool anyAnswer = false;
    for (int i = 0; i < FormatParts::AnswerCount; ++i) anyAnswer = anyAnswer || !record.Answer(i).empty();
    if (!anyAnswer) return report.Add(number, "no answer has text: not imported" + at);
    // Several answers worth full marks each: any one of them passes.
    record.AnyCorrectPasses = fullMarks > 1;
    if (fullMarks == 1 && record.Correct.size() > 1) partial = true;
    if (feedback) report.Add(number, "feedback dropped");
    if (partial) report.Add(number, "partial credit taken as right or wrong");
    if (record.Correct.empty()) report.Add(number, "no correct answer");
    test.Questions.push_back(std::move(record));
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeGiftFormat() {
  return std::make_unique<TGiftFormat>();
}
