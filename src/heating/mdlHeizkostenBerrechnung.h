#pragma once
// Heating cost of the site occupancies: pairs each occupancy of a culture with the phase
// in which it begins, reads its site's greenhouse, coverings and fuel, and computes heat
// demand, energy, fuel and cost per m² of floor from the hourly loss of five surfaces.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/records_culture.h"
#include "heating/mdlHeizkostenBerrechnung_daten.h"
#include "heating/mdlHeizkostenBerrechnung_modell.h"

namespace tolvar::mdlHeizkostenBerrechnung {

// A heating period prepared for the hourly sums.
struct Heizperiode {
  base::Date Beginn = 0.0;
  base::Date Ende = 0.0;
  std::vector<uint8_t> Wochen;  // the week of every date from Beginn to Ende
  // Outer-surface temperature differences of the phase per week and hour; computed from
  // the climate when null.
  const Stundentabelle* Aussendifferenzen = nullptr;
};

// The working values of one run: the data read once, and per pair of set-points (TT, NT)
// the rounded outer temperature differences (the same for every outer surface of every site).
struct Heizlauf {
  Heizdaten Daten;
  std::map<std::pair<double, double>, Stundentabelle> Aussendifferenzen;
};

// Computes every occupancy in `belegungen` whose KulturNr is `kulturNr`: first clears the
// results of all of them, then pairs each with every phase slot (1..) whose period holds
// its Beginn and computes it up to the earlier of both ends; the last such phase's
// results remain. Empty phase slots are passed over.
void HeizkostenBerechnen(std::string_view kulturNr, const std::vector<PhasenSatz>& phasen,
                         std::vector<KulturStandortSatz>& belegungen, const Datenquellen& quellen);
// The same with data already read.
void HeizkostenBerechnen(std::string_view kulturNr, const std::vector<PhasenSatz>& phasen,
                         std::vector<KulturStandortSatz>& belegungen, Heizdaten daten);
// The same on the program-wide state: the selected culture KulturListe(KulturIndex), its
// PhasenListe and KulturStandortListe, the databases of TolvarDatenbankPfad, VantelPfad and
// KlimaPfad and the station Wetterstation. Does nothing when no culture is selected.
void HeizkostenBerechnen();

// Computes one occupancy for one phase over [beginn, ende]. On missing or unusable data
// the results stay 0 and HeizdatenFehlen is set.
void StandortHeizbedarfBerechnen(Heizlauf& lauf, const PhasenSatz& phase, KulturStandortSatz& belegung,
                                 base::Date beginn, base::Date ende);

// Loss of one surface over the heating period in kWh as whole-number text; writes the
// days of the period into `heiztage`. Every week of the period must be complete in `klima`.
std::string FlaechenWaermeverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus,
                                           const Klimatabellen& klima, const Heizperiode& periode, int16_t& heiztage);

}  // namespace tolvar::mdlHeizkostenBerrechnung
