#pragma once

#include <cstddef>
#include <memory>
#include <string>

// A file's bytes, as read.
struct TFileBytes {
  std::unique_ptr<char[]> Data;
  size_t Size = 0;
};

// Reading a file's bytes for the INI store and its readers. Every failure is a
// TIoError that names the file and the system's reason.
class TInputFile {
public:
  // Opens path for reading. A path where no file exists (ENOENT, ENOTDIR) gives
  // a closed reader whose Exists() is false; any other failure throws, and so
  // does anything but a regular file standing at the path (a folder, a named
  // pipe, a device), without waiting on it.
  explicit TInputFile(std::string path);
  ~TInputFile();
  TInputFile(const TInputFile&) = delete;
  TInputFile& operator=(const TInputFile&) = delete;

  bool Exists() const { return Descriptor >= 0; }

  // Appends up to maxBytes to buffer; returns how many were read, 0 at the end
  // of the file. Throws TIoError when the read fails.
  size_t ReadSome(std::string& buffer, size_t maxBytes);

  // Everything from the current position to the end of the file, read in as
  // few calls as the file's size allows, into memory that is not cleared first.
  // A file larger than limit bytes is refused with a TIoError saying so,
  // before anything is read when its size already shows it.
  TFileBytes ReadRest(size_t limit = static_cast<size_t>(-1));

private:
  std::string Path;
  int Descriptor = -1;
  size_t SizeHint = 0;
};
