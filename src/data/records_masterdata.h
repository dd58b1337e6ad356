#pragma once
// Records of the staff's weekly working time and wage classification as the master-data
// editors show them.

#include <cstdint>
#include <string>

namespace tolvar {

// One entry of a person's weekly working time (table Wochenarbeitszeit): both values as
// typed, the hours normally with a decimal comma, the date normally dd.mm.yyyy.
struct WochenarbeitszeitSatz {
  std::string Wochenarbeitszeit;
  std::string DatumAb;
};

// One wage group as the wage classification offers it: the Lohn row's key and its name
// without leading and trailing blanks.
struct LohngruppenEintrag {
  int64_t LohngruppenID = 0;
  std::string Tarif;
};

// One row of a person's wage classification as shown: group name, hourly wage with two
// decimals ("12,50"), date from which it applies (dd.mm.yyyy). A cell whose value cannot be
// read is empty.
struct LohneinteilungZeile {
  int64_t LohngruppenID = 0;
  std::string Lohngruppe;
  std::string Lohn;
  std::string DatumAb;
};

}  // namespace tolvar
