#include "core/storage/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "core/storage/IoError.h"

namespace {

[[noreturn]] void Fail(const std::string& path, const char* action, int error) {
  throw TIoError(path, action, std::strerror(error));
}

// The file that is really replaced: the target of a symbolic link, else path.
std::string ResolveTarget(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
  // A dangling link is replaced by the new file itself, as writing through it would create its target.
  return real ? std::string(real.get()) : path;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file the new bytes go to before they replace the target. Where the
// file system allows it, the file has no name until it is complete (Linux's
// O_TMPFILE), so a program killed while writing leaves nothing behind;
// elsewhere it is a named file beside the target, removed again unless it
// was renamed. Folder listings never show either: the catalogue lists test
// files by their extension, which the temporary name lacks.
class TTemporaryFile {
public:
  TTemporaryFile(const std::string& folder, const std::string& reportedPath) : Folder(folder) {
    if (AtomicFileFaults::Fails(AtomicFileFaults::TStep::Create))
      Fail(reportedPath, "Could not create a temporary file to save", errno);
#ifdef O_TMPFILE
    // Naming the file later goes through /proc.
    static const bool canName = ::access("/proc/self/fd", X_OK) == 0;
    if (canName) {
      Descriptor = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
      if (Descriptor >= 0) {
        Unnamed = true;
        return;
      }
    }
#endif
    CreateNamed();
    if (Descriptor < 0) Fail(reportedPath, "Could not create a temporary file to save", errno);
  }

  ~TTemporaryFile() {
    if (Descriptor >= 0) ::close(Descriptor);
    if (!Renamed && !Name.empty()) ::unlink(Name.c_str());
  }

  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;

  int Fd() const {
    return Descriptor;
  }

  // Gives an unnamed file a name beside the target, as late as possible:
  // the name lives only until the rename that follows. Returns 0, or -1 with
  // errno set.
  int GiveName() {
    if (!Unnamed) return 0;
    const std::string self = "/proc/self/fd/" + std::to_string(Descriptor);
    for (int attempt = 0; attempt < 100; ++attempt) {
      Name = NextName();
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, Name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
      const int error = errno;
      Name.clear();
      errno = error;
      if (error != EEXIST) return -1;
    }
    return -1;
  }

  // Closes the descriptor; close can report a failed delayed write.
  int Close() {
    const int result = ::close(Descriptor);
    Descriptor = -1;
    return result;
  }

  const std::string& Path() const {
    return Name;
  }
  void MarkRenamed() {
    Renamed = true;
  }

private:
  std::string NextName() const {
    static std::atomic<unsigned> counter{0};
    // The name does not grow with the target's name, so a long file name can still be saved.
    return Folder + "/.qw" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
  }

  void CreateNamed() {
    for (int attempt = 0; attempt < 100; ++attempt) {
      Name = NextName();
      Descriptor = ::open(Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (Descriptor >= 0) return;
      if (errno != EEXIST) break;
    }
    const int error = errno;
    Name.clear();
    errno = error;
  }

  std::string Folder;
  std::string Name;
  int Descriptor = -1;
  bool Unnamed = false;
  bool Renamed = false;
};

void WriteAll(int fd, std::string_view bytes, const std::string& reportedPath) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written =
        AtomicFileFaults::Fails(AtomicFileFaults::TStep::Write) ? -1 : ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      Fail(reportedPath, "Could not write", errno);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
}

// Makes the rename itself durable. The file has already been replaced when
// this runs, so a failure here is not reported as a failed save.
void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A device or a pipe is no file to replace: renaming over it would put a
// regular file in its place (even over /dev/null, for root). The bytes are
// written into it as a shell's redirection would.
void WriteInPlace(const std::string& target, std::string_view bytes, const std::string& reportedPath) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) Fail(reportedPath, "Could not write", errno);
  try {
    WriteAll(fd, bytes, reportedPath);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) Fail(reportedPath, "Could not write", errno);
}

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    if (!S_ISCHR(old.st_mode) && !S_ISFIFO(old.st_mode))
      throw TIoError(path, "Could not replace", "it is not a regular file");
    WriteInPlace(target, bytes, path);
    return;
  }
  if (exists && ::access(target.c_str(), W_OK) != 0) Fail(path, "Could not write", errno);

  const std::string folder = FolderOf(target);
  TTemporaryFile temp(folder, path);
  if (exists) {
    if (::fchmod(temp.Fd(), old.st_mode & 07777) != 0) Fail(path, "Could not keep the permissions of", errno);
    struct stat mine {};
    if (::fstat(temp.Fd(), &mine) == 0 && (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid)) {
      // Only a privileged user may hand a file to another owner; everyone else
      // saves the file as their own, as any editor that replaces files does.
      if (::fchown(temp.Fd(), old.st_uid, old.st_gid) == 0)
        ::fchmod(temp.Fd(), old.st_mode & 07777);  // chown clears set-id bits
    }
  }
  WriteAll(temp.Fd(), bytes, path);
  if (AtomicFileFaults::Fails(AtomicFileFaults::TStep::Flush) || ::fsync(temp.Fd()) != 0)
    Fail(path, "Could not flush to disk", errno);
  if (temp.GiveName() != 0) Fail(path, "Could not replace", errno);
  if (temp.Close() != 0) Fail(path, "Could not write", errno);
  if (AtomicFileFaults::Fails(AtomicFileFaults::TStep::Rename) ||
      ::rename(temp.Path().c_str(), target.c_str()) != 0)
    Fail(path, "Could not replace", errno);
  temp.MarkRenamed();
  SyncFolder(folder);
}

void RemoveSaveLeftovers(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (!listing) return;
  const pid_t self = ::getpid();
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name.size() < 9 || name.substr(0, 3) != ".qw" || name.substr(name.size() - 4) != ".tmp") continue;
    const std::string_view middle = name.substr(3, name.size() - 7);  // "<pid>-<n>"
    const size_t dash = middle.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == middle.size()) continue;
    const auto digits = [](std::string_view text) {
      return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(middle.substr(0, dash)) || !digits(middle.substr(dash + 1)) || dash > 9) continue;
    const pid_t owner = static_cast<pid_t>(std::stol(std::string(middle.substr(0, dash))));
    if (owner == self || owner <= 0 || ::kill(owner, 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(::dirfd(listing), entry->d_name, 0);
  }
  ::closedir(listing);
}

// ---------------------------------------------------------------------------
// AtomicFileFaults

namespace AtomicFileFaults {

namespace {
std::optional<TStep> FailingStep;
}  // namespace

void FailAt(std::optional<TStep> step) {
  FailingStep = step;
}

bool Fails(TStep step) {
  if (FailingStep != step) return false;
  errno = EIO;
  return true;
}

}  // namespace AtomicFileFaults
