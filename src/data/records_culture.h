#pragma once
// The records of the selected culture: its phases and its site occupancies.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/field_rules.h"
#include "base/values.h"

namespace tolvar {

// The rules of the numbers the culture tables store, whoever writes them (base/field_rules.h).
// A phase: plants a whole number, areas, temperatures and light amounts from 0, hours of light
// from 0 to 24; a blank cell stores "0". The areas are worked out from the site occupancies.
inline constexpr base::Feldregel kPhasenMengeRegel{.feld = "txtMenge", .ganz = true, .leer = "0"};
inline constexpr base::Feldregel kPhasenFlaecheRegel{.feld = "Fläche", .leer = "0"};
inline constexpr base::Feldregel kPhasenBruttoRegel{.feld = "BruttoFläche", .leer = "0"};
inline constexpr base::Feldregel kPhasenTTRegel{.feld = "txtTT", .leer = "0"};
inline constexpr base::Feldregel kPhasenNTRegel{.feld = "txtNT", .leer = "0"};
inline constexpr base::Feldregel kPhasenLichtRegel{.feld = "txtLicht", .leer = "0"};
inline constexpr base::Feldregel kPhasenDauerRegel{
    .feld = "txtDauer", .bereich = {.low = 0.0, .high = 24.0}, .leer = "0"};
// The units of a material row: a blank cell stores the empty text, which the calculation counts
// as missing.
inline constexpr base::Feldregel kMaterialMengeRegel{.feld = "Einheiten", .leer = ""};
// The occupied net area in Nm² of a site occupancy; it cannot be left blank.
inline constexpr base::Feldregel kBelegungFlaecheRegel{.feld = "Fläche (Nm²)"};

// One stored column of a culture table: its name and the rule of the number it holds (nullptr
// for a key, a name or a date).
struct Kulturspalte {
  std::string_view name = {};
  const base::Feldregel* regel = nullptr;
};

// The column tables of the culture tables, in the order the savers write them: the loaders
// read and the savers write exactly these, and the opening check requires them
// (data/mdlFehler.cpp). A column added here is one a file without it cannot be opened with.
// KulturPhasen and Material (the culture's material rows) of the Tolvar database:
inline constexpr Kulturspalte kKulturPhasenSpalten[] = {
    {"KP_ID"},
    {"Kulturnummer"},
    {"Phasennummer"},
    {"Phasennamen"},
    {"AnzahlPflanzen", &kPhasenMengeRegel},
    {"Anfang"},
    {"Ende"},
    {"TT", &kPhasenTTRegel},
    {"NT", &kPhasenNTRegel},
    {"Intensitaet", &kPhasenLichtRegel},
    {"Dauer", &kPhasenDauerRegel},
    {"Fläche", &kPhasenFlaecheRegel},
    {"BruttoFläche", &kPhasenBruttoRegel},
};
inline constexpr Kulturspalte kKulturMaterialSpalten[] = {
    {"KulturNr"}, {"MaNr"}, {"Menge", &kMaterialMengeRegel}, {"Datum"}};
// KulturStandorte of the labour-time database:
inline constexpr Kulturspalte kKulturStandorteSpalten[] = {
    {"KulturNr"}, {"StandortNr"}, {"Flaeche", &kBelegungFlaecheRegel}, {"Beginn"}, {"Ende"}};

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
