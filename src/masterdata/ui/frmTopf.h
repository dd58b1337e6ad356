#pragma once
// Editor of pots (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmTopf : public masterdata_ui::Stammdateneditor<frmTopf> {
 public:
  frmTopf() : Stammdateneditor(QStringLiteral("frmTopf"), masterdata_ui::Materialien, "5.3.1") {}
};

}  // namespace tolvar
