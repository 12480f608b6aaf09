#pragma once

#include <cstdint>
#include <string>

// What a file was when a window read it: enough to tell, before writing it
// back, whether another program (or another window) has written or removed it
// since. Every save replaces the file, so a write by anyone gives it a new
// inode as well as a new time.
struct TFileStamp {
  bool Exists = false;
  uint64_t Device = 0;
  uint64_t Inode = 0;
  int64_t Size = 0;
  int64_t ModifiedNs = 0;

  bool operator==(const TFileStamp&) const = default;
};

// The file at path as it is now; a symbolic link is followed. No file at path
// (ENOENT, ENOTDIR) gives a stamp whose Exists is false. Throws TIoError when
// the file cannot be looked at for another reason.
TFileStamp StampFile(const std::string& path);

enum class TFileChange {
  None,     // the file is as it was read, or it is still missing
  Changed,  // written, replaced, or made where there was no file
  Deleted,  // it was there when read and is gone now
};

// How the file at path differs from read, a stamp taken before it was read.
TFileChange ChangeSince(const TFileStamp& read, const std::string& path);

// Whether the two paths name one existing file (the same device and inode,
// through links and other spellings of the path), so that a command never
// writes its output over one of its inputs. A path with no file behind it is
// the same as nothing. Throws TIoError when a file cannot be looked at.
bool SameFile(const std::string& first, const std::string& second);
