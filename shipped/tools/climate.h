// Deterministic seasonal model of a typical year of southern Germany: hourly air temperature
// and global radiation per week of the year for one weather region.
#pragma once

#include <array>

#include "common.h"

namespace shipped {

constexpr int kWeeks = 52;
constexpr int kHours = 24;
using WeekTable = std::array<std::array<double, kWeeks>, kHours>;  // [hour][week]

struct ClimateTables {
  WeekTable temperature;  // °C
  WeekTable radiation;    // W/m²
};

ClimateTables climateFor(const Region& region);

// Annual sum of a radiation table in kWh/m² (each week counts seven days).
double annualRadiation(const WeekTable& radiation);

}  // namespace shipped
