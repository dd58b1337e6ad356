#pragma once
// Labour: the cost of every piece of recorded work, phase by phase, from the person's wage,
// or the comparison cultures to take the cost from.

#include <array>

#include "calculation/ui/cost_info.h"

namespace tolvar::ui {
class Grid;
}

namespace tolvar {

class frmArbeitInfo : public FensterOf<frmArbeitInfo, KostenInfoFenster> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Arbeit;

  frmArbeitInfo();

  ui::Grid* dtgArbeit = nullptr;
  // (0) below the grid, (1) in the comparison frame.
  std::array<QPushButton*, 2> cmbBeenden{};
  QPushButton* cmbOK = nullptr;  // "Arbeitskosten übernehmen"

  void cmbOK_Click();
  // Reloads phases, wages and recorded work and fills the grid.
  void ArbeitTabelleAufbauen();

 protected:
  void Form_Load() override;
};

}  // namespace tolvar
