#include "calculation/mdlBerrechnung_kosten.h"

#include <algorithm>
#include <cmath>

#include "data/state.h"

namespace tolvar::mdlBerrechnung {

namespace {

std::string ZeilenKosten(const MaterialSatz& material, const KulturMaterialSatz& zeile, const PhasenSatz& phase) {
  const auto preis = base::ParseNumber(material.Preis);
  const auto menge = base::ParseNumber(zeile.Menge);
  const auto pflanzen = base::ParseNumber(phase.AnzahlPflanzen);
  if (!preis || !menge || !pflanzen || *pflanzen == 0.0) return {};
  const double kosten = *preis * *menge / *pflanzen;
  if (!std::isfinite(kosten)) return {};
  return base::NumberText(kosten);
}

}  // namespace

void KostenJePflanzeBerechnen(bool maschinen, std::span<KulturMaterialSatz> zeilen,
                              const std::vector<PhasenSatz>& phasen, int anzahlPhasen, const MasterLists& stamm) {
  const int n = static_cast<int>(zeilen.size());
  const int letztePhase = std::min(anzahlPhasen, static_cast<int>(phasen.size()) - 1);
  for (int r = 0; r < n; ++r) {
    KulturMaterialSatz& zeile = zeilen[static_cast<std::size_t>(r)];
    const MaterialSatz* material = MaterialMitNummer(stamm, zeile.MaNr);
    if (!material) continue;
    for (int p = 1; p <= letztePhase; ++p) {
      const PhasenSatz& phase = phasen[static_cast<std::size_t>(p)];
      if (zeile.Datum < phase.Anfang || zeile.Datum > phase.Ende) continue;
      const bool istMaschine = material->UeberPNr == kMaschinengruppe;
      zeile.KostenJePflanze = istMaschine == maschinen ? ZeilenKosten(*material, zeile, phase) : "0";
    }
  }
}

void MaterialkostenJePflanzeBerechnen(CultureData& kultur, const MasterLists& stamm) {
  KostenJePflanzeBerechnen(false, UsedSlots(kultur.KulturMaterialListe, kultur.AnzahlKulturMaterialien),
                           kultur.PhasenListe, kultur.AnzahlPhasen, stamm);
}

void MaschinenkostenJePflanzeBerechnen(CultureData& kultur, const MasterLists& stamm) {
  KostenJePflanzeBerechnen(true, UsedSlots(kultur.KulturMaterialListe, kultur.AnzahlKulturMaterialien),
                           kultur.PhasenListe, kultur.AnzahlPhasen, stamm);
}

double KostenJePflanzeSumme(std::span<const KulturMaterialSatz> zeilen) {
  const int n = static_cast<int>(zeilen.size());
  double summe = 0.0;
  for (int r = 0; r < n; ++r) {
    if (auto k = base::ParseNumber(zeilen[static_cast<std::size_t>(r)].KostenJePflanze)) summe += *k;
  }
  return summe;
}

}  // namespace tolvar::mdlBerrechnung
