// The window catalogue that the layout, frame, focus, paste and picture walks open: every window
// of the window index in docs/ARCHITECTURE.md has an entry and every entry a window of the
// index, every cost type has the entries of its windows, and a walk reports a window its steps
// never show and goes on with the next.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <string>
#include <vector>

#include "app/frmUeberTolvar.h"
#include "app_fixture.h"
#include "data/cost_types.h"
#include "platform/ui/builders.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

// The windows named in the first column of the window index.
std::set<QString> IndexedWindows() {
  QFile doc(QStringLiteral(TOLVAR_ARCHITECTURE_DOC));
  EXPECT_TRUE(doc.open(QIODevice::ReadOnly | QIODevice::Text)) << TOLVAR_ARCHITECTURE_DOC;
  const QRegularExpression row(QStringLiteral("^\\| (\\w+) \\|"));
  std::set<QString> windows;
  bool inIndex = false;
  for (const QString& line : QString::fromUtf8(doc.readAll()).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String("## "))) inIndex = line == QLatin1String("## Window index");
    const QRegularExpressionMatch match = row.match(line);
    if (inIndex && match.hasMatch() && match.captured(1) != QLatin1String("window")) windows.insert(match.captured(1));
  }
  return windows;
}

// The window of a catalogue entry: its name up to the presentation ("frmEnergieInfo Vergleich").
QString WindowOf(const WindowEntry& entry) { return ui::Q(entry.name).section(QLatin1Char(' '), 0, 0); }

TEST(WindowCatalogue, EveryWindowOfTheIndexHasAnEntryAndEveryEntryAWindowOfTheIndex) {
  std::set<QString> indexed = IndexedWindows();
  ASSERT_GT(indexed.size(), 40u) << "the window index was not found";
  // The main window hosts every walk; its own frame and menus have tests of their own.
  ASSERT_EQ(indexed.erase(QStringLiteral("mdiTolvarZentral")), 1u);

  std::set<QString> catalogued;
  for (const WindowEntry& entry : AllWindows()) catalogued.insert(WindowOf(entry));
  for (const QString& window : indexed) {
    EXPECT_EQ(catalogued.count(window), 1u) << ui::S(window) << " is in the window index but not in the catalogue";
  }
  for (const QString& window : catalogued) {
    EXPECT_EQ(indexed.count(window), 1u) << ui::S(window) << " is in the catalogue but not in the window index";
  }
}

// Each cost type's windows as the calculation window opens them: its origin menu, its detail
// window, and the detail window in its comparison presentation.
TEST(WindowCatalogue, EveryCostTypeHasItsThreeEntries) {
  std::set<std::string> catalogued;
  for (const WindowEntry& entry : AllWindows()) catalogued.insert(entry.name);
  for (const KostenartDaten& d : kKostenartTabelle) {
    for (const std::string& name :
         {std::string(d.menuefenster), std::string(d.detailfenster), std::string(d.detailfenster) + " Vergleich"}) {
      EXPECT_EQ(catalogued.count(name), 1u)
          << name << ", a window of the cost type " << d.name << ", has no entry in the catalogue";
    }
  }
}

class CatalogueWalkTest : public AppTest {};

// A window whose steps leave it unshown (a wiring cut) is reported without waiting for it,
// and the windows after it are still checked.
TEST_F(CatalogueWalkTest, AWindowNeverShownIsReportedAndTheWalkGoesOn) {
  const std::vector<WindowEntry> entries = {
      {.name = "frmUeberTolvar",
       .open = []() -> ui::Form& { return frmUeberTolvar::instanz(); },
       .frame = {},
       .focus = {.first = "cmbOK"}},
      {.name = "frmUeberTolvar shown",
       .open = []() -> ui::Form& {
         frmUeberTolvar& window = frmUeberTolvar::instanz();
         window.Show();
         ProcessEvents();
         return window;
       },
       .frame = {},
       .focus = {.first = "cmbOK"}},
  };
  QStringList checked;
  QStringList faults;
  CheckWindows(
      entries,
      [&](const WindowEntry& entry, ui::Form& /*window*/) {
        checked << ui::Q(entry.name);
        return QStringList();
      },
      &faults);
  EXPECT_EQ(faults, QStringList{QStringLiteral("frmUeberTolvar: never shown")});
  EXPECT_EQ(checked, QStringList{QStringLiteral("frmUeberTolvar shown")});
  EXPECT_FALSE(frmUeberTolvar::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
