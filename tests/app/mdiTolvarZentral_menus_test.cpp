// Menus: the menu bar and pop-up menus, the work-area commands and the pop-up commands.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "app_fixture.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmKultur.h"
#include "data/state.h"
#include "heating/ui/frmStandort.h"
#include "masterdata/ui/frmMaterial.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmPersonal.h"
#include "masterdata/ui/frmTaetigkeiten.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "platform/ui/builders.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar::test {
namespace {

using Eintraege = std::vector<std::pair<QString, QString>>;

// Control names and captions of a menu's items, in display order ("-" for a separator).
Eintraege MenueInhalt(const QList<QAction*>& actions) {
  Eintraege result;
  for (const QAction* a : actions) {
    const QString text = a->isSeparator() ? QStringLiteral("-") : a->menu() ? a->menu()->title() : a->text();
    result.emplace_back(a->objectName(), text);
  }
  return result;
}

QStringList LoadedNames() {
  QStringList names;
  for (const ui::Form* form : ui::Forms::Loaded()) names << form->Name();
  return names;
}

class MenusTest : public AppTest {};

TEST_F(MenusTest, MenuBarAndPopUpsInDisplayOrder) {
  mdiTolvarZentral& h = Oeffnen();
  EXPECT_EQ(MenueInhalt(h.menuBar()->actions()),
            (Eintraege{{QStringLiteral("mnuBetrieb"), QStringLiteral("Betrieb")},
                       {QStringLiteral("mnuStammdaten"), QStringLiteral("Stammdaten")},
                       {QStringLiteral("mnuKalkulation"), QStringLiteral("Tolvar")},
                       {QStringLiteral("mnuVergleich"), QStringLiteral("Kulturvergleich")},
                       {QStringLiteral("mnuEinstellungen"), QStringLiteral("Einstellungen")},
                       {QStringLiteral("mnuSicherung"), QStringLiteral("Datensicherung")},
                       {QStringLiteral("mnuHilfe"), QStringLiteral("Hilfe")}}));
  EXPECT_EQ(MenueInhalt(h.mnuBetrieb->actions()),
            (Eintraege{{QStringLiteral("mnuoeffnen"), QStringLiteral("Betrieb öffnen")},
                       {QStringLiteral("mnuStrich1"), QStringLiteral("-")},
                       {QStringLiteral("mnuspeichern"), QStringLiteral("Betrieb speichern")},
                       {QStringLiteral("mnuspeichernunter"), QStringLiteral("Betrieb speichern unter ...")},
                       {QStringLiteral("mnuStrich2"), QStringLiteral("-")},
                       {QStringLiteral("mnuEnde"), QStringLiteral("Beenden")}}));
  EXPECT_EQ(MenueInhalt(h.mnuKalkulation->actions()),
            (Eintraege{{QStringLiteral("mnuBegleit"), QStringLiteral("Kulturbegleitende Datenerfassung")},
                       {QStringLiteral("mnuStrich3"), QStringLiteral("-")},
                       {QStringLiteral("mnuNach"), QStringLiteral("Kalkulation")}}));
  EXPECT_EQ(MenueInhalt(h.mnuVergleich->actions()),
            (Eintraege{{QStringLiteral("mnuNeueErgebnisDB"), QStringLiteral("Neue Ergebnisdatenbank anlegen")},
                       {QStringLiteral("mnuVergleichNeu"), QStringLiteral("Vergleichskulturen bearbeiten")},
                       {QStringLiteral("mnuStrich4"), QStringLiteral("-")},
                       {QStringLiteral("mnuVergleichExe"), QStringLiteral("Kulturen vergleichen")}}));
  EXPECT_EQ(MenueInhalt(h.mnuSicherung->actions()),
            (Eintraege{{QStringLiteral("mnuBetriebSichern"), QStringLiteral("Sicherungsdatei erstellen")},
                       {QStringLiteral("mnuStrichSicherung"), QStringLiteral("-")},
                       {QStringLiteral("mnuSicherungLaden"), QStringLiteral("Sicherungsdatei laden")}}));
  EXPECT_EQ(MenueInhalt(h.mnuHilfe->actions()),
            (Eintraege{{QStringLiteral("mnuHilfeText"), QStringLiteral("Hilfe")},
                       {QStringLiteral("mnuHilfeDoku"), QStringLiteral("Dokumentation drucken")},
                       {QStringLiteral("mnuStrich6"), QStringLiteral("-")},
                       {QStringLiteral("mnuInfo"), QStringLiteral("Über Tolvar")}}));
  EXPECT_EQ(MenueInhalt(h.mnuPopUp1->actions()),
            (Eintraege{{QStringLiteral("mnuPopUp1Neu"), QStringLiteral("Neue Kultur/ Gruppe eingeben")}}));
  EXPECT_EQ(MenueInhalt(h.mnuPopUp2->actions()),
            (Eintraege{{QStringLiteral("mnuPopUp2Aendern"), QStringLiteral("Ändern")},
                       {QStringLiteral("mnuStrichOpoup"), QStringLiteral("-")},
                       {QStringLiteral("mnuPopUp2Neu"), QStringLiteral("Neue Kultur/ Gruppe")}}));
  EXPECT_EQ(MenueInhalt(h.mnuPopUp3->actions()),
            (Eintraege{{QStringLiteral("mnuPopUp3Aendern"), QStringLiteral("Ändern")},
                       {QStringLiteral("mnuPopUp3Loeschen"), QStringLiteral("Löschen")}}));
  for (QMenu* popup : {h.mnuPopUp1, h.mnuPopUp2, h.mnuPopUp3}) {
    EXPECT_FALSE(h.menuBar()->actions().contains(popup->menuAction())) << ui::S(popup->objectName());
  }
}

TEST_F(MenusTest, PopupMenuShowsWithoutWaitingAndIsRecorded) {
  mdiTolvarZentral& h = Oeffnen();
  EXPECT_EQ(h.LetztesPopUp(), nullptr);
  h.PopupMenu(h.mnuPopUp2);
  EXPECT_EQ(h.LetztesPopUp(), h.mnuPopUp2);
  EXPECT_TRUE(h.mnuPopUp2->isVisible());
  h.mnuPopUp2->hide();
}

TEST_F(MenusTest, CommandsNeedingAnEnterpriseDoNothingWithoutOne) {
  Oeffnen();
  ASSERT_FALSE(state().enterprise.BetriebOffen);
  for (const char* befehl :
       {"mnuStammdaten", "mnuBegleit", "mnuNach", "mnuVergleichExe", "mnuVergleichNeu", "mnuEinstellungen",
        "mnuspeichern", "mnuspeichernunter", "mnuBetriebSichern", "mnuSicherungLaden", "mnuNeueErgebnisDB"}) {
    SCOPED_TRACE(befehl);
    Befehl(befehl);
    EXPECT_TRUE(LoadedNames().isEmpty()) << ui::S(LoadedNames().join(QLatin1Char(',')));
    EXPECT_FALSE(state().enterprise.ModusStammdaten || state().enterprise.ModusErfassung ||
                 state().enterprise.ModusKalkulation);
  }
  EXPECT_TRUE(prompts->shown().empty());
  EXPECT_TRUE(mdiTolvarZentral::IsLoaded());
}

TEST_F(MenusTest, WorkAreaCommandClosesEveryOtherWindowSetsItsFlagAndOpensItsWindow) {
  struct Fall {
    const char* befehl;
    QString fenster;
    bool stammdaten, erfassung, kalkulation;
  };
  const std::vector<Fall> faelle = {
      {"Stammdaten", QStringLiteral("frmStammdaten"), true, false, false},
      {"Kulturbegleitende Datenerfassung", QStringLiteral("frmBewegungsdaten"), false, true, false},
      {"Kalkulation", QStringLiteral("frmKalkulation"), false, false, true},
      {"Kulturen vergleichen", QStringLiteral("frmKulturvergleich"), false, false, false},
      {"Vergleichskulturen bearbeiten", QStringLiteral("frmKulturVergleichBearbeiten"), false, false, false},
  };
  MusterOeffnen();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.fenster));
    // Extra windows: the settings window and an editor, whose closing reloads the staff.
    Befehl("Einstellungen");
    frmPersonal::instanz().Show();
    state().masters.PersonalListe.clear();

    Befehl(fall.befehl);

    EXPECT_EQ(LoadedNames(), QStringList{fall.fenster});
    EXPECT_FALSE(state().masters.PersonalListe.empty()) << "the editor's unload handler did not run";
    EXPECT_EQ(state().enterprise.ModusStammdaten, fall.stammdaten);
    EXPECT_EQ(state().enterprise.ModusErfassung, fall.erfassung);
    EXPECT_EQ(state().enterprise.ModusKalkulation, fall.kalkulation);
    ASSERT_NE(ui::Forms::Find(fall.fenster), nullptr);
    EXPECT_TRUE(ui::Forms::Find(fall.fenster)->isVisible());
    ProcessEvents();
  }
}

TEST_F(MenusTest, RunningTheOpenWorkAreaAgainOpensItsWindowAnew) {
  MusterOeffnen();
  Befehl("mnuNach");
  QPointer<ui::Form> erstes = &frmKalkulation::instanz();
  Befehl("mnuNach");
  ProcessEvents();
  EXPECT_TRUE(erstes.isNull());
  EXPECT_TRUE(frmKalkulation::IsLoaded());
  EXPECT_TRUE(state().enterprise.ModusKalkulation);
}

TEST_F(MenusTest, SettingsOpenOnTopAndLeaveWindowsAndFlagsAlone) {
  MusterOeffnen();
  ASSERT_TRUE(frmBewegungsdaten::IsLoaded());
  Befehl("mnuEinstellungen");
  EXPECT_TRUE(frmEinstellungen::IsLoaded());
  EXPECT_TRUE(frmEinstellungen::instanz().isVisible());
  EXPECT_TRUE(frmBewegungsdaten::IsLoaded());
  EXPECT_TRUE(state().enterprise.ModusErfassung);
}

TEST_F(MenusTest, QuitClosesEverythingAndTheMainWindow) {
  MusterOeffnen();
  Befehl("mnuEinstellungen");
  Befehl("Beenden");
  ProcessEvents();
  EXPECT_FALSE(mdiTolvarZentral::IsLoaded());
  EXPECT_TRUE(LoadedNames().isEmpty());
  EXPECT_EQ(registry->Writes().size(), 2u);
}

// Records the parent number the editor sees while it is being shown.
class ShowWatcher : public QObject {
 public:
  explicit ShowWatcher(QString name) : m_name(std::move(name)) { qApp->installEventFilter(this); }
  ~ShowWatcher() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->objectName() == m_name && !seen) {
      seen = true;
      ueberPNr = state().selection.AktuelleUeberPNr;
    }
    return false;
  }
  bool seen = false;
  std::string ueberPNr;

 private:
  QString m_name;
};

TEST_F(MenusTest, NewInGroupTakesTheRightClickedGroupAfterTheEditorOpened) {
  // The editors propose a number and barcode from the open enterprise when they load.
  MusterOeffnen();
  State& s = state();
  s.masters.KulturListe = {KulturSatz{}, KulturSatz{}};
  s.masters.KulturListe[1].KulturNr = "K2023";
  s.masters.StandortListe = {StandortSatz{}};
  s.masters.StandortListe[0].StandortNr = "Sta1005";
  s.masters.MaterialListe = {MaterialSatz{}};
  s.masters.MaterialListe[0].MaterialNr = "M1007";
  s.masters.PersonalListe = {PersonalSatz{}};
  s.masters.PersonalListe[0].PersonalNr = "P1012";
  s.masters.StdTaetigkeitListe = {StdTaetigkeitSatz{}};
  s.masters.StdTaetigkeitListe[0].StdTaetigkeitNr = "StdT1003";
  struct Fall {
    std::string baum;
    int* index;
    int wert;
    QString editor;
    std::string danach;
  };
  const std::vector<Fall> faelle = {
      {"Kulturen", &s.selection.KulturIndex, 1, QStringLiteral("frmKultur"), "2023"},
      {"Standort", &s.selection.StandortIndex, 0, QStringLiteral("frmStandort"), "1005"},
      {"Material", &s.selection.MaterialIndex, 0, QStringLiteral("frmTopf"), "1007"},
      {"Personal", &s.selection.PersonalIndex, 0, QStringLiteral("frmPersonal"), "1012"},
      {"StdTaetigkeiten", &s.selection.StdTaetigkeitIndex, 0, QStringLiteral("frmTaetigkeiten"), "1003"},
      // Nothing selected: the value the tree window set stays.
      {"Kulturen", &s.selection.KulturIndex, 999, QStringLiteral("frmKultur"), "1000"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.baum + " " + std::to_string(fall.wert));
    ShowWatcher watcher(fall.editor);
    s.selection.AktuellerBaum = fall.baum;
    *fall.index = fall.wert;
    s.selection.AktuelleUeberPNr = "1000";

    Befehl("mnuPopUp2Neu");

    EXPECT_TRUE(watcher.seen);
    EXPECT_EQ(watcher.ueberPNr, "1000");
    EXPECT_EQ(s.selection.AktuelleUeberPNr, fall.danach);
    EXPECT_EQ(s.selection.Bearbeitungsmodus, "Neu");
    ASSERT_NE(ui::Forms::Find(fall.editor), nullptr);
    EXPECT_TRUE(ui::Forms::Find(fall.editor)->isVisible());
    ui::Forms::UnloadAllExcept();
    ProcessEvents();
  }
}

TEST_F(MenusTest, NewAtTopLevelOpensTheEditorThenSetsZero) {
  Oeffnen();
  ShowWatcher watcher(QStringLiteral("frmStandort"));
  state().selection.AktuellerBaum = "Standort";
  state().selection.AktuelleUeberPNr = "1004";
  Befehl("mnuPopUp1Neu");
  EXPECT_EQ(watcher.ueberPNr, "1004");
  EXPECT_EQ(state().selection.AktuelleUeberPNr, "0");
  EXPECT_TRUE(frmStandort::IsLoaded());
}

TEST_F(MenusTest, ChangeOpensTheEditorOfTheMaterialsGroup) {
  struct Fall {
    std::string nummer, ueberPNr;
    bool neu;
    QString editor;
    std::string thema;
  };
  const std::vector<Fall> faelle = {
      {"M1001", "0", true, QStringLiteral("frmTopfSubstrat"), "5.3"},
      {"M1003", "0", true, QStringLiteral("frmMaterial4opt"), "5.3.5"},
      {"M1009", "0", true, QStringLiteral("frmMaterial4opt"), "5.3.9"},
      {"M1008", "0", true, QStringLiteral("frmSubstrat"), "5.3"},
      {"M1002", "0", false, QStringLiteral("frmMaterial"), ""},
      {"M1050", "1006", false, QStringLiteral("frmMaterial4opt"), "5.3.8"},
      // Changing a pot leaves the help topic as it was.
      {"M1051", "1007", false, QStringLiteral("frmTopf"), ""},
  };
  // The material editors read the enterprise's material database when they load.
  MusterOeffnen();
  ui::Forms::UnloadAllExcept();
  ProcessEvents();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nummer);
    State& s = state();
    s.masters.MaterialListe = {MaterialSatz{}};
    s.masters.MaterialListe[0].MaterialNr = fall.nummer;
    s.masters.MaterialListe[0].UeberPNr = fall.ueberPNr;
    s.selection.MaterialIndex = 0;
    s.selection.AktuellerBaum = "Material";
    s.windows.HilfeThema.clear();
    Befehl(fall.neu ? "mnuPopUp1Neu" : "mnuPopUp3Aendern");
    EXPECT_EQ(s.selection.Bearbeitungsmodus, fall.neu ? "Neu" : "Aendern");
    EXPECT_EQ(LoadedNames(), QStringList{fall.editor});
    if (!fall.thema.empty()) {
      EXPECT_EQ(s.windows.HilfeThema, fall.thema);
    }
    ui::Forms::UnloadAllExcept();
    ProcessEvents();
  }
}

TEST_F(MenusTest, DeleteAsksFirstAndStopsOnNo) {
  MusterOeffnen();
  state().selection.AktuellerBaum = "Standort";
  state().masters.StandortListe.clear();
  prompts->AnswerMsgBox(ui::msgbox::No).AnswerMsgBox(ui::msgbox::Yes);

  Befehl("mnuPopUp3Loeschen");
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].title, QStringLiteral("Tolvar-Information"));
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::YesNo);
  EXPECT_TRUE(state().masters.StandortListe.empty());

  Befehl("mnuPopUp3Loeschen");
  EXPECT_FALSE(state().masters.StandortListe.empty());
}

}  // namespace
}  // namespace tolvar::test
