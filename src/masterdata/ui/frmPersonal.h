#pragma once
// Editor of persons and staff groups (table Personal of the labour-time database). The mode
// ("Neu" or "Aendern") is taken when the window opens and kept for its life; for a person it
// opens the weekly working time and the wage classification.

#include <optional>
#include <string>

#include "masterdata/master_save.h"
#include "masterdata/ui/stammdateneditor.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace tolvar {

namespace ui {
class DatePicker;
}

class frmPersonal : public masterdata_ui::Stammdateneditor<frmPersonal> {
 public:
  frmPersonal();

  QRadioButton* opbPerson = nullptr;
  QRadioButton* opbGruppe = nullptr;
  QGroupBox* fraPersonal = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtVorname = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QLineEdit* txtStrasse = nullptr;
  QLineEdit* txtPostleitzahl = nullptr;
  QLineEdit* txtOrt = nullptr;
  QLineEdit* txtTelefon = nullptr;
  ui::DatePicker* dtpGeburtstag = nullptr;
  QPushButton* cmdAusbildung = nullptr;
  QPushButton* cmbWochenarbeitszeit = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QGroupBox* fraGruppe = nullptr;
  QLineEdit* txtGruName = nullptr;
  QLineEdit* txtGruKuerzel = nullptr;
  QLineEdit* txtGruCode = nullptr;
  QPlainTextEdit* txtGruBemerkung = nullptr;
  QCheckBox* chbGruAktuell = nullptr;
  QLineEdit* txtNr = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbrechen = nullptr;

  void opbPerson_Click();
  void opbGruppe_Click();
  void cmbSpeichern_Click();
  void cmdAusbildung_Click();
  void cmbWochenarbeitszeit_Click();
  void cmbAbbrechen_Click();

  const std::string& Modus() const { return m_modus; }

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  // Stores the record without closing the window; the result tells a refusal.
  masterdata::SpeicherErgebnis Speichern();
  void BarcodeVorschlagen(QLineEdit* box);
  std::string m_modus;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

}  // namespace tolvar
