#pragma once
// Origin menu of the labour costs line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmArbeitskostenMenu : public FensterOf<frmArbeitskostenMenu, KostenMenue> {
 public:
  frmArbeitskostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
