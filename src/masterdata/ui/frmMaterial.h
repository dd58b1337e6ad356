#pragma once
// Editor of the nine fixed material groups M1001 to M1009: name, short name, remarks and
// current flag. The group it edits is fixed when the window opens.

#include <string>

#include "masterdata/ui/stammdateneditor.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tolvar {

class frmMaterial : public masterdata_ui::Stammdateneditor<frmMaterial> {
 public:
  frmMaterial();

  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbruch = nullptr;

  void cmbSpeichern_Click();
  void cmbAbbruch_Click();

  const std::string& GruppenNr() const { return m_gruppenNr; }

 protected:
  void Form_Load() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  std::string m_gruppenNr;
};

}  // namespace tolvar
