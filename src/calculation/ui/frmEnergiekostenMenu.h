#pragma once
// Origin menu of the electric energy for supplementary light line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmEnergiekostenMenu : public FensterOf<frmEnergiekostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Energie;

  frmEnergiekostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
