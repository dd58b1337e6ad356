#pragma once
// Editor of the nine fixed material groups M1001 to M1009: name, short name, remarks and
// current flag. The group it edits is fixed when the window opens.

#include <string>

#include "masterdata/ui/material_editor.h"

namespace tolvar {

class frmMaterial : public masterdata::ui::Materialeditor<frmMaterial> {
 public:
  frmMaterial();

  void cmbSpeichern_Click();

  const std::string& GruppenNr() const { return m_kontext.MaterialNr; }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
