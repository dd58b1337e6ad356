#include "calculation/mdlDatenPruefung.h"

#include <algorithm>

#include "calculation/mdlKalkulation_formeln.h"

namespace tolvar::mdlDatenPruefung {

namespace {

// A number the cost needs is missing when its text is empty or no number (the calculation
// could not use it either).
bool Fehlt(std::string_view zahl) { return !base::ParseNumber(zahl).has_value(); }
// ... and for a divisor also when it is 0.
bool FehltOderNull(std::string_view zahl) {
  const auto wert = base::ParseNumber(zahl);
  return !wert || *wert == 0.0;
}

// Phase slots 1..AnzahlPhasen that exist in the list.
std::vector<const PhasenSatz*> Phasen(const State& s) {
  std::vector<const PhasenSatz*> phasen;
  for (int p = 1; p <= s.culture.AnzahlPhasen && static_cast<std::size_t>(p) < s.culture.PhasenListe.size(); ++p) {
    phasen.push_back(&s.culture.PhasenListe[static_cast<std::size_t>(p)]);
  }
  return phasen;
}

// Heating: every phase that begins within a site occupancy needs its net area and a plant
// count other than 0.
bool HeizdatenFehlen(const State& s) {
  const auto phasen = Phasen(s);
  for (const KulturStandortSatz& belegung : UsedSlots(s.culture.KulturStandortListe, s.culture.AnzahlKulturStandorte)) {
    for (const PhasenSatz* p : phasen) {
      if (p->Anfang < belegung.Beginn || p->Anfang > belegung.Ende) continue;
      if (Fehlt(p->Flaeche) || FehltOderNull(p->AnzahlPflanzen)) return true;
    }
  }
  return false;
}

// Material (and machines): every material row needs its quantity.
bool MaterialdatenFehlen(const State& s) {
  for (const KulturMaterialSatz& zeile : UsedSlots(s.culture.KulturMaterialListe, s.culture.AnzahlKulturMaterialien)) {
    if (Fehlt(zeile.Menge)) return true;
  }
  return false;
}

// Supplementary light: every phase needs intensity, hours, plants and a net area other
// than 0, and the electricity price must be set.
bool EnergiedatenFehlen(const State& s) {
  for (const PhasenSatz* p : Phasen(s)) {
    if (Fehlt(p->Intensitaet) || Fehlt(p->Dauer) || Fehlt(s.enterprise.AktuelleEinstellungen.Strom) ||
        Fehlt(p->AnzahlPflanzen) || FehltOderNull(p->Flaeche)) {
      return true;
    }
  }
  return false;
}

// Material through activities: work whose activity has a material cost per hour needs its
// hours, and that cost must be set.
bool PSMDatenFehlen(const State& s) {
  for (const KulturArbeitSatz& arbeit : s.calculation.KulturArbeitListe) {
    const auto zeile =
        std::find_if(s.settings.ArbeitMaterialListe.begin(), s.settings.ArbeitMaterialListe.end(),
                     [&](const ArbeitMaterialSatz& m) { return m.TaetigkeitNr == arbeit.StdTaetigkeitNr; });
    if (zeile == s.settings.ArbeitMaterialListe.end()) continue;
    if (Fehlt(zeile->KostenJeStunde) || Fehlt(arbeit.Zeitdauer)) return true;
  }
  return false;
}

// Labour: work dated within a phase needs its hours, a wage row of its person on or before
// its day with a wage, and a plant count other than 0 in that phase. Work without such a
// wage row counts as missing rather than borrowing another row's wage.
bool ArbeitsdatenFehlen(const State& s) {
  for (const PhasenSatz* p : Phasen(s)) {
    for (const KulturArbeitSatz& arbeit : s.calculation.KulturArbeitListe) {
      if (arbeit.Datum < p->Anfang || arbeit.Datum > p->Ende) continue;
      const LohneinteilungSatz* lohn = mdlKalkulation::LohnzeileWaehlen(
          s.settings.LohneinteilungListe, s.settings.AnzahlLohneinteilungen, arbeit.PersonalNr, arbeit.Datum);
      if (Fehlt(arbeit.Zeitdauer) || lohn == nullptr || Fehlt(lohn->Lohn) ||
          FehltOderNull(p->AnzahlPflanzen)) {
        return true;
      }
    }
  }
  return false;
}

// Overheads: the enterprise's overheads and a net area other than 0.
bool GemeinkostendatenFehlen(const State& s) {
  return Fehlt(s.enterprise.AktuelleEinstellungen.Gemeinkosten) ||
         FehltOderNull(s.enterprise.AktuelleEinstellungen.Flaeche);
}

}  // namespace

std::optional<bool> DatenFehlenFuer(std::string_view art, const State& s) {
  if (art == kHeizkosten) return HeizdatenFehlen(s);
  if (art == kMaterialkosten) return MaterialdatenFehlen(s);
  if (art == kEnergiekosten) return EnergiedatenFehlen(s);
  if (art == kPSMKosten) return PSMDatenFehlen(s);
  if (art == kVermarktungskosten) return Fehlt(s.enterprise.AktuelleEinstellungen.Vermarktungskosten);
  if (art == kArbeitskosten) return ArbeitsdatenFehlen(s);
  if (art == kGemeinkosten) return GemeinkostendatenFehlen(s);
  return std::nullopt;
}

void KalkulationsdatenPruefen(std::string_view art) {
  if (const auto fehlt = DatenFehlenFuer(art, state())) state().calculation.DatenFehlen = *fehlt;
}

}  // namespace tolvar::mdlDatenPruefung
