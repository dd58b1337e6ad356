#pragma once
// Origin menu of the heating line: compute the heating cost, take it from a comparison
// culture, or type it in. The choice takes effect when the menu closes, however it closes.

#include "platform/ui/forms.h"

class QPushButton;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class frmHeizkostenMenu : public ui::FormOf<frmHeizkostenMenu> {
  Q_OBJECT

 public:
  frmHeizkostenMenu();

  ui::OptionGroup* opbHerkunft = nullptr;  // elements 1 to 3
  QPushButton* cmbOK = nullptr;

  void cmbOK_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
