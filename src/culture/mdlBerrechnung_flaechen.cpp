#include "culture/mdlBerrechnung_flaechen.h"

#include <algorithm>

#include "base/values.h"
#include "data/state.h"

namespace tolvar::mdlBerrechnung {

std::vector<PhasenFlaeche> PhasenFlaechenBerechnen() {
  State& s = state();
  std::vector<PhasenFlaeche> ergebnis;
  const int phasen = std::min(s.culture.AnzahlPhasen, static_cast<int>(s.culture.PhasenListe.size()) - 1);
  const int belegungen =
      std::min(s.culture.AnzahlKulturStandorte + 1, static_cast<int>(s.culture.KulturStandortListe.size()));
  for (int p = 1; p <= phasen; ++p) {
    PhasenSatz& phase = s.culture.PhasenListe[static_cast<std::size_t>(p)];
    if (phase.KP_ID.empty() || phase.KP_ID == "0") continue;
    const double pA = base::Int(phase.Anfang);
    const double pE = base::Int(phase.Ende);
    double netto = 0.0;
    double brutto = 0.0;
    for (int o = 0; o < belegungen; ++o) {
      const KulturStandortSatz& b = s.culture.KulturStandortListe[static_cast<std::size_t>(o)];
      const double oB = base::Int(b.Beginn);
      const double oE = base::Int(b.Ende);
      const bool davor = pA > oB && pA > oE;
      const bool danach = pE <= oB && pA <= oE;
      if (davor || danach) continue;
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
