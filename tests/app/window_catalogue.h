#pragma once
// Every window of the program, each with a way to open it on the sample enterprise as a
// person reaches it, for the layout check and the window pictures.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QWidget;

namespace tolvar::ui {
class Form;
}

namespace tolvar::test {

class AppTest;

struct WindowEntry {
  // The window's name, followed by the presentation where a window has several
  // ("frmEnergieInfo Vergleich").
  QString name;
  // Opens and shows the window (the sample enterprise and the main window are open); the
  // window is unloaded after it was looked at.
  std::function<ui::Form&()> open;
};

// All windows, in the order of the program's menus.
std::vector<WindowEntry> AllWindows();

// Opens each window of the catalogue in turn, waits until a top-level one has taken its place
// on the screen, lets `check` look at it and unloads it again. `check` gives the window's
// faults, or nullopt when it has no expectation for the window, which is a fault of its own.
// Each fault is added to `faults` after the window's name. A window that its steps leave
// unshown, or that never takes its place, is such a fault ("never shown", "never appeared on
// the screen"), and the walk goes on with the next.
using WindowCheck = std::function<std::optional<QStringList>(const QString& name, ui::Form& window)>;
void CheckEveryWindow(const WindowCheck& check, QStringList* faults);
// The same walk over `entries`.
void CheckWindows(const std::vector<WindowEntry>& entries, const WindowCheck& check, QStringList* faults);

// As above, with the expectations of a table whose rows name their window (`window`).
template <typename Expected, std::size_t N, typename Check>
void CheckEveryWindow(const Expected (&table)[N], Check check, QStringList* faults) {
  std::map<QString, const Expected*> expected;
  for (const Expected& e : table) expected.emplace(QString::fromLatin1(e.window), &e);
  CheckEveryWindow(
      [&](const QString& name, ui::Form& window) -> std::optional<QStringList> {
        const auto found = expected.find(name);
        if (found == expected.end()) return std::nullopt;
        return check(window, *found->second);
      },
      faults);
}

// One look at a window: `view` names it ("frmEinstellungen", "frmEinstellungen tab 2").
using ViewVisitor = std::function<void(QWidget& window, const QString& view)>;
// Visits the window as shown, named `name`, then each further tab of each of its tab strips,
// one at a time.
void ForEachView(ui::Form& window, const QString& name, const ViewVisitor& visit);

}  // namespace tolvar::test
