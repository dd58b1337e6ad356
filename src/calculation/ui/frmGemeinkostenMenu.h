#pragma once
// Origin menu of the overheads line of the calculation window.

#include "calculation/ui/kostenmenue.h"

namespace tolvar {

class frmGemeinkostenMenu : public KostenMenueOf<frmGemeinkostenMenu> {
 public:
  frmGemeinkostenMenu();

 protected:
  void VergleichOeffnen() override;
};

}  // namespace tolvar
