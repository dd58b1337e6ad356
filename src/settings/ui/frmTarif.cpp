#include "settings/ui/frmTarif.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/mdlHilfe.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "masterdata/ui/frmLohneinteilung.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "settings/mdlTarif.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/mdlExcel_rechner.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeGroup;
using ui::MakeLabel;
using ui::MakeTextBox;
using ui::Q;
using ui::S;

frmTarif::frmTarif() : FormOf(QStringLiteral("frmTarif"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Lohngruppenverwaltung"));
  const auto label = [](QWidget* parent, int index, const QString& text) {
    return MakeLabel(parent, ui::ControlName(QStringLiteral("lblBezeichnung"), index), text);
  };
  auto* layout = new QGridLayout(this);
  opbBearbeiten = ui::MakeOptionButton(this, QStringLiteral("opbBearbeiten"), QStringLiteral("Lohngruppe Bearbeiten"));
  opbNeu = ui::MakeOptionButton(this, QStringLiteral("opbNeu"), QStringLiteral("Neue Lohngruppe"));
  layout->addWidget(opbBearbeiten, 0, 0);
  layout->addWidget(opbNeu, 0, 1);

  fraBearbeiten = MakeGroup(this, QStringLiteral("fraBearbeiten"), QStringLiteral("Lohngruppe bearbeiten"));
  auto* bearbeiten = new QGridLayout(fraBearbeiten);
  comLohn = ui::MakeComboBox(fraBearbeiten, QStringLiteral("comLohn"));
  txtLohngruppeB = MakeTextBox(fraBearbeiten, QStringLiteral("txtLohngruppeB"));
  txtLohnB = MakeTextBox(fraBearbeiten, QStringLiteral("txtLohnB"));
  cmbOK = MakeButton(fraBearbeiten, QStringLiteral("cmbOK"), QStringLiteral("Speichern"));
  cmbEntfernen = MakeButton(fraBearbeiten, QStringLiteral("cmbEntfernen"), QStringLiteral("Entfernen"));
  cmbAbbruch = MakeButton(fraBearbeiten, QStringLiteral("cmbAbbruch"), QStringLiteral("Beenden"));
  bearbeiten->addWidget(comLohn, 0, 0, 1, 3);
  bearbeiten->addWidget(txtLohngruppeB, 1, 0, 1, 2);
  bearbeiten->addWidget(txtLohnB, 1, 2);
  bearbeiten->addWidget(cmbOK, 2, 0);
  bearbeiten->addWidget(cmbEntfernen, 2, 1);
  bearbeiten->addWidget(cmbAbbruch, 2, 2);
  layout->addWidget(fraBearbeiten, 1, 0, 1, 2);

  fraNeu = MakeGroup(this, QStringLiteral("fraNeu"), QStringLiteral("Neue Lohngruppe"));
  auto* neu = new QGridLayout(fraNeu);
  txtLohngruppe = MakeTextBox(fraNeu, QStringLiteral("txtLohngruppe"));
  txtLohn = MakeTextBox(fraNeu, QStringLiteral("txtLohn"));
  cmbNeuSpeichern = MakeButton(fraNeu, QStringLiteral("cmbNeuSpeichern"), QStringLiteral("Speichern"));
  cmbNeuAbbruch = MakeButton(fraNeu, QStringLiteral("cmbNeuAbbruch"), QStringLiteral("Beenden"));
  neu->addWidget(label(fraNeu, 0, QStringLiteral("Lohngruppe:")), 0, 0);
  neu->addWidget(txtLohngruppe, 0, 1, 1, 2);
  neu->addWidget(label(fraNeu, 1, QStringLiteral("Lohn:")), 1, 0);
  neu->addWidget(txtLohn, 1, 1);
  neu->addWidget(label(fraNeu, 3, QStringLiteral("€/ Stunde")), 1, 2);
  neu->addWidget(cmbNeuSpeichern, 2, 1);
  neu->addWidget(cmbNeuAbbruch, 2, 2);
  layout->addWidget(fraNeu, 2, 0, 1, 2);
  fraNeu->setVisible(false);

  cmbLohnkostenxls = MakeButton(this, QStringLiteral("cmbLohnkostenxls"), QStringLiteral("Lohnkosten.xls starten"));
  layout->addWidget(cmbLohnkostenxls, 3, 0, 1, 2);
  txtloeschen = MakeTextBox(this, QStringLiteral("txtloeschen"));
  txtloeschen->setText(QStringLiteral("Text1"));
  txtloeschen->setVisible(false);

  connect(opbBearbeiten, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbBearbeiten_Click();
  });
  connect(opbNeu, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbNeu_Click();
  });
  connect(comLohn, &QComboBox::activated, this, [this](int) { comLohn_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, &frmTarif::cmbOK_Click);
  connect(cmbEntfernen, &QPushButton::clicked, this, &frmTarif::cmbEntfernen_Click);
  connect(cmbNeuSpeichern, &QPushButton::clicked, this, &frmTarif::cmbNeuSpeichern_Click);
  connect(cmbAbbruch, &QPushButton::clicked, this, &frmTarif::cmbAbbruch_Click);
  connect(cmbNeuAbbruch, &QPushButton::clicked, this, &frmTarif::cmbNeuAbbruch_Click);
  connect(cmbLohnkostenxls, &QPushButton::clicked, this, &frmTarif::cmbLohnkostenxls_Click);
}

void frmTarif::Form_Load() {
  settings::ui::Zeiger(this, "Zeiger_");
  settings::ui::Zeiger(opbBearbeiten, "Hand_");
  settings::ui::Zeiger(opbNeu, "Hand_");
  if (frmLohneinteilung::IsLoaded()) {
    m_lohneinteilungFuer = frmLohneinteilung::instanz().PersonalNr();
    frmLohneinteilung::instanz().Unload();
  }
  opbBearbeiten->setChecked(true);
  fraNeu->setVisible(false);
  fraBearbeiten->setVisible(true);
  // The list as it stands: the window does not reload it.
  const tolvar::State& s = state();
  for (const LohngruppeSatz& gruppe : UsedSlots(s.settings.LohngruppeListe, s.settings.AnzahlLohngruppen)) {
    const std::string& name = gruppe.Tarif;
    if (name.empty()) break;
    comLohn->addItem(Q(name));
  }
  if (comLohn->count() > 0) LohnWaehlen(0);
}

void frmTarif::Form_Unload(bool& /*cancel*/) {
  frmLohneinteilung& lohneinteilung = frmLohneinteilung::instanz();
  if (m_lohneinteilungFuer) lohneinteilung.PersonLaden(*m_lohneinteilungFuer);
  lohneinteilung.Show();
}

void frmTarif::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.5");
}

void frmTarif::Auffuellen() {
  comLohn->clear();
  for (const std::string& name : mdlTarif::Lohngruppennamen(state().settings)) comLohn->addItem(Q(name));
}

void frmTarif::LohnWaehlen(int index) {
  if (index < 0 || index >= comLohn->count()) return;
  comLohn->setCurrentIndex(index);
  comLohn_Click();
}

void frmTarif::opbBearbeiten_Click() {
  LohnWaehlen(comLohn->count() - 1);
  fraNeu->setVisible(false);
  fraBearbeiten->setVisible(true);
}

void frmTarif::opbNeu_Click() {
  txtloeschen->clear();
  fraNeu->setVisible(true);
  fraBearbeiten->setVisible(false);
}

void frmTarif::comLohn_Click() {
  txtLohngruppeB->setText(comLohn->currentText());
  const mdlTarif::LohngruppeAuswahl gruppe = mdlTarif::LohngruppeNachName(S(comLohn->currentText()), state().settings);
  if (gruppe.Index < 0) return;
  txtLohnB->setText(Q(gruppe.Lohn));
  txtloeschen->setText(Q(gruppe.IdText));
  state().windows.Merkwert = gruppe.Index;
}

void frmTarif::cmbOK_Click() {
  const int gewaehlt = comLohn->currentIndex();
  const mdlTarif::LohngruppenStatus ergebnis =
      mdlTarif::LohngruppeAendern(S(txtloeschen), S(txtLohngruppeB), S(txtLohnB));
  if (ergebnis == mdlTarif::LohngruppenStatus::Fehler) {
    mdlFehler::MeldungWerteFehlen();
    return;
  }
  if (ergebnis == mdlTarif::LohngruppenStatus::Ungueltig) txtLohnB->setFocus();
  if (ergebnis != mdlTarif::LohngruppenStatus::Gespeichert) return;
  mdlTarif::TarifLaden();
  Auffuellen();
  LohnWaehlen(gewaehlt);
}

void frmTarif::cmbEntfernen_Click() {
  state().windows.AufrufAusEinstellungen = false;
  mdlTarif::LohngruppeEntfernen(S(txtloeschen));
  mdlTarif::TarifLaden();
  Auffuellen();
  LohnWaehlen(0);
}

void frmTarif::cmbNeuSpeichern_Click() {
  const mdlTarif::LohngruppenStatus ergebnis =
      mdlTarif::LohngruppeAnlegen(S(txtLohngruppe), S(txtLohn), mdlTarif::Pruefreihenfolge::LeereZuerst);
  if (ergebnis == mdlTarif::LohngruppenStatus::Ungueltig) txtLohn->setFocus();
  if (ergebnis != mdlTarif::LohngruppenStatus::Gespeichert) return;
  mdlTarif::TarifLaden();
  Auffuellen();
}

void frmTarif::cmbAbbruch_Click() { Unload(); }
void frmTarif::cmbNeuAbbruch_Click() { Unload(); }

void frmTarif::cmbLohnkostenxls_Click() { mdlExcel::LohnkostenInExcelErmitteln(*this); }

}  // namespace tolvar
