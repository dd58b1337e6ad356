#pragma once
// Editor of general materials (placeholder until the editor is built). Its help topic is the
// one its opener stored for the material group.

#include "data/state.h"
#include "masterdata/ui/stammdateneditor.h"

namespace tolvar {

class frmMaterial4opt : public masterdata_ui::Stammdateneditor<frmMaterial4opt> {
 public:
  frmMaterial4opt() : Stammdateneditor(QStringLiteral("frmMaterial4opt"), masterdata_ui::Materialien, "5.3") {}

 protected:
  std::string Hilfethema() const override { return state().HilfeThema; }
};

}  // namespace tolvar
