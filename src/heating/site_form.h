#pragma once
// The content of the site editor frmStandort as plain values, named after its controls. The
// window copies its controls into this struct, calls the logic and copies the result back;
// texts are held exactly as typed.

#include <string>
#include <vector>

namespace tolvar {

// Element numbers of the option pairs of a wall or gable.
inline constexpr int kAussenflaeche = 1;
inline constexpr int kGrenzflaeche = 2;

struct StandortFormular {
  // Kind of the record: "Neue Gruppe erstellen" (opbGruppe) selected, else "Neues Gewächshaus".
  bool opbGruppe = false;

  // Frame "Bezeichnung" and the hidden number.
  std::string txtNr;
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtFlaeche;
  std::string txtBemerkung;
  bool chbAktuell = true;

  // Measures of a house (fraMasseGWH) and of a group (fraMasseBlock).
  std::string txtLaenge;
  std::string txtBreite;
  std::string txtStehwand;
  std::string txtHaus;
  std::string txtWege;
  std::string txtGruStehwand;
  std::string txtGruHaus;
  std::string txtGruWege;

  // Type: 1 "Breitschiff-GWH", 2 "Venlo-GWH", 3 "Folien-GWH".
  int opbTyp = 1;
  std::string txtKappenzahl;

  // Entries the lists offer: the roof list holds the coverings suitable for roofs, the four
  // wall and gable lists all coverings.
  std::vector<std::string> DachListe;
  std::vector<std::string> WandListe;
  std::vector<std::string> BrennstoffListe;
  // Selected entry of each list; empty when its list is empty.
  std::string comEinDach;
  std::string comEinGiebelH;
  std::string comEinGiebelV;
  std::string comEinStehL;
  std::string comEinStehR;
  std::string comBrennstoff;

  // Walls and gables: kAussenflaeche or kGrenzflaeche, and the temperature beyond a boundary
  // surface (the box is enabled only for a boundary surface).
  int opbGiebelH = kAussenflaeche;
  int opbGiebelV = kAussenflaeche;
  int opbStehL = kAussenflaeche;
  int opbStehR = kAussenflaeche;
  std::string txtGrenzGiebelH;
  std::string txtGrenzGiebelV;
  std::string txtGrenzStehL;
  std::string txtGrenzStehR;

  // Heating and energy screen.
  std::string txtWirkungsgrad;
  bool chbBrennwert = false;
  bool chbEnergieschirm = false;
  std::string txtEinsparung;
  std::string txtFaktor;
};

}  // namespace tolvar
