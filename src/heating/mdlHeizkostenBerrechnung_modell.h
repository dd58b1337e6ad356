#pragma once
// The arithmetic of the greenhouse heating model on plain values: geometry of the three
// house types, the week of a date, one surface-hour, a surface's loss over a heating
// period, the four results, and the replacement rules for the site's stored texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"

namespace tolvar::mdlHeizkostenBerrechnung {

// The model's own value of pi, not a more precise one.
inline constexpr double kPi = 3.14159;
// Share of the radiation on the floor that counts as solar gain.
inline constexpr double kGewinnfaktor = 0.25;
inline constexpr int kWochen = 52;
inline constexpr int kStunden = 24;

// ---------------------------------------------------------------- geometry

// Areas in m²: each of the two side walls, each of the two gables, the roof, the floor.
struct Gewaechshausflaechen {
  double Stehwand = 0.0;
  double Giebel = 0.0;
  double Dach = 0.0;
  double Boden = 0.0;
};

// Length, width, side-wall height and house height in m; house type 1 (one pitched roof),
// 2 (`kappenzahl` pitched bays) or 3 (arched roof). nullopt for another type and for
// type 2 with fewer than one bay.
std::optional<Gewaechshausflaechen> GeometrieBerechnen(double laenge, double breite, double stehwand, double dach,
                                                       int bauart, int kappenzahl);

// ---------------------------------------------------------------- calendar

// Week of the year, weeks starting on Sunday, week 1 holding 1 January; 53 and 54 give 52.
int WocheDesJahres(base::Date tag);
// The week of every date from `beginn` to `ende` inclusive; empty when `ende` < `beginn`.
std::vector<uint8_t> WochenDesZeitraums(base::Date beginn, base::Date ende);
// Hours 0-6 and 19-23 are night hours, 7-18 day hours.
constexpr bool IstNachtstunde(int stunde) { return stunde <= 6 || stunde >= 19; }

// ---------------------------------------------------------------- climate and one hour

// A station's weekly mean climate, already cut down to whole numbers:
// [week 1..52][hour 0..23] (week 0 unused). A cell without a number holds NaN.
using Stundentabelle = std::array<std::array<double, kStunden>, kWochen + 1>;

struct Klimatabellen {
  Stundentabelle Temperatur{};    // °C
  Stundentabelle Einstrahlung{};  // W/m²
  // True when every hour of the week holds a number in both tables.
  bool WocheVollstaendig(int woche) const;
};

// One surface as the hourly model sees it.
struct Flaechenwerte {
  double Flaeche = 0.0;  // m²
  double kWert = 0.0;    // W/(m²·K)
  bool Aussenflaeche = true;
  double Grenztemperatur = 0.0;  // °C beyond a boundary surface
};

// The house and phase values every surface of an occupancy shares.
struct Hauswerte {
  double TT = 0.0;            // day set-point, °C
  double NT = 0.0;            // night set-point, °C
  double Einsparung = 0.0;    // night saving of the energy screen, % (0 without one)
  double Tau = 0.0;           // light transmission of the roof, fraction
  double Bodenflaeche = 0.0;  // m²
};

// Temperature difference of one hour against the outdoor value `temperatur` (cut down):
// rounded to one decimal for an outer surface, exact against the boundary temperature
// (when higher) for a boundary surface.
double Temperaturdifferenz(const Flaechenwerte& flaeche, const Hauswerte& haus, bool nacht, double temperatur);
// Net loss N of one hour in Wh from its temperature difference; only N > 0 counts.
double NettoverlustAusDifferenz(const Flaechenwerte& flaeche, const Hauswerte& haus, bool nacht, double differenz,
                                double einstrahlung);
// Net loss N of surface-hour `stunde` with the cut-down climate values.
double StundenverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus, int stunde, double temperatur,
                               double einstrahlung);

// ---------------------------------------------------------------- period and results

// Sum in Wh of the positive hourly net losses of one surface, date by date and hour by
// hour over the given weeks (one per date). Every week used must be complete.
double ZeitraumverlustBerechnen(const Flaechenwerte& flaeche, const Hauswerte& haus, const Klimatabellen& klima,
                                const std::vector<uint8_t>& wochen);

// The loss in kWh as a whole number text ("0" format, half away from zero).
std::string VerlustText(double wattstunden);

struct Heizergebnis {
  double Heizbedarf = 0.0;
  double Energiebedarf = 0.0;
  double BrennstoffJeQm = 0.0;
  double HeizkostenJeQm = 0.0;
};

// The four results from the five surface losses (kWh, in surface order), the adjustment
// factor, the efficiency (%), the calorific value, the floor area (m²) and the fuel price.
// nullopt when efficiency, calorific value or floor area is not above 0 or a result is not
// finite.
std::optional<Heizergebnis> ErgebnisseBerechnen(const std::array<double, 5>& verluste, double anpassung,
                                                double wirkungsgrad, double brennwert, double bodenflaeche,
                                                double preis);

// ---------------------------------------------------------------- stored texts

// Bays: empty text gives 1; otherwise the number rounded to a whole one.
std::optional<int> KappenzahlLesen(std::string_view text);
// Adjustment factor: empty text or exactly "0" gives 1 ("0,0" stays 0).
std::optional<double> AnpassungLesen(std::string_view text);
// Efficiency in %: empty text or exactly "0" gives 85.
std::optional<double> WirkungsgradLesen(std::string_view text);
// Temperature beyond a boundary surface: empty text gives 0.
std::optional<double> GrenztemperaturLesen(std::string_view text);
// Night saving in %: read only with an energy screen, else 0.
std::optional<double> EinsparungLesen(bool energieschirm, std::string_view text);
// The upper calorific value with a condensing boiler, else the lower one.
constexpr double BrennwertWaehlen(bool brennwertgeraet, double oberer, double unterer) {
  return brennwertgeraet ? oberer : unterer;
}

}  // namespace tolvar::mdlHeizkostenBerrechnung
