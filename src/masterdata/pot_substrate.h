#pragma once
// Pot-substrate combinations (materials of group 1001): the price rule, the lists and the
// stored pair the combination editor shows, the save, and the price update after a pot or a
// substrate was saved. The pot list loader GefaesseLaden lives in data/mdlTopfSubstrate.h.
//
// Pots and substrates are named by their MaterialNr, looked up in their own groups (1007 and
// 1008) only, so two materials that share a name can never be mixed up.

#include <optional>
#include <string>
#include <vector>

#include "data/mdlTopfSubstrate.h"
#include "data/records_material.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::masterdata {

// The substrate factor f: S for equal reference quantities, S / 1000 for a pot per plant with
// a substrate per m³, S × 1000 for a pot per 1000 plants with a substrate per litre. A pot
// reference other than 1 counts as per 1000 plants; a substrate reference other than 1 or 2
// gives 0.
double SubstratFaktor(int topfBezug, int substratBezug, double substratPreis);

// The combination price P + V × f, formatted "0.00" with a decimal comma.
std::string KombinationsPreis(double topfPreis, double volumen, int topfBezug, int substratBezug, double substratPreis);

// The pots (group 1007) and substrates (group 1008) of MaterialListe, in list order.
std::vector<KombinationsPartner> TopfListe(const MasterLists& listen);
std::vector<KombinationsPartner> SubstratListe(const MasterLists& listen);

// The pot and substrate stored for a combination: for each, the first row of Topfsubstrat
// with the combination's number whose pot (substrate) is in TopfListe (SubstratListe).
// Empty when there is none or the database cannot be read.
struct Kombinationspaar {
  std::string TopfNr;
  std::string SubstratNr;
};
Kombinationspaar GespeichertesPaar(const std::string& kombinationNr);

// What the combination editor's info frame shows for a pot and a substrate, from GefaessListe
// and MaterialListe: the price box and the selected option (the pot's reference; an unknown
// pot keeps `opbBezug`, counts with price 0 and volume 0). nullopt when a price or the volume
// is not a number: the editor then keeps its previous price.
struct Kalkulationsinfo {
  std::string txtPreis;
  int opbBezug = 0;
};
std::optional<Kalkulationsinfo> KalkulationsinfoBerechnen(const MasterLists& listen, const std::string& topfNr,
                                                          const std::string& substratNr, int opbBezug);

// Stores the combination of the editor: its Material row (group 1001, Einheit and Wdh "1",
// Bezug 1 for option 1 else 2, the price box as Preis) and its Topfsubstrat row. A change
// replaces the rows of the combination as it was opened (kontext.MaterialNr), all in one
// transaction. Refuses an empty name ("Sie müssen erst einen Namen vergeben") and a price box
// that holds no number; fills an empty short name from the name.
MaterialSpeicherergebnis TopfsubstratSpeichern(const MaterialKontext& kontext, TopfsubstratEingaben* eingaben);

// The pot or substrate a save is about to store: the combinations' prices are worked out with
// these values in place of its stored row (Preis per use; the volume of a pot in litres).
struct Partnerwerte {
  int Bezug = 0;
  double Preis = 0.0;
  double Volumen = 0.0;
};

// The price and Bezug a combination is to store.
struct Kombinationspreis {
  std::string MaterialNr;
  int Bezug = 0;
  std::string Preis;
};

// Works out the price and Bezug of every combination that uses the pot (TopfGespeichert true)
// or the substrate `materialNr`, from the rows of the material database with `neu` in place of
// that material's own row (nullopt: as stored). Combinations whose pot or substrate row is
// missing, or whose prices or volume are not numbers, keep their price and are left out; a pot
// without volume row counts with volume 0. A price that breaks the rule of the Preis column
// (kPreis, an amount from 0 to 1.000.000.000.000) refuses the whole save: nullopt after a
// message naming the combination, *grund empty. nullopt with the reason in *grund when the
// database cannot be read. Writes nothing, so a save runs it before its first write.
std::optional<std::vector<Kombinationspreis>> KombinationspreiseBerechnen(db::Database& database, bool TopfGespeichert,
                                                                          const std::string& materialNr,
                                                                          const std::optional<Partnerwerte>& neu,
                                                                          std::string* grund);

// Writes the prices inside a save's open transaction; false with the reason in *grund.
bool KombinationspreiseSchreiben(db::Database& database, const std::vector<Kombinationspreis>& preise,
                                 std::string* grund);

// Both steps for the pot or substrate `materialNr` as stored, in one transaction. False, with
// nothing changed, when a price is refused or the database cannot be written.
bool TopfsubstratPreisAktualisieren(bool TopfGespeichert, const std::string& materialNr);

}  // namespace tolvar::masterdata
