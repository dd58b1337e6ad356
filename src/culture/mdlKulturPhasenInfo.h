#pragma once
// The phases of the selected culture: loading them from table KulturPhasen of the Tolvar
// database into PhasenListe (slot n = phase n), saving the phase grid as a whole, and
// deleting the stored row of one phase.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/field_rules.h"
#include "culture/grid_values.h"
#include "data/records_culture.h"
#include "platform/db/database.h"

namespace tolvar::mdlKulturPhasenInfo {

// A culture has at most this many phases; PhasenListe has the slots 0..kMaxPhasen.
inline constexpr int kMaxPhasen = 25;

// Columns of the phase grid dtgPhase.
enum PhasenSpalte : int {
  kSpalteName = 0,
  kSpalteMenge = 1,
  kSpalteFlaeche = 2,
  kSpalteBeginn = 3,
  kSpalteEnde = 4,
  kSpalteTT = 5,
  kSpalteNT = 6,
  kSpalteLicht = 7,
  kSpalteDauer = 8,
  kSpalteBrutto = 9,
};
inline constexpr int kPhasenSpalten = 10;

// The texts of one data row of the phase grid, columns 0..9. A grid is passed as its data
// rows: element 0 is grid row 1.
using PhasenZeile = std::array<std::string, kPhasenSpalten>;

// A slot emptied by the loader ("0" texts, zero dates) and one emptied by the saver ("0"
// texts, 01.01.1900).
PhasenSatz LeererLadeSlot();
PhasenSatz LeererSpeicherSlot();

// Replaces PhasenListe (26 slots) and AnzahlPhasen with the stored phases of the culture
// KulturListe(KulturIndex) from TolvarDatenbankPfad: each row goes into the slot of its
// phase number 1..25 whatever the row order; other numbers and rows that cannot be read are
// passed over; of two rows with the same number the later one stays. AnzahlPhasen counts
// the filled slots. False (nothing shown) when no culture is selected or the database or
// table cannot be read (the slots are then empty), and when a row holds a phase number that
// is no number or a date that is no date (the slots then hold what was read, such a date as
// the zero date).
bool KulturPhasenLaden();

// The rule of a number column the saver writes (Menge, the areas, TT, NT, light); nullptr for
// the name and date columns.
const base::Feldregel* Spaltenregel(int spalte);

// The first cell of the named rows that the saver refuses, with its message; nullopt when the
// saver takes every cell. PhasenzeilenPruefen below also paints and shows it.
struct Phasenverweigerung {
  culture::Zelle zelle;
  std::string meldung;
};
std::optional<Phasenverweigerung> PhasenzeilenVerweigerung(const std::vector<PhasenZeile>& zeilen);

// The check of every cell of the named rows that the saver writes (rows without a name are
// passed over): Menge a whole number from 0 to 1.000.000.000.000, the areas, TT, NT and W/Nm²
// numbers from 0 to 1.000.000.000.000, h from 0 to 24, an empty one of these stored as "0";
// Beginn and Ende a date or empty; at most 25 named rows. The first refused cell (grid row
// and column) is handed to `malen`, then its message is shown and the cell returned; nullopt
// when the saver takes every cell.
std::optional<culture::Zelle> PhasenzeilenPruefen(const std::vector<PhasenZeile>& zeilen,
                                                  const culture::ZellenMalen& malen = {});

// Takes the named rows of the phase grid into PhasenListe, numbered 1, 2, ... in grid
// order (rows without a name are passed over, so no gap is stored), and replaces the
// culture's rows of KulturPhasen with them in one transaction. Empty cells give "0", an
// empty Beginn today, an empty Ende Beginn plus one day. A cell PhasenzeilenPruefen refuses
// refuses the whole save (through `malen` and its message) and writes nothing; a database
// failure is reported and leaves the stored rows as they were. Returns true when stored.
bool KulturphasenSpeichern(const std::vector<PhasenZeile>& zeilen, const culture::ZellenMalen& malen = {});

// The steps of a save, for a saver that stores the phases together with another table:
// PhasenAusZeilen takes the named rows (checked before) into phase records 1, 2, ... of the
// culture `kulturNr` (element 0 is an empty slot); PhasenSchreiben replaces the culture's rows
// of KulturPhasen in `datenbank` by them, inside the caller's open transaction (first deleting
// the row `geloeschteKpId` when it is not empty); PhasenUebernehmen puts them into PhasenListe
// once the transaction has been committed.
std::vector<PhasenSatz> PhasenAusZeilen(const std::vector<PhasenZeile>& zeilen, const std::string& kulturNr);
bool PhasenSchreiben(db::Database& datenbank, const std::string& kulturNr, const std::vector<PhasenSatz>& neu,
                     const std::string& geloeschteKpId = {});
void PhasenUebernehmen(const std::vector<PhasenSatz>& neu);

// Deletes the first stored row whose KP_ID is that of PhasenListe(PhasenIndex) and stores
// `verbleibend` (the grid without that phase) as KulturphasenSpeichern does, both in one
// transaction: the remaining rows are checked first, and a refused or failed save deletes
// nothing. An index outside 1..25 or an empty slot deletes nothing and only stores. Returns
// true when stored.
bool KulturphaseLoeschen(const std::vector<PhasenZeile>& verbleibend, const culture::ZellenMalen& malen = {});

}  // namespace tolvar::mdlKulturPhasenInfo
