#pragma once
// Small helpers shared by the settings modules: opening the enterprise's databases and their
// tables.

#include <memory>
#include <string>
#include <string_view>

#include "platform/db/database.h"

namespace tolvar::settings {

// Opens the database at `path`; nullptr when the path is empty or the file cannot be opened.
std::unique_ptr<db::Database> Oeffnen(const std::string& path);

// Opens `table` of `database`; a recordset with ok() false when the table is missing.
db::Recordset Tabelle(db::Database& database, std::string_view table);

}  // namespace tolvar::settings
