#pragma once
// Pop-up of the comparison window: the four costs that make up a column's other material
// costs, each with its quality mark.

#include <array>

#include "platform/ui/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar {

class frmSachkostenInfo : public ui::FormOf<frmSachkostenInfo> {
  Q_OBJECT

 public:
  frmSachkostenInfo();

  std::array<QLabel*, 9> lblSachkosten{};
  QLineEdit* txtStrom = nullptr;
  QLineEdit* txtMaschinen = nullptr;
  QLineEdit* txtArbeitMaterial = nullptr;
  QLineEdit* txtVermarktung = nullptr;
  QLabel* DQStrom = nullptr;
  QLabel* DQMaschinen = nullptr;
  QLabel* DQArbeitMaterial = nullptr;
  QLabel* DQVermarktung = nullptr;
  QPushButton* cmbBeenden = nullptr;

  void cmbBeenden_Click();

 protected:
  void Form_KeyDown(int key, int shift) override;
};

}  // namespace tolvar
