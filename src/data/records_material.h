#pragma once
// Records of the material editors: what each editor's boxes hold (named after its controls),
// the record an editor works on, and the outcome of a save. The editors read their controls
// into these structs, call the save, and write back what the save filled in.

#include <string>

namespace tolvar {

// The record an editor works on, fixed when the editor opens: a later click elsewhere in the
// material tree must not redirect the save to another material or group.
struct MaterialKontext {
  std::string Bearbeitungsmodus = "Neu";  // "Neu" or "Aendern"
  std::string MaterialNr;                 // "Aendern": number of the material as opened
  std::string UeberPNr;                   // group digits of the material ("1002" ... "1009")
};

// General material editor frmMaterial4opt, in its design state (a new material).
struct MaterialEingaben {
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;  // barcode
  std::string txtBemerkungen;
  std::string txtMenge;  // units per reference quantity
  std::string txtPreis;  // price of one unit
  std::string txtWdh = "1";
  bool chbAktuell = true;
  int opbBezug = 1;  // selected option 1..4 (Bezugsgroesse)
};

// Pot editor frmTopf, in its design state.
struct TopfEingaben {
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtBemerkungen;
  std::string txtMenge;
  std::string txtPreis;  // price of one pot
  std::string txtWdh;    // number of uses of one pot
  std::string txtVolumen;
  bool chbAktuell = true;
  int opbBezug = 1;  // 1 per plant, 2 per 1000 plants
};

// Substrate editor frmSubstrat, in its design state (a new substrate starts not current).
struct SubstratEingaben {
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtBemerkungen;
  std::string txtPreis;
  bool chbAktuell = false;
  int opbBezug = 1;  // 1 € per litre, 2 € per m³
};

// Pot-substrate combination editor frmTopfSubstrat. The pot and the substrate are the
// MaterialNr carried by the selected entries of comTopf and comSubstrat.
struct TopfsubstratEingaben {
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtBemerkung;
  std::string txtPreis;
  bool chbAktuell = true;
  int opbBezug = 1;
  std::string TopfNr;
  std::string SubstratNr;
};

// Material group editor frmMaterial.
struct MaterialGruppeEingaben {
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtBemerkungen;
  bool chbAktuell = true;
};

// Outcome of a save: stored, or refused (the reason was shown through the message sink) with
// the control that gets the focus ("txtName"), empty when the focus stays where it is.
struct MaterialSpeicherergebnis {
  bool gespeichert = false;
  std::string fokus;
};

// A pot or substrate as the combination editor lists it.
struct KombinationsPartner {
  std::string MaterialNr;
  std::string Materialname;
};

// A row of table Standardgroessen.
struct StandardgroesseSatz {
  std::string Bezeichnung;
  std::string Volumen;
};

}  // namespace tolvar
