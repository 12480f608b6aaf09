#include "core/exchange/CsvFormat.h"

#include <array>
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
              MediaColumnIndex = 11;

std::string Lower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

int ColumnOf(std::string_view name) {
  const std::string lower = Lower(FormatParts::Trim(name));
  for (size_t i = 0; i < Columns.size(); ++i) {
    if (Lower(Columns[i]) == lower) return static_cast<int>(i);
  }
  return lower == MediaColumn ? MediaColumnIndex : -1;
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
    bool hasQuestion = false;
    for (size_t i = 0; i < header.Fields.size(); ++i) {
      columnOf[i] = ColumnOf(header.Fields[i]);
      if (columnOf[i] < 0) report.Add(0, "column \"" + header.Fields[i] + "\" is not ours: dropped");
      hasQuestion = hasQuestion || columnOf[i] == QuestionColumn;
    }
    if (!hasQuestion)
      throw TFormatError("line " + std::to_string(header.Line) +
                         ": the header row names no \"question\" column");

    for (size_t r = 1; r < records.size(); ++r) {
      const Csv::TRecord& row = records[r];
      const int number = static_cast<int>(r);
      if (row.Fields.size() != header.Fields.size())
        throw TFormatError("line " + std::to_string(row.Line) + ": " + std::to_string(row.Fields.size()) +
                           " fields where the header row has " + std::to_string(header.Fields.size()));
      QuestionRecord record;
      for (size_t i = 0; i < row.Fields.size(); ++i) {
        const std::string value = ExchangeText::WithCrLf(row.Fields[i]);
        switch (columnOf[i]) {
          case -1:
            break;
          case QuestionColumn:
            record.Question = value;
            break;
          case CorrectColumn:
            for (char c : value) {
              const int index = FormatParts::LetterIndex(c);
              if (index >= 0 && record.Correct.find(FormatParts::Letter(index)) == std::string::npos)
                record.Correct += FormatParts::Letter(index);
            }
            break;
          case RuleColumn: {
            const std::string rule = Lower(FormatParts::Trim(value));
            if (rule == "any") {
              record.AnyCorrectPasses = true;
            } else if (!rule.empty() && rule != "all") {
              report.Add(number, "rule \"" + value + "\" is neither all nor any: all taken (line " +
                                     std::to_string(row.Line) + ")");
            }
            break;
          }
          case ReferenceColumn:
            record.Reference = value;
            break;
          case HotLinkColumn:
            record.HotLink = value;
            break;
          case MediaColumnIndex:
            record.MediaFile = value;
            break;
          default:
            record.Answer(columnOf[i] - 1) = value;
            break;
        }
      }
      if (!FormatParts::HasContent(record)) {
        report.Add(number, "empty row skipped (line " + std::to_string(row.Line) + ")");
        continue;
      }
      test.Questions.push_back(std::move(record));
    }
    return test;
  }

  std::string Write(const TExportedTest& test, const TMediaLookup&, TLossReport& report) const override {
    // A byte-order mark tells spreadsheets that the text is UTF-8.
    std::string out = "\xEF\xBB\xBF";
    std::vector<std::string> fields(Columns.begin(), Columns.end());
    fields.emplace_back(MediaColumn);
    out += Csv::FormatRecord(fields);
    int number = 0;
    for (const QuestionRecord& record : test.Contents.Questions) {
      ++number;
      FormatParts::ReportUncarried(number, record, {true, true, true}, report);
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
