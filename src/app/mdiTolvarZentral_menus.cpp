// Main window: menu bar, work-area commands and the pop-up menus of the trees.
#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <initializer_list>

#include "app/help_menu.h"
#include "app/mdiTolvarZentral.h"
#include "app/mdlMenue.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/state.h"
#include "masterdata/ui/mdlLoeschen_ui.h"
#include "masterdata/ui/mdlPopUp.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmEinstellungen.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar {

namespace {

// One item of a menu: its name and caption, or a separator when the caption is null; the
// window's field that keeps it, and the handler its click runs (none: connected elsewhere).
struct Eintrag {
  const char* name;
  const char* caption;
  QAction* mdiTolvarZentral::*feld;
  void (mdiTolvarZentral::*handler)();
};

QAction* Befehl(QAction* action, const char* name) {
  action->setObjectName(QLatin1String(name));
  return action;
}

// A menu of `window` with its items in order, their handlers connected as `verbindung` says.
QMenu* Menue(mdiTolvarZentral* window, const char* name, const QString& caption,
             std::initializer_list<Eintrag> eintraege, Qt::ConnectionType verbindung) {
  auto* menu = new QMenu(caption, window);
  menu->setObjectName(QLatin1String(name));
  Befehl(menu->menuAction(), name);
  for (const Eintrag& e : eintraege) {
    QAction* action = e.caption == nullptr ? menu->addSeparator() : menu->addAction(ui::Q(e.caption));
    Befehl(action, e.name);
    window->*e.feld = action;
    if (e.handler != nullptr) QObject::connect(action, &QAction::triggered, window, e.handler, verbindung);
  }
  return menu;
}

// The group number a new record in a group gets: the last four digits of the clicked group's
// number, taken from the record the right-click selected in whichever tree showed the menu.
template <class Satz, class NrFeld>
bool GruppenNummer(const std::vector<Satz>& liste, int index, NrFeld nr, std::string* ueberPNr) {
  const Satz* satz = At(liste, index);
  if (satz == nullptr) return false;
  const std::string& nummer = satz->*nr;
  if (nummer.size() < 4) return false;
  *ueberPNr = nummer.substr(nummer.size() - 4);
  return true;
}

// Work-area command: nothing without an enterprise; otherwise every other window closes, the
// area's flag is set, and then its window loads (and sees the flag) and shows.
template <class Fenster>
void Arbeitsbereich(bool EnterpriseState::*modus) {
  tolvar::State& s = state();
  if (!s.enterprise.BetriebOffen) return;
  mdlMenue::AlleFensterSchliessen();
  if (modus != nullptr) s.enterprise.*modus = true;
  Fenster::instanz().Show();
}

}  // namespace

void mdiTolvarZentral::MenuesAnlegen() {
  using W = mdiTolvarZentral;
  // Queued: a command that reopens the main window must not destroy it inside its own signal.
  constexpr Qt::ConnectionType kSpaeter = Qt::QueuedConnection;
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("mnuLeiste"));

  mnuBetrieb =
      Menue(this, "mnuBetrieb", QStringLiteral("Betrieb"),
            {{"mnuoeffnen", "Betrieb öffnen", &W::mnuoeffnen, &W::mnuoeffnen_Click},
             {"mnuStrich1", nullptr, &W::mnuStrich1, nullptr},
             {"mnuspeichern", "Betrieb speichern", &W::mnuspeichern, &W::mnuspeichern_Click},
             {"mnuspeichernunter", "Betrieb speichern unter ...", &W::mnuspeichernunter, &W::mnuspeichernunter_Click},
             {"mnuStrich2", nullptr, &W::mnuStrich2, nullptr},
             {"mnuEnde", "Beenden", &W::mnuEnde, &W::mnuEnde_Click}},
            kSpaeter);
  bar->addMenu(mnuBetrieb);

  mnuStammdaten = Befehl(bar->addAction(QStringLiteral("Stammdaten")), "mnuStammdaten");
  connect(mnuStammdaten, &QAction::triggered, this, &W::mnuStammdaten_Click, kSpaeter);

  mnuKalkulation = Menue(this, "mnuKalkulation", QStringLiteral("Tolvar"),
                         {{"mnuBegleit", "Kulturbegleitende Datenerfassung", &W::mnuBegleit, &W::mnuBegleit_Click},
                          {"mnuStrich3", nullptr, &W::mnuStrich3, nullptr},
                          {"mnuNach", "Kalkulation", &W::mnuNach, &W::mnuNach_Click}},
                         kSpaeter);
  bar->addMenu(mnuKalkulation);

  mnuVergleich = Menue(
      this, "mnuVergleich", QStringLiteral("Kulturvergleich"),
      {{"mnuNeueErgebnisDB", "Neue Ergebnisdatenbank anlegen", &W::mnuNeueErgebnisDB, &W::mnuNeueErgebnisDB_Click},
       {"mnuVergleichNeu", "Vergleichskulturen bearbeiten", &W::mnuVergleichNeu, &W::mnuVergleichNeu_Click},
       {"mnuStrich4", nullptr, &W::mnuStrich4, nullptr},
       {"mnuVergleichExe", "Kulturen vergleichen", &W::mnuVergleichExe, &W::mnuVergleichExe_Click}},
      kSpaeter);
  bar->addMenu(mnuVergleich);

  mnuEinstellungen = Befehl(bar->addAction(QStringLiteral("Einstellungen")), "mnuEinstellungen");
  connect(mnuEinstellungen, &QAction::triggered, this, &W::mnuEinstellungen_Click, kSpaeter);

  mnuSicherung =
      Menue(this, "mnuSicherung", QStringLiteral("Datensicherung"),
            {{"mnuBetriebSichern", "Sicherungsdatei erstellen", &W::mnuBetriebSichern, &W::mnuBetriebSichern_Click},
             {"mnuStrichSicherung", nullptr, &W::mnuStrichSicherung, nullptr},
             {"mnuSicherungLaden", "Sicherungsdatei laden", &W::mnuSicherungLaden, &W::mnuSicherungLaden_Click}},
            kSpaeter);
  bar->addMenu(mnuSicherung);

  // The help commands belong to the help menu's module.
  mnuHilfe = Menue(this, "mnuHilfe", QStringLiteral("Hilfe"),
                   {{"mnuHilfeText", "Hilfe", &W::mnuHilfeText, nullptr},
                    {"mnuHilfeDoku", "Dokumentation drucken", &W::mnuHilfeDoku, nullptr},
                    {"mnuStrich6", nullptr, &W::mnuStrich6, nullptr},
                    {"mnuInfo", "Über Tolvar", &W::mnuInfo, nullptr}},
                   kSpaeter);
  bar->addMenu(mnuHilfe);
  connect(mnuHilfeText, &QAction::triggered, this, [] { app::mnuHilfeText_Click(); });
  connect(mnuHilfeDoku, &QAction::triggered, this, [] { app::mnuHilfeDoku_Click(); });
  connect(mnuInfo, &QAction::triggered, this, [] { app::mnuInfo_Click(); });
}

void mdiTolvarZentral::PopUpsAnlegen() {
  using W = mdiTolvarZentral;
  // Not in the menu bar: the tree windows show them with PopupMenu.
  mnuPopUp1 = Menue(this, "mnuPopUp1", QStringLiteral("PopUp1"),
                    {{"mnuPopUp1Neu", "Neue Kultur/ Gruppe eingeben", &W::mnuPopUp1Neu, &W::mnuPopUp1Neu_Click}},
                    Qt::AutoConnection);
  mnuPopUp2 = Menue(this, "mnuPopUp2", QStringLiteral("PopUp2"),
                    {{"mnuPopUp2Aendern", "Ändern", &W::mnuPopUp2Aendern, &W::mnuPopUp2Aendern_Click},
                     {"mnuStrichOpoup", nullptr, &W::mnuStrichOpoup, nullptr},
                     {"mnuPopUp2Neu", "Neue Kultur/ Gruppe", &W::mnuPopUp2Neu, &W::mnuPopUp2Neu_Click}},
                    Qt::AutoConnection);
  mnuPopUp3 = Menue(this, "mnuPopUp3", QStringLiteral("PopUp3"),
                    {{"mnuPopUp3Aendern", "Ändern", &W::mnuPopUp3Aendern, &W::mnuPopUp3Aendern_Click},
                     {"mnuPopUp3Loeschen", "Löschen", &W::mnuPopUp3Loeschen, &W::mnuPopUp3Loeschen_Click}},
                    Qt::AutoConnection);
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

void mdiTolvarZentral::mnuStammdaten_Click() {
  Arbeitsbereich<frmStammdaten>(&tolvar::EnterpriseState::ModusStammdaten);
}
void mdiTolvarZentral::mnuBegleit_Click() {
  Arbeitsbereich<frmBewegungsdaten>(&tolvar::EnterpriseState::ModusErfassung);
}
void mdiTolvarZentral::mnuNach_Click() { Arbeitsbereich<frmKalkulation>(&tolvar::EnterpriseState::ModusKalkulation); }
void mdiTolvarZentral::mnuVergleichExe_Click() { Arbeitsbereich<frmKulturvergleich>(nullptr); }
void mdiTolvarZentral::mnuVergleichNeu_Click() { Arbeitsbereich<frmKulturVergleichBearbeiten>(nullptr); }

void mdiTolvarZentral::mnuEinstellungen_Click() {
  if (!state().enterprise.BetriebOffen) return;
  frmEinstellungen::instanz().Show();
}

void mdiTolvarZentral::mnuPopUp1Neu_Click() {
  mdlPopUp::PopUpNeu();
  state().selection.AktuelleUeberPNr = "0";
}

void mdiTolvarZentral::mnuPopUp2Neu_Click() {
  // The editor opens first: its loading still sees the parent number the tree window set.
  mdlPopUp::PopUpNeu();
  tolvar::State& s = state();
  std::string gruppe;
  bool gefunden = false;
  if (s.selection.AktuellerBaum == "Kulturen") {
    gefunden = GruppenNummer(s.masters.KulturListe, s.selection.KulturIndex, &KulturSatz::KulturNr, &gruppe);
  } else if (s.selection.AktuellerBaum == "Standort") {
    gefunden = GruppenNummer(s.masters.StandortListe, s.selection.StandortIndex, &StandortSatz::StandortNr, &gruppe);
  } else if (s.selection.AktuellerBaum == "Material") {
    gefunden = GruppenNummer(s.masters.MaterialListe, s.selection.MaterialIndex, &MaterialSatz::MaterialNr, &gruppe);
  } else if (s.selection.AktuellerBaum == "Personal") {
    gefunden = GruppenNummer(s.masters.PersonalListe, s.selection.PersonalIndex, &PersonalSatz::PersonalNr, &gruppe);
  } else if (s.selection.AktuellerBaum == "StdTaetigkeiten") {
    gefunden = GruppenNummer(s.masters.StdTaetigkeitListe, s.selection.StdTaetigkeitIndex,
                             &StdTaetigkeitSatz::StdTaetigkeitNr, &gruppe);
  }
  if (gefunden) s.selection.AktuelleUeberPNr = gruppe;
}

void mdiTolvarZentral::mnuPopUp2Aendern_Click() { mdlPopUp::PopUpAendern(); }
void mdiTolvarZentral::mnuPopUp3Aendern_Click() { mdlPopUp::PopUpAendern(); }
void mdiTolvarZentral::mnuPopUp3Loeschen_Click() { mdlLoeschen::DatenLoeschen(); }

}  // namespace tolvar
