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

  mnuBetrieb = Menue(
      this, "mnuBetrieb", QStringLiteral("Betrieb"),
      {{.name = "mnuoeffnen", .caption = "Betrieb öffnen", .feld = &W::mnuoeffnen, .handler = &W::mnuoeffnen_Click},
       {.name = "mnuStrich1", .caption = nullptr, .feld = &W::mnuStrich1, .handler = nullptr},
       {.name = "mnuspeichern",
        .caption = "Betrieb speichern",
        .feld = &W::mnuspeichern,
        .handler = &W::mnuspeichern_Click},
       {.name = "mnuspeichernunter",
        .caption = "Betrieb speichern unter ...",
        .feld = &W::mnuspeichernunter,
        .handler = &W::mnuspeichernunter_Click},
       {.name = "mnuStrich2", .caption = nullptr, .feld = &W::mnuStrich2, .handler = nullptr},
       {.name = "mnuEnde", .caption = "Beenden", .feld = &W::mnuEnde, .handler = &W::mnuEnde_Click}},
      kSpaeter);
  bar->addMenu(mnuBetrieb);

  mnuStammdaten = Befehl(bar->addAction(QStringLiteral("Stammdaten")), "mnuStammdaten");
  connect(mnuStammdaten, &QAction::triggered, this, &W::mnuStammdaten_Click, kSpaeter);

  mnuKalkulation =
      Menue(this, "mnuKalkulation", QStringLiteral("Tolvar"),
            {{.name = "mnuBegleit",
              .caption = "Kulturbegleitende Datenerfassung",
              .feld = &W::mnuBegleit,
              .handler = &W::mnuBegleit_Click},
             {.name = "mnuStrich3", .caption = nullptr, .feld = &W::mnuStrich3, .handler = nullptr},
             {.name = "mnuNach", .caption = "Kalkulation", .feld = &W::mnuNach, .handler = &W::mnuNach_Click}},
            kSpaeter);
  bar->addMenu(mnuKalkulation);

  mnuVergleich = Menue(this, "mnuVergleich", QStringLiteral("Kulturvergleich"),
                       {{.name = "mnuNeueErgebnisDB",
                         .caption = "Neue Ergebnisdatenbank anlegen",
                         .feld = &W::mnuNeueErgebnisDB,
                         .handler = &W::mnuNeueErgebnisDB_Click},
                        {.name = "mnuVergleichNeu",
                         .caption = "Vergleichskulturen bearbeiten",
                         .feld = &W::mnuVergleichNeu,
                         .handler = &W::mnuVergleichNeu_Click},
                        {.name = "mnuStrich4", .caption = nullptr, .feld = &W::mnuStrich4, .handler = nullptr},
                        {.name = "mnuVergleichExe",
                         .caption = "Kulturen vergleichen",
                         .feld = &W::mnuVergleichExe,
                         .handler = &W::mnuVergleichExe_Click}},
                       kSpaeter);
  bar->addMenu(mnuVergleich);

  mnuEinstellungen = Befehl(bar->addAction(QStringLiteral("Einstellungen")), "mnuEinstellungen");
  connect(mnuEinstellungen, &QAction::triggered, this, &W::mnuEinstellungen_Click, kSpaeter);

  mnuSicherung =
      Menue(this, "mnuSicherung", QStringLiteral("Datensicherung"),
            {{.name = "mnuBetriebSichern",
              .caption = "Sicherungsdatei erstellen",
              .feld = &W::mnuBetriebSichern,
              .handler = &W::mnuBetriebSichern_Click},
             {.name = "mnuStrichSicherung", .caption = nullptr, .feld = &W::mnuStrichSicherung, .handler = nullptr},
             {.name = "mnuSicherungLaden",
              .caption = "Sicherungsdatei laden",
              .feld = &W::mnuSicherungLaden,
              .handler = &W::mnuSicherungLaden_Click}},
            kSpaeter);
  bar->addMenu(mnuSicherung);

  // The help commands belong to the help menu's module.
  mnuHilfe =
      Menue(this, "mnuHilfe", QStringLiteral("Hilfe"),
            {{.name = "mnuHilfeText", .caption = "Hilfe", .feld = &W::mnuHilfeText, .handler = nullptr},
             {.name = "mnuHilfeDoku", .caption = "Dokumentation drucken", .feld = &W::mnuHilfeDoku, .handler = nullptr},
             {.name = "mnuStrich6", .caption = nullptr, .feld = &W::mnuStrich6, .handler = nullptr},
             {.name = "mnuInfo", .caption = "Über Tolvar", .feld = &W::mnuInfo, .handler = nullptr}},
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
                    {{.name = "mnuPopUp1Neu",
                      .caption = "Neue Kultur/ Gruppe eingeben",
                      .feld = &W::mnuPopUp1Neu,
                      .handler = &W::mnuPopUp1Neu_Click}},
                    Qt::AutoConnection);
  mnuPopUp2 = Menue(this, "mnuPopUp2", QStringLiteral("PopUp2"),
                    {{.name = "mnuPopUp2Aendern",
                      .caption = "Ändern",
                      .feld = &W::mnuPopUp2Aendern,
                      .handler = &W::mnuPopUp2Aendern_Click},
                     {.name = "mnuStrichOpoup", .caption = nullptr, .feld = &W::mnuStrichOpoup, .handler = nullptr},
                     {.name = "mnuPopUp2Neu",
                      .caption = "Neue Kultur/ Gruppe",
                      .feld = &W::mnuPopUp2Neu,
                      .handler = &W::mnuPopUp2Neu_Click}},
                    Qt::AutoConnection);
  mnuPopUp3 = Menue(this, "mnuPopUp3", QStringLiteral("PopUp3"),
                    {{.name = "mnuPopUp3Aendern",
                      .caption = "Ändern",
                      .feld = &W::mnuPopUp3Aendern,
                      .handler = &W::mnuPopUp3Aendern_Click},
                     {.name = "mnuPopUp3Loeschen",
                      .caption = "Löschen",
                      .feld = &W::mnuPopUp3Loeschen,
                      .handler = &W::mnuPopUp3Loeschen_Click}},
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
