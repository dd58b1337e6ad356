#pragma once
// Pop-up of the comparison window: a column's start and end, its area-days and its labour
// hours, the bases of the margins per m² and year and per labour hour.

#include <array>

#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar {

class frmTQM : public ui::FormOf<frmTQM> {
  Q_OBJECT

 public:
  frmTQM();

  std::array<QLabel*, 4> lblKulturInfo{};
  QLineEdit* txtBeginn = nullptr;
  QLineEdit* txtEnde = nullptr;
  QLineEdit* txtTQM = nullptr;
  QLineEdit* txtAkh = nullptr;
  QPushButton* cmbEnde = nullptr;

  void cmbEnde_Click();

 protected:
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
