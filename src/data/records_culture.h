#pragma once
// The records of the selected culture: its phases and its site occupancies.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/values.h"

namespace tolvar {

// The stored columns of the culture tables, in the order the savers write them: the loaders
// read and the savers write exactly these, and the opening check requires them
// (data/mdlFehler.cpp). A column added here is one a file without it cannot be opened with.
// KulturPhasen and Material (the culture's material rows) of the Tolvar database:
inline constexpr std::string_view kKulturPhasenSpalten[] = {
    "KP_ID", "Kulturnummer", "Phasennummer", "Phasennamen", "AnzahlPflanzen", "Anfang",      "Ende",
    "TT",    "NT",           "Intensitaet",  "Dauer",       "Fläche",         "BruttoFläche"};
inline constexpr std::string_view kKulturMaterialSpalten[] = {"KulturNr", "MaNr", "Menge", "Datum"};
// KulturStandorte of the labour-time database:
inline constexpr std::string_view kKulturStandorteSpalten[] = {"KulturNr", "StandortNr", "Flaeche", "Beginn", "Ende"};

// One culture phase (table KulturPhasen). Numbers are texts with a decimal comma.
// The defaults are those of a slot emptied by the loader: "0" texts, the zero date.
struct PhasenSatz {
  std::string Phasennummer = "0";
  std::string KP_ID = "0";  // "0" (or empty) marks an empty slot
  std::string Kulturnummer = "0";
  std::string Phasennamen = "0";
  std::string AnzahlPflanzen = "0";
  std::string Flaeche = "0";        // net area, Nm² (column "Fläche")
  std::string BruttoFlaeche = "0";  // gross area, Nm² (column "BruttoFläche")
  base::Date Anfang = base::kZeroDate;
  base::Date Ende = base::kZeroDate;
  std::string TT = "0";  // day set-point, °C
  std::string NT = "0";  // night set-point, °C
  std::string Intensitaet = "0";
  std::string Dauer = "0";
};

// One site occupancy of the selected culture (table KulturStandorte) with the heating
// results of the last heating run. The defaults are those of a free slot, except
// `KulturNr`, which the loader sets to the selected culture's number.
struct KulturStandortSatz {
  std::string StandortName = "0";
  std::string KulturNr;
  std::string StandortNr = "0";
  std::string Flaeche = "0";  // occupied net area, Nm²
  base::Date Beginn = base::kNoDate;
  base::Date Ende = base::kNoDate;
  std::string Wege = "0";  // path share of the site, %

  // Heating results, written by the heating run.
  double Heizbedarf = 0.0;      // kWh
  double Energiebedarf = 0.0;   // kWh
  double BrennstoffJeQm = 0.0;  // fuel unit per m² of greenhouse floor
  double HeizkostenJeQm = 0.0;  // € per m² of greenhouse floor
  int16_t Heiztage = 0;         // days of the heating period
  // True when the last heating run could not compute this occupancy (no greenhouse row,
  // unknown covering or fuel, missing or short climate tables, values that divide by zero
  // or make no sense); the five results above are then 0 and must not be shown as computed.
  bool HeizdatenFehlen = false;
};

// One material row of the selected culture (table Material of the Tolvar database).
// The list's element at index AnzahlKulturMaterialien is the empty end mark.
struct KulturMaterialSatz {
  std::string MaNr;                    // material number; "0" when stored empty or "0"
  std::string Materialname;            // from MaterialListe; empty when the number is unknown
  std::string KulturNr;                // set by the save only, empty after a load
  std::string Menge;                   // units as text with decimal comma; "0" when stored empty
  std::string Bezug;                   // reference unit "1".."4"; empty when the material is unknown
  base::Date Datum = base::kZeroDate;  // date of use; 01.01.1900 when stored empty
  std::string KostenJePflanze;         // cost per plant, written by the cost computation
};

}  // namespace tolvar
