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

#include "app/mdlGroesse_farben.h"
#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "calculation/kultur_arbeiten.h"
#include "culture/material_rows.h"
#include "culture/occupancies.h"
#include "culture/phases.h"
#include "data/paths.h"
#include "data/state.h"
#include "masterdata/master_save.h"
#include "masterdata/numbering.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/tabstrip.h"

namespace tolvar {

namespace {

constexpr int Px(int twips) { return twips / 15; }

template <class T>
T* Benannt(T* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

void Platz(QWidget* w, int links, int oben, int breite, int hoehe) {
  w->setGeometry(Px(links), Px(oben), Px(breite), Px(hoehe));
}

QLabel* Beschriftung(QWidget* parent, const char* name, const QString& text, int l, int o, int b) {
  auto* label = Benannt(new QLabel(text, parent), name);
  Platz(label, l, o, b, 375);
  return label;
}

// A frame drawn around a box, behind it.
QFrame* Rand(QWidget* parent, const char* name, const QWidget* um) {
  auto* shape = Benannt(new QFrame(parent), name);
  shape->setFrameShape(QFrame::Box);
  shape->setGeometry(um->geometry().adjusted(-2, -2, 2, 2));
  shape->lower();
  return shape;
}

ui::ImageList* Bildliste(QObject* parent, const char* name) {
  auto* list = Benannt(new ui::ImageList(parent), name);
  for (const char* key : {"closed", "open"}) {
    const std::string file = std::string("\\Bilder\\") + key + ".png";
    list->Add(QString::fromLatin1(key), QString::fromStdString(data::InstallPath(file)));
  }
  return list;
}

QGroupBox* RahmenMitBaum(QWidget* parent, const char* rahmen, const char* titel, const char* baum,
                         ui::KeyedTree** tree, ui::ImageList* bilder, int links, int breite) {
  auto* box = Benannt(new QGroupBox(QString::fromUtf8(titel), parent), rahmen);
  Platz(box, links, 480, breite, 6135);
  *tree = Benannt(new ui::KeyedTree(box), baum);
  (*tree)->SetImageList(bilder);
  (*tree)->setGeometry(8, 20, Px(breite) - 16, Px(6135) - 28);
  return box;
}

}  // namespace

frmKultur::frmKultur() : FormOf(QStringLiteral("frmKultur"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Kulturen"));
  resize(Px(12135), Px(7095));
  regKultur = Benannt(new ui::TabStrip(this), "regKultur");
  regKultur->setGeometry(0, 0, Px(12135), Px(7095));
  regKultur->AddTab(QStringLiteral("Kultur"));
  regKultur->AddTab(QStringLiteral("Kulturphasen"));
  regKultur->AddTab(QStringLiteral("Material, Standorte und Tätigkeiten"));
  KulturdatenAnlegen(regKultur->Page(0));

  dtgKulturPhasen = Benannt(new ui::Grid(regKultur->Page(1)), "dtgKulturPhasen");
  Platz(dtgKulturPhasen, 360, 480, 11520, 6375);
  dtgKulturPhasen->SetCols(7);
  dtgKulturPhasen->SetRows(mdlKulturPhasenInfo::kMaxPhasen + 1);

  QWidget* seite2 = regKultur->Page(2);
  imlMaterial = Bildliste(this, "imlMaterial");
  imlStandort = Bildliste(this, "imlStandort");
  imlKulturarbeiten = Bildliste(this, "imlKulturarbeiten");
  fraMaterial = RahmenMitBaum(seite2, "fraMaterial", "Material", "trvMaterial", &trvMaterial, imlMaterial, 240, 3255);
  fraStandort = RahmenMitBaum(seite2, "fraStandort", "Standort", "trvStandort", &trvStandort, imlStandort, 3480, 4455);
  fraKulturarbeiten = RahmenMitBaum(seite2, "fraKulturarbeiten", "Kulturarbeiten", "trvKulturarbeiten",
                                    &trvKulturarbeiten, imlKulturarbeiten, 7920, 3855);

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
  opbKultur = Benannt(new QRadioButton(QStringLiteral("Neue Kultur eingeben"), seite), "opbKultur");
  Platz(opbKultur, 600, 720, 2055, 375);
  opbKultur->setChecked(true);
  opbGruppe = Benannt(new QRadioButton(QStringLiteral("Neue Gruppe erstellen"), seite), "opbGruppe");
  Platz(opbGruppe, 3240, 720, 2415, 375);
  txtNr = Benannt(new QLineEdit(seite), "txtNr");
  Platz(txtNr, 7680, 720, 1200, 375);
  txtNr->hide();

  QGroupBox* f = fraKulturdaten = Benannt(new QGroupBox(QStringLiteral("Kulturdaten"), seite), "fraKulturdaten");
  Platz(f, 480, 1200, 10335, 5655);
  lblName = Beschriftung(f, "lblName", QStringLiteral("Kulturname:"), 240, 450, 1335);
  txtName = Benannt(new QLineEdit(f), "txtName");
  Platz(txtName, 1920, 450, 4335, 375);
  lblKuerzel = Beschriftung(f, "lblKuerzel", QStringLiteral("Kulturkürzel:"), 240, 1250, 1600);
  lblZehn = Beschriftung(f, "lblZehn", QStringLiteral("(max 10 Zeichen)"), 1700, 1250, 1700);
  txtKuerzel = Benannt(new QLineEdit(f), "txtKuerzel");
  Platz(txtKuerzel, 3480, 1250, 2775, 375);
  txtKuerzel->setMaxLength(10);
  lblCode = Beschriftung(f, "lblCode", QStringLiteral("Barcode:"), 240, 1750, 1400);
  lblCodeForm = Beschriftung(f, "lblCodeForm", QStringLiteral("(1*******)"), 1700, 1750, 1700);
  txtCode = Benannt(new QLineEdit(f), "txtCode");
  Platz(txtCode, 3480, 1750, 2775, 375);
  lblAnfang = Beschriftung(f, "lblAnfang", QStringLiteral("Arbeitsbeginn:"), 240, 2250, 1500);
  lblDatumA = Beschriftung(f, "lblDatumA", QStringLiteral("tt.mm.jjjj"), 1920, 2250, 1400);
  dtpAnfang = Benannt(new ui::DatePicker(f), "dtpAnfang");
  Platz(dtpAnfang, 3480, 2250, 2775, 375);
  lblEnde = Beschriftung(f, "lblEnde", QStringLiteral("Arbeitsende:"), 240, 2750, 1500);
  lblDatumE = Beschriftung(f, "lblDatumE", QStringLiteral("tt.mm.jjjj"), 1920, 2750, 1400);
  dtpEnde = Benannt(new ui::DatePicker(f), "dtpEnde");
  Platz(dtpEnde, 3480, 2750, 2775, 375);
  lblBemerkung = Beschriftung(f, "lblBemerkung", QStringLiteral("Bemerkungen:"), 240, 3250, 1600);
  txtBemerkung = Benannt(new QPlainTextEdit(f), "txtBemerkung");
  Platz(txtBemerkung, 1920, 3250, 8295, 2175);
  chbAktuell = Benannt(new QCheckBox(QStringLiteral("Aktueller Datensatz"), f), "chbAktuell");
  Platz(chbAktuell, 6840, 360, 3135, 375);
  chbAktuell->setChecked(true);
  cmbSpeichern = Benannt(new QPushButton(QStringLiteral("Speichern"), f), "cmbSpeichern");
  Platz(cmbSpeichern, 6840, 750, 3135, 375);
  cmbAbbruch = Benannt(new QPushButton(QStringLiteral("Abbrechen"), f), "cmbAbbruch");
  Platz(cmbAbbruch, 6840, 1250, 3135, 375);
  cmbHilfe = Benannt(new QPushButton(QStringLiteral("Hilfe"), f), "cmbHilfe");
  Platz(cmbHilfe, 6840, 1750, 3135, 375);
  shpName = Rand(f, "shpName", txtName);
  shpKuerzel = Rand(f, "shpKuerzel", txtKuerzel);
  shpCode = Rand(f, "shpCode", txtCode);
  shpDatumA = Rand(f, "shpDatumA", dtpAnfang);
}

void frmKultur::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  const std::string& modus = state().Bearbeitungsmodus;
  if (modus == "Neu") NeuLaden();
  if (modus == "Aendern") AendernLaden();
}

void frmKultur::NeuLaden() {
  opbGruppe->setEnabled(true);
  opbKultur->setEnabled(true);
  const QString hand = QStringLiteral("Hand_") + QString::fromStdString(mdlGroesse::FarbnameMorvin);
  mdlMauszeiger::MausbildSetzen(*opbGruppe, hand);
  mdlMauszeiger::MausbildSetzen(*opbKultur, hand);
  regKultur->SetTabVisible(1, false);
  regKultur->SetTabVisible(2, false);
  regKultur->SetTab(0);
  for (QLineEdit* b : {txtName, txtCode, txtKuerzel}) b->clear();
  txtBemerkung->clear();
  dtpAnfang->SetValue(base::Today());
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln("Kulturen")) txtCode->setText(QString::fromStdString(*code));
  if (auto nr = mdlMorvin5::NaechsteNummerErmitteln("Kulturen")) txtNr->setText(QString::fromStdString(*nr));
}

void frmKultur::AendernLaden() {
  const tolvar::State& s = state();
  if (s.KulturIndex < 0 || s.KulturIndex >= static_cast<int>(s.KulturListe.size())) return;
  const KulturSatz k = s.KulturListe[static_cast<std::size_t>(s.KulturIndex)];
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
  txtName->setText(QString::fromStdString(k.Kulturname));
  txtKuerzel->setText(QString::fromStdString(k.Kuerzel));
  txtNr->setText(QString::fromStdString(k.KulturNr));
  txtCode->setText(QString::fromStdString(base::NumberText(k.Barcode)));
  txtBemerkung->setPlainText(QString::fromStdString(k.Bemerkungen));
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
  lblName->resize(Px(1335), lblName->height());
  lblKuerzel->setText(QStringLiteral("Kulturkürzel:"));
  for (QWidget* w : {static_cast<QWidget*>(lblAnfang), static_cast<QWidget*>(lblEnde),
                     static_cast<QWidget*>(lblDatumA), static_cast<QWidget*>(lblDatumE),
                     static_cast<QWidget*>(dtpAnfang), static_cast<QWidget*>(dtpEnde),
                     static_cast<QWidget*>(shpDatumA)}) {
    w->setVisible(true);
  }
  regKultur->SetTabCaption(0, QStringLiteral("Kultur"));
  regKultur->SetTabCaption(1, QStringLiteral("Kulturphasen"));
  regKultur->SetTabVisible(1, true);
  regKultur->SetTabVisible(2, true);
  regKultur->SetTab(0);
  Platz(txtName, 1920, 450, 4335, 375);
  shpName->setGeometry(txtName->geometry().adjusted(-2, -2, 2, 2));
  Platz(lblBemerkung, 240, 3250, 1600, 375);
  Platz(txtBemerkung, 1920, 3250, 8295, 2150);
}

void frmKultur::opbGruppe_Click() {
  if (!opbGruppe->isChecked()) return;
  setCaption(QStringLiteral("Neue Gruppe definieren"));
  fraKulturdaten->setTitle(QStringLiteral("Gruppendaten:"));
  lblName->setText(QStringLiteral("Gruppenname:"));
  lblName->resize(Px(1835), lblName->height());
  lblKuerzel->setText(QStringLiteral("Gruppenkürzel:"));
  for (QWidget* w : {static_cast<QWidget*>(lblAnfang), static_cast<QWidget*>(lblEnde),
                     static_cast<QWidget*>(lblDatumA), static_cast<QWidget*>(lblDatumE),
                     static_cast<QWidget*>(dtpAnfang), static_cast<QWidget*>(dtpEnde),
                     static_cast<QWidget*>(shpDatumA)}) {
    w->setVisible(false);
  }
  regKultur->SetTabCaption(0, QStringLiteral("Gruppe"));
  regKultur->SetTabVisible(1, false);
  regKultur->SetTabVisible(2, false);
  regKultur->SetTab(0);
  Platz(txtName, 2420, 450, 3835, 375);
  shpName->setGeometry(txtName->geometry().adjusted(-2, -2, 2, 2));
  Platz(lblBemerkung, 240, 2250, 1600, 375);
  Platz(txtBemerkung, 1920, 2250, 8295, 3150);
}

// A refused save (empty name, a value that is no value, a database failure) keeps the dialog
// open with what was typed; the save routine has said why and where.
void frmKultur::cmbSpeichern_Click() {
  masterdata::KulturEingabe e;
  e.txtNr = txtNr->text().toStdString();
  e.txtName = txtName->text().toStdString();
  e.txtKuerzel = txtKuerzel->text().toStdString();
  e.txtCode = txtCode->text().toStdString();
  e.dtpAnfang = dtpAnfang->Value();
  e.dtpEnde = dtpEnde->Value();
  e.txtBemerkung = txtBemerkung->toPlainText().toStdString();
  e.chbAktuell = chbAktuell->isChecked();
  e.opbGruppe = opbGruppe->isChecked();
  const masterdata::SpeicherErgebnis r = mdlMorvin5::StammdatensatzSpeichern(e);
  const bool offenLassen = r.status == masterdata::SpeicherStatus::NameFehlt ||
                           r.status == masterdata::SpeicherStatus::WerteFalsch ||
                           r.status == masterdata::SpeicherStatus::Fehler;
  if (offenLassen) {
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

void frmKultur::Form_Unload(bool& /*cancel*/) { masterdata_ui::ReloadAndRebuildCultureTreeOfWorkArea(); }

void frmKultur::cmbHilfe_Click() { mdlHilfe::HilfeAufrufen("5.1"); }

void frmKultur::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) cmbHilfe_Click();
}

}  // namespace tolvar
