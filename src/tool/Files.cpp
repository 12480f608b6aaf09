#include "tool/Files.h"

#include <filesystem>
#include <system_error>

#include "core/storage/IoError.h"

namespace fs = std::filesystem;

void RequireExistingFile(const std::string& path) {
  if (path.empty()) throw TIoError(path, "Cannot read", "the file name is empty");
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) throw TIoError(path, "Cannot read", "no such file");
  if (error) throw TIoError(path, "Cannot read", error.message());
  if (fs::is_directory(status)) throw TIoError(path, "Cannot read", "it is a folder, not a file");
}

void RequireFileDestination(const std::string& path) {
  if (path.empty()) throw TIoError(path, "Cannot write", "the file name is empty");
  std::error_code error;
  if (fs::is_directory(path, error)) throw TIoError(path, "Cannot write", "it is a folder, not a file");
}
