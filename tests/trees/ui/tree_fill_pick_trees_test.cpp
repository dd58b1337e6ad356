// The culture data window's culture tree and its site and material pick trees, built as a
// person chooses a culture and a mode.
#include "culture/ui/bewegungsdaten_fixture.h"
#include "platform/ui/builders.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class BewegungsdatenTest : public BewegungsdatenFenster {};

TEST_F(BewegungsdatenTest, ActivationBuildsTheCultureTreeAndLeavesNoCultureChosen) {
  EXPECT_TRUE(form->trvKulturen->Has(QStringLiteral("K1003")));
  EXPECT_EQ(state().selection.KulturIndex, static_cast<int>(state().masters.KulturListe.size()) + 1);
  EXPECT_EQ(form->trvStandort->Count(), 0);
  EXPECT_EQ(form->trvMaterial->Count(), 0);
}

TEST_F(BewegungsdatenTest, SiteModeBuildsTheSitePickTree) {
  ASSERT_TRUE(Click(form->cmbStandorte));
  EXPECT_EQ(form->trvStandort->Count(), 0);  // no culture chosen yet
  KulturWaehlen("K1003");
  ASSERT_TRUE(Click(form->cmbStandorte));
  ui::KeyedTree* tree = form->trvStandort;
  EXPECT_EQ(tree->KeyAt(1), QStringLiteral("Standort"));
  EXPECT_EQ(tree->Text(QStringLiteral("Standort")), QStringLiteral("Standorte"));
  EXPECT_TRUE(tree->Sorted(QStringLiteral("Standort")));
  EXPECT_EQ(tree->Children(QStringLiteral("Standort")),
            (QStringList{QStringLiteral("Sta1004"), QStringLiteral("Sta1001")}));  // Freiflächen, Gewächshäuser
  EXPECT_FALSE(tree->Has(QStringLiteral("Sta1007")));
  EXPECT_FALSE(tree->Has(QStringLiteral("Sta1000")));
  EXPECT_EQ(state().selection.StandortIndex, static_cast<int>(state().masters.StandortListe.size()) + 1);
  for (const StandortSatz& s : state().masters.StandortListe) {
    EXPECT_EQ(s.ImBaum, tree->Has(ui::Q(s.StandortNr))) << s.StandortNr;
  }
  EXPECT_EQ(form->trvMaterial->Count(), 0);

  // Expanding by a double click keeps the picture; the state survives choosing another culture.
  ASSERT_TRUE(DoubleClickNode(tree, QStringLiteral("Sta1001")));
  ASSERT_TRUE(tree->Expanded(QStringLiteral("Sta1001")));
  EXPECT_EQ(tree->Image(QStringLiteral("Sta1001")), QStringLiteral("closed"));
  KulturWaehlen("K1004");
  EXPECT_TRUE(tree->Expanded(QStringLiteral("Sta1001")));
  EXPECT_FALSE(tree->Expanded(QStringLiteral("Sta1004")));
  EXPECT_TRUE(tree->Expanded(QStringLiteral("Standort")));
}

TEST_F(BewegungsdatenTest, MaterialModeBuildsTheMaterialPickTreeInListOrder) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(Click(form->cmbMaterial));
  ui::KeyedTree* tree = form->trvMaterial;
  EXPECT_FALSE(tree->Sorted(QStringLiteral("Material")));
  const QStringList top = tree->Children(QStringLiteral("Material"));
  ASSERT_GE(top.size(), 2);
  EXPECT_EQ(top[0], QStringLiteral("M1001"));
  EXPECT_EQ(top[1], QStringLiteral("M1002"));
  EXPECT_EQ(state().selection.MaterialIndex, static_cast<int>(state().masters.MaterialListe.size()) + 1);
  EXPECT_EQ(form->trvStandort->Count(), 0);

  // An arrow key in the culture tree rebuilds in material mode; a group chosen rebuilds nothing.
  tree->Clear();
  ASSERT_TRUE(FocusByClick(form->trvKulturen));
  ASSERT_TRUE(Press(Qt::Key_Up));  // onto Cyclamen, sorted before Weihnachtsstern
  EXPECT_GT(tree->Count(), 1);
  tree->Clear();
  KulturWaehlen("K1001");
  EXPECT_EQ(tree->Count(), 0);
}

// The mode buttons act for a culture whose phases the phase tree shows.
TEST_F(BewegungsdatenTest, ButtonsNeedACultureWithPhases) {
  KulturWaehlen("K1003");
  form->trvPhasen->Clear();
  ASSERT_TRUE(Click(form->cmbStandorte));
  EXPECT_EQ(form->trvStandort->Count(), 0);
  KulturWaehlen("K1004");
  ASSERT_TRUE(Click(form->cmbStandorte));
  EXPECT_GT(form->trvStandort->Count(), 1);
}

}  // namespace
}  // namespace tolvar::test
