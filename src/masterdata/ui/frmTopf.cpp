#include "masterdata/ui/frmTopf.h"

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
#include "masterdata/topf.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmVolumen.h"
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

frmTopf::frmTopf() : Stammdateneditor(QStringLiteral("frmTopf"), masterdata_ui::Materialien, "5.3.1") {
  setCaption(QStringLiteral("Kulturgefäße"));
  cmbHilfe->hide();  // the pot editor offers help on F1 only
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtName = masterdata_ui::Textfeld(this, "txtName");
  txtKuerzel = masterdata_ui::Textfeld(this, "txtKuerzel", 10);
  chbAktuell = new QCheckBox(QStringLiteral("Aktueller Datensatz"), this);
  chbAktuell->setObjectName(QStringLiteral("chbAktuell"));
  txtCode = masterdata_ui::Textfeld(this, "txtCode");
  txtBemerkungen = new QPlainTextEdit(this);
  txtBemerkungen->setObjectName(QStringLiteral("txtBemerkungen"));
  txtMenge = masterdata_ui::Textfeld(this, "txtMenge");
  opbBezug[1] = new QRadioButton(QStringLiteral("Einheit je Pflanze"), this);
  opbBezug[2] = new QRadioButton(QStringLiteral("Einheit je 1000 Pflanzen"), this);
  opbBezug[1]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 1));
  opbBezug[2]->setObjectName(ui::ControlName(QStringLiteral("opbBezug"), 2));
  txtPreis = masterdata_ui::Textfeld(this, "txtPreis");
  txtWdh = masterdata_ui::Textfeld(this, "txtWdh");
  txtVolumen = masterdata_ui::Textfeld(this, "txtVolumen");

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
  form->addRow(Beschriftung(this, "lblKalkulation", 0, QStringLiteral("Einheiten:")), txtMenge);
  form->addRow(opbBezug[1]);
  form->addRow(opbBezug[2]);
  auto* preisZeile = new QHBoxLayout;
  preisZeile->addWidget(txtPreis);
  preisZeile->addWidget(Beschriftung(this, "lblKalkulation", 2, QStringLiteral("€ je Einheit")));
  form->addRow(Beschriftung(this, "lblKalkulation", 1, QStringLiteral("Preis:")), preisZeile);
  form->addRow(Beschriftung(this, "lblKalkulation", 5, QStringLiteral("Wiederverwendung:")), txtWdh);
  auto* volumenZeile = new QHBoxLayout;
  volumenZeile->addWidget(txtVolumen);
  volumenZeile->addWidget(Beschriftung(this, "lblKalkulation", 4, QStringLiteral("Liter")));
  form->addRow(Beschriftung(this, "lblKalkulation", 3, QStringLiteral("Volumen:")), volumenZeile);
  layout->addLayout(form);

  cmbSpeichern = Knopf(this, "cmbSpeichern", QStringLiteral("Speichern"));
  cmbAbbruch = Knopf(this, "cmbAbbruch", QStringLiteral("Abbrechen"));
  cmbNeu = Knopf(this, "cmbNeu", QStringLiteral("Neuer Datensatz"));
  cmbRechner = Knopf(this, "cmbRechner", QStringLiteral("Taschenrechner"));
  cmbVolumen = Knopf(this, "cmbVolumen", QStringLiteral("Standardvolumen"));
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* knopf : {cmbSpeichern, cmbAbbruch, cmbNeu, cmbRechner, cmbVolumen}) knoepfe->addWidget(knopf);
  knoepfe->addWidget(cmbHilfe);
  layout->addLayout(knoepfe);

  QWidget* folge[] = {txtName,  txtKuerzel, chbAktuell,   txtCode,     txtBemerkungen, txtMenge,
                      opbBezug[1], opbBezug[2], txtPreis, txtWdh, txtVolumen,  cmbSpeichern,
                      cmbAbbruch, cmbNeu,     cmbRechner,   cmbVolumen};
  for (std::size_t i = 1; i < std::size(folge); ++i) setTabOrder(folge[i - 1], folge[i]);

  masterdata_ui::BarcodeFeldSperren(txtCode);
  for (QLineEdit* box : {txtMenge, txtPreis, txtVolumen}) ui::InstallNumericFilter(box);
  // Enter: units to price, price to volume (past the reuse count), volume to "Speichern".
  masterdata_ui::EnterFuehrtZu(txtMenge, txtPreis);
  masterdata_ui::EnterFuehrtZu(txtPreis, txtVolumen);
  masterdata_ui::EnterFuehrtZu(txtVolumen, cmbSpeichern);
  masterdata_ui::RechnerzielBeiFokus(txtMenge, mdlRechner::kTopfMenge);
  masterdata_ui::RechnerzielBeiFokus(txtPreis, mdlRechner::kTopfPreis);
  masterdata_ui::RechnerzielBeiFokus(txtVolumen, mdlRechner::kTopfVolumen);

  connect(cmbSpeichern, &QPushButton::clicked, this, [this] { cmbSpeichern_Click(); });
  connect(cmbAbbruch, &QPushButton::clicked, this, [this] { cmbAbbruch_Click(); });
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
  masterdata_ui::MausbildSetzen(this, "Zeiger_", false);
  for (QWidget* control : {static_cast<QWidget*>(chbAktuell), static_cast<QWidget*>(opbBezug[1]),
                           static_cast<QWidget*>(opbBezug[2])}) {
    masterdata_ui::MausbildSetzen(control, "Hand_", false);
  }
  cmbNeu->hide();
  Leeren();
  txtName->setFocus();

  tolvar::State& s = state();
  m_kontext = MaterialKontext{s.BearbeitungsmodusTopf, std::string(), "1007"};
  if (m_kontext.Bearbeitungsmodus == "Neu") {
    BarcodeVorschlagen();
    return;
  }
  if (m_kontext.Bearbeitungsmodus != "Aendern") return;
  if (s.TopfIndex < 0 || s.TopfIndex >= static_cast<int>(s.MaterialListe.size())) return;
  const MaterialSatz& topf = s.MaterialListe[static_cast<std::size_t>(s.TopfIndex)];
  m_kontext.MaterialNr = topf.MaterialNr;
  const TopfEingaben e = mdlMaterial::TopfEingabenLaden(topf);
  txtName->setText(Q(e.txtName));
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtCode->setText(Q(e.txtCode));
  txtWdh->setText(Q(e.txtWdh));
  txtVolumen->setText(Q(e.txtVolumen));
  chbAktuell->setChecked(e.chbAktuell);
  opbBezug[e.opbBezug == 2 ? 2 : 1]->setChecked(true);
  txtPreis->setText(Q(e.txtPreis));
  txtMenge->setText(Q(e.txtMenge));
  txtBemerkungen->setPlainText(Q(e.txtBemerkungen));
  s.Merkwert = mdlRechner::kTopfMenge;
}

void frmTopf::cmbSpeichern_Click() {
  TopfEingaben e;
  e.txtName = S(txtName);
  e.txtKuerzel = S(txtKuerzel);
  e.txtCode = S(txtCode);
  e.txtBemerkungen = txtBemerkungen->toPlainText().toStdString();
  e.txtMenge = S(txtMenge);
  e.txtPreis = S(txtPreis);
  e.txtWdh = S(txtWdh);
  e.txtVolumen = S(txtVolumen);
  e.chbAktuell = chbAktuell->isChecked();
  e.opbBezug = opbBezug[2]->isChecked() ? 2 : 1;
  const Speicherergebnis ergebnis = mdlMaterial::TopfSpeichern(m_kontext, &e);
  // The defaults the save filled in show, also after a refusal.
  txtKuerzel->setText(Q(e.txtKuerzel));
  txtMenge->setText(Q(e.txtMenge));
  txtPreis->setText(Q(e.txtPreis));
  txtVolumen->setText(Q(e.txtVolumen));
  txtWdh->setText(Q(e.txtWdh));
  if (ergebnis.gespeichert) {
    Unload();
    return;
  }
  if (auto* fokus = ui::FindControl<QWidget>(this, Q(ergebnis.fokus))) fokus->setFocus();
}

void frmTopf::cmbAbbruch_Click() { Unload(); }

void frmTopf::cmbNeu_Click() {
  const QString wdh = txtWdh->text();
  Leeren();
  txtWdh->setText(wdh);
  state().BearbeitungsmodusTopf = "Neu";
  // The next save creates a new pot; the pot shown before keeps its rows.
  m_kontext = MaterialKontext{"Neu", std::string(), "1007"};
  BarcodeVorschlagen();
  txtName->setFocus();
}

void frmTopf::cmbRechner_Click() { frmRechner::instanz().Show(); }

void frmTopf::cmbVolumen_Click() { frmVolumen::instanz().Show(); }

void frmTopf::Form_Unload(bool& cancel) {
  // The combination editor finds its combination again by this index.
  const int index = state().MaterialIndex;
  Stammdateneditor::Form_Unload(cancel);
  state().MaterialIndex = index;
}

}  // namespace tolvar
