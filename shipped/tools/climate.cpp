#include "climate.h"

#include <algorithm>
#include <cmath>

namespace shipped {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kColdestDay = 18.0;  // day of year of the lowest mean temperature

// 0 in mid-January, 1 in mid-July.
double season(double day) { return (1.0 - std::cos(2.0 * kPi * (day - kColdestDay) / 365.0)) / 2.0; }

double middleDayOfWeek(int week) { return week * 7.0 + 3.5; }  // week is 0-based

// East of the region map the winters are colder and the summers warmer.
double continentality(const Region& r) { return std::clamp((r.longitude - 9.0) / 4.5, 0.0, 1.0); }

double dailyMeanTemperature(const Region& r, double day) {
  const double c = continentality(r);
  const double annualMean = 8.0 + 0.006 * (450.0 - r.altitude) - 0.4 * c - 0.3 * (r.latitude - 48.5);
  const double amplitude = 10.0 + 1.5 * c;
  // Small fixed irregularities so the weeks do not follow a pure sine.
  const double ripple =
      0.6 * std::sin(2.0 * kPi * 3.0 * day / 365.0 + 1.1) + 0.4 * std::sin(2.0 * kPi * 5.0 * day / 365.0 + 2.3);
  return annualMean + amplitude * (2.0 * season(day) - 1.0) + ripple;
}

double declination(double day) { return 23.44 * kPi / 180.0 * std::sin(2.0 * kPi * (284.0 + day) / 365.0); }

// Local clock hour of sunrise (mean solar time shifted to the zone meridian 15° E).
double sunriseHour(const Region& r, double day) {
  const double phi = r.latitude * kPi / 180.0;
  const double cosW = std::clamp(-std::tan(phi) * std::tan(declination(day)), -1.0, 1.0);
  return 12.0 - std::acos(cosW) * 180.0 / kPi / 15.0 + (15.0 - r.longitude) / 15.0;
}

// Hourly temperatures: minimum at sunrise, maximum at 14:30, both halves half cosines.
double hourlyTemperature(const Region& r, double day, double hour) {
  const double range = 5.0 + 5.0 * season(day) + 1.5 * continentality(r);
  const double tMin = dailyMeanTemperature(r, day) - range / 2.0;
  const double rise = sunriseHour(r, day);
  const double peak = 14.5;
  double t = hour;
  if (t < rise) t += 24.0;
  if (t <= peak) return tMin + range * (1.0 - std::cos(kPi * (t - rise) / (peak - rise))) / 2.0;
  return tMin + range - range * (1.0 - std::cos(kPi * (t - peak) / (rise + 24.0 - peak))) / 2.0;
}

// Clear-sky global radiation on a horizontal surface (Haurwitz), W/m².
double clearSky(const Region& r, double day, double clockHour) {
  const double phi = r.latitude * kPi / 180.0;
  const double delta = declination(day);
  const double solarHour = clockHour - (15.0 - r.longitude) / 15.0;
  const double omega = (solarHour - 12.0) * 15.0 * kPi / 180.0;
  const double sinH = std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(omega);
  if (sinH <= 0.01) return 0.0;
  return 1098.0 * sinH * std::exp(-0.057 / sinH);
}

// Share of the clear-sky radiation that reaches the ground: winters are cloudier.
double cloudFactor(double day) { return 0.45 + 0.22 * season(day); }

double round1(double v) { return std::round(v * 10.0) / 10.0; }

}  // namespace

double annualRadiation(const WeekTable& radiation) {
  double sum = 0;
  for (const auto& row : radiation)
    for (double v : row) sum += v;
  return sum * 7.0 / 1000.0;
}

ClimateTables climateFor(const Region& r) {
  ClimateTables t{};
  WeekTable raw{};
  for (int w = 0; w < kWeeks; ++w) {
    const double day = middleDayOfWeek(w);
    for (int h = 0; h < kHours; ++h) {
      t.temperature[h][w] = round1(hourlyTemperature(r, day, h + 0.5));
      double g = 0;  // mean over the hour from four samples
      for (int s = 0; s < 4; ++s) g += clearSky(r, day, h + (s + 0.5) / 4.0);
      raw[h][w] = g / 4.0 * cloudFactor(day);
    }
  }
  // Scale to the region's annual sum: more sun to the south and at altitude.
  const double target = 1080.0 + 45.0 * (48.5 - r.latitude) + 0.05 * (r.altitude - 450.0);
  const double scale = target / annualRadiation(raw);
  for (int h = 0; h < kHours; ++h)
    for (int w = 0; w < kWeeks; ++w) t.radiation[h][w] = round1(raw[h][w] * scale);
  return t;
}

}  // namespace shipped
