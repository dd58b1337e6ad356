#pragma once
// Substrates (group 1008): what the substrate editor shows for a stored substrate, and the
// save SubstratSpeichern, which writes the substrate's row of Material and brings the prices
// of the combinations that use the substrate up to date.

#include "data/records.h"
#include "data/records_material.h"

namespace tolvar::masterdata {

// The substrate editor's boxes for changing a stored substrate: for Bezug 1 or 2 that option
// and the price formatted "0.00"; any other Bezug (or a price that is no number) leaves
// option 1 and an empty price.
SubstratEingaben SubstratEingabenLaden(const MaterialSatz& substrat);

// Stores the substrate of the editor. In order: an empty name is refused (focus txtName); an
// empty short name takes the name's first 10 characters; an empty price is offered the value
// 1 (No refuses); the price must be a number (else refused, focus txtPreis). The row gets
// Einheit "1", no Wdh, Bezug 2 for option 2 else 1. A change replaces the row of the substrate
// as opened (kontext.MaterialNr). Row and combination prices are written in one transaction;
// clears TopfGespeichert.
MaterialSpeicherergebnis SubstratSpeichern(const MaterialKontext& kontext, SubstratEingaben* eingaben);

}  // namespace tolvar::masterdata
