#pragma once
// The four master tables of the labour-time database as the numbering and the save see them.

#include <initializer_list>
#include <string_view>

namespace tolvar::masterdata {

struct StammTabelle {
  std::string_view baum;          // value of AktuellerBaum
  std::string_view tabelle;       // table in the labour-time database
  std::string_view nummerSpalte;  // record number column
  std::string_view nameSpalte;    // name column
  std::string_view praefix;       // prefix of the record number
  char barcodeZiffer;             // leading barcode digit; '\0' for cultures (no fixed digit)
};

inline constexpr StammTabelle kKulturen{.baum = "Kulturen",
                                        .tabelle = "Kulturen",
                                        .nummerSpalte = "KulturNr",
                                        .nameSpalte = "Kulturname",
                                        .praefix = "K",
                                        .barcodeZiffer = '\0'};
inline constexpr StammTabelle kStandorte{.baum = "Standort",
                                         .tabelle = "Standort",
                                         .nummerSpalte = "StandortNr",
                                         .nameSpalte = "Standortname",
                                         .praefix = "Sta",
                                         .barcodeZiffer = '3'};
inline constexpr StammTabelle kPersonal{.baum = "Personal",
                                        .tabelle = "Personal",
                                        .nummerSpalte = "PersonalNr",
                                        .nameSpalte = "Name",
                                        .praefix = "P",
                                        .barcodeZiffer = '2'};
inline constexpr StammTabelle kTaetigkeiten{.baum = "StdTaetigkeiten",
                                            .tabelle = "StdTaetigkeiten",
                                            .nummerSpalte = "StdTaetigkeitNr",
                                            .nameSpalte = "Tätigkeiten",
                                            .praefix = "StdT",
                                            .barcodeZiffer = '4'};

// The table of a tree kind (exact, case-sensitive); nullptr for any other kind.
inline const StammTabelle* StammTabelleZu(std::string_view baum) {
  for (const StammTabelle* t : {&kKulturen, &kStandorte, &kPersonal, &kTaetigkeiten}) {
    if (t->baum == baum) return t;
  }
  return nullptr;
}

}  // namespace tolvar::masterdata
