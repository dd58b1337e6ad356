// Prepared statements, binding and column reading shared by Database and Recordset.

#include "platform/db/statement.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tolvar::db::detail {

bool Statement::Prepare(sqlite3* db, std::string_view sql, std::string* error, unsigned flags) {
  sqlite3_finalize(stmt_);
  stmt_ = nullptr;
  const char* tail = nullptr;
  int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), flags, &stmt_, &tail);
  if (rc != SQLITE_OK) {
    *error = ErrorText("prepare", db);
    return false;
  }
  if (stmt_ == nullptr) {
    *error = "prepare: no statement";
    return false;
  }
  // Whatever follows must be blanks or comments only: one call runs one statement.
  const char* end = sql.data() + sql.size();
  while (tail != nullptr && tail < end) {
    sqlite3_stmt* next = nullptr;
    const char* nextTail = nullptr;
    rc = sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), &next, &nextTail);
    sqlite3_finalize(next);
    if (rc != SQLITE_OK || next != nullptr) {
      *error = "prepare: more than one statement";
      return false;
    }
    if (nextTail == tail) break;
    tail = nextTail;
  }
  return true;
}

bool BindAll(sqlite3_stmt* stmt, const std::vector<Value>& params, std::string* error) {
  const int expected = sqlite3_bind_parameter_count(stmt);
  if (expected != static_cast<int>(params.size())) {
    *error = "bind: the statement takes " + std::to_string(expected) + " parameters, " + std::to_string(params.size()) +
             " given";
    return false;
  }
  for (int i = 0; i < expected; ++i) {
    const Value& v = params[static_cast<size_t>(i)];
    int rc = SQLITE_OK;
    switch (v.type()) {
      case Value::Type::Null:
        rc = sqlite3_bind_null(stmt, i + 1);
        break;
      case Value::Type::Integer:
        rc = sqlite3_bind_int64(stmt, i + 1, v.integerOr());
        break;
      case Value::Type::Real:
        rc = sqlite3_bind_double(stmt, i + 1, v.numberOr());
        break;
      case Value::Type::Text: {
        const std::string text = v.text();
        rc = sqlite3_bind_text64(stmt, i + 1, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
      }
    }
    if (rc != SQLITE_OK) {
      *error = ErrorText("bind", sqlite3_db_handle(stmt));
      return false;
    }
  }
  return true;
}

Value ReadColumn(sqlite3_stmt* stmt, int index) {
  switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_INTEGER:
      return Value(static_cast<int64_t>(sqlite3_column_int64(stmt, index)));
    case SQLITE_FLOAT:
      return Value(sqlite3_column_double(stmt, index));
    case SQLITE_NULL:
      return Value();
    default: {  // TEXT, and BLOB read as text
      const auto* data = sqlite3_column_text(stmt, index);
      const int size = sqlite3_column_bytes(stmt, index);
      if (data == nullptr) return Value(std::string());
      return Value(std::string(reinterpret_cast<const char*>(data), static_cast<size_t>(size)));
    }
  }
}

Affinity AffinityOf(std::string_view declaredType) {
  // SQLite's rules, in their order of precedence.
  const std::string t = AsciiLower(declaredType);
  auto has = [&t](const char* part) { return t.find(part) != std::string::npos; };
  if (has("int")) return Affinity::Integer;
  if (has("char") || has("clob") || has("text")) return Affinity::Text;
  if (t.empty() || has("blob")) return Affinity::Blob;
  if (has("real") || has("floa") || has("doub")) return Affinity::Real;
  return Affinity::Numeric;
}

std::string ErrorText(std::string_view operation, sqlite3* db) {
  std::string text(operation);
  text += ": ";
  if (db == nullptr) return text + "out of memory";
  // A write that fails although the file may be written lies with the folder, which takes
  // no journal: said in the form the cause texts know as a folder's failure.
  const int primary = sqlite3_extended_errcode(db) & 0xff;
  const char* file = sqlite3_db_filename(db, "main");
  if ((primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN) && file != nullptr && *file != '\0' &&
      ::access(file, W_OK) == 0) {
    const std::string folder = std::filesystem::path(file).parent_path().string();
    if (::access(folder.c_str(), W_OK) != 0) return text + "Ordner '" + folder + "': " + std::strerror(EACCES);
  }
  return text + sqlite3_errmsg(db);
}

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace tolvar::db::detail
