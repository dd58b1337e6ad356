#pragma once
// Heating cost detail window: one grid row per site occupancy of the culture with its share
// of the heating cost; opened from the heating menu instead, it lists the stored comparison
// cultures and takes one culture's heating cost over into the calculation window.

#include <array>

#include "calculation/ui/cost_info.h"

class QFrame;

namespace tolvar::ui {
class Grid;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmVantelInfo : public FensterOf<frmVantelInfo, Aufschluesselungsfenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Heizung;

  frmVantelInfo();

  ui::TabStrip* regHeizkosten = nullptr;  // tab 0 "Datenherkunft", tab 1 the grid
  ui::Grid* dtgVantel = nullptr;
  QFrame* fraVantel = nullptr;
  std::array<QLabel*, 3> lblVantel{};
  QLineEdit* txtMaterialPfad = nullptr;
  QLineEdit* txtWetterdatenbank = nullptr;
  QLineEdit* txtWetterstation = nullptr;

 protected:
  void Form_Load() override;

 private:
  void TabelleFuellen();
};

}  // namespace tolvar
