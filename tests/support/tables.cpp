#include "support/tables.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/db/database.h"

namespace tolvar::test {

namespace {

// The fields of the current row, each followed by "|".
std::string Felder(const db::Recordset& rs) {
  std::string text;
  for (int i = 0; i < static_cast<int>(rs.ColumnNames().size()); ++i) text += rs.Field(i).text() + "|";
  return text;
}

db::Recordset Alle(db::Database& datenbank, const std::string& tabelle) {
  return datenbank.Query("SELECT * FROM " + db::QuoteIdentifier(tabelle) + " ORDER BY rowid");
}

}  // namespace

std::vector<std::string> Abfragezeilen(const std::string& pfad, const std::string& sql, std::string_view null) {
  auto datenbank = db::Database::Open(pfad);
  if (!datenbank) return {"<keine Datenbank>"};
  db::Recordset rs = datenbank->Query(sql);
  EXPECT_TRUE(rs.ok()) << rs.error();
  std::vector<std::string> zeilen;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    std::string zeile;
    for (int i = 0; i < static_cast<int>(rs.ColumnNames().size()); ++i) {
      if (i > 0) zeile += "|";
      zeile += rs.Field(i).isNull() ? std::string(null) : rs.Field(i).text();
    }
    zeilen.push_back(zeile);
  }
  return zeilen;
}

std::string Tabelleninhalt(const std::string& pfad, const std::string& tabelle) {
  auto datenbank = db::Database::Open(pfad);
  if (!datenbank) return "<keine Datenbank>";
  db::Recordset rs = Alle(*datenbank, tabelle);
  std::string text;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) text += Felder(rs) + "\n";
  return text;
}

std::string Datenbankinhalt(const std::string& pfad) {
  auto datenbank = db::Database::Open(pfad);
  if (!datenbank) return "<keine Datenbank>";
  std::string text;
  for (const std::string& tabelle : datenbank->Tables()) {
    db::Recordset rs = Alle(*datenbank, tabelle);
    text += tabelle + ":";
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) text += " (" + Felder(rs) + ")";
    text += "\n";
  }
  return text;
}

}  // namespace tolvar::test
