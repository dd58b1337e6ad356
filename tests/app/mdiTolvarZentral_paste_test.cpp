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
      [this](const WindowEntry& entry, ui::Form& window) {
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
        for (const std::string& name : entry.filtered) expected << ui::Q(name);
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
