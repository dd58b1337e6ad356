#pragma once
// Material cost detail window: one grid row per material row of the culture (machines
// excluded) with its cost per 1000 plants; opened from the material menu instead, it lists
// the stored comparison cultures and takes one culture's material cost over into the
// calculation window.

#include <array>

#include "calculation/ui/cost_info.h"

class QFrame;

namespace tolvar::ui {
class Grid;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmMaterialInfo : public FensterOf<frmMaterialInfo, Aufschluesselungsfenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Material;

  frmMaterialInfo();

  ui::TabStrip* regMaterialkosten = nullptr;  // tab 0 "Datenherkunft", tab 1 the grid
  ui::Grid* dtgMaterial = nullptr;
  QFrame* fraMaterial = nullptr;
  std::array<QLabel*, 1> lblVantel{};
  QLineEdit* txtMaterialPfad = nullptr;

 protected:
  void Form_Load() override;

 private:
  void TabelleFuellen();
};

}  // namespace tolvar
