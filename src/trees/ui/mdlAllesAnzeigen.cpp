#include "trees/ui/mdlAllesAnzeigen.h"

#include "trees/ui/frmStammdaten.h"
#include "trees/ui/tree_fill.h"

namespace tolvar::mdlAllesAnzeigen {

using trees::Kind;

void AlleKulturenAnzeigen(ui::Form& form) {
  treefill::Build(treefill::TreeOf(form, "trvKulturen"), Kind::Kulturen, true);
}

void AlleStandorteAnzeigen() { treefill::Build(frmStammdaten::instanz().trvStandort, Kind::Standorte, true); }

void AlleMaterialienAnzeigen() {
  treefill::Build(frmStammdaten::instanz().trvMaterial, Kind::Materialien, true);
}

void AllesPersonalAnzeigen() { treefill::Build(frmStammdaten::instanz().trvPersonal, Kind::Personal, true); }

void AlleTaetigkeitenAnzeigen() {
  treefill::Build(frmStammdaten::instanz().trvTaetigkeit, Kind::Taetigkeiten, true);
}

}  // namespace tolvar::mdlAllesAnzeigen
