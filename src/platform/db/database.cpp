// Opening, creating and querying SQLite database files; transactions.

#include "platform/db/database.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "platform/db/statement.h"

namespace tolvar::db {

namespace {

namespace fs = std::filesystem;

constexpr int kBusyTimeoutMs = 2000;

std::unique_ptr<Database> Fail(std::string* error, std::string reason) {
  if (error != nullptr) *error = std::move(reason);
  return nullptr;
}

// Opens with `flags`; on failure closes the handle and gives SQLite's message.
sqlite3* OpenHandle(const std::string& path, int flags, std::string* reason) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_extended_result_codes(db, 1);
    return db;
  }
  *reason = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
  sqlite3_close(db);
  return nullptr;
}

// Runs a statement and ignores any rows it gives; false on failure.
bool RunPragma(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::set<std::string>& Blocked() {
  static std::set<std::string> files;
  return files;
}

// The same file under any spelling of its path.
std::string FileKey(const std::string& path) {
  std::error_code ec;
  const fs::path canonical = fs::weakly_canonical(fs::path(path), ec);
  return ec ? fs::path(path).lexically_normal().string() : canonical.string();
}

DamageReporter& Reporter() {
  static DamageReporter reporter = nullptr;
  return reporter;
}

// A big-endian number of `n` bytes at `at` of the header.
uint32_t BigEndian(const std::array<unsigned char, 100>& header, std::size_t at, std::size_t n) {
  uint32_t value = 0;
  for (std::size_t i = 0; i < n; ++i) value = (value << 8) | header[at + i];
  return value;
}

constexpr std::string_view kMalformed = "database disk image is malformed";

// The first `n` bytes of the file at `path`; fewer when it is shorter or cannot be read.
std::string Anfang(const std::string& path, std::size_t n) {
  std::string bytes(n, '\0');
  std::ifstream in(path, std::ios::binary);
  in.read(bytes.data(), static_cast<std::streamsize>(n));
  bytes.resize(in ? n : static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

// A journal beside the file that the engine plays back on the next read: a rollback journal
// that begins with the journal's magic number, or a write-ahead log with the log's magic
// number and at least one frame after its header. An empty journal, one whose header was
// zeroed when its transaction ended, or any other file is no such journal.
bool HotJournal(const std::string& path) {
  constexpr std::string_view kJournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
  if (Anfang(path + "-journal", kJournalMagic.size()) == kJournalMagic) return true;
  constexpr std::size_t kWalHeader = 32;
  const std::string wal = Anfang(path + "-wal", kWalHeader + 1);
  return wal.size() > kWalHeader && wal.compare(0, 3, std::string_view("\x37\x7f\x06", 3)) == 0 &&
         (wal[3] == '\x82' || wal[3] == '\x83');
}

// More statements than one procedure uses on one database: beyond this the cache starts again.
constexpr std::size_t kCachedStatements = 64;

}  // namespace

// ---------------------------------------------------------------- opening

Database::~Database() {
  if (db_ == nullptr) return;
  for (const auto& [sql, stmt] : statements_) sqlite3_finalize(stmt);
  statements_.clear();
  // Other statements are owned by their callers and already finalized; this catches any left.
  while (sqlite3_stmt* stmt = sqlite3_next_stmt(db_, nullptr)) sqlite3_finalize(stmt);
  sqlite3_close(db_);
}

std::unique_ptr<Database> Database::Open(const std::string& path, std::string* error) {
  const std::string what = "open '" + path + "'";
  if (path.empty()) return Fail(error, "open: no file name given");
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return Fail(error, what + ": file not found");
  if (fs::is_directory(status)) return Fail(error, what + ": is a folder, not a database");
  if (!Blocked().empty() && Blocked().contains(FileKey(path)))
    return Fail(error, what + ": " + std::string(kMalformed) + " (found unusable before in this run)");

  std::string reason;
  // Never SQLITE_OPEN_CREATE: opening must not make a file.
  sqlite3* db = OpenHandle(path, SQLITE_OPEN_READWRITE, &reason);
  if (db == nullptr) db = OpenHandle(path, SQLITE_OPEN_READONLY, &reason);
  if (db == nullptr) return Fail(error, what + ": " + reason);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);

  // A file cut short would give no error where a missing page lies past its end. A hot
  // journal may still restore it: its size is checked after the first read played it back.
  const bool hot = HotJournal(path);
  if (std::string damage = hot ? std::string() : HeaderDamage(path); !damage.empty()) {
    sqlite3_close(db);
    return Fail(error, what + ": " + damage);
  }
  // SQLite reads the file only on first use: reading the schema proves it is a database.
  {
    detail::Statement check;
    std::string prepareError;
    if (!check.Prepare(db, "SELECT count(*) FROM sqlite_master", &prepareError) ||
        sqlite3_step(check.get()) != SQLITE_ROW) {
      reason = prepareError.empty() ? detail::ErrorText(what, db) : what + ": " + prepareError;
      check.Finalize();  // before the handle closes
      sqlite3_close(db);
      return Fail(error, reason);
    }
  }
  if (std::string damage = hot ? HeaderDamage(path) : std::string(); !damage.empty()) {
    sqlite3_close(db);
    return Fail(error, what + ": " + damage);
  }
  // A closed database is then one self-contained file. A read-only file may refuse the
  // change; reading still works.
  RunPragma(db, "PRAGMA journal_mode=DELETE");
  return std::unique_ptr<Database>(new Database(db, path));
}

std::unique_ptr<Database> Database::Create(const std::string& path, std::string* error) {
  const std::string what = "create '" + path + "'";
  if (path.empty()) return Fail(error, "create: no file name given");
  std::error_code ec;
  if (fs::exists(fs::symlink_status(path, ec))) return Fail(error, what + ": file exists");
  std::string reason;
  sqlite3* db = OpenHandle(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &reason);
  if (db == nullptr) return Fail(error, what + ": " + reason);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  if (!RunPragma(db, "PRAGMA journal_mode=DELETE")) {
    reason = detail::ErrorText(what, db);
    sqlite3_close(db);
    fs::remove(path, ec);
    return Fail(error, reason);
  }
  return std::unique_ptr<Database>(new Database(db, path));
}

void Database::SetError(std::string_view operation) { lastError_ = detail::ErrorText(operation, db_); }

void Database::StepFailed(std::string_view operation, int rc) {
  SetError(operation);
  if (IsDamage(rc) && Reporter() != nullptr) Reporter()(path_, lastError_);
}

std::string HeaderDamage(const std::string& path) {
  std::error_code ec;
  // A hot journal beside the file may hold the pages that restore it.
  if (HotJournal(path)) return {};
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec || size == 0) return {};
  std::array<unsigned char, 100> header{};
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
  constexpr std::string_view kMagic("SQLite format 3\0", 16);
  if (std::string_view(reinterpret_cast<const char*>(header.data()), kMagic.size()) != kMagic) return {};
  if (in.gcount() < static_cast<std::streamsize>(header.size()))
    return std::string(kMalformed) + ": the file ends inside its header";
  uint32_t pageSize = BigEndian(header, 16, 2);
  if (pageSize == 1) pageSize = 65536;
  // A page size the engine does not know makes the file no database; the engine says so.
  if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) return {};
  if (size % pageSize != 0)
    return std::string(kMalformed) + ": the file of " + std::to_string(size) + " bytes ends inside a page of " +
           std::to_string(pageSize) + " bytes";
  const uint32_t pages = BigEndian(header, 28, 4);
  const bool countValid = BigEndian(header, 92, 4) == BigEndian(header, 24, 4);
  if (countValid && static_cast<std::uintmax_t>(pages) * pageSize > size)
    return std::string(kMalformed) + ": the header promises " + std::to_string(pages) + " pages, the file holds " +
           std::to_string(size / pageSize);
  return {};
}

bool IsDamage(int resultCode) {
  const int primary = resultCode & 0xff;
  return primary == SQLITE_CORRUPT || primary == SQLITE_IOERR || primary == SQLITE_NOTADB;
}

void SetDamageReporter(DamageReporter reporter) { Reporter() = reporter; }

void BlockFile(const std::string& path) {
  if (!path.empty()) Blocked().insert(FileKey(path));
}

void UnblockFile(const std::string& path) { Blocked().erase(FileKey(path)); }

void UnblockAllFiles() { Blocked().clear(); }

sqlite3_stmt* Database::Prepared(std::string_view sql, std::string* error) const {
  const std::string key(sql);
  if (const auto it = statements_.find(key); it != statements_.end()) return it->second;
  if (statements_.size() >= kCachedStatements) {
    // Each use resets its statement when it ends; one still running stays.
    std::erase_if(statements_, [](const auto& entry) {
      if (sqlite3_stmt_busy(entry.second) != 0) return false;
      sqlite3_finalize(entry.second);
      return true;
    });
  }
  detail::Statement stmt;
  if (!stmt.Prepare(db_, sql, error, SQLITE_PREPARE_PERSISTENT)) return nullptr;
  sqlite3_stmt* prepared = stmt.Release();
  statements_.emplace(key, prepared);
  return prepared;
}

// ---------------------------------------------------------------- tables and columns

std::vector<std::string> Database::Tables() const {
  std::vector<std::string> names;
  std::string error;
  sqlite3_stmt* stmt = Prepared("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid", &error);
  if (stmt == nullptr) return names;
  const detail::ResetOnExit reset(stmt);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    std::string name = detail::ReadColumn(stmt, 0).text();
    // SQLite's own tables (sqlite_sequence) are no tables of the system.
    if (detail::AsciiLower(name).starts_with("sqlite_")) continue;
    names.push_back(std::move(name));
  }
  return names;
}

std::optional<std::string> Database::TableName(std::string_view name) const {
  for (std::string& table : Tables()) {
    if (base::AsciiEqualsNoCase(table, name)) return std::move(table);
  }
  return std::nullopt;
}

bool Database::HasTable(std::string_view name) const { return TableName(name).has_value(); }

bool Database::ReadTableInfo(const std::string& table, std::vector<std::string>* names, std::vector<std::string>* types,
                             std::string* error) const {
  sqlite3_stmt* stmt = Prepared("PRAGMA table_info(" + QuoteIdentifier(table) + ")", error);
  if (stmt == nullptr) return false;
  const detail::ResetOnExit reset(stmt);
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    names->push_back(detail::ReadColumn(stmt, 1).text());
    if (types != nullptr) types->push_back(detail::ReadColumn(stmt, 2).text());
  }
  if (rc != SQLITE_DONE) {
    *error = detail::ErrorText("table_info", db_);
    return false;
  }
  return true;
}

bool Database::ReadColumns(std::string_view storedTable, std::vector<std::string>* names, std::string* error) const {
  names->clear();
  if (ReadTableInfo(std::string(storedTable), names, nullptr, error)) return true;
  names->clear();
  return false;
}

std::optional<int64_t> Database::CountRows(std::string_view storedTable, std::string* error) {
  sqlite3_stmt* stmt = Prepared("SELECT count(*) FROM " + QuoteIdentifier(storedTable) + " NOT INDEXED", error);
  if (stmt == nullptr) return std::nullopt;
  const detail::ResetOnExit reset(stmt);
  if (sqlite3_step(stmt) != SQLITE_ROW) {
    *error = detail::ErrorText("read rows", db_);
    return std::nullopt;
  }
  return static_cast<int64_t>(sqlite3_column_int64(stmt, 0));
}

bool Database::CheckPages(const std::vector<std::string>& storedTables, std::string* error) {
  const std::vector<std::string> tables = storedTables.empty() ? Tables() : storedTables;
  for (const std::string& table : tables) {
    const std::optional<int64_t> rows = CountRows(table, error);
    if (!rows) return false;
    // A partial index holds only some rows; its count proves nothing.
    std::vector<std::pair<std::string, int64_t>> indexes;  // name and root page
    {
      sqlite3_stmt* stmt = Prepared(
          "SELECT l.name, m.rootpage FROM pragma_index_list(?) l JOIN sqlite_master m ON m.name = l.name "
          "WHERE l.partial = 0 ORDER BY l.seq",
          error);
      if (stmt == nullptr || !detail::BindAll(stmt, {Value(table)}, error)) return false;
      const detail::ResetOnExit reset(stmt);
      int rc = SQLITE_ROW;
      while ((rc = sqlite3_step(stmt)) == SQLITE_ROW)
        indexes.emplace_back(detail::ReadColumn(stmt, 0).text(), sqlite3_column_int64(stmt, 1));
      if (rc != SQLITE_DONE) {
        *error = detail::ErrorText("read schema", db_);
        return false;
      }
    }
    if (indexes.empty()) continue;
    // The engine counts a table's rows over its narrowest index, page by page without
    // visiting an entry; the root page its count opens tells which index that is.
    const std::string count = "SELECT count(*) FROM " + QuoteIdentifier(table);
    int64_t countRoot = 0;
    {
      sqlite3_stmt* stmt = Prepared("EXPLAIN " + count, error);
      if (stmt == nullptr) return false;
      const detail::ResetOnExit reset(stmt);
      while (sqlite3_step(stmt) == SQLITE_ROW) {
        if (detail::ReadColumn(stmt, 1).text() == "OpenRead") countRoot = sqlite3_column_int64(stmt, 3);
      }
    }
    for (const auto& [index, root] : indexes) {
      // Any other index is walked entry by entry: "WHERE 1" keeps the engine from counting
      // over an index of its own choice.
      const std::string sql = root == countRoot ? count : count + " INDEXED BY " + QuoteIdentifier(index) + " WHERE 1";
      sqlite3_stmt* stmt = Prepared(sql, error);
      if (stmt == nullptr) return false;
      const detail::ResetOnExit reset(stmt);
      if (sqlite3_step(stmt) != SQLITE_ROW) {
        *error = detail::ErrorText("read index '" + index + "'", db_);
        return false;
      }
      const int64_t entries = sqlite3_column_int64(stmt, 0);
      if (entries != *rows) {
        *error = std::string(kMalformed) + ": index '" + index + "' holds " + std::to_string(entries) +
                 " entries for " + std::to_string(*rows) + " rows";
        return false;
      }
    }
  }
  return true;
}

std::vector<std::string> Database::Columns(std::string_view table) const {
  std::vector<std::string> names;
  const std::optional<std::string> stored = TableName(table);
  std::string error;
  if (stored) ReadTableInfo(*stored, &names, nullptr, &error);
  return names;
}

// ---------------------------------------------------------------- statements

bool Database::Execute(std::string_view sql, const std::vector<Value>& params) {
  sqlite3_stmt* stmt = Prepared(sql, &lastError_);
  if (stmt == nullptr || !detail::BindAll(stmt, params, &lastError_)) return false;
  const detail::ResetOnExit reset(stmt);
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
  }
  if (rc != SQLITE_DONE) {
    SetError("execute");
    return false;
  }
  lastError_.clear();
  return true;
}

bool Database::ExecuteScript(std::string_view sql) {
  char* message = nullptr;
  const std::string script(sql);
  if (sqlite3_exec(db_, script.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    lastError_ = "execute script: ";
    lastError_ += message != nullptr ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    return false;
  }
  lastError_.clear();
  return true;
}

bool Database::LoadRows(sqlite3_stmt* stmt, bool withRowId, Recordset* rs) {
  const int first = withRowId ? 1 : 0;
  const int count = sqlite3_column_count(stmt) - first;
  int rc = SQLITE_ROW;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    if (withRowId) rs->rowids_.push_back(static_cast<int64_t>(sqlite3_column_int64(stmt, 0)));
    std::vector<Value> row;
    row.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) row.push_back(detail::ReadColumn(stmt, first + i));
    rs->rows_.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) {
    // A damaged page ends the rows with an error, never as if the table ended there.
    StepFailed("read rows", rc);
    rs->error_ = lastError_;
    rs->rows_.clear();
    rs->rowids_.clear();
    return false;
  }
  return true;
}

Recordset Database::Query(std::string_view sql, const std::vector<Value>& params) {
  Recordset rs;
  rs.db_ = this;
  sqlite3_stmt* stmt = Prepared(sql, &lastError_);
  if (stmt == nullptr || !detail::BindAll(stmt, params, &lastError_)) {
    rs.error_ = lastError_;
    return rs;
  }
  const detail::ResetOnExit reset(stmt);
  const int count = sqlite3_column_count(stmt);
  rs.columns_.reserve(static_cast<size_t>(count));
  rs.declaredTypes_.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const char* name = sqlite3_column_name(stmt, i);
    const char* type = sqlite3_column_decltype(stmt, i);
    rs.columns_.emplace_back(name != nullptr ? name : "");
    rs.declaredTypes_.emplace_back(type != nullptr ? type : "");
  }
  if (LoadRows(stmt, false, &rs)) lastError_.clear();
  return rs;
}

Recordset Database::OpenTable(std::string_view table) { return OpenTable(table, "", {}, ""); }

Recordset Database::OpenTable(std::string_view table, std::string_view where, const std::vector<Value>& params,
                              std::string_view orderBy) {
  Recordset rs;
  rs.db_ = this;
  const std::optional<std::string> stored = TableName(table);
  if (!stored) {
    lastError_ = "open table '" + std::string(table) + "': no such table";
    rs.error_ = lastError_;
    return rs;
  }
  if (!ReadTableInfo(*stored, &rs.columns_, &rs.declaredTypes_, &lastError_)) {
    rs.columns_.clear();
    rs.declaredTypes_.clear();
    rs.error_ = lastError_;
    return rs;
  }
  std::string sql = "SELECT rowid";
  for (const std::string& column : rs.columns_) {
    sql += ", ";
    sql += QuoteIdentifier(column);
  }
  sql += " FROM ";
  sql += QuoteIdentifier(*stored);
  if (!where.empty()) {
    sql += " WHERE (";
    sql += where;
    sql += ")";
  }
  sql += " ORDER BY ";
  if (!orderBy.empty()) {
    // Rows equal in the given order keep table order.
    sql += orderBy;
    sql += ", ";
  }
  sql += "rowid";

  sqlite3_stmt* stmt = Prepared(sql, &lastError_);
  if (stmt == nullptr || !detail::BindAll(stmt, params, &lastError_)) {
    rs.error_ = lastError_;
    return rs;
  }
  const detail::ResetOnExit reset(stmt);
  rs.table_ = *stored;
  if (LoadRows(stmt, true, &rs)) lastError_.clear();
  return rs;
}

Value Database::Scalar(std::string_view sql, const std::vector<Value>& params) {
  sqlite3_stmt* stmt = Prepared(sql, &lastError_);
  if (stmt == nullptr || !detail::BindAll(stmt, params, &lastError_)) return Value();
  const detail::ResetOnExit reset(stmt);
  const int rc = sqlite3_step(stmt);
  if (rc == SQLITE_ROW) {
    lastError_.clear();
    return detail::ReadColumn(stmt, 0);
  }
  if (rc != SQLITE_DONE) {
    StepFailed("scalar", rc);
  } else {
    lastError_.clear();
  }
  return Value();
}

int64_t Database::LastInsertRowId() const { return static_cast<int64_t>(sqlite3_last_insert_rowid(db_)); }

int Database::Changes() const { return sqlite3_changes(db_); }

// ---------------------------------------------------------------- transactions

Transaction::Transaction(Database* db) {
  if (db != nullptr && db->Execute("BEGIN")) db_ = db;
}

Transaction::Transaction(Transaction&& other) noexcept : db_(other.db_) { other.db_ = nullptr; }

Transaction::~Transaction() { Rollback(); }

bool Transaction::Commit() {
  if (db_ == nullptr) return false;
  if (!db_->Execute("COMMIT")) return false;  // still open: the destructor rolls back
  db_ = nullptr;
  return true;
}

void Transaction::Rollback() {
  if (db_ == nullptr) return;
  // Some errors end the transaction by themselves; then there is nothing to roll back.
  if (sqlite3_get_autocommit(db_->db_) == 0) {
    // Keep the error that made the caller give up.
    const std::string error = db_->lastError_;
    db_->Execute("ROLLBACK");
    db_->lastError_ = error;
  }
  db_ = nullptr;
}

bool WriteSingleRow(const std::string& path, std::string_view table, const std::function<bool(Recordset&)>& setFields,
                    std::string* error) {
  auto fail = [error](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  std::string why;
  std::unique_ptr<Database> database = Database::Open(path, &why);
  if (!database) return fail(why);
  Recordset rs = database->OpenTable(table);
  if (!rs.ok()) return fail(rs.error());
  if (rs.RecordCount() == 0) {
    if (!rs.AddNew()) return fail(rs.error());
  } else {
    rs.MoveFirst();
    if (!rs.Edit()) return fail(rs.error());
  }
  // A table lacking a column gets no half-written row.
  if (!setFields(rs)) {
    why = rs.error();
    rs.CancelUpdate();
    return fail(why);
  }
  if (!rs.Update()) return fail(rs.error());
  return true;
}

}  // namespace tolvar::db
