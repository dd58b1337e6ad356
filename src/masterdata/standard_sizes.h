#pragma once
// Standard vessel sizes (table Standardgroessen of the material database): the data side of
// the window frmVolumen. The form state is a plain struct the window keeps; the functions
// below are its tree content, tree click, "Neu", "Speichern" and "Löschen".
// Names and volumes compare as text, exactly and with case.

#include <optional>
#include <string>
#include <vector>

#include "data/records_material.h"

namespace tolvar::masterdata {

// The window's boxes and form variables. NeuesVolumen: the boxes hold a size to add (true) or
// the listed size tmpBezeichnung / tmpVolumen to change (false).
struct VolumenFormular {
  bool NeuesVolumen = true;
  std::string tmpBezeichnung;
  std::string tmpVolumen;
  std::string txtBezeichnung;
  std::string txtVolumen;
};

inline constexpr const char* kVolumenWurzelSchluessel = "Standard";
inline constexpr const char* kVolumenWurzelText = "Vorhandene Standardgefäße";

// The rows of Standardgroessen in table order; nullopt when the database or the table cannot be
// read.
std::optional<std::vector<StandardgroesseSatz>> StandardgroessenLaden();

// One tree node per size: key Bezeichnung followed by Volumen, text Bezeichnung, three blanks,
// Volumen and " Liter". A key that an earlier node already uses (two rows alike, or "a"+"12"
// against "a1"+"2") gets "#2", "#3", ... appended, so every node can be added and told apart.
struct VolumenKnoten {
  std::string Schluessel;
  std::string Text;
  StandardgroesseSatz Groesse;
};
std::vector<VolumenKnoten> VolumenKnotenBilden(const std::vector<StandardgroesseSatz>& groessen);

// A click on the tree: the size of the clicked node (nullptr for the root) goes into the boxes
// and becomes the size a change or deletion replaces.
void GroesseAuswaehlen(VolumenFormular* formular, const StandardgroesseSatz* groesse);

// "Neu": empty boxes for a size to add.
void VolumenNeu(VolumenFormular* formular);

enum class VolumenSpeicherStatus {
  Nichts,        // a box was empty: nothing happened
  Vorhanden,     // the size exists already: nothing added
  Abgelehnt,     // No to the question about a name used with another volume
  Hinzugefuegt,  // appended
  Geaendert,     // the listed size replaced by the boxes' size, now at the end
  Fehler,        // the database could not be written (message shown, nothing changed)
};

// Writes the size in the boxes. Adding asks "Die eingegebene Bezeichnung existiert bereits. ...
// Wollen sie den selben Name für 2 unterschiedliche Gefäße vergeben?" once for every row with
// the same name and another volume. A change deletes the listed size and appends the boxes'
// size in one transaction; when that size is listed already it is not appended a second time.
VolumenSpeicherStatus VolumenSpeichern(VolumenFormular* formular);

// "Löschen": for a size to add only empties the boxes; for a listed size deletes its first row
// and then empties the boxes; a size no longer listed leaves everything as it is. False when
// the database could not be written (message shown).
bool VolumenLoeschen(VolumenFormular* formular);

}  // namespace tolvar::masterdata
