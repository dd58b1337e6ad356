#pragma once
// Editor of material groups (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmMaterial : public masterdata_ui::Stammdateneditor<frmMaterial> {
 public:
  frmMaterial() : Stammdateneditor(QStringLiteral("frmMaterial"), masterdata_ui::Materialien, "5.3") {}
};

}  // namespace tolvar
