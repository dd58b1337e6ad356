#pragma once
// Material assigned through recorded work: the material cost of every piece of work from
// its activity's cost per hour, or the comparison cultures to take the cost from.

#include <array>
#include <cstdint>
#include <string_view>

#include "calculation/ui/cost_info.h"

namespace tolvar::ui {
class Grid;
}

namespace tolvar {

class frmPSMInfo : public FensterOf<frmPSMInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::PSM;

  frmPSMInfo();

  ui::Grid* dtgArbeitMaterial = nullptr;
  // (0) below the grid, (1) in the comparison frame.
  std::array<QPushButton*, 2> cmbBeenden{};
  QPushButton* cmbOK = nullptr;  // "Materialkosten übernehmen"

  void cmbOK_Click();
  // Reloads phases, recorded work and the costs per activity hour and fills the grid.
  void PSMTabelleAufbauen();

 protected:
  void Form_Load() override;
  // Only a grade "3" makes the value typed in; every grade before it a comparison value.
  int16_t HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const override;
};

}  // namespace tolvar
