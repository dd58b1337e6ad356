#pragma once
// Editor of standard activities (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmTaetigkeiten : public masterdata_ui::Stammdateneditor<frmTaetigkeiten> {
 public:
  frmTaetigkeiten() : Stammdateneditor(QStringLiteral("frmTaetigkeiten"), masterdata_ui::Taetigkeiten, "5.5") {}
};

}  // namespace tolvar
