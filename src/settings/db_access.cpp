#include "settings/db_access.h"

#include "data/state.h"

namespace tolvar::settings {

std::unique_ptr<db::Database> Oeffnen(const std::string& path) {
  if (path.empty()) return nullptr;
  return db::Database::Open(path);
}

db::Recordset Tabelle(db::Database& database, std::string_view table) {
  return database.OpenTable(table);
}

bool BetriebEinstellungenSpaltenSchreiben(
    const std::vector<std::pair<std::string, db::Value>>& columns) {
  std::unique_ptr<db::Database> database = Oeffnen(state().TolvarDatenbankPfad);
  if (!database) return false;
  db::Recordset rs = Tabelle(*database, "BetriebEinstellungen");
  if (!rs.ok() || rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  if (!rs.Edit()) return false;
  for (const auto& [column, value] : columns) {
    if (!rs.SetField(column, value)) {
      rs.CancelUpdate();
      return false;
    }
  }
  return rs.Update();
}

}  // namespace tolvar::settings
