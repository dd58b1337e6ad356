#pragma once
// The site occupancies of the selected culture: loading them from table KulturStandorte of
// the labour-time database into KulturStandortListe, clipped to the culture's phase range,
// the rows of the site grid, the check of the grid and saving it back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "culture/grid_values.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "data/records_culture.h"
#include "data/state.h"

namespace tolvar::mdlStandorte2 {

using mdlKulturPhasenInfo::PhasenZeile;

// Columns of the site grid dtgStandorteModus2.
enum StandortSpalte : int { kSpalteStandort = 0, kSpalteFlaeche = 1, kSpalteBeginn = 2, kSpalteEnde = 3 };
inline constexpr std::string_view kStandortKoepfe[4] = {"Standorte", "Fläche (Nm²)", "Beginn", "Ende"};

// One data row of the site grid. StandortNr is the row's site, kept with the row out of
// sight; empty for a row whose site is to be found by its name. Dates are cell texts in
// day-month-year order with points or blanks.
struct StandortZeile {
  std::string StandortName;
  std::string StandortNr;
  std::string Flaeche;
  std::string Beginn;
  std::string Ende;
};

// The free slot of KulturStandortListe for the culture `kulturNr`.
KulturStandortSatz FreierSlot(const std::string& kulturNr);

// The phase range of PhasenListe: Anfang of the first and Ende of the last filled slot
// 1..AnzahlPhasen; nullopt without phases.
std::optional<std::pair<base::Date, base::Date>> Phasenbereich(const CultureData& kultur);

// Whether an occupancy with the stored dates `beginn` and `ende` (nullopt: missing) lies
// within the phase range [fa, le]: it overlaps the range and has at least one date. Such
// rows are loaded (clipped to the range) and are the ones a save replaces.
bool ImPhasenbereich(std::optional<base::Date> beginn, std::optional<base::Date> ende, base::Date fa, base::Date le);

// Replaces KulturStandortListe and AnzahlKulturStandorte with the occupancies of the culture
// KulturListe(KulturIndex) within its phase range, in order of their Beginn, each clipped
// to the range, with the site's name from table Standort (the last row with its number;
// "0" when there is none) and its path share Wege from table Vantel (the first row; "0"
// when there is none). Rows without a site number are passed over. The list ends with one
// free slot; heating results start at 0. False when a database or table cannot be read
// (the list is then empty); nothing is shown.
bool KulturStandorteLaden();

// The rows the site grid shows for KulturStandortListe: one per occupancy, dates as
// "dd mm yyyy"; an occupancy whose site has no name shows its site number.
std::vector<StandortZeile> KulturStandorteTabelle(const CultureData& kultur);

// Check of the grid before a save; the first failure ends it. Rows are read up to the first
// one without a site name: area, Beginn and Ende must be given, the area a number, the
// dates valid, the site known (by its kept number, or by name in StandortListe), Beginn
// before Ende, Beginn not before the first phase's Anfang and Ende not after the last
// phase's Ende. On failure hands the cells to paint red to `malen`, then shows "Bitte prüfen
// sie die Eingabe." and returns the cells; an area that is a number outside 0 to
// 1.000.000.000.000 Nm² gets a message that states the range. Sets EingabeOk of `kultur`.
culture::Pruefergebnis KulturStandorteEingabePruefen(const std::vector<StandortZeile>& zeilen, CultureData& kultur,
                                                     const MasterLists& stamm, const culture::ZellenMalen& malen = {});

// One save of both tables, or of neither: replaces the culture's occupancies within the phase
// range by the grid rows up to the first one without a site name (rows of other cultures and
// the culture's rows outside the range stay untouched), and the culture's phases by the phase
// grid rows `phasen` with the net and gross areas worked out from the new occupancies (with
// each site's path share from table Vantel). Everything is checked before the first write: a
// row whose area breaks its rule (a number from 0 to 1.000.000.000.000 Nm²) or whose site or
// dates cannot be taken, and a phase cell its column's rule refuses, refuse the whole save with
// a message. A phase area beyond its rule that the occupancies give names the phase and hands
// the area cells of the occupancies counting for it to `malenStandorte`; any other refused
// phase cell goes to `malenPhasen`. Run the check of the grid first. Both tables are written in
// one transaction each, committed only when both are written; a database failure is reported
// and leaves both as they were. On success KulturStandortListe holds the rows (callers reload
// afterwards) and PhasenListe the stored phases. Returns true when stored.
bool KulturStandorteSpeichern(const std::vector<StandortZeile>& zeilen, const std::vector<PhasenZeile>& phasen,
                              const culture::ZellenMalen& malenStandorte = {},
                              const culture::ZellenMalen& malenPhasen = {});

}  // namespace tolvar::mdlStandorte2
