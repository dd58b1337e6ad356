#pragma once
// Greenhouse and heating data of a site: its row of table Vantel in the enterprise's own
// database, moved between the table and the site editor's values. The editor's lists of
// coverings and fuels come from the Vanteldatenbank.
//
// The heating run reads the same table for its own purpose (mdlHeizkostenBerrechnung_daten.h, first row per
// site, Null as empty text); the editor needs every column, Null kept apart from the empty
// text, and every row of a site, so it reads here.

#include <optional>
#include <string>
#include <vector>

#include "data/records.h"
#include "data/vantel_row.h"
#include "heating/site_form.h"

namespace tolvar::mdlVantel {

// A row of table Vantel as stored (data/vantel_row.h).
using VantelSatz = data::VantelSatz;

// The entries of the editor's lists, in table order.
struct Auswahllisten {
  std::vector<std::string> Dach;         // coverings with Eignung > 0
  std::vector<std::string> Wand;         // all coverings
  std::vector<std::string> Brennstoffe;  // all fuels
  bool ok = true;                        // false: the Vanteldatenbank or a table could not be read
};

// ---------------------------------------------------------------- database

// Every row of the site in table order; empty when there is none or the table cannot be read.
std::vector<VantelSatz> VantelZeilenLesen(const std::string& tolvarPfad, const std::string& standortNr);

// Coverings (GWHMaterial) and fuels (Heizmaterialien).
Auswahllisten AuswahllistenLaden(const std::string& vantelPfad);

// Replaces the rows of site `alteNr` by `satz` in one transaction. With `GemeinkostenBehalten`
// the new row takes the overheads of the last replaced row ("0" when there was none); else
// it keeps satz.Gemeinkosten. On failure the table stays as it was; false and a reason.
bool VantelZeileErsetzen(const std::string& tolvarPfad, const std::string& alteNr, VantelSatz satz,
                         bool GemeinkostenBehalten, std::string* fehler = nullptr);

// Copies the group-wide fields (Stehwand, Dach, Wege, Bauart, the five coverings, Brennstoff,
// Brennwert, ESchirm, Wirkungsgrad, Einsparung, Anpassung) of the group's first row into the
// first row of each direct child (table Standort: UeberPNr = the last four characters of the
// group's number). Children without a row are skipped. One transaction. Returns the number
// of rows changed, or -1 with a reason.
int GruppenHeizdatenKopieren(const std::string& tolvarPfad, const std::string& morvinPfad, const std::string& gruppenNr,
                             std::string* fehler = nullptr);

// ---------------------------------------------------------------- editor values

// A stored "0" and a missing value show as "0"; anything else, the empty text included, as stored.
std::string Nullregel(const std::optional<std::string>& wert);

// Entry of `liste` to select for a stored name: the equal entry, else the first; empty for an
// empty list.
std::string Auswaehlen(const std::vector<std::string>& liste, const std::string& name);

// Selects "Außenfläche" or "Grenzfläche" of a wall or gable; "Außenfläche" empties its
// temperature box.
enum class Flaeche { GiebelH, GiebelV, StehL, StehR };
void FlaecheWaehlen(StandortFormular& f, Flaeche flaeche, int element);

// New-house defaults: empties the master and measure boxes (txtWege, txtNr and txtFlaeche keep
// what they hold), "Neues Gewächshaus", "Breitschiff-GWH", fills the lists and selects their
// first entries, all walls and gables "Außenfläche", efficiency "75", saving "20", factor "1",
// no condensing boiler, energy screen on.
void NeuesGewaechshausVorbelegen(StandortFormular& f, const Auswahllisten& listen);

// Puts fresh list entries into the form; each selection stays when the list still holds it,
// else the first entry is selected.
void ListenErneuern(StandortFormular& f, const Auswahllisten& listen);

// Shows the site's master fields and kind, then each of its rows in turn (the last one stays).
void StandortHeizdatenAnzeigen(StandortFormular& f, const StandortSatz& standort,
                               const std::vector<VantelSatz>& zeilen);

// Shows each row of a source site as defaults: measures by the kind selected in the form,
// then type, coverings, surfaces and heating data. No master field is touched.
void GruppenHeizdatenVorbelegen(StandortFormular& f, const std::vector<VantelSatz>& zeilen);

// The row the form describes (Gemeinkosten: "0" for a group, else `gemeinkosten`).
VantelSatz HeizdatenAusFormular(const StandortFormular& f, const std::string& gemeinkosten);

}  // namespace tolvar::mdlVantel
