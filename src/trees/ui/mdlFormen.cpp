#include "trees/ui/mdlFormen.h"

#include "culture/ui/frmBewegungsdaten.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/tree_fill.h"

namespace tolvar::mdlFormen {

using trees::Kind;

void AktuelleKulturenAnzeigen(ui::Form& form) {
  treefill::Build(treefill::TreeOf(form, "trvKulturen"), Kind::Kulturen, false);
}

void AktuelleStandorteAnzeigen(ui::Form& form) {
  treefill::Build(treefill::TreeOf(form, "trvStandort"), Kind::Standorte, false);
}

void AktuelleTaetigkeitenAnzeigen(ui::Form& form) {
  treefill::Build(treefill::TreeOf(form, "trvTaetigkeit"), Kind::Taetigkeiten, false);
}

void AktuelleMaterialienAnzeigen() {
  treefill::Build(frmStammdaten::instanz().trvMaterial, Kind::Materialien, false);
}

void AktuellesPersonalAnzeigen() {
  treefill::Build(frmStammdaten::instanz().trvPersonal, Kind::Personal, false);
}

void BewegungsdatenStandorteAnzeigen() {
  treefill::Build(frmBewegungsdaten::instanz().trvStandort, Kind::Standorte, false);
}

void BewegungsdatenMaterialienAnzeigen() {
  treefill::Build(frmBewegungsdaten::instanz().trvMaterial, Kind::Materialien, false);
}

}  // namespace tolvar::mdlFormen
