#pragma once

#include <optional>
#include <string>
#include <string_view>

// Replaces the file at path with bytes so that it is either wholly the old
// file or wholly the new one, whatever fails and whenever the program stops:
// the bytes go to a temporary file in the same folder, are flushed to disk,
// and the temporary file is renamed over the old one. Where the file system
// allows it the temporary file is unnamed until it is whole (O_TMPFILE), and
// is named (.qw<pid>-<n>.tmp) only for the rename; elsewhere it has that name
// from the start. A name left by a killed save is removed by the next save
// in the folder once its process is gone.
//
// - The new file keeps the old file's permission bits (and, where the system
//   allows it, its owner and group); a file that did not exist gets the usual
//   permissions of a new file.
// - A symbolic link is followed: the file it points to is replaced, and the
//   link stays.
// - A file that may not be written (no write permission) is refused as it
//   would be when written in place.
//
// Throws TIoError naming path, the step that failed and the system's reason.
// After a failure the old file is untouched and no temporary file is left.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Test seam: makes saves fail at one step of the atomic write, as a full disk,
// a failing device or a vanished folder would, so that tests can show nothing
// is lost whichever step fails. Nothing but tests sets it.
namespace AtomicFileFaults {

enum class TStep { Create, Write, Flush, Rename };

// Every save from now on fails at step, until FailAt(std::nullopt).
void FailAt(std::optional<TStep> step);

// For the atomic write: true (with errno set to EIO) when step is to fail.
bool Fails(TStep step);

}  // namespace AtomicFileFaults
