#include "masterdata/ui/frmSubstrat.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/state.h"
#include "masterdata/numbering.h"
#include "masterdata/rechner.h"
#include "masterdata/substrat.h"
#include "masterdata/ui/frmRechner.h"
#include "platform/ui/controls.h"
#include "platform/ui/keyfilters.h"

namespace tolvar {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QLineEdit* box) { return box->text().toStdString(); }

QPushButton* Knopf(QWidget* parent, const char* name, const QString& text) {
  auto* knopf = new QPushButton(text, parent);
  knopf->setObjectName(QString::fromLatin1(name));
  return knopf;
}

QLabel* Beschriftung(QWidget* parent, const char* feld, int index, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(ui::ControlName(QString::fromLatin1(feld), index));
  return label;
}

}  // namespace

frmSubstrat::frmSubstrat() : Stammdateneditor(QStringLiteral("frmSubstrat"), masterdata_ui::Materialien, "5.3.2") {
  setCaption(QStringLiteral("Substrate"));
  cmbHilfe->hide();  // the substrate editor offers help on F1 only
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtName = masterdata_ui::Textfeld(this, "txtName");
  txtKuerzel = masterdata_ui::Textfeld(this, "txtKuerzel", 10);
  chbAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), this);
  chbAktuell->setObjectName(QStringLiteral("chbAktuell"));
  txtCode = masterdata_ui::Textfeld(this, "txtCode");
  txtBemerkungen = new QPlainTextEdit(this);
  txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
  txtPreis = masterdata_ui::Textfeld(this, "txtPreis");
  opbBezug[1] = new QRadioButton(QStringLiteral("€ je Liter"), this);
  opbBezug[2] = new QRadioButton(QStringLiteral("€ je m³"), this);
  opbBezug[1]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 1));
  opbBezug[2]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 2));

  form->addRow(Beschriftung(this, "lblTopf", 0, QStringLiteral("Bezeichnung:")), txtName);
  auto* kuerzelZeile = new QHBoxLayout;
  kuerzelZeile->addWidget(txtKuerzel);
  kuerzelZeile->addWidget(Beschriftung(this, "lblAnmerkung", 0, QStringLiteral("(max. 10 Zeichen)")));
  form->addRow(Beschriftung(this, "lblTopf", 1, QStringLiteral("Kürzel:")), kuerzelZeile);
  form->addRow(chbAktuell);
  auto* codeZeile = new QHBoxLayout;
  codeZeile->addWidget(txtCode);
  codeZeile->addWidget(Beschriftung(this, "lblAnmerkung", 1, QStringLiteral("(6******)")));
  form->addRow(Beschriftung(this, "lblTopf", 2, QStringLiteral("Barcode:")), codeZeile);
  form->addRow(Beschriftung(this, "lblTopf", 3, QStringLiteral("Bemerkungen:")), txtBemerkungen);
  form->addRow(Beschriftung(this, "lblKalkulation", 1, QStringLiteral("Preis:")), txtPreis);
  form->addRow(opbBezug[1]);
  form->addRow(opbBezug[2]);
  layout->addLayout(form);

  cmbNeu = Knopf(this, "cmbNeu", QStringLiteral("Neuer Datensatz"));
  cmbSpeichern = Knopf(this, "cmbSpeichern", QStringLiteral("Speichern"));
  cmbAbbruch = Knopf(this, "cmbAbbruch", QStringLiteral("Abbrechen"));
  cmbRechner = Knopf(this, "cmbRechner", QStringLiteral("Taschenrechner"));
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* knopf : {cmbNeu, cmbSpeichern, cmbAbbruch, cmbRechner}) knoepfe->addWidget(knopf);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  QWidget* folge[] = {cmbNeu,         cmbSpeichern, cmbAbbruch, cmbRechner, opbBezug[1], opbBezug[2],
                      txtPreis,       txtBemerkungen, txtCode,  txtKuerzel, txtName,     chbAktuell};
  for (std::size_t i = 1; i < std::size(folge); ++i) setTabOrder(folge[i - 1], folge[i]);

  // A typed barcode could take another material's or a group's number: shown only.
  masterdata_ui::BarcodeFeldSperren(txtCode);
  ui::InstallNumericFilter(txtPreis);
  masterdata_ui::EnterFuehrtZu(txtPreis, cmbSpeichern);

  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
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
  masterdata_ui::MausbildSetzen(this, "Zeiger_", false);
  for (QWidget* control : {static_cast<QWidget*>(chbAktuell), static_cast<QWidget*>(opbBezug[1]),
                           static_cast<QWidget*>(opbBezug[2])}) {
    masterdata_ui::MausbildSetzen(control, "Hand_", false);
  }
  tolvar::State& s = state();
  s.Merkwert = mdlRechner::kSubstratPreis;
  cmbNeu->hide();
  Leeren();
  chbAktuell->setChecked(false);
  cmbSpeichern->setFocus();

  m_kontext = MaterialKontext{s.BearbeitungsmodusSubstrat, std::string(), "1008"};
  if (m_kontext.Bearbeitungsmodus == "Neu") {
    BarcodeVorschlagen();
    return;
  }
  if (m_kontext.Bearbeitungsmodus != "Aendern") return;
  if (s.SubstratIndex < 0 || s.SubstratIndex >= static_cast<int>(s.MaterialListe.size())) return;
  const MaterialSatz& substrat = s.MaterialListe[static_cast<std::size_t>(s.SubstratIndex)];
  m_kontext.MaterialNr = substrat.MaterialNr;
  const SubstratEingaben e = mdlMaterial::SubstratEingabenLaden(substrat);
  txtName->setText(Q(e.txtName));
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtCode->setText(Q(e.txtCode));
  txtBemerkungen->setPlainText(Q(e.txtBemerkungen));
  chbAktuell->setChecked(e.chbAktuell);
  txtPreis->setText(Q(e.txtPreis));
  opbBezug[e.opbBezug == 2 ? 2 : 1]->setChecked(true);
}

void frmSubstrat::cmbSpeichern_Click() {
  SubstratEingaben e;
  e.txtName = S(txtName);
  e.txtKuerzel = S(txtKuerzel);
  e.txtCode = S(txtCode);
  e.txtBemerkungen = txtBemerkungen->toPlainText().toStdString();
  e.txtPreis = S(txtPreis);
  e.chbAktuell = chbAktuell->isChecked();
  e.opbBezug = opbBezug[2]->isChecked() ? 2 : 1;
  const Speicherergebnis ergebnis = mdlMaterial::SubstratSpeichern(m_kontext, &e);
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtPreis->setText(Q(e.txtPreis));
  if (ergebnis.gespeichert) {
    Unload();
    return;
  }
  if (auto* fokus = ui::FindControl<QWidget>(this, Q(ergebnis.fokus))) fokus->setFocus();
}

void frmSubstrat::cmbAbbruch_Click() { Unload(); }

void frmSubstrat::cmbNeu_Click() {
  // The current flag keeps its state and the focus stays where it is.
  Leeren();
  state().BearbeitungsmodusSubstrat = "Neu";
  m_kontext = MaterialKontext{"Neu", std::string(), "1008"};
  BarcodeVorschlagen();
}

void frmSubstrat::cmbRechner_Click() { frmRechner::instanz().Show(); }

void frmSubstrat::Form_Unload(bool& cancel) {
  // The combination editor finds its combination again by this index.
  const int index = state().MaterialIndex;
  Stammdateneditor::Form_Unload(cancel);
  state().MaterialIndex = index;
}

}  // namespace tolvar
