#pragma once
// Comparison-culture editor (placeholder until the comparison subsystem is built).

#include "platform/ui/forms.h"

namespace tolvar {

class frmKulturVergleichBearbeiten : public ui::FormOf<frmKulturVergleichBearbeiten> {
  Q_OBJECT

 public:
  frmKulturVergleichBearbeiten();

 protected:
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
