#include "masterdata/ui/master_editor.h"

#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "data/records_material.h"
#include "data/state.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/prompts.h"

namespace tolvar::masterdata::ui {

namespace {

// Drops every key of a barcode box with a beep, on pressing and on releasing it. Focus keys
// (Tab, Backtab) pass so the user can still leave the box.
class BarcodeFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
    tolvar::ui::Beep();
    return true;
  }
};

// Puts the focus on the box a refused save names. A refusal that names none (a database error,
// a refused number) leaves the focus where it was: an empty name would match any child.
void FokusAufFeld(QWidget& fenster, const std::string& name) {
  if (name.empty()) return;
  if (auto* fokus = tolvar::ui::FindControl<QWidget>(&fenster, tolvar::ui::Q(name))) fokus->setFocus();
}

}  // namespace

Stammdatenfenster::Stammdatenfenster(const QString& name, int baum, std::string thema)
    : tolvar::ui::Form(name, tolvar::ui::FormKind::Window), m_baum(baum), m_thema(std::move(thema)) {
  setCaption(name);
  cmbHilfe = tolvar::ui::MakeButton(this, QStringLiteral("cmbHilfe"), QStringLiteral("Hilfe"));
  connect(cmbHilfe, &QPushButton::clicked, this, [this] { cmbHilfe_Click(); });
}

void Stammdatenfenster::cmbHilfe_Click() { mdlHilfe::HilfeAufrufen(Hilfethema()); }

std::string Stammdatenfenster::Hilfethema() const { return m_thema; }

void Stammdatenfenster::Form_Unload(bool& /*cancel*/) { ReloadAndRebuildMasterTree(m_baum); }

void Stammdatenfenster::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) cmbHilfe_Click();
}

Morvinfenster::Morvinfenster(const QString& name, int baum, std::string thema, const char* tabelle)
    : Stammdatenfenster(name, baum, std::move(thema)), m_tabelle(tabelle) {}

void Morvinfenster::opbGruppe_Click() {
  if (!opbGruppe->isChecked()) return;
  fraGruppe->show();
  m_fraSatz->hide();
  BarcodeVorschlagen(txtGruCode, m_tabelle);
}

void Morvinfenster::cmbAbbrechen_Click() { Unload(); }

QRadioButton* Morvinfenster::OptionenBauen(QBoxLayout* layout, const char* name, const QString& text) {
  m_opbSatz = tolvar::ui::MakeOptionButton(this, QString::fromLatin1(name), text);
  opbGruppe = tolvar::ui::MakeOptionButton(this, QStringLiteral("opbGruppe"), QStringLiteral("Neue Gruppe anlegen"));
  auto* optionen = new QHBoxLayout;
  optionen->addWidget(m_opbSatz);
  optionen->addWidget(opbGruppe);
  layout->addLayout(optionen);
  return m_opbSatz;
}

QGroupBox* Morvinfenster::SatzrahmenBauen(const char* name, const QString& titel) {
  m_fraSatz = tolvar::ui::MakeGroup(this, QString::fromLatin1(name), titel);
  return m_fraSatz;
}

QPlainTextEdit* Morvinfenster::GruppenrahmenBauen(QBoxLayout* layout, const Gruppentexte& texte) {
  fraGruppe = tolvar::ui::MakeGroup(this, QStringLiteral("fraGruppe"), QStringLiteral("Gruppendaten"));
  auto* g = new QFormLayout(fraGruppe);
  txtGruName = tolvar::ui::MakeTextBox(fraGruppe, QStringLiteral("txtGruName"));
  txtGruKuerzel = tolvar::ui::MakeTextBox(fraGruppe, QStringLiteral("txtGruKuerzel"), 10);
  txtGruCode = tolvar::ui::MakeTextBox(fraGruppe, QStringLiteral("txtGruCode"), 6);
  m_gruBemerkung = tolvar::ui::MakeMultiLineBox(fraGruppe, QLatin1String(texte.bemerkung));
  chbGruAktuell =
      tolvar::ui::MakeCheckBox(fraGruppe, QStringLiteral("chbGruAktuell"), QStringLiteral("Aktueller Datensatz"));
  g->addRow(tolvar::ui::Q(texte.name), txtGruName);
  tolvar::ui::AddFormRow(g, tolvar::ui::Q(texte.kuerzel), txtGruKuerzel, QStringLiteral("(max. 10 Zeichen)"));
  tolvar::ui::AddFormRow(g, QStringLiteral("Barcode:"), txtGruCode, tolvar::ui::Q(texte.barcode));
  g->addRow(QStringLiteral("Bemerkungen:"), m_gruBemerkung);
  g->addRow(chbGruAktuell);
  layout->addWidget(fraGruppe);
  return m_gruBemerkung;
}

void Morvinfenster::NummerBauen() {
  txtNr = tolvar::ui::MakeTextBox(this, QStringLiteral("txtNr"));
  txtNr->hide();
  BarcodeFeldSperren(txtCode);
  BarcodeFeldSperren(txtGruCode);
}

void Morvinfenster::TabfolgeSetzen(std::vector<QWidget*> satz, std::initializer_list<QWidget*> danach) {
  satz.insert(satz.end(), {txtGruName, txtGruKuerzel, txtGruCode, m_gruBemerkung, chbGruAktuell});
  satz.insert(satz.end(), danach.begin(), danach.end());
  satz.insert(satz.end(), {m_opbSatz, opbGruppe});
  satz.insert(satz.end(), m_knoepfe.begin(), m_knoepfe.end());
  SetTabOrder(satz);
}

void Morvinfenster::KnopfzeileBauen(QBoxLayout* layout, QPushButton* erster, QPushButton* zweiter) {
  m_knoepfe = {cmbHilfe, erster, zweiter};
  auto* knoepfe = new QHBoxLayout;
  for (QPushButton* knopf : m_knoepfe) knoepfe->addWidget(knopf);
  layout->addLayout(knoepfe);
}

void Morvinfenster::OptionenVerbinden() {
  connect(m_opbSatz, &QRadioButton::toggled, this, [this](bool an) {
    if (an) SatzoptionGewaehlt();
  });
  connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
    if (an) opbGruppe_Click();
  });
  connect(cmbAbbrechen, &QPushButton::clicked, this, [this] { cmbAbbrechen_Click(); });
}

void Morvinfenster::SatzoptionGewaehlt() {
  if (!m_opbSatz->isChecked()) return;
  m_fraSatz->show();
  fraGruppe->hide();
  BarcodeVorschlagen(txtCode, m_tabelle);
}

void Morvinfenster::ModusUebernehmen() {
  m_modus = state().selection.Bearbeitungsmodus;
  m_ueberPNr.reset();
  if (m_modus == "Neu") {
    QTimer::singleShot(0, this, [this] {
      if (!m_ueberPNr) m_ueberPNr = state().selection.AktuelleUeberPNr;
    });
  }
}

void Morvinfenster::Zuruecksetzen() {
  m_opbSatz->setEnabled(true);
  opbGruppe->setEnabled(true);
  {
    // The proposal its handler would make follows later, once the boxes are cleared.
    const QSignalBlocker sperre(m_opbSatz);
    m_opbSatz->setChecked(true);
  }
  m_fraSatz->show();
  fraGruppe->hide();
  for (QLineEdit* box : {txtName, txtGruName, txtCode, txtGruCode, txtKuerzel, txtGruKuerzel}) box->clear();
  txtBemerkungen->clear();
  m_gruBemerkung->clear();
  chbAktuell->setChecked(true);
  chbGruAktuell->setChecked(true);
}

void Morvinfenster::NeuVorbereiten() {
  BarcodeVorschlagen(txtCode, m_tabelle);
  NummerVorschlagen(txtNr, m_tabelle);
  MausbildSetzen(m_opbSatz, "Hand_", true);
  MausbildSetzen(opbGruppe, "Hand_", true);
}

void Morvinfenster::GespeichertZeigen(const Gespeichert& satz) {
  {
    // The options are set without their handlers: a stored record proposes no barcode.
    const QSignalBlocker sperreS(m_opbSatz);
    const QSignalBlocker sperreG(opbGruppe);
    opbGruppe->setChecked(satz.gruppe);
    m_opbSatz->setChecked(!satz.gruppe);
  }
  fraGruppe->setVisible(satz.gruppe);
  m_fraSatz->setVisible(!satz.gruppe);
  m_opbSatz->hide();
  opbGruppe->hide();
  const QString code = QString::number(static_cast<qlonglong>(satz.barcode));
  txtNr->setText(tolvar::ui::Q(satz.nr));
  if (satz.gruppe) {
    txtGruName->setText(tolvar::ui::Q(satz.name));
    txtGruKuerzel->setText(tolvar::ui::Q(satz.kuerzel));
    txtGruCode->setText(code);
    m_gruBemerkung->setPlainText(tolvar::ui::Q(satz.bemerkungen));
    chbGruAktuell->setChecked(satz.aktuell);
  } else {
    txtName->setText(tolvar::ui::Q(satz.name));
    txtKuerzel->setText(tolvar::ui::Q(satz.kuerzel));
    txtCode->setText(code);
    txtBemerkungen->setPlainText(tolvar::ui::Q(satz.bemerkungen));
    chbAktuell->setChecked(satz.aktuell);
  }
}

masterdata::SpeicherKontext Morvinfenster::Speicherkontext() const {
  const tolvar::State& s = state();
  return {s.enterprise.AktuellerBetrieb, m_modus, m_ueberPNr.value_or(s.selection.AktuelleUeberPNr)};
}

void Morvinfenster::SpeichernAbschliessen(const masterdata::SpeicherKontext& kontext,
                                          const masterdata::StammdatenSpeicherergebnis& ergebnis,
                                          const std::string& kuerzel, const std::string& gruKuerzel) {
  // The short-name default stays visible in the window.
  txtKuerzel->setText(tolvar::ui::Q(kuerzel));
  txtGruKuerzel->setText(tolvar::ui::Q(gruKuerzel));
  m_modus = kontext.Bearbeitungsmodus;
  state().selection.Bearbeitungsmodus = m_modus;
  if (ergebnis.abgelehnt()) FokusAufFeld(*this, ergebnis.fokus);
}

const MaterialSatz* MaterialAn(int index) { return At(state().masters.MaterialListe, index); }

void NachDemSpeichern(tolvar::ui::Form& fenster, const MaterialSpeicherergebnis& ergebnis) {
  if (ergebnis.gespeichert) {
    fenster.Unload();
    return;
  }
  FokusAufFeld(fenster, ergebnis.fokus);
}

void BarcodeFeldSperren(QLineEdit* box) {
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->installEventFilter(new BarcodeFilter(box));
}

void MausbildSetzen(QWidget* control, const char* art, bool morvin) {
  if (control == nullptr) return;
  const std::string& farbe = morvin ? state().windows.FarbnameMorvin : state().windows.FarbnameTolvar;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + tolvar::ui::Q(farbe));
}

void BarcodeVorschlagen(QLineEdit* box, const char* tabelle) {
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln(tabelle)) box->setText(tolvar::ui::Q(*code));
}

void NummerVorschlagen(QLineEdit* box, const char* tabelle) {
  if (auto nummer = mdlMorvin5::NaechsteNummerErmitteln(tabelle)) box->setText(tolvar::ui::Q(*nummer));
}

}  // namespace tolvar::masterdata::ui
