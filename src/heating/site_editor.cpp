#include "heating/site_editor.h"

#include <optional>
#include <vector>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/state.h"
#include "heating/mdlVantel.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::heating {

namespace {

constexpr const char* kListenFehler =
    "Die Brennstoffe und Eindeckungen konnten nicht aus der Vantel-Datenbank gelesen werden.";

// The rules of the row's number fields, by the box that holds each. A blank box stores what
// the row keeps for it: the heating model takes its fallback there or counts it as missing.
using base::Feldregel;
using base::NumberRange;
// Length and width take 0: a new house below a group proposes the group's "0"; the heating
// model then has no floor and leaves the occupancy's heating as missing data. The site's master
// record stores their product under the same rules.
constexpr Feldregel kLaenge = kStandortLaenge;
constexpr Feldregel kBreite = kStandortBreite;
// A foil house may have no side walls.
constexpr Feldregel kStehwand{.feld = "txtStehwand", .leer = ""};
constexpr Feldregel kGruStehwand{.feld = "txtGruStehwand", .leer = ""};
constexpr NumberRange kWegeBereich{.low = 0.0, .high = 100.0, .highIncluded = false};
constexpr Feldregel kWege{.feld = "txtWege", .bereich = kWegeBereich, .leer = ""};
constexpr Feldregel kGruWege{.feld = "txtGruWege", .bereich = kWegeBereich, .leer = ""};
constexpr Feldregel kKappenzahl{
    .feld = "txtKappenzahl", .bereich = {.low = 1.0, .high = 32767.0}, .ganz = true, .leer = ""};
constexpr NumberRange kTemperatur{.low = -base::kLargestAmount};
constexpr Feldregel kGrenzGiebelH{.feld = "txtGrenzGiebelH", .bereich = kTemperatur, .leer = ""};
constexpr Feldregel kGrenzGiebelV{.feld = "txtGrenzGiebelV", .bereich = kTemperatur, .leer = ""};
constexpr Feldregel kGrenzStehL{.feld = "txtGrenzStehL", .bereich = kTemperatur, .leer = ""};
constexpr Feldregel kGrenzStehR{.feld = "txtGrenzStehR", .bereich = kTemperatur, .leer = ""};
// The model divides by the efficiency: the text "0" is read as 85 %, any other zero refused.
constexpr Feldregel kWirkungsgrad{
    .feld = "txtWirkungsgrad", .bereich = {.low = 0.0, .lowIncluded = false}, .leer = "85", .auchText = "0"};
// Stored with or without the energy screen, and handed to a group's houses either way.
constexpr Feldregel kEinsparung{.feld = "txtEinsparung", .bereich = {.low = 0.0, .high = 100.0}, .leer = "20"};
// Blank and "0" are read as factor 1; "0,0" is factor 0 (no heat demand).
constexpr Feldregel kFaktor{.feld = "txtFaktor", .leer = ""};

bool AendernModus() { return state().selection.Bearbeitungsmodus == "Aendern"; }

// The selected site, or nullptr when the index designates none.
const StandortSatz* GewaehlterStandort() {
  const State& s = state();
  return At(s.masters.StandortListe, s.selection.StandortIndex);
}

mdlVantel::Auswahllisten ListenLesen() {
  mdlVantel::Auswahllisten listen = mdlVantel::AuswahllistenLaden(state().enterprise.AktuelleEinstellungen.VantelPfad);
  if (!listen.ok) data::ShowCritical(kListenFehler);
  return listen;
}

// Defaults of a new record from the selected site's row.
void GruppenVorbelegung(StandortFormular& f) {
  const StandortSatz* quelle = GewaehlterStandort();
  if (!quelle) return;
  mdlVantel::GruppenHeizdatenVorbelegen(
      f, mdlVantel::VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, quelle->StandortNr));
}

// One number field the save writes: its rule and the box that holds it.
struct Feldpruefung {
  Feldregel regel;
  std::string StandortFormular::*box;
};

// The number fields the save writes for the form's kind and surfaces, in the order of the window.
std::vector<Feldpruefung> Pruefliste(const StandortFormular& f) {
  const bool haus = !f.opbGruppe;
  const std::string& stehwand = haus ? f.txtStehwand : f.txtGruStehwand;
  // The house height is measured from the ground like the side wall, so it is at least as high.
  const std::optional<double> wand = base::FeldZahl(haus ? kStehwand : kGruStehwand, stehwand);
  const NumberRange hoehe{.low = wand.value_or(0.0)};
  std::vector<Feldpruefung> liste;
  if (haus) {
    liste.push_back({kLaenge, &StandortFormular::txtLaenge});
    liste.push_back({kBreite, &StandortFormular::txtBreite});
    liste.push_back({kStehwand, &StandortFormular::txtStehwand});
    liste.push_back({{.feld = "txtHaus", .bereich = hoehe, .leer = ""}, &StandortFormular::txtHaus});
    liste.push_back({kWege, &StandortFormular::txtWege});
  } else {
    liste.push_back({kGruStehwand, &StandortFormular::txtGruStehwand});
    liste.push_back({{.feld = "txtGruHaus", .bereich = hoehe, .leer = ""}, &StandortFormular::txtGruHaus});
    liste.push_back({kGruWege, &StandortFormular::txtGruWege});
  }
  // The span count is stored for every type; it is shown with a house and read for a Venlo house.
  if (haus || f.opbTyp == 2) liste.push_back({kKappenzahl, &StandortFormular::txtKappenzahl});
  // A boundary temperature is stored only for a boundary surface ("0" for an outer one).
  if (f.opbStehL == kGrenzflaeche) liste.push_back({kGrenzStehL, &StandortFormular::txtGrenzStehL});
  if (f.opbStehR == kGrenzflaeche) liste.push_back({kGrenzStehR, &StandortFormular::txtGrenzStehR});
  if (f.opbGiebelV == kGrenzflaeche) liste.push_back({kGrenzGiebelV, &StandortFormular::txtGrenzGiebelV});
  if (f.opbGiebelH == kGrenzflaeche) liste.push_back({kGrenzGiebelH, &StandortFormular::txtGrenzGiebelH});
  liste.push_back({kWirkungsgrad, &StandortFormular::txtWirkungsgrad});
  liste.push_back({kEinsparung, &StandortFormular::txtEinsparung});
  liste.push_back({kFaktor, &StandortFormular::txtFaktor});
  return liste;
}

}  // namespace

void Laden(StandortFormular& f, const std::string& naechsteNr, const std::string& naechsterBarcode) {
  mdlVantel::NeuesGewaechshausVorbelegen(f, ListenLesen());
  if (!AendernModus()) {
    // The numbering writes nothing when it has no proposal; the boxes keep what they hold.
    if (!naechsterBarcode.empty()) f.txtCode = naechsterBarcode;
    if (!naechsteNr.empty()) f.txtNr = naechsteNr;
    GruppenVorbelegung(f);
    return;
  }
  if (const StandortSatz* standort = GewaehlterStandort()) {
    mdlVantel::StandortHeizdatenAnzeigen(
        f, *standort, mdlVantel::VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, standort->StandortNr));
  }
}

void Aktivieren(StandortFormular& f) {
  if (!AendernModus()) return;
  const mdlVantel::Auswahllisten listen =
      mdlVantel::AuswahllistenLaden(state().enterprise.AktuelleEinstellungen.VantelPfad);
  // Lists that cannot be read now keep the entries shown so far.
  if (listen.ok) mdlVantel::ListenErneuern(f, listen);
}

void HausWaehlen(StandortFormular& f) {
  f.opbGruppe = false;
  GruppenVorbelegung(f);
}

void GruppeWaehlen(StandortFormular& f) { f.opbGruppe = true; }

std::string HeizdatenPruefen(const StandortFormular& f) {
  for (const Feldpruefung& p : Pruefliste(f)) {
    if (base::FeldGueltig(p.regel, f.*p.box)) continue;
    mdlFehler::MeldungWertePruefen(f.*p.box);
    return std::string(p.regel.feld);
  }
  return {};
}

StandortSpeicherergebnis Speichern(const StandortFormular& f, bool fuerAlle,
                                   const StammdatensatzSpeichern& stammdaten) {
  StandortSpeicherergebnis ergebnis;
  // Checked before anything is written, so a refused name leaves no row behind.
  if (base::Trim(f.txtName).empty()) {
    mdlFehler::MeldungNameFehlt();
    ergebnis.fokusName = true;
    return ergebnis;
  }
  if (base::Trim(f.txtNr).empty()) {
    data::ShowCritical("Dem Standort ist keine Nummer zugeordnet. Es wurde nichts gespeichert.");
    return ergebnis;
  }
  ergebnis.fokus = HeizdatenPruefen(f);
  if (!ergebnis.fokus.empty()) return ergebnis;

  const State& s = state();
  const bool aendern = AendernModus();
  // Change mode replaces the rows of the edited site; a new record replaces any stray rows
  // left under its fresh number, so the site ends with exactly one row.
  std::string alteNr = f.txtNr;
  if (aendern) {
    if (const StandortSatz* standort = GewaehlterStandort()) alteNr = standort->StandortNr;
  }
  // Each checked box as its rule stores it: a blank efficiency "85", a blank saving "20".
  StandortFormular gespeichert = f;
  for (const Feldpruefung& p : Pruefliste(f)) gespeichert.*p.box = *base::FeldText(p.regel, f.*p.box);
  const mdlVantel::VantelSatz satz = mdlVantel::HeizdatenAusFormular(gespeichert, "");
  std::string fehler;
  if (!mdlVantel::VantelZeileErsetzen(s.enterprise.TolvarDatenbankPfad, alteNr, satz, aendern && !f.opbGruppe,
                                      &fehler)) {
    data::ShowCritical(data::Datenbankfehler("Die gespeicherten Heizdaten bleiben unverändert.", "Tolvar-Datenbank",
                                             s.enterprise.TolvarDatenbankPfad, fehler));
    return ergebnis;
  }

  if (stammdaten && !stammdaten()) return ergebnis;

  // A group being created has no houses yet; copying from the tree's selection would hand
  // another group's data to that group's houses.
  if (fuerAlle && aendern) {
    if (mdlVantel::GruppenHeizdatenKopieren(s.enterprise.TolvarDatenbankPfad, s.enterprise.AktuellerBetrieb, f.txtNr,
                                            &fehler) < 0) {
      data::ShowCritical(sys::Fehlermeldung("", fehler));
      return ergebnis;
    }
  }
  ergebnis.schliessen = true;
  return ergebnis;
}

}  // namespace tolvar::heating
