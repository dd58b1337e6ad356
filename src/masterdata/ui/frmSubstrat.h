#pragma once
// Substrate editor (group 1008): name and a price per litre or per m³. The substrate it
// changes is fixed when the window opens.

#include <array>

#include "masterdata/ui/material_editor.h"

class QRadioButton;

namespace tolvar {

class frmSubstrat : public masterdata::ui::Materialeditor<frmSubstrat> {
 public:
  frmSubstrat();

  QLineEdit* txtPreis = nullptr;
  std::array<QRadioButton*, 3> opbBezug{};  // 1 € per litre, 2 € per m³
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbNeu = nullptr;

  void cmbSpeichern_Click();
  void cmbNeu_Click();
  void cmbRechner_Click();

 protected:
  void Form_Load() override;

 private:
  void Leeren();
  void BarcodeVorschlagen();
};

}  // namespace tolvar
