#include "masterdata/ui/frmPersonal.h"

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

#include "data/master_loaders.h"
#include "data/state.h"
#include "masterdata/numbering.h"
#include "masterdata/ui/frmLohneinteilung.h"
#include "masterdata/ui/frmWochenarbeitszeit.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"

namespace tolvar {

using masterdata_ui::Knopf;
using masterdata_ui::Mehrzeilig;
using masterdata_ui::MitHinweis;
using masterdata_ui::Textfeld;
using ui::Q;
using ui::S;

frmPersonal::frmPersonal() : Stammdateneditor(QStringLiteral("frmPersonal"), masterdata_ui::Personal, "5.4") {
  setCaption(QStringLiteral("Personal"));
  auto* layout = new QVBoxLayout(this);

  opbPerson = new QRadioButton(QStringLiteral("Neue Arbeitskraft eingeben"), this);
  opbPerson->setObjectName(QStringLiteral("opbPerson"));
  opbGruppe = new QRadioButton(QStringLiteral("Neue Gruppe anlegen"), this);
  opbGruppe->setObjectName(QStringLiteral("opbGruppe"));
  auto* optionen = new QHBoxLayout;
  optionen->addWidget(opbPerson);
  optionen->addWidget(opbGruppe);
  layout->addLayout(optionen);

  fraPersonal = new QGroupBox(QStringLiteral("Personaldaten"), this);
  fraPersonal->setObjectName(QStringLiteral("fraPersonal"));
  auto* p = new QFormLayout(fraPersonal);
  txtName = Textfeld(fraPersonal, "txtName", 100);
  txtVorname = Textfeld(fraPersonal, "txtVorname", 100);
  txtKuerzel = Textfeld(fraPersonal, "txtKuerzel", 10);
  txtCode = Textfeld(fraPersonal, "txtCode", 6);
  txtStrasse = Textfeld(fraPersonal, "txtStrasse");
  txtPostleitzahl = Textfeld(fraPersonal, "txtPostleitzahl", 5);
  txtOrt = Textfeld(fraPersonal, "txtOrt");
  txtTelefon = Textfeld(fraPersonal, "txtTelefon");
  dtpGeburtstag = new ui::DatePicker(fraPersonal);
  dtpGeburtstag->setObjectName(QStringLiteral("dtpGeburtstag"));
  cmdAusbildung = Knopf(fraPersonal, "cmdAusbildung", QStringLiteral("Anzeigen und/oder ändern"));
  cmbWochenarbeitszeit = Knopf(fraPersonal, "cmbWochenarbeitszeit", QStringLiteral("Anzeigen und/der ändern"));
  txtBemerkungen = Mehrzeilig(fraPersonal, "txtBemerkungen");
  chbAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), fraPersonal);
  chbAktuell->setObjectName(QStringLiteral("chbAktuell"));
  p->addRow(QStringLiteral("Name:"), txtName);
  p->addRow(QStringLiteral("Vorname:"), txtVorname);
  p->addRow(QStringLiteral("Namenskürzel:  "), MitHinweis(txtKuerzel, QStringLiteral("(max. 10 Zeichen)")));
  p->addRow(QStringLiteral("Barcode:"), MitHinweis(txtCode, QStringLiteral("(2******)")));
  p->addRow(QStringLiteral("Straße:"), txtStrasse);
  p->addRow(QStringLiteral("Postleitzahl:"), MitHinweis(txtPostleitzahl, QStringLiteral("(max. 5 Zeichen)")));
  p->addRow(QStringLiteral("Ort:"), txtOrt);
  p->addRow(QStringLiteral("Telefon:"), txtTelefon);
  p->addRow(QStringLiteral("Geburtstag:"), MitHinweis(dtpGeburtstag, QStringLiteral("(tt.mm.jjjj)")));
  p->addRow(QStringLiteral("Ausbildung/Lohn:"), cmdAusbildung);
  p->addRow(QStringLiteral("Wochenarbeitszeit:"), cmbWochenarbeitszeit);
  p->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  p->addRow(chbAktuell);
  layout->addWidget(fraPersonal);

  fraGruppe = new QGroupBox(QStringLiteral("Gruppendaten"), this);
  fraGruppe->setObjectName(QStringLiteral("fraGruppe"));
  auto* g = new QFormLayout(fraGruppe);
  txtGruName = Textfeld(fraGruppe, "txtGruName");
  txtGruKuerzel = Textfeld(fraGruppe, "txtGruKuerzel", 10);
  txtGruCode = Textfeld(fraGruppe, "txtGruCode", 6);
  txtGruBemerkung = Mehrzeilig(fraGruppe, "txtGruBemerkung");
  chbGruAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), fraGruppe);
  chbGruAktuell->setObjectName(QStringLiteral("chbGruAktuell"));
  g->addRow(QStringLiteral("Name:"), txtGruName);
  g->addRow(QStringLiteral("Namenskürzel:  "), MitHinweis(txtGruKuerzel, QStringLiteral("(max. 10 Zeichen)")));
  g->addRow(QStringLiteral("Barcode:"), MitHinweis(txtGruCode, QStringLiteral("(2******)")));
  g->addRow(QStringLiteral("Bemerkungen:"), txtGruBemerkung);
  g->addRow(chbGruAktuell);
  layout->addWidget(fraGruppe);

  txtNr = Textfeld(this, "txtNr");
  txtNr->hide();
  masterdata_ui::BarcodeFeldSperren(txtCode);
  masterdata_ui::BarcodeFeldSperren(txtGruCode);

  cmbSpeichern = Knopf(this, "cmbSpeichern", QStringLiteral("Speichern"));
  cmbAbbrechen = Knopf(this, "cmbAbbrechen", QStringLiteral("Abbrechen"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbHilfe);
  knoepfe->addWidget(cmbSpeichern);
  knoepfe->addWidget(cmbAbbrechen);
  layout->addLayout(knoepfe);

  // Selecting an option from code runs its handler too.
  connect(opbPerson, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbPerson_Click();
  });
  connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbGruppe_Click();
  });
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbrechen, &QPushButton::clicked, this, [this] { cmbAbbrechen_Click(); });
  connect(cmdAusbildung, &QPushButton::clicked, this, [this] { cmdAusbildung_Click(); });
  connect(cmbWochenarbeitszeit, &QPushButton::clicked, this, [this] { cmbWochenarbeitszeit_Click(); });
}

void frmPersonal::Form_Load() {
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
  masterdata_ui::MausbildSetzen(chbGruAktuell, "Hand_", true);

  opbPerson->setEnabled(true);
  opbGruppe->setEnabled(true);
  {
    // The proposal its handler would make follows below, once the boxes are cleared.
    const QSignalBlocker sperre(opbPerson);
    opbPerson->setChecked(true);
  }
  fraPersonal->show();
  fraGruppe->hide();
  for (QLineEdit* box : {txtName, txtGruName, txtVorname, txtCode, txtGruCode, txtKuerzel, txtGruKuerzel, txtOrt,
                         txtPostleitzahl, txtStrasse, txtTelefon}) {
    box->clear();
  }
  txtBemerkungen->clear();
  txtGruBemerkung->clear();
  dtpGeburtstag->SetValue(base::Today());
  chbAktuell->setChecked(true);
  chbGruAktuell->setChecked(true);

  if (m_modus == "Neu") {
    BarcodeVorschlagen(txtCode);
    if (auto nummer = mdlMorvin5::NaechsteNummerErmitteln("Personal")) txtNr->setText(Q(*nummer));
    masterdata_ui::MausbildSetzen(opbPerson, "Hand_", true);
    masterdata_ui::MausbildSetzen(opbGruppe, "Hand_", true);
    return;
  }
  if (m_modus != "Aendern") return;
  const int index = s.PersonalIndex;
  if (index < 0 || index >= static_cast<int>(s.PersonalListe.size())) return;
  const PersonalSatz& satz = s.PersonalListe[static_cast<std::size_t>(index)];
  {
    // A stored record proposes no barcode: its own is shown.
    const QSignalBlocker sperreP(opbPerson);
    const QSignalBlocker sperreG(opbGruppe);
    opbGruppe->setChecked(satz.Gliederungspunkt);
    opbPerson->setChecked(!satz.Gliederungspunkt);
  }
  fraGruppe->setVisible(satz.Gliederungspunkt);
  fraPersonal->setVisible(!satz.Gliederungspunkt);
  opbPerson->hide();
  opbGruppe->hide();
  const QString code = QString::number(static_cast<qlonglong>(satz.Barcode));
  txtNr->setText(Q(satz.PersonalNr));
  if (satz.Gliederungspunkt) {
    txtGruName->setText(Q(satz.Name));
    txtGruKuerzel->setText(Q(satz.Kuerzel));
    txtGruCode->setText(code);
    txtGruBemerkung->setPlainText(Q(satz.Bemerkungen));
    chbGruAktuell->setChecked(satz.Aktuell);
    return;
  }
  txtName->setText(Q(satz.Name));
  txtVorname->setText(Q(satz.Vorname));
  txtKuerzel->setText(Q(satz.Kuerzel));
  txtCode->setText(code);
  txtBemerkungen->setPlainText(Q(satz.Bemerkungen));
  txtOrt->setText(Q(satz.Ort));
  txtPostleitzahl->setText(Q(satz.Postleitzahl));
  txtStrasse->setText(Q(satz.Strasse));
  txtTelefon->setText(Q(satz.Telefon));
  // 01.01.1900 (or an empty date) means no birthday: the picker keeps today.
  if (satz.Geburtstag > base::kNoDate) dtpGeburtstag->SetValue(satz.Geburtstag);
  chbAktuell->setChecked(satz.Aktuell);
}

void frmPersonal::Form_Unload(bool& cancel) {
  // The weekly working time belongs to the person of this window; it closes with it.
  if (frmWochenarbeitszeit::IsLoaded()) frmWochenarbeitszeit::instanz().Unload();
  Stammdateneditor::Form_Unload(cancel);
}

void frmPersonal::Form_KeyDown(int key, int shift) {
  // "Hilfe" is the default button and "Abbrechen" the cancel button.
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    cmbHilfe_Click();
  } else if (key == Qt::Key_Escape) {
    cmbAbbrechen_Click();
  } else {
    Stammdateneditor::Form_KeyDown(key, shift);
  }
}

void frmPersonal::BarcodeVorschlagen(QLineEdit* box) {
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln("Personal")) box->setText(Q(*code));
}

void frmPersonal::opbPerson_Click() {
  if (!opbPerson->isChecked()) return;
  fraPersonal->show();
  fraGruppe->hide();
  BarcodeVorschlagen(txtCode);
}

void frmPersonal::opbGruppe_Click() {
  if (!opbGruppe->isChecked()) return;
  fraGruppe->show();
  fraPersonal->hide();
  BarcodeVorschlagen(txtGruCode);
}

masterdata::SpeicherErgebnis frmPersonal::Speichern() {
  masterdata::PersonalEingabe e;
  e.opbPerson = opbPerson->isChecked();
  e.opbGruppe = opbGruppe->isChecked();
  e.txtNr = S(txtNr);
  e.txtName = S(txtName);
  e.txtVorname = S(txtVorname);
  e.txtKuerzel = S(txtKuerzel);
  e.txtStrasse = S(txtStrasse);
  e.txtPostleitzahl = S(txtPostleitzahl);
  e.txtOrt = S(txtOrt);
  e.txtTelefon = S(txtTelefon);
  e.dtpGeburtstag = dtpGeburtstag->Value();
  e.txtBemerkungen = S(txtBemerkungen->toPlainText());
  e.txtCode = S(txtCode);
  e.chbAktuell = chbAktuell->isChecked();
  e.txtGruName = S(txtGruName);
  e.txtGruKuerzel = S(txtGruKuerzel);
  e.txtGruBemerkung = S(txtGruBemerkung->toPlainText());
  e.txtGruCode = S(txtGruCode);
  e.chbGruAktuell = chbGruAktuell->isChecked();

  tolvar::State& s = state();
  masterdata::SpeicherKontext kontext{s.AktuellerBetrieb, m_modus, m_ueberPNr.value_or(s.AktuelleUeberPNr)};
  const masterdata::SpeicherErgebnis ergebnis = masterdata::PersonalSpeichern(kontext, e);
  // The short-name default stays visible in the window.
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtGruKuerzel->setText(Q(e.txtGruKuerzel));
  m_modus = kontext.Bearbeitungsmodus;
  s.Bearbeitungsmodus = m_modus;
  if (ergebnis.abgelehnt()) {
    if (auto* fokus = findChild<QWidget*>(Q(ergebnis.fokus))) fokus->setFocus();
  }
  return ergebnis;
}

void frmPersonal::cmbSpeichern_Click() {
  if (Speichern().abgelehnt()) return;
  Unload();
}

void frmPersonal::cmdAusbildung_Click() {
  Speichern();
  mdlDatenLaden::PersonalLaden();
  // The person is found by its number: barcodes need not be unique.
  tolvar::State& s = state();
  const std::string nummer = S(txtNr);
  int gefunden = -1;
  for (int i = 0; i < s.AnzahlPersonal && i < static_cast<int>(s.PersonalListe.size()); ++i) {
    if (!nummer.empty() && s.PersonalListe[static_cast<std::size_t>(i)].PersonalNr == nummer) {
      gefunden = i;
      break;
    }
  }
  if (gefunden < 0) return;
  s.PersonalIndex = gefunden;
  const bool warOffen = frmLohneinteilung::IsLoaded();
  frmLohneinteilung& fenster = frmLohneinteilung::instanz();
  if (warOffen) fenster.PersonLaden();
  fenster.Show();
}

void frmPersonal::cmbWochenarbeitszeit_Click() {
  // A new person is stored first, so its hours never hang on a number nobody owns.
  if (m_modus == "Neu") {
    const masterdata::SpeicherErgebnis ergebnis = Speichern();
    if (ergebnis.status != masterdata::SpeicherStatus::Gespeichert) return;
  }
  frmWochenarbeitszeit::instanz().Show();
}

void frmPersonal::cmbAbbrechen_Click() { Unload(); }

}  // namespace tolvar
