#pragma once
// Fuels (table Heizmaterialien) and greenhouse coverings (table GWHMaterial) of the
// heating-model database at VantelPfad, as their list editors need them, and the
// electricity price. The editors' own state (index, start row, mode) stays in the windows;
// the lists are BrennstoffListe / EindeckungListe of state().settings, which the loaders fill
// and the editors' rows are made from.

#include <array>
#include <optional>
#include <string>

#include "base/values.h"
#include "data/state.h"

namespace tolvar::settings {

// Rows an editor shows at a time (row 1 the current or new entry).
constexpr int kEditorZeilen = 5;

// Empties the list (at least 64 entries) and reads every row of the table into it, each
// field as text. The number of rows read; nullopt when the database or table cannot be read
// (the list then stays empty).
std::optional<int> BrennstoffLaden();
std::optional<int> EindeckungLaden();

// The Nummer a new entry gets: the highest Nummer of the table + 1, 1 for an empty table.
// nullopt when the table cannot be read or the next number leaves the 16-bit range.
std::optional<int> BrennstoffID();
std::optional<int> EindeckungID();

// One editor row as shown: texts of the boxes, the roof check box.
struct BrennstoffZeile {
  std::string Name, Heizwert, Brennwert, Preis;
};
struct EindeckungZeile {
  std::string Name, kWert, Licht;
  bool Dach = false;
};

// The five rows of an editor: rows before `startzeile` (1 or 2) empty, then the list
// entries from `index` on (heating values, k-value and light transmission formatted "0.0",
// the price "0.00"; a stored value that is no number is shown as stored), empty rows after
// the end of the list.
std::array<BrennstoffZeile, kEditorZeilen> BrennstoffEintragen(int index, int startzeile, const SettingsLists& listen);
std::array<EindeckungZeile, kEditorZeilen> EindeckungEintragen(int index, int startzeile, const SettingsLists& listen);

// The arrows: "<" -1, ">" +1, "<<" -5, ">>" +4, kept within 0..count-1 (0 for an empty list).
enum class Schritt { Zurueck, Vor, FuenfZurueck, FuenfVor };
int NeuerIndex(int index, int anzahl, Schritt schritt);

enum class VantelSpeicherStatus {
  Gespeichert,
  WerteFehlen,  // a required value is empty; "Sie haben nicht alle ..." has been shown
  Ungueltig,    // a value is no number; "Überprüfen sie bitte ihre Werte" has been shown
  NameDoppelt,  // new entry with a stored name; the window shows the duplicate message
  Fehler,       // the database could not be read or written; nothing stored
};

// The duplicate messages (no icon, buttons Abbrechen / Wiederholen / Weiter).
std::string BrennstoffDoppeltMeldung();
std::string EindeckungDoppeltMeldung();

// The light transmission of a covering in per cent: from 0 to 100.
inline constexpr base::NumberRange kDurchlaessigkeit{.low = 0.0, .high = 100.0};

// The value of row 1 a refusal points at: 1 the first number box (heating value, k-value),
// 2 the second (gross heating value, light transmission), 3 the price; 0 none.
using VantelFeld = int;

// Stores row 1. `neu`: appends a row numbered `neueNummer` unless the name is stored
// already (exact comparison); else changes the first row whose Nummer equals `nummer`
// (the entry shown in row 1; no such row: nothing is touched). Numbers must be amounts from 0
// to base::kLargestAmount, the light transmission within kDurchlaessigkeit (the rules beside
// the save); the first that is not goes into `falsch`. A covering's empty light transmission becomes "0" in
// `zeile` first.
VantelSpeicherStatus BrennstoffSpeichern(const BrennstoffZeile& zeile, bool neu, int neueNummer,
                                         const std::string& nummer, VantelFeld* falsch = nullptr);
VantelSpeicherStatus EindeckungSpeichern(EindeckungZeile* zeile, bool neu, int neueNummer, const std::string& nummer,
                                         VantelFeld* falsch = nullptr);

// Deletes the first row whose Nummer equals `nummer`; none: nothing. False on a failure.
bool BrennstoffLoeschen(const std::string& nummer);
bool EindeckungLoeschen(const std::string& nummer);

// The index after deleting the entry at `index`: one back, not below 0.
inline int IndexNachLoeschen(int index) { return index > 0 ? index - 1 : 0; }

// Stores the electricity price as typed: Strom of AktuelleEinstellungen and of the settings
// row. An empty box stores the empty text, which the next loading of the settings replaces by
// the standard price "0,12". A text that is no amount of zero or more ("Überprüfen sie ...")
// is refused and nothing changes, so no calculation works with a price it cannot use. False when refused or when the
// settings row cannot be written (reported with its reason; the setting is kept in memory and written again when the
// program ends).
bool StromSpeichern(const std::string& text);

}  // namespace tolvar::settings
