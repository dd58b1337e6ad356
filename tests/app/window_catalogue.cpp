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
ui::Form& Plain() {
  return Shown<T>();
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
ui::Form& CalculatedWindow() { return Calculated(); }

ui::Form& MasterData() {
  Command("mnuStammdaten");
  return frmStammdaten::instanz();
}

// A staff window with a person's rows, opened from that person's editor, which is opened from
// the staff tree of the master-data window.
template <class T>
std::function<ui::Form&()> StaffRecords(QPushButton* frmPersonal::*button) {
  return [button]() -> ui::Form& {
    Command("mnuStammdaten");
    PopUpCommand(frmStammdaten::instanz().trvPersonal, QStringLiteral("P1004"), QStringLiteral("mnuPopUp3Aendern"));
    Settle();
    Click(frmPersonal::instanz().*button);
    Settle();
    return T::instanz();
  };
}

ui::Form& CultureDataWindow() {
  Command("mnuBegleit");
  return frmBewegungsdaten::instanz();
}

// The culture data window with the sample culture chosen, then brought into a mode by `steps`.
std::function<ui::Form&()> CultureData(void (*steps)(frmBewegungsdaten&)) {
  return [steps]() -> ui::Form& {
    Command("mnuBegleit");
    frmBewegungsdaten& window = frmBewegungsdaten::instanz();
    window.trvKulturen->EnsureVisible(QStringLiteral("K1003"));
    ClickNode(window.trvKulturen, QStringLiteral("K1003"));
    steps(window);
    Settle();
    return window;
  };
}
// The culture data window's three modes with a culture chosen and a row of its grid marked
// while another row is the grid's current one.
void PhaseMode(frmBewegungsdaten& window) {
  ClickNode(window.trvPhasen, window.trvPhasen->Keys().value(1));
  ClickCell(window.dtgPhase, 1, 1);
}
void SiteMode(frmBewegungsdaten& window) {
  Click(window.cmbStandorte);
  DoubleClickCell(window.dtgStandorteModus2, 2, 0);
  ClickCell(window.dtgStandorteModus2, 1, 1);
}
void MaterialMode(frmBewegungsdaten& window) {
  Click(window.cmbMaterial);
  ClickNode(window.trvPhasenMaterial, window.trvPhasenMaterial->Keys().value(1));
  ClickCell(window.dtgMaterial, 1, 1);
}

// A culture with phases, material, sites and work, changed from the culture tree's menu, so
// the summary trees are filled.
ui::Form& CultureChanged() {
  Command("mnuBegleit");
  PopUpCommand(frmBewegungsdaten::instanz().trvKulturen, QStringLiteral("K1003"), QStringLiteral("mnuPopUp3Aendern"));
  Settle();
  return frmKultur::instanz();
}

// The window a cost line of the calculation window opens through its "[Menü]" button (the
// type's origin menu) or its cost button (the type's detail window).
ui::Form& FromCostLine(Kostenart art, bool menu) {
  frmKalkulation& calculation = Calculated();
  {
    // A cost line the sample culture has no figure for says so and opens nothing: the window
    // is then looked at as it opens by itself.
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
  return window;
}

// A detail window in its comparison presentation: the line's origin menu, its second option
// ("... einer vergleichbaren Kultur aus der Ergebnisdatenbank laden.") and OK.
ui::Form& FromComparisonOption(Kostenart art) {
  frmKalkulation& calculation = Calculated();
  Click(calculation.Menueknopf(art));
  Settle();
  KostenMenue& menu = *Menuefenster(art);
  Click(ui::FindControl<QWidget>(&menu, QStringLiteral("opbHerkunft"), 2));
  Click(menu.cmbOK);
  Settle();
  return *Detailfenster(art);
}

// The entries of a cost type's windows: its origin menu, its detail window and the detail
// window in its comparison presentation, named by the type's row, with `e`'s expectations.
WindowEntry CostMenu(Kostenart art, WindowEntry e) {
  e.name = std::string(Daten(art).menuefenster);
  e.open = [art]() -> ui::Form& { return FromCostLine(art, true); };
  return e;
}
WindowEntry CostDetail(Kostenart art, WindowEntry e) {
  e.name = std::string(Daten(art).detailfenster);
  e.open = [art]() -> ui::Form& { return FromCostLine(art, false); };
  return e;
}
WindowEntry CostComparison(Kostenart art, WindowEntry e) {
  e.name = std::string(Daten(art).detailfenster) + " Vergleich";
  e.open = [art]() -> ui::Form& { return FromComparisonOption(art); };
  return e;
}

// The value boxes of the calculation window, one per cost type.
std::vector<std::string> ValueBoxes() {
  std::vector<std::string> boxes;
  for (const KostenartDaten& d : kKostenartTabelle) boxes.emplace_back(d.wertfeld);
  return boxes;
}

ui::Form& ComparisonEditor() {
  Command("mnuVergleichNeu");
  return frmKulturVergleichBearbeiten::instanz();
}

ui::Form& ComparisonWindow() {
  Command("mnuVergleichExe");
  return frmKulturvergleich::instanz();
}

// A window the comparison window opens by one of the "Info" buttons of its right column.
template <class T>
std::function<ui::Form&()> FromComparison(QPushButton* (*button)(frmKulturvergleich&)) {
  return [button]() -> ui::Form& {
    if (!frmKulturvergleich::IsLoaded()) Command("mnuVergleichExe");
    Click(button(frmKulturvergleich::instanz()));
    Settle();
    return T::instanz();
  };
}

ui::Form& Settings() {
  Command("mnuEinstellungen");
  return frmEinstellungen::instanz();
}

// The overheads spread by area, with the grid of the sites' overheads.
ui::Form& SettingsByArea() {
  Command("mnuEinstellungen");
  frmEinstellungen& window = frmEinstellungen::instanz();
  window.regEinstellungen->SetTab(4);
  Settle();
  Click(window.opbGemeinkosten[1]);
  Settle();
  return window;
}

// A window the site editor opens beside itself, by the button on its tab `tab`.
template <class T>
std::function<ui::Form&()> BesideSiteEditor(int tab, QPushButton* frmStandort::*button) {
  return [tab, button]() -> ui::Form& {
    frmStandort& standort = Shown<frmStandort>();
    ClickTab(standort.regStandort, tab);
    Click(standort.*button);
    Settle();
    return T::instanz();
  };
}

// The phase boxes of the culture data window, in each of its modes.
const std::vector<std::string> kPhasen = {"txtBeginn", "txtEnde", "txtTT", "txtNT", "txtLicht", "txtDauer"};
// The five rows of the fuel and covering editors, on their own and in the settings.
const std::vector<std::string> kBrennstoffe = {
    "txtHeizwert(1)",  "txtHeizwert(2)",  "txtHeizwert(3)",  "txtHeizwert(4)",  "txtHeizwert(5)",
    "txtBrennwert(1)", "txtBrennwert(2)", "txtBrennwert(3)", "txtBrennwert(4)", "txtBrennwert(5)",
    "txtPreis(1)",     "txtPreis(2)",     "txtPreis(3)",     "txtPreis(4)",     "txtPreis(5)"};
const std::vector<std::string> kEindeckungen = {"txtKWert(1)", "txtKWert(2)", "txtKWert(3)", "txtKWert(4)",
                                                "txtKWert(5)", "txtLicht(1)", "txtLicht(2)", "txtLicht(3)",
                                                "txtLicht(4)", "txtLicht(5)"};
std::vector<std::string> Beide() {
  std::vector<std::string> beide = kBrennstoffe;
  beide.insert(beide.end(), kEindeckungen.begin(), kEindeckungen.end());
  return beide;
}

// The staff windows' notice lies behind their grid and shows when the grid is hidden.
const std::vector<std::string> kWageNotice = {"dtgLohn/lblKeineEintraege"};
const std::vector<std::string> kWorkingTimeNotice = {"QLabel \"Noch keine Einträge vorhanden!\"/dtgWochenarbeitszeit"};
// The frames drawn around the culture dialog's boxes.
const std::vector<std::string> kCultureDialogFrames = {
    "dtpAnfang/shpDatumA",
    "shpCode/txtCode",
    "shpKuerzel/txtKuerzel",
    "shpName/txtName",
};

// Each cost button of the calculation window reaches 15 twips under its "[Menü]" button.
std::vector<std::string> CostButtonsUnderTheirMenus() {
  std::vector<std::string> pairs;
  for (const KostenartDaten& d : kKostenartTabelle) {
    pairs.push_back(std::string(d.kostenknopf) + "/" + std::string(d.kostenknopf) + "Menu");
  }
  return pairs;
}

// Layout faults kept on purpose. The culture data window: the culture name ends 15 twips below
// the top of the phase tree, the tree and the "Standortverwaltung" button 15 twips below the top
// of the frame of the edit boxes.
const std::vector<std::string> kCultureDataEdges = {
    "cmbStandorte: overlaps fraModus2 (153 x 1 px)",
    "lblKultur: overlaps trvPhasen (177 x 1 px)",
    "trvPhasen: overlaps fraModus2 (177 x 1 px)",
};
// The culture dialog's three summary frames, each 15 twips over the next.
const std::vector<std::string> kCultureSummaryFrames = {
    "tab 2/fraMaterial: overlaps fraStandort (1 x 409 px)",
    "tab 2/fraStandort: overlaps fraKulturarbeiten (1 x 409 px)",
};

}  // namespace

// The windows in the order of the program's menus; the cost types' windows type by type in
// table order: the origin menus, the detail windows, then the detail windows in their
// comparison presentation.
std::vector<WindowEntry> AllWindows() {
  return {
      {.name = "frmBegruessung",
       .open = Plain<frmBegruessung>,
       .frame = {.place = Place::Anywhere},
       .focus = {.first = ""}},
      {.name = "frmUeberTolvar",
       .open = Plain<frmUeberTolvar>,
       .frame = {.place = Place::CentreOwner, .fixedDialog = true},
       .focus = {.first = "cmbOK"},
       // The product's name and its shadow, offset below it.
       .overlapping = {"Label3/Label4"}},
      {.name = "frmStammdaten",
       .open = MasterData,
       .frame = {.place = Place::WorkArea, .left = -200},
       .focus = {.first = "trvKulturen"}},
      {.name = "frmKultur",
       .open = Plain<frmKultur>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "regKultur",
                 .order = {"regKultur", "opbKultur", "txtName", "txtKuerzel", "txtCode", "dtpAnfang", "dtpEnde",
                           "txtBemerkung", "chbAktuell", "cmbSpeichern", "cmbAbbruch", "cmbHilfe"}},
       .knownFaults = kCultureSummaryFrames,
       .overlapping = kCultureDialogFrames},
      {.name = "frmStandort",
       .open = Plain<frmStandort>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "txtCode", "txtFlaeche", "chbAktuell", "opbHaus", "txtLaenge",
                           "txtBreite", "txtStehwand", "txtHaus", "txtWege", "opbTyp(1)", "txtKappenzahl",
                           "txtBemerkung", "cmbHilfe", "cmbSpeichern", "cmbAbbruch", "regStandort"}}},
      {.name = "frmMaterial",
       .open = Plain<frmMaterial>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "txtCode", "txtBemerkungen", "chbAktuell", "cmbSpeichern",
                           "cmbAbbruch", "cmbHilfe"}}},
      {.name = "frmMaterial4opt",
       .open = Plain<frmMaterial4opt>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "chbAktuell", "txtCode", "txtBemerkungen", "txtMenge",
                           "opbBezug(1)", "txtWdh", "txtPreis", "cmbSpeichern", "cmbRechner", "cmbAbbruch",
                           "cmbHilfe"}},
       .filtered = {"txtMenge", "txtPreis"}},
      {.name = "frmTopf",
       .open = Plain<frmTopf>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "chbAktuell", "txtCode", "txtBemerkungen", "txtMenge",
                           "opbBezug(1)", "txtPreis", "txtWdh", "txtVolumen", "cmbSpeichern", "cmbAbbruch",
                           "cmbRechner", "cmbVolumen"}},
       .filtered = {"txtMenge", "txtPreis", "txtVolumen"}},
      {.name = "frmSubstrat",
       .open = Plain<frmSubstrat>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "cmbSpeichern",
                 .order = {"cmbSpeichern", "cmbAbbruch", "cmbRechner", "opbBezug(1)", "txtPreis", "txtBemerkungen",
                           "txtCode", "txtKuerzel", "txtName", "chbAktuell"}},
       .filtered = {"txtPreis"}},
      {.name = "frmTopfSubstrat",
       .open = Plain<frmTopfSubstrat>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "txtCode", "txtBemerkung", "chbAktuell", "comTopf", "cmbTopf",
                           "comSubstrat", "cmbErde", "cmbHilfe", "cmbAbbruch", "cmbSpeichern"}},
       .filtered = {"txtPreis"}},
      {.name = "frmRechner",
       .open = Plain<frmRechner>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "Number(0)"}},
      {.name = "frmVolumen",
       .open = Plain<frmVolumen>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "trvVolumen"}},
      {.name = "frmAufwandmenge",
       .open = Plain<frmAufwandmenge>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtKonzentration"},
       .filtered = {"txtAufwandmenge", "txtKonzentration", "txtPreis"}},
      {.name = "frmPersonal",
       .open = Plain<frmPersonal>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtVorname", "txtKuerzel", "txtCode", "txtStrasse", "txtPostleitzahl", "txtOrt",
                           "txtTelefon", "dtpGeburtstag", "cmdAusbildung", "cmbWochenarbeitszeit", "txtBemerkungen",
                           "chbAktuell", "opbPerson", "cmbHilfe", "cmbSpeichern", "cmbAbbrechen"}}},
      {.name = "frmWochenarbeitszeit",
       .open = Plain<frmWochenarbeitszeit>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "dtgWochenarbeitszeit"},
       .overlapping = kWorkingTimeNotice},
      {.name = "frmLohneinteilung",
       .open = Plain<frmLohneinteilung>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "comLohngruppen"},
       .filtered = {"txtDatum"},
       .overlapping = kWageNotice},
      {.name = "frmLohneinteilung P1004",
       .open = StaffRecords<frmLohneinteilung>(&frmPersonal::cmdAusbildung),
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = kAsLeft},
       .filtered = {"txtDatum"},
       .overlapping = kWageNotice},
      {.name = "frmWochenarbeitszeit P1004",
       .open = StaffRecords<frmWochenarbeitszeit>(&frmPersonal::cmbWochenarbeitszeit),
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = kAsLeft},
       .overlapping = kWorkingTimeNotice},
      {.name = "frmTaetigkeiten",
       .open = Plain<frmTaetigkeiten>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtName",
                 .order = {"txtName", "txtKuerzel", "txtCode", "txtBemerkungen", "chbAktuell", "cmbArbeitMaterial",
                           "opbTaetigkeit", "cmbHilfe", "cmbAbbrechen", "cmbSpeichern"}}},
      {.name = "frmBewegungsdaten",
       .open = CultureDataWindow,
       .frame = {.place = Place::WorkArea},
       .focus = {.first = "trvKulturen"},
       .filtered = kPhasen,
       .knownFaults = kCultureDataEdges},
      {.name = "frmBewegungsdaten Phasen",
       .open = CultureData(PhaseMode),
       .frame = {.place = Place::WorkArea},
       .focus = {.first = kAsLeft},
       .filtered = kPhasen,
       .knownFaults = kCultureDataEdges},
      {.name = "frmBewegungsdaten Standorte",
       .open = CultureData(SiteMode),
       .frame = {.place = Place::WorkArea},
       .focus = {.first = kAsLeft},
       .filtered = kPhasen,
       .knownFaults =
           {
               // In the site mode the culture name and "Standorte:" are 495 twips high and reach 135
               // twips over the tree below them; their text stands clear of it.
               "QLabel \"Standorte:\": overlaps trvStandort (137 x 9 px)",
               "lblPhasenUeberschrift: overlaps trvPhasen_B (177 x 9 px)",
           }},
      {.name = "frmBewegungsdaten Material",
       .open = CultureData(MaterialMode),
       .frame = {.place = Place::WorkArea},
       .focus = {.first = kAsLeft},
       .filtered = kPhasen},
      {.name = "frmKultur Aendern",
       .open = CultureChanged,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "regKultur"},
       .knownFaults = kCultureSummaryFrames,
       .overlapping = kCultureDialogFrames},
      {.name = "frmKalkulation",
       .open = CalculatedWindow,
       .frame = {.place = Place::WorkArea, .left = -100, .width = 15255, .height = 9900, .titleRow = false},
       .focus = {.first = kAsLeft},
       .filtered = ValueBoxes(),
       .overlapping = CostButtonsUnderTheirMenus()},
      CostMenu(Kostenart::Heizung,
               {.frame = {.place = Place::CentreOwner, .width = 5760, .height = 3165, .fixedDialog = true},
                .focus = {.first = "opbHerkunft(1)"}}),
      CostMenu(Kostenart::Material,
               {.frame = {.place = Place::CentreOwner, .width = 5670, .height = 3270, .fixedDialog = true},
                .focus = {.first = "opbHerkunft(1)"}}),
      CostMenu(Kostenart::Energie,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostMenu(Kostenart::Maschinen,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostMenu(Kostenart::PSM,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostMenu(Kostenart::Vermarktung,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostMenu(Kostenart::Arbeit,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostMenu(Kostenart::Gemeinkosten,
               {.frame = {.place = Place::CentreScreen, .fixedDialog = true}, .focus = {.first = "cmbOK"}}),
      CostDetail(Kostenart::Heizung,
                 {.frame = {.place = Place::CentreOwner, .width = 13365, .height = 7230}, .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Material, {.frame = {.place = Place::CentreScreen, .width = 13350, .height = 7215},
                                       .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Energie, {.frame = {.place = Place::CentreScreen, .width = 13335, .height = 6690},
                                      .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Maschinen,
                 {.frame = {.place = Place::Anywhere, .width = 13335, .height = 7230}, .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::PSM,
                 {.frame = {.place = Place::Anywhere, .width = 12960, .height = 6420}, .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Vermarktung, {.frame = {.place = Place::CentreScreen, .width = 10000, .height = 4320},
                                          .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Arbeit,
                 {.frame = {.place = Place::Anywhere, .width = 12855, .height = 5835}, .focus = {.first = kAsLeft}}),
      CostDetail(Kostenart::Gemeinkosten,
                 {.frame = {.place = Place::CentreScreen, .width = 9405, .height = 4515}, .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Heizung, {.frame = {.place = Place::CentreOwner, .width = 13365, .height = 7230},
                                          .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Material, {.frame = {.place = Place::CentreScreen, .width = 13350, .height = 7215},
                                           .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Energie, {.frame = {.place = Place::CentreScreen, .width = 13335, .height = 6690},
                                          .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Maschinen, {.frame = {.place = Place::Anywhere, .width = 13335, .height = 7230},
                                            .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::PSM, {.frame = {.place = Place::Anywhere, .width = 12960, .height = 6420},
                                      .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Vermarktung, {.frame = {.place = Place::CentreScreen, .width = 12960, .height = 4320},
                                              .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Arbeit, {.frame = {.place = Place::Anywhere, .width = 12855, .height = 5835},
                                         .focus = {.first = kAsLeft}}),
      CostComparison(Kostenart::Gemeinkosten, {.frame = {.place = Place::CentreScreen, .width = 9405, .height = 4515},
                                               .focus = {.first = kAsLeft}}),
      {.name = "frmKulturVergleichBearbeiten",
       .open = ComparisonEditor,
       .frame = {.place = Place::WorkArea, .width = 14895, .height = 9900},
       .focus = {.first = "opbKultur(0)",
                 .order = {"opbKultur(0)",
                           "trvKulturvergleich",
                           "txtKultur",
                           "chbImport",
                           "txtBeginn",
                           "txtEnde",
                           "txtTQM",
                           "txtAkh",
                           "txtMenge",
                           "txtPreis",
                           "txtHeizkosten",
                           "txtMaterialkosten",
                           "txtEnergiekosten",
                           "txtMaschinenkosten",
                           "txtArbeitMaterialkosten",
                           "txtVermarktungskosten",
                           "txtArbeitskosten",
                           "txtGemeinkosten",
                           "txtBemerkung",
                           "cmbSpeichern"}},
       .filtered = {"txtArbeitMaterialkosten", "txtArbeitskosten", "txtEnergiekosten", "txtGemeinkosten",
                    "txtHeizkosten", "txtMaschinenkosten", "txtMaterialkosten", "txtVermarktungskosten"}},
      {.name = "frmKulturvergleich",
       .open = ComparisonWindow,
       .frame = {.place = Place::WorkArea, .left = -100, .width = 15255, .height = 9900, .titleRow = false},
       .focus = {.first = "comKultur(0)"},
       .knownFaults =
           {
               // The culture lists reach 15 twips under their "OK" buttons; the left column's frame
               // reaches 15 twips over the strip of the deviation gauges, and each gauge's frame 15
               // twips over the next one's.
               "comKultur(0): overlaps cmbOK(0) (1 x 21 px)",
               "comKultur(1): overlaps cmbOK(1) (1 x 21 px)",
               "fraBasisKultur: overlaps fraArbeitskosten (1 x 33 px)",
               "fraBasisKultur: overlaps fraDKFL (1 x 33 px)",
               "fraBasisKultur: overlaps fraEKFL (1 x 33 px)",
               "fraBasisKultur: overlaps fraGemeinkosten (1 x 33 px)",
               "fraBasisKultur: overlaps fraGewinn (1 x 33 px)",
               "fraBasisKultur: overlaps fraHeizkosten (1 x 33 px)",
               "fraBasisKultur: overlaps fraMaterialkosten (1 x 33 px)",
               "fraBasisKultur: overlaps fraPreis (1 x 33 px)",
               "fraBasisKultur: overlaps fraSachkosten (1 x 33 px)",
               "fraHeizkosten: overlaps fraMaterialkosten (169 x 1 px)",
               "fraMaterialkosten: overlaps fraSachkosten (169 x 1 px)",
           }},
      {.name = "frmVergleichInfo",
       .open = FromComparison<frmVergleichInfo>([](frmKulturvergleich& w) { return w.cmbKulturInfo[1]; }),
       .frame = {.place = Place::At, .left = 9000, .top = 3000, .width = 6030, .height = 3405},
       .focus = {.first = "cmbBeenden", .order = {"cmbBeenden", "chbBetrieb", "chbImport", "txtBemerkung"}},
       .knownFaults =
           {
               // "Bemerkung:" ends 15 twips inside the remark box.
               "Label1: overlaps txtBemerkung (1 x 25 px)",
           }},
      {.name = "frmTQM",
       .open = FromComparison<frmTQM>([](frmKulturvergleich& w) { return w.cmbTQM[2]; }),
       .frame = {.place = Place::At, .left = 9000, .top = 2000, .width = 3825, .height = 2640},
       .focus = {.first = "cmbEnde"}},
      {.name = "frmSachkostenInfo",
       .open = FromComparison<frmSachkostenInfo>([](frmKulturvergleich& w) { return w.cmbSachkostenInfo[1]; }),
       .frame = {.place = Place::At, .left = 9000, .top = 3000, .width = 4950, .height = 3405},
       .focus = {.first = "cmbBeenden"}},
      {.name = "frmEinstellungen",
       .open = Settings,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "regEinstellungen"},
       .filtered = Beide()},
      {.name = "frmEinstellungen Flaechen",
       .open = SettingsByArea,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = kAsLeft},
       .filtered = Beide()},
      {.name = "frmTarif",
       .open = Plain<frmTarif>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "opbBearbeiten"}},
      {.name = "frmEindeckung",
       .open = BesideSiteEditor<frmEindeckung>(1, &frmStandort::cmbMaterialverwaltung),
       .frame = {.place = Place::BesideSite},
       .focus = {.first = "txtEindeckung(1)"},
       .filtered = kEindeckungen},
      {.name = "frmBrennstoff",
       .open = BesideSiteEditor<frmBrennstoff>(2, &frmStandort::cmbBrennstoffverwaltung),
       .frame = {.place = Place::BesideSite},
       .focus = {.first = "txtName(1)"},
       .filtered = kBrennstoffe},
      {.name = "frmLandkarte",
       .open = Plain<frmLandkarte>,
       .frame = {.place = Place::CentreOwner, .fixedDialog = true},
       .focus = {.first = "opbStation(0)"}},
      {.name = "frmStatInfo",
       .open = Plain<frmStatInfo>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtStatName"}},
      {.name = "frmTabellenrechner",
       .open = Plain<frmTabellenrechner>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "txtBruttolohn",
                 .order = {"txtBruttolohn", "txtArbeitgeberanteil", "txtSonderzahlungen", "txtStunden",
                           "txtLohnErgebnis", "cmbUebernehmen", "cmbAbbrechen", "regBlatt"}},
       .filtered = {"txtAnschaffung", "txtArbeitgeberanteil", "txtAuslastung", "txtBruttolohn", "txtNutzungsdauer",
                    "txtPosten(0)", "txtPosten(1)", "txtPosten(2)", "txtPosten(3)", "txtPosten(4)", "txtPosten(5)",
                    "txtPosten(6)", "txtPosten(7)", "txtReparaturen", "txtRestwert", "txtSonderzahlungen", "txtStunden",
                    "txtZinssatz"}},
      {.name = "frmArbeitMaterial",
       .open = Plain<frmArbeitMaterial>,
       .frame = {.place = Place::CentreOwner},
       .focus = {.first = "trvTaetigkeit"}},
  };
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
      *faults << ui::Q(entry.name) + QStringLiteral(": ") + *missing;
    } else {
      for (const QString& fault : check(entry, window)) *faults << ui::Q(entry.name) + QStringLiteral(": ") + fault;
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
