#pragma once
// Culture properties dialog: creates a culture or culture group, or changes one, in the
// labour-time database, and shows for an existing culture its phases, site occupancies,
// material rows and recorded work as read-only summaries.

#include <optional>
#include <string>

#include "platform/ui/forms.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tolvar::ui {
class DatePicker;
class Grid;
class ImageList;
class KeyedTree;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmKultur : public ui::FormOf<frmKultur> {
  Q_OBJECT

 public:
  frmKultur();

  ui::TabStrip* regKultur = nullptr;
  QRadioButton* opbKultur = nullptr;
  QRadioButton* opbGruppe = nullptr;
  QLineEdit* txtNr = nullptr;  // hidden
  QGroupBox* fraKulturdaten = nullptr;
  QLabel* lblName = nullptr;
  QLineEdit* txtName = nullptr;
  QLabel* lblKuerzel = nullptr;
  QLabel* lblZehn = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLabel* lblCode = nullptr;
  QLabel* lblCodeForm = nullptr;
  QLineEdit* txtCode = nullptr;
  QLabel* lblAnfang = nullptr;
  QLabel* lblDatumA = nullptr;
  ui::DatePicker* dtpAnfang = nullptr;
  QLabel* lblEnde = nullptr;
  QLabel* lblDatumE = nullptr;
  ui::DatePicker* dtpEnde = nullptr;
  QLabel* lblBemerkung = nullptr;
  QPlainTextEdit* txtBemerkung = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QPushButton* cmbHilfe = nullptr;
  QFrame* shpName = nullptr;
  QFrame* shpKuerzel = nullptr;
  QFrame* shpCode = nullptr;
  QFrame* shpDatumA = nullptr;

  ui::Grid* dtgKulturPhasen = nullptr;
  QGroupBox* fraMaterial = nullptr;
  ui::KeyedTree* trvMaterial = nullptr;
  ui::ImageList* imlMaterial = nullptr;
  QGroupBox* fraStandort = nullptr;
  ui::KeyedTree* trvStandort = nullptr;
  ui::ImageList* imlStandort = nullptr;
  QGroupBox* fraKulturarbeiten = nullptr;
  ui::KeyedTree* trvKulturarbeiten = nullptr;
  ui::ImageList* imlKulturarbeiten = nullptr;

  // Event handlers, public so tests can raise them as the controls do.
  void cmbHilfe_Click();
  void cmbSpeichern_Click();
  void cmbAbbruch_Click();
  void opbKultur_Click();
  void opbGruppe_Click();

  // The summaries, each filled from the list the dialog loaded for the culture.
  void KulturPhasenTabelleAnzeigen();
  void KulturStandorteBaumAnzeigen();
  void KulturMaterialBaumAnzeigen();
  void KulturarbeitenBaumAnzeigen();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  void KulturdatenAnlegen(QWidget* seite);
  void NeuLaden();
  void AendernLaden();

  // The mode the window was opened in ("Aendern" once a new record is stored): a later
  // dispatch to the open window brings it to the front and changes nothing of what it saves.
  std::string m_modus;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

}  // namespace tolvar
