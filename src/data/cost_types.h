#pragma once
// The cost types of a culture, one row each in kKostenartTabelle, in the order of the
// calculation window. The calculation, the calculation window, the stored comparison cultures
// and the comparison take a type's names, captions, keys, columns and bar from its row and
// index their boxes, flags, columns and slots by it.

#include <array>
#include <cstddef>
#include <initializer_list>
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

// Where the culture comparison shows a cost: in a bar (and box) of its own, or summed with the
// others of its kind into the "Sachkosten" bar. 0 is no bar: a row that leaves it out fails
// the check below.
enum class Vergleichsbalken { Eigener = 1, Sachkosten };

// The inputs a cost type is worked out from: the price and the quantity the calculation window
// holds, and the lists the calculation reads from the databases (Standortdaten: the sites'
// greenhouse rows and overheads, table Vantel; Arbeitsmaterial: the material cost per hour of
// an activity; Loehne: the staff's wage history with its wages). A box left empty, or a list or
// row set that could not be read (or whose file was reported damaged), is missing data of
// every type that needs it.
enum class Eingabe {
  Preis,
  Menge,
  Phasen,
  Standorte,
  Materialzeilen,
  Stammmaterial,
  Arbeiten,
  Arbeitsmaterial,
  Loehne,
  Standortdaten,
  Heizmodell,
  Klima
};
inline constexpr std::size_t kAnzahlEingaben = 12;

// A set of inputs.
class BenoetigteEingaben {
 public:
  constexpr BenoetigteEingaben(std::initializer_list<Eingabe> eingaben) {
    for (Eingabe e : eingaben) bits_ |= Bit(e);
  }
  constexpr bool Enthaelt(Eingabe e) const { return (bits_ & Bit(e)) != 0; }

 private:
  static constexpr unsigned Bit(Eingabe e) { return 1u << static_cast<unsigned>(e); }
  unsigned bits_ = 0;
};

struct KostenartDaten {
  Kostenart art;
  std::string_view name;
  // The cost button's caption before its origin mark ("+ Heizung " + "***"), and its caption
  // after the calculation window is reset.
  std::string_view beschriftung;
  std::string_view anfangsbeschriftung;
  // The key of the completeness check run before the type is computed, and the inputs it is
  // worked out from (one that could not be read leaves it uncomputed).
  std::string_view pruefschluessel;
  BenoetigteEingaben eingaben;
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
  // The comparison's bar of the cost, and its name where the comparison lists stored values
  // that are no number.
  Vergleichsbalken vergleichsbalken;
  std::string_view vergleichsname;
};

inline constexpr JeKostenart<KostenartDaten> kKostenartTabelle = {{
    {.art = Kostenart::Heizung,
     .name = "Heizung",
     .beschriftung = "+ Heizung ",
     .anfangsbeschriftung = "+ Heizkosten ***",
     .pruefschluessel = "HeizkostenKalkulation",
     .eingaben = {Eingabe::Phasen, Eingabe::Standorte, Eingabe::Standortdaten, Eingabe::Heizmodell, Eingabe::Klima},
     .kostenSpalte = "Heizung",
     .gradSpalte = "DQHeizung",
     .wertfeld = "txtHeizung",
     .kostenknopf = "cmbHeizkosten",
     .detailfenster = "frmVantelInfo",
     .menuefenster = "frmHeizkostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Eigener,
     .vergleichsname = "Heizkosten"},
    {.art = Kostenart::Material,
     .name = "Material",
     .beschriftung = "+ Material ",
     .anfangsbeschriftung = "+ Material ***",
     .pruefschluessel = "MaterialkostenKalkulation",
     .eingaben = {Eingabe::Phasen, Eingabe::Materialzeilen, Eingabe::Stammmaterial},
     .kostenSpalte = "Material",
     .gradSpalte = "DQMaterial",
     .wertfeld = "txtMaterial",
     .kostenknopf = "cmbMaterialkosten",
     .detailfenster = "frmMaterialInfo",
     .menuefenster = "frmMaterialkostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Eigener,
     .vergleichsname = "Materialkosten"},
    {.art = Kostenart::Energie,
     .name = "Energie",
     .beschriftung = "+ elek.Energie ",
     .anfangsbeschriftung = " + elek.Energie ***",
     .pruefschluessel = "EnergiekostenKalkulation",
     .eingaben = {Eingabe::Phasen},
     .kostenSpalte = "Strom",
     .gradSpalte = "DQStrom",
     .wertfeld = "txtEnergie",
     .kostenknopf = "cmbEnergiekosten",
     .detailfenster = "frmEnergieInfo",
     .menuefenster = "frmEnergiekostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Sachkosten,
     .vergleichsname = "Stromkosten"},
    // Machines are checked with the material key: they are worked out from the material rows.
    {.art = Kostenart::Maschinen,
     .name = "Maschinen",
     .beschriftung = "+ Maschinen ",
     .anfangsbeschriftung = "+ Maschinen ***",
     .pruefschluessel = "MaterialkostenKalkulation",
     .eingaben = {Eingabe::Phasen, Eingabe::Materialzeilen, Eingabe::Stammmaterial},
     .kostenSpalte = "Maschinen",
     .gradSpalte = "DQMaschinen",
     .wertfeld = "txtMaschinen",
     .kostenknopf = "cmbMaschinenkosten",
     .detailfenster = "frmMaschinenInfo",
     .menuefenster = "frmMaschinenkostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Sachkosten,
     .vergleichsname = "Maschinenkosten"},
    {.art = Kostenart::PSM,
     .name = "PSM",
     .beschriftung = "+ Material[Std] ",
     .anfangsbeschriftung = "+ Material[Std] ***",
     .pruefschluessel = "PSMKostenKalkulation",
     .eingaben = {Eingabe::Phasen, Eingabe::Arbeiten, Eingabe::Arbeitsmaterial},
     .kostenSpalte = "PSM",
     .gradSpalte = "DQPSM",
     .wertfeld = "txtPSM",
     .kostenknopf = "cmbPSMKosten",
     .detailfenster = "frmPSMInfo",
     .menuefenster = "frmPSMKostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Sachkosten,
     .vergleichsname = "Material[Std]"},
    {.art = Kostenart::Vermarktung,
     .name = "Vermarktung",
     .beschriftung = "+ Vermarktung ",
     .anfangsbeschriftung = "+ Vermarktung ***",
     .pruefschluessel = "VermarktungskostenKalkulation",
     .eingaben = {Eingabe::Preis},
     .kostenSpalte = "Vermarktung",
     .gradSpalte = "DQVermarktung",
     .wertfeld = "txtVermarktung",
     .kostenknopf = "cmbVermarktungskosten",
     .detailfenster = "frmVermarktungInfo",
     .menuefenster = "frmVermarktungskostenMenu",
     .stufe = Kostenstufe::Sachkosten,
     .vergleichsbalken = Vergleichsbalken::Sachkosten,
     .vergleichsname = "Vermarktungskosten"},
    {.art = Kostenart::Arbeit,
     .name = "Arbeit",
     .beschriftung = "- Arbeitskosten ",
     .anfangsbeschriftung = "- Arbeitskosten ***",
     .pruefschluessel = "ArbeitskostenKalkulation",
     .eingaben = {Eingabe::Phasen, Eingabe::Arbeiten, Eingabe::Loehne},
     .kostenSpalte = "Arbeit",
     .gradSpalte = "DQArbeit",
     .wertfeld = "txtArbeit",
     .kostenknopf = "cmbArbeitskosten",
     .detailfenster = "frmArbeitInfo",
     .menuefenster = "frmArbeitskostenMenu",
     .stufe = Kostenstufe::Arbeitskosten,
     .vergleichsbalken = Vergleichsbalken::Eigener,
     .vergleichsname = "Arbeitskosten"},
    {.art = Kostenart::Gemeinkosten,
     .name = "Gemeinkosten",
     .beschriftung = "- Gemeinkosten ",
     .anfangsbeschriftung = "- Gemeinkosten ***",
     .pruefschluessel = "GemeinkostenKalkulation",
     .eingaben = {Eingabe::Menge, Eingabe::Phasen},
     .kostenSpalte = "Gemeinkosten",
     .gradSpalte = "DQGemeinkosten",
     .wertfeld = "txtGemein",
     .kostenknopf = "cmbGemeinkosten",
     .detailfenster = "frmGemeinkostenInfo",
     .menuefenster = "frmGemeinkostenMenu",
     .stufe = Kostenstufe::Gemeinkosten,
     .vergleichsbalken = Vergleichsbalken::Eigener,
     .vergleichsname = "Gemeinkosten"},
}};

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
constexpr bool ZeilenVollstaendig() {
  for (const KostenartDaten& d : kKostenartTabelle) {
    for (std::string_view text :
         {d.name, d.beschriftung, d.anfangsbeschriftung, d.pruefschluessel, d.kostenSpalte, d.gradSpalte, d.wertfeld,
          d.kostenknopf, d.detailfenster, d.menuefenster, d.vergleichsname}) {
      if (text.empty()) return false;
    }
    if (d.vergleichsbalken != Vergleichsbalken::Eigener && d.vergleichsbalken != Vergleichsbalken::Sachkosten) {
      return false;
    }
  }
  return true;
}
// The comparison deducts its "Sachkosten" bar before DKFL: a type summed into that bar is one.
constexpr bool SachkostenbalkenVorDKFL() {
  for (const KostenartDaten& d : kKostenartTabelle) {
    if (d.vergleichsbalken == Vergleichsbalken::Sachkosten && d.stufe != Kostenstufe::Sachkosten) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::TabelleInReihenfolge(), "each row of kKostenartTabelle stands at its type's index");
static_assert(detail::ZeilenVollstaendig(), "each row of kKostenartTabelle names all its texts and its comparison bar");
static_assert(detail::SachkostenbalkenVorDKFL(),
              "a type in the comparison's \"Sachkosten\" bar is deducted before DKFL (Kostenstufe::Sachkosten)");

}  // namespace tolvar
