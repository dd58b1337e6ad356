#include "heating/mdlHeizkostenBerrechnung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "data/state.h"

namespace tolvar::mdlHeizkostenBerrechnung {

namespace {

void ErgebnisseLeeren(KulturStandortSatz& b) {
  b.Heizbedarf = 0.0;
  b.Energiebedarf = 0.0;
  b.BrennstoffJeQm = 0.0;
  b.HeizkostenJeQm = 0.0;
  b.Heiztage = 0;
  b.HeizdatenFehlen = false;
}

bool IstLeereBelegung(const KulturStandortSatz& b) { return b.StandortNr.empty() || b.StandortNr == "0"; }

bool IstLeererPhasenplatz(const PhasenSatz& p) { return p.KP_ID.empty() || p.KP_ID == "0"; }

// Rounded outer-surface temperature differences of a phase for every week and hour. The
// rounding is slow, and the outdoor values are whole numbers from a small range, so each
// distinct (day or night, outdoor value) is rounded once.
Stundentabelle AussendifferenzenBerechnen(const Klimatabellen& klima, const Hauswerte& haus) {
  const Flaechenwerte aussen{};  // outer surface; area and k play no part here
  std::map<std::pair<bool, double>, double> gerundet;
  Stundentabelle tabelle{};
  for (int w = 1; w <= kWochen; ++w) {
    for (int h = 0; h < kStunden; ++h) {
      const double t = klima.Temperatur[w][h];
      if (std::isnan(t)) {
        tabelle[w][h] = t;
        continue;
      }
      const bool nacht = IstNachtstunde(h);
      auto [it, neu] = gerundet.try_emplace({nacht, t}, 0.0);
      if (neu) it->second = Temperaturdifferenz(aussen, haus, nacht, t);
      tabelle[w][h] = it->second;
    }
  }
  return tabelle;
}

const Stundentabelle& Aussendifferenzen(Heizlauf& lauf, const Hauswerte& haus) {
  auto [it, neu] = lauf.Aussendifferenzen.try_emplace({haus.TT, haus.NT});
  if (neu) it->second = AussendifferenzenBerechnen(*lauf.Daten.Klima, haus);
  return it->second;
}

// k-value of a covering, nullopt when it is unknown or holds no number.
std::optional<double> KWert(const Heizdaten& daten, const std::string& name) {
  const auto it = daten.Eindeckungen.find(name);
  if (it == daten.Eindeckungen.end()) return std::nullopt;
  return it->second.kWert;
}

// One wall or gable: its covering's k-value and, for a boundary surface, the temperature
// beyond it. nullopt when either cannot be read.
std::optional<Flaechenwerte> Wandflaeche(const Heizdaten& daten, double flaeche, const std::string& eindeckung,
                                         bool aussen, const std::string& grenztemperatur) {
  const auto k = KWert(daten, eindeckung);
  if (!k) return std::nullopt;
  Flaechenwerte f{.Flaeche = flaeche, .kWert = *k, .Aussenflaeche = aussen, .Grenztemperatur = 0.0};
  if (!aussen) {
    const auto gt = GrenztemperaturLesen(grenztemperatur);
    if (!gt) return std::nullopt;
    f.Grenztemperatur = *gt;
  }
  return f;
}

// Reads and computes one occupancy; false when any value is missing or unusable.
bool Berechnen(Heizlauf& lauf, const PhasenSatz& phase, KulturStandortSatz& belegung, base::Date beginn,
               base::Date ende) {
  const Heizdaten& daten = lauf.Daten;
  if (!daten.Klima) return false;
  const auto zeile = daten.Standorte.find(belegung.StandortNr);
  if (zeile == daten.Standorte.end()) return false;
  const Vantelzeile& z = zeile->second;

  // Geometry.
  const auto laenge = base::ParseNumber(z.Laenge);
  const auto breite = base::ParseNumber(z.Breite);
  const auto stehwand = base::ParseNumber(z.Stehwand);
  const auto dach = base::ParseNumber(z.Dach);
  const auto bauart = base::ParseNumber(z.Bauart);
  if (!laenge || !breite || !stehwand || !dach || !bauart) return false;
  const int typ = std::fabs(*bauart) < 100 ? static_cast<int>(base::Round(*bauart)) : 0;
  int kappen = 1;  // bays matter for type 2 only
  if (typ == 2) {
    const auto n = KappenzahlLesen(z.Kappenzahl);
    if (!n) return false;
    kappen = *n;
  }
  const auto geometrie = GeometrieBerechnen(*laenge, *breite, *stehwand, *dach, typ, kappen);
  if (!geometrie || !(geometrie->Boden > 0)) return false;

  // Surfaces in the model's order: left and right side wall, front and back gable, roof.
  std::array<Flaechenwerte, 5> flaechen;
  const std::array<std::optional<Flaechenwerte>, 4> waende = {
      Wandflaeche(daten, geometrie->Stehwand, z.EinStehL, z.AFStehL, z.GTStehL),
      Wandflaeche(daten, geometrie->Stehwand, z.EinStehR, z.AFStehR, z.GTStehR),
      Wandflaeche(daten, geometrie->Giebel, z.EinGiebelV, z.AFGiebelV, z.GTGiebelV),
      Wandflaeche(daten, geometrie->Giebel, z.EinGiebelH, z.AFGiebelH, z.GTGiebelH)};
  for (std::size_t i = 0; i < waende.size(); ++i) {
    if (!waende[i]) return false;
    flaechen[i] = *waende[i];
  }
  const auto dachEindeckung = daten.Eindeckungen.find(z.EinDach);
  if (dachEindeckung == daten.Eindeckungen.end() || !dachEindeckung->second.kWert ||
      !dachEindeckung->second.Durchlaessigkeit) {
    return false;
  }
  flaechen[4] = Flaechenwerte{.Flaeche = geometrie->Dach,
                              .kWert = *dachEindeckung->second.kWert,
                              .Aussenflaeche = true,
                              .Grenztemperatur = 0.0};

  // Heating values.
  const auto anpassung = AnpassungLesen(z.Anpassung);
  const auto wirkungsgrad = WirkungsgradLesen(z.Wirkungsgrad);
  const auto einsparung = EinsparungLesen(z.ESchirm, z.Einsparung);
  if (!anpassung || !wirkungsgrad || !einsparung) return false;
  const auto brennstoff = daten.Brennstoffe.find(z.Brennstoff);
  if (brennstoff == daten.Brennstoffe.end()) return false;
  const auto& bs = brennstoff->second;
  const std::optional<double> brennwert = z.Brennwert ? bs.ObererBrennwert : bs.UntererBrennwert;
  if (!brennwert || !bs.Preis) return false;

  // Phase set-points.
  const auto tt = base::ParseNumber(phase.TT);
  const auto nt = base::ParseNumber(phase.NT);
  if (!tt || !nt) return false;
  const Hauswerte haus{.TT = *tt,
                       .NT = *nt,
                       .Einsparung = *einsparung,
                       .Tau = *dachEindeckung->second.Durchlaessigkeit / 100,
                       .Bodenflaeche = geometrie->Boden};

  // Period and climate.
  const int tage = base::DaysBetween(beginn, ende);
  if (tage > std::numeric_limits<int16_t>::max() || tage < std::numeric_limits<int16_t>::min()) {
    return false;
  }
  Heizperiode periode;
  periode.Beginn = beginn;
  periode.Ende = ende;
  periode.Wochen = WochenDesZeitraums(beginn, ende);
  std::array<bool, kWochen + 1> geprueft{};
  for (const uint8_t w : periode.Wochen) {
    if (geprueft[w]) continue;
    if (!daten.Klima->WocheVollstaendig(w)) return false;
    geprueft[w] = true;
  }
  periode.Aussendifferenzen = &Aussendifferenzen(lauf, haus);

  std::array<double, 5> verluste{};
  int16_t heiztage = 0;
  for (std::size_t i = 0; i < flaechen.size(); ++i) {
    const std::string text = FlaechenWaermeverlustBerechnen(flaechen[i], haus, *daten.Klima, periode, heiztage);
    verluste[i] = base::NumberOr(text);
  }
  const auto ergebnis =
      ErgebnisseBerechnen(verluste, *anpassung, *wirkungsgrad, *brennwert, geometrie->Boden, *bs.Preis);
  if (!ergebnis) return false;
  belegung.Heizbedarf = ergebnis->Heizbedarf;
  belegung.Energiebedarf = ergebnis->Energiebedarf;
  belegung.BrennstoffJeQm = ergebnis->BrennstoffJeQm;
  belegung.HeizkostenJeQm = ergebnis->HeizkostenJeQm;
  belegung.Heiztage = heiztage;
  return true;
}

}  // namespace

std::string FlaechenWaermeverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus,
                                           const Klimatabellen& klima, const Heizperiode& periode, int16_t& heiztage) {
  heiztage = static_cast<int16_t>(base::DaysBetween(periode.Beginn, periode.Ende));
  // The loss of a date depends only on its week and hour: work out each week-hour used
  // once (positive part only), then add them date by date and hour by hour, in the same
  // order as the hour-by-hour walk, so the sum is exactly the same.
  std::array<bool, kWochen + 1> benutzt{};
  for (const uint8_t w : periode.Wochen) benutzt[w] = true;
  const bool tabelle = flaeche.Aussenflaeche && periode.Aussendifferenzen != nullptr;
  Stundentabelle netto;
  for (int w = 1; w <= kWochen; ++w) {
    if (!benutzt[w]) continue;
    for (int h = 0; h < kStunden; ++h) {
      const bool nacht = IstNachtstunde(h);
      const double differenz = tabelle ? (*periode.Aussendifferenzen)[w][h]
                                       : Temperaturdifferenz(flaeche, haus, nacht, klima.Temperatur[w][h]);
      const double n = NettoverlustAusDifferenz(flaeche, haus, nacht, differenz, klima.Einstrahlung[w][h]);
      netto[w][h] = n > 0 ? n : 0.0;  // adding +0 leaves the sum unchanged
    }
  }
  double summe = 0.0;
  for (const uint8_t w : periode.Wochen) {
    const auto& stunden = netto[w];
    for (int h = 0; h < kStunden; ++h) summe += stunden[h];
  }
  return VerlustText(summe);
}

void StandortHeizbedarfBerechnen(Heizlauf& lauf, const PhasenSatz& phase, KulturStandortSatz& belegung,
                                 base::Date beginn, base::Date ende) {
  ErgebnisseLeeren(belegung);
  if (!Berechnen(lauf, phase, belegung, beginn, ende)) {
    ErgebnisseLeeren(belegung);
    belegung.HeizdatenFehlen = true;
  }
}

void HeizkostenBerechnen(std::string_view kulturNr, const std::vector<PhasenSatz>& phasen,
                         std::vector<KulturStandortSatz>& belegungen, const Datenquellen& quellen) {
  HeizkostenBerechnen(kulturNr, phasen, belegungen, Heizdaten::Laden(quellen));
}

void HeizkostenBerechnen(std::string_view kulturNr, const std::vector<PhasenSatz>& phasen,
                         std::vector<KulturStandortSatz>& belegungen, Heizdaten daten) {
  for (auto& b : belegungen) {
    if (b.KulturNr == kulturNr) ErgebnisseLeeren(b);
  }
  Heizlauf lauf{std::move(daten), {}};
  for (auto& b : belegungen) {
    if (b.KulturNr != kulturNr || IstLeereBelegung(b)) continue;
    const base::Date beginn = base::DateOnly(b.Beginn);
    for (std::size_t i = 1; i < phasen.size(); ++i) {
      const PhasenSatz& p = phasen[i];
      if (IstLeererPhasenplatz(p)) continue;
      if (base::DateOnly(p.Anfang) <= beginn && base::DateOnly(p.Ende) >= beginn) {
        const base::Date ende = std::min(base::DateOnly(p.Ende), base::DateOnly(b.Ende));
        StandortHeizbedarfBerechnen(lauf, p, b, beginn, ende);
      }
    }
  }
}

void HeizkostenBerechnen() {
  State& s = state();
  const KulturSatz* kultur = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (kultur == nullptr) return;
  const std::string kulturNr = kultur->KulturNr;
  HeizkostenBerechnen(kulturNr, s.culture.PhasenListe, s.culture.KulturStandortListe, Datenquellen::DesBetriebs());
}

}  // namespace tolvar::mdlHeizkostenBerrechnung
