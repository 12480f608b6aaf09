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
// from the start. A save never lists its folder, so it costs the same however
// many files lie beside it; a name left by a killed save is removed by
// RemoveSaveLeftovers.
//
// - The new file keeps the old file's permission bits (and, where the system
//   allows it, its owner and group); a file that did not exist gets the usual
//   permissions of a new file.
// - A symbolic link is followed: the file it points to is replaced, and the
//   link stays.
// - A file that may not be written (no write permission) is refused as it
//   would be when written in place.
// - A character device or a FIFO standing at path (/dev/null, /dev/stdout
//   on a pipe) is written into in place, and stays what it is; anything else
//   that is not a regular file (a folder, a block device, a socket) is
//   refused.
//
// Throws TIoError naming path, the step that failed and the system's reason.
// After a failure the old file is untouched and no temporary file is left.
void ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes from folder the temporary names left by saves that were killed
// before their rename, once their process is gone; a live process's file and
// every other name are left alone. It reads the whole folder, so the INI
// store calls it after each save (tests and settings lie in small folders),
// and nothing calls it for the results folder, which grows all term and is
// shared between machines whose processes this one cannot see.
void RemoveSaveLeftovers(const std::string& folder);

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
