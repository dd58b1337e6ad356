#pragma once
// A row of table Vantel of the enterprise's own database: a site's greenhouse and heating
// data, and the table's columns. The site editor reads and writes the row by this column
// table (heating/mdlVantel.h), and the opening check requires its columns.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tolvar::data {

// A row of table Vantel as stored; nullopt for Null (a missing value).
struct VantelSatz {
  std::optional<std::string> StandortNr;
  std::optional<std::string> Laenge;  // column "Länge"
  std::optional<std::string> Breite;
  std::optional<std::string> Gemeinkosten;
  std::optional<std::string> Stehwand;
  std::optional<std::string> Dach;
  std::optional<std::string> Wege;
  std::optional<std::string> Bauart;
  std::optional<std::string> Kappenzahl;
  std::optional<std::string> EinDach;
  std::optional<std::string> EinGiebelH;
  std::optional<std::string> EinGiebelV;
  std::optional<std::string> EinStehL;
  std::optional<std::string> EinStehR;
  std::optional<bool> AFGiebelH;
  std::optional<bool> AFGiebelV;
  std::optional<bool> AFStehL;
  std::optional<bool> AFStehR;
  std::optional<std::string> GTGiebelH;
  std::optional<std::string> GTGiebelV;
  std::optional<std::string> GTStehL;
  std::optional<std::string> GTStehR;
  std::optional<std::string> Brennstoff;
  std::optional<std::string> Wirkungsgrad;
  std::optional<bool> Brennwert;
  std::optional<bool> ESchirm;
  std::optional<std::string> Einsparung;
  std::optional<std::string> Anpassung;
};

// One column of table Vantel and the member of the row it fills: a text (`text`) or a flag
// (`merker`).
struct VantelSpalte {
  std::string_view name;
  std::optional<std::string> VantelSatz::*text = nullptr;
  std::optional<bool> VantelSatz::*merker = nullptr;
};

// Every column of table Vantel, in the order the enterprise database declares them.
inline constexpr std::array<VantelSpalte, 28> kVantelSpalten{{
    {.name = "StandortNr", .text = &VantelSatz::StandortNr},
    {.name = "Länge", .text = &VantelSatz::Laenge},
    {.name = "Breite", .text = &VantelSatz::Breite},
    {.name = "Gemeinkosten", .text = &VantelSatz::Gemeinkosten},
    {.name = "Stehwand", .text = &VantelSatz::Stehwand},
    {.name = "Dach", .text = &VantelSatz::Dach},
    {.name = "Wege", .text = &VantelSatz::Wege},
    {.name = "Bauart", .text = &VantelSatz::Bauart},
    {.name = "Kappenzahl", .text = &VantelSatz::Kappenzahl},
    {.name = "EinDach", .text = &VantelSatz::EinDach},
    {.name = "EinGiebelH", .text = &VantelSatz::EinGiebelH},
    {.name = "EinGiebelV", .text = &VantelSatz::EinGiebelV},
    {.name = "EinStehL", .text = &VantelSatz::EinStehL},
    {.name = "EinStehR", .text = &VantelSatz::EinStehR},
    {.name = "AFGiebelH", .merker = &VantelSatz::AFGiebelH},
    {.name = "AFGiebelV", .merker = &VantelSatz::AFGiebelV},
    {.name = "AFStehL", .merker = &VantelSatz::AFStehL},
    {.name = "AFStehR", .merker = &VantelSatz::AFStehR},
    {.name = "GTGiebelH", .text = &VantelSatz::GTGiebelH},
    {.name = "GTGiebelV", .text = &VantelSatz::GTGiebelV},
    {.name = "GTStehL", .text = &VantelSatz::GTStehL},
    {.name = "GTStehR", .text = &VantelSatz::GTStehR},
    {.name = "Brennstoff", .text = &VantelSatz::Brennstoff},
    {.name = "Wirkungsgrad", .text = &VantelSatz::Wirkungsgrad},
    {.name = "Brennwert", .merker = &VantelSatz::Brennwert},
    {.name = "ESchirm", .merker = &VantelSatz::ESchirm},
    {.name = "Einsparung", .text = &VantelSatz::Einsparung},
    {.name = "Anpassung", .text = &VantelSatz::Anpassung},
}};

}  // namespace tolvar::data
