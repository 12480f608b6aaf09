#include "core/exchange/Gift.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
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

// GIFT's format markers, which may open a question's text, an answer or a
// feedback; the text without them is what the student sees.
constexpr std::array<std::pair<std::string_view, TMarkup>, 4> Markers = {{{"[html]", TMarkup::Html},
                                                                          {"[plain]", TMarkup::Plain},
                                                                          {"[moodle]", TMarkup::Auto},
                                                                          {"[markdown]", TMarkup::Markdown}}};

// The markup that a marker at the start of text names, the marker then taken
// off text; otherwise fallback, text as it was.
TMarkup TakeMarker(std::string_view& text, TMarkup fallback) {
  const std::string_view trimmed = Trim(text);
  for (const auto& [marker, markup] : Markers) {
    if (trimmed.starts_with(marker)) {
      text = trimmed.substr(marker.size());
      return markup;
    }
  }
  return fallback;
}

bool StartsWithMarker(std::string_view text) {
  for (const auto& [marker, markup] : Markers)
    if (Trim(text).starts_with(marker)) return true;
  return false;
}

// What text lost on its way to plain text, for the report.
struct TTextLosses {
  std::vector<std::string> Dropped;
  bool Unparsed = false;
  bool Table = false;
  bool Scripts = false;
};

// Text of the source, in its markup, as our plain text: escapes undone, HTML
// made plain, each line trimmed, line breaks as CR LF.
std::string PlainText(std::string_view text, TMarkup markup, TTextLosses& losses) {
  std::string unescaped = Unescape(text);
  if (markup == TMarkup::Html || (markup == TMarkup::Auto && ExchangeText::LooksLikeHtml(unescaped))) {
    ExchangeText::THtmlText html = ExchangeText::ReadHtml(unescaped);
    for (std::string& dropped : html.Dropped) losses.Dropped.push_back(std::move(dropped));
    losses.Unparsed = losses.Unparsed || html.Unparsed;
    losses.Table = losses.Table || html.Table;
    losses.Scripts = losses.Scripts || html.Scripts;
    return std::move(html.Text);
  }
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
  const std::vector<std::string> parts = FormatParts::CategoryParts(path);
  return parts.empty() ? std::string() : parts.back();
}

bool IsCategoryLine(std::string_view paragraph) {
  return paragraph.starts_with("$CATEGORY:");
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
  std::string Text;  // as in the source, its marker taken off
  TMarkup Markup = TMarkup::Auto;
  bool Marker = false;  // the answer named its own markup
  std::string Feedback;
};

// The choices of an answer block: each starts with an unescaped '=' or '~'.
// "~=" starts one right answer, as many banks write it, not an empty wrong
// one followed by a right one.
std::vector<TChoice> ParseChoices(std::string_view block) {
  struct TStart {
    size_t At = 0;      // the choice's first mark
    size_t Length = 1;  // of its marks
    bool Marked = false;
  };
  std::vector<TStart> starts;
  for (size_t i = 0; i < block.size(); ++i) {
    if (IsEscape(block, i)) {
      ++i;
    } else if (block[i] == '~' && i + 1 < block.size() && block[i + 1] == '=') {
      starts.push_back({i, 2, true});
      ++i;
    } else if (block[i] == '=' || block[i] == '~') {
      starts.push_back({i, 1, block[i] == '='});
    }
  }
  std::vector<TChoice> choices;
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t begin = starts[k].At + starts[k].Length;
    const size_t end = k + 1 < starts.size() ? starts[k + 1].At : block.size();
    std::string_view body = block.substr(begin, end - begin);
    TChoice choice;
    choice.Marked = starts[k].Marked;
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
    if (hash != std::string_view::npos) choice.Feedback = std::string(Trim(body.substr(hash + 1)));
    std::string_view text = body.substr(0, hash);
    choice.Marker = StartsWithMarker(text);
    choice.Markup = TakeMarker(text, TMarkup::Auto);
    choice.Text = std::string(text);
    choices.push_back(std::move(choice));
  }
  return choices;
}

std::string Percent(double weight) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g%%", weight);
  return buffer;
}

// Letters of choices, "B", "B and C", "B, C and D".
std::string LetterList(const std::vector<size_t>& indexes) {
  std::string list;
  for (size_t k = 0; k < indexes.size(); ++k) {
    if (k > 0) list += k + 1 == indexes.size() ? " and " : ", ";
    list += FormatParts::Letter(static_cast<int>(indexes[k]));
  }
  return list;
}

// Our key for the weights of a multiple-choice block, and what of GIFT's
// scoring it cannot hold. The key gives what GIFT gives to a student who picks
// a single right answer and to one who picks every right answer and nothing
// else. With an '=' answer the student picks one answer: the full-mark answers
// are the key, any of them passes. Without one, the student ticks several:
// answers worth full marks alone pass alone; otherwise the answers that earn
// a share are all needed.
struct TKey {
  std::string Correct;
  bool Any = false;
  std::vector<std::string> Shades;
};

TKey KeyOf(const std::vector<TChoice>& choices) {
  // Weights are percent, written with up to seven digits ("33.33333").
  constexpr double Full = 100 - 1e-4;
  bool single = false;
  std::vector<size_t> full, partial, penalised;
  double shares = 0;
  for (size_t i = 0; i < choices.size(); ++i) {
    single = single || choices[i].Marked;
    if (choices[i].Weight >= Full) {
      full.push_back(i);
    } else if (choices[i].Weight > 0) {
      partial.push_back(i);
      shares += choices[i].Weight;
    } else if (choices[i].Weight < 0 && choices[i].Weight > -Full) {
      penalised.push_back(i);
    }
  }
  TKey key;
  const auto weights = [&](const std::vector<size_t>& indexes) {
    std::string list;
    for (size_t i : indexes)
      list += std::string(list.empty() ? "" : ", ") + FormatParts::Letter(static_cast<int>(i)) + " (" +
              Percent(choices[i].Weight) + ")";
    return list;
  };
  const std::vector<size_t>& correct = single || !full.empty() ? full : partial;
  for (size_t i : correct) key.Correct += FormatParts::Letter(static_cast<int>(i));
  key.Any = &correct == &full && full.size() > 1;
  if (&correct == &full && !partial.empty())
    key.Shades.push_back(weights(partial) + (partial.size() > 1 ? " now count" : " now counts") +
                         " as wrong");
  if (&correct == &partial && partial.size() > 1) {
    std::string shade = weights(partial) + " each give part marks in GIFT; here all of them are needed";
    if (shares < Full || shares > 100 + 1e-4) shade += ", although together they give " + Percent(shares);
    key.Shades.push_back(shade);
  } else if (&correct == &partial && partial.size() == 1) {
    key.Shades.push_back(weights(partial) + " now gives full marks");
  }
  if (!single && !penalised.empty())
    key.Shades.push_back("the penalty of " + weights(penalised) + " is now the loss of the whole question");
  return key;
}

// What kind of question an answer block is, told by its answer lines as the
// GIFT grammar tells it; "" for multiple choice.
std::string_view KindOf(std::string_view block, const std::vector<TChoice>& choices) {
  if (block.empty()) return "an essay question";
  if (block.starts_with('#')) return "a numerical question";
  if (IsTrueFalse(block)) return "a true/false question";
  // Any '~' makes a choice question, "~=" ones included.
  const bool tilde = FindUnescaped(block, '~') != std::string_view::npos;
  bool arrow = false;
  for (const TChoice& choice : choices) {
    arrow = arrow || FindUnescaped(choice.Text, "->") != std::string_view::npos;
  }
  if (tilde) return "";
  return arrow ? "a matching question" : "a short-answer question";
}

// An answer or feedback escaped; one that would read as a weight or a format
// marker gets the plain marker first, which is all a reader takes off.
std::string Marked(std::string_view text) {
  const std::string escaped = Escape(text);
  return Trim(escaped).starts_with('%') || StartsWithMarker(escaped) ? "[plain]" + escaped : escaped;
}

std::vector<size_t> Indexes(std::string_view letters) {
  std::vector<size_t> indexes;
  for (char letter : letters) indexes.push_back(static_cast<size_t>(FormatParts::LetterIndex(letter)));
  return indexes;
}

class TGiftFormat final : public TQuestionFormat {
public:
  std::string_view Name() const override { return "gift"; }
  std::string_view Filter() const override { return "GIFT Files (*.gift)|*.gift"; }
  std::string_view DefaultExtension() const override { return "gift"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    TImportedTest test;
    const std::vector<TParagraph> paragraphs = SplitParagraphs(WithoutBom(bytes));
    const int lines = static_cast<int>(std::count_if(
        paragraphs.begin(), paragraphs.end(), [](const TParagraph& p) { return IsCategoryLine(p.Text); }));
    // The first category names the test; each one files the questions after
    // it, unless it is the only one and stands before them all.
    const bool filing =
        FormatParts::FilesByCategory(lines, !paragraphs.empty() && IsCategoryLine(paragraphs.front().Text));
    std::string category;
    int named = 0;
    int sourceQuestion = 0;
    for (const TParagraph& paragraph : paragraphs) {
      std::string_view text = paragraph.Text;
      if (IsCategoryLine(text)) {
        const size_t end = text.find('\n');
        const std::string_view path =
            Trim(text.substr(10, end == std::string_view::npos ? text.npos : end - 10));
        if (named++ == 0) test.Title = CategoryName(path);
        if (filing) category = FormatParts::CategoryOfPath(path);
        if (end == std::string_view::npos) continue;
        text = text.substr(end + 1);
      }
      ++sourceQuestion;
      const size_t before = test.Questions.size();
      ReadQuestion(text, paragraph.Line, sourceQuestion, test, report);
      if (test.Questions.size() > before) test.Questions.back().Category = category;
    }
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
    FormatParts::ReportUncarriedTest(test, "GIFT", true, report);
    std::string out;
    if (!test.Description.empty()) {
      std::string category;
      for (char c : FormatParts::ReplaceLineBreaks(test.Description, " "))
        category += c == '/' ? "//" : std::string(1, c);
      out += "$CATEGORY: " + category + "\r\n\r\n";
    }
    FormatParts::TCategoryLines categories(test.Contents.Questions, !test.Description.empty());
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      FormatParts::ReportUncarried(number, record, {.Reference = true, .Category = true}, report);
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
      const bool several = correct.size() > 1;
      const bool shares = several && !record.AnyCorrectPasses;
      // One '=' answer or more: the student picks one, each '=' gives full
      // marks. Without a wrong answer that block would be a short answer, so
      // each right answer is a '~' worth full marks. "All" is shares of the
      // marks, and a wrong pick takes them all away.
      const std::string fullMark = anyWrong ? "=" : "~%100%";
      const std::string part = Percent(100.0 / static_cast<double>(correct.size()));
      const std::string share = shares ? "~%" + part : "";
      if (shares)
        report.Add(number, "GIFT gives part marks for some of the right answers (" + part +
                               " each); here all of " + LetterList(Indexes(correct)) + " are needed");
      else if (several && anyWrong)
        report.Add(number, "GIFT lets the student pick one answer only; any right one gets full marks");
      for (const std::string& path : categories.Before(record.Category))
        out += "$CATEGORY: " + FormatParts::ReplaceLineBreaks(path, " ") + "\r\n\r\n";
      out += "// question " + std::to_string(number) + "\r\n";
      out += "[plain]" + Escape(record.Question) + " {\r\n";
      for (int i = 0; i < FormatParts::AnswerCount; ++i) {
        const std::string& answer = record.Answer(i);
        if (answer.empty()) continue;
        const bool right = correct.find(FormatParts::Letter(i)) != std::string::npos;
        const std::string mark = right ? (shares ? share : fullMark) : (shares ? "~%-100%" : "~");
        out += "\t" + mark + Marked(answer) + "\r\n";
      }
      if (!record.Reference.empty()) out += "\t####" + Marked(record.Reference) + "\r\n";
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
    const TMarkup markup = TakeMarker(text, TMarkup::Auto);
    const size_t open = FindUnescaped(text, '{');
    if (open == std::string_view::npos) {
      report.Add(number, "text without answers is not a question: not imported" + at);
      return;
    }
    const size_t close = FindUnescaped(text, '}', open);
    std::string_view block = Trim(text.substr(open + 1, close - open - 1));
    const std::string_view before = text.substr(0, open);
    const std::string_view after = text.substr(close + 1);
    // A second block would be a second question in one; its marks must never
    // reach the students as text.
    if (FindUnescaped(after, '{') != std::string_view::npos)
      return report.Add(number, "a second answer block, a question holds one: not imported" + at);

    // The general feedback, shown once a question is answered, is what our
    // reference is.
    std::string_view general;
    if (const size_t hashes = FindUnescaped(block, "####"); hashes != std::string_view::npos) {
      general = block.substr(hashes + 4);
      block = block.substr(0, hashes);
    }
    const std::vector<TChoice> choices = ParseChoices(block);
    if (const std::string_view kind = KindOf(block, choices); !kind.empty())
      return report.Add(number, std::string(kind) + " is not multiple choice: not imported" + at);
    if (choices.size() > FormatParts::AnswerCount)
      return report.Add(number, std::to_string(choices.size()) + " answers, only 6 fit: not imported" + at);

    TTextLosses losses;
    QuestionRecord record;
    record.Question = PlainText(before, markup, losses);
    if (!Trim(after).empty()) {
      // A blank in the sentence: the words around it keep their spaces.
      const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
      const bool spaceBefore = !record.Question.empty() && !before.empty() && blank(before.back());
      const bool spaceAfter = blank(after.front());
      record.Question += std::string(spaceBefore ? " " : "") + "_____" + (spaceAfter ? " " : "") +
                         PlainText(after, markup, losses);
    }
    const TMarkup generalMarkup = TakeMarker(general, markup);
    record.Reference = PlainText(general, generalMarkup, losses);
    bool feedback = false;
    for (size_t i = 0; i < choices.size(); ++i) {
      record.Answer(static_cast<int>(i)) =
          PlainText(choices[i].Text, choices[i].Marker ? choices[i].Markup : markup, losses);
      feedback = feedback || !choices[i].Feedback.empty();
    }
    if (FormatParts::OfferedAnswers(record).Count == 0)
      return report.Add(number, "no answer has text: not imported" + at);
    TKey key = KeyOf(choices);
    record.Correct = std::move(key.Correct);
    record.AnyCorrectPasses = key.Any;
    if (feedback) report.Add(number, "feedback dropped");
    if (!key.Shades.empty()) {
      std::string shades;
      for (const std::string& shade : key.Shades) shades += (shades.empty() ? "" : "; ") + shade;
      report.Add(number, "partial credit taken as right or wrong: " + shades);
    }
    for (const std::string& dropped : losses.Dropped) report.Add(number, dropped + " dropped" + at);
    if (losses.Unparsed) report.Add(number, "HTML that does not parse kept as text" + at);
    for (const std::string& note : ExchangeText::FlatteningNotes(losses.Table, losses.Scripts))
      report.Add(number, note + at);
    if (record.Correct.empty()) report.Add(number, "no correct answer");
    test.Questions.push_back(std::move(record));
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeGiftFormat() {
  return std::make_unique<TGiftFormat>();
}
