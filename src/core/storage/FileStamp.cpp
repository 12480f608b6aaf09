#include "core/storage/FileStamp.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/storage/IoError.h"

TFileStamp StampFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};
    throw TIoError(path, "Could not look at", std::strerror(errno));
  }
  TFileStamp stamp;
  stamp.Exists = true;
  stamp.Device = static_cast<uint64_t>(info.st_dev);
  stamp.Inode = static_cast<uint64_t>(info.st_ino);
  stamp.Size = static_cast<int64_t>(info.st_size);
  stamp.ModifiedNs = static_cast<int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
  return stamp;
}

TFileChange ChangeSince(const TFileStamp& read, const std::string& path) {
  const TFileStamp now = StampFile(path);
  if (now == read) return TFileChange::None;
  return read.Exists && !now.Exists ? TFileChange::Deleted : TFileChange::Changed;
}

bool SameFile(const std::string& first, const std::string& second) {
  const TFileStamp a = StampFile(first);
  if (!a.Exists) return false;
  const TFileStamp b = StampFile(second);
  return b.Exists && a.Device == b.Device && a.Inode == b.Inode;
}
