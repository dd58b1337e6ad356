#include "masterdata/ui/frmPersonal.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "masterdata/ui/frmLohneinteilung.h"
#include "masterdata/ui/frmWochenarbeitszeit.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeMultiLineBox;
using ui::MakeTextBox;
using ui::Q;
using ui::S;

frmPersonal::frmPersonal() : Morvineditor(QStringLiteral("frmPersonal"), masterdata::ui::Personal, "5.4", "Personal") {
  setCaption(QStringLiteral("Personal"));
  auto* layout = new QVBoxLayout(this);
  opbPerson = OptionenBauen(layout, "opbPerson", QStringLiteral("Neue Arbeitskraft eingeben"));

  fraPersonal = SatzrahmenBauen("fraPersonal", QStringLiteral("Personaldaten"));
  auto* p = new QFormLayout(fraPersonal);
  txtName = MakeTextBox(fraPersonal, QStringLiteral("txtName"), 100);
  txtVorname = MakeTextBox(fraPersonal, QStringLiteral("txtVorname"), 100);
  txtKuerzel = MakeTextBox(fraPersonal, QStringLiteral("txtKuerzel"), 10);
  txtCode = MakeTextBox(fraPersonal, QStringLiteral("txtCode"), 6);
  txtStrasse = MakeTextBox(fraPersonal, QStringLiteral("txtStrasse"));
  txtPostleitzahl = MakeTextBox(fraPersonal, QStringLiteral("txtPostleitzahl"), 5);
  txtOrt = MakeTextBox(fraPersonal, QStringLiteral("txtOrt"));
  txtTelefon = MakeTextBox(fraPersonal, QStringLiteral("txtTelefon"));
  dtpGeburtstag = new ui::DatePicker(fraPersonal);
  dtpGeburtstag->setObjectName(QStringLiteral("dtpGeburtstag"));
  cmdAusbildung = MakeButton(fraPersonal, QStringLiteral("cmdAusbildung"), QStringLiteral("Anzeigen und/oder ändern"));
  cmbWochenarbeitszeit =
      MakeButton(fraPersonal, QStringLiteral("cmbWochenarbeitszeit"), QStringLiteral("Anzeigen und/der ändern"));
  txtBemerkungen = MakeMultiLineBox(fraPersonal, QStringLiteral("txtBemerkungen"));
  chbAktuell = ui::MakeCheckBox(fraPersonal, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"));
  p->addRow(QStringLiteral("Name:"), txtName);
  p->addRow(QStringLiteral("Vorname:"), txtVorname);
  ui::AddFormRow(p, QStringLiteral("Namenskürzel:  "), txtKuerzel, QStringLiteral("(max. 10 Zeichen)"));
  ui::AddFormRow(p, QStringLiteral("Barcode:"), txtCode, QStringLiteral("(2******)"));
  p->addRow(QStringLiteral("Straße:"), txtStrasse);
  ui::AddFormRow(p, QStringLiteral("Postleitzahl:"), txtPostleitzahl, QStringLiteral("(max. 5 Zeichen)"));
  p->addRow(QStringLiteral("Ort:"), txtOrt);
  p->addRow(QStringLiteral("Telefon:"), txtTelefon);
  ui::AddFormRow(p, QStringLiteral("Geburtstag:"), dtpGeburtstag, QStringLiteral("(tt.mm.jjjj)"));
  p->addRow(QStringLiteral("Ausbildung/Lohn:"), cmdAusbildung);
  p->addRow(QStringLiteral("Wochenarbeitszeit:"), cmbWochenarbeitszeit);
  p->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  p->addRow(chbAktuell);
  layout->addWidget(fraPersonal);

  txtGruBemerkung = GruppenrahmenBauen(
      layout, {.name = "Name:", .kuerzel = "Namenskürzel:  ", .barcode = "(2******)", .bemerkung = "txtGruBemerkung"});
  NummerBauen();

  cmbSpeichern = MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  cmbAbbrechen = MakeButton(this, QStringLiteral("cmbAbbrechen"), QStringLiteral("Abbrechen"));
  KnopfzeileBauen(layout, cmbSpeichern, cmbAbbrechen);

  TabfolgeSetzen({txtName, txtVorname, txtKuerzel, txtCode, txtStrasse, txtPostleitzahl, txtOrt, txtTelefon,
                  dtpGeburtstag, cmdAusbildung, cmbWochenarbeitszeit, txtBemerkungen, chbAktuell});
  // "Hilfe" is the default button: Enter in any box shows the help and does nothing else.
  SetDefaultButton(cmbHilfe);
  Verbinden();
  connect(cmdAusbildung, &QPushButton::clicked, this, [this] { cmdAusbildung_Click(); });
  connect(cmbWochenarbeitszeit, &QPushButton::clicked, this, [this] { cmbWochenarbeitszeit_Click(); });
}

void frmPersonal::Form_Load() {
  ModusUebernehmen();
  masterdata::ui::MausbildSetzen(this, "Zeiger_", true);
  masterdata::ui::MausbildSetzen(chbAktuell, "Hand_", true);
  masterdata::ui::MausbildSetzen(chbGruAktuell, "Hand_", true);
  Zuruecksetzen();
  for (QLineEdit* box : {txtVorname, txtOrt, txtPostleitzahl, txtStrasse, txtTelefon}) box->clear();
  dtpGeburtstag->SetValue(base::Today());

  if (Modus() == "Neu") {
    NeuVorbereiten();
    return;
  }
  if (Modus() != "Aendern") return;
  const tolvar::State& s = state();
  const PersonalSatz* gewaehlt = At(s.masters.PersonalListe, s.selection.PersonalIndex);
  if (gewaehlt == nullptr) return;
  const PersonalSatz& satz = *gewaehlt;
  GespeichertZeigen({.gruppe = satz.Gliederungspunkt,
                     .nr = satz.PersonalNr,
                     .barcode = satz.Barcode,
                     .name = satz.Name,
                     .kuerzel = satz.Kuerzel,
                     .bemerkungen = satz.Bemerkungen,
                     .aktuell = satz.Aktuell});
  if (satz.Gliederungspunkt) return;
  txtVorname->setText(Q(satz.Vorname));
  txtOrt->setText(Q(satz.Ort));
  txtPostleitzahl->setText(Q(satz.Postleitzahl));
  txtStrasse->setText(Q(satz.Strasse));
  txtTelefon->setText(Q(satz.Telefon));
  // 01.01.1900 (or an empty date) means no birthday: the picker keeps today.
  if (satz.Geburtstag > base::kNoDate) dtpGeburtstag->SetValue(satz.Geburtstag);
}

void frmPersonal::Form_Unload(bool& cancel) {
  // The weekly working time belongs to the person of this window; it closes with it.
  if (frmWochenarbeitszeit::IsLoaded()) frmWochenarbeitszeit::instanz().Unload();
  Morvineditor::Form_Unload(cancel);
}

void frmPersonal::Form_KeyDown(int key, int shift) {
  // "Abbrechen" is the cancel button.
  if (key == Qt::Key_Escape) {
    cmbAbbrechen_Click();
  } else {
    Morvineditor::Form_KeyDown(key, shift);
  }
}

masterdata::StammdatenSpeicherergebnis frmPersonal::Speichern() {
  masterdata::PersonalEingabe e;
  e.opbPerson = opbPerson->isChecked();
  e.txtVorname = S(txtVorname);
  e.txtStrasse = S(txtStrasse);
  e.txtPostleitzahl = S(txtPostleitzahl);
  e.txtOrt = S(txtOrt);
  e.txtTelefon = S(txtTelefon);
  e.dtpGeburtstag = dtpGeburtstag->Value();
  e.txtGruBemerkung = S(txtGruBemerkung->toPlainText());
  return EingabeSpeichern(e, &masterdata::PersonalSpeichern);
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
  for (int i = 0; i < static_cast<int>(s.masters.PersonalListe.size()); ++i) {
    if (!nummer.empty() && s.masters.PersonalListe[static_cast<std::size_t>(i)].PersonalNr == nummer) {
      gefunden = i;
      break;
    }
  }
  if (gefunden < 0) return;
  s.selection.PersonalIndex = gefunden;
  const bool warOffen = frmLohneinteilung::IsLoaded();
  frmLohneinteilung& fenster = frmLohneinteilung::instanz();
  if (warOffen) fenster.PersonLaden();
  fenster.Show();
}

void frmPersonal::cmbWochenarbeitszeit_Click() {
  // A new person is stored first, so its hours never hang on a number nobody owns.
  if (Modus() == "Neu") {
    const masterdata::StammdatenSpeicherergebnis ergebnis = Speichern();
    if (ergebnis.status != masterdata::SpeicherStatus::Gespeichert) return;
  }
  frmWochenarbeitszeit::instanz().Show();
}

}  // namespace tolvar
