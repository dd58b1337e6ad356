#include "masterdata/ui/frmTopfSubstrat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/mdlTopfSubstrate.h"
#include "data/state.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/pot_substrate.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopf.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"

namespace tolvar {

using ui::MakeButton;
using ui::Q;
using ui::S;

namespace {

std::string GewaehlteNr(const QComboBox* liste) { return S(liste->currentData().toString()); }

// Refills a list with its partners, the material number behind each name.
void Fuellen(QComboBox* liste, const std::vector<KombinationsPartner>& partner) {
  const QSignalBlocker sperre(liste);
  liste->clear();
  for (const KombinationsPartner& p : partner) liste->addItem(Q(p.Materialname), Q(p.MaterialNr));
  liste->setCurrentIndex(liste->count() > 0 ? 0 : -1);
}

// Selects the entry of number `nr`; false when the list has none.
bool Waehlen(QComboBox* liste, const std::string& nr) {
  if (nr.empty()) return false;
  const int index = liste->findData(Q(nr));
  if (index < 0) return false;
  liste->setCurrentIndex(index);
  return true;
}

// The element of MaterialListe with number `nr`, -1 when there is none.
int ListenIndex(const std::string& nr) {
  if (nr.empty()) return -1;
  const auto index = MaterialIndexMitNummer(state().masters, nr);
  return index ? static_cast<int>(*index) : -1;
}

}  // namespace

frmTopfSubstrat::frmTopfSubstrat()
    : Stammdateneditor(QStringLiteral("frmTopfSubstrat"), masterdata::ui::Materialien, "5.3.3") {
  setCaption(QStringLiteral("Kulturgefäße und Substrate"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtName = ui::MakeTextBox(this, QStringLiteral("txtName"));
  txtKuerzel = ui::MakeTextBox(this, QStringLiteral("txtKuerzel"), 10);
  txtCode = ui::MakeTextBox(this, QStringLiteral("txtCode"));
  txtBemerkung = ui::MakeMultiLineBox(this, QStringLiteral("txtBemerkung"));
  chbAktuell = ui::MakeCheckBox(this, QStringLiteral("chbAktuell"), QStringLiteral("Aktueller Datensatz"));
  comTopf = ui::MakeComboBox(this, QStringLiteral("comTopf"));
  comSubstrat = ui::MakeComboBox(this, QStringLiteral("comSubstrat"));
  cmbTopf = MakeButton(this, QStringLiteral("cmbTopf"), QStringLiteral("Gefäße"));
  cmbErde = MakeButton(this, QStringLiteral("cmbErde"), QStringLiteral("Substrate"));

  const char* texte[6] = {"Bezeichnung:", "Kürzel:", "Barcode:", "Bemerkungen:", "Gefäß:", "Substrat:"};
  std::array<QLabel*, 6> bez{};
  for (int i = 0; i < 6; ++i) {
    bez[static_cast<std::size_t>(i)] =
        ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblBezeichnung"), i), Q(texte[i]));
  }
  auto* anm0 =
      ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblAnmerkung"), 0), QStringLiteral("(max. 10 Zeichen)"));
  auto* anm1 = ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblAnmerkung"), 1), QStringLiteral("(6*****)"));
  form->addRow(bez[0], txtName);
  form->addRow(bez[1], ui::SideBySide(txtKuerzel, anm0));
  form->addRow(bez[2], ui::SideBySide(txtCode, anm1));
  form->addRow(bez[3], txtBemerkung);
  form->addRow(chbAktuell);
  auto* topf = new QHBoxLayout;
  topf->addWidget(comTopf, 1);
  topf->addWidget(cmbTopf);
  form->addRow(bez[4], topf);
  auto* substrat = new QHBoxLayout;
  substrat->addWidget(comSubstrat, 1);
  substrat->addWidget(cmbErde);
  form->addRow(bez[5], substrat);
  layout->addLayout(form);

  fraInfo = ui::MakeGroup(this, QStringLiteral("fraInfo"), QStringLiteral(" Kalulationsinfo"));
  auto* info = new QVBoxLayout(fraInfo);
  const char* infotexte[3] = {"Gesamtkosten (Gefäß + Substrat)", "€/ Einheit", "Kalkulationsinfo"};
  for (int i = 0; i < 3; ++i) {
    lblInfo[static_cast<std::size_t>(i)] =
        ui::MakeLabel(fraInfo, ui::ControlName(QStringLiteral("lblInfo"), i), Q(infotexte[i]));
  }
  // The price the pot and substrate give can be typed over; the save takes only a number.
  txtPreis = ui::MakeTextBox(fraInfo, QStringLiteral("txtPreis"));
  ui::InstallNumericFilter(txtPreis);
  opbBezug[1] = new QRadioButton(QStringLiteral("Einheiten je Pflanze"), fraInfo);
  opbBezug[2] = new QRadioButton(QStringLiteral("Einheiten je 1000 Pflanzen"), fraInfo);
  opbBezug[1]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 1));
  opbBezug[2]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 2));
  auto* linie = new QFrame(fraInfo);
  linie->setObjectName(QStringLiteral("Line1"));
  linie->setFrameShape(QFrame::HLine);
  info->addWidget(lblInfo[2]);
  info->addWidget(linie);
  auto* preis = new QHBoxLayout;
  preis->addWidget(lblInfo[0]);
  preis->addWidget(txtPreis);
  preis->addWidget(lblInfo[1]);
  info->addLayout(preis);
  info->addWidget(opbBezug[1]);
  info->addWidget(opbBezug[2]);
  layout->addWidget(fraInfo);

  cmbSpeichern = MakeButton(this, QStringLiteral("cmbSpeichern"), QStringLiteral("Speichern"));
  cmbAbbruch = MakeButton(this, QStringLiteral("cmbAbbruch"), QStringLiteral("Abbrechen"));
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(cmbHilfe);
  knoepfe->addStretch();
  knoepfe->addWidget(cmbAbbruch);
  knoepfe->addWidget(cmbSpeichern);
  layout->addLayout(knoepfe);

  SetTabOrder({txtName, txtKuerzel, txtCode, txtBemerkung, chbAktuell, comTopf, cmbTopf, comSubstrat, cmbErde, txtPreis,
               opbBezug[1], opbBezug[2], cmbHilfe, cmbAbbruch, cmbSpeichern});
  masterdata::ui::BarcodeFeldSperren(txtCode);
  connect(comTopf, &QComboBox::currentIndexChanged, this, [this] { comTopf_Click(); });
  connect(comSubstrat, &QComboBox::currentIndexChanged, this, [this] { comSubstrat_Click(); });
  connect(cmbTopf, &QPushButton::clicked, this, [this] { cmbTopf_Click(); });
  connect(cmbErde, &QPushButton::clicked, this, [this] { cmbErde_Click(); });
  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
}

void frmTopfSubstrat::ListenFuellen() {
  Fuellen(comTopf, masterdata::TopfListe(state().masters));
  Fuellen(comSubstrat, masterdata::SubstratListe(state().masters));
}

void frmTopfSubstrat::Form_Load() {
  tolvar::State& s = state();
  m_kontext = MaterialKontext{s.selection.Bearbeitungsmodus, std::string(), "1001"};
  const MaterialSatz* gewaehlt = masterdata::ui::MaterialAn(s.selection.MaterialIndex);
  if (m_kontext.Bearbeitungsmodus == "Aendern" && gewaehlt != nullptr) {
    const MaterialSatz& satz = *gewaehlt;
    m_kontext.MaterialNr = satz.MaterialNr;
    txtName->setText(Q(satz.Materialname));
    txtKuerzel->setText(Q(satz.Kuerzel));
    txtCode->setText(QString::number(static_cast<qlonglong>(satz.Barcode)));
    txtBemerkung->setPlainText(Q(satz.Bemerkungen));
    chbAktuell->setChecked(satz.Aktuell);
    fraInfo->show();
    if (satz.Bezug == 1 || satz.Bezug == 2) {
      opbBezug[static_cast<std::size_t>(satz.Bezug)]->setChecked(true);
      txtPreis->setText(Q(satz.Preis));
    }
  } else {
    txtName->clear();
    txtKuerzel->clear();
    txtBemerkung->clear();
    chbAktuell->setChecked(true);
    fraInfo->hide();
  }
  mdlTopfSubstrate::GefaesseLaden();
  ListenFuellen();
}

void frmTopfSubstrat::showEvent(QShowEvent* event) {
  Stammdateneditor::showEvent(event);
  // The activation step runs at the first showing even where the platform reports none.
  if (!m_aktiviert) Form_Activate();
}

void frmTopfSubstrat::Form_Activate() {
  if (IsUnloaded()) return;
  KombinationGeladen = false;
  masterdata::ui::MausbildSetzen(this, "Zeiger_", false);
  masterdata::ui::MausbildSetzen(chbAktuell, "Hand_", false);
  if (m_kontext.Bearbeitungsmodus == "Neu") {
    if (auto code = mdlMorvin5::MaterialBarcodeErmitteln("M1001")) txtCode->setText(Q(*code));
  }
  // Later activations keep the pot and substrate the user has chosen; the stored pair is
  // selected when the window is first shown, or when a chosen entry is gone.
  const std::string topfVorher = m_aktiviert ? GewaehlteNr(comTopf) : std::string();
  const std::string substratVorher = m_aktiviert ? GewaehlteNr(comSubstrat) : std::string();
  mdlTopfSubstrate::GefaesseLaden();
  ListenFuellen();
  const masterdata::Kombinationspaar paar = m_kontext.MaterialNr.empty()
                                                ? masterdata::Kombinationspaar{}
                                                : masterdata::GespeichertesPaar(m_kontext.MaterialNr);
  if (!Waehlen(comTopf, topfVorher)) Waehlen(comTopf, paar.TopfNr);
  if (!Waehlen(comSubstrat, substratVorher)) Waehlen(comSubstrat, paar.SubstratNr);
  m_aktiviert = true;
  KombinationGeladen = true;
  KalkulationsinfoAktualisieren();
}

void frmTopfSubstrat::KalkulationsinfoAktualisieren() {
  const int option = opbBezug[1]->isChecked() ? 1 : opbBezug[2]->isChecked() ? 2 : 0;
  const auto info =
      masterdata::KalkulationsinfoBerechnen(state().masters, GewaehlteNr(comTopf), GewaehlteNr(comSubstrat), option);
  // A price or volume that is no number keeps the previous price.
  if (!info) return;
  txtPreis->setText(Q(info->txtPreis));
  if (info->opbBezug == 1 || info->opbBezug == 2) opbBezug[static_cast<std::size_t>(info->opbBezug)]->setChecked(true);
}

void frmTopfSubstrat::comTopf_Click() {
  if (KombinationGeladen) KalkulationsinfoAktualisieren();
}

void frmTopfSubstrat::comSubstrat_Click() {
  if (KombinationGeladen) KalkulationsinfoAktualisieren();
}

void frmTopfSubstrat::BeimSchliessenAktualisieren(QWidget* editor) {
  QPointer<QWidget>& beobachtet = m_beobachtet[editor->objectName() == QStringLiteral("frmTopf") ? 0 : 1];
  if (beobachtet == editor) return;
  beobachtet = editor;
  connect(editor, &QObject::destroyed, this, [this] { Form_Activate(); });
}

void frmTopfSubstrat::cmbTopf_Click() {
  tolvar::State& s = state();
  const int index = ListenIndex(GewaehlteNr(comTopf));
  if (index >= 0) {
    s.selection.TopfIndex = index;
    s.selection.BearbeitungsmodusTopf = "Aendern";
  }
  frmTopf& editor = frmTopf::instanz();
  editor.cmbNeu->show();
  BeimSchliessenAktualisieren(&editor);
  editor.Show();
}

void frmTopfSubstrat::cmbErde_Click() {
  tolvar::State& s = state();
  const int index = ListenIndex(GewaehlteNr(comSubstrat));
  if (index >= 0) {
    s.selection.SubstratIndex = index;
    s.selection.BearbeitungsmodusSubstrat = "Aendern";
  }
  frmSubstrat& editor = frmSubstrat::instanz();
  editor.cmbNeu->show();
  BeimSchliessenAktualisieren(&editor);
  editor.Show();
}

void frmTopfSubstrat::cmbSpeichern_Click() {
  TopfsubstratEingaben e;
  e.txtName = S(txtName);
  e.txtKuerzel = S(txtKuerzel);
  e.txtCode = S(txtCode);
  e.txtBemerkung = S(txtBemerkung->toPlainText());
  e.txtPreis = S(txtPreis);
  e.chbAktuell = chbAktuell->isChecked();
  e.opbBezug = opbBezug[2]->isChecked() ? 2 : 1;
  e.TopfNr = GewaehlteNr(comTopf);
  e.SubstratNr = GewaehlteNr(comSubstrat);
  const MaterialSpeicherergebnis ergebnis = masterdata::TopfsubstratSpeichern(m_kontext, &e);
  txtKuerzel->setText(Q(e.txtKuerzel));
  // A new combination shows its price only once it is refused: the message names the box, which
  // then shows and takes the focus.
  if (ergebnis.fokus == "txtPreis") fraInfo->show();
  masterdata::ui::NachDemSpeichern(*this, ergebnis);
}

void frmTopfSubstrat::cmbAbbruch_Click() { Unload(); }

}  // namespace tolvar
