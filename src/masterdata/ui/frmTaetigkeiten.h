#pragma once
// Editor of standard activities and activity groups (table StdTaetigkeiten of the labour-time
// database). The mode ("Neu" or "Aendern") is taken when the window opens and kept for its
// life, so a later dispatch to the open window cannot switch what its save does.

#include <optional>
#include <string>

#include "masterdata/ui/stammdateneditor.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tolvar {

class frmTaetigkeiten : public masterdata_ui::Stammdateneditor<frmTaetigkeiten> {
 public:
  frmTaetigkeiten();

  QRadioButton* opbTaetigkeit = nullptr;
  QRadioButton* opbGruppe = nullptr;
  QGroupBox* fraTaetigkeit = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QPushButton* cmbArbeitMaterial = nullptr;
  QGroupBox* fraGruppe = nullptr;
  QLineEdit* txtGruName = nullptr;
  QLineEdit* txtGruKuerzel = nullptr;
  QLineEdit* txtGruCode = nullptr;
  QPlainTextEdit* txtGruBemerkungen = nullptr;
  QCheckBox* chbGruAktuell = nullptr;
  QLineEdit* txtNr = nullptr;
  QPushButton* cmbAbbrechen = nullptr;
  QPushButton* cmbSpeichern = nullptr;

  void opbTaetigkeit_Click();
  void opbGruppe_Click();
  void cmbSpeichern_Click();
  void cmbAbbrechen_Click();
  void cmbArbeitMaterial_Click();

  // The mode the window was opened in, "Aendern" after its first successful save.
  const std::string& Modus() const { return m_modus; }

 protected:
  void Form_Load() override;

 private:
  void BarcodeVorschlagen(QLineEdit* box);
  std::string m_modus;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

}  // namespace tolvar
