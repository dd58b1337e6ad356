#pragma once
// Cost per plant of a culture's material rows, ordinary materials and machines (the master
// materials of group "1009") apart: each procedure writes the cost of its own kind into
// KostenJePflanze and "0" into the rows of the other kind.

#include <span>
#include <vector>

#include "data/records.h"
#include "data/records_culture.h"
#include "data/state.h"

namespace tolvar::mdlBerrechnung {

// The parent group of the machines.
inline constexpr const char* kMaschinengruppe = "1009";

// For every row of `zeilen` and every phase slot 1..anzahlPhasen holding its day
// (the last such phase decides), with the first master material of its number: the row of
// its own kind gets Preis x Menge / AnzahlPflanzen as general number text, the other kind
// "0". A row whose day lies in no phase or whose material is unknown keeps its cost; a row
// whose cost cannot be worked out (no plants in the phase, a price or quantity that is no
// number) gets the empty text, so it adds nothing to a sum, and the other rows go on.
void KostenJePflanzeBerechnen(bool maschinen, std::span<KulturMaterialSatz> zeilen,
                              const std::vector<PhasenSatz>& phasen, int anzahlPhasen, const MasterLists& stamm);

// The two procedures on the material rows and phases of the culture data, with the master
// materials.
void MaterialkostenJePflanzeBerechnen(CultureData& kultur, const MasterLists& stamm);
void MaschinenkostenJePflanzeBerechnen(CultureData& kultur, const MasterLists& stamm);

// Sum of KostenJePflanze over the rows; empty or non-numeric fields add nothing.
double KostenJePflanzeSumme(std::span<const KulturMaterialSatz> zeilen);

}  // namespace tolvar::mdlBerrechnung
