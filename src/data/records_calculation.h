#pragma once
// Records of the cost calculation: the recorded work of the selected culture, the origin
// of each cost type, and the texts of the calculation window's boxes and buttons as the
// calculation reads and writes them (the window copies them to and from its controls).

#include <cstdint>
#include <string>

#include "base/values.h"

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
  // The eight cost boxes, € per 1000 plants.
  std::string txtHeizung;
  std::string txtMaterial;
  std::string txtEnergie;
  std::string txtMaschinen;
  std::string txtPSM;
  std::string txtVermarktung;
  std::string txtArbeit;
  std::string txtGemein;
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

  // Captions of the eight cost buttons (the window's layout texts until the first refresh).
  std::string cmbHeizkosten = "+ Heizkosten ***";
  std::string cmbMaterialkosten = "+ Material ***";
  std::string cmbEnergiekosten = "+ elekt.Energie ***";
  std::string cmbMaschinenkosten = "+ Maschinen ***";
  std::string cmbPSMKosten = "+ Material [Std] ***";
  std::string cmbVermarktungskosten = "+ Vermarktung ***";
  std::string cmbArbeitskosten = "- Arbeitskosten ***";
  std::string cmbGemeinkosten = "- Gemeinkosten ***";

  // Enabled state: the eight cost buttons, the eight "[Menü]" buttons, start and save.
  bool KostenknoepfeAktiv = false;
  bool MenueknoepfeAktiv = false;
  bool cmbStartAktiv = false;
  bool cmbErgebnisSpeichernAktiv = false;
};

}  // namespace tolvar
