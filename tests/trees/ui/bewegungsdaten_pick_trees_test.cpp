// The culture data window's culture tree and its site and material pick trees.
#include <gtest/gtest.h>

#include <QFrame>
#include <QMenu>

#include "app/mdiTolvarZentral.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "data/state.h"
#include "platform/ui/keyedtree.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {
namespace {

class BewegungsdatenTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    main_ = &mdiTolvarZentral::instanz();
    ui::Forms::UnloadAllExcept();
    test::ProcessEvents();
    ResetState();
    tolvar::State& s = state();
    s.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
    s.TolvarDatenbankPfad = root_.Join("Betriebe/Mustergärtnerei.Tolvar");
    s.AktuelleEinstellungen.MaterialPfad = root_.Join("Tolvar_DB/Material.mdb");
    s.ModusErfassung = true;
    s.PhasenListe.resize(26);
    s.PhasenListe[1].KP_ID = "4711";  // the chosen culture has a phase
    form_ = &frmBewegungsdaten::instanz();
    ui::FormAccess::Activate(*form_);
  }
  void TearDown() override {
    test::UnloadAllWindows();
    ResetState();
  }
  void ClickCulture(const char* key) {
    form_->trvKulturen->Select(QString::fromLatin1(key));
    form_->trvKulturen_Click();
  }

  test::FreshDataRoot root_;
  mdiTolvarZentral* main_ = nullptr;
  frmBewegungsdaten* form_ = nullptr;
};

TEST_F(BewegungsdatenTest, ActivationBuildsTheCultureTreeAndLeavesNoCultureChosen) {
  EXPECT_TRUE(form_->trvKulturen->Has(QStringLiteral("K1003")));
  EXPECT_EQ(state().KulturIndex, state().AnzahlKulturen + 1);
  EXPECT_EQ(form_->trvStandort->Count(), 0);
  EXPECT_EQ(form_->trvMaterial->Count(), 0);
}

TEST_F(BewegungsdatenTest, SiteModeBuildsTheSitePickTree) {
  form_->cmbStandorte_Click();
  EXPECT_EQ(form_->trvStandort->Count(), 0);  // no culture chosen yet
  ClickCulture("K1003");
  form_->cmbStandorte_Click();
  ui::KeyedTree* tree = form_->trvStandort;
  EXPECT_EQ(tree->KeyAt(1), QStringLiteral("Standort"));
  EXPECT_EQ(tree->Text(QStringLiteral("Standort")), QStringLiteral("Standorte"));
  EXPECT_TRUE(tree->Sorted(QStringLiteral("Standort")));
  EXPECT_EQ(tree->Children(QStringLiteral("Standort")),
            (QStringList{QStringLiteral("Sta1004"), QStringLiteral("Sta1001")}));  // Freiflächen, Gewächshäuser
  EXPECT_FALSE(tree->Has(QStringLiteral("Sta1007")));
  EXPECT_FALSE(tree->Has(QStringLiteral("Sta1000")));
  EXPECT_EQ(state().StandortIndex, state().AnzahlStandorte + 1);
  for (const StandortSatz& s : state().StandortListe) {
    EXPECT_EQ(s.ImBaum, tree->Has(QString::fromStdString(s.StandortNr))) << s.StandortNr;
  }
  EXPECT_EQ(form_->trvMaterial->Count(), 0);

  // Expanding keeps the picture; the state survives choosing another culture.
  tree->SetExpanded(QStringLiteral("Sta1001"), true);
  EXPECT_EQ(tree->Image(QStringLiteral("Sta1001")), QStringLiteral("closed"));
  ClickCulture("K1004");
  EXPECT_TRUE(tree->Expanded(QStringLiteral("Sta1001")));
  EXPECT_FALSE(tree->Expanded(QStringLiteral("Sta1004")));
  EXPECT_TRUE(tree->Expanded(QStringLiteral("Standort")));
}

TEST_F(BewegungsdatenTest, MaterialModeBuildsTheMaterialPickTreeInListOrder) {
  ClickCulture("K1003");
  form_->cmbMaterial_Click();
  ui::KeyedTree* tree = form_->trvMaterial;
  EXPECT_FALSE(tree->Sorted(QStringLiteral("Material")));
  const QStringList top = tree->Children(QStringLiteral("Material"));
  ASSERT_GE(top.size(), 2);
  EXPECT_EQ(top[0], QStringLiteral("M1001"));
  EXPECT_EQ(top[1], QStringLiteral("M1002"));
  EXPECT_EQ(state().MaterialIndex, state().AnzahlMaterialien + 1);
  EXPECT_EQ(form_->trvStandort->Count(), 0);

  // An arrow key rebuilds in material mode; a group chosen rebuilds nothing.
  tree->Clear();
  form_->trvKulturen_KeyUp(Qt::Key_Down, 0);
  EXPECT_GT(tree->Count(), 1);
  tree->Clear();
  ClickCulture("K1001");
  EXPECT_EQ(tree->Count(), 0);
}

// The mode buttons act for a culture whose phases the phase tree shows.
TEST_F(BewegungsdatenTest, ButtonsNeedACultureWithPhases) {
  ClickCulture("K1003");
  form_->trvPhasen->Clear();
  form_->cmbStandorte_Click();
  EXPECT_EQ(form_->trvStandort->Count(), 0);
  ClickCulture("K1003");
  form_->cmbStandorte_Click();
  EXPECT_GT(form_->trvStandort->Count(), 1);
}

TEST_F(BewegungsdatenTest, RightClickInTheCultureTree) {
  form_->trvKulturen->Select(QStringLiteral("K1001"));
  form_->trvKulturen_MouseUp(2, 0, 0, 0);
  EXPECT_EQ(state().AktuellerBaum, "Kulturen");
  EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp2);
  EXPECT_EQ(main_->mnuPopUp2Neu->text(), QStringLiteral("Neue Kultur/Gruppe"));
  main_->mnuPopUp2->hide();
  form_->trvKulturen->Select(QStringLiteral("K1003"));
  form_->trvKulturen_MouseUp(2, 0, 0, 0);
  EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp3);
  EXPECT_EQ(state().AktuelleUeberPNr, "1001");
  main_->mnuPopUp3->hide();
  form_->trvKulturen->Select(QStringLiteral("Kultur"));
  form_->trvKulturen_MouseUp(2, 0, 0, 0);
  EXPECT_EQ(main_->LetztesPopUp(), main_->mnuPopUp1);
  EXPECT_EQ(main_->mnuPopUp1Neu->text(), QStringLiteral("Neue Gruppe/ Kultur eingeben"));
  main_->mnuPopUp1->hide();
}

}  // namespace
}  // namespace tolvar
