#include "masterdata/ui/master_tree_rebuild.h"

#include <QPushButton>

#include "calculation/ui/frmKalkulation.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/mdlAllesAnzeigen.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar::masterdata::ui {

namespace {

void ListeLaden(int baum) {
  switch (baum) {
    case Kulturen:
      mdlDatenLaden::KulturenLaden();
      break;
    case Standorte:
      mdlDatenLaden::StandorteLaden();
      break;
    case Materialien:
      mdlDatenLaden::MaterialienLaden();
      mdlTopfSubstrate::GefaesseLaden();
      break;
    case Personal:
      mdlDatenLaden::PersonalLaden();
      break;
    case Taetigkeiten:
      mdlDatenLaden::TaetigkeitenLaden();
      break;
    default:
      break;
  }
}

// Rebuilds tree `baum` of the loaded master-data window by its button's caption.
void StammdatenBaumAufbauen(int baum) {
  if (!frmStammdaten::IsLoaded()) return;
  frmStammdaten& fenster = frmStammdaten::instanz();
  QPushButton* const* eintrag = At(fenster.cmbAnzeigen, baum);
  if (eintrag == nullptr || *eintrag == nullptr) return;
  const QPushButton* knopf = *eintrag;
  const QString beschriftung = knopf->text();
  if (beschriftung == QStringLiteral("Anzeige reduzieren")) {
    switch (baum) {
      case Kulturen:
        mdlAllesAnzeigen::AlleKulturenAnzeigen(fenster);
        break;
      case Standorte:
        mdlAllesAnzeigen::AlleStandorteAnzeigen();
        break;
      case Materialien:
        mdlAllesAnzeigen::AlleMaterialienAnzeigen();
        break;
      case Personal:
        mdlAllesAnzeigen::AllesPersonalAnzeigen();
        break;
      case Taetigkeiten:
        mdlAllesAnzeigen::AlleTaetigkeitenAnzeigen();
        break;
      default:
        break;
    }
  } else if (beschriftung == QStringLiteral("Alles anzeigen")) {
    switch (baum) {
      case Kulturen:
        mdlFormen::AktuelleKulturenAnzeigen(fenster);
        break;
      case Standorte:
        mdlFormen::AktuelleStandorteAnzeigen(fenster);
        break;
      case Materialien:
        mdlFormen::AktuelleMaterialienAnzeigen();
        break;
      case Personal:
        mdlFormen::AktuellesPersonalAnzeigen();
        break;
      case Taetigkeiten:
        mdlFormen::AktuelleTaetigkeitenAnzeigen(fenster);
        break;
      default:
        break;
    }
  }
}

}  // namespace

void ReloadAndRebuildMasterTree(int baum) {
  ListeLaden(baum);
  StammdatenBaumAufbauen(baum);
}

void ReloadAndRebuildCultureTreeOfWorkArea() {
  mdlDatenLaden::KulturenLaden();
  const State& s = state();
  if (s.enterprise.ModusStammdaten) {
    StammdatenBaumAufbauen(Kulturen);
  } else if (s.enterprise.ModusErfassung) {
    if (frmBewegungsdaten::IsLoaded()) mdlFormen::AktuelleKulturenAnzeigen(frmBewegungsdaten::instanz());
  } else if (s.enterprise.ModusKalkulation) {
    if (frmKalkulation::IsLoaded()) mdlFormen::AktuelleKulturenAnzeigen(frmKalkulation::instanz());
  }
}

}  // namespace tolvar::masterdata::ui
