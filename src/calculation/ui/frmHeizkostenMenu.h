#pragma once
// Origin menu of the heating line: compute the heating cost, take it from a comparison
// culture, or type it in. The choice takes effect when the menu closes, however it closes.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmHeizkostenMenu : public FensterOf<frmHeizkostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Heizung;

  frmHeizkostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
