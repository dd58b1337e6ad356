// The window catalogue that the layout, frame, focus and picture walks open: every window of
// the window index in docs/ARCHITECTURE.md has an entry and every entry a window of the index,
// and a walk reports a window its steps never show and goes on with the next.
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <set>
#include <vector>

#include "app/frmUeberTolvar.h"
#include "app_fixture.h"
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
QString WindowOf(const WindowEntry& entry) { return entry.name.section(QLatin1Char(' '), 0, 0); }

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

class CatalogueWalkTest : public AppTest {};

// A window whose steps leave it unshown (a wiring cut) is reported without waiting for it,
// and the windows after it are still checked.
TEST_F(CatalogueWalkTest, AWindowNeverShownIsReportedAndTheWalkGoesOn) {
  const std::vector<WindowEntry> entries = {
      {QStringLiteral("frmUeberTolvar"), [] { return std::ref<ui::Form>(frmUeberTolvar::instanz()); }},
      {QStringLiteral("frmUeberTolvar shown"),
       [] {
         frmUeberTolvar& window = frmUeberTolvar::instanz();
         window.Show();
         ProcessEvents();
         return std::ref<ui::Form>(window);
       }},
  };
  QStringList checked;
  QStringList faults;
  CheckWindows(
      entries,
      [&](const QString& name, ui::Form& /*window*/) -> std::optional<QStringList> {
        checked << name;
        return QStringList();
      },
      &faults);
  EXPECT_EQ(faults, QStringList{QStringLiteral("frmUeberTolvar: never shown")});
  EXPECT_EQ(checked, QStringList{QStringLiteral("frmUeberTolvar shown")});
  EXPECT_FALSE(frmUeberTolvar::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
