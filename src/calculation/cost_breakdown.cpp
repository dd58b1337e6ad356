#include "calculation/cost_breakdown.h"

#include <algorithm>
#include <cmath>

#include "calculation/mdlBerrechnung_kosten.h"
#include "calculation/mdlKalkulation_formeln.h"
#include "settings/settings_logic.h"

namespace tolvar::calculation {

namespace {

std::optional<double> Zahl(std::string_view text) { return base::ParseNumber(text); }

// A number formatted by `muster`; a text that is no number is shown as it is.
std::string Formatiert(std::string_view text, std::string_view muster) {
  if (auto wert = Zahl(text)) return base::Format(*wert, muster);
  return std::string(text);
}

// A cost per plant as € per 1000 plants, "0.00"; empty when it cannot be worked out.
std::string Je1000(std::optional<double> jePflanze) {
  if (!jePflanze || !std::isfinite(*jePflanze)) return {};
  return base::Format(*jePflanze * 1000.0, "0.00");
}

bool Teilbar(std::string_view pflanzen) {
  const auto p = Zahl(pflanzen);
  return p && *p != 0.0;
}

int LetztePhase(const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  return std::min(anzahlPhasen, static_cast<int>(phasen.size()) - 1);
}

const PhasenSatz& Phase(const std::vector<PhasenSatz>& phasen, int p) { return phasen[static_cast<std::size_t>(p)]; }

// The first phase holding the day (the one the activity-material cost divides by), or the
// last one (the one the machine cost divides by).
const PhasenSatz* PhaseDesTages(const std::vector<PhasenSatz>& phasen, int anzahlPhasen, base::Date tag, bool letzte) {
  const PhasenSatz* gefunden = nullptr;
  for (int p = 1; p <= LetztePhase(phasen, anzahlPhasen); ++p) {
    const PhasenSatz& phase = Phase(phasen, p);
    if (phase.Anfang <= tag && tag <= phase.Ende) {
      gefunden = &phase;
      if (!letzte) break;
    }
  }
  return gefunden;
}

// Orders rows by the number in column `spalte`, largest first; a text that is no number
// counts 0 and equal values keep their order.
template <class Zeile>
void AbsteigendOrdnen(std::vector<Zeile>& zeilen, std::size_t spalte) {
  std::stable_sort(zeilen.begin(), zeilen.end(), [spalte](const Zeile& a, const Zeile& b) {
    return base::NumberOr(a[spalte], 0.0) > base::NumberOr(b[spalte], 0.0);
  });
}

// The list of one phase in slot 1, as the calculation's formulas take it.
std::vector<PhasenSatz> NurPhase(const PhasenSatz& phase) { return {PhasenSatz{}, phase}; }

}  // namespace

std::vector<EnergieZeile> EnergieZeilen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                        std::string_view strom) {
  std::vector<EnergieZeile> zeilen;
  for (int p = 1; p <= LetztePhase(phasen, anzahlPhasen); ++p) {
    const PhasenSatz& phase = Phase(phasen, p);
    if (base::NumberOr(phase.Intensitaet, 0.0) == 0.0 || base::NumberOr(phase.Dauer, 0.0) == 0.0) continue;
    const auto pflanzen = Zahl(phase.AnzahlPflanzen);
    const auto flaeche = Zahl(phase.Flaeche);
    std::string dichte;
    std::optional<double> kosten;
    if (pflanzen && flaeche && *flaeche != 0.0) {
      dichte = base::Format(*pflanzen / *flaeche, "0.0");
      if (*pflanzen != 0.0 && Zahl(strom)) {
        kosten = mdlKalkulation::Energiekosten(NurPhase(phase), 1, strom);
      }
    }
    zeilen.push_back({phase.Phasennamen, Formatiert(phase.Intensitaet, "0.0"), Formatiert(phase.Dauer, "0.0"), dichte,
                      Je1000(kosten)});
  }
  AbsteigendOrdnen(zeilen, 3);
  return zeilen;
}

std::vector<MaschinenZeile> MaschinenZeilen(std::span<const KulturMaterialSatz> zeilen,
                                            const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                            const MasterLists& stamm) {
  std::vector<MaschinenZeile> ergebnis;
  const int n = static_cast<int>(zeilen.size());
  for (int r = 0; r < n; ++r) {
    const KulturMaterialSatz& zeile = zeilen[static_cast<std::size_t>(r)];
    const MaterialSatz* material = MaterialMitNummer(stamm, zeile.MaNr);
    if (material == nullptr || material->UeberPNr != mdlBerrechnung::kMaschinengruppe) continue;
    const PhasenSatz* phase = PhaseDesTages(phasen, anzahlPhasen, zeile.Datum, true);
    std::string kosten = "0,00";
    if (phase != nullptr) {
      // The calculation's own cost of this one row.
      std::vector<KulturMaterialSatz> einzeln{zeile};
      mdlBerrechnung::KostenJePflanzeBerechnen(true, einzeln, phasen, anzahlPhasen, stamm);
      kosten = Je1000(Zahl(einzeln.front().KostenJePflanze));
    }
    const std::string name = zeile.Materialname.empty() ? material->Materialname : zeile.Materialname;
    ergebnis.push_back({name, zeile.Menge, Formatiert(material->Preis, "0.00"), base::DateText(zeile.Datum),
                        phase ? phase->Phasennamen : std::string(), phase ? phase->AnzahlPflanzen : std::string(),
                        kosten});
  }
  AbsteigendOrdnen(ergebnis, 5);
  return ergebnis;
}

std::vector<ArbeitZeile> ArbeitZeilen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                      const std::vector<KulturArbeitSatz>& arbeiten,
                                      const std::vector<LohneinteilungSatz>& lohnliste, int anzahlLohn) {
  std::vector<ArbeitZeile> zeilen;
  const int n = static_cast<int>(arbeiten.size());
  for (int p = 1; p <= LetztePhase(phasen, anzahlPhasen); ++p) {
    const PhasenSatz& phase = Phase(phasen, p);
    for (int a = 0; a < n; ++a) {
      const KulturArbeitSatz& arbeit = arbeiten[static_cast<std::size_t>(a)];
      if (arbeit.Datum < phase.Anfang || arbeit.Datum > phase.Ende) continue;
      std::optional<double> kosten;
      const LohneinteilungSatz* lohn =
          mdlKalkulation::LohnzeileWaehlen(lohnliste, anzahlLohn, arbeit.PersonalNr, arbeit.Datum);
      if (lohn && Zahl(lohn->Lohn) && Zahl(arbeit.Zeitdauer) && Teilbar(phase.AnzahlPflanzen)) {
        kosten = mdlKalkulation::Arbeitskosten(NurPhase(phase), 1, {arbeit}, lohnliste, anzahlLohn).Wert;
      }
      zeilen.push_back({phase.Phasennamen, Formatiert(phase.AnzahlPflanzen, "0"), Formatiert(phase.Flaeche, "0"),
                        arbeit.Kuerzel, arbeit.Taetigkeit, arbeit.Zeitdauer, Je1000(kosten)});
    }
  }
  AbsteigendOrdnen(zeilen, 1);
  return zeilen;
}

std::vector<PSMZeile> PSMZeilen(const std::vector<KulturArbeitSatz>& arbeiten,
                                const std::vector<ArbeitMaterialSatz>& arbeitMaterial,
                                const std::vector<PhasenSatz>& phasen, int anzahlPhasen) {
  std::vector<PSMZeile> zeilen;
  const int n = static_cast<int>(arbeiten.size());
  for (int a = 0; a < n; ++a) {
    const KulturArbeitSatz& arbeit = arbeiten[static_cast<std::size_t>(a)];
    // Activity number "0" (no activity) is the mark of a free entry, never a cost.
    auto eintrag = std::find_if(arbeitMaterial.begin(), arbeitMaterial.end(), [&](const ArbeitMaterialSatz& m) {
      return arbeit.StdTaetigkeitNr != "0" && m.TaetigkeitNr == arbeit.StdTaetigkeitNr;
    });
    const std::string jeStunde = eintrag == arbeitMaterial.end() ? std::string("0") : eintrag->KostenJeStunde;
    const PhasenSatz* phase = PhaseDesTages(phasen, anzahlPhasen, arbeit.Datum, false);
    std::string kosten = "0,00";
    if (phase != nullptr && eintrag != arbeitMaterial.end()) {
      std::optional<double> wert;
      if (Zahl(jeStunde) && Zahl(arbeit.Zeitdauer) && Teilbar(phase->AnzahlPflanzen)) {
        wert = mdlKalkulation::PSMKosten({arbeit}, arbeitMaterial, phasen, anzahlPhasen);
      }
      kosten = Je1000(wert);
    }
    zeilen.push_back({arbeit.Taetigkeit, phase ? phase->Phasennamen : std::string(), base::DateText(arbeit.Datum),
                      Formatiert(jeStunde, "0.00"), arbeit.Zeitdauer, kosten});
  }
  return zeilen;
}

std::optional<std::string> VermarktungsanteilAusUmsatz(std::string_view kosten, std::string_view umsatz) {
  return settings::AnteilAusUmsatz(kosten, umsatz);
}

std::optional<std::string> VermarktungskostenJe1000(std::string_view preis, std::string_view anteil) {
  const auto p = Zahl(preis);
  // The share by the rule of the enterprise's share: any number within the largest amount.
  const auto a =
      base::Trim(anteil).empty() ? std::optional<double>(0.0) : base::FeldZahl(settings::kVermarktungsanteil, anteil);
  if (!p || !a) return std::nullopt;
  const double kosten = *p * *a * 10.0;
  if (!std::isfinite(kosten) || std::fabs(kosten) > base::kLargestAmount) return std::nullopt;
  return base::Format(kosten, "0.00");
}

}  // namespace tolvar::calculation
