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
std::vector<const PhasenSatz*> Phasen(const CultureData& kultur) {
  std::vector<const PhasenSatz*> phasen;
  for (int p = 1; p <= kultur.AnzahlPhasen && static_cast<std::size_t>(p) < kultur.PhasenListe.size(); ++p) {
    phasen.push_back(&kultur.PhasenListe[static_cast<std::size_t>(p)]);
  }
  return phasen;
}

// Heating: every phase that begins within a site occupancy needs its net area and a plant
// count other than 0.
bool HeizdatenFehlen(const CultureData& kultur) {
  const auto phasen = Phasen(kultur);
  for (const KulturStandortSatz& belegung : UsedSlots(kultur.KulturStandortListe, kultur.AnzahlKulturStandorte)) {
    for (const PhasenSatz* p : phasen) {
      if (p->Anfang < belegung.Beginn || p->Anfang > belegung.Ende) continue;
      if (Fehlt(p->Flaeche) || FehltOderNull(p->AnzahlPflanzen)) return true;
    }
  }
  return false;
}

// Material (and machines): every material row needs its quantity. A quantity that is text
// but no number is no missing quantity: its row adds nothing and the other rows are computed.
bool MaterialdatenFehlen(const CultureData& kultur) {
  for (const KulturMaterialSatz& zeile : UsedSlots(kultur.KulturMaterialListe, kultur.AnzahlKulturMaterialien)) {
    if (base::Trim(zeile.Menge).empty()) return true;
  }
  return false;
}

// Supplementary light: every phase needs intensity, hours, plants and a net area other
// than 0, and the electricity price must be set.
bool EnergiedatenFehlen(const CultureData& kultur, const EinstellungenSatz& einstellungen) {
  for (const PhasenSatz* p : Phasen(kultur)) {
    if (Fehlt(p->Intensitaet) || Fehlt(p->Dauer) || Fehlt(einstellungen.Strom) || Fehlt(p->AnzahlPflanzen) ||
        FehltOderNull(p->Flaeche)) {
      return true;
    }
  }
  return false;
}

// Material through activities: work whose activity has a material cost per hour needs its
// hours, and that cost must be set.
bool PSMDatenFehlen(const CalculationState& kalkulation, const SettingsLists& listen) {
  for (const KulturArbeitSatz& arbeit : kalkulation.KulturArbeitListe) {
    const auto zeile =
        std::find_if(listen.ArbeitMaterialListe.begin(), listen.ArbeitMaterialListe.end(),
                     [&](const ArbeitMaterialSatz& m) { return m.TaetigkeitNr == arbeit.StdTaetigkeitNr; });
    if (zeile == listen.ArbeitMaterialListe.end()) continue;
    if (Fehlt(zeile->KostenJeStunde) || Fehlt(arbeit.Zeitdauer)) return true;
  }
  return false;
}

// Labour: work dated within a phase needs its hours, a wage row of its person on or before
// its day with a wage, and a plant count other than 0 in that phase. Work without such a
// wage row counts as missing rather than borrowing another row's wage.
bool ArbeitsdatenFehlen(const CultureData& kultur, const CalculationState& kalkulation, const SettingsLists& listen) {
  for (const PhasenSatz* p : Phasen(kultur)) {
    for (const KulturArbeitSatz& arbeit : kalkulation.KulturArbeitListe) {
      if (arbeit.Datum < p->Anfang || arbeit.Datum > p->Ende) continue;
      const LohneinteilungSatz* lohn = mdlKalkulation::LohnzeileWaehlen(
          listen.LohneinteilungListe, listen.AnzahlLohneinteilungen, arbeit.PersonalNr, arbeit.Datum);
      if (Fehlt(arbeit.Zeitdauer) || lohn == nullptr || Fehlt(lohn->Lohn) || FehltOderNull(p->AnzahlPflanzen)) {
        return true;
      }
    }
  }
  return false;
}

// Overheads: the enterprise's overheads, a net area and a share of it in use other than 0.
bool GemeinkostendatenFehlen(const EinstellungenSatz& einstellungen) {
  return Fehlt(einstellungen.Gemeinkosten) || FehltOderNull(einstellungen.Flaeche) ||
         FehltOderNull(einstellungen.Belegung);
}

}  // namespace

std::optional<bool> DatenFehlenFuer(std::string_view art, const State& s) {
  const EinstellungenSatz& einstellungen = s.enterprise.AktuelleEinstellungen;
  if (art == kHeizkosten) return HeizdatenFehlen(s.culture);
  if (art == kMaterialkosten) return MaterialdatenFehlen(s.culture);
  if (art == kEnergiekosten) return EnergiedatenFehlen(s.culture, einstellungen);
  if (art == kPSMKosten) return PSMDatenFehlen(s.calculation, s.settings);
  if (art == kVermarktungskosten) return Fehlt(einstellungen.Vermarktungskosten);
  if (art == kArbeitskosten) return ArbeitsdatenFehlen(s.culture, s.calculation, s.settings);
  if (art == kGemeinkosten) return GemeinkostendatenFehlen(einstellungen);
  return std::nullopt;
}

}  // namespace tolvar::mdlDatenPruefung
