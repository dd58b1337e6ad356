#include "masterdata/ui/mdlLoeschen_ui.h"

#include <QString>

#include "calculation/ui/frmKalkulation.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/state.h"
#include "masterdata/mdlLoeschen.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"

namespace tolvar::mdlLoeschen {

namespace {

void AllesAufklappen(ui::KeyedTree* baum) {
  if (baum == nullptr) return;
  for (const QString& key : baum->Keys()) baum->SetExpanded(key, true);
}

// Rebuilds the culture tree of the open work area; in data entry and calculation it is shown
// with every node expanded.
void KulturbaumNeuAufbauen() {
  masterdata::ui::ReloadAndRebuildCultureTreeOfWorkArea();
  const State& s = state();
  if (s.enterprise.ModusStammdaten) return;
  if (s.enterprise.ModusErfassung) {
    if (frmBewegungsdaten::IsLoaded()) AllesAufklappen(frmBewegungsdaten::instanz().trvKulturen);
  } else if (s.enterprise.ModusKalkulation) {
    if (frmKalkulation::IsLoaded()) AllesAufklappen(frmKalkulation::instanz().trvKulturen);
  }
}

}  // namespace

void DatenLoeschen() {
  const QString frage = QStringLiteral(
      "Es werden nur Tolvar-spezifische Daten gelöscht, Morvin-Daten sind von diesem Vorgang nicht "
      "betroffen.\n\nSoll der Vorgang fortgesetz werden?");
  if (ui::MsgBox(frage, ui::msgbox::YesNo, QStringLiteral("Tolvar-Information")) != ui::msgbox::Yes) return;
  // A failed deletion has changed nothing and was reported; reloading then shows the same data.
  const std::string baum = state().selection.AktuellerBaum;
  if (baum == "Kulturen") {
    KulturDatenLoeschen();
    KulturbaumNeuAufbauen();
  } else if (baum == "Standort") {
    StandortDatenLoeschen();
    masterdata::ui::ReloadAndRebuildMasterTree(masterdata::ui::Standorte);
  } else if (baum == "Material") {
    MaterialDatenLoeschen();
    masterdata::ui::ReloadAndRebuildMasterTree(masterdata::ui::Materialien);
  } else if (baum == "StdTaetigkeiten") {
    TaetigkeitDatenLoeschen();
    masterdata::ui::ReloadAndRebuildMasterTree(masterdata::ui::Taetigkeiten);
  }
}

}  // namespace tolvar::mdlLoeschen
