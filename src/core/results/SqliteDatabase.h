#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/results/Database.h"

// The SQLite adapter: one connection to one file, in WAL mode with full
// synchronisation at each commit, waiting up to BusyMilliseconds for another
// program's lock before giving up with a message that says so.

class TSqliteDamaged : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

namespace Sqlite {

inline constexpr int BusyMilliseconds = 5000;

// Opens (creating when missing) the database file at path and checks it with
// PRAGMA quick_check. Throws TSqliteDamaged when the file is not a database
// or the check finds damage (nothing was written to it), TIoError for every
// other failure (a folder that cannot be written, a lock held too long).
// busyMilliseconds replaces BusyMilliseconds (for tests).
std::unique_ptr<TDatabase> Open(const std::string& path, int busyMilliseconds = BusyMilliseconds);

}  // namespace Sqlite
