#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as RFC 4180 writes them, and as spreadsheets in
// many countries write them with a semicolon instead. Fields are bytes; the
// caller decides what they encode.
namespace Csv {

// A record and the line of the text it starts on (1-based), for messages.
struct TRecord {
  std::vector<std::string> Fields;
  int Line = 0;
};

// A text that is not CSV: what() says what is wrong and on which line.
class TCsvError : public std::runtime_error {
public:
  TCsvError(int line, const std::string& what);
  int Line;
};

// The text without a UTF-8 byte-order mark at its start.
std::string_view WithoutBom(std::string_view text);

// ';' when the first record holds more semicolons than commas outside quotes,
// otherwise ','.
char DetectDelimiter(std::string_view text);

// Every record of text. Records end at CR LF, LF or CR outside quotes; a
// quoted field may hold delimiters, line breaks and doubled quotes. Lines
// that hold nothing at all are skipped. Throws TCsvError for a quote that is
// never closed or text after a closing quote. Linear in the text's size.
std::vector<TRecord> Parse(std::string_view text, char delimiter);

// One record as a line: each field quoted when it holds the delimiter, a
// quote, a line break or blanks at either end; ends with CR LF.
std::string FormatRecord(const std::vector<std::string>& fields, char delimiter = ',');

// The same for a file meant for a spreadsheet, which would run a cell
// starting with '=', '+', '-', '@', a tab or a carriage return as a formula:
// such a cell is written quoted with a single quote before its text, so it
// shows as the text it is. A plain number ("-3", "+0.5") is written as it is.
std::string FormatSpreadsheetRecord(const std::vector<std::string>& fields, char delimiter = ',');

}  // namespace Csv
