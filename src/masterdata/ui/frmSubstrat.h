#pragma once
// Substrate editor (group 1008): name and a price per litre or per m³. The substrate it
// changes is fixed when the window opens.

#include <array>

#include "data/records_material.h"
#include "masterdata/ui/stammdateneditor.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tolvar {

class frmSubstrat : public masterdata_ui::Stammdateneditor<frmSubstrat> {
 public:
  frmSubstrat();

  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QLineEdit* txtPreis = nullptr;
  std::array<QRadioButton*, 3> opbBezug{};  // 1 € per litre, 2 € per m³
  QPushButton* cmbRechner = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbNeu = nullptr;

  void cmbSpeichern_Click();
  void cmbAbbruch_Click();
  void cmbNeu_Click();
  void cmbRechner_Click();

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
