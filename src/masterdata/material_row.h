#pragma once
// Building blocks of the material saves: the material number derived from a barcode, the
// checks and questions every material editor shares, and writing rows of the material
// database. Every save opens the database once and writes in one transaction, so a change
// (delete the old row, append the new one) never leaves a material half-written.

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/field_rules.h"
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

// The number `text` holds under `regel`, refused with a message naming `bezeichnung` when
// there is none ("Der Wert für "Preis" ist keine gültige Zahl.": a lone comma, "1,2,3") or when
// it lies outside the rule's range ("… muss eine Zahl von 0 bis 1.000.000.000.000 sein.": "-5",
// "1e308"; the range as base::BereichText states it). A blank text gives the rule's `leer`
// number (nullopt, with the first message, when the rule refuses a blank).
std::optional<double> ZahlPruefen(const base::Feldregel& regel, std::string_view text, std::string_view bezeichnung);

// The price of one use stored for a price and a reuse count (price ÷ reuse, base::Quotient),
// refused with a message naming "Wiederverwendung" when the quotient is no finite amount
// (a reuse count of "1e-310").
std::optional<double> PreisJeVerwendung(double preis, double wiederverwendung);

// The rules the material editors share: units, price and volume are amounts of 0 or more
// (an empty units, price or volume box is offered "1" before the check); the reuse count is
// above 0, a blank one stores "1".
inline constexpr base::Feldregel kEinheiten{.feld = "txtMenge"};
inline constexpr base::Feldregel kPreis{.feld = "txtPreis"};
inline constexpr base::Feldregel kVolumen{.feld = "txtVolumen"};
inline constexpr base::Feldregel kWiederverwendung{
    .feld = "txtWdh", .bereich = {.low = 0.0, .lowIncluded = false}, .leer = "1"};

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

// The boxes the general material and pot saves prepare alike; txtVolumen only for a pot.
struct Grundfelder {
  std::string* txtName = nullptr;
  std::string* txtKuerzel = nullptr;
  std::string* txtMenge = nullptr;
  std::string* txtPreis = nullptr;
  std::string* txtWdh = nullptr;
  std::string* txtVolumen = nullptr;
};

// The first steps of those saves, in order: an empty name is refused ("Sie müssen erst einen
// Namen vergeben"); an empty short name takes the name's first 10 characters; empty units,
// price and (for a pot) volume are offered the value 1; an empty reuse count becomes "1". The
// boxes keep what was filled in. The box to focus when a step refuses (No to an offered value
// focuses the box the question was about); nullopt when every step passed.
std::optional<std::string> GrundfelderVorbereiten(const Grundfelder& felder);

// The price of one use a save stores (price ÷ reuse count), after checking the boxes by their
// rules in order: the units (only `mitEinheiten`), the price, the reuse count, the quotient
// (only `mitEinheiten`; without units the price of one use is 0). The refused box after its
// message, or the price of one use.
struct PreisJeVerwendungErgebnis {
  std::optional<double> preis;
  std::string fokus;
};
PreisJeVerwendungErgebnis PreisJeVerwendungPruefen(bool mitEinheiten, const std::string& txtMenge,
                                                   const std::string& txtPreis, const std::string& txtWdh);

// A row of table Material with the fields every material save fills from its boxes; the number
// follows from the barcode.
MaterialZeile GrundZeile(const std::string& barcode, std::string_view ueberPNr, const std::string& name,
                         const std::string& kuerzel, const std::string& bemerkungen, bool aktuell);

// Writes a material save in one transaction: a change first deletes the first row of each of
// `tabellen` whose MaterialNr is the number the material was opened with; then `zeile` is
// appended and `danach` writes the save's further rows. Anything failing rolls everything back
// and reports "Der Datensatz wurde nicht gespeichert." with the reason; false then.
bool MaterialSchreiben(db::Database& database, const MaterialKontext& kontext, const MaterialZeile& zeile,
                       std::initializer_list<std::string_view> tabellen,
                       const std::function<bool(std::string* grund)>& danach = {});

// Checks the number a save derives from the barcode before anything is written. The barcode
// must be digits. A new material, or a change whose number would differ from the one it was
// opened with, must not take a number that a row of Material already carries or that
// belongs to the root or the fixed groups (M1000 to M1009). Shows the reason and gives false.
bool NummerPruefen(db::Database& database, const std::string& barcode, const MaterialKontext& kontext);

}  // namespace tolvar::masterdata
