#include "trees/ui/mdlAllesAnzeigen.h"

#include "trees/ui/frmStammdaten.h"
#include "trees/ui/tree_fill.h"

namespace tolvar::mdlAllesAnzeigen {

using trees::Kind;

void AlleKulturenAnzeigen(ui::Form& form) {
  trees::ui::Build(trees::ui::TreeOf(form, "trvKulturen"), Kind::Kulturen, true);
}

void AlleStandorteAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvStandort, Kind::Standorte, true); }

void AlleMaterialienAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvMaterial, Kind::Materialien, true); }

void AllesPersonalAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvPersonal, Kind::Personal, true); }

void AlleTaetigkeitenAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvTaetigkeit, Kind::Taetigkeiten, true); }

}  // namespace tolvar::mdlAllesAnzeigen
