#pragma once
// Pots (group 1007): what the pot editor shows for a stored pot, and the save TopfSpeichern,
// which writes the pot's row of Material and its volume row of Gefaesse and brings the prices
// of the combinations that use the pot up to date.

#include "data/records.h"
#include "data/records_material.h"
#include "data/state.h"

namespace tolvar::masterdata {

// The pot editor's boxes for changing a stored pot: the volume from the first element of
// GefaessListe with its number (empty when there is none), option 2 for Bezug 2 else option 1,
// price = Preis × Wdh formatted "0.00" (empty when either is no number).
TopfEingaben TopfEingabenLaden(const MaterialSatz& topf, const MasterLists& stamm);

// Stores the pot of the editor. In order: an empty name is refused (focus txtName); an empty
// short name takes the name's first 10 characters; empty units, price and volume are offered
// the value 1 (No refuses); an empty reuse count becomes "1". Units, price and volume must be
// numbers and the reuse count a number above 0, else the save is refused with the focus in that
// box. A change replaces the Material and Gefaesse rows of the pot as opened
// (kontext.MaterialNr). Rows and the combination prices are written in one transaction; sets
// TopfGespeichert.
MaterialSpeicherergebnis TopfSpeichern(const MaterialKontext& kontext, TopfEingaben* eingaben);

}  // namespace tolvar::masterdata
