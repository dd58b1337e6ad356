// Every window of the program, opened on the sample enterprise, looked at as a person would:
// captions and grid heads whole, controls inside the window, no sibling controls over each
// other, except where its catalogue record says so.
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "app_fixture.h"
#include "layout_check.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

class LayoutTest : public AppTest {};

TEST_F(LayoutTest, EveryWindowShowsItsCaptionsWholeAndItsControlsInPlace) {
  MusterOeffnen();
  QStringList faults;
  QStringList fixed;
  for (const WindowEntry& entry : AllWindows()) {
    const QString name = ui::Q(entry.name);
    ui::Form& window = entry.open();
    if (!window.isVisible()) {
      // A window its steps did not show is reported, and the walk goes on.
      faults << name + QStringLiteral(": never shown");
      window.Unload();
      ProcessEvents();
      continue;
    }
    // The entry's overlaps by design and known faults as the layout check words them.
    OverlapAllowance overlapping;
    for (const std::string& pair : entry.overlapping) {
      overlapping.insert(ui::Q(entry.name).section(QLatin1Char(' '), 0, 0) + QLatin1Char('/') + ui::Q(pair));
    }
    std::set<QString> known;
    for (const std::string& fault : entry.knownFaults) {
      known.insert(name + (fault.rfind("tab ", 0) == 0 ? QStringLiteral(" ") : QStringLiteral("/")) + ui::Q(fault));
    }
    ForEachView(window, name, [&](QWidget& shown, const QString& view) {
      for (const QString& fault : CheckLayout(shown, view, overlapping)) {
        if (known.erase(fault) == 0) faults << fault;
      }
    });
    for (const QString& mended : known) fixed << mended;
    window.Unload();
    ProcessEvents();
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " layout faults:\n" << ui::S(faults.join(QLatin1Char('\n')));
  EXPECT_TRUE(fixed.isEmpty()) << "mended, remove from the known faults:\n" << ui::S(fixed.join(QLatin1Char('\n')));
}

TEST_F(LayoutTest, MenusAndDetailWindowsOpenWhereTheirLayoutPutsThem) {
  MusterOeffnen();
  ui::MainForm* main = ui::Forms::Main();
  ASSERT_NE(main, nullptr);
  const QPoint onScreen(640, 512);  // the centre of the test screen
  const struct {
    const char* window;
    bool onOwner;
  } faelle[] = {{"frmHeizkostenMenu", true},   {"frmMaterialkostenMenu", true}, {"frmVantelInfo", true},
                {"frmMaterialInfo", false},    {"frmEnergiekostenMenu", false}, {"frmEnergieInfo Vergleich", false},
                {"frmGemeinkostenInfo", false}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.window);
    const std::vector<WindowEntry> windows = AllWindows();
    const auto entry =
        std::find_if(windows.begin(), windows.end(), [&](const WindowEntry& e) { return e.name == fall.window; });
    ASSERT_NE(entry, windows.end());
    ui::Form& window = entry->open();
    const QPoint expected = fall.onOwner ? main->frameGeometry().center() : onScreen;
    // Centred up to the window manager's frame, which is not known before the first show.
    const QPoint centre = window.frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - expected.x()), 20) << centre.x() << "," << centre.y();
    EXPECT_LE(std::abs(centre.y() - expected.y()), 20) << centre.x() << "," << centre.y();
    window.Unload();
    ProcessEvents();
  }
}

}  // namespace
}  // namespace tolvar::test
