#include "core/storage/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/storage/IniStore.h"
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

// A temporary file beside the target, removed again unless it was renamed.
class TTemporaryFile {
public:
  TTemporaryFile(const std::string& folder, const std::string& reportedPath) {
    static std::atomic<unsigned> counter{0};
    // The name does not grow with the target's name, so a long file name can still be saved.
    for (int attempt = 0; attempt < 100; ++attempt) {
      Name = folder + "/.qw" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
      Descriptor = IniStoreFaults::Fails(IniStoreFaults::TStep::Create)
                       ? -1
                       : ::open(Name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (Descriptor >= 0 || errno != EEXIST) break;
    }
    if (Descriptor < 0) Fail(reportedPath, "Could not create a temporary file to save", errno);
  }

  ~TTemporaryFile() {
    if (Descriptor >= 0) ::close(Descriptor);
    if (!Renamed) ::unlink(Name.c_str());
  }

  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;

  int Fd() const { return Descriptor; }
  const std::string& Path() const { return Name; }

  // Closes the descriptor; close can report a failed delayed write.
  int Close() {
    const int result = ::close(Descriptor);
    Descriptor = -1;
    return result;
  }

  void MarkRenamed() { Renamed = true; }

private:
  std::string Name;
  int Descriptor = -1;
  bool Renamed = false;
};

void WriteAll(int fd, std::string_view bytes, const std::string& reportedPath) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written =
        IniStoreFaults::Fails(IniStoreFaults::TStep::Write) ? -1 : ::write(fd, data, left);
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

}  // namespace

void ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
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
  if (IniStoreFaults::Fails(IniStoreFaults::TStep::Flush) || ::fsync(temp.Fd()) != 0)
    Fail(path, "Could not flush to disk", errno);
  if (temp.Close() != 0) Fail(path, "Could not write", errno);
  if (IniStoreFaults::Fails(IniStoreFaults::TStep::Rename) ||
      ::rename(temp.Path().c_str(), target.c_str()) != 0)
    Fail(path, "Could not replace", errno);
  temp.MarkRenamed();
  SyncFolder(folder);
}
