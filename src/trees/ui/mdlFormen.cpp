#include "trees/ui/mdlFormen.h"

#include "culture/ui/frmBewegungsdaten.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/tree_fill.h"

namespace tolvar::mdlFormen {

using trees::Kind;

void AktuelleKulturenAnzeigen(ui::Form& form) {
  trees::ui::Build(trees::ui::TreeOf(form, "trvKulturen"), Kind::Kulturen, false);
}

void AktuelleStandorteAnzeigen(ui::Form& form) {
  trees::ui::Build(trees::ui::TreeOf(form, "trvStandort"), Kind::Standorte, false);
}

void AktuelleTaetigkeitenAnzeigen(ui::Form& form) {
  trees::ui::Build(trees::ui::TreeOf(form, "trvTaetigkeit"), Kind::Taetigkeiten, false);
}

void AktuelleMaterialienAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvMaterial, Kind::Materialien, false); }

void AktuellesPersonalAnzeigen() { trees::ui::Build(frmStammdaten::instanz().trvPersonal, Kind::Personal, false); }

void BewegungsdatenStandorteAnzeigen() {
  trees::ui::Build(frmBewegungsdaten::instanz().trvStandort, Kind::Standorte, false);
}

void BewegungsdatenMaterialienAnzeigen() {
  trees::ui::Build(frmBewegungsdaten::instanz().trvMaterial, Kind::Materialien, false);
}

}  // namespace tolvar::mdlFormen
