#pragma once
// Origin menu of the labour costs line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmArbeitskostenMenu : public FensterOf<frmArbeitskostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Arbeit;

  frmArbeitskostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
