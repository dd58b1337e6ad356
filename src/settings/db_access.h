#pragma once
// Small helpers shared by the settings modules: opening the enterprise's databases and
// writing single columns of the one settings row.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/db/database.h"

namespace tolvar::settings {

// Opens the database at `path`; nullptr when the path is empty or the file cannot be opened.
std::unique_ptr<db::Database> Oeffnen(const std::string& path);

// Opens `table` of `database`; a recordset with ok() false when the table is missing.
db::Recordset Tabelle(db::Database& database, std::string_view table);

// Writes the given columns into the first row of BetriebEinstellungen of the database at
// TolvarDatenbankPfad. False when the database, the table or its row is missing or the
// update fails; nothing is written then.
bool BetriebEinstellungenSpaltenSchreiben(
    const std::vector<std::pair<std::string, db::Value>>& columns);

}  // namespace tolvar::settings
