#include "masterdata/ui/frmTopf.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include "masterdata/calculator.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/pot.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmVolumen.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"

namespace tolvar {

using ui::MakeButton;
using ui::MakeLabel;
using ui::Q;
using ui::S;
using ui::SideBySide;

frmTopf::frmTopf() : Materialeditor(QStringLiteral("frmTopf"), "5.3.1", true) {
  setCaption(QStringLiteral("Kulturgefäße"));
  cmbHilfe->hide();  // the pot editor offers help on F1 only
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtMenge = ui::MakeTextBox(this, QStringLiteral("txtMenge"));
  opbBezug[1] = new QRadioButton(QStringLiteral("Einheit je Pflanze"), this);
  opbBezug[2] = new QRadioButton(QStringLiteral("Einheit je 1000 Pflanzen"), this);
  opbBezug[1]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 1));
  opbBezug[2]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 2));
  txtPreis = ui::MakeTextBox(this, QStringLiteral("txtPreis"));
  txtWdh = ui::MakeTextBox(this, QStringLiteral("txtWdh"));
  txtVolumen = ui::MakeTextBox(this, QStringLiteral("txtVolumen"));

  KopfzeilenAnfuegen(form);
  form->addRow(MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 0), QStringLiteral("Einheiten:")),
               txtMenge);
  form->addRow(opbBezug[1]);
  form->addRow(opbBezug[2]);
  form->addRow(MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 1), QStringLiteral("Preis:")),
               SideBySide(txtPreis, MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 2),
                                              QStringLiteral("€ je Einheit"))));
  form->addRow(
      MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 5), QStringLiteral("Wiederverwendung:")),
      txtWdh);
  form->addRow(MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 3), QStringLiteral("Volumen:")),
               SideBySide(txtVolumen, MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), 4),
                                                QStringLiteral("Liter"))));
  layout->addLayout(form);

  cmbNeu = MakeButton(this, QStringLiteral("cmbNeu"), QStringLiteral("Neuer Datensatz"));
  cmbRechner = MakeButton(this, QStringLiteral("cmbRechner"), QStringLiteral("Taschenrechner"));
  cmbVolumen = MakeButton(this, QStringLiteral("cmbVolumen"), QStringLiteral("Standardvolumen"));
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* knopf : {cmbSpeichern, cmbAbbruch, cmbNeu, cmbRechner, cmbVolumen}) knoepfe->addWidget(knopf);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  SetTabOrder({txtName, txtKuerzel, chbAktuell, txtCode, txtBemerkungen, txtMenge, opbBezug[1], opbBezug[2], txtPreis,
               txtWdh, txtVolumen, cmbSpeichern, cmbAbbruch, cmbNeu, cmbRechner, cmbVolumen, cmbHilfe});

  for (QLineEdit* box : {txtMenge, txtPreis, txtVolumen}) ui::InstallNumericFilter(box);
  // Enter: units to price, price to volume (past the reuse count), volume to "Speichern".
  masterdata::ui::EnterFuehrtZu(txtMenge, txtPreis);
  masterdata::ui::EnterFuehrtZu(txtPreis, txtVolumen);
  masterdata::ui::EnterFuehrtZu(txtVolumen, cmbSpeichern);
  masterdata::ui::RechnerzielBeiFokus(txtMenge, masterdata::kTopfMenge);
  masterdata::ui::RechnerzielBeiFokus(txtPreis, masterdata::kTopfPreis);
  masterdata::ui::RechnerzielBeiFokus(txtVolumen, masterdata::kTopfVolumen);

  connect(cmbNeu, &QPushButton::clicked, this, [this] { cmbNeu_Click(); });
  connect(cmbRechner, &QPushButton::clicked, this, [this] { cmbRechner_Click(); });
  connect(cmbVolumen, &QPushButton::clicked, this, [this] { cmbVolumen_Click(); });
}

void frmTopf::Leeren() {
  for (QLineEdit* box : {txtName, txtKuerzel, txtMenge, txtPreis, txtVolumen}) box->clear();
  txtBemerkungen->clear();
  chbAktuell->setChecked(true);
  opbBezug[1]->setChecked(true);
}

void frmTopf::BarcodeVorschlagen() {
  if (auto code = mdlMorvin5::TopfBarcodeErmitteln()) txtCode->setText(Q(*code));
}

void frmTopf::Form_Load() {
  MauszeigerSetzen({opbBezug[1], opbBezug[2]});
  cmbNeu->hide();
  Leeren();
  txtName->setFocus();

  tolvar::State& s = state();
  m_kontext = MaterialKontext{s.selection.BearbeitungsmodusTopf, std::string(), "1007"};
  if (m_kontext.Bearbeitungsmodus == "Neu") {
    BarcodeVorschlagen();
    return;
  }
  if (m_kontext.Bearbeitungsmodus != "Aendern") return;
  const MaterialSatz* topf = masterdata::ui::MaterialAn(s.selection.TopfIndex);
  if (topf == nullptr) return;
  m_kontext.MaterialNr = topf->MaterialNr;
  const TopfEingaben e = masterdata::TopfEingabenLaden(*topf, state().masters);
  KopfZeigen(e);
  txtWdh->setText(Q(e.txtWdh));
  txtVolumen->setText(Q(e.txtVolumen));
  opbBezug[e.opbBezug == 2 ? 2 : 1]->setChecked(true);
  txtPreis->setText(Q(e.txtPreis));
  txtMenge->setText(Q(e.txtMenge));
  s.windows.Merkwert = masterdata::kTopfMenge;
}

void frmTopf::cmbSpeichern_Click() {
  TopfEingaben e;
  KopfLesen(e);
  e.txtMenge = S(txtMenge);
  e.txtPreis = S(txtPreis);
  e.txtWdh = S(txtWdh);
  e.txtVolumen = S(txtVolumen);
  e.opbBezug = opbBezug[2]->isChecked() ? 2 : 1;
  const MaterialSpeicherergebnis ergebnis = masterdata::TopfSpeichern(m_kontext, &e);
  // The defaults the save filled in show, also after a refusal.
  txtMenge->setText(Q(e.txtMenge));
  txtPreis->setText(Q(e.txtPreis));
  txtVolumen->setText(Q(e.txtVolumen));
  txtWdh->setText(Q(e.txtWdh));
  SpeichernAbschliessen(e, ergebnis);
}

void frmTopf::cmbNeu_Click() {
  const QString wdh = txtWdh->text();
  Leeren();
  txtWdh->setText(wdh);
  state().selection.BearbeitungsmodusTopf = "Neu";
  // The next save creates a new pot; the pot shown before keeps its rows.
  m_kontext = MaterialKontext{"Neu", std::string(), "1007"};
  BarcodeVorschlagen();
  txtName->setFocus();
}

void frmTopf::cmbRechner_Click() { frmRechner::instanz().Show(); }

void frmTopf::cmbVolumen_Click() { frmVolumen::instanz().Show(); }

}  // namespace tolvar
