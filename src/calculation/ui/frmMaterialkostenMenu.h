#pragma once
// Origin menu of the material line: compute the material cost, take it from a comparison
// culture, or type it in. Only "OK" applies the choice; the close box changes nothing.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmMaterialkostenMenu : public FensterOf<frmMaterialkostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Material;

  frmMaterialkostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
