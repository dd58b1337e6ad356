#pragma once
// The cost types of a culture, one row each in kKostenartTabelle, in the order of the
// calculation window. The calculation, the calculation window, the stored comparison cultures
// and the comparison take a type's names, captions, keys and columns from its row and index
// their boxes, flags and columns by it.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tolvar {

enum class Kostenart { Heizung, Material, Energie, Maschinen, PSM, Vermarktung, Arbeit, Gemeinkosten };
inline constexpr std::size_t kAnzahlKostenarten = 8;

// One value per cost type, by KostenIndex.
template <class T>
using JeKostenart = std::array<T, kAnzahlKostenarten>;

// The margin a cost is deducted for: the material costs before the direct-cost-free output
// (DKFL), the labour before the EKFL, the overheads before the profit.
enum class Kostenstufe { Sachkosten, Arbeitskosten, Gemeinkosten };

struct KostenartDaten {
  Kostenart art;
  std::string_view name;
  // The cost button's caption before its origin mark ("+ Heizung " + "***"), and its caption
  // after the calculation window is reset.
  std::string_view beschriftung;
  std::string_view anfangsbeschriftung;
  // The key of the completeness check run before the type is computed.
  std::string_view pruefschluessel;
  // The columns of the cost and of its grade in table Vergleichskulturen.
  std::string_view kostenSpalte;
  std::string_view gradSpalte;
  // The calculation window's value box and cost button; its "[Menü]" button is the cost
  // button's name with "Menu" after it.
  std::string_view wertfeld;
  std::string_view kostenknopf;
  // The window that breaks the computed cost down or lists the comparison cultures, and the
  // menu that chooses the cost's origin.
  std::string_view detailfenster;
  std::string_view menuefenster;
  Kostenstufe stufe;
};

// clang-format off
inline constexpr JeKostenart<KostenartDaten> kKostenartTabelle = {{
    {Kostenart::Heizung, "Heizung", "+ Heizung ", "+ Heizkosten ***", "HeizkostenKalkulation",
     "Heizung", "DQHeizung", "txtHeizung", "cmbHeizkosten",
     "frmVantelInfo", "frmHeizkostenMenu", Kostenstufe::Sachkosten},
    {Kostenart::Material, "Material", "+ Material ", "+ Material ***", "MaterialkostenKalkulation",
     "Material", "DQMaterial", "txtMaterial", "cmbMaterialkosten",
     "frmMaterialInfo", "frmMaterialkostenMenu", Kostenstufe::Sachkosten},
    {Kostenart::Energie, "Energie", "+ elek.Energie ", " + elek.Energie ***", "EnergiekostenKalkulation",
     "Strom", "DQStrom", "txtEnergie", "cmbEnergiekosten",
     "frmEnergieInfo", "frmEnergiekostenMenu", Kostenstufe::Sachkosten},
    // Machines are checked with the material key: they are worked out from the material rows.
    {Kostenart::Maschinen, "Maschinen", "+ Maschinen ", "+ Maschinen ***", "MaterialkostenKalkulation",
     "Maschinen", "DQMaschinen", "txtMaschinen", "cmbMaschinenkosten",
     "frmMaschinenInfo", "frmMaschinenkostenMenu", Kostenstufe::Sachkosten},
    {Kostenart::PSM, "PSM", "+ Material[Std] ", "+ Material[Std] ***", "PSMKostenKalkulation",
     "PSM", "DQPSM", "txtPSM", "cmbPSMKosten",
     "frmPSMInfo", "frmPSMKostenMenu", Kostenstufe::Sachkosten},
    {Kostenart::Vermarktung, "Vermarktung", "+ Vermarktung ", "+ Vermarktung ***", "VermarktungskostenKalkulation",
     "Vermarktung", "DQVermarktung", "txtVermarktung", "cmbVermarktungskosten",
     "frmVermarktungInfo", "frmVermarktungskostenMenu", Kostenstufe::Sachkosten},
    {Kostenart::Arbeit, "Arbeit", "- Arbeitskosten ", "- Arbeitskosten ***", "ArbeitskostenKalkulation",
     "Arbeit", "DQArbeit", "txtArbeit", "cmbArbeitskosten",
     "frmArbeitInfo", "frmArbeitskostenMenu", Kostenstufe::Arbeitskosten},
    {Kostenart::Gemeinkosten, "Gemeinkosten", "- Gemeinkosten ", "- Gemeinkosten ***", "GemeinkostenKalkulation",
     "Gemeinkosten", "DQGemeinkosten", "txtGemein", "cmbGemeinkosten",
     "frmGemeinkostenInfo", "frmGemeinkostenMenu", Kostenstufe::Gemeinkosten},
}};
// clang-format on

// The position of a type in kKostenartTabelle and in every array indexed by the type.
constexpr std::size_t KostenIndex(Kostenart art) { return static_cast<std::size_t>(art); }

// The row of a type.
constexpr const KostenartDaten& Daten(Kostenart art) { return kKostenartTabelle[KostenIndex(art)]; }

// Every type, in table order.
inline constexpr JeKostenart<Kostenart> kKostenarten = [] {
  JeKostenart<Kostenart> arten{};
  for (std::size_t i = 0; i < kAnzahlKostenarten; ++i) arten[i] = kKostenartTabelle[i].art;
  return arten;
}();

// The same value for every type.
template <class T>
constexpr JeKostenart<T> FuerJedeKostenart(const T& wert) {
  JeKostenart<T> werte{};
  werte.fill(wert);
  return werte;
}

// The type whose detail window is `fenster` (a window name); nullopt for any other window.
constexpr std::optional<Kostenart> KostenartDesDetailfensters(std::string_view fenster) {
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.detailfenster == fenster) return d.art;
  }
  return std::nullopt;
}

namespace detail {
constexpr bool TabelleInReihenfolge() {
  for (std::size_t i = 0; i < kAnzahlKostenarten; ++i) {
    if (KostenIndex(kKostenartTabelle[i].art) != i) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::TabelleInReihenfolge(), "each row of kKostenartTabelle stands at its type's index");

}  // namespace tolvar
