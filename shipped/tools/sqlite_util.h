// Minimal sqlite3 helpers for the generators: a new database file written under a temporary
// name, in journal mode DELETE, renamed into place only after a successful commit.
#pragma once

#include <sqlite3.h>

#include "common.h"

namespace shipped {

class NewDatabase {
 public:
  explicit NewDatabase(std::filesystem::path target) : target_(std::move(target)), tmp_(tempPath(target_)) {
    std::filesystem::remove(tmp_);
    if (sqlite3_open_v2(tmp_.string().c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
      fail("open");
    exec("PRAGMA journal_mode=DELETE");
    exec("BEGIN");
  }
  ~NewDatabase() {
    if (db_) sqlite3_close(db_);
    if (!committed_) std::filesystem::remove(tmp_);
  }
  NewDatabase(const NewDatabase&) = delete;
  NewDatabase& operator=(const NewDatabase&) = delete;

  sqlite3* handle() const { return db_; }

  void exec(const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
      std::string text = message ? message : "?";
      sqlite3_free(message);
      throw std::runtime_error(target_.string() + ": " + text);
    }
  }

  sqlite3_stmt* prepare(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) fail("prepare " + sql);
    return st;
  }

  void step(sqlite3_stmt* st) {
    if (sqlite3_step(st) != SQLITE_DONE) fail("insert");
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
  }

  void commit() {
    exec("COMMIT");
    if (sqlite3_close(db_) != SQLITE_OK) fail("close");
    db_ = nullptr;
    commitFile(tmp_, target_);
    committed_ = true;
  }

  [[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(target_.string() + ": " + what + ": " + sqlite3_errmsg(db_));
  }

 private:
  std::filesystem::path target_;
  std::filesystem::path tmp_;
  sqlite3* db_ = nullptr;
  bool committed_ = false;
};

// Identifier in double quotes, inner quotes doubled.
inline std::string quoted(const std::string& name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

}  // namespace shipped
