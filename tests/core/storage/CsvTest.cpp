#include <gtest/gtest.h>

#include "core/storage/Csv.h"

using Csv::Parse;
using Fields = std::vector<std::string>;

TEST(Csv, ReadsQuotedFieldsLineBreaksAndBothRecordEnds) {
  const auto records = Parse("a,\"b,\"\"c\"\"\",\r\n\"two\r\nlines\",x\n\n\"\",last", ',');
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].Fields, (Fields{"a", "b,\"c\"", ""}));
  EXPECT_EQ(records[1].Fields, (Fields{"two\r\nlines", "x"}));
  EXPECT_EQ(records[1].Line, 2);
  EXPECT_EQ(records[2].Fields, (Fields{"", "last"}));
  EXPECT_EQ(records[2].Line, 5);
}

TEST(Csv, SemicolonsAndTheByteOrderMarkAreRecognised) {
  const std::string_view text = Csv::WithoutBom("\xEF\xBB\xBFquestion;A;\"x,y\"\r\n");
  EXPECT_EQ(Csv::DetectDelimiter(text), ';');
  EXPECT_EQ(Parse(text, ';')[0].Fields, (Fields{"question", "A", "x,y"}));
  EXPECT_EQ(Csv::DetectDelimiter("a;b,c,d"), ',');
}

TEST(Csv, DamagedTextNamesItsLine) {
  try {
    Parse("ok\n\"open,\nstill", ',');
    FAIL() << "an unclosed quote was accepted";
  } catch (const Csv::TCsvError& error) {
    EXPECT_EQ(error.Line, 2);
  }
  EXPECT_THROW(Parse("\"a\"b,c", ','), Csv::TCsvError);
}

TEST(Csv, WrittenRecordsReadBackAsTheyWere) {
  const Fields fields{"plain", "with, comma", "say \"hi\"", "two\r\nlines", " padded", ""};
  const std::string line = Csv::FormatRecord(fields);
  EXPECT_EQ(line, "plain,\"with, comma\",\"say \"\"hi\"\"\",\"two\r\nlines\",\" padded\",\r\n");
  EXPECT_EQ(Parse(line, ',')[0].Fields, fields);
  EXPECT_EQ(Csv::FormatRecord({"a;b", "c,d"}, ';'), "\"a;b\";c,d\r\n");
}

// A cell a spreadsheet would run as a formula is kept as text; numbers, even
// signed ones, stay numbers.
TEST(Csv, SpreadsheetCellsNeverRunAsFormulas) {
  const Fields fields{
      "=HYPERLINK(\"x\")", "+1+2", "-A1", "@SUM(A1)", "\tlead", "\rret", "'quoted", "-3", "+0.5",
      "-0.1667",           "a=b",  "-",   "1-2"};
  const std::string line = Csv::FormatSpreadsheetRecord(fields);
  EXPECT_EQ(line,
            "\"'=HYPERLINK(\"\"x\"\")\",\"'+1+2\",\"'-A1\",\"'@SUM(A1)\",\"'\tlead\",\"'\rret\",'quoted,"
            "-3,+0.5,-0.1667,a=b,\"'-\",1-2\r\n");
  const Fields read = Parse(line, ',')[0].Fields;
  ASSERT_EQ(read.size(), fields.size());
  EXPECT_EQ(read[0], "'=HYPERLINK(\"x\")");
  EXPECT_EQ(Csv::FormatSpreadsheetRecord({"x;=y", "=z"}, ';'), "\"x;=y\";\"'=z\"\r\n");
}
