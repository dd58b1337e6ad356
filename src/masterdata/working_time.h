#pragma once
// A person's weekly working time (table Wochenarbeitszeit of the labour-time database): the
// entries are read in table order and saved by rewriting all of the person's rows. Values are
// kept exactly as typed.

#include <optional>
#include <string>
#include <vector>

#include "data/records_masterdata.h"

namespace tolvar::masterdata {

// The person's rows (PersonalNr equal to `personalNr`, exactly) in table order. nullopt when
// the database or table cannot be read; the reason is shown as a critical message.
std::optional<std::vector<WochenarbeitszeitSatz>> WochenarbeitszeitLaden(const std::string& morvinPfad,
                                                                         const std::string& personalNr);

// Replaces the person's rows by `eintraege` in their order, up to the first entry whose hours
// are empty; each row gets a fresh ID and the current time. One transaction: on failure the
// old rows stay and the reason is shown. An empty person number is refused, as its rows
// could never be found again. Rows of other persons are not touched.
bool WochenarbeitszeitSpeichern(const std::string& morvinPfad, const std::string& personalNr,
                                const std::vector<WochenarbeitszeitSatz>& eintraege);

}  // namespace tolvar::masterdata
