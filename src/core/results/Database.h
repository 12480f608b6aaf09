#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The narrow seam between the results store and a SQL database: statements
// with positional parameters ('?'), one transaction at a time. The store
// writes portable SQL only (what SQLite and PostgreSQL both read: ON CONFLICT,
// RETURNING); each adapter maps it onto its own library and owns its dialect
// (pragmas, locking, the type of a key the database numbers). Every failure
// throws TIoError naming the database and the reason.

class TStatement {
public:
  virtual ~TStatement() = default;
  // Parameters are numbered from 1; binding clears the previous row.
  virtual void Bind(int index, std::int64_t value) = 0;
  virtual void Bind(int index, std::string_view text) = 0;
  virtual void BindNull(int index) = 0;
  // Runs on to the next row: true while a row is there.
  virtual bool Step() = 0;
  // Columns of the current row, from 0. A NULL reads as 0 or "".
  virtual std::int64_t Int(int column) const = 0;
  virtual std::string Text(int column) const = 0;
  virtual bool IsNull(int column) const = 0;
  // Ready to run again with new parameters.
  virtual void Reset() = 0;
};

class TDatabase {
public:
  virtual ~TDatabase() = default;
  virtual std::unique_ptr<TStatement> Prepare(std::string_view sql) = 0;
  // Runs statements that take no parameters and return no rows.
  virtual void Execute(std::string_view sql) = 0;
  // Whether a table of that name exists (each database lists its tables in
  // its own way).
  virtual bool HasTable(std::string_view name) = 0;
  // A write transaction. SQLite takes its one write lock before anything is
  // read, so two writers queue; a server lets them run side by side, so every
  // insert that two writers could both make names its conflict (ON CONFLICT).
  // Commit makes it durable or throws; Rollback forgets it.
  virtual void Begin() = 0;
  // A write transaction whose commit must survive the end of the program at
  // any moment, though perhaps not a power cut: for rows rewritten moments
  // later, where waiting for the disk each time costs too much. A plain
  // Begin unless the database offers a cheaper commit.
  virtual void BeginForProcess() { Begin(); }
  virtual void Commit() = 0;
  virtual void Rollback() = 0;
  // Within a transaction that changes the schema: waits while another
  // connection changes it and keeps the others waiting until this transaction
  // ends, so two programs starting at once never both create a table.
  virtual void LockSchema() = 0;
  // The column definition of a key the database numbers itself when a row is
  // inserted without it (ids only grow; read the new one with RETURNING).
  virtual std::string_view AutoKey() const = 0;
  // The file or address, for messages.
  virtual const std::string& Name() const = 0;
};

// Rolls the transaction back unless Commit() was called.
class TTransaction {
public:
  explicit TTransaction(TDatabase& database) : Database(database) { Database.Begin(); }
  struct TForProcess {};
  TTransaction(TDatabase& database, TForProcess) : Database(database) { Database.BeginForProcess(); }
  ~TTransaction() {
    if (Open) {
      try {
        Database.Rollback();
      } catch (...) {
      }
    }
  }
  TTransaction(const TTransaction&) = delete;
  TTransaction& operator=(const TTransaction&) = delete;
  void Commit() {
    Database.Commit();
    Open = false;
  }

private:
  TDatabase& Database;
  bool Open = true;
};
