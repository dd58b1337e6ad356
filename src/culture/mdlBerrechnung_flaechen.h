#pragma once
// Net and gross area of each phase of the selected culture from the site occupancies that
// overlap it.

#include <string>
#include <vector>

#include "data/state.h"

namespace tolvar::mdlBerrechnung {

// The areas of one phase as whole-number text; Phase is its number, the phase grid row.
struct PhasenFlaeche {
  int Phase = 0;
  std::string Flaeche;
  std::string BruttoFlaeche;
};

// Whether the occupancy counts for the phase, comparing whole days: one that lies wholly
// before the phase's first day, or starts on or after its last day, does not.
bool BelegungZaehlt(const PhasenSatz& phase, const KulturStandortSatz& belegung);

// For every filled phase slot 1..AnzahlPhasen of `kultur` sums the occupancies of KulturStandortListe
// (slots 0..AnzahlKulturStandorte) that overlap it, comparing whole days: one that lies
// wholly before the phase's first day, or starts on or after its last day, does not count.
// Each counting occupancy adds the whole part of its area to the net area and that part
// times (1 + Wege/100), rounded half to even, to the gross area; a text that is no number
// counts as 0. Writes Flaeche and BruttoFlaeche of the phases and returns them, so the
// window can write them into columns 2 and 9 of the phase's own grid row.
std::vector<PhasenFlaeche> PhasenFlaechenBerechnen(CultureData& kultur);

}  // namespace tolvar::mdlBerrechnung
