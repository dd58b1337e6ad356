#pragma once
// Editor of persons and staff groups (table Personal of the labour-time database). The mode
// ("Neu" or "Aendern") is taken when the window opens and kept for its life; for a person it
// opens the weekly working time and the wage classification.

#include "masterdata/ui/master_editor.h"

namespace tolvar {

namespace ui {
class DatePicker;
}

class frmPersonal : public masterdata::ui::Morvineditor<frmPersonal> {
 public:
  frmPersonal();

  QRadioButton* opbPerson = nullptr;
  QGroupBox* fraPersonal = nullptr;
  QLineEdit* txtVorname = nullptr;
  QLineEdit* txtStrasse = nullptr;
  QLineEdit* txtPostleitzahl = nullptr;
  QLineEdit* txtOrt = nullptr;
  QLineEdit* txtTelefon = nullptr;
  ui::DatePicker* dtpGeburtstag = nullptr;
  QPushButton* cmdAusbildung = nullptr;
  QPushButton* cmbWochenarbeitszeit = nullptr;
  QPlainTextEdit* txtGruBemerkung = nullptr;

  void opbPerson_Click() { SatzoptionGewaehlt(); }
  void cmbSpeichern_Click();
  void cmdAusbildung_Click();
  void cmbWochenarbeitszeit_Click();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  // Stores the record without closing the window; the result tells a refusal.
  masterdata::StammdatenSpeicherergebnis Speichern();
};

}  // namespace tolvar
