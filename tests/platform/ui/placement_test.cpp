// Where a frame lands: kept inside the screen's available area, centred, beside another window.
#include "platform/ui/placement.h"

#include <gtest/gtest.h>

#include <QRect>

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

}  // namespace
}  // namespace tolvar::ui
