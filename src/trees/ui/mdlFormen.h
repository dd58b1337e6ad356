#pragma once
// Builders of the current-records view of the master-data trees (cultures, sites, materials,
// staff, standard activities) and of the culture data window's pick trees.

namespace tolvar::ui {
class Form;
}

namespace tolvar::mdlFormen {

// Fill the window's trvKulturen / trvStandort / trvTaetigkeit with the current records.
void AktuelleKulturenAnzeigen(ui::Form& form);
void AktuelleStandorteAnzeigen(ui::Form& form);
void AktuelleTaetigkeitenAnzeigen(ui::Form& form);
// Fill frmStammdaten.trvMaterial / trvPersonal (loads the window hidden when needed).
void AktuelleMaterialienAnzeigen();
void AktuellesPersonalAnzeigen();
// Fill frmBewegungsdaten.trvStandort / trvMaterial (the pick trees).
void BewegungsdatenStandorteAnzeigen();
void BewegungsdatenMaterialienAnzeigen();

}  // namespace tolvar::mdlFormen
