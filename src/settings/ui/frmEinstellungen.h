#pragma once
// The settings window: seven tabs ("Datenbanken", "Lohngruppen", "Energie/GWH Material",
// "Tolvar-System", "Gemeinkosten", "Sachkosten", "Kulturvergleich") over the settings of the
// open enterprise. The tab pages are built and handled in the frmEinstellungen_*.cpp files.

#include <array>

#include "platform/ui/forms.h"
#include "platform/ui/keyedtree_drag.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tolvar::ui {
class Grid;
class ImageList;
class KeyedTree;
class OptionGroup;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar::settings::ui {
class ArbeitMaterialEditor;
class BrennstoffEditor;
class EindeckungEditor;
}  // namespace tolvar::settings::ui

namespace tolvar {

class frmEinstellungen : public tolvar::ui::FormOf<frmEinstellungen> {
  Q_OBJECT

 public:
  frmEinstellungen();

  tolvar::ui::TabStrip* regEinstellungen = nullptr;
  QPushButton* cmbAbbruch = nullptr;

  // Tab 0 "Datenbanken".
  QGroupBox* fraMaterial = nullptr;
  QLineEdit* txtMaterialPfad = nullptr;
  QPushButton* cmbDurchsuchen = nullptr;
  QGroupBox* fraVantel = nullptr;
  QLineEdit* txtVantelPfad = nullptr;
  QPushButton* cmbVantelDurchsuchen = nullptr;
  QGroupBox* fraStandort = nullptr;
  QLineEdit* txtStation = nullptr;
  QPushButton* cmbVantel = nullptr;
  QPushButton* cmbOK = nullptr;

  // Tab 1 "Lohngruppen".
  std::array<QLabel*, 3> lblBezeichnung{};
  QComboBox* comLohn = nullptr;
  QRadioButton* opbLohngruppeBearbeiten = nullptr;
  QRadioButton* opbNeueLohngruppe = nullptr;
  QLineEdit* txtLohngruppeB = nullptr;
  QLineEdit* txtLohnB = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbLoeschen = nullptr;
  QPushButton* cmbLohnkalkulationxls = nullptr;
  QLineEdit* txtloeschen = nullptr;

  // Tab 2 "Energie/GWH Material".
  QGroupBox* fraStrom = nullptr;
  QLineEdit* txtKWH = nullptr;
  QPushButton* cmbStromOK = nullptr;
  QPushButton* cmbWechsel = nullptr;
  QGroupBox* fraHeizung = nullptr;
  QGroupBox* fraEindeckung = nullptr;
  settings::ui::BrennstoffEditor* brennstoff = nullptr;
  settings::ui::EindeckungEditor* eindeckung = nullptr;

  // Tab 3 "Tolvar-System": pointer colours by index 0..5.
  std::array<QRadioButton*, 6> opbTolvar{};
  std::array<QRadioButton*, 6> opbMorvin{};
  QPushButton* cmbFarbeOK = nullptr;

  // Tab 4 "Gemeinkosten".
  QLineEdit* txtGemeinkosten = nullptr;
  QLineEdit* txtJahr = nullptr;
  QLineEdit* txtBelegung = nullptr;
  std::array<QRadioButton*, 2> opbGemeinkosten{};
  tolvar::ui::OptionGroup* opbGemeinkostenGruppe = nullptr;
  QPushButton* cmbGemeinkostenxls = nullptr;
  QPushButton* cmbGemeikostenSpeichern = nullptr;
  QGroupBox* fraFlaeche = nullptr;
  QLineEdit* txtFlaeche = nullptr;
  std::array<QLabel*, 6> lblFlaeche{};
  std::array<QCheckBox*, 2> chbFlaeche{};
  QLineEdit* txtWege = nullptr;
  QLineEdit* txtBrutto = nullptr;
  QFrame* Line1 = nullptr;
  QGroupBox* fraFlaechenSpezifisch = nullptr;
  tolvar::ui::KeyedTree* trvStandort = nullptr;
  tolvar::ui::ImageList* imlStandort = nullptr;
  tolvar::ui::Grid* dtgStandort = nullptr;
  QPushButton* cmbFlaecheLoeschen = nullptr;
  QLineEdit* txtAktuelleFlaeche = nullptr;
  QLineEdit* txtGemeinkostenFlache = nullptr;
  QLineEdit* txtGemeinkostenRest = nullptr;
  int LoeschZeile = 1000;

  // Tab 5 "Sachkosten": marketing share and material cost per activity hour.
  QGroupBox* fraVermarktung = nullptr;
  std::array<QRadioButton*, 2> opbVermarktung{};
  tolvar::ui::OptionGroup* opbVermarktungGruppe = nullptr;
  QPushButton* cmbReset = nullptr;
  QGroupBox* fraUmsatz = nullptr;
  QLineEdit* txtUmsatz = nullptr;
  QLineEdit* txtVermarktungskosten = nullptr;
  QPushButton* cmbUmsatzOK = nullptr;
  QGroupBox* fraVermarktungsanteil = nullptr;
  QLineEdit* txtVermarktung = nullptr;
  QPushButton* cmbVermarktungskostenSpeichern = nullptr;
  settings::ui::ArbeitMaterialEditor* arbeitMaterial = nullptr;

  // Tab 6 "Kulturvergleich".
  QGroupBox* Frame3 = nullptr;
  QLineEdit* txtErgebnisdatenbank = nullptr;
  QPushButton* cmbErgebnisdatenbank = nullptr;

  // Frame and tabs 0, 3 and 6.
  void regEinstellungen_Click();
  void cmbAbbruch_Click();
  void cmbDurchsuchen_Click();
  void cmbVantelDurchsuchen_Click();
  void cmbErgebnisdatenbank_Click();
  void cmbVantel_Click();
  void cmbOK_Click();
  void cmbFarbeOK_Click();

  // Tab 1.
  void opbLohngruppeBearbeiten_Click();
  void opbNeueLohngruppe_Click();
  void LohnWaehlen(int index);
  void comLohn_Click();
  void cmbSpeichern_Click();
  void cmbLoeschen_Click();
  void cmbLohnkalkulationxls_Click();
  void LohngruppenAktivieren();

  // Tab 2 (the list editors carry their own handlers).
  void ElektrischeEnergieLaden();
  void BrennstoffLaden();
  void BrennstoffEintragen();
  void cmbWechsel_Click();
  void cmbStromOK_Click();

  // Tab 4.
  void GemeinkostenAnzeigen();
  void opbGemeinkosten_Click(int index);
  void chbFlaeche_Click(int index);
  void GesamtflaecheBerechnen(int ziel);
  void GemeinkostenTabelleEinrichten();
  void FlaechenSpezifischeGemeinkostenLaden();
  void FlaechenSpezifischeGemeinkostenSummieren();
  void GemeinkostenUeberschreitungMelden();
  void FlaechenSpezifischeGemeinkostenLoeschen();
  void trvStandort_MouseDown(int button, int shift, int x, int y);
  void trvStandort_MouseMove(int button, int shift, int x, int y);
  void trvStandort_DragOver(const tolvar::ui::DragSource& source, int x, int y, tolvar::ui::DragState dragState);
  void trvStandort_DragDrop(const tolvar::ui::DragSource& source, int x, int y);
  void dtgStandort_DragDrop(const tolvar::ui::DragSource& source, int x, int y);
  void dtgStandort_DblClick();
  void dtgStandort_KeyPress(int keyAscii);
  void dtgStandort_GotFocus();
  void dtgStandort_LostFocus();
  void txtGemeinkosten_GotFocus();
  void txtGemeinkosten_LostFocus();
  void cmbFlaecheLoeschen_Click();
  void cmbGemeikostenSpeichern_Click();
  void cmbGemeinkostenxls_Click();

  // Tab 5.
  void VermarktungAnzeigen();
  void opbVermarktung_Click(int index);
  void cmbUmsatzOK_Click();
  void cmbVermarktungskostenSpeichern_Click();
  void cmbReset_Click();

 protected:
  void Form_Load() override;
  void Form_Activate() override;
  void Form_KeyDown(int key, int shift) override;

 private:
  // Tab pages (frmEinstellungen_aufbau.cpp).
  void SeiteDatenbanken(QWidget* seite);
  void SeiteLohngruppen(QWidget* seite);
  void SeiteEnergie(QWidget* seite);
  void SeiteFarben(QWidget* seite);
  void SeiteGemeinkosten(QWidget* seite);
  void SeiteSachkosten(QWidget* seite);
  void SeiteKulturvergleich(QWidget* seite);
  void Auffuellen();
};

}  // namespace tolvar
