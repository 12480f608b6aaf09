#include "core/storage/Csv.h"

namespace Csv {

TCsvError::TCsvError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), Line(line) {}

std::string_view WithoutBom(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

char DetectDelimiter(std::string_view text) {
  int commas = 0, semicolons = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\r' || c == '\n') break;
    commas += c == ',';
    semicolons += c == ';';
  }
  return semicolons > commas ? ';' : ',';
}

std::vector<TRecord> Parse(std::string_view text, char delimiter) {
  std::vector<TRecord> records;
  TRecord record;
  std::string field;
  int line = 1;
  bool atFieldStart = true, recordHasText = false;
  record.Line = 1;

  const auto endField = [&] {
    record.Fields.push_back(std::move(field));
    field.clear();
    atFieldStart = true;
  };
  const auto endRecord = [&] {
    if (recordHasText || !record.Fields.empty()) {
      endField();
      records.push_back(std::move(record));
    }
    record = TRecord{};
    field.clear();
    atFieldStart = true;
    recordHasText = false;
  };

  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"' && atFieldStart) {
      const int opened = line;
      for (++i;; ++i) {
        if (i >= text.size()) throw TCsvError(opened, "a quoted field is never closed");
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            ++i;
            continue;
          }
          break;
        }
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
        field += text[i];
      }
      recordHasText = true;
      atFieldStart = false;
      const char next = i + 1 < text.size() ? text[i + 1] : '\n';
      if (next != delimiter && next != '\r' && next != '\n')
        throw TCsvError(line, "text after the closing quote of a field");
      continue;
    }
    if (c == delimiter) {
      recordHasText = true;
      endField();
    } else if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endRecord();
      record.Line = ++line;
    } else {
      field += c;
      recordHasText = true;
      atFieldStart = false;
    }
  }
  endRecord();
  return records;
}

namespace {

// An optional sign, digits, and optionally a point and more digits.
bool IsPlainNumber(std::string_view value) {
  if (!value.empty() && (value.front() == '-' || value.front() == '+')) value.remove_prefix(1);
  const std::size_t point = value.find('.');
  const std::string_view whole = value.substr(0, point);
  const std::string_view part = point == std::string_view::npos ? "0" : value.substr(point + 1);
  const auto digits = [](std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return digits(whole) && digits(part);
}

bool StartsFormula(std::string_view value) {
  return !value.empty() && std::string_view("=+-@\t\r").find(value.front()) != std::string_view::npos &&
         !IsPlainNumber(value);
}

// Appends value as a field of a record: quoted when it holds the delimiter, a
// quote, a line break or blanks at either end, or when quote says so.
void AppendField(std::string& line, std::string_view value, char delimiter, bool quote) {
  quote = quote || value.find_first_of(std::string{'"', '\r', '\n', delimiter}) != std::string_view::npos ||
          (!value.empty() && (value.front() == ' ' || value.back() == ' '));
  if (!quote) {
    line += value;
    return;
  }
  line += '"';
  for (char c : value) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

}  // namespace

std::string FormatRecord(const std::vector<std::string>& fields, char delimiter) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += delimiter;
    AppendField(line, fields[i], delimiter, false);
  }
  return line + "\r\n";
}

std::string FormatSpreadsheetRecord(const std::vector<std::string>& fields, char delimiter) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += delimiter;
    // A spreadsheet takes a quoted cell that starts with a single quote as text.
    if (StartsFormula(fields[i]))
      AppendField(line, "'" + fields[i], delimiter, true);
    else
      AppendField(line, fields[i], delimiter, false);
  }
  return line + "\r\n";
}

}  // namespace Csv
