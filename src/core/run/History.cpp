#include "core/run/History.h"

#include <algorithm>
#include <charconv>

#include "core/storage/AtomicFile.h"
#include "core/storage/CodePage.h"
#include "core/storage/Csv.h"
#include "core/storage/FileInput.h"

namespace {

const std::vector<std::string> Header = {"Student", "Date",    "Test file", "Description", "Questions",
                                         "Right",   "Percent", "Result",    "Time taken"};

std::vector<std::string> Fields(const THistoryRecord& record) {
  return {record.Student,
          record.When,
          record.TestFile,
          record.Description,
          std::to_string(record.Asked),
          std::to_string(record.Right),
          std::to_string(record.Percent),
          record.Result,
          record.TimeTaken};
}

bool ReadNumber(const std::string& text, int& value) {
  const char* end = text.data() + text.size();
  auto [next, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && next == end && value >= 0;
}

std::string ReadAll(const std::string& path) {
  TInputFile input(path);
  std::string bytes;
  if (!input.Exists()) return bytes;
  TFileBytes read = input.ReadRest();
  bytes.assign(read.Data.get(), read.Size);
  return bytes;
}

std::vector<THistoryRecord> Parse(const std::string& path, const std::string& bytes) {
  std::vector<THistoryRecord> records;
  if (bytes.empty()) return records;
  const auto damaged = [&path](int line, const std::string& what) {
    return THistoryDamaged("The history file \"" + path + "\" is damaged (line " + std::to_string(line) +
                           ": " + what + ").");
  };
  std::vector<Csv::TRecord> rows;
  try {
    rows = Csv::Parse(bytes, ',');
  } catch (const Csv::TCsvError& error) {
    throw damaged(error.Line, error.what());
  }
  if (rows.empty() || rows.front().Fields != Header) throw damaged(1, "not a history header");
  for (size_t i = 1; i < rows.size(); ++i) {
    const auto& f = rows[i].Fields;
    THistoryRecord record;
    if (f.size() != Header.size() || !ReadNumber(f[4], record.Asked) || !ReadNumber(f[5], record.Right) ||
        !ReadNumber(f[6], record.Percent))
      throw damaged(rows[i].Line, "not a history record");
    record.Student = f[0];
    record.When = f[1];
    record.TestFile = f[2];
    record.Description = f[3];
    record.Result = f[7];
    record.TimeTaken = f[8];
    records.push_back(std::move(record));
  }
  return records;
}

}  // namespace

namespace History {

std::vector<THistoryRecord> Load(const std::string& path) {
  return Parse(path, ReadAll(path));
}

void Append(const std::string& path, const THistoryRecord& record) {
  std::string bytes = ReadAll(path);
  Parse(path, bytes);  // refuses a damaged file before anything is written
  if (bytes.empty()) bytes = Csv::FormatRecord(Header);
  if (bytes.back() != '\n' && bytes.back() != '\r') bytes += "\r\n";
  bytes += Csv::FormatRecord(Fields(record));
  ReplaceFileAtomically(path, bytes);
}

std::string ExportCsv(const std::vector<THistoryRecord>& records) {
  std::string text = Csv::FormatRecord(Header);
  for (auto it = records.rbegin(); it != records.rend(); ++it)
    text += CodePage::ToUtf8(Csv::FormatRecord(Fields(*it)));
  return text;
}

}  // namespace History
