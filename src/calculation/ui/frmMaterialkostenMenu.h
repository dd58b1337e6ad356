#pragma once
// Origin menu of the material line: compute the material cost, take it from a comparison
// culture, or type it in. Only "OK" applies the choice; the close box changes nothing.

#include "platform/ui/forms.h"

class QPushButton;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmMaterialkostenMenu : public ui::FormOf<frmMaterialkostenMenu> {
  Q_OBJECT

 public:
  frmMaterialkostenMenu();

  ui::OptionGroup* opbHerkunft = nullptr;  // elements 1 to 3
  QPushButton* cmbOK = nullptr;

  void cmbOK_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
