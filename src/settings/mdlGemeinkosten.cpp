#include "settings/mdlGemeinkosten.h"

#include <algorithm>
#include <memory>

#include "base/field_rules.h"
#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "settings/db_access.h"

namespace tolvar::mdlGemeinkosten {

namespace {

int LetzterStandortIndex() { return static_cast<int>(state().masters.StandortListe.size()) - 1; }

// The rules of the tab's boxes. The overheads are an amount the calculation spreads (negative
// or "1e308" would show as 0,00 later); the calculation divides by the net area at its
// occupancy, so both are above 0. A blank overheads or area box is refused with its own
// message; a blank occupancy stores "75", a blank amount of the grid stores the empty text
// (no overheads for the site).
constexpr base::Feldregel kGemeinkosten{.feld = "txtGemeinkosten"};
constexpr base::Feldregel kBelegungsregel{.feld = "txtBelegung", .bereich = kBelegung, .leer = "75"};
constexpr base::NumberRange kPositiv{.low = 0.0, .lowIncluded = false};
constexpr base::Feldregel kFlaeche{.feld = "txtFlaeche", .bereich = kPositiv};
constexpr base::Feldregel kAktuelleFlaeche{.feld = "txtAktuelleFlaeche", .bereich = kPositiv};
constexpr base::Feldregel kStandortGemeinkosten{.feld = "dtgStandort", .leer = ""};

// Amounts of the grid: the sum of the rows that hold one; nullopt when one is refused.
std::optional<double> Betragssumme(const std::vector<GemeinkostenZeile>& grid) {
  double summe = 0;
  for (const GemeinkostenZeile& z : grid) {
    if (!base::FeldGueltig(kStandortGemeinkosten, z.Gemeinkosten)) return std::nullopt;
    summe += base::FeldZahl(kStandortGemeinkosten, z.Gemeinkosten).value_or(0.0);
  }
  return summe;
}

// The first amount of the grid its rule refuses ("" when none), for the message.
std::string_view ErsterFalscherBetrag(const std::vector<GemeinkostenZeile>& grid) {
  for (const GemeinkostenZeile& z : grid) {
    if (!base::FeldGueltig(kStandortGemeinkosten, z.Gemeinkosten)) return z.Gemeinkosten;
  }
  return {};
}

}  // namespace

std::optional<Flaechen> GesamtflaecheBerechnen() {
  State& st = state();
  std::unique_ptr<db::Database> database = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!database) return std::nullopt;
  db::Recordset vantel = settings::Tabelle(*database, "Vantel");
  if (!vantel.ok()) return std::nullopt;
  Flaechen f;
  const int last = LetzterStandortIndex();
  for (int i = 0; i <= last; ++i) {
    StandortSatz& s = st.masters.StandortListe[static_cast<std::size_t>(i)];
    if (!s.ImBaum || s.Gliederungspunkt) continue;
    if (s.Flaeche.empty()) s.Flaeche = "0";
    const double flaeche = base::NumberOr(s.Flaeche, 0.0);
    f.Brutto += flaeche;
    for (vantel.MoveFirst(); !vantel.Eof(); vantel.MoveNext()) {
      if (vantel["StandortNr"].text() != s.StandortNr) continue;
      if (const std::optional<double> wege = vantel["Wege"].number()) {
        f.Wege += flaeche * *wege / 100.0;
      }
      break;
    }
  }
  f.Netto = f.Brutto - f.Wege;
  return f;
}

std::optional<std::vector<GemeinkostenZeile>> FlaechenSpezifischeGemeinkostenLaden() {
  const State& st = state();
  std::unique_ptr<db::Database> database = settings::Oeffnen(st.enterprise.TolvarDatenbankPfad);
  if (!database) return std::nullopt;
  db::Recordset rs = settings::Tabelle(*database, "Vantel");
  if (!rs.ok()) return std::nullopt;
  std::vector<GemeinkostenZeile> zeilen;
  const int last = LetzterStandortIndex();
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const db::Value& betrag = rs["Gemeinkosten"];
    const std::string text = betrag.text();
    if (betrag.isNull() || text.empty() || betrag.number() == 0.0) continue;
    GemeinkostenZeile z{"", text, rs["StandortNr"].text()};
    for (int i = 0; i <= last; ++i) {
      if (st.masters.StandortListe[static_cast<std::size_t>(i)].StandortNr == z.StandortNr) {
        z.Standortname = st.masters.StandortListe[static_cast<std::size_t>(i)].Standortname;
        break;
      }
    }
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

int GemeinkostenAblegen(std::vector<GemeinkostenZeile>* grid, const std::string& key) {
  State& st = state();
  const int last = LetzterStandortIndex();
  for (int i = 0; i <= last; ++i) {
    if (st.masters.StandortListe[static_cast<std::size_t>(i)].StandortNr == key) {
      st.selection.StandortIndex = i;
      break;
    }
  }
  std::vector<int> sites;
  if (key == "Standort") {
    for (int j = 0; j <= last; ++j) {
      const StandortSatz& s = st.masters.StandortListe[static_cast<std::size_t>(j)];
      if (s.StandortNr != "Sta1000" && !s.Gliederungspunkt && s.ImBaum) sites.push_back(j);
    }
  } else if (const StandortSatz* g = At(st.masters.StandortListe, st.selection.StandortIndex);
             g != nullptr && g->StandortNr == key) {
    if (g->Gliederungspunkt) {
      const std::string gruppe = base::RightChars(g->StandortNr, 4);
      for (int j = 0; j <= last; ++j) {
        const StandortSatz& s = st.masters.StandortListe[static_cast<std::size_t>(j)];
        if (s.UeberPNr == gruppe && s.ImBaum) sites.push_back(j);
      }
    } else {
      sites.push_back(st.selection.StandortIndex);
    }
  }

  int platziert = 0;
  for (int j : sites) {
    const StandortSatz& s = st.masters.StandortListe[static_cast<std::size_t>(j)];
    for (std::size_t k = 0; k < grid->size(); ++k) {
      GemeinkostenZeile& z = (*grid)[k];
      if (z.StandortNr == s.StandortNr) {  // listed already: ready for a new amount
        z.Gemeinkosten.clear();
        platziert = static_cast<int>(k) + 1;
        break;
      }
      if (z.Standortname.empty()) {
        z.Standortname = s.Standortname;
        z.StandortNr = s.StandortNr;
        platziert = static_cast<int>(k) + 1;
        break;
      }
    }
  }
  st.windows.StandortTabelleAktiv = true;
  st.windows.StandortTabelleZeile = platziert;
  return platziert;
}

void GemeinkostenUeberschreitungMelden() {
  data::ShowCritical(
      "Die einzelenen Flächen zugewiesenen Gemeinkosten sind höher als die gesamten "
      "Gemeinkosten.\n\r\n\rÜberprüfen sie Ihre Eingaben.");
}

Summen FlaechenSpezifischeGemeinkostenSummieren(const std::string& gemeinkosten,
                                                const std::vector<GemeinkostenZeile>& grid) {
  Summen s;
  if (gemeinkosten.empty()) {
    mdlFehler::MeldungWerteFehlen();
    s.Status = GemeinkostenStatus::WerteFehlen;
    return s;
  }
  const std::optional<double> gesamt = base::FeldZahl(kGemeinkosten, gemeinkosten);
  const std::optional<double> summe = Betragssumme(grid);
  if (!gesamt || !summe) {
    mdlFehler::MeldungWertePruefen(gesamt ? ErsterFalscherBetrag(grid) : std::string_view(gemeinkosten));
    s.Status = GemeinkostenStatus::Ungueltig;
    return s;
  }
  if (*gesamt < *summe) {
    GemeinkostenUeberschreitungMelden();
    s.Status = GemeinkostenStatus::Ueberschreitung;
    return s;
  }
  s.Flaeche = base::Format(*summe, "0.00");
  s.Rest = base::Format(*gesamt - *summe, "0.00");
  return s;
}

bool FlaechenSpezifischeGemeinkostenLoeschen(const std::string& standortNr) {
  std::unique_ptr<db::Database> database = settings::Oeffnen(state().enterprise.TolvarDatenbankPfad);
  if (!database) return false;
  db::Recordset rs = settings::Tabelle(*database, "Vantel");
  if (!rs.ok()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (rs["StandortNr"].text() == standortNr) {
      return rs.Edit() && rs.SetField("Gemeinkosten", 0) && rs.Update();
    }
  }
  return true;
}

namespace {
// Confirmed values go to the settings row at once, not only when the program ends.
GemeinkostenStatus Sichern() {
  return mdlDatenbank::EinstellungenSichern() ? GemeinkostenStatus::Ok : GemeinkostenStatus::Fehler;
}
}  // namespace

GemeinkostenSpeicherergebnis GemeinkostenSpeichern(const Eingabe& eingabe, const std::vector<GemeinkostenZeile>& grid) {
  // Every box is checked before anything is taken over: a refusal leaves the settings as
  // they were.
  auto fehlt = [](Feld feld) {
    mdlFehler::MeldungWerteFehlen();
    return GemeinkostenSpeicherergebnis{GemeinkostenStatus::WerteFehlen, feld};
  };
  auto ungueltig = [](Feld feld, std::string_view text) {
    mdlFehler::MeldungWertePruefen(text);
    return GemeinkostenSpeicherergebnis{GemeinkostenStatus::Ungueltig, feld};
  };
  if (eingabe.Gemeinkosten.empty()) return fehlt(Feld::Gemeinkosten);
  const std::optional<double> gesamt = base::FeldZahl(kGemeinkosten, eingabe.Gemeinkosten);
  if (!gesamt) return ungueltig(Feld::Gemeinkosten, eingabe.Gemeinkosten);
  if (!base::FeldGueltig(kBelegungsregel, eingabe.Belegung)) return ungueltig(Feld::Belegung, eingabe.Belegung);
  const std::string* flaeche = nullptr;
  const base::Feldregel* flaechenRegel = nullptr;
  Feld flaechenFeld = Feld::Keins;
  if (eingabe.Typ == 0) {
    flaeche = &eingabe.Flaeche;
    flaechenRegel = &kFlaeche;
    flaechenFeld = Feld::Flaeche;
  } else if (eingabe.Typ == 1) {
    flaeche = &eingabe.AktuelleFlaeche;
    flaechenRegel = &kAktuelleFlaeche;
    flaechenFeld = Feld::AktuelleFlaeche;
  }
  if (flaeche != nullptr && flaeche->empty()) return fehlt(flaechenFeld);
  if (flaeche != nullptr && !base::FeldGueltig(*flaechenRegel, *flaeche)) return ungueltig(flaechenFeld, *flaeche);
  if (eingabe.Typ == 1) {
    const std::optional<double> summe = Betragssumme(grid);
    if (!summe) return ungueltig(Feld::Tabelle, ErsterFalscherBetrag(grid));
    if (*gesamt < *summe) {
      GemeinkostenUeberschreitungMelden();
      return {GemeinkostenStatus::Ueberschreitung, Feld::Tabelle};
    }
  }

  EinstellungenSatz& e = state().enterprise.AktuelleEinstellungen;
  e.Jahr = eingabe.Jahr.empty() ? "0" : eingabe.Jahr;
  e.Belegung = *base::FeldText(kBelegungsregel, eingabe.Belegung);
  e.Gemeinkosten = eingabe.Gemeinkosten;
  if (flaeche != nullptr) {
    e.Gemeinkostentyp = eingabe.Typ == 0 ? "0" : "1";
    e.Flaeche = *flaeche;
  }
  if (eingabe.Typ != 1) return {Sichern()};

  std::unique_ptr<db::Database> database = settings::Oeffnen(state().enterprise.TolvarDatenbankPfad);
  if (!database) return {GemeinkostenStatus::Fehler};
  db::Transaction tx = database->BeginTransaction();
  db::Recordset rs = settings::Tabelle(*database, "Vantel");
  if (!tx.active() || !rs.ok()) return {GemeinkostenStatus::Fehler};
  for (const GemeinkostenZeile& z : grid) {
    if (z.Standortname.empty() && z.StandortNr.empty()) continue;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      if (rs["StandortNr"].text() != z.StandortNr) continue;
      if (!rs.Edit() || !rs.SetField("Gemeinkosten", *base::FeldText(kStandortGemeinkosten, z.Gemeinkosten)) ||
          !rs.Update()) {
        return {GemeinkostenStatus::Fehler};
      }
      break;
    }
  }
  if (!tx.Commit()) return {GemeinkostenStatus::Fehler};
  return {Sichern()};
}

}  // namespace tolvar::mdlGemeinkosten
