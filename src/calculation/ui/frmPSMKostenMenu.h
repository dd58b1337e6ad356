#pragma once
// Origin menu of the material assigned through recorded work line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmPSMKostenMenu : public FensterOf<frmPSMKostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::PSM;

  frmPSMKostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
