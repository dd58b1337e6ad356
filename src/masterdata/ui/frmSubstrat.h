#pragma once
// Editor of substrates (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmSubstrat : public masterdata_ui::Stammdateneditor<frmSubstrat> {
 public:
  frmSubstrat() : Stammdateneditor(QStringLiteral("frmSubstrat"), masterdata_ui::Materialien, "5.3.2") {}
};

}  // namespace tolvar
