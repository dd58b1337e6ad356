#pragma once
// Origin menu of the marketing costs line of the calculation window.

#include "calculation/ui/cost_menu.h"

namespace tolvar {

class frmVermarktungskostenMenu : public FensterOf<frmVermarktungskostenMenu, KostenMenue> {
 public:
  static constexpr tolvar::Kostenart kArt = tolvar::Kostenart::Vermarktung;

  frmVermarktungskostenMenu();

 protected:
  void VergleichOeffnen() override;
  void KulturspezifischOeffnen() override;
};

}  // namespace tolvar
