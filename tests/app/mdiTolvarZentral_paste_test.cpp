// Every filtered box of every window, as the catalogue opens it, holds only what its keys may
// type: a text pasted (the context menu's "Einfügen", Ctrl+V, Shift+Insert) or dropped on the
// box is refused whole with a beep where it holds a character the box drops, or is longer than
// the box holds, and inserted otherwise.
#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "app_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyfilters.h"
#include "support/ui_input.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

struct Expected {
  const char* window;                      // the catalogue's name
  std::vector<const char*> filtered = {};  // the boxes under a key filter
};

// The phase boxes of the culture data window, in each of its modes.
const std::vector<const char*> kPhasen = {"txtBeginn", "txtEnde", "txtTT", "txtNT", "txtLicht", "txtDauer"};
// The five rows of the fuel and covering editors, on their own and in the settings.
const std::vector<const char*> kBrennstoffe = {
    "txtHeizwert(1)",  "txtHeizwert(2)",  "txtHeizwert(3)",  "txtHeizwert(4)",  "txtHeizwert(5)",
    "txtBrennwert(1)", "txtBrennwert(2)", "txtBrennwert(3)", "txtBrennwert(4)", "txtBrennwert(5)",
    "txtPreis(1)",     "txtPreis(2)",     "txtPreis(3)",     "txtPreis(4)",     "txtPreis(5)"};
const std::vector<const char*> kEindeckungen = {"txtKWert(1)", "txtKWert(2)", "txtKWert(3)", "txtKWert(4)",
                                                "txtKWert(5)", "txtLicht(1)", "txtLicht(2)", "txtLicht(3)",
                                                "txtLicht(4)", "txtLicht(5)"};
std::vector<const char*> Beide() {
  std::vector<const char*> beide = kBrennstoffe;
  beide.insert(beide.end(), kEindeckungen.begin(), kEindeckungen.end());
  return beide;
}

const Expected kWindows[] = {
    {"frmBegruessung"},
    {"frmUeberTolvar"},
    {"frmStammdaten"},
    {"frmKultur"},
    {"frmStandort"},
    {"frmMaterial"},
    {"frmMaterial4opt", {"txtMenge", "txtPreis"}},
    {"frmTopf", {"txtMenge", "txtPreis", "txtVolumen"}},
    {"frmSubstrat", {"txtPreis"}},
    {"frmTopfSubstrat", {"txtPreis"}},
    {"frmRechner"},
    {"frmVolumen"},
    {"frmAufwandmenge", {"txtAufwandmenge", "txtKonzentration", "txtPreis"}},
    {"frmPersonal"},
    {"frmWochenarbeitszeit"},
    {"frmLohneinteilung", {"txtDatum"}},
    {"frmLohneinteilung P1004", {"txtDatum"}},
    {"frmWochenarbeitszeit P1004"},
    {"frmTaetigkeiten"},
    {"frmBewegungsdaten", kPhasen},
    {"frmBewegungsdaten Phasen", kPhasen},
    {"frmBewegungsdaten Standorte", kPhasen},
    {"frmBewegungsdaten Material", kPhasen},
    {"frmKultur Aendern"},
    {"frmKalkulation",
     {"txtArbeit", "txtEnergie", "txtGemein", "txtHeizung", "txtMaschinen", "txtMaterial", "txtPSM", "txtVermarktung"}},
    {"frmHeizkostenMenu"},
    {"frmMaterialkostenMenu"},
    {"frmEnergiekostenMenu"},
    {"frmMaschinenkostenMenu"},
    {"frmPSMKostenMenu"},
    {"frmVermarktungskostenMenu"},
    {"frmArbeitskostenMenu"},
    {"frmGemeinkostenMenu"},
    {"frmVantelInfo"},
    {"frmMaterialInfo"},
    {"frmEnergieInfo"},
    {"frmMaschinenInfo"},
    {"frmPSMInfo"},
    {"frmVermarktungInfo"},
    {"frmArbeitInfo"},
    {"frmGemeinkostenInfo"},
    {"frmVantelInfo Vergleich"},
    {"frmMaterialInfo Vergleich"},
    {"frmEnergieInfo Vergleich"},
    {"frmMaschinenInfo Vergleich"},
    {"frmPSMInfo Vergleich"},
    {"frmVermarktungInfo Vergleich"},
    {"frmArbeitInfo Vergleich"},
    {"frmGemeinkostenInfo Vergleich"},
    {"frmKulturVergleichBearbeiten",
     {"txtArbeitMaterialkosten", "txtArbeitskosten", "txtEnergiekosten", "txtGemeinkosten", "txtHeizkosten",
      "txtMaschinenkosten", "txtMaterialkosten", "txtVermarktungskosten"}},
    {"frmKulturvergleich"},
    {"frmVergleichInfo"},
    {"frmTQM"},
    {"frmSachkostenInfo"},
    {"frmEinstellungen", Beide()},
    {"frmEinstellungen Flaechen", Beide()},
    {"frmTarif"},
    {"frmEindeckung", kEindeckungen},
    {"frmBrennstoff", kBrennstoffe},
    {"frmLandkarte"},
    {"frmStatInfo"},
    {"frmTabellenrechner",
     {"txtAnschaffung", "txtArbeitgeberanteil", "txtAuslastung", "txtBruttolohn", "txtNutzungsdauer", "txtPosten(0)",
      "txtPosten(1)", "txtPosten(2)", "txtPosten(3)", "txtPosten(4)", "txtPosten(5)", "txtPosten(6)", "txtPosten(7)",
      "txtReparaturen", "txtRestwert", "txtSonderzahlungen", "txtStunden", "txtZinssatz"}},
    {"frmArbeitMaterial"},
};

// The ways text enters a box without typing it.
enum class Route { Menu, Drop, CtrlV, ShiftInsert };

const char* Name(Route route) {
  switch (route) {
    case Route::Menu:
      return "\"Einfügen\"";
    case Route::Drop:
      return "a drop";
    case Route::CtrlV:
      return "Ctrl+V";
    case Route::ShiftInsert:
      return "Shift+Insert";
  }
  return "";
}

class WindowPasteTest : public AppTest {
 protected:
  // Enters `text` by `route` into `box`, which the test emptied; a fault where the box does
  // not end as `expected`, with a beep where `expected` is empty.
  void Enter(QLineEdit* box, Route route, const QString& text, const QString& expected, QStringList& faults) {
    box->setText(QString());
    const int before = prompts->beeps();
    switch (route) {
      case Route::Menu:
        PasteByContextMenu(box, text);
        break;
      case Route::Drop:
        DropText(box, text);
        break;
      case Route::CtrlV:
        SetClipboardText(text);
        Press(Qt::Key_V, Qt::ControlModifier);
        break;
      case Route::ShiftInsert:
        SetClipboardText(text);
        Press(Qt::Key_Insert, Qt::ShiftModifier);
        break;
    }
    const int beeps = prompts->beeps() - before;
    if (box->text() != expected || beeps != (expected.isEmpty() ? 1 : 0)) {
      QString shown = text;
      shown.replace(QLatin1Char('\n'), QLatin1String("\\n"));
      faults << QStringLiteral("%1 by %2 of \"%3\" holds \"%4\" after %5 beeps")
                    .arg(box->objectName(), QString::fromUtf8(Name(route)), shown, box->text())
                    .arg(beeps);
    }
  }

  // Every way into `box`, the paste keys as "Einfügen": refused texts leave it empty, allowed
  // ones are inserted (trimmed).
  void EnterEveryWay(QLineEdit* box, QStringList& faults) {
    // A person goes to the box first; the window's handlers of the focus change run. A box
    // that hands the focus on at once takes no keys.
    Click(box);
    Settle();
    const bool holdsKeys = box->hasFocus();
    const QString held = box->text();
    const ui::KeyRule& rule = *ui::KeyRuleOf(box);
    for (Route route : {Route::Menu, Route::Drop, Route::CtrlV, Route::ShiftInsert}) {
      if ((route == Route::CtrlV || route == Route::ShiftInsert) && !holdsKeys) continue;
      Enter(box, route, QStringLiteral("-5"), QString(), faults);
      Enter(box, route, QStringLiteral("5x"), QString(), faults);
      Enter(box, route, QStringLiteral("1e308"), QString(), faults);
      Enter(box, route, QStringLiteral(" 12\n"), QStringLiteral("12"), faults);
      if (rule.character(QLatin1Char(',')) && (rule.maxLength <= 0 || rule.maxLength >= 4)) {
        Enter(box, route, QStringLiteral("12,5"), QStringLiteral("12,5"), faults);
      }
      if (rule.maxLength > 0) {
        const QString full(rule.maxLength, QLatin1Char('1'));
        Enter(box, route, full + QLatin1Char('1'), QString(), faults);
        Enter(box, route, full, full, faults);
      }
    }
    box->setText(held);
  }
};

TEST_F(WindowPasteTest, EveryFilteredBoxTakesOnlyWhatItsKeysMayType) {
  MusterOeffnen();
  QStringList faults;
  CheckEveryWindow(
      kWindows,
      [this](ui::Form& window, const Expected& e) {
        QStringList own;
        QStringList found;
        std::vector<QLineEdit*> boxes;
        for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
          if (ui::KeyRuleOf(box) == nullptr) continue;
          found << box->objectName();
          if (box->isVisible() && box->isEnabled() && !box->isReadOnly()) boxes.push_back(box);
        }
        found.sort();
        QStringList expected;
        for (const char* name : e.filtered) expected << QLatin1String(name);
        expected.sort();
        if (found != expected) own << QStringLiteral("filtered: ") + found.join(QLatin1Char(' '));
        for (QLineEdit* box : boxes) EnterEveryWay(box, own);
        return own;
      },
      &faults);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << ui::S(faults.join(QLatin1Char('\n')));
}

}  // namespace
}  // namespace tolvar::test
