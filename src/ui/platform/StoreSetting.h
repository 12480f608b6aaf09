#pragma once

#include <QString>

// Where the maker's windows keep results, as the teacher set it once for all
// of them (the classroom and the Results window): empty for each test
// folder's own Results.sqlite, or the address of a PostgreSQL database. Kept
// with the maker's other per-user options under the user's configuration
// folder.
QString SavedResultsStore();
void SaveResultsStore(const QString& location);
