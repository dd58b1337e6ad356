#pragma once
// Loaders of the five master lists. Each replaces its list and count whole: elements in the
// order the source delivers the rows, ImBaum and Aufgeklappt False, selection indexes left
// as they are. Cultures, sites, staff and activities come from the labour-time database at
// AktuellerBetrieb, materials from MaterialPfad in ascending Barcode order.
//
// Each returns false when its database or table cannot be opened or lacks a column (the
// list is then empty), or when a value cannot be converted (the list then holds every row,
// complete up to the failing one; the table and row are then reported once per run with a
// critical message). No error escapes.

namespace tolvar::mdlDatenLaden {

bool KulturenLaden();
bool StandorteLaden();
bool MaterialienLaden();
bool PersonalLaden();
bool TaetigkeitenLaden();

// The five lists and the pots, in the order the main window loads them when it opens the
// enterprise.
void AlleListenLaden();

// The activity loader under the name of its list.
inline bool StdTaetigkeitenLaden() { return TaetigkeitenLaden(); }

}  // namespace tolvar::mdlDatenLaden
