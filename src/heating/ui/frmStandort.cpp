#include "heating/ui/frmStandort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "data/state.h"
#include "heating/site_editor.h"
#include "masterdata/mdlMorvin5.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "masterdata/ui/master_tree_rebuild.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmBrennstoff.h"
#include "settings/ui/frmEindeckung.h"

namespace tolvar {

namespace {

constexpr const char* kAendern = "Aendern";

using ui::Q;
using ui::S;

// The text boxes and the form's field each one holds.
using Textfeld = std::pair<std::string StandortFormular::*, QLineEdit * frmStandort::*>;
constexpr Textfeld kTextfelder[] = {
    {&StandortFormular::txtNr, &frmStandort::txtNr},
    {&StandortFormular::txtName, &frmStandort::txtName},
    {&StandortFormular::txtKuerzel, &frmStandort::txtKuerzel},
    {&StandortFormular::txtCode, &frmStandort::txtCode},
    {&StandortFormular::txtFlaeche, &frmStandort::txtFlaeche},
    {&StandortFormular::txtBemerkung, &frmStandort::txtBemerkung},
    {&StandortFormular::txtLaenge, &frmStandort::txtLaenge},
    {&StandortFormular::txtBreite, &frmStandort::txtBreite},
    {&StandortFormular::txtStehwand, &frmStandort::txtStehwand},
    {&StandortFormular::txtHaus, &frmStandort::txtHaus},
    {&StandortFormular::txtWege, &frmStandort::txtWege},
    {&StandortFormular::txtGruStehwand, &frmStandort::txtGruStehwand},
    {&StandortFormular::txtGruHaus, &frmStandort::txtGruHaus},
    {&StandortFormular::txtGruWege, &frmStandort::txtGruWege},
    {&StandortFormular::txtKappenzahl, &frmStandort::txtKappenzahl},
    {&StandortFormular::txtWirkungsgrad, &frmStandort::txtWirkungsgrad},
    {&StandortFormular::txtEinsparung, &frmStandort::txtEinsparung},
    {&StandortFormular::txtFaktor, &frmStandort::txtFaktor},
};

using Pruefkasten = std::pair<bool StandortFormular::*, QCheckBox * frmStandort::*>;
constexpr Pruefkasten kPruefkaesten[] = {
    {&StandortFormular::chbAktuell, &frmStandort::chbAktuell},
    {&StandortFormular::chbBrennwert, &frmStandort::chbBrennwert},
    {&StandortFormular::chbEnergieschirm, &frmStandort::chbEnergieschirm},
};

// The lists: entries, selected entry and box. The four wall and gable lists share entries.
struct Liste {
  std::vector<std::string> StandortFormular::*eintraege;
  std::string StandortFormular::*auswahl;
  QComboBox* frmStandort::*box;
};
constexpr Liste kListen[] = {
    {&StandortFormular::DachListe, &StandortFormular::comEinDach, &frmStandort::comEinDach},
    {&StandortFormular::WandListe, &StandortFormular::comEinGiebelH, &frmStandort::comEinGiebelH},
    {&StandortFormular::WandListe, &StandortFormular::comEinGiebelV, &frmStandort::comEinGiebelV},
    {&StandortFormular::WandListe, &StandortFormular::comEinStehL, &frmStandort::comEinStehL},
    {&StandortFormular::WandListe, &StandortFormular::comEinStehR, &frmStandort::comEinStehR},
    {&StandortFormular::BrennstoffListe, &StandortFormular::comBrennstoff, &frmStandort::comBrennstoff},
};

std::vector<std::string> Eintraege(const QComboBox* box) {
  std::vector<std::string> eintraege;
  for (int i = 0; i < box->count(); ++i) eintraege.push_back(S(box->itemText(i)));
  return eintraege;
}

// The selected site, or nullptr when the index names none.
const StandortSatz* GewaehlterStandort() {
  const tolvar::State& s = state();
  return At(s.masters.StandortListe, s.selection.StandortIndex);
}

}  // namespace

// Puts this editor's mode, site and parent into the program-wide selection for one call of the
// logic and restores the selection afterwards. The site is looked up by its number, as the list
// may have been reloaded meanwhile; a new record saved here is changed from then on.
class frmStandort::EigenerZustand {
 public:
  explicit EigenerZustand(frmStandort& form)
      : m_form(form),
        m_modus(state().selection.Bearbeitungsmodus),
        m_index(state().selection.StandortIndex),
        m_ueberPNr(state().selection.AktuelleUeberPNr) {
    tolvar::State& s = state();
    s.selection.Bearbeitungsmodus = form.m_modus;
    if (form.m_ueberPNr) s.selection.AktuelleUeberPNr = *form.m_ueberPNr;
    const auto it = std::find_if(
        s.masters.StandortListe.begin(), s.masters.StandortListe.end(),
        [&form](const StandortSatz& st) { return !form.m_standortNr.empty() && st.StandortNr == form.m_standortNr; });
    s.selection.StandortIndex = static_cast<int>(it - s.masters.StandortListe.begin());
  }
  ~EigenerZustand() {
    tolvar::State& s = state();
    m_form.m_modus = s.selection.Bearbeitungsmodus;
    s.selection.Bearbeitungsmodus = m_modus;
    s.selection.StandortIndex = m_index;
    s.selection.AktuelleUeberPNr = m_ueberPNr;
  }
  EigenerZustand(const EigenerZustand&) = delete;
  EigenerZustand& operator=(const EigenerZustand&) = delete;

 private:
  frmStandort& m_form;
  std::string m_modus;
  int m_index;
  std::string m_ueberPNr;
};

frmStandort::frmStandort() : FormOf(QStringLiteral("frmStandort"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Standort"));
  Aufbauen();
}

std::array<frmStandort::Flaeche, 4> frmStandort::Flaechen() const {
  return {{
      {.optionen = m_giebelH,
       .temperatur = txtGrenzGiebelH,
       .option = &StandortFormular::opbGiebelH,
       .grenz = &StandortFormular::txtGrenzGiebelH},
      {.optionen = m_giebelV,
       .temperatur = txtGrenzGiebelV,
       .option = &StandortFormular::opbGiebelV,
       .grenz = &StandortFormular::txtGrenzGiebelV},
      {.optionen = m_stehL,
       .temperatur = txtGrenzStehL,
       .option = &StandortFormular::opbStehL,
       .grenz = &StandortFormular::txtGrenzStehL},
      {.optionen = m_stehR,
       .temperatur = txtGrenzStehR,
       .option = &StandortFormular::opbStehR,
       .grenz = &StandortFormular::txtGrenzStehR},
  }};
}

StandortFormular frmStandort::FormularLesen() const {
  StandortFormular f;
  f.opbGruppe = opbGruppe->isChecked();
  for (const auto& [feld, box] : kTextfelder) f.*feld = S((this->*box)->text());
  for (const auto& [feld, box] : kPruefkaesten) f.*feld = (this->*box)->isChecked();
  f.opbTyp = std::max(1, m_typ->Selected());
  for (const Liste& liste : kListen) {
    const QComboBox* box = this->*liste.box;
    f.*liste.eintraege = Eintraege(box);
    f.*liste.auswahl = box->currentIndex() < 0 ? std::string() : S(box->currentText());
  }
  for (const Flaeche& flaeche : Flaechen()) {
    f.*flaeche.option = flaeche.optionen->Selected() == kGrenzflaeche ? kGrenzflaeche : kAussenflaeche;
    f.*flaeche.grenz = S(flaeche.temperatur->text());
  }
  return f;
}

void frmStandort::ListenZeigen(const StandortFormular& f) {
  for (const Liste& liste : kListen) {
    QComboBox* box = this->*liste.box;
    const QSignalBlocker sperre(box);
    box->clear();
    for (const std::string& eintrag : f.*liste.eintraege) box->addItem(Q(eintrag));
    const std::string& auswahl = f.*liste.auswahl;
    box->setCurrentIndex(auswahl.empty() ? -1 : box->findText(Q(auswahl)));
  }
}

void frmStandort::FormularZeigen(const StandortFormular& f) {
  m_schreiben = true;
  ui::SetOptionValue(f.opbGruppe ? opbGruppe : opbHaus, true);
  Layout(f.opbGruppe);
  for (const auto& [feld, box] : kTextfelder) (this->*box)->setText(Q(f.*feld));
  for (const auto& [feld, box] : kPruefkaesten) (this->*box)->setChecked(f.*feld);
  m_typ->SetValue(f.opbTyp, true);
  ListenZeigen(f);
  // The option's handler runs first (as for a click); the temperature is filled in after it.
  for (const Flaeche& flaeche : Flaechen()) {
    flaeche.optionen->SetValue(f.*flaeche.option, true);
    flaeche.temperatur->setEnabled(f.*flaeche.option == kGrenzflaeche);
    flaeche.temperatur->setText(Q(f.*flaeche.grenz));
  }
  m_schreiben = false;
}

void frmStandort::Layout(bool gruppe) {
  fraMasseBlock->setVisible(gruppe);
  fraMasseGWH->setVisible(!gruppe);
  txtKappenzahl->setVisible(!gruppe);
  fraGrenz->setVisible(!gruppe);
  opbTyp[2]->setText(gruppe ? QStringLiteral("Venlo-GWH") : QStringLiteral("Venlo-GWH  Kappenzahl"));
}

void frmStandort::Form_Load() {
  mdlMauszeiger::MauszeigerSetzen(*this);
  tolvar::State& s = state();
  m_modus = s.selection.Bearbeitungsmodus;
  m_ueberPNr.reset();
  if (m_modus == "Neu") {
    // The menu command sets the parent number right after the window is shown.
    QTimer::singleShot(0, this, [this] {
      if (!m_ueberPNr) m_ueberPNr = state().selection.AktuelleUeberPNr;
    });
  }
  if (const StandortSatz* standort = GewaehlterStandort()) m_standortNr = standort->StandortNr;
  const bool aendern = m_modus == kAendern;
  // The kind of an existing record cannot be changed.
  opbHaus->setVisible(!aendern);
  opbGruppe->setVisible(!aendern);
  // Without an open enterprise there is nothing to edit; the window keeps its design state.
  if (s.enterprise.BetriebOffen) {
    StandortFormular f = FormularLesen();
    std::string barcode;
    std::string nummer;
    if (!aendern) {
      barcode = mdlMorvin5::NaechstenBarcodeErmitteln("Standort").value_or("");
      nummer = mdlMorvin5::NaechsteNummerErmitteln("Standort").value_or("");
    }
    heating::Laden(f, nummer, barcode);
    FormularZeigen(f);
  }
  regStandort->SetTab(0);
}

// Change mode: lists edited meanwhile in the fuel or covering editor become current; what the
// user typed stays and nothing is stored.
void frmStandort::Form_Activate() {
  if (m_modus != kAendern || !state().enterprise.BetriebOffen) return;
  StandortFormular f = FormularLesen();
  {
    EigenerZustand zustand(*this);
    heating::Aktivieren(f);
  }
  ListenZeigen(f);
}

void frmStandort::Form_Unload(bool& /*cancel*/) {
  masterdata::ui::ReloadAndRebuildMasterTree(masterdata::ui::Standorte);
}

void frmStandort::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) cmbHilfe_Click();
}

void frmStandort::cmbHilfe_Click() { mdlHilfe::HilfeAufrufen("5.2"); }

void frmStandort::cmbSpeichern_Click() { Speichern(false); }

void frmStandort::cmbFuerAlle_Click() { Speichern(true); }

void frmStandort::cmbAbbruch_Click() { Unload(); }

// The fuel and covering editors open beside this window, not modal; coming back here
// refreshes the lists (Form_Activate).
void frmStandort::cmbBrennstoffverwaltung_Click() { Daneben(frmBrennstoff::instanz()); }

void frmStandort::cmbMaterialverwaltung_Click() { Daneben(frmEindeckung::instanz()); }

void frmStandort::Daneben(ui::Form& editor) {
  editor.PlaceBeside(this);
  editor.Show();
}

// Checks the master record first, so a refused save stores nothing; the window then stays
// open with the cursor in the box concerned.
void frmStandort::Speichern(bool fuerAlle) {
  const StandortFormular f = FormularLesen();
  const masterdata::StandortEingabe eingabe{.txtNr = f.txtNr,
                                            .txtName = f.txtName,
                                            .txtKuerzel = f.txtKuerzel,
                                            .txtCode = f.txtCode,
                                            .txtBemerkung = f.txtBemerkung,
                                            .txtLaenge = f.txtLaenge,
                                            .txtBreite = f.txtBreite,
                                            .chbAktuell = f.chbAktuell,
                                            .opbGruppe = f.opbGruppe};
  heating::StandortSpeicherergebnis ergebnis;
  std::string fokus;
  {
    EigenerZustand zustand(*this);
    const tolvar::State& s = state();
    const masterdata::SpeicherKontext kontext{s.enterprise.AktuellerBetrieb, s.selection.Bearbeitungsmodus,
                                              s.selection.AktuelleUeberPNr};
    const masterdata::StammdatenSpeicherergebnis pruefung = masterdata::StandortEingabePruefen(kontext, eingabe);
    if (pruefung.abgelehnt()) {
      fokus = pruefung.fokus;
    } else {
      ergebnis = heating::Speichern(f, fuerAlle, [&eingabe, &fokus] {
        const masterdata::StammdatenSpeicherergebnis gespeichert = mdlMorvin5::StammdatensatzSpeichern(eingabe);
        fokus = gespeichert.fokus;
        return !gespeichert.abgelehnt();
      });
    }
  }
  if (ergebnis.schliessen) {
    Unload();
    return;
  }
  if (!ergebnis.fokus.empty()) fokus = ergebnis.fokus;
  if (ergebnis.fokusName) fokus = "txtName";
  Fokus(fokus);
}

void frmStandort::Fokus(const std::string& control) {
  if (control.empty()) return;
  QWidget* box = ui::FindControl<QWidget>(this, Q(control));
  if (box == nullptr) return;
  for (int i = 0; i < regStandort->Count(); ++i) {
    if (regStandort->Page(i)->isAncestorOf(box)) regStandort->SetTab(i);
  }
  box->setFocus();
}

void frmStandort::opbHaus_Click() {
  Layout(false);
  if (m_schreiben) return;
  StandortFormular f = FormularLesen();
  {
    EigenerZustand zustand(*this);
    heating::HausWaehlen(f);
  }
  FormularZeigen(f);
}

void frmStandort::opbGruppe_Click() { Layout(true); }

void frmStandort::FlaecheWaehlen(QLineEdit* temperatur, int index) {
  if (index == kAussenflaeche) {
    temperatur->clear();
    temperatur->setEnabled(false);
  } else if (index == kGrenzflaeche) {
    temperatur->setEnabled(true);
    if (!m_schreiben) temperatur->setFocus();
  }
}

void frmStandort::opbGiebelH_Click(int index) { FlaecheWaehlen(txtGrenzGiebelH, index); }
void frmStandort::opbGiebelV_Click(int index) { FlaecheWaehlen(txtGrenzGiebelV, index); }
void frmStandort::opbStehL_Click(int index) { FlaecheWaehlen(txtGrenzStehL, index); }
void frmStandort::opbStehR_Click(int index) { FlaecheWaehlen(txtGrenzStehR, index); }

}  // namespace tolvar
