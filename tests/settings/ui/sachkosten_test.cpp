// Tab "Sachkosten": the marketing share, and the activity material-cost editor on the tab
// and in the stand-alone frmArbeitMaterial.
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "data/state.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/activity_material_editor.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmArbeitMaterial.h"
#include "settings/ui/frmEinstellungen.h"

namespace tolvar::test {
namespace {

class SachkostenTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() {
    frmEinstellungen& f = frmEinstellungen::instanz();
    ui::FormAccess::Activate(f);
    f.regEinstellungen->SetTab(5);
    return f;
  }
  static void Ablegen(settings::ui::ArbeitMaterialEditor& e, const QString& key, QWidget* quelle = nullptr) {
    e.trvTaetigkeit->Select(key);
    ui::DragSource source;
    source.control = quelle != nullptr ? quelle : e.trvTaetigkeit;
    source.name = source.control->objectName();
    e.dtgArbeitMaterial_DragDrop(source, 0, 0);
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
  const std::vector<Fall> faelle = {{"30000", "1500", "5"}, {"8000", "1000", "12,5"}, {"30000", "-300", "-1"}};
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.umsatz.toStdString());
    f.opbVermarktung[0]->setChecked(true);
    EXPECT_FALSE(f.fraUmsatz->isHidden());
    EXPECT_TRUE(f.txtUmsatz->text().isEmpty());
    f.txtUmsatz->setText(fall.umsatz);
    f.txtVermarktungskosten->setText(fall.kosten);
    f.cmbUmsatzOK_Click();
    EXPECT_EQ(f.txtVermarktung->text(), fall.anteil);
    EXPECT_TRUE(f.fraUmsatz->isHidden());
    EXPECT_FALSE(f.opbVermarktung[0]->isChecked());
  }
  EXPECT_EQ(state().AktuelleEinstellungen.Vermarktungskosten, "8") << "OK stores nothing";
}

TEST_F(SachkostenTest, AZeroTurnoverIsRefusedAndAnEmptyShareIsStoredAsZero) {
  frmEinstellungen& f = Tab();
  f.opbVermarktung[0]->setChecked(true);
  f.txtUmsatz->setText(QStringLiteral("0,00"));
  f.txtVermarktungskosten->setText(QStringLiteral("10"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  f.cmbUmsatzOK_Click();
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Überprüfen sie bitte ihre Werte")});
  EXPECT_FALSE(f.fraUmsatz->isHidden());

  f.opbVermarktung[1]->setChecked(true);
  EXPECT_TRUE(f.txtVermarktung->text().isEmpty());
  f.cmbVermarktungskostenSpeichern_Click();
  EXPECT_EQ(state().AktuelleEinstellungen.Vermarktungskosten, "0");
  f.txtVermarktung->setText(QStringLiteral("9"));
  f.cmbReset_Click();
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("0"));
}

TEST_F(SachkostenTest, TheGridShowsTheStoredCostsOfTheActivitiesInTheTree) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  EXPECT_EQ(Namen(e), (QStringList{"Topfen", "Gießen", "Pflanzenschutz", "Vermarktung"}));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(1, 1), QStringLiteral("1,50"));
  EXPECT_EQ(e.dtgArbeitMaterial->TextMatrix(0, 1), QStringLiteral("€/Stunde"));
}

TEST_F(SachkostenTest, DropsAddActivitiesToFreeRowsAndADoubleIsRefusedOnSaving) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  Ablegen(e, QStringLiteral("StdT1006"));
  EXPECT_EQ(Namen(e).size(), 5) << "the group's one member, listed already, is added again";
  EXPECT_EQ(Namen(e).back(), QStringLiteral("Vermarktung"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  e.cmbArbeitMaterialSpeichern_Click();
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.")});
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 4u);
}

TEST_F(SachkostenTest, TypedCostsAreStoredAndAMarkedRowIsDeleted) {
  settings::ui::ArbeitMaterialEditor& e = *Tab().arbeitMaterial;
  Ablegen(e, QStringLiteral("StdT1008"));
  ui::Grid& g = *e.dtgArbeitMaterial;
  g.SetRow(5);
  g.SetCol(0);
  e.dtgArbeitMaterial_KeyPress(13);
  EXPECT_EQ(g.Col(), 1);
  for (int taste : {'2', ',', '7', '/', 'a'}) e.dtgArbeitMaterial_KeyPress(taste);
  e.dtgArbeitMaterial_KeyPress(13);
  EXPECT_EQ(g.Row(), 6);
  EXPECT_EQ(g.Col(), 0);
  e.cmbArbeitMaterialSpeichern_Click();
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "Kosten je Stunde").back(), "2,7");

  e.cmbArbeitMaterialLoeschen_Click();
  EXPECT_EQ(Spalte(Tolvar(), "ArbeitMaterial", "TaetigkeitNr").size(), 5u) << "nothing marked, nothing deleted";
  g.SetRow(2);
  e.dtgArbeitMaterial_DblClick();
  e.cmbArbeitMaterialLoeschen_Click();
  EXPECT_EQ(Namen(e), (QStringList{"Topfen", "Pflanzenschutz", "Vermarktung", "Stecken"}));
}

TEST_F(SachkostenTest, StandAloneResetButtonSwitchesBetweenResetAndClose) {
  frmArbeitMaterial& w = frmArbeitMaterial::instanz();
  settings::ui::ArbeitMaterialEditor& e = *w.editor;
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  Ablegen(e, QStringLiteral("StdT1003"), e.cmbArbeitMaterialLoeschen);
  EXPECT_EQ(Namen(e).size(), 4) << "a drop from another control adds nothing";
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Zurücksetzen"));
  Ablegen(e, QStringLiteral("Taetigkeit"));
  EXPECT_EQ(Namen(e).size(), 4 + 6);
  e.cmbArbeitMaterialReset_Click();
  EXPECT_EQ(Namen(e).size(), 4);
  EXPECT_EQ(e.cmbArbeitMaterialReset->text(), QStringLiteral("Beenden"));
  e.cmbArbeitMaterialReset_Click();
  ProcessEvents();
  EXPECT_FALSE(frmArbeitMaterial::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
