#pragma once
// Fixture of the settings tests: a temporary installation folder, a fixed clock, a
// recording message sink, and an enterprise whose databases are built in code from the
// shipped schema.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar::test {

// 10.12.2024 14:05:09, random digits 7.
class SettingsClock : public base::Clock {
 public:
  base::Date Now() const override { return base::MakeDateTime(2024, 12, 10, 14, 5, 9); }
  int RandomDigit() override { return 7; }
};

using Zeile = std::vector<std::pair<std::string, db::Value>>;

class SettingsTest : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  std::string Path(std::string_view relative) const { return dir_.Join(std::string(relative)); }
  // Opens one of the enterprise's databases.
  std::unique_ptr<db::Database> Morvin();
  std::unique_ptr<db::Database> Tolvar();
  std::unique_ptr<db::Database> Vantel();
  void Insert(db::Database& database, std::string_view table, const Zeile& values);
  // Every row of `table` as the texts of `columns`, "|"-joined, in table order.
  std::vector<std::string> Rows(db::Database& database, std::string_view table,
                                const std::vector<std::string>& columns);
  const std::vector<test::RecordingMessageSink::Message>& Messages() const { return sink_.messages; }

  TempDir dir_;
  SettingsClock clock_;
  test::ScopedRecordingSink sink_;

 private:
  std::string previousRoot_;
};

}  // namespace tolvar::test
