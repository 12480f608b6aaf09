#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/Attempt.h"

class TResultsStore;

// One attempt as a small file of its own, for a results folder that many
// machines write into and the maker collects from (the format:
// docs/results-files.md). The file is UTF-8 text, one record per line, and
// ends with a check line, so a truncated or altered file is refused whole.

// A file that is not a whole attempt file: what() says why.
class TAttemptFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

namespace AttemptFile {

inline constexpr std::string_view Extension = ".qwr";
inline constexpr int FormatVersion = 1;
// Far above any real attempt (500 questions of long texts fit in 2 MB).
inline constexpr std::size_t MaxBytes = 4 * 1024 * 1024;

// The attempt's file text. Deterministic: the same attempt, the same bytes.
// Throws std::invalid_argument for an attempt AttemptProblem refuses.
std::string Format(const TAttempt& attempt);

// The content id of an attempt file: the digest its check line carries, the
// same for every copy of it. The store keeps it, so each attempt is stored
// once however often its file is met.
std::string ContentId(const TAttempt& attempt);

struct TParsed {
  TAttempt Attempt;
  std::string ContentId;
};

// Reads a file's bytes. Throws TAttemptFileError when they are more than
// MaxBytes, hold a NUL byte or are not UTF-8 ("binary"), do not begin with
// the format's first line (another kind of file), come from a newer format,
// lack their check line or do not match it (truncated or altered), or when a
// line or the attempt itself is malformed (naming the line).
TParsed Parse(std::string_view bytes);

// The file name for attempt: "<machine>-<YYYYMMDD-hhmmss>-<8 hex>.qwr",
// the machine name reduced to letters, digits, '-' and '_', the time from
// Ended, the hex digits from the attempt's id.
std::string FileName(const TAttempt& attempt);

// Writes attempt into folder atomically (written, flushed, renamed) and
// returns its path. Throws TIoError when the folder cannot be written.
std::string Write(const std::string& folder, const TAttempt& attempt);

}  // namespace AttemptFile

namespace ResultsFolder {

// What collecting a folder did.
struct TRefusal {
  std::string File;
  std::string Reason;
};

struct TCollected {
  int Added = 0;                  // new attempts stored
  int Known = 0;                  // files of attempts already stored (seen before, or copies)
  std::vector<TRefusal> Refused;  // left in place, never deleted
};

// How many files one transaction takes in, unless told otherwise.
inline constexpr std::size_t BatchSize = 200;

// Stores every attempt file (*.qwr) of folder not yet in store, in name
// order, a batch of files per transaction: a file is either wholly stored or
// not at all, and each attempt is stored once however often collecting runs,
// by however many programs at once. A file stored before is not read again
// while its name, size and time stay as they were (the store notes them,
// CollectedFiles). Files are only read. A damaged or
// foreign file is listed with its reason. Throws TIoError when the folder
// cannot be listed or the store cannot be written.
TCollected Collect(const std::string& folder, TResultsStore& store, std::size_t batchSize = BatchSize);

// The attempt files queued in queueFolder are moved into resultsFolder, each
// written there before it leaves the queue. Returns how many were sent; stops
// at the first that cannot be written (they wait for the next time).
int SendQueued(const std::string& queueFolder, const std::string& resultsFolder);

}  // namespace ResultsFolder
