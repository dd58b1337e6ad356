#pragma once
// The master records held in memory: cultures, sites, materials, pots, staff and standard
// activities, as loaded from the enterprise's databases. A default-constructed record is the
// empty element: texts empty, numbers 0, Booleans False, dates the zero date.

#include <cstdint>
#include <string>

#include "base/field_rules.h"
#include "base/values.h"

namespace tolvar {

// A culture or culture group (table Kulturen of the labour-time database).
struct KulturSatz {
  std::string KulturNr;
  std::string UeberPNr;
  std::string Kulturname;
  std::string Kuerzel;
  double Barcode = 0.0;  // double, so that 8-digit barcodes stay exact
  bool Gliederungspunkt = false;
  bool Aktuell = false;
  std::string Bemerkungen;
  base::Date Arbeitsbeginn = base::kZeroDate;  // day only
  base::Date Arbeitsende = base::kZeroDate;    // day only
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
  // Set by the tree builders: a node for the record is in the tree being built / expanded.
  bool ImBaum = false;
  bool Aufgeklappt = false;
};

// The length and width of a house in m, as the site editor's boxes take them: amounts from 0
// (a new house below a group proposes the group's "0"); a blank box stores the empty text. The
// heating data store them (table Vantel), and the site's area in table Standort is their
// product (base::Produkt).
inline constexpr base::Feldregel kStandortLaenge{.feld = "txtLaenge", .leer = ""};
inline constexpr base::Feldregel kStandortBreite{.feld = "txtBreite", .leer = ""};

// A site or site group (table Standort).
struct StandortSatz {
  std::string StandortNr;
  std::string UeberPNr;
  std::string Standortname;
  double Barcode = 0.0;
  std::string Kuerzel;
  bool Gliederungspunkt = false;
  bool Aktuell = false;
  std::string Bemerkungen;
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
  std::string Flaeche;  // area in m², German number text (column "Fläche")
  bool ImBaum = false;
  bool Aufgeklappt = false;
};

// A material or material group (table Material of the material database).
struct MaterialSatz {
  std::string MaterialNr;
  std::string UeberPNr;
  std::string Materialname;
  std::string Kuerzel;
  double Barcode = 0.0;
  bool Gliederungspunkt = false;
  std::string Einheit;  // units per reference quantity, German number text
  std::string Preis;    // € per unit, German number text
  int16_t Bezug = 0;    // Bezugsgroesse
  std::string Wdh;      // number of uses, German number text
  bool Aktuell = false;
  std::string Bemerkungen;
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
  bool ImBaum = false;
  bool Aufgeklappt = false;
};

// A pot with its volume (table Gefaesse), named after its material.
struct GefaessSatz {
  std::string MaterialNr;
  std::string Materialname;
  std::string Volumen;  // litres, German number text
};

// A person or staff group (table Personal).
struct PersonalSatz {
  std::string PersonalNr;
  std::string UeberPNr;
  std::string Name;
  std::string Vorname;
  std::string Kuerzel;
  double Barcode = 0.0;
  bool Gliederungspunkt = false;
  bool Aktuell = false;
  std::string Bemerkungen;
  std::string Postleitzahl;
  std::string Ort;
  std::string Strasse;
  std::string Telefon;
  base::Date Geburtstag = base::kZeroDate;  // 01.01.1900 means no birthday
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
  bool ImBaum = false;
  bool Aufgeklappt = false;
};

// A standard activity or activity group (table StdTaetigkeiten).
struct StdTaetigkeitSatz {
  std::string StdTaetigkeitNr;
  std::string UeberPNr;
  std::string Taetigkeit;  // column "Tätigkeiten"
  std::string Kuerzel;
  double Barcode = 0.0;
  bool Gliederungspunkt = false;
  bool Aktuell = false;
  std::string Bemerkungen;
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
  bool ImBaum = false;
  bool Aufgeklappt = false;
};

}  // namespace tolvar
