#pragma once
// Small lists for the calculation tests, built in code.

#include <string>
#include <vector>

#include "base/values.h"
#include "data/records_calculation.h"
#include "data/records_culture.h"

namespace tolvar::test {

inline base::Date D(int day, int month, int year) { return *base::MakeDate(year, month, day); }

// A phase from `anfang` to `ende` with its plants and net area (gross area = net).
inline PhasenSatz Phase(base::Date anfang, base::Date ende, std::string pflanzen, std::string flaeche = "100") {
  PhasenSatz p;
  p.KP_ID = "x";
  p.Anfang = anfang;
  p.Ende = ende;
  p.AnzahlPflanzen = std::move(pflanzen);
  p.Flaeche = flaeche;
  p.BruttoFlaeche = std::move(flaeche);
  return p;
}

// The phase list as the loader leaves it: slot 0 empty, phase n in slot n.
inline std::vector<PhasenSatz> Phasen(std::vector<PhasenSatz> phasen) {
  phasen.insert(phasen.begin(), PhasenSatz{});
  return phasen;
}

inline KulturArbeitSatz Arbeit(base::Date datum, std::string personal, std::string stunden,
                               std::string taetigkeit = "StdT1002") {
  KulturArbeitSatz a;
  a.Datum = datum;
  a.PersonalNr = std::move(personal);
  a.Zeitdauer = std::move(stunden);
  a.StdTaetigkeitNr = std::move(taetigkeit);
  return a;
}

}  // namespace tolvar::test
