#pragma once
// Electric energy for supplementary light: the cost of each lit phase, or the comparison
// cultures to take the cost from.

#include <array>

#include "calculation/ui/cost_info.h"

namespace tolvar::ui {
class Grid;
}

namespace tolvar {

class frmEnergieInfo : public FensterOf<frmEnergieInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Energie;

  frmEnergieInfo();

  ui::Grid* dtgEnergie = nullptr;
  // (0) below the grid, (1) in the comparison frame.
  std::array<QPushButton*, 2> cmbBeenden{};
  QPushButton* cmbOK = nullptr;  // "Kosten der Zusatzbelichtung übernehmen"

  void cmbOK_Click();
  // Fills the grid from the selected culture's phases and the electricity price.
  void EnergieTabelleAufbauen();

 protected:
  void Form_Load() override;
};

}  // namespace tolvar
