#pragma once
// Site editor (placeholder): the controls the pointer setter needs, help, and on closing the
// rebuild of the master-data window's site tree.

#include "platform/ui/forms.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace tolvar {

class frmStandort : public ui::FormOf<frmStandort> {
  Q_OBJECT

 public:
  frmStandort();

  QTabBar* regStandort = nullptr;
  QGroupBox* fraBezeichnung = nullptr;
  QRadioButton* opbHaus = nullptr;
  QRadioButton* opbGruppe = nullptr;
  QPushButton* cmbHilfe = nullptr;

  void cmbHilfe_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
