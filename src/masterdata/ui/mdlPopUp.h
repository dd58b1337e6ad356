#pragma once
// Opening the editor of the record a tree's pop-up menu was raised on.

namespace tolvar::mdlPopUp {

// Bearbeitungsmodus "Neu", then shows the editor of the kind in AktuellerBaum; materials by
// the right-clicked group (MaterialListe at MaterialIndex), captioned with the group's node
// text, with the group's help topic and controls of the general-material editor. Returns
// once the editor is shown.
void PopUpNeu();

// Bearbeitungsmodus "Aendern", then shows the editor of the selected record; materials by
// their group (UeberPNr "1001" to "1009"; pots and substrates also take their own mode and
// index), main groups (UeberPNr "0") in the group editor.
void PopUpAendern();

}  // namespace tolvar::mdlPopUp
