#include "masterdata/ui/frmMaterial4opt.h"

#include <QFrame>
#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "masterdata/calculator.h"
#include "masterdata/material.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/ui/frmAufwandmenge.h"
#include "masterdata/ui/frmRechner.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"
#include "settings/ui/mdlExcel_rechner.h"

namespace tolvar {

using ui::MakeButton;
using ui::Q;
using ui::S;

namespace {

// The last four characters of a group number ("M1002" gives "1002").
std::string Gruppenziffern(const std::string& nr) { return nr.size() >= 4 ? nr.substr(nr.size() - 4) : nr; }

}  // namespace

frmMaterial4opt::frmMaterial4opt() : Materialeditor(QStringLiteral("frmMaterial4opt"), "5.3") {
  setCaption(QStringLiteral("Material"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Bezeichnung:"), txtName);
  ui::AddFormRow(form, QStringLiteral("Kürzel:"), txtKuerzel, QStringLiteral("(max. 10 Zeichen)"));
  form->addRow(chbAktuell);
  ui::AddFormRow(form, QStringLiteral("Barcode:"), txtCode, QStringLiteral("(6******)"));
  form->addRow(QStringLiteral("Bemerkungen:"), txtBemerkungen);
  layout->addLayout(form);

  const char* labels[6] = {"Einheiten:", "Preis:", "€ je Einheit", nullptr, nullptr, "Wiederverwendung:"};
  for (int i = 0; i < 6; ++i) {
    if (labels[i] == nullptr) continue;
    lblKalkulation[static_cast<std::size_t>(i)] =
        ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblKalkulation"), i), Q(labels[i]));
  }
  const char* optionen[5] = {nullptr, "Einheiten je Pflanze", "Einheiten je 1000 Pflanzen", "Einheiten je Nm²",
                             "Einheiten je 1000 Nm²"};
  txtMenge = ui::MakeTextBox(this, QStringLiteral("txtMenge"));
  txtPreis = ui::MakeTextBox(this, QStringLiteral("txtPreis"));
  auto* kalkulation = new QGridLayout;
  kalkulation->addWidget(lblKalkulation[0], 0, 0);
  kalkulation->addWidget(txtMenge, 0, 1);
  for (int i = 1; i <= 4; ++i) {
    auto* option = ui::MakeOptionButton(this, ui::ControlName(QStringLiteral("opbBezug"), i), Q(optionen[i]));
    opbBezug[static_cast<std::size_t>(i)] = option;
    kalkulation->addWidget(option, i, 1, 1, 2);
  }
  // The reuse box: count and label inside their frame.
  Shape7 = new QFrame(this);
  Shape7->setObjectName(QStringLiteral("Shape7"));
  Shape7->setFrameShape(QFrame::Box);
  auto* wiederverwendung = new QHBoxLayout(Shape7);
  lblKalkulation[5]->setParent(Shape7);
  txtWdh = ui::MakeTextBox(Shape7, QStringLiteral("txtWdh"));
  wiederverwendung->addWidget(lblKalkulation[5]);
  wiederverwendung->addWidget(txtWdh);
  kalkulation->addWidget(Shape7, 5, 0, 1, 3);
  kalkulation->addWidget(lblKalkulation[1], 6, 0);
  kalkulation->addWidget(txtPreis, 6, 1);
  kalkulation->addWidget(lblKalkulation[2], 6, 2);
  layout->addLayout(kalkulation);

  cmbRechner = MakeButton(this, QStringLiteral("cmbRechner"), QStringLiteral("Taschenrechner"));
  cmbAufwandMenge = MakeButton(this, QStringLiteral("cmbAufwandMenge"), QStringLiteral("Aufwandmenge"));
  cmbMaschinenkostenxls =
      MakeButton(this, QStringLiteral("cmbMaschinenkostenxls"), QStringLiteral("Maschinenkosten.xls"));
  auto* knoepfe = new QGridLayout;
  knoepfe->addWidget(cmbSpeichern, 0, 0);
  // The two calculators share one place; the group decides which shows.
  knoepfe->addWidget(cmbRechner, 0, 1);
  knoepfe->addWidget(cmbAufwandMenge, 0, 1);
  knoepfe->addWidget(cmbAbbruch, 0, 2);
  knoepfe->addWidget(cmbMaschinenkostenxls, 1, 0, 1, 2);
  knoepfe->addWidget(cmbHilfe, 1, 2);
  layout->addLayout(knoepfe);
  cmbAufwandMenge->hide();
  cmbMaschinenkostenxls->hide();

  SetTabOrder({txtName, txtKuerzel, chbAktuell, txtCode, txtBemerkungen, txtMenge, opbBezug[1], opbBezug[2],
               opbBezug[3], opbBezug[4], txtWdh, txtPreis, cmbSpeichern, cmbRechner, cmbAufwandMenge, cmbAbbruch,
               cmbMaschinenkostenxls, cmbHilfe});

  ui::InstallNumericFilter(txtMenge);
  ui::InstallNumericFilter(txtPreis);
  masterdata::ui::EnterFuehrtZu(txtMenge, txtPreis);
  masterdata::ui::EnterFuehrtZu(txtPreis, cmbSpeichern);
  masterdata::ui::RechnerzielBeiFokus(txtMenge, masterdata::kMaterialMenge);
  masterdata::ui::RechnerzielBeiFokus(txtPreis, masterdata::kMaterialPreis);

  connect(cmbRechner, &QPushButton::clicked, this, [this] { cmbRechner_Click(); });
  connect(cmbAufwandMenge, &QPushButton::clicked, this, [this] { cmbAufwandMenge_Click(); });
  connect(cmbMaschinenkostenxls, &QPushButton::clicked, this, [this] { cmbMaschinenkostenxls_Click(); });
}

void frmMaterial4opt::Form_Load() {
  MauszeigerSetzen({opbBezug[1], opbBezug[2], opbBezug[3], opbBezug[4]});

  for (QLineEdit* box : {txtName, txtKuerzel, txtMenge, txtPreis}) box->clear();
  txtBemerkungen->clear();
  txtWdh->setText(QStringLiteral("1"));
  chbAktuell->setChecked(true);
  opbBezug[1]->setChecked(true);

  tolvar::State& s = state();
  const MaterialSatz* satz = masterdata::ui::MaterialAn(s.selection.MaterialIndex);
  m_kontext = MaterialKontext{s.selection.Bearbeitungsmodus, std::string(), std::string()};
  if (m_kontext.Bearbeitungsmodus == "Neu" && satz != nullptr) {
    // A new material goes into the group that was right-clicked.
    m_kontext.UeberPNr = Gruppenziffern(satz->MaterialNr);
    if (auto code = mdlMorvin5::MaterialBarcodeErmitteln(satz->MaterialNr)) txtCode->setText(Q(*code));
  } else if (m_kontext.Bearbeitungsmodus == "Aendern" && satz != nullptr) {
    m_kontext.MaterialNr = satz->MaterialNr;
    m_kontext.UeberPNr = satz->UeberPNr;
    const MaterialEingaben e = masterdata::MaterialEingabenLaden(*satz);
    KopfZeigen(e);
    txtWdh->setText(Q(e.txtWdh));
    if (e.opbBezug >= 1 && e.opbBezug <= 4) opbBezug[static_cast<std::size_t>(e.opbBezug)]->setChecked(true);
    txtPreis->setText(Q(e.txtPreis));
    txtMenge->setText(Q(e.txtMenge));
  }
  s.windows.Merkwert = masterdata::kMaterialMenge;
}

void frmMaterial4opt::WiederverwendungZeigen(bool zeigen) {
  txtWdh->setVisible(zeigen);
  lblKalkulation[5]->setVisible(zeigen);
  Shape7->setVisible(zeigen);
}

int frmMaterial4opt::GewaehlterBezug() const {
  for (int i = 1; i <= 4; ++i) {
    if (opbBezug[static_cast<std::size_t>(i)]->isChecked()) return i;
  }
  return 1;
}

void frmMaterial4opt::cmbSpeichern_Click() {
  MaterialEingaben e;
  KopfLesen(e);
  e.txtMenge = S(txtMenge);
  e.txtPreis = S(txtPreis);
  e.txtWdh = S(txtWdh);
  e.opbBezug = GewaehlterBezug();
  const MaterialSpeicherergebnis ergebnis = masterdata::MaterialSpeichern(m_kontext, &e);
  txtMenge->setText(Q(e.txtMenge));
  txtPreis->setText(Q(e.txtPreis));
  txtWdh->setText(Q(e.txtWdh));
  SpeichernAbschliessen(e, ergebnis);
}

void frmMaterial4opt::cmbRechner_Click() { frmRechner::instanz().Show(); }

void frmMaterial4opt::cmbAufwandMenge_Click() {
  frmAufwandmenge& rechner = frmAufwandmenge::instanz();
  rechner.setCaption(QStringLiteral("Aufwandmenge für ") + txtName->text());
  if (const auto texte = masterdata::BezugsgroesseBeschriften(GewaehlterBezug())) {
    rechner.lblBezug[0]->setText(Q(texte->Aufwandmenge));
    rechner.lblBezug[1]->setText(Q(texte->Kosten));
  }
  rechner.Show();
}

void frmMaterial4opt::cmbMaschinenkostenxls_Click() {
  // The machine cost worked out in the built-in calculator lands in the price box.
  mdlExcel::MaschinenkostenInExcelErmitteln();
}

}  // namespace tolvar
