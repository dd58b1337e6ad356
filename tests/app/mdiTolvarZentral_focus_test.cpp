// Every window's keyboard, as a person finds it right after opening the window as the
// catalogue reaches it: the focus starts on the window's first control, Tab visits its
// controls in the window's tab order and comes back round, no control keeps the focus, Tab
// types nothing into a box, Shift+Tab goes the same way back, and each option group is one
// stop, at its selected option.
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <map>
#include <vector>

#include "app_fixture.h"
#include "data/state.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/mdlPopUp.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

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
// controls passed on the way (and the focus widgets, in `stops`). Faults where the focus stays
// put, leaves the window or never comes back.
QStringList Round(ui::Form& window, bool forward, QStringList& faults, std::vector<QWidget*>* stops = nullptr) {
  QWidget* start = FocusWidget();
  QStringList visited{ControlOf(start, &window)};
  if (stops != nullptr) stops->push_back(start);
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
    if (stops != nullptr) stops->push_back(now);
    previous = now;
  }
  faults << QStringLiteral("the focus never comes back");
  return visited;
}

// The option groups shown in the window (the buttons of one button group, else the
// auto-exclusive ones of one parent), each in the order of the window's focus chain.
std::vector<std::vector<QRadioButton*>> OptionGroups(QWidget& window) {
  std::vector<std::vector<QRadioButton*>> groups;
  std::map<QObject*, std::size_t> index;
  for (QWidget* w = window.nextInFocusChain(); w != nullptr && w != &window; w = w->nextInFocusChain()) {
    auto* option = qobject_cast<QRadioButton*>(w);
    if (option == nullptr || !window.isAncestorOf(option) || !option->isVisible() || !option->isEnabled()) continue;
    QObject* key = option->group() != nullptr ? static_cast<QObject*>(option->group()) : option->parentWidget();
    const auto [at, fresh] = index.emplace(key, groups.size());
    if (fresh) groups.emplace_back();
    groups[at->second].push_back(option);
  }
  return groups;
}

// Tab stopped in each option group once, on its selected option (the first when none is
// selected).
QStringList OptionStopFaults(QWidget& window, const std::vector<QWidget*>& stops) {
  QStringList faults;
  for (const std::vector<QRadioButton*>& group : OptionGroups(window)) {
    const auto selected = std::find_if(group.begin(), group.end(), [](QRadioButton* o) { return o->isChecked(); });
    QRadioButton* wanted = selected != group.end() ? *selected : group.front();
    QStringList stoppedAt;
    for (QRadioButton* option : group) {
      if (std::find(stops.begin(), stops.end(), option) != stops.end()) stoppedAt << ControlOf(option, &window);
    }
    if (stoppedAt != QStringList{ControlOf(wanted, &window)}) {
      faults << QStringLiteral("Tab stops in the group of %1 on %2")
                    .arg(ControlOf(wanted, &window),
                         stoppedAt.isEmpty() ? QStringLiteral("none") : stoppedAt.join(QLatin1Char(' ')));
    }
  }
  return faults;
}

class WindowFocusTest : public AppTest {};

TEST_F(WindowFocusTest, EveryWindowOpensOnItsFirstControlAndTabGoesRoundBothWays) {
  MusterOeffnen();
  QStringList faults;
  CheckEveryWindow(
      [](const WindowEntry& entry, ui::Form& window) {
        const Focus& e = entry.focus;
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
          std::vector<QWidget*> stops;
          const QStringList forward = Round(window, true, own, &stops);
          own << OptionStopFaults(window, stops);
          const QStringList backward = Round(window, false, own);
          own << TypedInto(before, window);
          if (!e.order.empty()) {
            QStringList order;
            for (const std::string& name : e.order) order << ui::Q(name);
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

// A substrate priced per m³ ("Einheitserde ED73"): Tab enters its price basis at "€ je m³",
// Space there changes nothing, and the arrow keys choose the other basis.
TEST_F(WindowFocusTest, OptionGroupIsEnteredAtItsSelectedOption) {
  MusterOeffnen();
  const auto& materialien = state().masters.MaterialListe;
  const auto ed73 = std::find_if(materialien.begin(), materialien.end(),
                                 [](const MaterialSatz& m) { return m.Materialname == "Einheitserde ED73"; });
  ASSERT_NE(ed73, materialien.end());
  state().selection.AktuellerBaum = "Material";
  state().selection.MaterialIndex = static_cast<int>(ed73 - materialien.begin());
  mdlPopUp::PopUpAendern();
  ASSERT_TRUE(frmSubstrat::IsLoaded());
  frmSubstrat& substrat = frmSubstrat::instanz();
  ASSERT_TRUE(WaitUntilPlaced(&substrat));
  ASSERT_TRUE(ActivateWindowOf(&substrat));
  ASSERT_TRUE(substrat.opbBezug[2]->isChecked());

  QStringList faults;
  std::vector<QWidget*> stops;
  const QStringList round = Round(substrat, true, faults, &stops);
  faults << OptionStopFaults(substrat, stops);
  EXPECT_TRUE(faults.isEmpty()) << ui::S(faults.join(QLatin1Char('\n')));
  EXPECT_TRUE(round.contains(QStringLiteral("opbBezug(2)"))) << ui::S(round.join(QLatin1Char(' ')));

  for (int i = 0; i < 20 && FocusWidget() != substrat.opbBezug[2]; ++i) ASSERT_TRUE(PressTab());
  ASSERT_EQ(FocusWidget(), substrat.opbBezug[2]);
  ASSERT_TRUE(Press(Qt::Key_Space));
  EXPECT_TRUE(substrat.opbBezug[2]->isChecked()) << "Space keeps the price basis";
  ASSERT_TRUE(Press(Qt::Key_Up));
  EXPECT_EQ(FocusWidget(), substrat.opbBezug[1]);
  EXPECT_TRUE(substrat.opbBezug[1]->isChecked()) << "the arrow key chooses the other basis";
}

}  // namespace
}  // namespace tolvar::test
