#pragma once
// Culture properties dialog (placeholder): the controls the pointer setter needs, help, and
// on closing the rebuild of the culture tree of the open work area.

#include "platform/ui/forms.h"

class QGroupBox;
class QTableWidget;

namespace tolvar::ui {
class KeyedTree;
}

namespace tolvar {

class frmKultur : public ui::FormOf<frmKultur> {
  Q_OBJECT

 public:
  frmKultur();

  QTableWidget* dtgKulturPhasen = nullptr;
  QGroupBox* fraKulturarbeiten = nullptr;
  ui::KeyedTree* trvKulturarbeiten = nullptr;
  QGroupBox* fraStandort = nullptr;
  ui::KeyedTree* trvStandort = nullptr;
  QGroupBox* fraMaterial = nullptr;
  ui::KeyedTree* trvMaterial = nullptr;

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
