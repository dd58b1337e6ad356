#pragma once
// The pot list: every row of table Gefaesse of the material database, with the pot's name.

namespace tolvar::mdlTopfSubstrate {

// Rebuilds GefaessListe from table Gefaesse of the database at
// MaterialPfad, in table order. Each pot takes the Materialname of the first element of
// MaterialListe with its MaterialNr (empty when there is none), so this runs after
// MaterialienLaden. False, with an empty list, when the database or table cannot be opened.
bool GefaesseLaden();

}  // namespace tolvar::mdlTopfSubstrate
