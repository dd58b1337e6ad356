#include "settings/db_access.h"

namespace tolvar::settings {

std::unique_ptr<db::Database> Oeffnen(const std::string& path) {
  if (path.empty()) return nullptr;
  return db::Database::Open(path);
}

db::Recordset Tabelle(db::Database& database, std::string_view table) { return database.OpenTable(table); }

}  // namespace tolvar::settings
