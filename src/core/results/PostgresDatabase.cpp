#include "core/results/PostgresDatabase.h"

#include <libpq-fe.h>

#include <charconv>
#include <optional>
#include <vector>

#include "core/storage/IoError.h"

namespace {

constexpr const char* UseAction = "Cannot use the results store";

// libpq's message as one line: its lines (a reason, then hints) joined by
// "; ".
std::string Trimmed(const char* message) {
  std::string text;
  bool lineBreak = false;
  for (const char* c = message ? message : ""; *c; ++c) {
    if (*c == '\n') {
      lineBreak = true;
    } else if (lineBreak && (*c == '\t' || *c == ' ')) {
      continue;
    } else {
      if (lineBreak && !text.empty()) text += "; ";
      lineBreak = false;
      text += *c;
    }
  }
  return text.empty() ? std::string("the server gave no reason") : text;
}

// '?' outside quotes and comments becomes $1, $2, ... in order.
std::string Numbered(std::string_view sql) {
  std::string out;
  out.reserve(sql.size() + 16);
  int next = 1;
  for (std::size_t i = 0; i < sql.size(); ++i) {
    const char c = sql[i];
    if (c == '\'' || c == '"') {
      const std::size_t end = sql.find(c, i + 1);
      const std::size_t stop = end == std::string_view::npos ? sql.size() : end + 1;
      out.append(sql.substr(i, stop - i));
      i = stop - 1;  // a doubled quote starts a new quoted run at once
    } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      const std::size_t end = sql.find('\n', i);
      const std::size_t stop = end == std::string_view::npos ? sql.size() : end;
      out.append(sql.substr(i, stop - i));
      i = stop - 1;
    } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
      const std::size_t end = sql.find("*/", i + 2);
      const std::size_t stop = end == std::string_view::npos ? sql.size() : end + 2;
      out.append(sql.substr(i, stop - i));
      i = stop - 1;
    } else if (c == '?') {
      out += '$' + std::to_string(next++);
    } else {
      out += c;
    }
  }
  return out;
}

class TPostgresDatabase;

class TPostgresStatement final : public TStatement {
public:
  TPostgresStatement(TPostgresDatabase& database, std::string sql)
      : Database(database), Sql(std::move(sql)) {}
  ~TPostgresStatement() override { Clear(); }

  void Bind(int index, std::int64_t value) override { Set(index, std::to_string(value)); }
  void Bind(int index, std::string_view text) override { Set(index, std::string(text)); }
  void BindNull(int index) override { Set(index, std::nullopt); }
  bool Step() override;
  std::int64_t Int(int column) const override {
    if (!HasRow()) return 0;
    const char* text = PQgetvalue(Result, Row, column);
    if (text[0] == 't' || text[0] == 'f') return text[0] == 't';  // a boolean
    std::int64_t value = 0;
    std::from_chars(text, text + PQgetlength(Result, Row, column), value);
    return value;
  }
  std::string Text(int column) const override {
    if (!HasRow()) return {};
    return std::string(PQgetvalue(Result, Row, column), PQgetlength(Result, Row, column));
  }
  bool IsNull(int column) const override { return !HasRow() || PQgetisnull(Result, Row, column); }
  void Reset() override {
    Clear();
    Parameters.clear();
  }

private:
  void Set(int index, std::optional<std::string> value) {
    Clear();
    if (index < 1) return;
    if (Parameters.size() < static_cast<std::size_t>(index)) Parameters.resize(index);
    Parameters[index - 1] = std::move(value);
  }
  void Clear() {
    if (Result) PQclear(Result);
    Result = nullptr;
    Row = -1;
  }
  bool HasRow() const { return Result && Row >= 0 && Row < PQntuples(Result); }

  TPostgresDatabase& Database;
  std::string Sql;
  std::vector<std::optional<std::string>> Parameters;
  PGresult* Result = nullptr;
  int Row = -1;
};

class TPostgresDatabase final : public TDatabase {
public:
  explicit TPostgresDatabase(const std::string& url) : Shown(Postgres::ShownName(url)) {
    // Later entries override the address's own; earlier ones are defaults.
    const char* keywords[] = {"connect_timeout", "application_name", "dbname", "client_encoding", nullptr};
    const char* values[] = {"10", "quizwell", url.c_str(), "UTF8", nullptr};
    Connection = PQconnectdbParams(keywords, values, 1);
    if (!Connection) throw TIoError(Shown, "Cannot open the results store", "out of memory");
    if (PQstatus(Connection) != CONNECTION_OK) {
      const std::string reason = Trimmed(PQerrorMessage(Connection));
      PQfinish(Connection);
      Connection = nullptr;
      throw TIoError(Shown, "Cannot open the results store", reason);
    }
    // Notices (a table dropped with others, an index made) are not the
    // user's business.
    PQsetNoticeProcessor(
        Connection, [](void*, const char*) {}, nullptr);
  }
  ~TPostgresDatabase() override { PQfinish(Connection); }

  std::unique_ptr<TStatement> Prepare(std::string_view sql) override {
    return std::make_unique<TPostgresStatement>(*this, Numbered(sql));
  }
  void Execute(std::string_view sql) override { PQclear(Check(Run(std::string(sql), {}))); }
  bool HasTable(std::string_view name) override {
    auto find = Prepare(
        "SELECT COUNT(*) FROM pg_catalog.pg_class c JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
        " WHERE c.relkind IN ('r', 'p') AND c.relname = ? AND n.nspname = current_schema()");
    find->Bind(1, name);
    find->Step();
    return find->Int(0) > 0;
  }
  void Begin() override {
    Execute("BEGIN");
    InTransaction = true;
  }
  void Commit() override {
    InTransaction = false;
    PGresult* result = Check(Run("COMMIT", {}));
    // A transaction that failed earlier ends in a rollback, reported as success.
    const std::string status = PQcmdStatus(result);
    PQclear(result);
    if (status != "COMMIT")
      throw TIoError(Shown, UseAction, "the server rolled the transaction back; nothing of it was stored");
  }
  void Rollback() override {
    InTransaction = false;
    if (PQstatus(Connection) == CONNECTION_OK && PQtransactionStatus(Connection) != PQTRANS_IDLE)
      Execute("ROLLBACK");
  }
  void LockSchema() override {
    // Per schema, so stores kept side by side in one database do not wait on
    // each other.
    Execute("SELECT pg_advisory_xact_lock(20261208, hashtext(current_schema()))");
  }
  std::string_view AutoKey() const override { return "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"; }
  const std::string& Name() const override { return Shown; }

  // Runs sql with parameters; the result, whatever its status.
  PGresult* Run(const std::string& sql, const std::vector<std::optional<std::string>>& parameters) {
    // A connection lost between transactions is made again; within one, the
    // transaction is lost and the statement fails.
    if (PQstatus(Connection) != CONNECTION_OK && !InTransaction) PQreset(Connection);
    std::vector<const char*> values;
    values.reserve(parameters.size());
    for (const auto& parameter : parameters) values.push_back(parameter ? parameter->c_str() : nullptr);
    PGresult* result = parameters.empty()
                           ? PQexec(Connection, sql.c_str())
                           : PQexecParams(Connection, sql.c_str(), static_cast<int>(values.size()), nullptr,
                                          values.data(), nullptr, nullptr, 0);
    if (!result) throw TIoError(Shown, UseAction, Trimmed(PQerrorMessage(Connection)));
    return result;
  }
  // The result when it succeeded (the caller clears it); otherwise throws.
  PGresult* Check(PGresult* result) {
    const ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return result;
    // The server's sentence alone, without "ERROR:" and its context lines.
    const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    std::string reason = Trimmed(primary ? primary : PQresultErrorMessage(result));
    if (status != PGRES_FATAL_ERROR) reason = std::string("unexpected reply ") + PQresStatus(status);
    PQclear(result);
    throw TIoError(Shown, UseAction, reason);
  }

private:
  std::string Shown;
  PGconn* Connection = nullptr;
  bool InTransaction = false;
};

bool TPostgresStatement::Step() {
  if (Result) {
    if (HasRow() && ++Row < PQntuples(Result)) return true;
    Clear();  // done: the next Step runs the statement again
    return false;
  }
  Result = Database.Check(Database.Run(Sql, Parameters));
  Row = 0;
  if (HasRow()) return true;
  Clear();
  return false;
}

// "user:password@" cut from a URL that does not parse.
std::string WithoutPassword(const std::string& url) {
  std::string shown = url.substr(0, url.find('?'));
  const std::size_t start = shown.find("://");
  const std::size_t at = shown.find('@', start == std::string::npos ? 0 : start);
  if (start != std::string::npos && at != std::string::npos) {
    const std::size_t colon = shown.find(':', start + 3);
    if (colon != std::string::npos && colon < at) shown.erase(colon, at - colon);
  }
  return shown;
}

}  // namespace

namespace Postgres {

bool IsUrl(std::string_view location) {
  return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::string ShownName(const std::string& url) {
  char* error = nullptr;
  PQconninfoOption* options = PQconninfoParse(url.c_str(), &error);
  if (!options) {
    if (error) PQfreemem(error);
    return WithoutPassword(url);
  }
  std::string user, host, port, database;
  for (const PQconninfoOption* option = options; option->keyword; ++option) {
    if (!option->val) continue;
    const std::string keyword = option->keyword;
    if (keyword == "user") user = option->val;
    if (keyword == "host" || (keyword == "hostaddr" && host.empty())) host = option->val;
    if (keyword == "port") port = option->val;
    if (keyword == "dbname") database = option->val;
  }
  PQconninfoFree(options);
  if (host.find(':') != std::string::npos && host.find(',') == std::string::npos) host = "[" + host + "]";
  return "postgresql://" + (user.empty() ? "" : user + "@") + host + (port.empty() ? "" : ":" + port) +
         (database.empty() ? "" : "/" + database);
}

std::unique_ptr<TDatabase> Open(const std::string& url) {
  return std::make_unique<TPostgresDatabase>(url);
}

}  // namespace Postgres
