#pragma once
// Internal helpers shared by the database and recordset code: an owned prepared statement,
// parameter binding and reading a column as a Value.

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/db/database.h"

namespace tolvar::db::detail {

// Binds `params` in order to `stmt`; their count must match the statement's.
bool BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params, std::string* error);

// A prepared statement that is finalized when it goes out of scope.
class Statement {
 public:
  Statement() = default;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(stmt_); }

  // Prepares exactly one statement; text after it other than blanks and comments is refused.
  // On failure the message is in *error. `flags` are SQLite's SQLITE_PREPARE_* flags.
  bool Prepare(sqlite3* db, std::string_view sql, std::string* error, unsigned flags = 0);
  // Binds the parameters in order; their count must match the statement's.
  bool Bind(const std::vector<Value>& params, std::string* error) { return BindAll(stmt_, params, error); }

  sqlite3_stmt* get() const { return stmt_; }
  void Finalize() {
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
  }
  // Hands the statement over to the caller, who finalizes it.
  sqlite3_stmt* Release() { return std::exchange(stmt_, nullptr); }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

// Resets a statement of a database's cache when the use that stepped it ends, so it holds no
// lock and can be used again.
class ResetOnExit {
 public:
  explicit ResetOnExit(sqlite3_stmt* stmt) : stmt_(stmt) {}
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;
  ~ResetOnExit() { sqlite3_reset(stmt_); }

 private:
  sqlite3_stmt* stmt_;
};

// The value of column `index` of the current row, keeping SQLite's storage class
// (a BLOB is read as text).
Value ReadColumn(sqlite3_stmt* stmt, int index);

// The column affinity SQLite derives from a declared type.
enum class Affinity { Integer, Real, Numeric, Text, Blob };
Affinity AffinityOf(std::string_view declaredType);

// "operation: SQLite's message".
std::string ErrorText(std::string_view operation, sqlite3* db);

// ASCII lower case (SQLite folds identifiers for ASCII letters only).
std::string AsciiLower(std::string_view text);

}  // namespace tolvar::db::detail
