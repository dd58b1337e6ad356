#pragma once
// Reloading a master list and rebuilding the trees that show it, as editors and the deletion
// command do when they are done.

namespace tolvar::masterdata::ui {

// Tree index of frmStammdaten: 0 cultures, 1 sites, 2 materials, 3 staff, 4 activities.
enum Baum { Kulturen = 0, Standorte = 1, Materialien = 2, Personal = 3, Taetigkeiten = 4 };

// Reloads the kind's list (materials with the pot list) and, when the master-data window is
// loaded, rebuilds its tree in the view its button names: all records while the button reads
// "Anzeige reduzieren", the current records while it reads "Alles anzeigen". A window that is
// not loaded is not loaded for this (it may be closing with every other window).
void ReloadAndRebuildMasterTree(int baum);

// Reloads the cultures and rebuilds the culture tree of the open work area: the master-data
// window's (by its button), the culture data window's or the calculation window's.
void ReloadAndRebuildCultureTreeOfWorkArea();

}  // namespace tolvar::masterdata::ui
