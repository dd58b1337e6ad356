#pragma once
// The cost per plant of each computed cost type, from plain lists. Numbers are read from
// German number text; a term that cannot be computed (a text that is no number, a division
// by zero) is left out of its sum and the sum goes on.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/records_calculation.h"
#include "data/records_culture.h"
#include "data/records_settings.h"

namespace tolvar::mdlKalkulation {

// A cost figure: the cost per plant in euro, or Fehlt when data the type needs are missing
// (its box is then emptied instead of showing a figure that leaves something out).
struct Kosten {
  double Wert = 0.0;
  bool Fehlt = false;
};

// Whole days of a period (end date minus start date).
inline double Tage(base::Date anfang, base::Date ende) { return static_cast<double>(base::DaysBetween(anfang, ende)); }

// Heating: for every occupancy o and every phase p beginning within it (Beginn <= Anfang <=
// Ende), (1 + Wege/100) x Flaeche(o) x HeizkostenJeQm(o) / AnzahlPflanzen(p). Missing when a
// paired occupancy's heating could not be computed (HeizdatenFehlen).
Kosten Heizkosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                  std::span<const KulturStandortSatz> belegungen);

// Electric energy for supplementary light: over the phases,
// Strom x Intensitaet x Dauer x days / 1000 / (AnzahlPflanzen / Flaeche).
double Energiekosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen, std::string_view strom);

// Material assigned through recorded work: for each piece of work with an activity number
// other than "0", the first ArbeitMaterial slot of that activity and the first phase holding
// its day, Zeitdauer x KostenJeStunde / AnzahlPflanzen.
double PSMKosten(const std::vector<KulturArbeitSatz>& arbeiten, const std::vector<ArbeitMaterialSatz>& arbeitMaterial,
                 const std::vector<PhasenSatz>& phasen, int anzahlPhasen);

// Marketing: share (percent of market output) x price / 100; 0 when either is no number.
double Vermarktungskosten(std::string_view anteil, std::string_view preis);

// The wage row for a piece of work: among the rows 0..anzahl (the one cleared element after
// the loaded rows included) of the person with DatumAb between 01.01.1900 and the work's
// day, the latest; with equal dates the last in list order. nullptr when there is none.
const LohneinteilungSatz* LohnzeileWaehlen(const std::vector<LohneinteilungSatz>& lohnliste, int anzahl,
                                           std::string_view personalNr, base::Date datum);

// Labour: over the phases and the work dated in each, Zeitdauer x Lohn / AnzahlPflanzen.
// Missing when a piece of work dated in a phase has no wage row on or before its day.
Kosten Arbeitskosten(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                     const std::vector<KulturArbeitSatz>& arbeiten, const std::vector<LohneinteilungSatz>& lohnliste,
                     int anzahlLohn);

// The overheads a site carries (table Vantel of the enterprise's own database).
struct StandortGemeinkosten {
  std::string StandortNr;
  std::string Gemeinkosten;  // € per year
  std::string Laenge;        // m (column "Länge")
  std::string Breite;        // m
  std::string Wege;          // path share, % of the gross area
};

// Net area-days of the culture: over the phases, Flaeche x days.
double NettoFlaechenTage(const std::vector<PhasenSatz>& phasen, int anzahlPhasen);
// Gross area-days of the culture: over the phases, BruttoFlaeche x days.
double BruttoFlaechenTage(const std::vector<PhasenSatz>& phasen, int anzahlPhasen);

// Overheads per plant by the settings' Gemeinkostentyp: "0" spread uniformly over the
// occupied enterprise area, "1" by the sites' own overheads (`standorte`; the rest of the
// enterprise's overheads spread uniformly), anything else 0. A formula that cannot be
// computed gives 0; an occupancy whose site share cannot be computed adds nothing.
double Gemeinkosten(const EinstellungenSatz& einstellungen, std::string_view menge,
                    const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                    std::span<const KulturStandortSatz> belegungen, const std::vector<StandortGemeinkosten>& standorte);

// Reads the rows of table Vantel of the database at `pfad`, in table order. False when the
// database or the table cannot be read (the list is then empty).
bool StandortGemeinkostenLesen(const std::string& pfad, std::vector<StandortGemeinkosten>& liste);

}  // namespace tolvar::mdlKalkulation
