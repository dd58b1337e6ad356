#pragma once
// The material rows of the selected culture (table Material of the Tolvar database, not
// the master table of the same name): loading them into KulturMaterialListe, the rows of
// the material grid, and saving the grid back.

#include <string>
#include <string_view>
#include <vector>

#include "data/records_culture.h"
#include "data/state.h"

namespace tolvar::mdlKulturMaterial {

// Columns of the material grid dtgMaterial.
enum MaterialSpalte : int { kSpalteMaterial = 0, kSpalteDatum = 1, kSpalteEinheiten = 2, kSpalteBezug = 3 };
inline constexpr std::string_view kMaterialKoepfe[4] = {"Materialien", "Datum", "Einheiten", "Bezugsgröße"};

// The parent group of the substrates, whose reference texts are "Liter" and "m³".
inline constexpr std::string_view kSubstratGruppe = "1008";

// One data row of the material grid. MaNr is the row's material, kept with the row out of
// sight; empty for a row whose material is to be found by its name.
struct MaterialZeile {
  std::string Materialname;
  std::string MaNr;
  std::string Datum;  // "dd.mm.yyyy"
  std::string Menge;
  std::string Bezugstext;  // shown only, never read back
};

// The reference text of a stored row by its Bezug ("1".."4") and its material's parent
// group: "Liter"/"je Pflanze", "m³"/"je 1000 Pflanzen", "je Nm²", "je 1000Nm²"; empty for
// any other Bezug.
std::string Bezugstext(std::string_view bezug, std::string_view ueberPNr);

// Replaces KulturMaterialListe and AnzahlKulturMaterialien with the stored rows of the
// culture KulturListe(KulturIndex) in date order (rows of one date in stored order), each
// with the name and Bezug of the first material of MaterialListe with its number. An empty
// or "0" MaNr gives "0", an empty Menge stays empty (missing data for the calculation), an
// empty or unreadable Datum 01.01.1900. The list ends
// with an empty element. False (nothing shown) when no culture is selected or the database
// cannot be read; the list is then empty.
bool KulturMaterialLaden();

// The rows the material grid shows for KulturMaterialListe: one per row with a material
// number; a material no longer in MaterialListe shows its number as the name, so that the
// row is kept by the next save.
std::vector<MaterialZeile> KulturMaterialTabelle(const CultureData& kultur, const MasterLists& stamm);

// Replaces the culture's stored rows by the grid rows up to the first one without a name,
// in grid order, in one transaction. Each row keeps its material number; a row without one
// takes the last material of MaterialListe with its name, and is not stored when there is
// none. Menge is stored exactly as given (a blank cell as the empty text). A date that is
// not valid, or a Menge that is neither blank nor a number from 0 to 1.000.000.000.000,
// refuses the whole save with a message naming the material; a database failure is
// reported and changes nothing. On success the list holds the stored rows. Returns true
// when stored.
bool KulturMaterialSpeichern(const std::vector<MaterialZeile>& zeilen);

}  // namespace tolvar::mdlKulturMaterial
