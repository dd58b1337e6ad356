#include "window_catalogue.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "app/frmBegruessung.h"
#include "app/frmUeberTolvar.h"
#include "app/mdiTolvarZentral.h"
#include "calculation/ui/cost_info.h"
#include "calculation/ui/cost_menu.h"
#include "calculation/ui/cost_windows.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "comparison/ui/frmSachkostenInfo.h"
#include "comparison/ui/frmTQM.h"
#include "comparison/ui/frmVergleichInfo.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmKultur.h"
#include "data/cost_types.h"
#include "heating/ui/frmStandort.h"
#include "masterdata/ui/frmAufwandmenge.h"
#include "masterdata/ui/frmLohneinteilung.h"
#include "masterdata/ui/frmMaterial.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmPersonal.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTaetigkeiten.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "masterdata/ui/frmVolumen.h"
#include "masterdata/ui/frmWochenarbeitszeit.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmArbeitMaterial.h"
#include "settings/ui/frmBrennstoff.h"
#include "settings/ui/frmEindeckung.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/frmLandkarte.h"
#include "settings/ui/frmStatInfo.h"
#include "settings/ui/frmTabellenrechner.h"
#include "settings/ui/frmTarif.h"
#include "support/ui_desktop.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar::test {
namespace {

// Only a bound for a shown window the window manager never places; waiting ends with the
// event that places it.
constexpr int kGiveUpMs = 30000;

// Chooses a command of the main window's menus.
void Command(const char* name) {
  TriggerCommand(&mdiTolvarZentral::instanz(), QString::fromLatin1(name));
  Settle();
}

template <class T>
T& Shown() {
  T& window = T::instanz();
  window.Show();
  ProcessEvents();
  return window;
}

template <class T>
WindowEntry Plain(const char* name) {
  return {QString::fromLatin1(name), [] { return std::ref<ui::Form>(Shown<T>()); }};
}

// The calculation window with a culture chosen and calculated, as the menus and detail
// windows find it.
frmKalkulation& Calculated() {
  if (!frmKalkulation::IsLoaded()) Command("mnuNach");
  frmKalkulation& window = frmKalkulation::instanz();
  if (!window.cmbErgebnisSpeichern->isEnabled()) {
    // The culture's group is opened first, as a person opens it to reach the culture.
    window.trvKulturen->EnsureVisible(QStringLiteral("K1003"));
    ClickNode(window.trvKulturen, QStringLiteral("K1003"));
    TypeInto(window.txtPreis, QStringLiteral("3,20"));
    Click(window.cmbStart);
  }
  Settle();
  return window;
}

// A staff window with a person's rows, opened from that person's editor, which is opened from
// the staff tree of the master-data window.
template <class T>
WindowEntry StaffRecords(const char* name, QPushButton* frmPersonal::*button) {
  return {QString::fromLatin1(name), [button] {
            Command("mnuStammdaten");
            PopUpCommand(frmStammdaten::instanz().trvPersonal, QStringLiteral("P1004"),
                         QStringLiteral("mnuPopUp3Aendern"));
            Settle();
            Click(frmPersonal::instanz().*button);
            Settle();
            return std::ref<ui::Form>(T::instanz());
          }};
}

// The culture data window with the sample culture chosen, then brought into a mode by `steps`.
WindowEntry CultureData(const char* name, std::function<void(frmBewegungsdaten&)> steps) {
  return {QString::fromLatin1(name), [steps] {
            Command("mnuBegleit");
            frmBewegungsdaten& window = frmBewegungsdaten::instanz();
            window.trvKulturen->EnsureVisible(QStringLiteral("K1003"));
            ClickNode(window.trvKulturen, QStringLiteral("K1003"));
            steps(window);
            Settle();
            return std::ref<ui::Form>(window);
          }};
}

// The window a cost line of the calculation window opens through its "[Menü]" button (the
// type's origin menu) or its cost button (the type's detail window).
WindowEntry FromCostLine(const KostenartDaten& d, bool menu) {
  const Kostenart art = d.art;
  return {ui::Q(menu ? d.menuefenster : d.detailfenster), [art, menu] {
            frmKalkulation& calculation = Calculated();
            {
              // A cost line the sample culture has no figure for says so and opens nothing:
              // the window is then looked at as it opens by itself.
              ScopedPrompts zeroCost;
              zeroCost->AnswerMsgBox(1);
              zeroCost->SetExpectAllUsed(false);
              Click(menu ? calculation.Menueknopf(art) : calculation.Kostenknopf(art));
              Settle();
            }
            ui::Form& window = menu ? static_cast<ui::Form&>(*Menuefenster(art)) : *Detailfenster(art);
            if (!window.isVisible()) {
              window.Show();
              ProcessEvents();
            }
            return std::ref(window);
          }};
}
WindowEntry FromMenuButton(const KostenartDaten& d) { return FromCostLine(d, true); }
WindowEntry FromCostButton(const KostenartDaten& d) { return FromCostLine(d, false); }

// A detail window in its comparison presentation: the line's origin menu, its second
// option ("... einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.") and OK.
WindowEntry Comparison(const KostenartDaten& d) {
  const Kostenart art = d.art;
  return {ui::Q(d.detailfenster) + QStringLiteral(" Vergleich"), [art] {
            frmKalkulation& calculation = Calculated();
            Click(calculation.Menueknopf(art));
            Settle();
            KostenMenue& menu = *Menuefenster(art);
            Click(ui::FindControl<QWidget>(&menu, QStringLiteral("opbHerkunft"), 2));
            Click(menu.cmbOK);
            Settle();
            return std::ref<ui::Form>(*Detailfenster(art));
          }};
}

// A window the site editor opens beside itself, by the button on its tab `tab`.
template <class T>
WindowEntry BesideSiteEditor(const char* name, int tab, QPushButton* frmStandort::*button) {
  return {QString::fromLatin1(name), [tab, button] {
            frmStandort& standort = Shown<frmStandort>();
            ClickTab(standort.regStandort, tab);
            Click(standort.*button);
            Settle();
            return std::ref<ui::Form>(T::instanz());
          }};
}

// A window the comparison window opens by one of the "Info" buttons of its right column.
template <class T>
WindowEntry FromComparison(const char* name, std::function<QPushButton*(frmKulturvergleich&)> button) {
  return {QString::fromLatin1(name), [button] {
            if (!frmKulturvergleich::IsLoaded()) Command("mnuVergleichExe");
            Click(button(frmKulturvergleich::instanz()));
            Settle();
            return std::ref<ui::Form>(T::instanz());
          }};
}

// The windows of the program's menus before the calculation's cost windows.
std::vector<WindowEntry> WindowsBeforeTheCosts() {
  return {
      Plain<frmBegruessung>("frmBegruessung"),
      Plain<frmUeberTolvar>("frmUeberTolvar"),
      {QStringLiteral("frmStammdaten"),
       [] {
         Command("mnuStammdaten");
         return std::ref<ui::Form>(frmStammdaten::instanz());
       }},
      Plain<frmKultur>("frmKultur"),
      Plain<frmStandort>("frmStandort"),
      Plain<frmMaterial>("frmMaterial"),
      Plain<frmMaterial4opt>("frmMaterial4opt"),
      Plain<frmTopf>("frmTopf"),
      Plain<frmSubstrat>("frmSubstrat"),
      Plain<frmTopfSubstrat>("frmTopfSubstrat"),
      Plain<frmRechner>("frmRechner"),
      Plain<frmVolumen>("frmVolumen"),
      Plain<frmAufwandmenge>("frmAufwandmenge"),
      Plain<frmPersonal>("frmPersonal"),
      Plain<frmWochenarbeitszeit>("frmWochenarbeitszeit"),
      Plain<frmLohneinteilung>("frmLohneinteilung"),
      StaffRecords<frmLohneinteilung>("frmLohneinteilung P1004", &frmPersonal::cmdAusbildung),
      StaffRecords<frmWochenarbeitszeit>("frmWochenarbeitszeit P1004", &frmPersonal::cmbWochenarbeitszeit),
      Plain<frmTaetigkeiten>("frmTaetigkeiten"),
      {QStringLiteral("frmBewegungsdaten"),
       [] {
         Command("mnuBegleit");
         return std::ref<ui::Form>(frmBewegungsdaten::instanz());
       }},
      // The culture data window's three modes with a culture chosen and a row of its grid
      // marked while another row is the grid's current one.
      CultureData("frmBewegungsdaten Phasen",
                  [](frmBewegungsdaten& window) {
                    ClickNode(window.trvPhasen, window.trvPhasen->Keys().value(1));
                    ClickCell(window.dtgPhase, 1, 1);
                  }),
      CultureData("frmBewegungsdaten Standorte",
                  [](frmBewegungsdaten& window) {
                    Click(window.cmbStandorte);
                    DoubleClickCell(window.dtgStandorteModus2, 2, 0);
                    ClickCell(window.dtgStandorteModus2, 1, 1);
                  }),
      CultureData("frmBewegungsdaten Material",
                  [](frmBewegungsdaten& window) {
                    Click(window.cmbMaterial);
                    ClickNode(window.trvPhasenMaterial, window.trvPhasenMaterial->Keys().value(1));
                    ClickCell(window.dtgMaterial, 1, 1);
                  }),
      {QStringLiteral("frmKultur Aendern"),
       [] {
         // A culture with phases, material, sites and work, changed from the culture tree's
         // menu, so the summary trees are filled.
         Command("mnuBegleit");
         PopUpCommand(frmBewegungsdaten::instanz().trvKulturen, QStringLiteral("K1003"),
                      QStringLiteral("mnuPopUp3Aendern"));
         Settle();
         return std::ref<ui::Form>(frmKultur::instanz());
       }},
      {QStringLiteral("frmKalkulation"), [] { return std::ref<ui::Form>(Calculated()); }},
  };
}

// The cost types' windows, type by type in table order: the origin menus, the detail
// windows, then the detail windows in their comparison presentation.
std::vector<WindowEntry> CostWindows() {
  std::vector<WindowEntry> windows;
  for (const auto entry : {&FromMenuButton, &FromCostButton, &Comparison}) {
    for (const KostenartDaten& d : kKostenartTabelle) windows.push_back(entry(d));
  }
  return windows;
}

// The windows of the program's menus after the calculation's cost windows.
std::vector<WindowEntry> WindowsAfterTheCosts() {
  return {
      {QStringLiteral("frmKulturVergleichBearbeiten"),
       [] {
         Command("mnuVergleichNeu");
         return std::ref<ui::Form>(frmKulturVergleichBearbeiten::instanz());
       }},
      {QStringLiteral("frmKulturvergleich"),
       [] {
         Command("mnuVergleichExe");
         return std::ref<ui::Form>(frmKulturvergleich::instanz());
       }},
      FromComparison<frmVergleichInfo>("frmVergleichInfo", [](frmKulturvergleich& w) { return w.cmbKulturInfo[1]; }),
      FromComparison<frmTQM>("frmTQM", [](frmKulturvergleich& w) { return w.cmbTQM[2]; }),
      FromComparison<frmSachkostenInfo>("frmSachkostenInfo",
                                        [](frmKulturvergleich& w) { return w.cmbSachkostenInfo[1]; }),
      {QStringLiteral("frmEinstellungen"),
       [] {
         Command("mnuEinstellungen");
         return std::ref<ui::Form>(frmEinstellungen::instanz());
       }},
      {QStringLiteral("frmEinstellungen Flaechen"),
       [] {
         // The overheads spread by area, with the grid of the sites' overheads.
         Command("mnuEinstellungen");
         frmEinstellungen& window = frmEinstellungen::instanz();
         window.regEinstellungen->SetTab(4);
         Settle();
         Click(window.opbGemeinkosten[1]);
         Settle();
         return std::ref<ui::Form>(window);
       }},
      Plain<frmTarif>("frmTarif"),
      BesideSiteEditor<frmEindeckung>("frmEindeckung", 1, &frmStandort::cmbMaterialverwaltung),
      BesideSiteEditor<frmBrennstoff>("frmBrennstoff", 2, &frmStandort::cmbBrennstoffverwaltung),
      Plain<frmLandkarte>("frmLandkarte"),
      Plain<frmStatInfo>("frmStatInfo"),
      Plain<frmTabellenrechner>("frmTabellenrechner"),
      Plain<frmArbeitMaterial>("frmArbeitMaterial"),

  };
}

}  // namespace

std::vector<WindowEntry> AllWindows() {
  std::vector<WindowEntry> windows;
  for (std::vector<WindowEntry> part : {WindowsBeforeTheCosts(), CostWindows(), WindowsAfterTheCosts()}) {
    windows.insert(windows.end(), std::make_move_iterator(part.begin()), std::make_move_iterator(part.end()));
  }
  return windows;
}

void CheckEveryWindow(const WindowCheck& check, QStringList* faults) { CheckWindows(AllWindows(), check, faults); }

void CheckWindows(const std::vector<WindowEntry>& entries, const WindowCheck& check, QStringList* faults) {
  for (const WindowEntry& entry : entries) {
    ui::Form& window = entry.open();
    QPointer<ui::Form> guard(&window);
    // A window its steps did not show (a wiring cut) can never appear: it is reported at
    // once. A shown one is waited for; the bound only ends a wait that would never end.
    std::optional<QString> missing;
    if (window.isHidden()) {
      missing = QStringLiteral("never shown");
    } else if (window.Kind() != ui::FormKind::MdiChild && !Placed(&window, kGiveUpMs)) {
      missing = QStringLiteral("never appeared on the screen");
    }
    if (missing) {
      *faults << entry.name + QStringLiteral(": ") + *missing;
    } else {
      const std::optional<QStringList> own = check(entry.name, window);
      if (!own) *faults << entry.name + QStringLiteral(": no expectation");
      for (const QString& fault : own.value_or(QStringList())) *faults << entry.name + QStringLiteral(": ") + fault;
    }
    if (guard) window.Unload();
    ProcessEvents();
  }
}

void ForEachView(ui::Form& window, const QString& name, const ViewVisitor& visit) {
  visit(window, name);
  for (ui::TabStrip* strip : window.findChildren<ui::TabStrip*>()) {
    if (!strip->isVisible()) continue;
    const int shown = strip->Tab();
    for (int tab = 0; tab < strip->Count(); ++tab) {
      if (tab == shown || !strip->TabVisible(tab) || !strip->TabEnabled(tab)) continue;
      strip->SetTab(tab);
      ProcessEvents();
      visit(window, QStringLiteral("%1 tab %2").arg(name).arg(tab));
    }
    strip->SetTab(shown);
    ProcessEvents();
  }
}

}  // namespace tolvar::test
