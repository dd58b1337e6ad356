#pragma once
// Overheads: the enterprise's area totals from the current sites, and the overheads
// assigned to single sites (column Gemeinkosten of table Vantel, one row per site) with the
// per-site grid's data side. The window holds the grid; these functions take and return
// its rows (index 0 is data row 1).

#include <optional>
#include <string>
#include <vector>

#include "base/values.h"

namespace tolvar::mdlGemeinkosten {

// Gross, path and net area of the sites placed in the tree by the last tree build.
struct Flaechen {
  double Brutto = 0;
  double Wege = 0;
  double Netto = 0;
};

// Sums the areas of every non-group site with ImBaum; an empty area is set to "0" in the
// list. A site's path share comes from the first Vantel row with its number when Wege is a
// number. nullopt when the Tolvar database or table Vantel cannot be read.
std::optional<Flaechen> GesamtflaecheBerechnen();

// One data row of the per-site grid: column 0 the site's name, 1 the amount (€ per year)
// as typed, 2 the site number. A row is free when Standortname is empty.
struct GemeinkostenZeile {
  std::string Standortname;
  std::string Gemeinkosten;
  std::string StandortNr;
};

// The grid's row count, header included: the tree's node count + 10.
inline int GemeinkostenTabellenZeilen(int knoten) { return knoten + 10; }

// The stored per-site amounts in Vantel order (rows whose amount is neither Null, empty
// nor zero), each with the name of its site from StandortListe (empty when unknown).
// nullopt when the table cannot be read.
std::optional<std::vector<GemeinkostenZeile>> FlaechenSpezifischeGemeinkostenLaden();

// Places the sites a drop of the tree node keyed `key` stands for: the root "Standort" all
// non-group sites in the tree except "Sta1000"; a group its direct members in the tree; a
// site itself. A listed site gets its amount cleared, another one the first free row.
// Sets StandortIndex, StandortTabelleAktiv (true) and StandortTabelleZeile (grid row, 1 =
// first data row, of the last site placed; 0 when none). Returns that row.
int GemeinkostenAblegen(std::vector<GemeinkostenZeile>* grid, const std::string& key);

// Outcome of the sums and of saving.
enum class GemeinkostenStatus {
  Ok,
  WerteFehlen,      // the overheads box is empty ("Sie haben nicht alle ..." shown)
  Ungueltig,        // overheads or an amount is no number ("Überprüfen sie ..." shown)
  Ueberschreitung,  // the amounts exceed the overheads (GemeinkostenUeberschreitungMelden)
  Fehler,           // the database could not be written
};

struct Summen {
  GemeinkostenStatus Status = GemeinkostenStatus::Ok;
  std::string Flaeche;  // assigned to sites, "0.00"
  std::string Rest;     // left for the whole area, "0.00"
};

// Sums the amounts of all rows that hold one (empty rows are skipped, so no amount escapes
// the check) and compares them with the overheads; shows the message of a failure. The
// texts are set only when Status is Ok.
Summen FlaechenSpezifischeGemeinkostenSummieren(const std::string& gemeinkosten,
                                                const std::vector<GemeinkostenZeile>& grid);

// "Die einzelenen Flächen zugewiesenen Gemeinkosten sind höher als ..." (critical).
void GemeinkostenUeberschreitungMelden();

// Sets the stored amount of site `standortNr` to 0 at once (first Vantel row of the site;
// none: nothing). False when the table cannot be written.
bool FlaechenSpezifischeGemeinkostenLoeschen(const std::string& standortNr);

// The boxes of the tab at "Speichern".
struct Eingabe {
  std::string Gemeinkosten;
  std::string Jahr;
  std::string Belegung;
  int Typ = -1;                 // selected option: 0 uniform, 1 per site, -1 none
  std::string Flaeche;          // txtFlaeche (type 0)
  std::string AktuelleFlaeche;  // txtAktuelleFlaeche (type 1)
};

// The share of the net area in use, "Auslastung der Nettofläche": over 0 and at most 100 %.
inline constexpr base::NumberRange kBelegung{.low = 0.0, .high = 100.0, .lowIncluded = false};

// The box a refused save points at.
enum class Feld { Keins, Gemeinkosten, Belegung, Flaeche, AktuelleFlaeche, Tabelle };

struct GemeinkostenSpeicherergebnis {
  GemeinkostenStatus Status = GemeinkostenStatus::Ok;
  Feld Box = Feld::Keins;
};

// Checks every box first, in the order of the tab: the overheads (required, an amount of
// zero or more up to base::kLargestAmount); Belegung (empty, or kBelegung); with type 0 or 1
// the required area of that type (an amount above zero); with type 1 the grid's amounts
// (each an amount) and their sum (at most the overheads). A refusal shows its message, takes
// nothing over and names the box. Otherwise takes the values over into
// AktuelleEinstellungen: Jahr ("0" when empty), Belegung ("75" when empty), Gemeinkosten,
// Gemeinkostentyp and the area; with type 1 the grid's amounts are then written to the
// existing Vantel rows of their sites in one transaction. What was taken over is written to
// the settings row at once.
GemeinkostenSpeicherergebnis GemeinkostenSpeichern(const Eingabe& eingabe, const std::vector<GemeinkostenZeile>& grid);

}  // namespace tolvar::mdlGemeinkosten
