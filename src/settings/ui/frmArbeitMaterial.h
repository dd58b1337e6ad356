#pragma once
// Material cost per activity hour (placeholder): the activity tree, filled on loading.

#include "platform/ui/forms.h"

namespace tolvar::ui {
class KeyedTree;
class ImageList;
}  // namespace tolvar::ui

namespace tolvar {

class frmArbeitMaterial : public ui::FormOf<frmArbeitMaterial> {
  Q_OBJECT

 public:
  frmArbeitMaterial();

  ui::KeyedTree* trvTaetigkeit = nullptr;
  ui::ImageList* imlTaetigkeit = nullptr;

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
