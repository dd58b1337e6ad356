#include "masterdata/ui/frmTaetigkeiten.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "data/state.h"
#include "masterdata/master_save.h"
#include "masterdata/numbering.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmArbeitMaterial.h"

namespace tolvar {

using masterdata_ui::Knopf;
using masterdata_ui::Mehrzeilig;
using masterdata_ui::MitHinweis;
using masterdata_ui::Textfeld;
using ui::Q;
using ui::S;

frmTaetigkeiten::frmTaetigkeiten()
    : Stammdateneditor(QStringLiteral("frmTaetigkeiten"), masterdata_ui::Taetigkeiten, "5.5") {
  setCaption(QStringLiteral("Tätigkeiten"));
  auto* layout = new QVBoxLayout(this);

  opbTaetigkeit = new QRadioButton(QStringLiteral("Neue Tätigkeit eingeben"), this);
  opbTaetigkeit->setObjectName(QStringLiteral("opbTaetigkeit"));
  opbGruppe = new QRadioButton(QStringLiteral("Neue Gruppe anlegen"), this);
  opbGruppe->setObjectName(QStringLiteral("opbGruppe"));
  auto* optionen = new QHBoxLayout;
  optionen->addWidget(opbTaetigkeit);
  optionen->addWidget(opbGruppe);
  layout->addLayout(optionen);

  fraTaetigkeit = new QGroupBox(QStringLiteral("Tätigkeitsdaten"), this);
  fraTaetigkeit->setObjectName(QStringLiteral("fraTaetigkeit"));
  auto* t = new QFormLayout(fraTaetigkeit);
  txtName = Textfeld(fraTaetigkeit, "txtName", 200);
  txtKuerzel = Textfeld(fraTaetigkeit, "txtKuerzel", 10);
  txtCode = Textfeld(fraTaetigkeit, "txtCode", 6);
  txtBemerkungen = Mehrzeilig(fraTaetigkeit, "txtBemerkungen");
  chbAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), fraTaetigkeit);
  chbAktuell->setObjectName(QStringLiteral("chbAktuell"));
  // Outside the frames: a changed group offers it too.
  cmbArbeitMaterial = Knopf(this, "cmbArbeitMaterial", QStringLiteral("Materialkosten zuweisen"));
  t->addRow(QStringLiteral("Tätigkeitsname:"), txtName);
  t->addRow(QStringLiteral("Tätigkeitskürzel:  "), MitHinweis(txtKuerzel, QStringLiteral("(max. 10 Zeichen)")));
  t->addRow(QStringLiteral("Barcode:"), MitHinweis(txtCode, QStringLiteral("(4******)")));
  t->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  t->addRow(chbAktuell);
  layout->addWidget(fraTaetigkeit);

  fraGruppe = new QGroupBox(QStringLiteral("Gruppendaten"), this);
  fraGruppe->setObjectName(QStringLiteral("fraGruppe"));
  auto* g = new QFormLayout(fraGruppe);
  txtGruName = Textfeld(fraGruppe, "txtGruName", 0);
  txtGruKuerzel = Textfeld(fraGruppe, "txtGruKuerzel", 10);
  txtGruCode = Textfeld(fraGruppe, "txtGruCode", 6);
  txtGruBemerkungen = Mehrzeilig(fraGruppe, "txtGruBemerkungen");
  chbGruAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), fraGruppe);
  chbGruAktuell->setObjectName(QStringLiteral("chbGruAktuell"));
  g->addRow(QStringLiteral("Tätigkeitsname:"), txtGruName);
  g->addRow(QStringLiteral("Tätigkeitskürzel:  "), MitHinweis(txtGruKuerzel, QStringLiteral("(max. 10 Zeichen)")));
  g->addRow(QStringLiteral("Barcode:"), MitHinweis(txtGruCode, QStringLiteral("(4******)")));
  g->addRow(QStringLiteral("Bemerkungen:"), txtGruBemerkungen);
  g->addRow(chbGruAktuell);
  layout->addWidget(fraGruppe);
  layout->addWidget(cmbArbeitMaterial);

  txtNr = Textfeld(this, "txtNr", 0);
  txtNr->hide();
  masterdata_ui::BarcodeFeldSperren(txtCode);
  masterdata_ui::BarcodeFeldSperren(txtGruCode);

  cmbAbbrechen = Knopf(this, "cmbAbbrechen", QStringLiteral("Abbrechen"));
  cmbSpeichern = Knopf(this, "cmbSpeichern", QStringLiteral("Speichern"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbHilfe);
  knoepfe->addWidget(cmbAbbrechen);
  knoepfe->addWidget(cmbSpeichern);
  layout->addLayout(knoepfe);

  // Selecting an option from code runs its handler too, as the load step relies on.
  connect(opbTaetigkeit, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbTaetigkeit_Click();
  });
  connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbGruppe_Click();
  });
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbrechen, &QPushButton::clicked, this, [this] { cmbAbbrechen_Click(); });
  connect(cmbArbeitMaterial, &QPushButton::clicked, this, [this] { cmbArbeitMaterial_Click(); });
}

void frmTaetigkeiten::Form_Load() {
  const tolvar::State& s = state();
  m_modus = s.Bearbeitungsmodus;
  m_ueberPNr.reset();
  if (m_modus == "Neu") {
    // The menu command sets the parent number right after the window is shown.
    QTimer::singleShot(0, this, [this] {
      if (!m_ueberPNr) m_ueberPNr = state().AktuelleUeberPNr;
    });
  }
  masterdata_ui::MausbildSetzen(this, "Zeiger_", true);
  masterdata_ui::MausbildSetzen(chbAktuell, "Hand_", true);
  masterdata_ui::MausbildSetzen(cmbArbeitMaterial, "Zeiger_", false);
  cmbArbeitMaterial->hide();

  opbTaetigkeit->setEnabled(true);
  opbGruppe->setEnabled(true);
  {
    // The proposal its handler would make follows below, once the boxes are cleared.
    const QSignalBlocker sperre(opbTaetigkeit);
    opbTaetigkeit->setChecked(true);
  }
  fraTaetigkeit->show();
  fraGruppe->hide();

  for (QLineEdit* box : {txtName, txtGruName, txtCode, txtGruCode, txtKuerzel, txtGruKuerzel}) box->clear();
  txtBemerkungen->clear();
  txtGruBemerkungen->clear();
  chbAktuell->setChecked(true);
  chbGruAktuell->setChecked(true);

  if (m_modus == "Neu") {
    BarcodeVorschlagen(txtCode);
    if (auto nummer = mdlMorvin5::NaechsteNummerErmitteln("StdTaetigkeiten")) txtNr->setText(Q(*nummer));
    masterdata_ui::MausbildSetzen(opbTaetigkeit, "Hand_", true);
    masterdata_ui::MausbildSetzen(opbGruppe, "Hand_", true);
  } else if (m_modus == "Aendern") {
    cmbArbeitMaterial->show();
    const int index = s.StdTaetigkeitIndex;
    if (index < 0 || index >= static_cast<int>(s.StdTaetigkeitListe.size())) return;
    const StdTaetigkeitSatz& satz = s.StdTaetigkeitListe[static_cast<std::size_t>(index)];
    // The options are set without their handlers: a stored record proposes no barcode.
    const QSignalBlocker sperreT(opbTaetigkeit);
    const QSignalBlocker sperreG(opbGruppe);
    opbGruppe->setChecked(satz.Gliederungspunkt);
    opbTaetigkeit->setChecked(!satz.Gliederungspunkt);
    fraGruppe->setVisible(satz.Gliederungspunkt);
    fraTaetigkeit->setVisible(!satz.Gliederungspunkt);
    opbTaetigkeit->hide();
    opbGruppe->hide();
    const QString code = QString::number(static_cast<qlonglong>(satz.Barcode));
    txtNr->setText(Q(satz.StdTaetigkeitNr));
    if (satz.Gliederungspunkt) {
      txtGruName->setText(Q(satz.Taetigkeit));
      txtGruKuerzel->setText(Q(satz.Kuerzel));
      txtGruCode->setText(code);
      txtGruBemerkungen->setPlainText(Q(satz.Bemerkungen));
      chbGruAktuell->setChecked(satz.Aktuell);
    } else {
      txtName->setText(Q(satz.Taetigkeit));
      txtKuerzel->setText(Q(satz.Kuerzel));
      txtCode->setText(code);
      txtBemerkungen->setPlainText(Q(satz.Bemerkungen));
      chbAktuell->setChecked(satz.Aktuell);
    }
  }
}

void frmTaetigkeiten::BarcodeVorschlagen(QLineEdit* box) {
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln("StdTaetigkeiten")) box->setText(Q(*code));
}

void frmTaetigkeiten::opbTaetigkeit_Click() {
  if (!opbTaetigkeit->isChecked()) return;
  fraTaetigkeit->show();
  fraGruppe->hide();
  BarcodeVorschlagen(txtCode);
}

void frmTaetigkeiten::opbGruppe_Click() {
  if (!opbGruppe->isChecked()) return;
  fraGruppe->show();
  fraTaetigkeit->hide();
  BarcodeVorschlagen(txtGruCode);
}

void frmTaetigkeiten::cmbSpeichern_Click() {
  masterdata::TaetigkeitEingabe e;
  e.opbTaetigkeit = opbTaetigkeit->isChecked();
  e.opbGruppe = opbGruppe->isChecked();
  e.txtNr = S(txtNr);
  e.txtName = S(txtName);
  e.txtKuerzel = S(txtKuerzel);
  e.txtBemerkungen = S(txtBemerkungen->toPlainText());
  e.txtCode = S(txtCode);
  e.chbAktuell = chbAktuell->isChecked();
  e.txtGruName = S(txtGruName);
  e.txtGruKuerzel = S(txtGruKuerzel);
  e.txtGruBemerkungen = S(txtGruBemerkungen->toPlainText());
  e.txtGruCode = S(txtGruCode);
  e.chbGruAktuell = chbGruAktuell->isChecked();

  tolvar::State& s = state();
  masterdata::SpeicherKontext kontext{s.AktuellerBetrieb, m_modus, m_ueberPNr.value_or(s.AktuelleUeberPNr)};
  const masterdata::SpeicherErgebnis ergebnis = masterdata::TaetigkeitSpeichern(kontext, e);
  // The short-name default stays visible in the window.
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtGruKuerzel->setText(Q(e.txtGruKuerzel));
  m_modus = kontext.Bearbeitungsmodus;
  s.Bearbeitungsmodus = m_modus;
  if (ergebnis.abgelehnt()) {
    if (auto* fokus = findChild<QWidget*>(Q(ergebnis.fokus))) fokus->setFocus();
    return;
  }
  Unload();
}

void frmTaetigkeiten::cmbAbbrechen_Click() { Unload(); }

void frmTaetigkeiten::cmbArbeitMaterial_Click() { frmArbeitMaterial::instanz().Show(); }

}  // namespace tolvar
