#pragma once
// Records of the cost calculation: the recorded work of the selected culture, the values of
// an origin, and the texts of the calculation window's boxes and buttons as the
// calculation reads and writes them (the window copies them to and from its controls).

#include <cstdint>
#include <string>

#include "base/values.h"
#include "data/cost_types.h"

namespace tolvar {

// One recorded piece of work of the selected culture (table Taetigkeiten of the
// labour-time database). The defaults are those of a cleared slot; the loader also sets
// KulturNr and Kulturname of a cleared slot to the selected culture.
struct KulturArbeitSatz {
  std::string Taetigkeit = "0";  // activity name (column "Tätigkeiten" of StdTaetigkeiten)
  std::string StdTaetigkeitNr = "0";
  std::string KulturNr;
  std::string Kulturname;
  std::string PersonalNr = "0";
  std::string Kuerzel = "0";  // short name of the person (Personal.Kuerzel)
  std::string StandortNr = "0";
  std::string Zeitdauer = "0";  // hours, decimal comma
  std::string Flaeche = "0";    // area worked (column "Fläche")
  base::Date Datum = base::kNoDate;
};

// Origin of a cost type (value set Herkunft).
namespace Herkunft {
constexpr int16_t KulturspezifischErrechnet = 0;  // marketing only: worked out in its window
constexpr int16_t Errechnet = 1;                  // computed from the culture's data
constexpr int16_t Vergleichskultur = 2;           // taken from a computed comparison value
constexpr int16_t Eingegeben = 3;                 // typed in, or taken from such a value
}  // namespace Herkunft

// The texts of the calculation window's boxes and buttons and the enabled state of its
// buttons. Numbers are text with a decimal comma, as the boxes hold them.
struct KalkulationsFenster {
  // Culture and inputs.
  std::string txtName;
  std::string txtAnfang;
  std::string txtEnde;
  std::string txtMenge;
  std::string txtPreis;
  // Margin scheme.
  std::string txtMarktleistung;
  std::string txtErloes1000;
  std::string txtSachkosten;
  std::string txtDB;
  std::string txtDBJQM;
  std::string txtDBAkh;
  std::string txtEKFL;
  std::string txtEKFLJQM;
  std::string txtEKFLAkh;
  std::string txtGewinn[3];  // elements 1 (per 1000 plants) and 2 (whole culture)

  // The cost boxes, € per 1000 plants, and the captions of the cost buttons, by KostenIndex
  // (the captions after a reset until the window's first refresh).
  JeKostenart<std::string> Wertfelder;
  JeKostenart<std::string> Kostenknoepfe = Anfangsbeschriftungen();

  // Enabled state: the eight cost buttons, the eight "[Menü]" buttons, start and save.
  bool KostenknoepfeAktiv = false;
  bool MenueknoepfeAktiv = false;
  bool cmbStartAktiv = false;
  bool cmbErgebnisSpeichernAktiv = false;

  std::string& Wertfeld(Kostenart art) { return Wertfelder[KostenIndex(art)]; }
  const std::string& Wertfeld(Kostenart art) const { return Wertfelder[KostenIndex(art)]; }
  std::string& Kostenknopf(Kostenart art) { return Kostenknoepfe[KostenIndex(art)]; }
  const std::string& Kostenknopf(Kostenart art) const { return Kostenknoepfe[KostenIndex(art)]; }

  // The cost boxes by their names, for code and tests about one type; code over every type indexes.
  std::string& txtHeizung() { return Wertfeld(Kostenart::Heizung); }
  std::string& txtMaterial() { return Wertfeld(Kostenart::Material); }
  std::string& txtEnergie() { return Wertfeld(Kostenart::Energie); }
  std::string& txtMaschinen() { return Wertfeld(Kostenart::Maschinen); }
  std::string& txtPSM() { return Wertfeld(Kostenart::PSM); }
  std::string& txtVermarktung() { return Wertfeld(Kostenart::Vermarktung); }
  std::string& txtArbeit() { return Wertfeld(Kostenart::Arbeit); }
  std::string& txtGemein() { return Wertfeld(Kostenart::Gemeinkosten); }
  const std::string& txtHeizung() const { return Wertfeld(Kostenart::Heizung); }
  const std::string& txtMaterial() const { return Wertfeld(Kostenart::Material); }
  const std::string& txtEnergie() const { return Wertfeld(Kostenart::Energie); }
  const std::string& txtMaschinen() const { return Wertfeld(Kostenart::Maschinen); }
  const std::string& txtPSM() const { return Wertfeld(Kostenart::PSM); }
  const std::string& txtVermarktung() const { return Wertfeld(Kostenart::Vermarktung); }
  const std::string& txtArbeit() const { return Wertfeld(Kostenart::Arbeit); }
  const std::string& txtGemein() const { return Wertfeld(Kostenart::Gemeinkosten); }

  // The captions of the cost buttons after a reset.
  static JeKostenart<std::string> Anfangsbeschriftungen() {
    JeKostenart<std::string> texte;
    for (const KostenartDaten& d : kKostenartTabelle) texte[KostenIndex(d.art)] = std::string(d.anfangsbeschriftung);
    return texte;
  }
};

}  // namespace tolvar
