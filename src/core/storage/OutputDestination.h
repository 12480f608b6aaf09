#pragma once

#include <optional>
#include <string>
#include <vector>

// The one rule for where a command or a window may write a file it makes, so
// that no output option can destroy the test, its answers or its results.

// The kinds of file told apart where an output is to go.
enum class TFileKind {
  Other,     // anything else: text, CSV, PDF, an archive
  Test,      // a test file (named *.QWT, in any case)
  Database,  // an SQLite database or its write-ahead log
};

// What stands at path: a regular file's name and first bytes decide, and
// anything else (nothing, a device, a pipe) is Other. Nothing but a regular
// file is ever opened.
TFileKind KindOfFile(const std::string& path);

// A file about to be written.
struct TOutput {
  std::string Path;
  TFileKind Writes = TFileKind::Other;
  // The files it is made from: never written over.
  std::vector<std::string> Inputs;
  // Files it may replace only when forced: a results store and its -wal and
  // -shm files, whether they exist yet or not.
  std::vector<std::string> Protected;
};

enum class TOutputProblem {
  NotAFile,   // a folder, a block device or a socket stands there
  Input,      // it is one of the inputs
  Protected,  // it is one of the protected files
  OtherKind,  // a test or a database stands there, and something else is written
};

struct TOutputRefusal {
  TOutputProblem Problem;
  std::string Reason;  // a sentence's end for the user: "it is the results store ..."
  // Whether the user may insist (qwtool's --force); NotAFile and Input never.
  bool Forcible = false;
  std::string File;  // the input or protected file it is, as given
};

// Why output may not be written, or nothing when it may. Files are compared by
// identity (device and inode), so other spellings and links of a path are
// caught; a file not there yet is compared by its folder's identity and its
// name. A character device or FIFO may be written (in place, see
// ReplaceFileAtomically). Throws TIoError when a file cannot be looked at.
std::optional<TOutputRefusal> OutputRefusal(const TOutput& output);
