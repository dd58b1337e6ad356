#pragma once
// Culture comparison window (placeholder until the comparison subsystem is built).

#include "platform/ui/forms.h"

namespace tolvar {

class frmKulturvergleich : public ui::FormOf<frmKulturvergleich> {
  Q_OBJECT

 public:
  frmKulturvergleich();

 protected:
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
