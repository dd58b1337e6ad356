// The settings window's wage-group tab and the energy tab's own controls (electricity price,
// switching between the fuel and the covering editor).
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/state.h"
#include "settings/mdlTarif.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/mdlExcel_rechner.h"
#include "settings/ui/vantel_editors.h"
#include "settings/vantel_materials.h"

namespace tolvar {

using ui::Q;
using ui::S;

// ------------------------------------------------------------------------- wage groups

void frmEinstellungen::Auffuellen() {
  comLohn->clear();
  for (const std::string& name : mdlTarif::Lohngruppennamen(state().settings)) comLohn->addItem(Q(name));
}

void frmEinstellungen::LohnWaehlen(int index) {
  if (index < 0 || index >= comLohn->count()) return;
  comLohn->setCurrentIndex(index);
  comLohn_Click();
}

void frmEinstellungen::LohngruppenAktivieren() {
  mdlTarif::TarifLaden();
  Auffuellen();
  LohnWaehlen(0);
  opbLohngruppeBearbeiten->setChecked(true);
}

void frmEinstellungen::opbLohngruppeBearbeiten_Click() {
  cmbLoeschen->setText(QStringLiteral("Entfernen"));
  LohnWaehlen(0);
  lblBezeichnung[1]->setText(QStringLiteral("Aktuelle Lohngruppe:"));
}

void frmEinstellungen::opbNeueLohngruppe_Click() {
  cmbLoeschen->setText(QStringLiteral("Abbrechen"));
  txtLohnB->clear();
  txtLohngruppeB->clear();
  lblBezeichnung[1]->setText(QStringLiteral("Neue Lohngruppe:"));
}

void frmEinstellungen::comLohn_Click() {
  if (!opbLohngruppeBearbeiten->isChecked()) return;
  const mdlTarif::LohngruppeAuswahl gruppe = mdlTarif::LohngruppeNachName(S(comLohn->currentText()), state().settings);
  if (gruppe.Index < 0) return;
  state().windows.Merkwert = gruppe.Index;
  txtLohngruppeB->setText(Q(gruppe.Tarif));
  txtLohnB->setText(Q(gruppe.Lohn));
  txtloeschen->setText(Q(gruppe.IdText));
}

void frmEinstellungen::cmbSpeichern_Click() {
  if (opbNeueLohngruppe->isChecked()) {
    const mdlTarif::LohngruppenStatus r =
        mdlTarif::LohngruppeAnlegen(S(txtLohngruppeB), S(txtLohnB), mdlTarif::Pruefreihenfolge::NameZuerst);
    if (r == mdlTarif::LohngruppenStatus::Ungueltig) txtLohnB->setFocus();
    if (r != mdlTarif::LohngruppenStatus::Gespeichert) return;
    mdlTarif::TarifLaden();
    Auffuellen();
    opbLohngruppeBearbeiten->setChecked(true);
    return;
  }
  const int gewaehlt = comLohn->currentIndex();
  const mdlTarif::LohngruppenStatus r = mdlTarif::LohngruppeAendern(S(txtloeschen), S(txtLohngruppeB), S(txtLohnB));
  if (r == mdlTarif::LohngruppenStatus::Ungueltig) txtLohnB->setFocus();
  if (r != mdlTarif::LohngruppenStatus::Gespeichert) return;
  mdlTarif::TarifLaden();
  Auffuellen();
  LohnWaehlen(gewaehlt);
  opbLohngruppeBearbeiten->setChecked(true);
}

void frmEinstellungen::cmbLoeschen_Click() {
  if (cmbLoeschen->text() == QStringLiteral("Abbrechen")) {
    opbLohngruppeBearbeiten->setChecked(true);
    return;
  }
  state().windows.AufrufAusEinstellungen = true;
  mdlTarif::LohngruppeEntfernen(S(txtloeschen));
  mdlTarif::TarifLaden();
  Auffuellen();
  LohnWaehlen(0);
  opbLohngruppeBearbeiten->setChecked(true);
}

void frmEinstellungen::cmbLohnkalkulationxls_Click() { mdlExcel::LohnkostenInExcelErmitteln(*this); }

// ------------------------------------------------------------------------- energy

void frmEinstellungen::ElektrischeEnergieLaden() { txtKWH->setText(Q(state().enterprise.AktuelleEinstellungen.Strom)); }

void frmEinstellungen::BrennstoffLaden() { brennstoff->BrennstoffLaden(); }

void frmEinstellungen::BrennstoffEintragen() { brennstoff->BrennstoffEintragen(); }

void frmEinstellungen::cmbWechsel_Click() {
  if (cmbWechsel->text() == QStringLiteral("GWH-Materialverwaltung")) {
    fraHeizung->setVisible(false);
    fraEindeckung->setVisible(true);
    eindeckung->VonVorn();
    cmbWechsel->setText(QStringLiteral("Brennstoff-Verwaltung"));
  } else {
    fraHeizung->setVisible(true);
    fraEindeckung->setVisible(false);
    brennstoff->VonVorn();
    cmbWechsel->setText(QStringLiteral("GWH-Materialverwaltung"));
  }
}

void frmEinstellungen::cmbStromOK_Click() { settings::StromSpeichern(S(txtKWH)); }

}  // namespace tolvar
