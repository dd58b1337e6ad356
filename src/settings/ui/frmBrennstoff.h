#pragma once
// Stand-alone fuel editor, opened by the site editor: the fuel list editor on its own; a
// successful save closes the window.

#include "platform/ui/forms.h"

class QGroupBox;

namespace tolvar::settings::ui {
class BrennstoffEditor;
}  // namespace tolvar::settings::ui

namespace tolvar {

class frmBrennstoff : public tolvar::ui::FormOf<frmBrennstoff> {
  Q_OBJECT

 public:
  frmBrennstoff();

  QGroupBox* fraHeizung = nullptr;
  settings::ui::BrennstoffEditor* editor = nullptr;

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
