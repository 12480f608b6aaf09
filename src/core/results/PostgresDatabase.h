#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/results/Database.h"

// The PostgreSQL adapter: one libpq connection to one database server, which
// several classroom servers may share. '?' parameters are sent as $1, $2...
// in text form; text travels as UTF-8 whatever the database's own encoding.
// Transactions run at READ COMMITTED, side by side with other connections:
// the store resolves conflicting inserts with ON CONFLICT, and LockSchema
// serialises schema changes with an advisory lock. A connection lost between
// transactions is made again at the next statement.

namespace Postgres {

// Whether location is a server address: it starts with "postgresql://" or
// "postgres://".
bool IsUrl(std::string_view location);

// The address as it may be shown: scheme, user, host, port and database,
// without a password or other parameters.
std::string ShownName(const std::string& url);

// Connects to the server at url (a libpq connection URI; the server is asked
// to wait at most 10 seconds unless url says otherwise). Throws TIoError
// naming the server (never its password) and the server's or libpq's reason
// when the connection fails.
std::unique_ptr<TDatabase> Open(const std::string& url);

}  // namespace Postgres
