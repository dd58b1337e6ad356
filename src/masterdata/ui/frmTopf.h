#pragma once
// Pot editor (group 1007): name, units per plant or per 1000 plants, price of one pot, reuse
// count and volume. The pot it changes is fixed when the window opens, so a later click in
// the material tree cannot redirect the save.

#include <array>

#include "masterdata/ui/material_editor.h"

class QRadioButton;

namespace tolvar {

class frmTopf : public masterdata::ui::Materialeditor<frmTopf> {
 public:
  frmTopf();

  QLineEdit* txtMenge = nullptr;
  std::array<QRadioButton*, 3> opbBezug{};  // 1 per plant, 2 per 1000 plants
  QLineEdit* txtPreis = nullptr;
  QLineEdit* txtWdh = nullptr;
  QLineEdit* txtVolumen = nullptr;
  QPushButton* cmbNeu = nullptr;
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbVolumen = nullptr;

  void cmbSpeichern_Click();
  void cmbNeu_Click();
  void cmbRechner_Click();
  void cmbVolumen_Click();

 protected:
  void Form_Load() override;

 private:
  void Leeren();
  void BarcodeVorschlagen();
};

}  // namespace tolvar
