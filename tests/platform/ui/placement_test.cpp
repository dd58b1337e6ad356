// Where a frame lands: kept inside the screen's available area, centred, beside another
// window; and a kept dialog around a minimise.
#include "platform/ui/placement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QRect>

#include "support/ui_desktop.h"
#include "support/ui_forms.h"

namespace tolvar::ui {
namespace {

const QRect kScreen(0, 0, 1024, 768);

TEST(PlacementTest, AFrameIsKeptInsideTheScreen) {
  const struct {
    QRect frame;
    QPoint kept;
  } cases[] = {
      {{100, 100, 300, 200}, {100, 100}},  // inside: stays
      {{857, 100, 670, 280}, {354, 100}},  // past the right edge
      {{-20, -20, 300, 200}, {0, 0}},      // above and left of the corner
      {{100, 700, 300, 200}, {100, 568}},  // below the bottom
      {{50, 50, 1100, 900}, {0, 0}},       // larger than the screen: its top left corner on it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frame.x());
    EXPECT_EQ(KeptInside(c.frame, kScreen).topLeft(), c.kept);
    EXPECT_EQ(KeptInside(c.frame, kScreen).size(), c.frame.size());
  }
}

TEST(PlacementTest, CentredOnAWindowAndKeptInsideTheScreen) {
  EXPECT_EQ(CentredOn(QSize(400, 200), QRect(0, 0, 1024, 737), kScreen), QRect(312, 269, 400, 200));
  // Centred on a window near the edge, the frame is pushed back onto the screen.
  EXPECT_EQ(CentredOn(QSize(400, 200), QRect(900, 0, 100, 100), kScreen), QRect(624, 0, 400, 200));
}

TEST(PlacementTest, BesideGoesToTheSideWithRoomOrOverlapsOnTheScreen) {
  const QSize editor(300, 280);
  // Room to the right.
  EXPECT_EQ(Beside(editor, QRect(100, 50, 400, 600), kScreen), QRect(500, 50, 300, 280));
  // None to the right, room to the left.
  EXPECT_EQ(Beside(editor, QRect(600, 50, 400, 600), kScreen), QRect(300, 50, 300, 280));
  // Room on neither side: over the anchor, as far right as the screen allows.
  EXPECT_EQ(Beside(QSize(670, 280), QRect(180, 30, 663, 678), kScreen), QRect(354, 30, 670, 280));
}

// Offscreen a window's state changes at once, and alone: a dialog minimised while its main
// window stays comes back; minimised with the main window it stays down. The desktop run
// does the same through the window manager, restoring too
// (tests/app/mdiTolvarZentral_minimise_test.cpp).
TEST(KeepRestoredTest, ADialogComesBackAloneButStaysDownWithTheProgram) {
  if (test::OnDesktop()) GTEST_SKIP() << "minimising through the window manager: see the minimise test";
  QWidget haupt;
  QDialog dialog(&haupt);
  KeepRestored(&dialog);
  haupt.show();
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  test::ProcessEvents();

  dialog.setWindowState(Qt::WindowMinimized);
  test::ProcessEvents();
  EXPECT_FALSE(dialog.isMinimized()) << "minimised alone";
  EXPECT_TRUE(dialog.isVisible());

  for (QWidget* w : std::initializer_list<QWidget*>{&haupt, &dialog}) w->setWindowState(Qt::WindowMinimized);
  test::ProcessEvents();
  EXPECT_TRUE(dialog.isMinimized()) << "minimised with the program";
  EXPECT_TRUE(haupt.isMinimized());
}

}  // namespace
}  // namespace tolvar::ui
