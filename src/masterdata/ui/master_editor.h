#pragma once
// Common frame of the master-data editors until they are built out: the help button, F1, and
// on closing the reload of the kind's list and the rebuild of its master-data tree.

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QString>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "app/mdlHilfe.h"
#include "data/state.h"
#include "masterdata/mdlMorvin5.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"

namespace tolvar::masterdata::ui {

template <class Fenster>
class Stammdateneditor : public tolvar::ui::FormOf<Fenster> {
 public:
  QPushButton* cmbHilfe = nullptr;

  void cmbHilfe_Click() { mdlHilfe::HilfeAufrufen(Hilfethema()); }

 protected:
  Stammdateneditor(const QString& name, int baum, std::string thema)
      : tolvar::ui::FormOf<Fenster>(name, tolvar::ui::FormKind::Window), m_baum(baum), m_thema(std::move(thema)) {
    this->setCaption(name);
    cmbHilfe = tolvar::ui::MakeButton(this, QStringLiteral("cmbHilfe"), QStringLiteral("Hilfe"));
    QObject::connect(cmbHilfe, &QPushButton::clicked, this, [this] { cmbHilfe_Click(); });
  }

  virtual std::string Hilfethema() const { return m_thema; }

  void Form_Unload(bool& /*cancel*/) override { ReloadAndRebuildMasterTree(m_baum); }
  void Form_KeyDown(int key, int /*shift*/) override {
    if (key == Qt::Key_F1) cmbHilfe_Click();
  }

 private:
  int m_baum;
  std::string m_thema;
};

}  // namespace tolvar::masterdata::ui

// Helpers of the master-data editors.
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tolvar {
struct MaterialSatz;
struct MaterialSpeicherergebnis;
}  // namespace tolvar

namespace tolvar::masterdata::ui {

// The entry of the material list at `index`, or nullptr outside it.
const MaterialSatz* MaterialAn(int index);

// After a material save: closes `fenster` on success, otherwise puts the focus on the box
// the save names (none when it names none).
void NachDemSpeichern(tolvar::ui::Form& fenster, const MaterialSpeicherergebnis& ergebnis);

// A barcode box that shows its value only: every key typed or released there is dropped with a
// beep; paste and other edits are refused by the read-only state.
void BarcodeFeldSperren(QLineEdit* box);

// Gives `control` the pointer picture `art` ("Zeiger_", "Hand_") in the colour of the sibling
// program's data (morvin) or of the own data; a missing picture leaves the pointer unchanged.
void MausbildSetzen(QWidget* control, const char* art, bool morvin);

}  // namespace tolvar::masterdata::ui

namespace tolvar::masterdata::ui {

// Puts the next free barcode of `tabelle` into `box`; none leaves the box as it is.
void BarcodeVorschlagen(QLineEdit* box, const char* tabelle);
// Puts the next free number of `tabelle` into `box`; none leaves the box as it is.
void NummerVorschlagen(QLineEdit* box, const char* tabelle);

// The two editors of the sibling program's data (staff, activities): two options choose between
// the record frame and the group frame, a hidden box holds the number, the barcode boxes show
// proposals from the window's table only, and the mode is taken when the window opens and
// kept for its life, so a later dispatch to the open window cannot switch what its save does.
template <class Fenster>
class Morvineditor : public Stammdateneditor<Fenster> {
 public:
  QRadioButton* opbGruppe = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtKuerzel = nullptr;
  QLineEdit* txtCode = nullptr;
  QPlainTextEdit* txtBemerkungen = nullptr;
  QCheckBox* chbAktuell = nullptr;
  QGroupBox* fraGruppe = nullptr;
  QLineEdit* txtGruName = nullptr;
  QLineEdit* txtGruKuerzel = nullptr;
  QLineEdit* txtGruCode = nullptr;
  QCheckBox* chbGruAktuell = nullptr;
  QLineEdit* txtNr = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QPushButton* cmbAbbrechen = nullptr;

  void opbGruppe_Click() {
    if (!opbGruppe->isChecked()) return;
    fraGruppe->show();
    m_fraSatz->hide();
    BarcodeVorschlagen(txtGruCode, m_tabelle);
  }
  void cmbAbbrechen_Click() { this->Unload(); }

  // The mode the window was opened in, "Aendern" after its first successful save.
  const std::string& Modus() const { return m_modus; }

 protected:
  // The texts of the group frame that differ between the editors.
  struct Gruppentexte {
    const char* name;       // label of the name box
    const char* kuerzel;    // label of the short-name box
    const char* barcode;    // hint to the barcode box
    const char* bemerkung;  // object name of the remarks box
  };
  // What the window shows of a stored record or group.
  struct Gespeichert {
    bool gruppe;
    const std::string& nr;
    double barcode;
    const std::string& name;
    const std::string& kuerzel;
    const std::string& bemerkungen;
    bool aktuell;
  };

  Morvineditor(const QString& name, int baum, std::string thema, const char* tabelle)
      : Stammdateneditor<Fenster>(name, baum, std::move(thema)), m_tabelle(tabelle) {}

  // The record option `name` and "Neue Gruppe anlegen" side by side; returns the record option.
  QRadioButton* OptionenBauen(QBoxLayout* layout, const char* name, const QString& text) {
    m_opbSatz = tolvar::ui::MakeOptionButton(this, QString::fromLatin1(name), text);
    opbGruppe = tolvar::ui::MakeOptionButton(this, QStringLiteral("opbGruppe"), QStringLiteral("Neue Gruppe anlegen"));
    auto* optionen = new QHBoxLayout;
    optionen->addWidget(m_opbSatz);
    optionen->addWidget(opbGruppe);
    layout->addLayout(optionen);
    return m_opbSatz;
  }

  // The record frame; the window fills it.
  QGroupBox* SatzrahmenBauen(const char* name, const QString& titel) {
    m_fraSatz = tolvar::ui::MakeGroup(this, QString::fromLatin1(name), titel);
    return m_fraSatz;
  }

  // The group frame below the record frame; returns its remarks box.
  QPlainTextEdit* GruppenrahmenBauen(QBoxLayout* layout, const Gruppentexte& texte) {
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

  // The hidden number box; both barcode boxes take no typing.
  void NummerBauen() {
    txtNr = tolvar::ui::MakeTextBox(this, QStringLiteral("txtNr"));
    txtNr->hide();
    BarcodeFeldSperren(txtCode);
    BarcodeFeldSperren(txtGruCode);
  }

  // The tab order: the record frame's controls `satz` top to bottom, the group frame's, the
  // controls `danach`, the two options and the row of buttons from left to right. The window
  // opens in the name box of the frame it shows.
  void TabfolgeSetzen(std::vector<QWidget*> satz, std::initializer_list<QWidget*> danach = {}) {
    satz.insert(satz.end(), {txtGruName, txtGruKuerzel, txtGruCode, m_gruBemerkung, chbGruAktuell});
    satz.insert(satz.end(), danach.begin(), danach.end());
    satz.insert(satz.end(), {m_opbSatz, opbGruppe});
    satz.insert(satz.end(), m_knoepfe.begin(), m_knoepfe.end());
    this->SetTabOrder(satz);
  }

  // "Hilfe" and the two buttons in the order given, in one row.
  void KnopfzeileBauen(QBoxLayout* layout, QPushButton* erster, QPushButton* zweiter) {
    m_knoepfe = {this->cmbHilfe, erster, zweiter};
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* knopf : m_knoepfe) knoepfe->addWidget(knopf);
    layout->addLayout(knoepfe);
  }

  // Selecting an option from code runs its handler too, as the load step relies on.
  void Verbinden() {
    QObject::connect(m_opbSatz, &QRadioButton::toggled, this, [this](bool an) {
      if (an) SatzoptionGewaehlt();
    });
    QObject::connect(opbGruppe, &QRadioButton::toggled, this, [this](bool an) {
      if (an) opbGruppe_Click();
    });
    QObject::connect(cmbSpeichern, &QPushButton::clicked, this,
                     [this] { static_cast<Fenster*>(this)->cmbSpeichern_Click(); });
    QObject::connect(cmbAbbrechen, &QPushButton::clicked, this, [this] { cmbAbbrechen_Click(); });
  }

  void SatzoptionGewaehlt() {
    if (!m_opbSatz->isChecked()) return;
    m_fraSatz->show();
    fraGruppe->hide();
    BarcodeVorschlagen(txtCode, m_tabelle);
  }

  // Takes the mode of the opening command; a new record keeps the parent number the menu
  // command sets right after the window is shown.
  void ModusUebernehmen() {
    m_modus = state().selection.Bearbeitungsmodus;
    m_ueberPNr.reset();
    if (m_modus == "Neu") {
      QTimer::singleShot(0, this, [this] {
        if (!m_ueberPNr) m_ueberPNr = state().selection.AktuelleUeberPNr;
      });
    }
  }

  // The record option chosen, its frame shown, the shared boxes empty and both records current.
  void Zuruecksetzen() {
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

  // A new record: its barcode and number proposed, both options offered.
  void NeuVorbereiten() {
    BarcodeVorschlagen(txtCode, m_tabelle);
    NummerVorschlagen(txtNr, m_tabelle);
    MausbildSetzen(m_opbSatz, "Hand_", true);
    MausbildSetzen(opbGruppe, "Hand_", true);
  }

  // A stored record or group: only its frame, no options, its own barcode and boxes.
  void GespeichertZeigen(const Gespeichert& satz) {
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

  // Stores the entries without closing the window: the shared boxes go into `e` (the window
  // has put its own there), the short-name defaults stay visible, the mode follows the save,
  // and a refusal puts the focus on the box it names.
  template <class Eingabe>
  using Speicherfunktion = masterdata::StammdatenSpeicherergebnis (*)(masterdata::SpeicherKontext&, Eingabe&);
  template <class Eingabe>
  masterdata::StammdatenSpeicherergebnis EingabeSpeichern(Eingabe& e, Speicherfunktion<Eingabe> speichern) {
    e.opbGruppe = opbGruppe->isChecked();
    e.txtNr = tolvar::ui::S(txtNr);
    e.txtName = tolvar::ui::S(txtName);
    e.txtKuerzel = tolvar::ui::S(txtKuerzel);
    e.txtBemerkungen = tolvar::ui::S(txtBemerkungen->toPlainText());
    e.txtCode = tolvar::ui::S(txtCode);
    e.chbAktuell = chbAktuell->isChecked();
    e.txtGruName = tolvar::ui::S(txtGruName);
    e.txtGruKuerzel = tolvar::ui::S(txtGruKuerzel);
    e.txtGruCode = tolvar::ui::S(txtGruCode);
    e.chbGruAktuell = chbGruAktuell->isChecked();

    tolvar::State& s = state();
    masterdata::SpeicherKontext kontext{s.enterprise.AktuellerBetrieb, m_modus,
                                        m_ueberPNr.value_or(s.selection.AktuelleUeberPNr)};
    const masterdata::StammdatenSpeicherergebnis ergebnis = speichern(kontext, e);
    // The short-name default stays visible in the window.
    txtKuerzel->setText(tolvar::ui::Q(e.txtKuerzel));
    txtGruKuerzel->setText(tolvar::ui::Q(e.txtGruKuerzel));
    m_modus = kontext.Bearbeitungsmodus;
    s.selection.Bearbeitungsmodus = m_modus;
    if (ergebnis.abgelehnt()) {
      if (auto* fokus = this->template findChild<QWidget*>(tolvar::ui::Q(ergebnis.fokus))) fokus->setFocus();
    }
    return ergebnis;
  }

 private:
  const char* m_tabelle;
  QRadioButton* m_opbSatz = nullptr;
  QGroupBox* m_fraSatz = nullptr;
  QPlainTextEdit* m_gruBemerkung = nullptr;
  std::vector<QPushButton*> m_knoepfe;  // the row of buttons, left to right
  std::string m_modus;
  // Parent number of a new record, taken once the opening menu command has set it, so that a
  // right-click on another tree while the window is open cannot move the new record.
  std::optional<std::string> m_ueberPNr;
};

}  // namespace tolvar::masterdata::ui
