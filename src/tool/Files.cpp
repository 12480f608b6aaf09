#include "tool/Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/model/TestFile.h"
#include "core/results/StoreLocation.h"
#include "core/storage/IoError.h"
#include "core/storage/TerminalText.h"

namespace fs = std::filesystem;

void RequireExistingFile(const std::string& path) {
  if (path.empty()) throw TIoError(path, "Cannot read", "the file name is empty");
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) throw TIoError(path, "Cannot read", "no such file");
  if (error) throw TIoError(path, "Cannot read", error.message());
  if (fs::is_directory(status)) throw TIoError(path, "Cannot read", "it is a folder, not a file");
}

void RequireOutput(const TToolContext& context, const std::string& path, TFileKind writes,
                   const std::vector<std::string>& inputs) {
  if (path.empty()) throw TIoError(path, "Cannot write", "the file name is empty");
  TOutput output{path, writes, inputs, {}};
  for (const std::string& beside : inputs)
    for (std::string& file : StoreFilesBeside(beside)) output.Protected.push_back(std::move(file));
  for (std::string& file : StoreFilesBeside(path)) output.Protected.push_back(std::move(file));
  const std::optional<TOutputRefusal> refusal = OutputRefusal(output);
  if (!refusal || (refusal->Forcible && context.Arguments.Has("--force"))) return;
  throw TIoError(
      path, "Cannot write",
      TerminalText(refusal->Reason) + (refusal->Forcible ? "; give --force to write it all the same" : ""));
}

void RequireTest(const std::string& path) {
  if (!TestFile::IsLoadable(TestFile::ReadStoredDescription(path)))
    throw TIoError(path, "Cannot use", "the file is not a test (it has no description)");
}

bool MayCreate(TToolContext& context, const std::string& path, bool force) {
  if (path.empty()) throw TIoError(path, "Cannot create", "the file name is empty");
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return true;
  if (S_ISDIR(info.st_mode)) throw TIoError(path, "Cannot create", "a folder has that name");
  if (!force) {
    Report(context.Err, "\"" + path + "\" exists; give --force to replace it");
    return false;
  }
  if (S_ISLNK(info.st_mode)) throw TIoError(path, "Cannot replace", "it is a symbolic link");
  if (!S_ISREG(info.st_mode)) throw TIoError(path, "Cannot replace", "it is not a regular file");
  if (::access(path.c_str(), W_OK) != 0) throw TIoError(path, "Cannot replace", std::strerror(errno));
  return true;
}

bool ReportNumbering(TToolContext& context, const std::string& path, const TQuestionNumbering& numbering) {
  const std::vector<std::string> lines = NumberingReport(numbering);
  for (const std::string& line : lines)
    Report(context.Err, "warning: \"" + TerminalText(path) + "\": " + line);
  return !lines.empty();
}
