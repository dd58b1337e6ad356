#pragma once
// Fixture of the master-record tests: a labour-time database and an enterprise database built
// in code from the shipped schemas, a settable clock and a recording message sink.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/schema.h"
#include "support/tables.h"

namespace tolvar::test {

// A clock standing at `jetzt`; random digits run 0, 1, 2, ... 9, 0, ...
class StellUhr : public base::Clock {
 public:
  base::Date Now() const override { return jetzt; }
  int RandomDigit() override { return naechsteZiffer++ % 10; }
  base::Date jetzt = base::MakeDateTime(2024, 12, 10, 14, 5, 9);
  int naechsteZiffer = 0;
};

// Databases built and changed in code by the master-record tests.
class DatenbankTest : public testing::Test {
 protected:
  static void Anlegen(const std::string& pfad, const std::string& schema) {
    auto database = db::Database::Create(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->ExecuteScript(schema)) << database->LastError();
  }
  static void Exec(const std::string& pfad, const std::string& sql, const std::vector<db::Value>& params = {}) {
    auto database = db::Database::Open(pfad);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql, params)) << database->LastError() << " in " << sql;
  }
};

class MorvinTest : public DatenbankTest {
 protected:
  MorvinTest() : morvin_(dir_.Join("Betrieb.mdb")), tolvar_(dir_.Join("Betrieb.Tolvar")) {
    Anlegen(morvin_, SchemaOf({"Kulturen", "Standort", "Personal", "StdTaetigkeiten", "Lohn", "Lohneinteilung",
                               "Wochenarbeitszeit"}));
    Anlegen(tolvar_, SchemaOf({"tolvar_schema.Tarif"}));
    base::SetClock(&uhr_);
    ResetState();
  }
  ~MorvinTest() override {
    base::SetClock(nullptr);
    ResetState();
  }

  static std::vector<std::string> Abfrage(const std::string& pfad, const std::string& sql) {
    return Abfragezeilen(pfad, sql, "<Null>");
  }
  std::vector<std::string> Texte() const {
    std::vector<std::string> texte;
    for (const auto& m : meldungen_.messages) texte.push_back(m.text);
    return texte;
  }

  TempDir dir_;
  std::string morvin_;
  std::string tolvar_;
  StellUhr uhr_;
  test::ScopedRecordingSink meldungen_;
};

}  // namespace tolvar::test
