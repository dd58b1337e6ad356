#include "calculation/mdlKalkulation_formeln.h"

#include <algorithm>
#include <cmath>

#include "platform/db/database.h"

namespace tolvar::mdlKalkulation {

namespace {

std::optional<double> Zahl(std::string_view text) { return base::ParseNumber(text); }

// A finite result or nothing (a division by zero or an overflow leaves the term out).
std::optional<double> Endlich(double wert) {
  if (!std::isfinite(wert)) return std::nullopt;
  return wert;
}

// Phase slots 1..n that exist in the list.
int LetztePhase(const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  return std::min(anzahlPhasen, static_cast<int>(phasen.size()) - 1);
}

const PhasenSatz* PhaseDesTages(const std::vector<PhasenSatz>& phasen, int anzahlPhasen, base::Date tag) {
  const int letzte = LetztePhase(phasen, anzahlPhasen);
  for (int p = 1; p <= letzte; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    if (phase.Anfang <= tag && tag <= phase.Ende) return &phase;
  }
  return nullptr;
}

double FlaechenTage(const std::vector<PhasenSatz>& phasen, int anzahlPhasen, std::string PhasenSatz::*flaeche) {
  double summe = 0.0;
  const int letzte = LetztePhase(phasen, anzahlPhasen);
  for (int p = 1; p <= letzte; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    if (auto f = Zahl(phase.*flaeche)) summe += *f * Tage(phase.Anfang, phase.Ende);
  }
  return summe;
}

}  // namespace

Kosten Heizkosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                  std::span<const KulturStandortSatz> belegungen) {
  Kosten k;
  const int letzte = LetztePhase(phasen, anzahlPhasen);
  const int n = static_cast<int>(belegungen.size());
  for (int o = 0; o < n; ++o) {
    const KulturStandortSatz& b = belegungen[static_cast<std::size_t>(o)];
    for (int p = 1; p <= letzte; ++p) {
      const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
      if (!(b.Beginn <= phase.Anfang && phase.Anfang <= b.Ende)) continue;
      if (b.HeizdatenFehlen) k.Fehlt = true;
      // The occupancy's own area: the phase's area is the sum over all its occupancies,
      // and would count each occupancy's cost per m² on every other occupancy's area too.
      const auto wege = Zahl(b.Wege);
      const auto flaeche = Zahl(b.Flaeche);
      const auto pflanzen = Zahl(phase.AnzahlPflanzen);
      // A house without a path share is missing data, not a house that costs nothing.
      if (!wege) k.Fehlt = true;
      if (!wege || !flaeche || !pflanzen) continue;
      if (auto t = Endlich((1.0 + *wege / 100.0) * *flaeche * b.HeizkostenJeQm / *pflanzen)) {
        k.Wert += *t;
      }
    }
  }
  return k;
}

double Energiekosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen, std::string_view strom) {
  const auto preis = Zahl(strom);
  if (!preis) return 0.0;
  double summe = 0.0;
  const int letzte = LetztePhase(phasen, anzahlPhasen);
  for (int p = 1; p <= letzte; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    const auto intensitaet = Zahl(phase.Intensitaet);
    const auto dauer = Zahl(phase.Dauer);
    const auto pflanzen = Zahl(phase.AnzahlPflanzen);
    const auto flaeche = Zahl(phase.Flaeche);
    if (!intensitaet || !dauer || !pflanzen || !flaeche) continue;
    const double kwhJeQm = *preis * *intensitaet * *dauer * Tage(phase.Anfang, phase.Ende) / 1000.0;
    if (auto t = Endlich(kwhJeQm / (*pflanzen / *flaeche))) summe += *t;
  }
  return summe;
}

double PSMKosten(const std::vector<KulturArbeitSatz>& arbeiten, const std::vector<ArbeitMaterialSatz>& arbeitMaterial,
                 const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  double summe = 0.0;
  const int n = static_cast<int>(arbeiten.size());
  for (int a = 0; a < n; ++a) {
    const KulturArbeitSatz& arbeit = arbeiten[static_cast<std::size_t>(a)];
    if (arbeit.StdTaetigkeitNr == "0") continue;
    auto k = std::find_if(arbeitMaterial.begin(), arbeitMaterial.end(),
                          [&](const ArbeitMaterialSatz& m) { return m.TaetigkeitNr == arbeit.StdTaetigkeitNr; });
    if (k == arbeitMaterial.end()) continue;
    const PhasenSatz* phase = PhaseDesTages(phasen, anzahlPhasen, arbeit.Datum);
    if (!phase) continue;
    const auto stunden = Zahl(arbeit.Zeitdauer);
    const auto kosten = Zahl(k->KostenJeStunde);
    const auto pflanzen = Zahl(phase->AnzahlPflanzen);
    if (!stunden || !kosten || !pflanzen) continue;
    if (auto t = Endlich(*stunden * *kosten / *pflanzen)) summe += *t;
  }
  return summe;
}

double Vermarktungskosten(std::string_view anteil, std::string_view preis) {
  const auto a = Zahl(anteil);
  const auto p = Zahl(preis);
  if (!a || !p) return 0.0;
  return Endlich(*a * *p / 100.0).value_or(0.0);
}

const LohneinteilungSatz* LohnzeileWaehlen(const std::vector<LohneinteilungSatz>& lohnliste, int anzahl,
                                           std::string_view personalNr, base::Date datum) {
  const LohneinteilungSatz* gewaehlt = nullptr;
  base::Date spaetestes = base::kNoDate;
  const int n = std::min(anzahl + 1, static_cast<int>(lohnliste.size()));
  for (int w = 0; w < n; ++w) {
    const LohneinteilungSatz& zeile = lohnliste[static_cast<std::size_t>(w)];
    // A cleared element (empty number) is no wage row, not even for work without a person.
    if (zeile.PersonalNr.empty() || zeile.PersonalNr != personalNr) continue;
    if (zeile.DatumAb > datum || zeile.DatumAb < spaetestes) continue;
    spaetestes = zeile.DatumAb;
    gewaehlt = &zeile;
  }
  return gewaehlt;
}

Kosten Arbeitskosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                     const std::vector<KulturArbeitSatz>& arbeiten, const std::vector<LohneinteilungSatz>& lohnliste,
                     int anzahlLohn) {
  Kosten k;
  const int letzte = LetztePhase(phasen, anzahlPhasen);
  const int n = static_cast<int>(arbeiten.size());
  for (int p = 1; p <= letzte; ++p) {
    const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
    for (int a = 0; a < n; ++a) {
      const KulturArbeitSatz& arbeit = arbeiten[static_cast<std::size_t>(a)];
      if (arbeit.Datum < phase.Anfang || arbeit.Datum > phase.Ende) continue;
      const LohneinteilungSatz* lohn = LohnzeileWaehlen(lohnliste, anzahlLohn, arbeit.PersonalNr, arbeit.Datum);
      if (!lohn) {
        k.Fehlt = true;
        continue;
      }
      const auto stunden = Zahl(arbeit.Zeitdauer);
      const auto stundenlohn = Zahl(lohn->Lohn);
      const auto pflanzen = Zahl(phase.AnzahlPflanzen);
      if (!stunden || !stundenlohn || !pflanzen) continue;
      if (auto t = Endlich(*stunden * *stundenlohn / *pflanzen)) k.Wert += *t;
    }
  }
  return k;
}

double NettoFlaechenTage(const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  return FlaechenTage(phasen, anzahlPhasen, &PhasenSatz::Flaeche);
}

double BruttoFlaechenTage(const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  return FlaechenTage(phasen, anzahlPhasen, &PhasenSatz::BruttoFlaeche);
}

double Gemeinkosten(const EinstellungenSatz& einstellungen, std::string_view menge,
                    const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                    std::span<const KulturStandortSatz> belegungen,
                    const std::vector<StandortGemeinkosten>& standorte) {
  const auto typ = Zahl(einstellungen.Gemeinkostentyp);
  const auto m = Zahl(menge);
  const auto g = Zahl(einstellungen.Gemeinkosten);
  const auto f = Zahl(einstellungen.Flaeche);
  const auto b = Zahl(einstellungen.Belegung);
  if (!typ || (*typ != 0.0 && *typ != 1.0) || !m || !g || !f || !b) return 0.0;
  const double a = NettoFlaechenTage(phasen, anzahlPhasen);

  if (*typ == 0.0) return Endlich(*g / (*b / 100.0 * *f) * a / 365.0 / *m).value_or(0.0);

  double s = 0.0;
  const int n = static_cast<int>(belegungen.size());
  for (int o = 0; o < n; ++o) {
    const KulturStandortSatz& bel = belegungen[static_cast<std::size_t>(o)];
    auto zeile = std::find_if(standorte.begin(), standorte.end(),
                              [&](const StandortGemeinkosten& z) { return z.StandortNr == bel.StandortNr; });
    if (zeile == standorte.end()) continue;
    const auto gs = zeile->Gemeinkosten.empty() ? std::optional<double>(0.0) : Zahl(zeile->Gemeinkosten);
    const auto laenge = Zahl(zeile->Laenge);
    const auto breite = Zahl(zeile->Breite);
    const auto wege = Zahl(zeile->Wege);
    const auto flaeche = Zahl(bel.Flaeche);
    if (!gs || !laenge || !breite || !wege || !flaeche) continue;
    const double netto = (1.0 - *wege / 100.0) * *laenge * *breite * *b / 100.0;
    if (auto t = Endlich(*gs / netto * *flaeche * Tage(bel.Beginn, bel.Ende) / 365.0)) s += *t;
  }
  double r = 0.0;
  for (const StandortGemeinkosten& z : standorte) r += Zahl(z.Gemeinkosten).value_or(0.0);
  return Endlich((s + a / (*b / 100.0 * *f * 365.0) * (*g - r)) / *m).value_or(0.0);
}

bool StandortGemeinkostenLesen(const std::string& pfad, std::vector<StandortGemeinkosten>& liste) {
  liste.clear();
  std::unique_ptr<db::Database> datenbank = db::Database::Open(pfad);
  if (!datenbank) return false;
  db::Recordset rs = datenbank->OpenTable("Vantel");
  if (!rs.ok()) return false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    StandortGemeinkosten z;
    z.StandortNr = rs.Field("StandortNr").text();
    z.Gemeinkosten = rs.Field("Gemeinkosten").text();
    z.Laenge = rs.Field("Länge").text();
    z.Breite = rs.Field("Breite").text();
    z.Wege = rs.Field("Wege").text();
    liste.push_back(std::move(z));
  }
  return true;
}

}  // namespace tolvar::mdlKalkulation
