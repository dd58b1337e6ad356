#pragma once
// Every window of the program, each with a way to open it on the sample enterprise as a
// person reaches it, for the layout check and the window pictures.

#include <QString>
#include <functional>
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

// One look at a window: `view` names it ("frmEinstellungen", "frmEinstellungen tab 2").
using ViewVisitor = std::function<void(QWidget& window, const QString& view)>;
// Visits the window as shown, named `name`, then each further tab of each of its tab strips,
// one at a time.
void ForEachView(ui::Form& window, const QString& name, const ViewVisitor& visit);

}  // namespace tolvar::test
