#pragma once
// Site and greenhouse editor: the master record of a site or group and its greenhouse and
// heating data, on three tabs. The window copies its controls into a StandortFormular, lets
// the site editor's logic work on it and shows the result.

#include <array>
#include <optional>
#include <string>

#include "heating/site_form.h"
#include "platform/ui/forms.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvar::ui {
class OptionGroup;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmStandort : public ui::FormOf<frmStandort> {
  Q_OBJECT

 public:
  frmStandort();

  // Tabs "Haus", "Eindeckung ", "Heizung /Energieschirm".
  ui::TabStrip* regStandort = nullptr;
  QPushButton* cmbHilfe = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbruch = nullptr;
  QLineEdit* txtNr = nullptr;  // hidden

  // Tab "Haus".
  QRadioButton* opbHaus = nullptr;
  QRadioButton* opbGruppe = nullptr;
  QGroupBox* fraBezeichnung = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QLineEdit* txtFlaeche = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QGroupBox* fraMasseGWH = nullptr;
  QLineEdit* txtLaenge = nullptr;
  QLineEdit* txtBreite = nullptr;
  QLineEdit* txtStehwand = nullptr;
  QLineEdit* txtHaus = nullptr;
  QLineEdit* txtWege = nullptr;
  QGroupBox* fraMasseBlock = nullptr;
  QLineEdit* txtGruStehwand = nullptr;
  QLineEdit* txtGruHaus = nullptr;
  QLineEdit* txtGruWege = nullptr;
  QPushButton* cmbFuerAlle = nullptr;
  QGroupBox* fraTyp = nullptr;
  std::array<QRadioButton*, 4> opbTyp{};  // elements 1 to 3
  QLineEdit* txtKappenzahl = nullptr;
  QGroupBox* fraBemerkungen = nullptr;
  QLineEdit* txtBemerkung = nullptr;

  // Tab "Eindeckung ".
  QGroupBox* fraEindeckung = nullptr;
  QLabel* lblDach = nullptr;
  QLabel* lblStehR = nullptr;  // carries "Stehwand links:"
  QLabel* lblStehL = nullptr;
  QLabel* lblGiebelV = nullptr;
  QLabel* lblGiebelH = nullptr;
  QComboBox* comEinDach = nullptr;
  QComboBox* comEinStehL = nullptr;
  QComboBox* comEinStehR = nullptr;
  QComboBox* comEinGiebelV = nullptr;
  QComboBox* comEinGiebelH = nullptr;
  QGroupBox* fraGrenz = nullptr;
  // Element 1 "Außenfläche", element 2 "Grenzfläche".
  std::array<QRadioButton*, 3> opbStehL{};
  std::array<QRadioButton*, 3> opbStehR{};
  std::array<QRadioButton*, 3> opbGiebelV{};
  std::array<QRadioButton*, 3> opbGiebelH{};
  QLineEdit* txtGrenzStehL = nullptr;
  QLineEdit* txtGrenzStehR = nullptr;
  QLineEdit* txtGrenzGiebelV = nullptr;
  QLineEdit* txtGrenzGiebelH = nullptr;
  QPushButton* cmbMaterialverwaltung = nullptr;

  // Tab "Heizung /Energieschirm".
  QGroupBox* fraHeizung = nullptr;
  QComboBox* comBrennstoff = nullptr;
  QLineEdit* txtWirkungsgrad = nullptr;
  QCheckBox* chbBrennwert = nullptr;
  QGroupBox* fraEnergieschirm = nullptr;
  QCheckBox* chbEnergieschirm = nullptr;
  QLineEdit* txtEinsparung = nullptr;
  QLineEdit* txtFaktor = nullptr;
  QPushButton* cmbBrennstoffverwaltung = nullptr;

  void cmbSpeichern_Click();
  void cmbFuerAlle_Click();
  void cmbAbbruch_Click();
  void cmbHilfe_Click();
  void cmbBrennstoffverwaltung_Click();
  void cmbMaterialverwaltung_Click();
  void opbHaus_Click();
  void opbGruppe_Click();
  void opbGiebelH_Click(int index);
  void opbGiebelV_Click(int index);
  void opbStehL_Click(int index);
  void opbStehR_Click(int index);

  // The window's content as the logic sees it, and the reverse.
  StandortFormular FormularLesen() const;
  void FormularZeigen(const StandortFormular& f);

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  class EigenerZustand;
  struct Flaeche {
    ui::OptionGroup* optionen;
    QLineEdit* temperatur;
    int StandortFormular::*option;
    std::string StandortFormular::*grenz;
  };

  void Aufbauen();
  std::array<Flaeche, 4> Flaechen() const;
  void ListenZeigen(const StandortFormular& f);
  void Layout(bool gruppe);
  void FlaecheWaehlen(QLineEdit* temperatur, int index);
  void Speichern(bool fuerAlle);
  void Fokus(const std::string& control);
  void Daneben(ui::Form& editor);

  ui::OptionGroup* m_typ = nullptr;
  ui::OptionGroup* m_stehL = nullptr;
  ui::OptionGroup* m_stehR = nullptr;
  ui::OptionGroup* m_giebelV = nullptr;
  ui::OptionGroup* m_giebelH = nullptr;
  // Set while the window's content is written from a form: the option handlers then only
  // lay out and take no focus.
  bool m_schreiben = false;
  // Mode and site of this editor, taken when it opens. Other editors and the trees change
  // the program-wide selection while this window stays open.
  std::string m_modus;
  std::string m_standortNr;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

}  // namespace tolvar
