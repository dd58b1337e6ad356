#pragma once
// Builders of the full view (all records) of the master-data window's trees.

namespace tolvar::ui {
class Form;
}

namespace tolvar::mdlAllesAnzeigen {

// Fill the window's trvKulturen.
void AlleKulturenAnzeigen(ui::Form& form);
// Fill frmStammdaten's trvStandort / trvMaterial / trvPersonal / trvTaetigkeit.
void AlleStandorteAnzeigen();
void AlleMaterialienAnzeigen();
void AllesPersonalAnzeigen();
void AlleTaetigkeitenAnzeigen();

}  // namespace tolvar::mdlAllesAnzeigen
