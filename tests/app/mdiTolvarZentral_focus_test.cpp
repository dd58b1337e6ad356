// Every window's keyboard, as a person finds it right after opening the window as the
// catalogue reaches it: the focus starts on the window's first control, Tab visits its
// controls in the window's tab order and comes back round, no control keeps the focus, Tab
// types nothing into a box, and Shift+Tab goes the same way back.
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <map>
#include <vector>

#include "app_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

struct Expected {
  const char* window;  // the catalogue's name
  // The control the window opens with; nullptr where the catalogue works in the window
  // before it is looked at, so the focus lies where that left it.
  const char* first;
  // The whole round of Tab from `first`, where the window's layout gives the tab order.
  std::vector<const char*> order = {};
};

const Expected kWindows[] = {
    {"frmBegruessung", ""},
    {"frmUeberTolvar", "cmbOK"},
    {"frmStammdaten", "trvKulturen"},
    {"frmKultur",
     "regKultur",
     {"regKultur", "opbKultur", "txtName", "txtKuerzel", "txtCode", "dtpAnfang", "dtpEnde", "txtBemerkung",
      "chbAktuell", "cmbSpeichern", "cmbAbbruch", "cmbHilfe"}},
    {"frmStandort",
     "txtName",
     {"txtName", "txtKuerzel", "txtCode", "txtFlaeche", "chbAktuell", "opbHaus", "txtLaenge", "txtBreite",
      "txtStehwand", "txtHaus", "txtWege", "opbTyp(1)", "txtKappenzahl", "txtBemerkung", "cmbHilfe", "cmbSpeichern",
      "cmbAbbruch", "regStandort"}},
    {"frmMaterial",
     "txtName",
     {"txtName", "txtKuerzel", "txtCode", "txtBemerkungen", "chbAktuell", "cmbSpeichern", "cmbAbbruch", "cmbHilfe"}},
    {"frmMaterial4opt",
     "txtName",
     {"txtName", "txtKuerzel", "chbAktuell", "txtCode", "txtBemerkungen", "txtMenge", "opbBezug(1)", "txtWdh",
      "txtPreis", "cmbSpeichern", "cmbRechner", "cmbAbbruch", "cmbHilfe"}},
    {"frmTopf",
     "txtName",
     {"txtName", "txtKuerzel", "chbAktuell", "txtCode", "txtBemerkungen", "txtMenge", "opbBezug(1)", "txtPreis",
      "txtWdh", "txtVolumen", "cmbSpeichern", "cmbAbbruch", "cmbRechner", "cmbVolumen"}},
    {"frmSubstrat",
     "cmbSpeichern",
     {"cmbSpeichern", "cmbAbbruch", "cmbRechner", "opbBezug(1)", "txtPreis", "txtBemerkungen", "txtCode", "txtKuerzel",
      "txtName", "chbAktuell"}},
    {"frmTopfSubstrat",
     "txtName",
     {"txtName", "txtKuerzel", "txtCode", "txtBemerkung", "chbAktuell", "comTopf", "cmbTopf", "comSubstrat", "cmbErde",
      "cmbHilfe", "cmbAbbruch", "cmbSpeichern"}},
    {"frmRechner", "Number(0)"},
    {"frmVolumen", "trvVolumen"},
    {"frmAufwandmenge", "txtKonzentration"},
    {"frmPersonal",
     "txtName",
     {"txtName", "txtVorname", "txtKuerzel", "txtCode", "txtStrasse", "txtPostleitzahl", "txtOrt", "txtTelefon",
      "dtpGeburtstag", "cmdAusbildung", "cmbWochenarbeitszeit", "txtBemerkungen", "chbAktuell", "opbPerson", "cmbHilfe",
      "cmbSpeichern", "cmbAbbrechen"}},
    {"frmWochenarbeitszeit", "dtgWochenarbeitszeit"},
    {"frmLohneinteilung", "comLohngruppen"},
    {"frmLohneinteilung P1004", nullptr},
    {"frmWochenarbeitszeit P1004", nullptr},
    {"frmTaetigkeiten",
     "txtName",
     {"txtName", "txtKuerzel", "txtCode", "txtBemerkungen", "chbAktuell", "cmbArbeitMaterial", "opbTaetigkeit",
      "cmbHilfe", "cmbAbbrechen", "cmbSpeichern"}},
    {"frmBewegungsdaten", "trvKulturen"},
    {"frmBewegungsdaten Phasen", nullptr},
    {"frmBewegungsdaten Standorte", nullptr},
    {"frmBewegungsdaten Material", nullptr},
    {"frmKultur Aendern", "regKultur"},
    {"frmKalkulation", nullptr},
    {"frmHeizkostenMenu", "opbHerkunft(1)"},
    {"frmMaterialkostenMenu", "opbHerkunft(1)"},
    {"frmEnergiekostenMenu", "cmbOK"},
    {"frmMaschinenkostenMenu", "cmbOK"},
    {"frmPSMKostenMenu", "cmbOK"},
    {"frmVermarktungskostenMenu", "cmbOK"},
    {"frmArbeitskostenMenu", "cmbOK"},
    {"frmGemeinkostenMenu", "cmbOK"},
    {"frmVantelInfo", nullptr},
    {"frmMaterialInfo", nullptr},
    {"frmEnergieInfo", nullptr},
    {"frmMaschinenInfo", nullptr},
    {"frmPSMInfo", nullptr},
    {"frmVermarktungInfo", nullptr},
    {"frmArbeitInfo", nullptr},
    {"frmGemeinkostenInfo", nullptr},
    {"frmVantelInfo Vergleich", nullptr},
    {"frmMaterialInfo Vergleich", nullptr},
    {"frmEnergieInfo Vergleich", nullptr},
    {"frmMaschinenInfo Vergleich", nullptr},
    {"frmPSMInfo Vergleich", nullptr},
    {"frmVermarktungInfo Vergleich", nullptr},
    {"frmArbeitInfo Vergleich", nullptr},
    {"frmGemeinkostenInfo Vergleich", nullptr},
    {"frmKulturVergleichBearbeiten",
     "opbKultur(0)",
     {"opbKultur(0)",
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
    {"frmKulturvergleich", "comKultur(0)"},
    {"frmVergleichInfo", "cmbBeenden", {"cmbBeenden", "chbBetrieb", "chbImport", "txtBemerkung"}},
    {"frmTQM", "cmbEnde"},
    {"frmSachkostenInfo", "cmbBeenden"},
    {"frmEinstellungen", "regEinstellungen"},
    {"frmEinstellungen Flaechen", nullptr},
    {"frmTarif", "opbBearbeiten"},
    {"frmEindeckung", "txtEindeckung(1)"},
    {"frmBrennstoff", "txtName(1)"},
    {"frmLandkarte", "opbStation(0)"},
    {"frmStatInfo", "txtStatName"},
    {"frmTabellenrechner",
     "txtBruttolohn",
     {"txtBruttolohn", "txtArbeitgeberanteil", "txtSonderzahlungen", "txtStunden", "txtLohnErgebnis", "cmbUebernehmen",
      "cmbAbbrechen", "regBlatt"}},
    {"frmArbeitMaterial", "trvTaetigkeit"},
};

// The control a focus widget belongs to, by its name: the widget itself or the nearest named
// control around it (a tree's, a grid's or a tab strip's inner view).
QString ControlOf(QWidget* widget, const QWidget* window) {
  for (QWidget* w = widget; w != nullptr && w != window; w = w->parentWidget()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1String("grid"))) continue;
    return name;
  }
  return widget == nullptr ? QStringLiteral("<none>") : QString::fromLatin1(widget->metaObject()->className());
}

// What the window's boxes hold, to tell whether Tab typed into one.
std::map<const QWidget*, QString> Texts(const QWidget& window) {
  std::map<const QWidget*, QString> texts;
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) texts[box] = box->text();
  for (const QPlainTextEdit* box : window.findChildren<QPlainTextEdit*>()) texts[box] = box->toPlainText();
  for (const QAbstractSpinBox* box : window.findChildren<QAbstractSpinBox*>()) texts[box] = box->text();
  return texts;
}

QStringList TypedInto(const std::map<const QWidget*, QString>& before, const QWidget& window) {
  QStringList faults;
  for (const auto& [box, text] : Texts(window)) {
    const auto was = before.find(box);
    if (was != before.end() && was->second != text)
      faults << QStringLiteral("typed into ") + ControlOf(const_cast<QWidget*>(box), &window);
  }
  return faults;
}

// Presses Tab (or Shift+Tab) from the focus widget until the focus is back on it; the
// controls passed on the way. Faults where the focus stays put, leaves the window or never
// comes back.
QStringList Round(ui::Form& window, bool forward, QStringList& faults) {
  QWidget* start = FocusWidget();
  QStringList visited{ControlOf(start, &window)};
  QWidget* previous = start;
  for (int step = 0; step < 200; ++step) {
    forward ? PressTab() : PressShiftTab();
    QWidget* now = FocusWidget();
    if (now == start) return visited;
    if (now == previous) {
      faults << QStringLiteral("%1 keeps the focus").arg(ControlOf(now, &window));
      return visited;
    }
    if (now == nullptr || !window.isAncestorOf(now)) {
      faults << QStringLiteral("the focus leaves the window to %1")
                    .arg(now == nullptr ? QStringLiteral("nowhere")
                                        : QString::fromLatin1(now->metaObject()->className()));
      return visited;
    }
    visited << ControlOf(now, &window);
    previous = now;
  }
  faults << QStringLiteral("the focus never comes back");
  return visited;
}

class WindowFocusTest : public AppTest {};

TEST_F(WindowFocusTest, EveryWindowOpensOnItsFirstControlAndTabGoesRoundBothWays) {
  MusterOeffnen();
  QStringList faults;
  CheckEveryWindow(
      kWindows,
      [](ui::Form& window, const Expected& e) {
        QStringList own;
        ActivateWindowOf(&window);
        const QString first = FocusWidget() != nullptr && window.isAncestorOf(FocusWidget())
                                  ? ControlOf(FocusWidget(), &window)
                                  : QString();
        if (e.first != nullptr && first != QLatin1String(e.first)) {
          own << QStringLiteral("opens on %1").arg(first.isEmpty() ? QStringLiteral("no control") : first);
        }
        if (!first.isEmpty()) {
          const auto before = Texts(window);
          const QStringList forward = Round(window, true, own);
          const QStringList backward = Round(window, false, own);
          own << TypedInto(before, window);
          if (!e.order.empty()) {
            QStringList order;
            for (const char* name : e.order) order << QLatin1String(name);
            if (forward != order) own << QStringLiteral("Tab goes ") + forward.join(QLatin1Char(' '));
          }
          QStringList back{forward.front()};
          for (qsizetype i = forward.size() - 1; i > 0; --i) back << forward[i];
          if (backward != back) {
            own << QStringLiteral("Tab goes ") + forward.join(QLatin1Char(' ')) + QStringLiteral(", Shift+Tab goes ") +
                       backward.join(QLatin1Char(' '));
          }
        }
        return own;
      },
      &faults);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << ui::S(faults.join(QLatin1Char('\n')));
}

}  // namespace
}  // namespace tolvar::test
