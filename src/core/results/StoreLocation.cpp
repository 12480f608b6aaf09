#include "core/results/StoreLocation.h"

#include "core/results/PostgresDatabase.h"
#include "core/storage/IoError.h"

TOpenedStore OpenStoreAt(const std::string& location, const std::string& testFolder,
                         const std::string& userDataFolder) {
  if (location.empty()) return OpenResultsStore(testFolder, userDataFolder);
  if (!Postgres::IsUrl(location)) {
    const std::size_t scheme = location.find("://");
    throw TIoError(scheme == std::string::npos ? location : location.substr(0, scheme + 3),
                   "Cannot open the results store",
                   "a store is the address of a PostgreSQL database (postgresql://...), or left out for the "
                   "test folder's " +
                       std::string(ResultsFileName));
  }
  TOpenedStore opened;
  opened.Store = std::make_unique<TResultsStore>(Postgres::Open(location));
  opened.Path = opened.Store->Name();
  return opened;
}
