#pragma once
// Building blocks of the material saves: the material number derived from a barcode, the
// checks and questions every material editor shares, and writing rows of the material
// database. Every save opens the database once and writes in one transaction, so a change
// (delete the old row, append the new one) never leaves a material half-written.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "data/records_material.h"
#include "platform/db/database.h"

namespace tolvar::masterdata {

// "M1" followed by the last three characters of the barcode text (61042 gives "M1042").
std::string MaterialNrAusBarcode(std::string_view barcode);

// The first 10 characters of a name, the default short name.
std::string KuerzelAusName(std::string_view name);

// The question offering the value 1 for an empty box: `satz`, two line breaks, then
// "Soll der Wert mit 1 bestzt werden?".
std::string FrageWertEins(std::string_view satz);

// Asks FrageWertEins(satz) when *feld is empty; Yes puts "1" into it. False when the user
// answered No (the save stops); true when the box was filled or is filled now.
bool WertEinsAnbieten(std::string* feld, std::string_view satz);

// The German number in `text`, refused with a message naming `bezeichnung` when there is none
// (a lone comma, "1,2,3") or when it is no amount of 0 or more up to base::kLargestAmount
// ("-5", "1e308"). With `positiv`, zero is refused too.
std::optional<double> ZahlPruefen(std::string_view text, std::string_view bezeichnung, bool positiv = false);

// Opens the material database at AktuelleEinstellungen.MaterialPfad; nullptr after showing a
// critical message when it cannot be opened.
std::unique_ptr<db::Database> MaterialdatenbankOeffnen();

// Shows that nothing was stored, with the reason.
void SpeicherFehlerMelden(std::string_view grund);

// A row of table Material as a material save writes it. Optional columns left empty stay
// unwritten (Null in a new row).
struct MaterialZeile {
  std::string MaterialNr;
  std::string UeberPNr;
  std::string Materialname;
  std::string Kuerzel;
  std::string Barcode;
  std::string Bemerkungen;
  bool Aktuell = false;
  std::optional<int> Bezug;
  std::optional<std::string> Einheit;
  std::optional<db::Value> Preis;
  std::optional<std::string> Wdh;
};

// Appends the row with a new ID and the current time as LetzteAenderung; false with the
// database's reason in *grund.
bool MaterialZeileAnhaengen(db::Database& database, const MaterialZeile& zeile, std::string* grund);

// Deletes the first row (table order) of `tabelle` whose MaterialNr equals `nr`; true also when
// there is none. False with the reason in *grund when the delete fails.
bool ErsteZeileLoeschen(db::Database& database, std::string_view tabelle, const std::string& nr, std::string* grund);

// Checks the number a save derives from the barcode before anything is written. The barcode
// must be digits. A new material, or a change whose number would differ from the one it was
// opened with, must not take a number that a row of Material already carries or that
// belongs to the root or the fixed groups (M1000 to M1009). Shows the reason and gives false.
bool NummerPruefen(db::Database& database, const std::string& barcode, const MaterialKontext& kontext);

}  // namespace tolvar::masterdata
