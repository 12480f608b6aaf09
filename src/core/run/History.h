#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// The student's history: one record per finished test, kept in one CSV file
// (UTF-8, oldest first, a header line) in the user's data folder. A file of
// older programs, in the code page, is read as such and rewritten as UTF-8
// at the next record.
// Every write replaces the file atomically, so a crash loses at most the
// test being taken.
struct THistoryRecord {
  std::string Student;
  std::string When;  // "YYYY-MM-DD hh:mm:ss", local time
  std::string TestFile;
  std::string Description;
  int Asked = 0;
  int Right = 0;
  int Percent = 0;
  std::string Result;     // "Passed", "Failed", or empty without a pass point
  std::string TimeTaken;  // "hh:mm:ss"

  bool operator==(const THistoryRecord&) const = default;
};

// A history file that is not one: what() says so and names the file and line.
class THistoryDamaged : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

namespace History {

inline constexpr const char* FileName = "history.csv";

// Every record of the file at path, oldest first; a missing file has none.
// Throws THistoryDamaged when the file is not a history and TIoError when it
// cannot be read.
std::vector<THistoryRecord> Load(const std::string& path);

// Adds record to the end of the file at path, creating the file (not its
// folder) when missing. A damaged file (one Load refuses) is renamed aside,
// never over another file, as "history-damaged.csv" (then "-damaged-2", ...)
// beside it, and a new history holding record alone takes its place; the
// name it was kept under is returned, so the caller can say so. Nothing
// otherwise. Throws TIoError when the file cannot be read, set aside or
// written; whatever was recorded is then in the file at path or under the
// name it was set aside as.
std::optional<std::string> Append(const std::string& path, const THistoryRecord& record);

// The records as a CSV text for a spreadsheet: UTF-8, a header line, newest
// first, comma-separated, CR LF line ends; a cell that reads as a formula is
// kept as text.
std::string ExportCsv(const std::vector<THistoryRecord>& records);

}  // namespace History
