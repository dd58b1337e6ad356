#pragma once
// Shared fixture of the data tests: a temporary installation folder, a fixed clock, a
// recording message sink and small databases built in code from the shipped schema.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar::test {

// Schema scripts of the database files the data layer reads.
extern const std::string kSystemInfoSchema;
extern const std::string kMorvin5Schema;
extern const std::string kTolvarSchema;
extern const std::string kMaterialSchema;
extern const std::string kTechDatenSchema;
extern const std::string kErgebnisSchema;

// 10.12.2024 14:05:09, random digits 0.
class FixedClock : public base::Clock {
 public:
  base::Date Now() const override { return base::MakeDateTime(2024, 12, 10, 14, 5, 9); }
  int RandomDigit() override { return 0; }
};

class DataTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // Path below the temporary installation folder ("\Tolvar_DB\x.mdb" or "x/y.mdb").
  std::string Path(std::string_view relative) const;
  // Creates a database at `path` (folders included) and runs `script` on it.
  std::unique_ptr<db::Database> Make(const std::string& path, std::string_view script);
  // Writes a file that is no database.
  void MakeGarbage(const std::string& path);
  // Inserts one row into `table`, setting only the given columns.
  void Insert(db::Database& database, std::string_view table,
              const std::vector<std::pair<std::string, db::Value>>& values);
  // The first row of `table` in the database at `path`.
  db::Recordset FirstRow(const std::string& path, std::string_view table);

  const std::vector<test::RecordingMessageSink::Message>& Messages() const { return sink_.messages; }

  TempDir dir_;
  FixedClock clock_;
  test::ScopedRecordingSink sink_;

 private:
  std::string previousRoot_;
};

}  // namespace tolvar::test
