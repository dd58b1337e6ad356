#pragma once
// A material database built in code for the material tests: the tables of the shipped
// schema, the root and the nine groups, a fixed clock, a recording message sink, and helpers
// to add rows and read columns back in table order.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
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

class FesteUhr : public base::Clock {
 public:
  base::Date Now() const override { return jetzt; }
  int RandomDigit() override { return ziffer; }
  base::Date jetzt = base::MakeDateTime(2025, 3, 14, 9, 5, 7);
  int ziffer = 7;
};

class MaterialDb : public testing::Test {
 protected:
  MaterialDb() : pfad_(dir_.Join("Material.mdb")) {
    ResetState();
    state().enterprise.AktuelleEinstellungen.MaterialPfad = pfad_;
    base::SetClock(&uhr_);
    auto database = db::Database::Create(pfad_);
    EXPECT_TRUE(database);
    EXPECT_TRUE(database->ExecuteScript(SchemaOf({"Material", "Gefaesse", "Topfsubstrat", "Standardgroessen"})));
    for (int i = 0; i <= 9; ++i) {
      const std::string nr = "M100" + std::to_string(i);
      Material(nr, "0", "Gruppe " + std::to_string(i), 60000 + i, -1, std::nullopt, "");
    }
  }
  ~MaterialDb() override {
    base::SetClock(nullptr);
    ResetState();
  }

  void Exec(const std::string& sql, const std::vector<db::Value>& params = {}) {
    auto database = db::Database::Open(pfad_);
    ASSERT_TRUE(database);
    ASSERT_TRUE(database->Execute(sql, params)) << database->LastError() << " in " << sql;
  }
  // A Material row with the columns the tests care about.
  void Material(const std::string& nr, const std::string& gruppe, const std::string& name, int barcode, int gliederung,
                std::optional<int> bezug, const std::string& preis, const std::string& wdh = "1") {
    Exec(
        "INSERT INTO Material (MaterialNr, UeberPNr, Materialname, Kuerzel, Barcode, Gliederungspunkt, Bezug, "
        "Einheit, Preis, Wdh, Aktuell, Bemerkungen, ID, LetzteAenderung) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        {nr, gruppe, name, name.substr(0, 10), barcode, gliederung, bezug ? db::Value(*bezug) : db::Value(),
         gliederung ? db::Value() : db::Value("1"), preis.empty() ? db::Value() : db::Value(preis),
         gliederung ? db::Value() : db::Value(wdh), -1, "alt", "ALTE-ID", "01.01.2020 10:00:00"});
  }
  // The values of `column` of the rows of `table` matching `where` (no parameters), in table
  // order; Null as "<Null>".
  std::vector<std::string> Spalte(const std::string& table, const std::string& column, const std::string& where = "1") {
    std::vector<std::string> werte;
    auto database = db::Database::Open(pfad_);
    if (!database) return {"<keine Datenbank>"};
    db::Recordset rs =
        database->Query("SELECT \"" + column + "\" FROM \"" + table + "\" WHERE " + where + " ORDER BY rowid");
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      werte.push_back(rs.Field(0).isNull() ? "<Null>" : rs.Field(0).text());
    }
    return werte;
  }
  std::vector<std::string> VonNr(const std::string& table, const std::string& column, const std::string& nr) {
    return Spalte(table, column, "MaterialNr = '" + nr + "'");
  }
  std::string Inhalt() const { return Datenbankinhalt(pfad_); }
  // A trigger that makes every insert into `table` fail.
  void EinfuegenSperren(const std::string& table) {
    Exec("CREATE TRIGGER \"sperre_" + table + "\" BEFORE INSERT ON \"" + table +
         "\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  }

  TempDir dir_;
  std::string pfad_;
  FesteUhr uhr_;
  test::ScopedRecordingSink sink_;
};

}  // namespace tolvar::test
