// The overheads tab: the uniform area with its totals, and the distribution per site with
// drops from the site tree, amounts, sums, removal and saving.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "data/state.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

const QColor kMarkiert(255, 255, 128);

class GemeinkostenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() {
    frmEinstellungen& f = frmEinstellungen::instanz();
    ui::FormAccess::Activate(f);
    f.regEinstellungen->SetTab(4);
    return f;
  }
  frmEinstellungen& ProStandort() {
    state().AktuelleEinstellungen.Gemeinkostentyp = "1";
    return Tab();
  }
  static void Ablegen(frmEinstellungen& f, const QString& key) {
    f.trvStandort->Select(key);
    ui::DragSource quelle;
    quelle.control = f.trvStandort;
    quelle.name = QStringLiteral("trvStandort");
    f.dtgStandort_DragDrop(quelle, 0, 0);
  }
  static QStringList Spalte0(const frmEinstellungen& f) {
    QStringList namen;
    for (int r = 1; r < f.dtgStandort->Rows() && !f.dtgStandort->TextMatrix(r, 0).isEmpty(); ++r) {
      namen << f.dtgStandort->TextMatrix(r, 0);
    }
    return namen;
  }
};

TEST_F(GemeinkostenTest, OpeningShowsTheSettingsAndTheUniformPanel) {
  state().AktuelleEinstellungen.Belegung = "";
  frmEinstellungen& f = Tab();
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("45000"));
  EXPECT_EQ(f.txtBelegung->text(), QStringLiteral("75"));
  EXPECT_TRUE(f.opbGemeinkosten[0]->isChecked());
  EXPECT_FALSE(f.fraFlaeche->isHidden());
  EXPECT_TRUE(f.fraFlaechenSpezifisch->isHidden());
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1000"));
}

TEST_F(GemeinkostenTest, TheAreaTotalsCountTheCurrentSitesLessTheirPaths) {
  frmEinstellungen& f = Tab();
  f.chbFlaeche[0]->setChecked(true);
  f.chbFlaeche_Click(0);
  EXPECT_EQ(f.txtBrutto->text(), QStringLiteral("1600"));
  EXPECT_EQ(f.txtWege->text(), QStringLiteral("116"));
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1484"));
  EXPECT_FALSE(f.txtWege->isHidden());
  f.chbFlaeche[0]->setChecked(false);
  f.chbFlaeche_Click(0);
  EXPECT_TRUE(f.txtWege->isHidden());
  EXPECT_EQ(f.txtFlaeche->text(), QStringLiteral("1484"));
}

TEST_F(GemeinkostenTest, DroppingTheRootListsEverySiteOnceAndMarksTheLast) {
  frmEinstellungen& f = ProStandort();
  EXPECT_FALSE(f.fraFlaechenSpezifisch->isHidden());
  Ablegen(f, QStringLiteral("Standort"));
  const QStringList alle = {"Venlo-Haus 1", "Venlo-Haus 2", "Folienhaus 1", "Stellfläche Freiland"};
  EXPECT_EQ(Spalte0(f), alle);
  EXPECT_EQ(f.dtgStandort->CellBackColor(4, 0), kMarkiert);
  EXPECT_EQ(state().StandortTabelleZeile, 4);
  EXPECT_TRUE(state().StandortTabelleAktiv);

  f.dtgStandort->SetTextMatrix(2, 1, QStringLiteral("300"));
  Ablegen(f, QStringLiteral("Sta1003"));
  EXPECT_EQ(Spalte0(f), alle) << "a listed site is not added twice";
  EXPECT_TRUE(f.dtgStandort->TextMatrix(2, 1).isEmpty());
  EXPECT_EQ(f.dtgStandort->CellBackColor(2, 0), kMarkiert);
  EXPECT_NE(f.dtgStandort->CellBackColor(4, 0), kMarkiert);
}

TEST_F(GemeinkostenTest, UnsavedAmountsDoNotSurviveOpeningTheTabAgain) {
  frmEinstellungen& f = ProStandort();
  Ablegen(f, QStringLiteral("Standort"));
  f.regEinstellungen->SetTab(0);
  f.regEinstellungen->SetTab(4);
  EXPECT_TRUE(Spalte0(f).isEmpty());
}

TEST_F(GemeinkostenTest, TypedAmountsAreSummedAndSaved) {
  frmEinstellungen& f = ProStandort();
  Ablegen(f, QStringLiteral("Standort"));
  f.txtGemeinkosten->setText(QStringLiteral("1000"));
  f.dtgStandort->SetRow(1);
  f.dtgStandort->SetCol(1);
  for (int taste : {'1', '2', ',', '5', 'x'}) f.dtgStandort_KeyPress(taste);
  EXPECT_EQ(f.dtgStandort->TextMatrix(1, 1), QStringLiteral("12,5"));
  f.dtgStandort_KeyPress(13);
  EXPECT_EQ(f.dtgStandort->Row(), 2);
  EXPECT_EQ(f.txtGemeinkostenFlache->text(), QStringLiteral("12,50"));
  EXPECT_EQ(f.txtGemeinkostenRest->text(), QStringLiteral("987,50"));

  f.txtJahr->clear();
  f.txtBelegung->clear();
  f.cmbGemeikostenSpeichern_Click();
  const EinstellungenSatz& e = state().AktuelleEinstellungen;
  EXPECT_EQ(e.Jahr, "0");
  EXPECT_EQ(e.Belegung, "75");
  EXPECT_EQ(e.Gemeinkostentyp, "1");
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "12,5");
}

TEST_F(GemeinkostenTest, AmountsAboveTheOverheadsAreReportedAndNotSaved) {
  frmEinstellungen& f = ProStandort();
  Ablegen(f, QStringLiteral("Standort"));
  f.txtGemeinkosten->setText(QStringLiteral("500"));
  f.dtgStandort->SetTextMatrix(1, 1, QStringLiteral("300"));
  f.dtgStandort->SetTextMatrix(3, 1, QStringLiteral("300"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  f.cmbGemeikostenSpeichern_Click();
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen()[0].startsWith(QStringLiteral("Die einzelenen Flächen zugewiesenen Gemeinkosten")));
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "");
}

TEST_F(GemeinkostenTest, RemovingTheMarkedRowStoresZeroAtOnce) {
  frmEinstellungen& f = ProStandort();
  Ablegen(f, QStringLiteral("Standort"));
  f.dtgStandort->SetTextMatrix(1, 1, QStringLiteral("100"));
  f.cmbGemeikostenSpeichern_Click();
  const int zeilen = f.dtgStandort->Rows();
  f.dtgStandort->SetRow(1);
  f.dtgStandort->SetCol(1);
  f.dtgStandort_DblClick();
  EXPECT_TRUE(f.dtgStandort->TextMatrix(1, 1).isEmpty());
  f.cmbFlaecheLoeschen_Click();
  EXPECT_EQ(f.dtgStandort->Rows(), zeilen);
  EXPECT_EQ(f.dtgStandort->TextMatrix(1, 0), QStringLiteral("Venlo-Haus 2"));
  EXPECT_EQ(Spalte(Tolvar(), "Vantel", "Gemeinkosten").front(), "0");
}

// Amounts above the overheads are reported once each time the sums run (Enter in the grid,
// leaving the grid): the message box taking the focus is no loss of the grid's focus.
TEST_F(GemeinkostenTest, TooHighAmountsAreReportedOnceByEnterAndOnceByLeavingTheGrid) {
  state().AktuelleEinstellungen.Gemeinkostentyp = "1";
  frmEinstellungen& f = frmEinstellungen::instanz();
  f.Show();
  ASSERT_TRUE(ActivateWindowOf(&f));
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 4));
  ASSERT_TRUE(DragNodeTo(f.trvStandort, QStringLiteral("Standort"), f.dtgStandort));
  ASSERT_TRUE(TypeInto(f.txtGemeinkosten, QStringLiteral("500")));
  ASSERT_TRUE(ClickCell(f.dtgStandort, 1, 1));
  ASSERT_TRUE(Type(QStringLiteral("300")));
  ASSERT_TRUE(ClickCell(f.dtgStandort, 2, 1));
  ASSERT_TRUE(Type(QStringLiteral("300")));
  Settle();
  ASSERT_TRUE(Meldungen().empty());

  prompts->SetTakesFocus(true);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(PressEnter());
  Settle();
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen()[0].startsWith(QStringLiteral("Die einzelenen Flächen zugewiesenen Gemeinkosten")));
  EXPECT_TRUE(f.dtgStandort->isAncestorOf(FocusWidget())) << "the grid keeps the focus";

  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(FocusByClick(f.txtJahr));
  Settle();
  EXPECT_EQ(Meldungen().size(), 2u);
  EXPECT_EQ(FocusWidget(), f.txtJahr);
}

}  // namespace
}  // namespace tolvar::test
