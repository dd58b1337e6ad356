#pragma once
// Origin menu of the machine costs line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmMaschinenkostenMenu : public FensterOf<frmMaschinenkostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Maschinen;

  frmMaschinenkostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
