// Tab "Sachkosten": the marketing share, and the activity material-cost editor on the tab
// and in the stand-alone frmArbeitMaterial.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmArbeitMaterial.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class SachkostenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() { return Oeffnen(5); }
  // Drags the activity `key` (its group opened) onto the grid.
  static bool Ablegen(settings::ui::ArbeitMaterialEditor& e, const QString& key) { return Ablegen(e, key, e); }
  // The same onto the grid of the editor `ziel`.
  static bool Ablegen(settings::ui::ArbeitMaterialEditor& e, const QString& key,
                      settings::ui::ArbeitMaterialEditor& ziel) {
    e.trvTaetigkeit->EnsureVisible(key);
    return DragNodeTo(e.trvTaetigkeit, key, ziel.dtgArbeitMaterial);
  }
  static QStringList Namen(const settings::ui::ArbeitMaterialEditor& e) {
    QStringList namen;
    for (int r = 1; r <= 100 && !e.dtgArbeitMaterial->TextMatrix(r, 0).isEmpty(); ++r) {
      namen << e.dtgArbeitMaterial->TextMatrix(r, 0);
    }
    return namen;
  }
};

TEST_F(SachkostenTest, TurnoverAndMarketingCostsGiveTheShare) {
  frmEinstellungen& f = Tab();
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("8"));
  EXPECT_TRUE(f.fraUmsatz->isHidden());
  struct Fall {
    QString umsatz, kosten, anteil;
  };
  const std::vector<Fall> faelle = {{QStringLiteral("30000"), QStringLiteral("1500"), QStringLiteral("5")},
                                    {QStringLiteral("8000"), QStringLiteral("1000"), QStringLiteral("12,5")},
                                    {QStringLiteral("30000"), QStringLiteral("-300"), QStringLiteral("-1")}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.umsatz));
    ASSERT_TRUE(Click(f.opbVermarktung[0]));
    EXPECT_FALSE(f.fraUmsatz->isHidden());
    EXPECT_TRUE(f.txtUmsatz->text().isEmpty());
    ASSERT_TRUE(TypeInto(f.txtUmsatz, fall.umsatz));
    ASSERT_TRUE(TypeInto(f.txtVermarktungskosten, fall.kosten));
    ASSERT_TRUE(Click(f.cmbUmsatzOK));
    EXPECT_EQ(f.txtVermarktung->text(), fall.anteil);
    EXPECT_TRUE(f.fraUmsatz->isHidden());
    EXPECT_FALSE(f.opbVermarktung[0]->isChecked());
  }
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, "8") << "OK stores nothing";
}

TEST_F(SachkostenTest, AZeroTurnoverIsRefusedAndAnEmptyShareIsStoredAsZero) {
  frmEinstellungen& f = Tab();
  ASSERT_TRUE(Click(f.opbVermarktung[0]));
  ASSERT_TRUE(TypeInto(f.txtUmsatz, QStringLiteral("0,00")));
  ASSERT_TRUE(TypeInto(f.txtVermarktungskosten, QStringLiteral("10")));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(f.cmbUmsatzOK));
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Überprüfen sie bitte ihre Werte")});
  EXPECT_FALSE(f.fraUmsatz->isHidden());

  ASSERT_TRUE(Click(f.opbVermarktung[1]));
  EXPECT_TRUE(f.txtVermarktung->text().isEmpty());
  ASSERT_TRUE(Click(f.cmbVermarktungskostenSpeichern));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, "0");
  ASSERT_TRUE(TypeInto(f.txtVermarktung, QStringLiteral("9")));
  ASSERT_TRUE(Click(f.cmbReset));
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("0"));
}

TEST_F(SachkostenTest, TheGridShowsTheStoredCostsOfTheActivitiesInTheTree) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  EXPECT_EQ(Namen(e), (QStringList{QStringLiteral("Topfen"), QStringLiteral("Gießen"), QStringLiteral("Pflanzenschutz"),
                                   QStringLiteral("Vermarktung")}));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(1, 1), QStringLiteral("1,50"));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(0, 1), QStringLiteral("€/Stunde"));
}

TEST_F(SachkostenTest, DropsAddActivitiesToFreeRowsAndADoubleIsRefusedOnSaving) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  ASSERT_TRUE(Ablegen(e, QStringLiteral("StdT1006")));
  EXPECT_EQ(Namen(e).size(), 5) << "the group's one member, listed already, is added again";
  EXPECT_EQ(Namen(e).back(), QStringLiteral("Vermarktung"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialSpeichern));
  EXPECT_EQ(Meldungen(),
            std::vector<QString>{QStringLiteral("Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.")});
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 4u);
}

TEST_F(SachkostenTest, TypedCostsAreStoredAndAMarkedRowIsDeleted) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  ASSERT_TRUE(Ablegen(e, QStringLiteral("StdT1008")));
  ui::Grid& g = *e.dtgArbeitMaterial;
  ASSERT_TRUE(ClickCell(&g, 5, 0));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(g.Col(), 1);
  ASSERT_TRUE(Type(QStringLiteral("2,7/a")));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(g.Row(), 6);
  EXPECT_EQ(g.Col(), 0);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialSpeichern));
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "Kosten je Stunde").back(), "2,7");

  ASSERT_TRUE(Click(e.cmbArbeitMaterialLoeschen));
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 5u) << "nothing marked, nothing deleted";
  ASSERT_TRUE(DoubleClickCell(&g, 2, 0));
  ASSERT_TRUE(Click(e.cmbArbeitMaterialLoeschen));
  EXPECT_EQ(Namen(e), (QStringList{QStringLiteral("Topfen"), QStringLiteral("Pflanzenschutz"),
                                   QStringLiteral("Vermarktung"), QStringLiteral("Stecken")}));
}

TEST_F(SachkostenTest, StandAloneResetButtonSwitchesBetweenResetAndClose) {
  frmEinstellungen& f = Tab();
  settings::ui::ArbeitMaterialEditor& andere = *f.arbeitMaterial;
  frmArbeitMaterial& w = frmArbeitMaterial::instanz();
  w.Show();
  ASSERT_TRUE(ActivateWindowOf(&w));
  settings::ui::ArbeitMaterialEditor& e = *w.editor;
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  // A drop from the activity tree of the settings window, the two windows side by side: it
  // adds nothing, yet the list counts as changed. The settings window shows its first tab
  // again when it becomes active, so its tab is chosen anew.
  f.move(0, 0);
  w.move(0, f.frameGeometry().bottom() + 8);
  Settle();
  ASSERT_TRUE(ClickTab(f.regEinstellungen, 5));
  ASSERT_TRUE(Ablegen(andere, QStringLiteral("StdT1006"), e));
  EXPECT_EQ(Namen(e).size(), 4) << "a drop from another control adds nothing";
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Zurücksetzen"));
  ASSERT_TRUE(Ablegen(e, QStringLiteral("Taetigkeit")));
  EXPECT_EQ(Namen(e).size(), 4 + 6);
  ASSERT_TRUE(Click(e.cmbArbeitMaterialReset));
  EXPECT_EQ(Namen(e).size(), 4);
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  ASSERT_TRUE(Click(e.cmbArbeitMaterialReset));
  ProcessEvents();
  EXPECT_FALSE(frmArbeitMaterial::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
