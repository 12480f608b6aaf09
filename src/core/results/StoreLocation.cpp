#include "core/results/StoreLocation.h"

#include <filesystem>

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

std::vector<std::string> StoreFilesBeside(const std::string& path, const std::string& userDataFolder) {
  const std::string parent = std::filesystem::path(path).parent_path().string();
  const std::string folder = parent.empty() ? std::string(".") : parent;
  const std::string store =
      ResultsLocation::StorePath(folder, userDataFolder, ResultsLocation::IsNetworkFolder(folder));
  return {store, store + "-wal", store + "-shm"};
}
