#include "core/storage/OutputDestination.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "core/storage/IoError.h"

namespace {

// Which file a path names: its device and inode when it exists, else its
// folder's device and inode and its own name, so that two spellings of one
// file not yet written are still one file.
struct TIdentity {
  bool Exists = false;
  dev_t Device = 0;
  ino_t Inode = 0;
  std::string Name;  // only when it does not exist

  bool operator==(const TIdentity&) const = default;
};

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::optional<TIdentity> IdentityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return TIdentity{true, info.st_dev, info.st_ino, {}};
  if (errno != ENOENT) throw TIoError(path, "Could not look at", std::strerror(errno));
  if (::stat(FolderOf(path).c_str(), &info) != 0) return std::nullopt;  // no folder: nothing it can be
  return TIdentity{false, info.st_dev, info.st_ino, BaseName(path)};
}

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
  return text.size() >= tail.size() &&
         std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

TFileKind KindOfFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return TFileKind::Other;
  if (EndsWithNoCase(path, ".qwt")) return TFileKind::Test;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return TFileKind::Other;
  unsigned char head[16] = {};
  const ssize_t got = ::read(fd, head, sizeof head);
  ::close(fd);
  if (got == 16 && std::memcmp(head, "SQLite format 3", 16) == 0) return TFileKind::Database;
  // A write-ahead log begins with 0x377F0682 or 0x377F0683, big-endian.
  if (got >= 4 && head[0] == 0x37 && head[1] == 0x7F && head[2] == 0x06 && (head[3] & 0xFE) == 0x82)
    return TFileKind::Database;
  return TFileKind::Other;
}

std::optional<TOutputRefusal> OutputRefusal(const TOutput& output) {
  struct stat info {};
  if (::stat(output.Path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISCHR(info.st_mode) &&
      !S_ISFIFO(info.st_mode))
    return TOutputRefusal{TOutputProblem::NotAFile,
                          S_ISDIR(info.st_mode) ? "it is a folder, not a file" : "it is not a regular file",
                          false};
  const std::optional<TIdentity> target = IdentityOf(output.Path);
  if (!target) return std::nullopt;  // its folder is missing: writing it fails with that reason
  const auto same = [&](const std::string& other) { return !other.empty() && IdentityOf(other) == target; };
  for (const std::string& input : output.Inputs)
    if (same(input))
      return TOutputRefusal{TOutputProblem::Input,
                            "it is the same file as the input \"" + input + "\", which it would replace",
                            false, input};
  for (const std::string& file : output.Protected)
    if (same(file))
      return TOutputRefusal{TOutputProblem::Protected,
                            "it is the results store \"" + file + "\" or part of it", true, file};
  const TFileKind found = KindOfFile(output.Path);
  if (found != TFileKind::Other && found != output.Writes)
    return TOutputRefusal{TOutputProblem::OtherKind,
                          found == TFileKind::Test
                              ? "it is a test, which this would replace with another kind of file"
                              : "it is a database, which this would replace with another kind of "
                                "file",
                          true};
  return std::nullopt;
}
