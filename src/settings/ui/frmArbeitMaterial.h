#pragma once
// Material cost per activity hour, stand-alone (opened by the standard-activity editor): the
// activity tree, the cost grid and "Löschen", "Speichern" and "Beenden" / "Zurücksetzen".

#include "platform/ui/forms.h"

namespace tolvar::settings::ui {
class ArbeitMaterialEditor;
}  // namespace tolvar::settings::ui

namespace tolvar {

class frmArbeitMaterial : public tolvar::ui::FormOf<frmArbeitMaterial> {
  Q_OBJECT

 public:
  frmArbeitMaterial();

  settings::ui::ArbeitMaterialEditor* editor = nullptr;

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
