#include "masterdata/ui/frmSubstrat.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "masterdata/calculator.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/substrate.h"
#include "masterdata/ui/frmRechner.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeLabel;
using ui::Q;
using ui::S;

frmSubstrat::frmSubstrat() : Materialeditor(QStringLiteral("frmSubstrat"), "5.3.2", true) {
  setCaption(QStringLiteral("Substrate"));
  cmbHilfe->hide();  // the substrate editor offers help on F1 only
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtPreis = ui::MakeTextBox(this, QStringLiteral("txtPreis"));
  opbBezug[1] = new QRadioButton(QStringLiteral("€ je Liter"), this);
  opbBezug[2] = new QRadioButton(QStringLiteral("€ je m³"), this);
  opbBezug[1]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 1));
  opbBezug[2]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 2));

  KopfzeilenAnfuegen(form);
  form->addRow(MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 1), QStringLiteral("Preis:")),
               txtPreis);
  form->addRow(opbBezug[1]);
  form->addRow(opbBezug[2]);
  layout->addLayout(form);

  cmbNeu = MakeButton(this, QStringLiteral("cmbNeu"), QStringLiteral("Neuer Datensatz"));
  cmbRechner = MakeButton(this, QStringLiteral("cmbRechner"), QStringLiteral("Taschenrechner"));
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* knopf : {cmbNeu, cmbSpeichern, cmbAbbruch, cmbRechner}) knoepfe->addWidget(knopf);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  SetTabOrder({cmbNeu, cmbSpeichern, cmbAbbruch, cmbRechner, opbBezug[1], opbBezug[2], txtPreis, txtBemerkungen,
               txtCode, txtKuerzel, txtName, chbAktuell, cmbHilfe});

  ui::InstallNumericFilter(txtPreis);
  masterdata::ui::EnterFuehrtZu(txtPreis, cmbSpeichern);

  connect(cmbNeu, &QPushButton::clicked, this, [this] { cmbNeu_Click(); });
  connect(cmbRechner, &QPushButton::clicked, this, [this] { cmbRechner_Click(); });
}

void frmSubstrat::Leeren() {
  for (QLineEdit* box : {txtName, txtKuerzel, txtPreis}) box->clear();
  txtBemerkungen->clear();
  opbBezug[1]->setChecked(true);
}

void frmSubstrat::BarcodeVorschlagen() {
  if (auto code = mdlMorvin5::SubstratBarcodeErmitteln()) txtCode->setText(Q(*code));
}

void frmSubstrat::Form_Load() {
  MauszeigerSetzen({opbBezug[1], opbBezug[2]});
  tolvar::State& s = state();
  s.windows.Merkwert = masterdata::kSubstratPreis;
  cmbNeu->hide();
  Leeren();
  chbAktuell->setChecked(false);

  m_kontext = MaterialKontext{s.selection.BearbeitungsmodusSubstrat, std::string(), "1008"};
  if (m_kontext.Bearbeitungsmodus == "Neu") {
    BarcodeVorschlagen();
    return;
  }
  if (m_kontext.Bearbeitungsmodus != "Aendern") return;
  const MaterialSatz* substrat = masterdata::ui::MaterialAn(s.selection.SubstratIndex);
  if (substrat == nullptr) return;
  m_kontext.MaterialNr = substrat->MaterialNr;
  const SubstratEingaben e = masterdata::SubstratEingabenLaden(*substrat);
  KopfZeigen(e);
  txtPreis->setText(Q(e.txtPreis));
  opbBezug[e.opbBezug == 2 ? 2 : 1]->setChecked(true);
}

void frmSubstrat::cmbSpeichern_Click() {
  SubstratEingaben e;
  KopfLesen(e);
  e.txtPreis = S(txtPreis);
  e.opbBezug = opbBezug[2]->isChecked() ? 2 : 1;
  const MaterialSpeicherergebnis ergebnis = masterdata::SubstratSpeichern(m_kontext, &e);
  txtPreis->setText(Q(e.txtPreis));
  SpeichernAbschliessen(e, ergebnis);
}

void frmSubstrat::cmbNeu_Click() {
  // The current flag keeps its state and the focus stays where it is.
  Leeren();
  state().selection.BearbeitungsmodusSubstrat = "Neu";
  m_kontext = MaterialKontext{"Neu", std::string(), "1008"};
  BarcodeVorschlagen();
}

void frmSubstrat::cmbRechner_Click() { frmRechner::instanz().Show(); }

}  // namespace tolvar
