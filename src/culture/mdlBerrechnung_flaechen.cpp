#include "culture/mdlBerrechnung_flaechen.h"

#include <algorithm>

#include "base/values.h"
#include "data/state.h"

namespace tolvar::mdlBerrechnung {

bool BelegungZaehlt(const PhasenSatz& phase, const KulturStandortSatz& belegung) {
  const double pA = base::Int(phase.Anfang);
  const double pE = base::Int(phase.Ende);
  const double oB = base::Int(belegung.Beginn);
  const double oE = base::Int(belegung.Ende);
  const bool davor = pA > oB && pA > oE;
  const bool danach = pE <= oB && pA <= oE;
  return !davor && !danach;
}

std::vector<PhasenFlaeche> PhasenFlaechenBerechnen(CultureData& kultur) {
  std::vector<PhasenFlaeche> ergebnis;
  const int phasen = std::min(kultur.AnzahlPhasen, static_cast<int>(kultur.PhasenListe.size()) - 1);
  // The occupancies and the free slot after them.
  const auto belegungen = UsedSlots(kultur.KulturStandortListe, kultur.AnzahlKulturStandorte + 1);
  for (int p = 1; p <= phasen; ++p) {
    PhasenSatz& phase = kultur.PhasenListe[static_cast<std::size_t>(p)];
    if (phase.KP_ID.empty() || phase.KP_ID == "0") continue;
    double netto = 0.0;
    double brutto = 0.0;
    for (const KulturStandortSatz& b : belegungen) {
      if (!BelegungZaehlt(phase, b)) continue;
      const double a = base::Int(base::NumberOr(b.Flaeche, 0.0));
      netto += a;
      brutto += base::Round(a * (1.0 + base::NumberOr(b.Wege, 0.0) / 100.0));
    }
    phase.Flaeche = base::NumberText(netto);
    phase.BruttoFlaeche = base::NumberText(brutto);
    ergebnis.push_back({p, phase.Flaeche, phase.BruttoFlaeche});
  }
  return ergebnis;
}

}  // namespace tolvar::mdlBerrechnung
