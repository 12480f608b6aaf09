#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/results/Database.h"

// The SQLite adapter: one connection to one file, in WAL mode with full
// synchronisation at each commit (or read only), waiting up to BusyMilliseconds for another
// program's lock before giving up with a message that says so.

class TSqliteDamaged : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

namespace Sqlite {

inline constexpr int BusyMilliseconds = 5000;

// Opens (creating when missing) the database file at path to read and
// write it, and reads its header and schema: the rest of its pages are
// checked as they are read, so opening never waits on the store's size.
// Throws TSqliteDamaged when the file is not a database or its schema is
// damaged (nothing was written to it), and whenever a statement meets a
// damaged page later; TIoError for every other failure (a folder that cannot
// be written, a lock held too long, a full disk). busyMilliseconds replaces
// BusyMilliseconds (for tests).
std::unique_ptr<TDatabase> Open(const std::string& path, int busyMilliseconds = BusyMilliseconds);

// Opens the existing database file at path to read it only: nothing is
// created, migrated or written. In a folder or on a mount that may not be
// written, where the store's shared-memory file cannot be made, the file is
// read as it stands (what a log beside it holds is not seen). Throws as Open
// does; TIoError when the file is missing.
std::unique_ptr<TDatabase> OpenForReading(const std::string& path, int busyMilliseconds = BusyMilliseconds);

}  // namespace Sqlite
