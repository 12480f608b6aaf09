#include "core/exchange/CsvFormat.h"

#include <algorithm>
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/exchange/ExchangeText.h"
#include "core/exchange/FormatParts.h"
#include "core/storage/Csv.h"

namespace {

// The columns in the order export writes them; import finds them by name in
// any order and case.
constexpr std::array<std::string_view, 11> Columns = {
    "question", "A", "B", "C", "D", "E", "F", "correct", "rule", "reference", "hotlink"};
constexpr std::string_view MediaColumn = "media";
constexpr int QuestionColumn = 0, CorrectColumn = 7, RuleColumn = 8, ReferenceColumn = 9, HotLinkColumn = 10,
              MediaColumnIndex = 11, ChoicesColumn = 12;

// A value longer than this is no question's text: the row is refused rather
// than a test of that size made.
constexpr size_t MaxValueBytes = 64 * 1024;

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

// A header as letters and digits only, lower case: "Option A" and "option_a"
// are both "optiona".
std::string Folded(std::string_view name) {
  std::string folded;
  for (char c : Lower(name))
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) folded += c;
  return folded;
}

bool OneOf(const std::string& folded, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), folded) != names.end();
}

// The column a header names, in the words question banks use, or -1. A note
// after the name is not part of it: "Answer 1 - max 75 characters",
// "Correct answer(s)".
int ColumnOf(std::string_view name) {
  const std::string folded = Folded(name.substr(0, std::min(name.find(" - "), name.find('('))));
  if (OneOf(folded, {"question", "questiontext", "questionstem", "stem", "prompt"})) return QuestionColumn;
  if (OneOf(folded,
            {"correct", "correctanswer", "correctanswers", "correctoption", "correctoptions", "correctchoice",
             "correctchoices", "correctletter", "correctletters", "answer", "answers", "key", "answerkey",
             "rightanswer", "rightanswers", "solution", "correctresponse"}))
    return CorrectColumn;
  if (folded == "rule") return RuleColumn;
  if (OneOf(folded, {"reference", "explanation", "generalfeedback"})) return ReferenceColumn;
  if (folded == "hotlink") return HotLinkColumn;
  if (folded == MediaColumn) return MediaColumnIndex;
  if (OneOf(folded, {"choices", "options", "alternatives"})) return ChoicesColumn;
  // An answer: "A", "Option B", "Answer 3", "choice_4".
  for (std::string_view prefix :
       {"answeroption", "option", "answer", "choice", "alternative", "opt", "ans", ""}) {
    if (!folded.starts_with(prefix) || folded.size() != prefix.size() + 1) continue;
    const char label = folded.back();
    if (label >= 'a' && label <= 'f') return 1 + (label - 'a');
    if (label >= '1' && label <= '6') return 1 + (label - '1');
  }
  return -1;
}

// The letters of the answers whose text is text, in either case: one answer,
// or several separated by commas, semicolons or bars; "" when some part is
// the text of no answer or of two.
std::string LettersByText(std::string_view text, const QuestionRecord& record) {
  const auto answerOf = [&](std::string_view part) {
    int found = -1;
    for (int i = 0; i < FormatParts::AnswerCount; ++i)
      if (!record.Answer(i).empty() &&
          Lower(FormatParts::Trim(record.Answer(i))) == Lower(FormatParts::Trim(part)))
        found = found == -1 ? i : -2;
    return found;
  };
  std::vector<int> indexes;
  if (const int whole = answerOf(text); whole != -1) {
    indexes.push_back(whole);
  } else {
    for (size_t start = 0; start <= text.size();) {
      const size_t end = std::min(text.find_first_of(",;|", start), text.size());
      indexes.push_back(answerOf(text.substr(start, end - start)));
      start = end + 1;
    }
  }
  std::string letters;
  for (int i = 0; i < FormatParts::AnswerCount; ++i)
    if (std::find(indexes.begin(), indexes.end(), i) != indexes.end()) letters += FormatParts::Letter(i);
  const bool all = std::all_of(indexes.begin(), indexes.end(), [](int i) { return i >= 0; });
  return all ? letters : "";
}

// The answers a key names, read both ways a bank may mean it: by label,
// letters ("B", "a, c", "AC", "Option B") or answer numbers ("2", "1;3"), and
// by the answers' text. Either is "" when the key does not read that way.
struct TKeyReading {
  std::string Key;  // as written, trimmed
  std::string ByLabel;
  std::string ByText;
  std::string Why;  // when neither reads: why not
};

TKeyReading ReadKey(std::string_view value, const QuestionRecord& record) {
  const std::string_view key = FormatParts::Trim(value);
  TKeyReading reading;
  reading.Key = key;
  reading.Why = key.empty() ? "no key" : "key \"" + std::string(key) + "\" names no answer";
  if (key.empty()) return reading;
  reading.ByText = LettersByText(key, record);
  std::string lower = Lower(key);
  for (std::string_view word : {"options", "option", "answers", "answer", "choices", "choice"})
    if (lower.starts_with(word)) lower.erase(0, word.size());
  std::vector<int> indexes;
  bool letters = false, numbers = false, unreadable = false;
  std::string token;
  const auto flush = [&] {
    if (token.empty() || token == "and") {
      token.clear();
      return;
    }
    if (token.find_first_not_of("0123456789") == std::string::npos) {
      numbers = true;
      const int n = token.size() > 1 ? 0 : token[0] - '0';
      if (n < 1 || n > FormatParts::AnswerCount) unreadable = true;
      indexes.push_back(n - 1);
    } else if (token.find_first_not_of("abcdef") == std::string::npos &&
               std::adjacent_find(token.begin(), token.end(), std::greater_equal<>()) == token.end()) {
      // "ac" is two letters; "bad" is a word, not a key.
      letters = true;
      for (char c : token) indexes.push_back(c - 'a');
    } else {
      unreadable = true;
    }
    token.clear();
  };
  for (char c : lower) {
    if (std::string_view(" \t,;/&|+:.()").find(c) != std::string_view::npos) {
      flush();
    } else {
      token += c;
    }
  }
  flush();
  if (unreadable || indexes.empty() || (letters && numbers)) return reading;
  for (int i : indexes) {
    if (record.Answer(i).empty()) {
      reading.Why =
          "key \"" + std::string(key) + "\" names answer " + FormatParts::Letter(i) + ", which is empty";
      return reading;
    }
  }
  for (int i = 0; i < FormatParts::AnswerCount; ++i)
    if (std::find(indexes.begin(), indexes.end(), i) != indexes.end())
      reading.ByLabel += FormatParts::Letter(i);
  return reading;
}

// The answers of a column that holds them all: "Paris | Lyon" or "Paris;Lyon".
std::vector<std::string> Choices(std::string_view value) {
  std::vector<std::string> choices;
  if (FormatParts::Trim(value).empty()) return choices;
  const char separator = value.find('|') != std::string_view::npos ? '|' : ';';
  for (size_t start = 0; start <= value.size();) {
    const size_t end = std::min(value.find(separator, start), value.size());
    choices.emplace_back(FormatParts::Trim(value.substr(start, end - start)));
    start = end + 1;
  }
  return choices;
}

// "row 7" as a spreadsheet shows it, and the line when a quoted line break
// makes that another.
std::string RowAt(size_t row, int line) {
  const std::string at = "row " + std::to_string(row);
  return static_cast<int>(row) == line ? at : at + " (line " + std::to_string(line) + ")";
}

class TCsvFormat final : public TQuestionFormat {
public:
  std::string_view Name() const override { return "csv"; }
  std::string_view Filter() const override { return "CSV Files (*.csv)|*.csv"; }
  std::string_view DefaultExtension() const override { return "csv"; }

  TImportedTest Read(std::string_view bytes, TLossReport& report) const override {
    const std::string_view text = Csv::WithoutBom(bytes);
    std::vector<Csv::TRecord> records;
    try {
      records = Csv::Parse(text, Csv::DetectDelimiter(text));
    } catch (const Csv::TCsvError& error) {
      throw TFormatError(error.what());
    }
    TImportedTest test;
    if (records.empty()) return test;

    const Csv::TRecord& header = records.front();
    std::vector<int> columnOf(header.Fields.size(), -1);
    std::vector<std::string> used(ChoicesColumn + 1);  // each column's header
    std::vector<int> wanted(header.Fields.size());
    std::transform(header.Fields.begin(), header.Fields.end(), wanted.begin(),
                   [](const std::string& name) { return ColumnOf(name); });
    bool numberedKeys = false;
    if (std::find(wanted.begin(), wanted.end(), CorrectColumn) == wanted.end()) {
      // "A, B, C, D, Answer 1, Answer 2": with the answers in columns of their
      // own, the numbered answer columns hold the key.
      std::vector<size_t> numbered, others;
      for (size_t i = 0; i < wanted.size(); ++i)
        if (wanted[i] >= 1 && wanted[i] <= 6)
          (Folded(header.Fields[i]).starts_with("answer") ? numbered : others).push_back(i);
      if (!numbered.empty() && !others.empty()) {
        numberedKeys = true;
        std::string names;
        for (size_t i : numbered) {
          wanted[i] = CorrectColumn;
          names += (names.empty() ? "\"" : ", \"") + header.Fields[i] + "\"";
        }
        report.Add(0, "no key column: " + names + " read as the key, the answers being in the other columns");
      }
    }
    for (size_t i = 0; i < header.Fields.size(); ++i) {
      const std::string& name = header.Fields[i];
      const int column = wanted[i];
      if (column >= 0 &&
          (used[static_cast<size_t>(column)].empty() || (column == CorrectColumn && numberedKeys))) {
        columnOf[i] = column;
        if (used[static_cast<size_t>(column)].empty()) used[static_cast<size_t>(column)] = name;
      } else if (column >= 0) {
        report.Add(0, "column \"" + name + "\" not used: \"" + used[static_cast<size_t>(column)] +
                          "\" holds the same");
      } else if (!FormatParts::Trim(name).empty()) {
        report.Add(0, "column \"" + name + "\" not used");
      }
    }
    const auto require = [&](int column, std::string_view what) {
      if (used[static_cast<size_t>(column)].empty())
        throw TFormatError("line " + std::to_string(header.Line) + ": the header row names no " +
                           std::string(what));
    };
    require(QuestionColumn, "question column (Question)");
    const bool answerColumns = std::any_of(used.begin() + 1, used.begin() + 7,
                                           [](const std::string& name) { return !name.empty(); });
    if (!answerColumns && used[ChoicesColumn].empty())
      throw TFormatError(
          "line " + std::to_string(header.Line) +
          ": the header row names no answer columns (A to F, Option A, Answer 1, ..., or Choices)");
    if (answerColumns && !used[ChoicesColumn].empty()) {
      report.Add(0, "column \"" + used[ChoicesColumn] + "\" not used: the answer columns hold the answers");
      std::replace(columnOf.begin(), columnOf.end(), static_cast<int>(ChoicesColumn), -1);
    }
    require(CorrectColumn, "key column (Correct, Answer or Key)");

    // Rows with their keys, read once all are known.
    struct TRow {
      QuestionRecord Record;
      std::string At;
      TKeyReading Key;
      std::string Rule;
    };
    std::vector<TRow> rows;
    for (size_t r = 1; r < records.size(); ++r) {
      const Csv::TRecord& row = records[r];
      const std::string at = RowAt(r + 1, row.Line);
      const auto refuse = [&](const std::string& why) { report.Add(0, at + ": " + why + ": not imported"); };
      if (row.Fields.size() > header.Fields.size() &&
          std::any_of(row.Fields.begin() + static_cast<long>(header.Fields.size()), row.Fields.end(),
                      [](const std::string& field) { return !field.empty(); })) {
        refuse(std::to_string(row.Fields.size()) + " fields where the header row has " +
               std::to_string(header.Fields.size()));
        continue;
      }
      QuestionRecord record;
      std::string key, rule, tooLong;
      std::vector<std::string> choices;
      for (size_t i = 0; i < std::min(row.Fields.size(), header.Fields.size()); ++i) {
        if (columnOf[i] < 0) continue;
        if (row.Fields[i].size() > MaxValueBytes && tooLong.empty())
          tooLong = "\"" + header.Fields[i] + "\" holds " + std::to_string(row.Fields[i].size()) +
                    " bytes, more than the " + std::to_string(MaxValueBytes) + " a value may hold";
        const std::string value = ExchangeText::WithCrLf(row.Fields[i]);
        switch (columnOf[i]) {
          case QuestionColumn:
            record.Question = value;
            break;
          case CorrectColumn:
            key += key.empty() || value.empty() ? value : "," + value;
            break;
          case RuleColumn:
            rule = Lower(FormatParts::Trim(value));
            break;
          case ReferenceColumn:
            record.Reference = value;
            break;
          case HotLinkColumn:
            record.HotLink = value;
            break;
          case MediaColumnIndex:
            record.MediaFile = value;
            break;
          case ChoicesColumn:
            choices = Choices(value);
            break;
          default:
            record.Answer(columnOf[i] - 1) = value;
            break;
        }
      }
      if (!tooLong.empty() || choices.size() > FormatParts::AnswerCount) {
        refuse(tooLong.empty() ? std::to_string(choices.size()) + " answers, only 6 fit" : tooLong);
        continue;
      }
      for (size_t i = 0; i < choices.size(); ++i) record.Answer(static_cast<int>(i)) = choices[i];
      if (!FormatParts::HasContent(record) && FormatParts::Trim(key).empty()) {
        report.Add(0, at + ": empty row skipped");
        continue;
      }
      if (FormatParts::OfferedAnswers(record).Count == 0) {
        refuse("no answers");
        continue;
      }
      TKeyReading reading = ReadKey(key, record);
      rows.push_back({std::move(record), at, std::move(reading), rule});
    }
    // A key that reads both ways means what the file's other keys mean, when
    // they all read one way only. A file with a rule column is in the layout
    // this format writes, whose keys are letters.
    const bool ownLayout = !used[RuleColumn].empty();
    int labelsOnly = 0, textsOnly = 0;
    for (const TRow& row : rows) {
      labelsOnly += !row.Key.ByLabel.empty() && row.Key.ByText.empty();
      textsOnly += row.Key.ByLabel.empty() && !row.Key.ByText.empty();
    }
    bool severalWithoutRule = false;
    for (TRow& row : rows) {
      const TKeyReading& key = row.Key;
      std::string correct = key.ByLabel.empty() ? key.ByText : key.ByLabel;
      if (!ownLayout && !key.ByLabel.empty() && !key.ByText.empty() && key.ByLabel != key.ByText) {
        const std::string both =
            "key \"" + key.Key + "\" could be answer " + key.ByLabel + " or the text of answer " + key.ByText;
        if ((labelsOnly > 0) == (textsOnly > 0)) {
          report.Add(0, row.At + ": " + both + ": not imported");
          continue;
        }
        correct = labelsOnly > 0 ? key.ByLabel : key.ByText;
        report.Add(0, row.At + ": " + both + ": " + correct + " taken, as the file's other keys read");
      }
      if (correct.empty()) {
        report.Add(0, row.At + ": " + key.Why + ": not imported");
        continue;
      }
      QuestionRecord& record = row.Record;
      record.Correct = correct;
      if (row.Rule == "any") {
        record.AnyCorrectPasses = true;
      } else if (!row.Rule.empty() && row.Rule != "all") {
        report.Add(0, row.At + ": rule \"" + row.Rule + "\" is neither all nor any: all taken");
      }
      severalWithoutRule = severalWithoutRule || (correct.size() > 1 && used[RuleColumn].empty());
      test.Questions.push_back(std::move(record));
    }
    if (severalWithoutRule)
      report.Add(0, "no rule column: questions with several correct answers need all of them chosen");
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
    FormatParts::ReportUncarriedTest(test, "CSV", false, report);
    // A byte-order mark tells spreadsheets that the text is UTF-8.
    std::string out = "\xEF\xBB\xBF";
    std::vector<std::string> fields(Columns.begin(), Columns.end());
    fields.emplace_back(MediaColumn);
    out += Csv::FormatRecord(fields);
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      FormatParts::ReportUncarried(number, record, {true, true, true}, report);
      if (FormatParts::CorrectLetters(record).empty())
        report.Add(number, "no correct answer: importers take no row without a key");
      fields = {record.Question};
      for (int i = 0; i < FormatParts::AnswerCount; ++i) fields.push_back(record.Answer(i));
      fields.push_back(record.Correct);
      fields.emplace_back(record.AnyCorrectPasses ? "any" : "all");
      fields.push_back(record.Reference);
      fields.push_back(record.HotLink);
      fields.push_back(record.MediaFile);
      out += Csv::FormatRecord(fields);
    }
    return out;
  }
};

}  // namespace

std::unique_ptr<TQuestionFormat> MakeCsvFormat() {
  return std::make_unique<TCsvFormat>();
}
