// The pocket calculator keeps its size: a long number in the readout never moves the keys
// under the mouse.
#include "masterdata/ui/frmRechner.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "support/ui_desktop.h"
#include "support/ui_fixture.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class RechnerTest : public test::FensterTest {};

TEST_F(RechnerTest, KeepsItsWidthWhenALongNumberFillsTheReadout) {
  frmRechner& rechner = frmRechner::instanz();
  rechner.Show();
  ASSERT_TRUE(test::WaitUntilPlaced(&rechner));
  const int breite = rechner.frameGeometry().width();
  const QPoint taste = rechner.Number[9]->mapToGlobal(QPoint(0, 0));
  // Digits are taken as long as they are typed: a number far longer than the keys are wide.
  for (int i = 0; i < 80; ++i) ASSERT_TRUE(test::Click(rechner.Number[9]));
  ASSERT_GE(rechner.Readout->text().size(), 80);
  EXPECT_EQ(rechner.frameGeometry().width(), breite);
  EXPECT_EQ(rechner.Number[9]->mapToGlobal(QPoint(0, 0)), taste);
}

}  // namespace
}  // namespace tolvar
