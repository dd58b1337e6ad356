// Every window of the program on a 1024 x 768 screen, opened as a person reaches it: its frame
// (title bar and border of the window manager included) lies inside the screen's available
// area, it opens where and as large as its layout gives it, and a fixed dialog offers a close
// box only. Offscreen the frames have no title bar; on the desktop run they are the window
// manager's.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "app_fixture.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "support/ui_desktop.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

using sys::TwipsToPixels;

enum class Place {
  Anywhere,      // where the window manager puts it, or the layout leaves open
  CentreOwner,   // centred on the main window
  CentreScreen,  // centred on the screen
  At,            // its frame's top left corner at (left, top) twips of the screen
  BesideSite,    // beside the site editor that opened it
  WorkArea,      // a child window at (left, top) twips of the main window's work area
};

struct Expected {
  const char* window;  // the catalogue's name
  Place place;
  int left = 0;  // twips, for At and WorkArea
  int top = 0;
  int width = 0;  // client area in twips where the layout gives it
  int height = 0;
  bool fixedDialog = false;
  bool titleRow = true;  // for a child window: whether it shows its title row
};

const Expected kWindows[] = {
    {"frmBegruessung", Place::Anywhere},
    {"frmUeberTolvar", Place::CentreOwner, 0, 0, 0, 0, true},
    {"frmStammdaten", Place::WorkArea, -200, 0},
    {"frmKultur", Place::CentreOwner},
    {"frmStandort", Place::CentreOwner},
    {"frmMaterial", Place::CentreOwner},
    {"frmMaterial4opt", Place::CentreOwner},
    {"frmTopf", Place::CentreOwner},
    {"frmSubstrat", Place::CentreOwner},
    {"frmTopfSubstrat", Place::CentreOwner},
    {"frmRechner", Place::CentreOwner},
    {"frmVolumen", Place::CentreOwner},
    {"frmAufwandmenge", Place::CentreOwner},
    {"frmPersonal", Place::CentreOwner},
    {"frmWochenarbeitszeit", Place::CentreOwner},
    {"frmLohneinteilung", Place::CentreOwner},
    {"frmLohneinteilung P1004", Place::CentreOwner},
    {"frmWochenarbeitszeit P1004", Place::CentreOwner},
    {"frmTaetigkeiten", Place::CentreOwner},
    {"frmBewegungsdaten", Place::WorkArea, 0, 0},
    {"frmBewegungsdaten Phasen", Place::WorkArea, 0, 0},
    {"frmBewegungsdaten Standorte", Place::WorkArea, 0, 0},
    {"frmBewegungsdaten Material", Place::WorkArea, 0, 0},
    {"frmKultur Aendern", Place::CentreOwner},
    {"frmKalkulation", Place::WorkArea, -100, 0, 15255, 9900, false, false},
    {"frmHeizkostenMenu", Place::CentreOwner, 0, 0, 5760, 3165, true},
    {"frmMaterialkostenMenu", Place::CentreOwner, 0, 0, 5670, 3270, true},
    {"frmEnergiekostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmMaschinenkostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmPSMKostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmVermarktungskostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmArbeitskostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmGemeinkostenMenu", Place::CentreScreen, 0, 0, 0, 0, true},
    {"frmVantelInfo", Place::CentreOwner, 0, 0, 13365, 7230},
    {"frmMaterialInfo", Place::CentreScreen, 0, 0, 13350, 7215},
    {"frmEnergieInfo", Place::CentreScreen, 0, 0, 13335, 6690},
    {"frmMaschinenInfo", Place::Anywhere, 0, 0, 13335, 7230},
    {"frmPSMInfo", Place::Anywhere, 0, 0, 12960, 6420},
    {"frmVermarktungInfo", Place::CentreScreen, 0, 0, 10000, 4320},
    {"frmArbeitInfo", Place::Anywhere, 0, 0, 12855, 5835},
    {"frmGemeinkostenInfo", Place::CentreScreen, 0, 0, 9405, 4515},
    {"frmVantelInfo Vergleich", Place::CentreOwner, 0, 0, 13365, 7230},
    {"frmMaterialInfo Vergleich", Place::CentreScreen, 0, 0, 13350, 7215},
    {"frmEnergieInfo Vergleich", Place::CentreScreen, 0, 0, 13335, 6690},
    {"frmMaschinenInfo Vergleich", Place::Anywhere, 0, 0, 13335, 7230},
    {"frmPSMInfo Vergleich", Place::Anywhere, 0, 0, 12960, 6420},
    {"frmVermarktungInfo Vergleich", Place::CentreScreen, 0, 0, 12960, 4320},
    {"frmArbeitInfo Vergleich", Place::Anywhere, 0, 0, 12855, 5835},
    {"frmGemeinkostenInfo Vergleich", Place::CentreScreen, 0, 0, 9405, 4515},
    {"frmKulturVergleichBearbeiten", Place::WorkArea, 0, 0, 14895, 9900},
    {"frmKulturvergleich", Place::WorkArea, -100, 0, 15255, 9900, false, false},
    {"frmVergleichInfo", Place::At, 9000, 3000, 6030, 3405},
    {"frmTQM", Place::At, 9000, 2000, 3825, 2640},
    {"frmSachkostenInfo", Place::At, 9000, 3000, 4950, 3405},
    {"frmEinstellungen", Place::CentreOwner},
    {"frmEinstellungen Flaechen", Place::CentreOwner},
    {"frmTarif", Place::CentreOwner},
    {"frmEindeckung", Place::BesideSite},
    {"frmBrennstoff", Place::BesideSite},
    {"frmLandkarte", Place::CentreOwner, 0, 0, 0, 0, true},
    {"frmStatInfo", Place::CentreOwner},
    {"frmTabellenrechner", Place::CentreOwner},
    {"frmArbeitMaterial", Place::CentreOwner},
};

QString Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool Centred(const QRect& frame, const QRect& on) {
  return std::abs(frame.center().x() - on.center().x()) <= 1 && std::abs(frame.center().y() - on.center().y()) <= 1;
}

// Beside the anchor, level with its top: to its right where the screen has room, else to its
// left, else over it as far right as the screen allows.
bool BesideOf(const QRect& frame, const QRect& anchor, const QRect& screen) {
  if (frame.top() != anchor.top()) return false;
  if (anchor.right() + frame.width() <= screen.right()) return frame.left() == anchor.right() + 1;
  if (anchor.left() - frame.width() >= screen.left()) return frame.right() == anchor.left() - 1;
  return frame.right() == screen.right();
}

// The faults of a top-level window's frame; `main` is the main window's frame.
QStringList TopLevelFaults(ui::Form& window, const Expected& e, const QRect& screen, const QRect& main) {
  QStringList faults;
  const QRect frame = window.frameGeometry();
  if (!screen.contains(frame)) faults << QStringLiteral("frame %1 leaves the screen %2").arg(Text(frame), Text(screen));
  bool placed = true;
  switch (e.place) {
    case Place::Anywhere:
      break;
    case Place::CentreOwner:
      placed = Centred(frame, main);
      break;
    case Place::CentreScreen:
      placed = Centred(frame, screen);
      break;
    case Place::At:
      placed = frame.topLeft() == QPoint(TwipsToPixels(e.left), TwipsToPixels(e.top));
      break;
    case Place::BesideSite: {
      ui::Form* standort = ui::Forms::Find(QStringLiteral("frmStandort"));
      placed = standort != nullptr && BesideOf(frame, standort->frameGeometry(), screen);
      break;
    }
    case Place::WorkArea:
      placed = false;
      break;
  }
  if (!placed) faults << QStringLiteral("frame %1 not where its layout puts it").arg(Text(frame));
  if (e.fixedDialog) faults << FixedDialogFaults(&window);
  return faults;
}

QStringList ChildFaults(ui::Form& window, const Expected& e) {
  QStringList faults;
  auto* sub = qobject_cast<QMdiSubWindow*>(window.Frame());
  if (sub == nullptr || sub->mdiArea() == nullptr) return {QStringLiteral("not a child window of the main window")};
  const QRect frame = sub->geometry();
  const QRect work = sub->mdiArea()->viewport()->rect();
  if (frame.topLeft() != QPoint(TwipsToPixels(e.left), TwipsToPixels(e.top))) {
    faults << QStringLiteral("child frame %1 not where its layout puts it").arg(Text(frame));
  }
  // Its right edge, with the close box of its title row, lies in the work area.
  if (frame.right() > work.right()) {
    faults << QStringLiteral("child frame %1 reaches past the work area %2").arg(Text(frame), Text(work));
  }
  if (sub->windowFlags().testFlag(Qt::FramelessWindowHint) == e.titleRow) {
    faults << (e.titleRow ? QStringLiteral("shows no title row") : QStringLiteral("shows a title row"));
  }
  if (sub->isMaximized()) faults << QStringLiteral("maximised");
  return faults;
}

class WindowFramesTest : public AppTest {
 protected:
  ScopedScreen small{1024, 768};
};

TEST_F(WindowFramesTest, EveryWindowLiesWholeOnTheScreenWhereAndAsLargeAsItsLayoutGivesIt) {
  const QRect bildschirm(0, 0, 1024, 768);
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  // The main window's outer size at the screen's corner, its caption on the screen.
  const QRect main(0, 0, TwipsToPixels(15360), TwipsToPixels(11050));
  EXPECT_EQ(haupt.frameGeometry(), main) << ui::S(Text(haupt.frameGeometry()));
  // On the desktop the window manager says what it offers on a window.
  if (OnDesktop()) {
    ASSERT_TRUE(AllowedActions(&haupt).has_value());
  }

  QStringList faults;
  std::map<QString, int> heights;
  CheckEveryWindow(
      kWindows,
      [&](ui::Form& window, const Expected& e) {
        const bool child = window.Kind() == ui::FormKind::MdiChild;
        QStringList own = child ? ChildFaults(window, e) : TopLevelFaults(window, e, bildschirm, haupt.frameGeometry());
        if (e.width != 0 && window.size() != QSize(TwipsToPixels(e.width), TwipsToPixels(e.height))) {
          own << QStringLiteral("client area %1 x %2").arg(window.width()).arg(window.height());
        }
        // The settings window keeps one height whichever overheads panel it shows.
        const auto [first, fresh] = heights.emplace(window.Name(), window.frameGeometry().height());
        if (window.Name() == QLatin1String("frmEinstellungen") && !fresh &&
            first->second != window.frameGeometry().height()) {
          own << QStringLiteral("%1 px high, before %2").arg(window.frameGeometry().height()).arg(first->second);
        }
        return own;
      },
      &faults);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << ui::S(faults.join(QLatin1Char('\n')));

  // Opening an enterprise loads the main window again: it takes the same frame.
  prompts->AnswerFile(ui::Q(Muster()));
  Befehl("mnuoeffnen");
  ui::MainForm* wieder = ui::Forms::Main();
  ASSERT_NE(wieder, nullptr);
  ASSERT_TRUE(WaitUntilPlaced(wieder));
  EXPECT_EQ(wieder->frameGeometry(), main) << ui::S(Text(wieder->frameGeometry()));
}

}  // namespace
}  // namespace tolvar::test
