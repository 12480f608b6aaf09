#include "core/storage/FileInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/storage/IoError.h"

namespace {

constexpr const char* ReadAction = "Could not read";

}  // namespace

TInputFile::TInputFile(std::string path) : Path(std::move(path)) {
  // Not blocking: a named pipe standing at the path must not hang the program
  // until something writes to it.
  Descriptor = ::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (Descriptor < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return;
    throw TIoError(Path, ReadAction, std::strerror(errno));
  }
  struct stat info {};
  const int statResult = ::fstat(Descriptor, &info);
  const int error = errno;
  if (statResult != 0 || !S_ISREG(info.st_mode)) {
    ::close(Descriptor);
    Descriptor = -1;
    if (statResult != 0) throw TIoError(Path, ReadAction, std::strerror(error));
    // Only regular files are read: a device or a pipe may never end.
    throw TIoError(Path, ReadAction, S_ISDIR(info.st_mode) ? std::strerror(EISDIR) : "Not a regular file");
  }
  if (info.st_size > 0) SizeHint = static_cast<size_t>(info.st_size);
}

TInputFile::~TInputFile() {
  if (Descriptor >= 0) ::close(Descriptor);
}

size_t TInputFile::ReadSome(std::string& buffer, size_t maxBytes) {
  if (Descriptor < 0 || maxBytes == 0) return 0;
  const size_t old = buffer.size();
  buffer.resize(old + maxBytes);
  ssize_t got;
  do {
    got = ::read(Descriptor, buffer.data() + old, maxBytes);
  } while (got < 0 && errno == EINTR);
  if (got < 0) {
    const int error = errno;
    buffer.resize(old);
    throw TIoError(Path, ReadAction, std::strerror(error));
  }
  buffer.resize(old + static_cast<size_t>(got));
  return static_cast<size_t>(got);
}

namespace {

[[noreturn]] void TooLarge(const std::string& path, size_t limit) {
  constexpr size_t Megabyte = size_t{1} << 20;
  throw TIoError(path, ReadAction,
                 "the file is larger than " +
                     (limit % Megabyte == 0 ? std::to_string(limit / Megabyte) + " MB"
                                            : std::to_string(limit) + " bytes") +
                     ", far more than this program's files hold");
}

}  // namespace

TFileBytes TInputFile::ReadRest(size_t limit) {
  TFileBytes bytes;
  if (Descriptor < 0) return bytes;
  if (SizeHint > limit) TooLarge(Path, limit);
  // Room for one byte more than the size, so that the end of the file is seen
  // without growing the buffer; a file that grows meanwhile is read on.
  size_t capacity = SizeHint + 1;
  bytes.Data = std::make_unique_for_overwrite<char[]>(capacity);
  for (;;) {
    if (bytes.Size == capacity) {
      if (bytes.Size > limit) TooLarge(Path, limit);
      capacity *= 2;
      auto larger = std::make_unique_for_overwrite<char[]>(capacity);
      std::memcpy(larger.get(), bytes.Data.get(), bytes.Size);
      bytes.Data = std::move(larger);
    }
    ssize_t got;
    do {
      got = ::read(Descriptor, bytes.Data.get() + bytes.Size, capacity - bytes.Size);
    } while (got < 0 && errno == EINTR);
    if (got < 0) throw TIoError(Path, ReadAction, std::strerror(errno));
    if (got == 0) {
      if (bytes.Size > limit) TooLarge(Path, limit);
      return bytes;
    }
    bytes.Size += static_cast<size_t>(got);
  }
}
