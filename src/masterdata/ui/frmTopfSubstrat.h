#pragma once
// Editor of pot-substrate combinations (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmTopfSubstrat : public masterdata_ui::Stammdateneditor<frmTopfSubstrat> {
 public:
  frmTopfSubstrat() : Stammdateneditor(QStringLiteral("frmTopfSubstrat"), masterdata_ui::Materialien, "5.3.3") {}
};

}  // namespace tolvar
