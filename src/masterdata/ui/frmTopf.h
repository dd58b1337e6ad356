#pragma once
// Pot editor (group 1007): name, units per plant or per 1000 plants, price of one pot, reuse
// count and volume. The pot it changes is fixed when the window opens, so a later click in
// the material tree cannot redirect the save.

#include <array>

#include "data/records_material.h"
#include "masterdata/ui/stammdateneditor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tolvar {

class frmTopf : public masterdata_ui::Stammdateneditor<frmTopf> {
 public:
  frmTopf();

  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QLineEdit* txtMenge = nullptr;
  std::array<QRadioButton*, 3> opbBezug{};  // 1 per plant, 2 per 1000 plants
  QLineEdit* txtPreis = nullptr;
  QLineEdit* txtWdh = nullptr;
  QLineEdit* txtVolumen = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QPushButton* cmbNeu = nullptr;
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbVolumen = nullptr;

  void cmbSpeichern_Click();
  void cmbAbbruch_Click();
  void cmbNeu_Click();
  void cmbRechner_Click();
  void cmbVolumen_Click();

  const MaterialKontext& Kontext() const { return m_kontext; }

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void Leeren();
  void BarcodeVorschlagen();
  MaterialKontext m_kontext;
};

}  // namespace tolvar
