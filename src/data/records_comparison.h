#pragma once
// A stored comparison culture (one row of table Vergleichskulturen of the result database)
// as the program holds it in memory, and a column of the culture comparison.

#include <cstdint>
#include <string>

#include "data/cost_types.h"

namespace tolvar {

// All fields are texts named after their columns; the costs and grades are held by cost type
// (the columns of data::KostenSpalte and data::GradSpalte). Loaded rows carry Preis and the
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
  JeKostenart<std::string> Kosten;  // columns Heizung, Material, Strom, ... by KostenIndex
  JeKostenart<std::string> Grade;   // columns DQHeizung, ... by KostenIndex
};

// One column of the culture comparison: a stored comparison culture as the comparison window
// holds it. All slots but Import are texts; numbers carry a decimal comma.
struct VergleichsspalteSatz {
  int16_t Import = 0;  // -1: copied from another result database
  std::string Nr;      // list position looked for, as text
  std::string Kultur;
  std::string Beginn;
  std::string Ende;
  std::string Preis;
  std::string Menge;
  std::string Erloes;
  // The material costs that share the "Sachkosten" bar, summed (derived).
  std::string Sachkosten;
  JeKostenart<std::string> Kosten;  // columns Heizung, Material, Strom, ... by KostenIndex
  JeKostenart<std::string> Grade;   // columns DQHeizung, ... by KostenIndex
  std::string Gewinn1000;
  std::string GewinnKultur;
  std::string Bemerkungen;
  std::string TQM;
  std::string Akh;
};

}  // namespace tolvar
