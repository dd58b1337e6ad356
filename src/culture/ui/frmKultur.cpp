// Culture properties dialog: its controls, the two layouts, loading, saving and closing.
#include "culture/ui/frmKultur.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/mdlKulturArbeiten.h"
#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlStandorte2.h"
#include "data/state.h"
#include "masterdata/mdlMorvin5.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/tabstrip.h"
#include "trees/ui/tree_fill.h"

namespace tolvar {

namespace {

// A frame drawn around a box, behind it.
QFrame* Rand(QWidget* parent, const char* name, const QWidget* um) {
  auto* shape = new QFrame(parent);
  shape->setObjectName(QLatin1String(name));
  shape->setFrameShape(QFrame::Box);
  shape->setGeometry(um->geometry().adjusted(-2, -2, 2, 2));
  shape->lower();
  return shape;
}

QGroupBox* RahmenMitBaum(QWidget* parent, const char* rahmen, const char* titel, const char* baum, ui::KeyedTree** tree,
                         ui::ImageList* bilder, int links, int breite) {
  auto* box = ui::MakeGroup(parent, QLatin1String(rahmen), ui::Q(titel), links, 480, breite, 6135);
  *tree = ui::MakeTree(box, QLatin1String(baum), bilder);
  (*tree)->setGeometry(8, 20, sys::TwipsToPixels(breite) - 16, sys::TwipsToPixels(6135) - 28);
  return box;
}

}  // namespace

frmKultur::frmKultur() : FormOf(QStringLiteral("frmKultur"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kulturen"));
  resize(sys::TwipsToPixels(12135), sys::TwipsToPixels(7095));
  regKultur = ui::Placed(new ui::TabStrip(this), QStringLiteral("regKultur"), 0, 0, 12135, 7095);
  regKultur->AddTab(QStringLiteral("Kultur"));
  regKultur->AddTab(QStringLiteral("Kulturphasen"));
  regKultur->AddTab(QStringLiteral("Material, Standorte und Tätigkeiten"));
  KulturdatenAnlegen(regKultur->Page(0));

  dtgKulturPhasen = ui::MakeGrid(regKultur->Page(1), QStringLiteral("dtgKulturPhasen"), 360, 480, 11520, 6375);
  dtgKulturPhasen->SetCols(7);
  dtgKulturPhasen->SetRows(mdlKulturPhasenInfo::kMaxPhasen + 1);

  QWidget* seite2 = regKultur->Page(2);
  imlMaterial = trees::ui::FolderImages(this, "imlMaterial");
  imlStandort = trees::ui::FolderImages(this, "imlStandort");
  imlKulturarbeiten = trees::ui::FolderImages(this, "imlKulturarbeiten");
  fraMaterial = RahmenMitBaum(seite2, "fraMaterial", "Material", "trvMaterial", &trvMaterial, imlMaterial, 240, 3255);
  fraStandort = RahmenMitBaum(seite2, "fraStandort", "Standort", "trvStandort", &trvStandort, imlStandort, 3480, 4455);
  fraKulturarbeiten = RahmenMitBaum(seite2, "fraKulturarbeiten", "Kulturarbeiten", "trvKulturarbeiten",
                                    &trvKulturarbeiten, imlKulturarbeiten, 7920, 3855);
  regKultur->PagesPlacedOnStrip();

  connect(cmbSpeichern, &QPushButton::clicked, this, &frmKultur::cmbSpeichern_Click);
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmKultur::cmbAbbruch_Click);
  connect(cmbHilfe, &QPushButton::clicked, this, &frmKultur::cmbHilfe_Click);
  // Setting an option from code runs its handler as a click does; the selected one runs nothing.
  connect(opbKultur, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbKultur_Click();
  });
  connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbGruppe_Click();
  });
}

void frmKultur::KulturdatenAnlegen(QWidget* seite) {
  opbKultur = ui::MakeOptionButton(seite, QStringLiteral("opbKultur"), QStringLiteral("Neue Kultur eingeben"), 600, 720,
                                   2055, 375);
  opbKultur->setChecked(true);
  opbGruppe = ui::MakeOptionButton(seite, QStringLiteral("opbGruppe"), QStringLiteral("Neue Gruppe erstellen"), 3240,
                                   720, 2415, 375);
  txtNr = ui::MakeTextBox(seite, QStringLiteral("txtNr"), 7680, 720, 1200, 375);
  txtNr->hide();

  QGroupBox* f = fraKulturdaten =
      ui::MakeGroup(seite, QStringLiteral("fraKulturdaten"), QStringLiteral("Kulturdaten"), 480, 1200, 10335, 5655);
  lblName = ui::MakeLabel(f, QStringLiteral("lblName"), QStringLiteral("Kulturname:"), 240, 450, 1335, 375);
  txtName = ui::MakeTextBox(f, QStringLiteral("txtName"), 1920, 450, 4335, 375);
  lblKuerzel = ui::MakeLabel(f, QStringLiteral("lblKuerzel"), QStringLiteral("Kulturkürzel:"), 240, 1250, 1440, 375);
  lblZehn = ui::MakeLabel(f, QStringLiteral("lblZehn"), QStringLiteral("(max 10 Zeichen)"), 1700, 1250, 1700, 375);
  txtKuerzel = ui::MakeTextBox(f, QStringLiteral("txtKuerzel"), 3480, 1250, 2775, 375);
  txtKuerzel->setMaxLength(10);
  lblCode = ui::MakeLabel(f, QStringLiteral("lblCode"), QStringLiteral("Barcode:"), 240, 1740, 1400, 375);
  lblCodeForm = ui::MakeLabel(f, QStringLiteral("lblCodeForm"), QStringLiteral("(1*******)"), 1700, 1740, 1700, 375);
  txtCode = ui::MakeTextBox(f, QStringLiteral("txtCode"), 3480, 1740, 2775, 375);
  lblAnfang = ui::MakeLabel(f, QStringLiteral("lblAnfang"), QStringLiteral("Arbeitsbeginn:"), 240, 2250, 1500, 375);
  lblDatumA = ui::MakeLabel(f, QStringLiteral("lblDatumA"), QStringLiteral("tt.mm.jjjj"), 1920, 2250, 1400, 375);
  dtpAnfang = ui::Placed(new ui::DatePicker(f), QStringLiteral("dtpAnfang"), 3480, 2250, 2775, 375);
  lblEnde = ui::MakeLabel(f, QStringLiteral("lblEnde"), QStringLiteral("Arbeitsende:"), 240, 2750, 1500, 375);
  lblDatumE = ui::MakeLabel(f, QStringLiteral("lblDatumE"), QStringLiteral("tt.mm.jjjj"), 1920, 2750, 1400, 375);
  dtpEnde = ui::Placed(new ui::DatePicker(f), QStringLiteral("dtpEnde"), 3480, 2750, 2775, 375);
  lblBemerkung = ui::MakeLabel(f, QStringLiteral("lblBemerkung"), QStringLiteral("Bemerkungen:"), 240, 3240, 1590, 375);
  txtBemerkung = ui::MakeMultiLineBox(f, QStringLiteral("txtBemerkung"), 1920, 3240, 8295, 2175);
  chbAktuell =
      ui::MakeCheckBox(f, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"), 6840, 360, 3135, 375);
  chbAktuell->setChecked(true);
  cmbSpeichern = ui::MakeButton(f, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"), 6840, 750, 3135, 375);
  cmbAbbruch = ui::MakeButton(f, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbrechen"), 6840, 1250, 3135, 375);
  cmbHilfe = ui::MakeButton(f, QStringLiteral("cmbHilfe"), QStringLiteral("Hilfe"), 6840, 1740, 3135, 375);
  shpName = Rand(f, "shpName", txtName);
  shpKuerzel = Rand(f, "shpKuerzel", txtKuerzel);
  shpCode = Rand(f, "shpCode", txtCode);
  shpDatumA = Rand(f, "shpDatumA", dtpAnfang);
}

void frmKultur::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  m_modus = state().selection.Bearbeitungsmodus;
  m_ueberPNr.reset();
  if (m_modus == "Neu") {
    // The menu command sets the parent number right after the window is shown.
    QTimer::singleShot(0, this, [this] {
      if (!m_ueberPNr) m_ueberPNr = state().selection.AktuelleUeberPNr;
    });
    NeuLaden();
  }
  if (m_modus == "Aendern") AendernLaden();
}

void frmKultur::NeuLaden() {
  opbGruppe->setEnabled(true);
  opbKultur->setEnabled(true);
  const QString hand = QStringLiteral("Hand_") + ui::Q(state().windows.FarbnameMorvin);
  mdlMauszeiger::MausbildSetzen(*opbGruppe, hand);
  mdlMauszeiger::MausbildSetzen(*opbKultur, hand);
  regKultur->SetTabVisible(1, false);
  regKultur->SetTabVisible(2, false);
  regKultur->SetTab(0);
  for (QLineEdit* b : {txtName, txtCode, txtKuerzel}) b->clear();
  txtBemerkung->clear();
  dtpAnfang->SetValue(base::Today());
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln("Kulturen")) txtCode->setText(ui::Q(*code));
  if (auto nr = mdlMorvin5::NaechsteNummerErmitteln("Kulturen")) txtNr->setText(ui::Q(*nr));
}

void frmKultur::AendernLaden() {
  const tolvar::State& s = state();
  const KulturSatz* gewaehlt = At(s.masters.KulturListe, s.selection.KulturIndex);
  if (gewaehlt == nullptr) return;
  const KulturSatz k = *gewaehlt;
  if (k.Gliederungspunkt) {
    opbGruppe->setChecked(true);
    regKultur->SetTabVisible(1, false);
    regKultur->SetTabVisible(2, false);
  } else {
    opbKultur->setChecked(true);
    regKultur->SetTabVisible(1, true);
    regKultur->SetTabVisible(2, true);
  }
  opbGruppe->setEnabled(false);
  opbKultur->setEnabled(false);
  txtName->setText(ui::Q(k.Kulturname));
  txtKuerzel->setText(ui::Q(k.Kuerzel));
  txtNr->setText(ui::Q(k.KulturNr));
  txtCode->setText(ui::Q(base::NumberText(k.Barcode)));
  txtBemerkung->setPlainText(ui::Q(k.Bemerkungen));
  dtpAnfang->SetValue(k.Arbeitsbeginn);
  if (k.Arbeitsende != base::kNoDate) dtpEnde->SetValue(k.Arbeitsende);
  chbAktuell->setChecked(k.Aktuell);

  mdlKulturPhasenInfo::KulturPhasenLaden();
  KulturPhasenTabelleAnzeigen();
  mdlStandorte2::KulturStandorteLaden();
  KulturStandorteBaumAnzeigen();
  mdlKulturMaterial::KulturMaterialLaden();
  KulturMaterialBaumAnzeigen();
  mdlKulturArbeiten::KulturArbeitenLaden();
  KulturarbeitenBaumAnzeigen();
  regKultur->SetTab(0);
}

// Each layout applies only when its option is the selected one.
void frmKultur::opbKultur_Click() {
  if (!opbKultur->isChecked()) return;
  setCaption(QStringLiteral("Neue Kultur definieren"));
  fraKulturdaten->setTitle(QStringLiteral("Kultudaten:"));
  lblName->setText(QStringLiteral("Kulturname:"));
  lblName->resize(sys::TwipsToPixels(1335), lblName->height());
  lblKuerzel->setText(QStringLiteral("Kulturkürzel:"));
  for (QWidget* w : {static_cast<QWidget*>(lblAnfang), static_cast<QWidget*>(lblEnde), static_cast<QWidget*>(lblDatumA),
                     static_cast<QWidget*>(lblDatumE), static_cast<QWidget*>(dtpAnfang), static_cast<QWidget*>(dtpEnde),
                     static_cast<QWidget*>(shpDatumA)}) {
    w->setVisible(true);
  }
  regKultur->SetTabCaption(0, QStringLiteral("Kultur"));
  regKultur->SetTabCaption(1, QStringLiteral("Kulturphasen"));
  regKultur->SetTabVisible(1, true);
  regKultur->SetTabVisible(2, true);
  regKultur->SetTab(0);
  ui::PlaceTwips(txtName, 1920, 450, 4335, 375);
  shpName->setGeometry(txtName->geometry().adjusted(-2, -2, 2, 2));
  ui::PlaceTwips(lblBemerkung, 240, 3240, 1590, 375);
  ui::PlaceTwips(txtBemerkung, 1920, 3240, 8295, 2150);
}

void frmKultur::opbGruppe_Click() {
  if (!opbGruppe->isChecked()) return;
  setCaption(QStringLiteral("Neue Gruppe definieren"));
  fraKulturdaten->setTitle(QStringLiteral("Gruppendaten:"));
  lblName->setText(QStringLiteral("Gruppenname:"));
  lblName->resize(sys::TwipsToPixels(1835), lblName->height());
  lblKuerzel->setText(QStringLiteral("Gruppenkürzel:"));
  for (QWidget* w : {static_cast<QWidget*>(lblAnfang), static_cast<QWidget*>(lblEnde), static_cast<QWidget*>(lblDatumA),
                     static_cast<QWidget*>(lblDatumE), static_cast<QWidget*>(dtpAnfang), static_cast<QWidget*>(dtpEnde),
                     static_cast<QWidget*>(shpDatumA)}) {
    w->setVisible(false);
  }
  regKultur->SetTabCaption(0, QStringLiteral("Gruppe"));
  regKultur->SetTabVisible(1, false);
  regKultur->SetTabVisible(2, false);
  regKultur->SetTab(0);
  ui::PlaceTwips(txtName, 2420, 450, 3825, 375);
  shpName->setGeometry(txtName->geometry().adjusted(-2, -2, 2, 2));
  ui::PlaceTwips(lblBemerkung, 240, 2250, 1590, 375);
  ui::PlaceTwips(txtBemerkung, 1920, 2250, 8295, 3150);
}

// Saves in the window's own mode. A refused save (empty name, a value that is no value, a
// record that is no longer there, a database failure) keeps the dialog open with what was
// typed; the save routine has said why and where.
void frmKultur::cmbSpeichern_Click() {
  masterdata::KulturEingabe e;
  e.txtNr = ui::S(txtNr);
  e.txtName = ui::S(txtName);
  e.txtKuerzel = ui::S(txtKuerzel);
  e.txtCode = ui::S(txtCode);
  e.dtpAnfang = dtpAnfang->Value();
  e.dtpEnde = dtpEnde->Value();
  e.txtBemerkung = ui::S(txtBemerkung->toPlainText());
  e.chbAktuell = chbAktuell->isChecked();
  e.opbGruppe = opbGruppe->isChecked();
  tolvar::State& s = state();
  masterdata::SpeicherKontext kontext{s.enterprise.AktuellerBetrieb, m_modus,
                                      m_ueberPNr.value_or(s.selection.AktuelleUeberPNr)};
  const masterdata::StammdatenSpeicherergebnis r = masterdata::KulturSpeichern(kontext, e);
  m_modus = kontext.Bearbeitungsmodus;
  s.selection.Bearbeitungsmodus = m_modus;
  if (r.abgelehnt()) {
    if (r.fokus == "txtKuerzel") {
      txtKuerzel->setFocus();
    } else if (r.fokus == "txtCode") {
      txtCode->setFocus();
    } else if (r.status == masterdata::SpeicherStatus::NameFehlt) {
      txtName->setFocus();
    }
    return;
  }
  Unload();
}

void frmKultur::cmbAbbruch_Click() { Unload(); }

void frmKultur::Form_Unload(bool& /*cancel*/) { masterdata::ui::ReloadAndRebuildCultureTreeOfWorkArea(); }

void frmKultur::cmbHilfe_Click() { mdlHilfe::HilfeAufrufen("5.1"); }

void frmKultur::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) cmbHilfe_Click();
}

}  // namespace tolvar
