#include "heating/site_editor.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

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
  using base::NumberRange;
  constexpr NumberRange kPositiv{.low = 0.0, .lowIncluded = false};
  constexpr NumberRange kWege{.low = 0.0, .high = 100.0, .highIncluded = false};
  constexpr NumberRange kProzent{.low = 0.0, .high = 100.0};
  constexpr NumberRange kTemperatur{.low = -base::kLargestAmount};
  struct Regel {
    const char* box;
    const std::string& text;
    NumberRange bereich;
    bool ganz = false;  // a whole count within the range
  };
  std::vector<Regel> regeln;
  const bool haus = !f.opbGruppe;
  const std::string& stehwand = haus ? f.txtStehwand : f.txtGruStehwand;
  // The house height is measured from the ground like the side wall, so it is at least as high.
  const std::optional<double> wand = base::ParseNumberIn(stehwand, kPositiv);
  const NumberRange hoehe{.low = wand.value_or(0.0), .lowIncluded = wand.has_value()};
  if (haus) {
    regeln.push_back({"txtLaenge", f.txtLaenge, kPositiv});
    regeln.push_back({"txtBreite", f.txtBreite, kPositiv});
    regeln.push_back({"txtStehwand", f.txtStehwand, kPositiv});
    regeln.push_back({"txtHaus", f.txtHaus, hoehe});
    regeln.push_back({"txtWege", f.txtWege, kWege});
  } else {
    regeln.push_back({"txtGruStehwand", f.txtGruStehwand, kPositiv});
    regeln.push_back({"txtGruHaus", f.txtGruHaus, hoehe});
    regeln.push_back({"txtGruWege", f.txtGruWege, kWege});
  }
  if (f.opbTyp == 2) regeln.push_back({"txtKappenzahl", f.txtKappenzahl, {.low = 1.0, .high = 32767.0}, true});
  const std::pair<int, const std::string*> grenzen[] = {{f.opbGiebelH, &f.txtGrenzGiebelH},
                                                        {f.opbGiebelV, &f.txtGrenzGiebelV},
                                                        {f.opbStehL, &f.txtGrenzStehL},
                                                        {f.opbStehR, &f.txtGrenzStehR}};
  const char* const grenzboxen[] = {"txtGrenzGiebelH", "txtGrenzGiebelV", "txtGrenzStehL", "txtGrenzStehR"};
  for (std::size_t i = 0; i < std::size(grenzen); ++i) {
    if (grenzen[i].first == kGrenzflaeche) regeln.push_back({grenzboxen[i], *grenzen[i].second, kTemperatur});
  }
  regeln.push_back({"txtWirkungsgrad", f.txtWirkungsgrad, kPositiv});
  if (f.chbEnergieschirm) regeln.push_back({"txtEinsparung", f.txtEinsparung, kProzent});
  regeln.push_back({"txtFaktor", f.txtFaktor, kPositiv});

  for (const Regel& r : regeln) {
    if (base::Trim(r.text).empty()) continue;
    const bool ok = r.ganz ? base::ParseCount(r.text, static_cast<std::int64_t>(r.bereich.low),
                                              static_cast<std::int64_t>(r.bereich.high))
                                 .has_value()
                           : base::ParseNumberIn(r.text, r.bereich).has_value();
    if (ok) continue;
    mdlFehler::MeldungWertePruefen();
    return r.box;
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
  const mdlVantel::VantelSatz satz = mdlVantel::HeizdatenAusFormular(f, "");
  std::string fehler;
  if (!mdlVantel::VantelZeileErsetzen(s.enterprise.TolvarDatenbankPfad, alteNr, satz, aendern && !f.opbGruppe,
                                      &fehler)) {
    data::ShowCritical(sys::Fehlermeldung("Die gespeicherten Heizdaten bleiben unverändert.", fehler));
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
