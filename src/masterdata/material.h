#pragma once
// General materials and machines (groups 1002 to 1006 and 1009): what the general material
// editor shows for a group and for a stored material, and the save MaterialSpeichern.
//
// A material's price lives in two forms: the editor takes the price of one unit, table
// Material holds the price of one use (price ÷ Wdh).

#include <optional>
#include <string>

#include "data/records.h"
#include "data/records_material.h"

namespace tolvar::masterdata {

// Texts of a Bezugsgroesse value 1..4: the editor's option caption, the application-rate
// calculator's unit labels (rate and cost) and the text of a culture's material list.
struct BezugsgroesseTexte {
  std::string Option;
  std::string Aufwandmenge;
  std::string Kosten;
  std::string Kulturliste;
};
std::optional<BezugsgroesseTexte> BezugsgroesseBeschriften(int bezug);

// Set-up of the general material editor for a group ("M1002" ... "M1009"): which rows and
// buttons show, and the help topic. Other numbers give the window's design state and no topic.
struct MaterialFensterEinrichtung {
  bool Wiederverwendung = true;  // txtWdh with its label and frame
  bool Flaechenoptionen = true;  // opbBezug(3) and opbBezug(4)
  bool Aufwandmenge = false;     // cmbAufwandMenge
  bool Rechner = true;           // cmbRechner
  bool Maschinenkosten = false;  // cmbMaschinenkostenxls
  std::string HilfeThema;
};
MaterialFensterEinrichtung MaterialFensterEinrichten(const std::string& gruppenNr);

// The editor's boxes for changing a stored material: price = Preis × Wdh formatted "0.00".
// A Bezug outside 1..4 (or a stored price or reuse count that is no number) leaves option 1
// with empty units and price.
MaterialEingaben MaterialEingabenLaden(const MaterialSatz& material);

// Stores the general material of the editor. In order: an empty name is refused ("Sie müssen
// erst einen Namen vergeben", focus txtName); an empty short name takes the name's first 10
// characters; empty units and an empty price are offered the value 1 (No refuses); an empty
// reuse count becomes "1". Units and price must be numbers and the reuse count a number above
// 0, else the save is refused with the focus in that box. A change replaces the row of the
// material as opened (kontext.MaterialNr) and keeps its group; delete and append run in one
// transaction. The boxes receive the defaults filled in, also when a later step refuses.
MaterialSpeicherergebnis MaterialSpeichern(const MaterialKontext& kontext, MaterialEingaben* eingaben);

}  // namespace tolvar::masterdata
