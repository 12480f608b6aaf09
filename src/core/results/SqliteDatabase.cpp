#include "core/results/SqliteDatabase.h"

#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/storage/IoError.h"

namespace {

std::string Reason(sqlite3* db, int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "the results store is in use by another program; try again when it is done";
    case SQLITE_FULL:
      return "the disk is full";
    case SQLITE_READONLY:
      return "the store or its folder may not be written";
    case SQLITE_CANTOPEN:
      return "the file cannot be opened or made there";
    case SQLITE_IOERR:
      return std::string("the disk reported an error (") + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code)) +
             ")";
    default:
      return db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  }
}

bool IsDamage(int code) {
  return (code & 0xFF) == SQLITE_CORRUPT || (code & 0xFF) == SQLITE_NOTADB;
}

class TSqliteStatement final : public TStatement {
public:
  TSqliteStatement(sqlite3* db, sqlite3_stmt* statement, const std::string& name)
      : Db(db), Handle(statement), Name(name) {}
  ~TSqliteStatement() override { sqlite3_finalize(Handle); }

  void Bind(int index, std::int64_t value) override { Check(sqlite3_bind_int64(Handle, index, value)); }
  void Bind(int index, std::string_view text) override {
    Check(sqlite3_bind_text(Handle, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
  }
  void BindNull(int index) override { Check(sqlite3_bind_null(Handle, index)); }
  bool Step() override {
    const int code = sqlite3_step(Handle);
    if (code == SQLITE_ROW) return true;
    if (code == SQLITE_DONE) return false;
    sqlite3_reset(Handle);
    if (IsDamage(code)) throw TSqliteDamaged(Name + ": " + sqlite3_errstr(code));
    throw TIoError(Name, "Cannot use the results store", Reason(Db, code));
  }
  std::int64_t Int(int column) const override { return sqlite3_column_int64(Handle, column); }
  std::string Text(int column) const override {
    const auto* text = sqlite3_column_text(Handle, column);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(Handle, column))
                : std::string();
  }
  bool IsNull(int column) const override { return sqlite3_column_type(Handle, column) == SQLITE_NULL; }
  void Reset() override {
    sqlite3_reset(Handle);
    sqlite3_clear_bindings(Handle);
  }

private:
  void Check(int code) {
    if (code != SQLITE_OK) throw TIoError(Name, "Cannot use the results store", Reason(Db, code));
  }
  sqlite3* Db;
  sqlite3_stmt* Handle;
  const std::string& Name;
};

class TSqliteDatabase final : public TDatabase {
public:
  // name is the path, or a file: URI where flags hold SQLITE_OPEN_URI; Path
  // is the path either way, for messages.
  TSqliteDatabase(std::string path, const std::string& name, int flags, int busyMilliseconds)
      : Path(std::move(path)) {
    const int code = sqlite3_open_v2(name.c_str(), &Db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
      const std::string reason = Reason(Db, code);
      sqlite3_close(Db);
      Db = nullptr;
      if (IsDamage(code)) throw TSqliteDamaged(Path + ": " + reason);
      throw TIoError(Path, "Cannot open the results store", reason);
    }
    sqlite3_busy_timeout(Db, busyMilliseconds);
  }
  ~TSqliteDatabase() override { sqlite3_close(Db); }

  std::unique_ptr<TStatement> Prepare(std::string_view sql) override {
    sqlite3_stmt* statement = nullptr;
    const int code = sqlite3_prepare_v2(Db, sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
    if (code != SQLITE_OK) {
      if (IsDamage(code)) throw TSqliteDamaged(Path + ": " + sqlite3_errstr(code));
      throw TIoError(Path, "Cannot use the results store", Reason(Db, code));
    }
    return std::make_unique<TSqliteStatement>(Db, statement, Path);
  }
  void Execute(std::string_view sql) override {
    char* message = nullptr;
    const int code = sqlite3_exec(Db, std::string(sql).c_str(), nullptr, nullptr, &message);
    if (message) sqlite3_free(message);
    if (code == SQLITE_OK) return;
    if (IsDamage(code)) throw TSqliteDamaged(Path + ": " + sqlite3_errstr(code));
    throw TIoError(Path, "Cannot use the results store", Reason(Db, code));
  }
  bool HasTable(std::string_view name) override {
    auto find = Prepare("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
    find->Bind(1, name);
    find->Step();
    return find->Int(0) > 0;
  }
  // IMMEDIATE takes the write lock at once, so two importers queue instead of
  // failing halfway through.
  void Begin() override { Execute("BEGIN IMMEDIATE"); }
  // In WAL mode, synchronous=NORMAL leaves the commit in the log without
  // waiting for the disk: the operating system keeps it when the program
  // ends. Without WAL, NORMAL could damage the file in a power cut, so the
  // commit stays a full one. The level cannot change inside a transaction.
  void BeginForProcess() override {
    if (Wal) {
      Execute("PRAGMA synchronous=NORMAL");
      Relaxed = true;
    }
    try {
      Begin();
    } catch (...) {
      Restore();
      throw;
    }
  }
  void Commit() override {
    Execute("COMMIT");
    Restore();
  }
  void Rollback() override {
    if (!sqlite3_get_autocommit(Db)) Execute("ROLLBACK");
    Restore();
  }
  // BEGIN IMMEDIATE holds the only write lock already.
  void LockSchema() override {}
  // A rowid alias: the largest id so far plus one.
  std::string_view AutoKey() const override { return "INTEGER NOT NULL PRIMARY KEY"; }
  const std::string& Name() const override { return Path; }

  bool Wal = false;  // whether the log is in WAL mode

private:
  // Every commit but those of BeginForProcess waits for the disk.
  void Restore() {
    if (!Relaxed) return;
    Relaxed = false;
    Execute("PRAGMA synchronous=FULL");
  }
  bool Relaxed = false;
  std::string Path;
  sqlite3* Db = nullptr;
};

// Reads the file's header and its schema, which every statement needs: a
// file that is no database, or whose schema is damaged, fails here. Pages
// further in are checked only when read, so opening costs the same whatever
// the store holds.
void CheckReadable(TDatabase& database) {
  auto schema = database.Prepare("SELECT COUNT(*) FROM sqlite_master");
  schema->Step();
}

// Memory-mapped pages of a file the disk can no longer back kill the
// program (SIGBUS) when touched: the store is read and written through
// plain reads and writes only, whatever the library was built with.
void UnmappedPages(TDatabase& database) {
  database.Execute("PRAGMA mmap_size=0");
}

// path as the path of a file: URI, with the characters a URI gives a
// meaning to escaped.
std::string UriPath(const std::string& path) {
  std::string uri;
  for (const char c : path) {
    if (c == '%' || c == '?' || c == '#') {
      static constexpr char Hex[] = "0123456789ABCDEF";
      uri += '%';
      uri += Hex[static_cast<unsigned char>(c) >> 4];
      uri += Hex[static_cast<unsigned char>(c) & 0xF];
    } else {
      uri += c;
    }
  }
  return uri;
}

bool IsWritableFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

}  // namespace

namespace Sqlite {

std::unique_ptr<TDatabase> Open(const std::string& path, int busyMilliseconds) {
  auto database = std::make_unique<TSqliteDatabase>(path, path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                                    busyMilliseconds);
  UnmappedPages(*database);
  CheckReadable(*database);
  // Turning a new file to WAL needs it alone, and SQLite answers "locked" at
  // once rather than waiting when another program opens the same new file
  // in that moment: wait for it as for any lock.
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(busyMilliseconds);
  for (;;) {
    try {
      if (auto wal = database->Prepare("PRAGMA journal_mode=WAL"); wal->Step())
        database->Wal = wal->Text(0) == "wal";
      break;
    } catch (const TIoError&) {
      if (std::chrono::steady_clock::now() >= until) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  database->Execute("PRAGMA synchronous=FULL");
  return database;
}

std::unique_ptr<TDatabase> OpenForReading(const std::string& path, int busyMilliseconds) {
  try {
    auto database = std::make_unique<TSqliteDatabase>(path, path, SQLITE_OPEN_READONLY, busyMilliseconds);
    UnmappedPages(*database);
    CheckReadable(*database);
    return database;
  } catch (const TIoError&) {
    // Reading a store in WAL mode needs its shared-memory file, which a
    // folder or mount that may not be written cannot hold: the file is then
    // read as it stands, as no program can change it there either.
    if (IsWritableFolderOf(path)) throw;
  }
  auto database = std::make_unique<TSqliteDatabase>(path, "file:" + UriPath(path) + "?immutable=1",
                                                    SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, busyMilliseconds);
  UnmappedPages(*database);
  CheckReadable(*database);
  return database;
}

}  // namespace Sqlite
