#pragma once
// Pop-up of the comparison window: a compared culture's remark and whether it was calculated
// in this enterprise or imported from another result database.

#include "platform/ui/forms.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tolvar {

class frmVergleichInfo : public ui::FormOf<frmVergleichInfo> {
  Q_OBJECT

 public:
  frmVergleichInfo();

  QCheckBox* chbBetrieb = nullptr;
  QCheckBox* chbImport = nullptr;
  QLabel* Label1 = nullptr;
  QPlainTextEdit* txtBemerkung = nullptr;
  QPushButton* cmbBeenden = nullptr;

  void cmbBeenden_Click();

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
