#pragma once
// A temporary folder per test, removed afterwards, and a database created inside it.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/db/database.h"

namespace tolvar::db::testing {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("tolvar_db_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    // Read-only files must become writable again before the folder can go.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ec)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ec);
    }
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A fixture with a fresh database file "test.db" built from `schema`.
class DbTest : public ::testing::Test {
 protected:
  void CreateDb(const std::string& schema) {
    std::string error;
    db_ = Database::Create(dir_.File("test.db"), &error);
    ASSERT_NE(db_, nullptr) << error;
    ASSERT_TRUE(db_->ExecuteScript(schema)) << db_->LastError();
  }
  // Closes and opens the file again, so reads come from disk.
  void Reopen() {
    db_.reset();
    std::string error;
    db_ = Database::Open(dir_.File("test.db"), &error);
    ASSERT_NE(db_, nullptr) << error;
  }

  TempDir dir_;
  std::unique_ptr<Database> db_;
};

}  // namespace tolvar::db::testing
