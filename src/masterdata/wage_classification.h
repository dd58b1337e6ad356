#pragma once
// A person's wage classification: from which date on the person belongs to which wage group
// (table Lohneinteilung of the labour-time database), with the group's name from table Lohn
// and its hourly wage from table Tarif of the enterprise's own database. All statements bind
// their values; no SQL is built from data.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/values.h"
#include "data/records_masterdata.h"

namespace tolvar::masterdata {

// The wage groups of table Lohn, names trimmed, sorted by name (German order: umlauts as
// their base letter, case ignored). nullopt when the table cannot be read (message shown).
std::optional<std::vector<LohngruppenEintrag>> LohngruppenLaden(const std::string& morvinPfad);

// The person's classifications sorted by date (rows whose date cannot be read last, in table
// order). A group name or wage that cannot be read leaves its cell empty. nullopt when the
// labour-time database cannot be read (message shown); an unreadable own database only
// empties the wage cells.
std::optional<std::vector<LohneinteilungZeile>> LohneinteilungenLaden(const std::string& morvinPfad,
                                                                      const std::string& tolvarPfad,
                                                                      const std::string& personalNr);

// Classifies the person into `lohngruppenID` from `datumAb` on: the person's row of that day
// gets the group and the current time and keeps its ID; without one a row with a new ID is
// added. Without a wage group (empty list) nothing is stored and the values are reported
// missing. false on refusal or failure (message shown); nothing half-written.
bool LohneinteilungSpeichern(const std::string& morvinPfad, const std::string& personalNr,
                             std::optional<int64_t> lohngruppenID, base::Date datumAb);

// Deletes the person's classifications of the day `datumAb`. false on failure (message shown).
bool LohneinteilungLoeschen(const std::string& morvinPfad, const std::string& personalNr, base::Date datumAb);

}  // namespace tolvar::masterdata
