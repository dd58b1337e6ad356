#pragma once
// A stored comparison culture (one row of table Vergleichskulturen of the result database)
// as the program holds it in memory.

#include <string>

namespace tolvar {

// All fields are texts named after their columns. Loaded rows carry Preis and the eight
// costs formatted with two decimals ("12,50") and the grades DQ... as the stored flag
// ("1" computed, "2" taken from a comparison culture, "3" typed in; marketing also "0").
// Akh, TQM, Import and Bemerkungen are not held.
struct VergleichskulturSatz {
  std::string Nr;
  std::string Kultur;
  std::string Beginn;
  std::string Ende;
  std::string Menge;
  std::string Preis;
  std::string Heizung;
  std::string Material;
  std::string Strom;
  std::string Maschinen;
  std::string PSM;
  std::string Vermarktung;
  std::string Arbeit;
  std::string Gemeinkosten;
  std::string DQHeizung;
  std::string DQMaterial;
  std::string DQStrom;
  std::string DQMaschinen;
  std::string DQPSM;
  std::string DQVermarktung;
  std::string DQArbeit;
  std::string DQGemeinkosten;
};

}  // namespace tolvar
