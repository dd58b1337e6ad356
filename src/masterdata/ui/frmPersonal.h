#pragma once
// Editor of staff (placeholder until the editor is built).

#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmPersonal : public masterdata_ui::Stammdateneditor<frmPersonal> {
 public:
  frmPersonal() : Stammdateneditor(QStringLiteral("frmPersonal"), masterdata_ui::Personal, "5.4") {}
};

}  // namespace tolvar
