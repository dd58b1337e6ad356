// Main window: menu bar, work-area commands and the pop-up menus of the trees.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>

#include "app/help_menu.h"
#include "app/mdiTolvarZentral.h"
#include "app/mdlMenue.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/state.h"
#include "masterdata/ui/mdlLoeschen.h"
#include "masterdata/ui/mdlPopUp.h"
#include "settings/ui/frmEinstellungen.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {

namespace {

QMenu* Menue(QWidget* parent, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name));
  return menu;
}

QAction* Eintrag(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QLatin1String(name));
  return action;
}

QAction* Strich(QMenu* menu, const char* name) {
  QAction* action = menu->addSeparator();
  action->setObjectName(QLatin1String(name));
  return action;
}

// The group number a new record in a group gets: the last four digits of the clicked group's
// number, taken from the record the right-click selected in whichever tree showed the menu.
template <class Satz, class NrFeld>
bool GruppenNummer(const std::vector<Satz>& liste, int index, NrFeld nr, std::string* ueberPNr) {
  if (index < 0 || index >= static_cast<int>(liste.size())) return false;
  const std::string& nummer = liste[static_cast<std::size_t>(index)].*nr;
  if (nummer.size() < 4) return false;
  *ueberPNr = nummer.substr(nummer.size() - 4);
  return true;
}

// Work-area command: nothing without an enterprise; otherwise every other window closes, the
// area's flag is set, and then its window loads (and sees the flag) and shows.
template <class Fenster>
void Arbeitsbereich(bool State::*modus) {
  tolvar::State& s = state();
  if (!s.BetriebOffen) return;
  mdlMenue::AlleFensterSchliessen();
  if (modus != nullptr) s.*modus = true;
  Fenster::instanz().Show();
}

}  // namespace

void mdiTolvarZentral::MenuesAnlegen() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("mnuLeiste"));

  mnuBetrieb = Menue(this, "mnuBetrieb", QStringLiteral("Betrieb"));
  mnuoeffnen = Eintrag(mnuBetrieb, "mnuoeffnen", QStringLiteral("Betrieb öffnen"));
  mnuStrich1 = Strich(mnuBetrieb, "mnuStrich1");
  mnuspeichern = Eintrag(mnuBetrieb, "mnuspeichern", QStringLiteral("Betrieb speichern"));
  mnuspeichernunter = Eintrag(mnuBetrieb, "mnuspeichernunter", QStringLiteral("Betrieb speichern unter ..."));
  mnuStrich2 = Strich(mnuBetrieb, "mnuStrich2");
  mnuEnde = Eintrag(mnuBetrieb, "mnuEnde", QStringLiteral("Beenden"));
  bar->addMenu(mnuBetrieb);

  mnuStammdaten = bar->addAction(QStringLiteral("Stammdaten"));
  mnuStammdaten->setObjectName(QStringLiteral("mnuStammdaten"));

  mnuKalkulation = Menue(this, "mnuKalkulation", QStringLiteral("Tolvar"));
  mnuBegleit = Eintrag(mnuKalkulation, "mnuBegleit", QStringLiteral("Kulturbegleitende Datenerfassung"));
  mnuStrich3 = Strich(mnuKalkulation, "mnuStrich3");
  mnuNach = Eintrag(mnuKalkulation, "mnuNach", QStringLiteral("Kalkulation"));
  bar->addMenu(mnuKalkulation);

  mnuVergleich = Menue(this, "mnuVergleich", QStringLiteral("Kulturvergleich"));
  mnuNeueErgebnisDB = Eintrag(mnuVergleich, "mnuNeueErgebnisDB", QStringLiteral("Neue Ergebnisdatenbank anlegen"));
  mnuVergleichNeu = Eintrag(mnuVergleich, "mnuVergleichNeu", QStringLiteral("Vergleichskulturen bearbeiten"));
  mnuStrich4 = Strich(mnuVergleich, "mnuStrich4");
  mnuVergleichExe = Eintrag(mnuVergleich, "mnuVergleichExe", QStringLiteral("Kulturen vergleichen"));
  bar->addMenu(mnuVergleich);

  mnuEinstellungen = bar->addAction(QStringLiteral("Einstellungen"));
  mnuEinstellungen->setObjectName(QStringLiteral("mnuEinstellungen"));

  mnuSicherung = Menue(this, "mnuSicherung", QStringLiteral("Datensicherung"));
  mnuBetriebSichern = Eintrag(mnuSicherung, "mnuBetriebSichern", QStringLiteral("Sicherungsdatei erstellen"));
  mnuStrichSicherung = Strich(mnuSicherung, "mnuStrichSicherung");
  mnuSicherungLaden = Eintrag(mnuSicherung, "mnuSicherungLaden", QStringLiteral("Sicherungsdatei laden"));
  bar->addMenu(mnuSicherung);

  mnuHilfe = Menue(this, "mnuHilfe", QStringLiteral("Hilfe"));
  mnuHilfeText = Eintrag(mnuHilfe, "mnuHilfeText", QStringLiteral("Hilfe"));
  mnuHilfeDoku = Eintrag(mnuHilfe, "mnuHilfeDoku", QStringLiteral("Dokumentation drucken"));
  mnuStrich6 = Strich(mnuHilfe, "mnuStrich6");
  mnuInfo = Eintrag(mnuHilfe, "mnuInfo", QStringLiteral("Über Tolvar"));
  bar->addMenu(mnuHilfe);

  // Queued: a command that reopens the main window must not destroy it inside its own signal.
  const auto verbinden = [this](QAction* action, void (mdiTolvarZentral::*handler)()) {
    connect(action, &QAction::triggered, this, handler, Qt::QueuedConnection);
  };
  verbinden(mnuoeffnen, &mdiTolvarZentral::mnuoeffnen_Click);
  verbinden(mnuspeichern, &mdiTolvarZentral::mnuspeichern_Click);
  verbinden(mnuspeichernunter, &mdiTolvarZentral::mnuspeichernunter_Click);
  verbinden(mnuEnde, &mdiTolvarZentral::mnuEnde_Click);
  verbinden(mnuStammdaten, &mdiTolvarZentral::mnuStammdaten_Click);
  verbinden(mnuBegleit, &mdiTolvarZentral::mnuBegleit_Click);
  verbinden(mnuNach, &mdiTolvarZentral::mnuNach_Click);
  verbinden(mnuNeueErgebnisDB, &mdiTolvarZentral::mnuNeueErgebnisDB_Click);
  verbinden(mnuVergleichNeu, &mdiTolvarZentral::mnuVergleichNeu_Click);
  verbinden(mnuVergleichExe, &mdiTolvarZentral::mnuVergleichExe_Click);
  verbinden(mnuEinstellungen, &mdiTolvarZentral::mnuEinstellungen_Click);
  verbinden(mnuBetriebSichern, &mdiTolvarZentral::mnuBetriebSichern_Click);
  verbinden(mnuSicherungLaden, &mdiTolvarZentral::mnuSicherungLaden_Click);
  connect(mnuHilfeText, &QAction::triggered, this, [] { hilfemenue::mnuHilfeText_Click(); });
  connect(mnuHilfeDoku, &QAction::triggered, this, [] { hilfemenue::mnuHilfeDoku_Click(); });
  connect(mnuInfo, &QAction::triggered, this, [] { hilfemenue::mnuInfo_Click(); });
}

void mdiTolvarZentral::PopUpsAnlegen() {
  // Not in the menu bar: the tree windows show them with PopupMenu.
  mnuPopUp1 = Menue(this, "mnuPopUp1", QStringLiteral("PopUp1"));
  mnuPopUp1Neu = Eintrag(mnuPopUp1, "mnuPopUp1Neu", QStringLiteral("Neue Kultur/ Gruppe eingeben"));
  mnuPopUp2 = Menue(this, "mnuPopUp2", QStringLiteral("PopUp2"));
  mnuPopUp2Aendern = Eintrag(mnuPopUp2, "mnuPopUp2Aendern", QStringLiteral("Ändern"));
  mnuStrichOpoup = Strich(mnuPopUp2, "mnuStrichOpoup");
  mnuPopUp2Neu = Eintrag(mnuPopUp2, "mnuPopUp2Neu", QStringLiteral("Neue Kultur/ Gruppe"));
  mnuPopUp3 = Menue(this, "mnuPopUp3", QStringLiteral("PopUp3"));
  mnuPopUp3Aendern = Eintrag(mnuPopUp3, "mnuPopUp3Aendern", QStringLiteral("Ändern"));
  mnuPopUp3Loeschen = Eintrag(mnuPopUp3, "mnuPopUp3Loeschen", QStringLiteral("Löschen"));

  connect(mnuPopUp1Neu, &QAction::triggered, this, &mdiTolvarZentral::mnuPopUp1Neu_Click);
  connect(mnuPopUp2Aendern, &QAction::triggered, this, &mdiTolvarZentral::mnuPopUp2Aendern_Click);
  connect(mnuPopUp2Neu, &QAction::triggered, this, &mdiTolvarZentral::mnuPopUp2Neu_Click);
  connect(mnuPopUp3Aendern, &QAction::triggered, this, &mdiTolvarZentral::mnuPopUp3Aendern_Click);
  connect(mnuPopUp3Loeschen, &QAction::triggered, this, &mdiTolvarZentral::mnuPopUp3Loeschen_Click);
}

void mdiTolvarZentral::PopupMenu(QMenu* menu) {
  if (menu == nullptr) return;
  m_letztesPopUp = menu;
  menu->popup(QCursor::pos());
}

void mdiTolvarZentral::mnuspeichern_Click() {}

void mdiTolvarZentral::mnuEnde_Click() {
  mdlMenue::AlleFensterSchliessen();
  Unload();
}

void mdiTolvarZentral::mnuStammdaten_Click() { Arbeitsbereich<frmStammdaten>(&tolvar::State::ModusStammdaten); }
void mdiTolvarZentral::mnuBegleit_Click() { Arbeitsbereich<frmBewegungsdaten>(&tolvar::State::ModusErfassung); }
void mdiTolvarZentral::mnuNach_Click() { Arbeitsbereich<frmKalkulation>(&tolvar::State::ModusKalkulation); }
void mdiTolvarZentral::mnuVergleichExe_Click() { Arbeitsbereich<frmKulturvergleich>(nullptr); }
void mdiTolvarZentral::mnuVergleichNeu_Click() { Arbeitsbereich<frmKulturVergleichBearbeiten>(nullptr); }

void mdiTolvarZentral::mnuEinstellungen_Click() {
  if (!state().BetriebOffen) return;
  frmEinstellungen::instanz().Show();
}

void mdiTolvarZentral::mnuPopUp1Neu_Click() {
  mdlPopUp::PopUpNeu();
  state().AktuelleUeberPNr = "0";
}

void mdiTolvarZentral::mnuPopUp2Neu_Click() {
  // The editor opens first: its loading still sees the parent number the tree window set.
  mdlPopUp::PopUpNeu();
  tolvar::State& s = state();
  std::string gruppe;
  bool gefunden = false;
  if (s.AktuellerBaum == "Kulturen") {
    gefunden = GruppenNummer(s.KulturListe, s.KulturIndex, &KulturSatz::KulturNr, &gruppe);
  } else if (s.AktuellerBaum == "Standort") {
    gefunden = GruppenNummer(s.StandortListe, s.StandortIndex, &StandortSatz::StandortNr, &gruppe);
  } else if (s.AktuellerBaum == "Material") {
    gefunden = GruppenNummer(s.MaterialListe, s.MaterialIndex, &MaterialSatz::MaterialNr, &gruppe);
  } else if (s.AktuellerBaum == "Personal") {
    gefunden = GruppenNummer(s.PersonalListe, s.PersonalIndex, &PersonalSatz::PersonalNr, &gruppe);
  } else if (s.AktuellerBaum == "StdTaetigkeiten") {
    gefunden = GruppenNummer(s.StdTaetigkeitListe, s.StdTaetigkeitIndex, &StdTaetigkeitSatz::StdTaetigkeitNr,
                             &gruppe);
  }
  if (gefunden) s.AktuelleUeberPNr = gruppe;
}

void mdiTolvarZentral::mnuPopUp2Aendern_Click() { mdlPopUp::PopUpAendern(); }
void mdiTolvarZentral::mnuPopUp3Aendern_Click() { mdlPopUp::PopUpAendern(); }
void mdiTolvarZentral::mnuPopUp3Loeschen_Click() { mdlLoeschen::DatenLoeschen(); }

}  // namespace tolvar
