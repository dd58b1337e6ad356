#pragma once
// Deleting the program's own data of a master record (its row in the enterprise's
// labour-time database stays).

namespace tolvar::mdlLoeschen {

// Asks first (Yes/No); on Yes deletes the own rows of the record selected in AktuellerBaum's
// list (nothing for staff), reloads that list and rebuilds its tree (the cultures in the tree
// of the open work area, fully expanded in data entry and calculation; the others in the
// master-data window). A failed deletion is reported and changes nothing.
void DatenLoeschen();

}  // namespace tolvar::mdlLoeschen
