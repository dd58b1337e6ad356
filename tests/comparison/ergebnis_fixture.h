#pragma once
// Result databases built in code for the comparison tests: an empty table Vergleichskulturen
// and rows given column by column.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/database.h"
#include "support/schema.h"

namespace tolvar::test {

using Spalten = std::map<std::string, db::Value>;

// Creates the file at `pfad` with an empty table Vergleichskulturen.
inline void ErgebnisdatenbankAnlegen(const std::string& pfad) {
  auto datenbank = db::Database::Create(pfad);
  ASSERT_TRUE(datenbank && datenbank->ExecuteScript(SchemaOf("Vergleichskulturen")));
}

// Appends a row holding `spalten` (other columns Null).
inline void ZeileEinfuegen(const std::string& pfad, const Spalten& spalten) {
  auto datenbank = db::Database::Open(pfad);
  ASSERT_TRUE(datenbank);
  std::string namen, platz;
  std::vector<db::Value> werte;
  for (const auto& [spalte, wert] : spalten) {
    namen += (namen.empty() ? "" : ", ") + db::QuoteIdentifier(spalte);
    platz += platz.empty() ? "?" : ", ?";
    werte.push_back(wert);
  }
  ASSERT_TRUE(datenbank->Execute("INSERT INTO \"Vergleichskulturen\" (" + namen + ") VALUES (" + platz + ")", werte))
      << datenbank->LastError();
}

// The worked culture: price 0,90, 800 plants, costs 150/300/10/20/30/40/150/100, area-days 730,
// labour hours 40.
inline Spalten Beispielkultur(int nr, const std::string& name = "Cyclamen") {
  return {{"Nr", nr},
          {"Kultur", name},
          {"Beginn", "01.03.2024"},
          {"Ende", "30.09.2024"},
          {"Preis", "0,90"},
          {"Menge", "800"},
          {"Heizung", "150"},
          {"Material", "300"},
          {"PSM", "10"},
          {"Strom", "20"},
          {"Maschinen", "30"},
          {"Vermarktung", "40"},
          {"Arbeit", "150"},
          {"Gemeinkosten", "100"},
          {"TQM", 730.0},
          {"Akh", 40.0},
          {"DQHeizung", 1},
          {"DQMaterial", 2},
          {"DQStrom", 3},
          {"DQMaschinen", 1},
          {"DQPSM", 2},
          {"DQVermarktung", 3},
          {"DQArbeit", 1},
          {"DQGemeinkosten", 3},
          {"Import", 0},
          {"Bemerkungen", "Bemerkung " + name}};
}

// Column `spalte` of every row, as text, in table order.
inline std::vector<std::string> SpalteLesen(const std::string& pfad, const std::string& spalte) {
  std::vector<std::string> werte;
  auto datenbank = db::Database::Open(pfad);
  if (!datenbank) return werte;
  db::Recordset rs = datenbank->OpenTable("Vergleichskulturen");
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) werte.push_back(rs[spalte].text());
  return werte;
}

}  // namespace tolvar::test
