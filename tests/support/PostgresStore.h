#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "core/results/PostgresDatabase.h"
#include "core/results/StoreLocation.h"
#include "support/TempDir.h"

// The results store on each of its databases. The PostgreSQL server is the
// test run's own: tests/postgres/with-postgres.sh starts one and names it in
// QUIZWELL_TEST_POSTGRES. Without it the PostgreSQL cases skip, except under
// CI (CI set and not "false"), where they fail: CI never passes for want of a
// server.
namespace TestPostgres {

inline std::string ServerUrl() {
  const char* url = std::getenv("QUIZWELL_TEST_POSTGRES");
  return url ? url : "";
}

inline bool UnderCi() {
  const char* ci = std::getenv("CI");
  return ci && *ci && std::string(ci) != "false" && std::string(ci) != "0";
}

// A schema of its own on the test server for one test, so tests run side by
// side on one server; dropped with everything in it at the end.
class TSchema {
public:
  TSchema() : Admin(Postgres::Open(ServerUrl())) {
    std::random_device random;
    Name = "test_" + std::to_string(random()) + std::to_string(random());
    Admin->Execute("CREATE SCHEMA " + Name);
  }
  ~TSchema() {
    try {
      Admin->Execute("DROP SCHEMA " + Name + " CASCADE");
    } catch (...) {
    }
  }
  TSchema(const TSchema&) = delete;
  TSchema& operator=(const TSchema&) = delete;

  // The server's address with this schema as the place to make and find
  // tables.
  std::string Url() const {
    const std::string server = ServerUrl();
    return server + (server.find('?') == std::string::npos ? "?" : "&") + "options=-csearch_path%3D" + Name;
  }
  const std::string& SchemaName() const { return Name; }

private:
  std::unique_ptr<TDatabase> Admin;
  std::string Name;
};

}  // namespace TestPostgres

enum class TStoreBackend { Sqlite, Postgres };

inline std::string BackendName(const testing::TestParamInfo<TStoreBackend>& info) {
  return info.param == TStoreBackend::Sqlite ? "Sqlite" : "Postgres";
}
inline void PrintTo(TStoreBackend backend, std::ostream* out) {
  *out << (backend == TStoreBackend::Sqlite ? "Sqlite" : "Postgres");
}

// A test run on each store: a fresh test folder and, on PostgreSQL, a fresh
// schema. Instantiate with
//   INSTANTIATE_TEST_SUITE_P(Each, Suite, testing::Values(TStoreBackend::Sqlite,
//                            TStoreBackend::Postgres), BackendName);
class TStoreBackendTest : public testing::TestWithParam<TStoreBackend> {
protected:
  void SetUp() override {
    if (GetParam() != TStoreBackend::Postgres) return;
    if (TestPostgres::ServerUrl().empty()) {
      if (TestPostgres::UnderCi())
        FAIL() << "QUIZWELL_TEST_POSTGRES is not set: run the tests through tests/postgres/with-postgres.sh";
      GTEST_SKIP() << "no PostgreSQL server: run through tests/postgres/with-postgres.sh to test on one";
    }
    Schema.emplace();
  }

  // "" for the test folder's file, or the address of the test's schema.
  std::string Location() const { return Schema ? Schema->Url() : std::string(); }
  // Opens the store (again: each call is a connection of its own).
  TOpenedStore Open() { return OpenStoreAt(Location(), Dir.Path().string(), Dir.File("data")); }

  TTempDir Dir;
  std::optional<TestPostgres::TSchema> Schema;
};
