#pragma once
// What one heating run reads from the databases, each table read once per run: the sites'
// greenhouse rows (table Vantel), coverings and fuels (TechDaten), and the weather
// station's two climate tables.

#include <optional>
#include <string>
#include <unordered_map>

#include "heating/mdlHeizkostenBerrechnung_modell.h"

namespace tolvar::mdlHeizkostenBerrechnung {

// Where a run reads from.
struct Datenquellen {
  std::string TolvarDatenbank;  // the .Tolvar file with table Vantel
  std::string Vanteldatenbank;  // tables GWHMaterial and Heizmaterialien
  std::string Wetterdatenbank;  // the climate tables
  std::string Wetterstation;    // station key; tables "<key>-Temperatur", "<key>-Einstrahlung"

  // The open enterprise's: TolvarDatenbankPfad, and VantelPfad, KlimaPfad and Wetterstation
  // of its settings.
  static Datenquellen DesBetriebs();
};

// A site's row of table Vantel as stored; a Null field reads as empty text.
struct Vantelzeile {
  std::string Laenge, Breite, Stehwand, Dach, Bauart, Kappenzahl;
  std::string EinDach, EinStehL, EinStehR, EinGiebelV, EinGiebelH;
  bool AFStehL = true, AFStehR = true, AFGiebelV = true, AFGiebelH = true;
  std::string GTStehL, GTStehR, GTGiebelV, GTGiebelH;
  std::string Anpassung, Wirkungsgrad;
  bool ESchirm = false;
  std::string Einsparung;
  bool Brennwert = false;
  std::string Brennstoff;
};

// A covering's row of GWHMaterial; nullopt where the field holds no number.
struct Eindeckungswerte {
  std::optional<double> kWert;
  std::optional<double> Durchlaessigkeit;  // %
};

// A fuel's row of Heizmaterialien.
struct Brennstoffwerte {
  std::optional<double> UntererBrennwert;
  std::optional<double> ObererBrennwert;
  std::optional<double> Preis;
};

struct Heizdaten {
  // Keyed by site number, covering name and fuel name; the first row of each in table
  // order wins, as a walk from the first row finds it.
  std::unordered_map<std::string, Vantelzeile> Standorte;
  std::unordered_map<std::string, Eindeckungswerte> Eindeckungen;
  std::unordered_map<std::string, Brennstoffwerte> Brennstoffe;
  // nullopt when the database or either table is missing or has fewer than 24 rows.
  std::optional<Klimatabellen> Klima;

  // Whether each database was read: false when it did not open or the rows of a table it
  // has failed to read (after the restore of a database of the program's own, whose restored
  // file is read at once). A part not read is empty or incomplete; the run's figures are then
  // no figures.
  bool StandorteGelesen = true;
  bool TechDatenGelesen = true;
  bool KlimaGelesen = true;

  // Reads everything; a database that cannot be read leaves its part empty (and its flag
  // false), so every occupancy that needs it is marked as lacking data.
  static Heizdaten Laden(const Datenquellen& quellen);
};

}  // namespace tolvar::mdlHeizkostenBerrechnung
