#pragma once
// Records of the enterprise settings: the settings row, wage groups and their hourly wages,
// the staff's wage history, and the material cost per hour of each standard activity.

#include <cstdint>
#include <string>

#include "base/values.h"

namespace tolvar {

// The in-memory copy of the one settings row of the enterprise.
struct EinstellungenSatz {
  int16_t StandardStation = 0;
  std::string Wetterstation;
  std::string Strom;
  std::string MaterialPfad;
  std::string VantelPfad;
  std::string KlimaPfad;
  std::string Ergebnisdatenbank;
  std::string Gemeinkostentyp;
  std::string Gemeinkosten;
  std::string Flaeche;
  std::string Jahr;
  std::string Belegung;
  std::string Vermarktungskosten;
};

// Bounds of the fixed program-wide lists. A reader scanning from 0 to the count inclusive
// meets one cleared element after the loaded ones as long as the list is not full.
constexpr int kLohngruppenElemente = 51;        // LohngruppeListe, elements 0..50
constexpr int kLohneinteilungenElemente = 101;  // LohneinteilungListe, elements 0..100
constexpr int kArbeitMaterialElemente = 501;    // ArbeitMaterialListe, elements 0..500

// One wage group: Lohn row (Morvin5 database) with its hourly wage from Tarif (own database).
// Cleared: numbers 0, texts empty, LetzteAenderung today (set by the loader that clears).
struct LohngruppeSatz {
  int16_t LohngruppenID = 0;
  int16_t Beispiel = 0;
  std::string Lohn;   // hourly wage in €, decimal comma; empty when the group has no Tarif row
  std::string Tarif;  // the group's name
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
};

// One period of a person's wage history (table Lohneinteilung).
// Cleared: texts empty, LohngruppenID 0, DatumAb 01.01.1900, LetzteAenderung today.
struct LohneinteilungSatz {
  std::string PersonalNr;
  int16_t LohngruppenID = 0;
  std::string Lohn;   // Tarif.Lohn of the group; empty when it has none
  std::string Tarif;  // Lohn.Tarif of the group; empty when the group is not in Lohn
  base::Date DatumAb = base::kNoDate;
  std::string ID;
  base::Date LetzteAenderung = base::kZeroDate;
};

// Material cost per working hour of one standard activity (table ArbeitMaterial).
// An empty element holds "0" in both fields.
struct ArbeitMaterialSatz {
  std::string TaetigkeitNr = "0";
  std::string KostenJeStunde = "0";  // column "Kosten je Stunde", as stored
};

// One fuel of table Heizmaterialien (heating-model database), every field as read, as text.
struct BrennstoffSatz {
  std::string Nummer;
  std::string Brennstoffart;
  std::string UntererBrennwert;  // column "Unterer Brennwert"
  std::string ObererBrennwert;   // column "Oberer Brennwert"
  std::string Preis;
};

// One greenhouse covering of table GWHMaterial, every field as read, as text.
// An empty entry has empty texts and Eignung "0".
struct EindeckungSatz {
  std::string Nummer;
  std::string Material;
  std::string kWert;             // column "k-Wert"
  std::string Durchlaessigkeit;  // column "Durchlässigkeit"
  std::string Eignung = "0";
};

constexpr int kVantelListenElemente = 64;  // BrennstoffListe, EindeckungListe at least

}  // namespace tolvar
