#include "core/run/History.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "core/storage/AtomicFile.h"
#include "core/storage/CodePage.h"
#include "core/storage/Csv.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"

namespace {

const std::vector<std::string> Header = {"Student", "Date",    "Test file", "Description", "Questions",
                                         "Right",   "Percent", "Result",    "Time taken"};

// A record's cells, each UTF-8 (a file name in another encoding taken as
// code-page text), so the file never mixes the two forms.
std::vector<std::string> Fields(const THistoryRecord& record) {
  return {CodePage::Utf8OrCodePage(record.Student),
          record.When,
          CodePage::Utf8OrCodePage(record.TestFile),
          CodePage::Utf8OrCodePage(record.Description),
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

// The file's text as UTF-8: a history written before names could be in any
// script is code-page text, read as such.
std::string ReadAll(const std::string& path) {
  TInputFile input(path);
  if (!input.Exists()) return {};
  TFileBytes read = input.ReadRest();
  return CodePage::Utf8OrCodePage(std::string_view(read.Data.get(), read.Size));
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

namespace {

// Renames the file at path aside, never over another file, and returns its new name.
std::string SetAside(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  const std::string stem = hasExtension ? path.substr(0, dot) : path;
  const std::string extension = hasExtension ? path.substr(dot) : "";
  for (int n = 1;; ++n) {
    const std::string aside = stem + "-damaged" + (n == 1 ? "" : "-" + std::to_string(n)) + extension;
    // Never over another file: the damaged copies of earlier days stay too.
    if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return aside;
    // A file system without that flag: a hard link never replaces a file either.
    if (errno == EINVAL && ::link(path.c_str(), aside.c_str()) == 0) {
      ::unlink(path.c_str());
      return aside;
    }
    if (errno != EEXIST) throw TIoError(path, "Cannot set aside the damaged history", std::strerror(errno));
  }
}

}  // namespace

std::optional<std::string> Append(const std::string& path, const THistoryRecord& record) {
  std::string bytes = ReadAll(path);
  std::optional<std::string> aside;
  try {
    Parse(path, bytes);
  } catch (const THistoryDamaged&) {
    // What is recorded there stays in the file under its new name; the
    // history starts again, so this and every later score is recorded.
    aside = SetAside(path);
    bytes.clear();
  }
  if (bytes.empty()) bytes = Csv::FormatRecord(Header);
  if (bytes.back() != '\n' && bytes.back() != '\r') bytes += "\r\n";
  bytes += Csv::FormatRecord(Fields(record));
  ReplaceFileAtomically(path, bytes);
  return aside;
}

std::string ExportCsv(const std::vector<THistoryRecord>& records) {
  std::string text = Csv::FormatSpreadsheetRecord(Header);
  for (auto it = records.rbegin(); it != records.rend(); ++it)
    text += Csv::FormatSpreadsheetRecord(Fields(*it));
  return text;
}

}  // namespace History
