#pragma once
// Stand-alone covering editor, opened by the site editor: the covering list editor on its
// own; a successful save and "Abbrechen" close the window.

#include "platform/ui/forms.h"

class QGroupBox;

namespace tolvar::settings::ui {
class EindeckungEditor;
}  // namespace tolvar::settings::ui

namespace tolvar {

class frmEindeckung : public tolvar::ui::FormOf<frmEindeckung> {
  Q_OBJECT

 public:
  frmEindeckung();

  QGroupBox* fraEindeckung = nullptr;
  settings::ui::EindeckungEditor* editor = nullptr;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
