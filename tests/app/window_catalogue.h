#pragma once
// Every window of the program, each with a way to open it on the sample enterprise as a
// person reaches it and what the walks over the windows expect of it: the layout, frame,
// focus and paste walks and the window pictures read this one record per window.

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace tolvar::ui {
class Form;
}

namespace tolvar::test {

// Where a top-level window opens (the frame walk).
enum class Place {
  Anywhere,      // where the window manager puts it, or the layout leaves open
  CentreOwner,   // centred on the main window
  CentreScreen,  // centred on the screen
  At,            // its frame's top left corner at (left, top) twips of the screen
  BesideSite,    // beside the site editor that opened it
  WorkArea,      // a child window at (left, top) twips of the main window's work area
};

// Where and how large the window opens, on a 1024 x 768 screen.
struct Frame {
  Place place = Place::Anywhere;
  int left = 0;  // twips, for At and WorkArea
  int top = 0;
  int width = 0;  // client area in twips where the layout gives it
  int height = 0;
  bool fixedDialog = false;  // a fixed dialog with a close box only
  bool titleRow = true;      // for a child window: whether it shows its title row
};

// The focus after opening (the focus walk).
struct Focus {
  // The control the window opens with, "" for none; kAsLeft where the steps that open the
  // window work in it, so the focus lies where they left it.
  const char* first;
  // The whole round of Tab from `first`, where the window's layout gives the tab order.
  std::vector<std::string> order = {};
};
inline constexpr const char* kAsLeft = nullptr;

// One window as a walk finds it: how a person opens it and what each walk expects of it. The
// frame and the focus are written for every entry (a missing one is a compiler warning that
// names it, an error in the test build).
struct WindowEntry {
  // The window's name, followed by the presentation where a window has several
  // ("frmEnergieInfo Vergleich").
  std::string name = {};
  // Opens and shows the window (the sample enterprise and the main window are open); the
  // window is unloaded after it was looked at.
  std::function<ui::Form&()> open = {};
  Frame frame;
  Focus focus;
  // The boxes under a key filter (the paste walk), in any order.
  std::vector<std::string> filtered = {};
  // Layout faults the window keeps on purpose (the layout walk), as the layout check words them
  // after the view's name: "lblKultur: overlaps trvPhasen (177 x 1 px)" for the window as it
  // opens, "tab 2/fraMaterial: overlaps ..." for a further tab.
  std::vector<std::string> knownFaults = {};
  // Sibling controls the window's design places over each other (the layout walk), as
  // "control/control" with the two names in alphabetical order.
  std::vector<std::string> overlapping = {};
};

// All windows, in the order of the program's menus.
std::vector<WindowEntry> AllWindows();

// Opens each window of the catalogue in turn, waits until a top-level one has taken its place
// on the screen, lets `check` look at it and unloads it again. `check` gives the window's
// faults; each is added to `faults` after the entry's name. A window that its steps leave
// unshown, or that never takes its place, is such a fault ("never shown", "never appeared on
// the screen"), and the walk goes on with the next.
using WindowCheck = std::function<QStringList(const WindowEntry& entry, ui::Form& window)>;
void CheckEveryWindow(const WindowCheck& check, QStringList* faults);
// The same walk over `entries`.
void CheckWindows(const std::vector<WindowEntry>& entries, const WindowCheck& check, QStringList* faults);

// One look at a window: `view` names it ("frmEinstellungen", "frmEinstellungen tab 2").
using ViewVisitor = std::function<void(QWidget& window, const QString& view)>;
// Visits the window as shown, named `name`, then each further tab of each of its tab strips,
// one at a time.
void ForEachView(ui::Form& window, const QString& name, const ViewVisitor& visit);

}  // namespace tolvar::test
