#pragma once
// Origin menu of the overheads line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmGemeinkostenMenu : public FensterOf<frmGemeinkostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Gemeinkosten;

  frmGemeinkostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
