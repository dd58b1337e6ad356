#pragma once
// The indexes on the culture number of the tables that hold every culture's rows, so a
// culture's own rows are found without reading the others. The schema scripts create them in
// new files; an enterprise made before gets them when it opens.

#include <span>
#include <string>
#include <string_view>

namespace tolvar::data {

struct Kulturindex {
  std::string_view name;
  std::string_view tabelle;
  std::string_view spalte;
};

// Taetigkeiten and KulturStandorte of the labour-time database.
std::span<const Kulturindex> Morvin5Indizes();
// KulturPhasen and Material (the culture material rows) of the Tolvar-Datenbank.
std::span<const Kulturindex> TolvarIndizes();

// Creates the indexes of `indizes` that the database at `pfad` lacks, all in one transaction.
// An index holds no data of its own and changes no row; a file that has every index is not
// written at all. A file that cannot take them (write-protected, locked, a name in use) stays
// as it was and is only read more slowly: false then, and nothing is reported.
bool IndizesAnlegen(const std::string& pfad, std::span<const Kulturindex> indizes);

// The indexes of the open enterprise's pair (AktuellerBetrieb and TolvarDatenbankPfad), each
// file on its own; run once both have passed their checks.
void KulturIndizesAnlegen();

}  // namespace tolvar::data
