// Windows standing in for subsystems still to come: the controls other code finds by name,
// and the settings window's colour restart.
#include <QPointer>
#include <QRadioButton>
#include <functional>

#include "app_fixture.h"
#include "calculation/ui/frmKalkulation.h"
#include "comparison/ui/frmKulturVergleichBearbeiten.h"
#include "comparison/ui/frmKulturvergleich.h"
#include "culture/ui/frmBewegungsdaten.h"
#include "culture/ui/frmKultur.h"
#include "data/state.h"
#include "heating/ui/frmStandort.h"
#include "masterdata/ui/frmMaterial.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmPersonal.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTaetigkeiten.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmArbeitMaterial.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class PlaceholderWindowsTest : public AppTest {};

TEST_F(PlaceholderWindowsTest, OwnTheControlsOthersFindByName) {
  struct Fall {
    QString name;
    std::function<ui::Form&()> laden;
    QStringList controls;
  };
  const std::vector<Fall> faelle = {
      {QStringLiteral("frmKalkulation"),
       [] { return std::ref<ui::Form>(frmKalkulation::instanz()); },
       {QStringLiteral("trvKulturen"), QStringLiteral("cmbHeizkosten"), QStringLiteral("cmbMaterialkosten"),
        QStringLiteral("cmbEnergiekosten"), QStringLiteral("cmbMaschinenkosten"), QStringLiteral("cmbPSMKosten"),
        QStringLiteral("cmbVermarktungskosten"), QStringLiteral("cmbGemeinkosten"),
        QStringLiteral("cmbArbeitskosten")}},
      {QStringLiteral("frmKultur"),
       [] { return std::ref<ui::Form>(frmKultur::instanz()); },
       {QStringLiteral("dtgKulturPhasen"), QStringLiteral("trvKulturarbeiten"), QStringLiteral("trvStandort"),
        QStringLiteral("trvMaterial"), QStringLiteral("fraKulturarbeiten"), QStringLiteral("fraStandort"),
        QStringLiteral("fraMaterial")}},
      {QStringLiteral("frmStandort"),
       [] { return std::ref<ui::Form>(frmStandort::instanz()); },
       {QStringLiteral("regStandort"), QStringLiteral("fraBezeichnung"), QStringLiteral("opbHaus"),
        QStringLiteral("opbGruppe"), QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmEinstellungen"),
       [] { return std::ref<ui::Form>(frmEinstellungen::instanz()); },
       {QStringLiteral("trvStandort"), QStringLiteral("trvTaetigkeit"), QStringLiteral("regEinstellungen"),
        QStringLiteral("cmbDurchsuchen"), QStringLiteral("cmbVantelDurchsuchen"),
        QStringLiteral("cmbErgebnisdatenbank"), QStringLiteral("cmbOK"), QStringLiteral("cmbFarbeOK"),
        QStringLiteral("opbGemeinkosten(0)"), QStringLiteral("opbMorvin(0)"), QStringLiteral("opbMorvin(5)"),
        QStringLiteral("opbTolvar(0)"), QStringLiteral("opbTolvar(5)")}},
      {QStringLiteral("frmArbeitMaterial"),
       [] { return std::ref<ui::Form>(frmArbeitMaterial::instanz()); },
       {QStringLiteral("trvTaetigkeit")}},
      {QStringLiteral("frmTopfSubstrat"),
       [] { return std::ref<ui::Form>(frmTopfSubstrat::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmMaterial"),
       [] { return std::ref<ui::Form>(frmMaterial::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmTopf"), [] { return std::ref<ui::Form>(frmTopf::instanz()); }, {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmSubstrat"),
       [] { return std::ref<ui::Form>(frmSubstrat::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmMaterial4opt"),
       [] { return std::ref<ui::Form>(frmMaterial4opt::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmPersonal"),
       [] { return std::ref<ui::Form>(frmPersonal::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmTaetigkeiten"),
       [] { return std::ref<ui::Form>(frmTaetigkeiten::instanz()); },
       {QStringLiteral("cmbHilfe")}},
      {QStringLiteral("frmKulturvergleich"),
       [] { return std::ref<ui::Form>(frmKulturvergleich::instanz()); },
       {QStringLiteral("comKultur(0)"), QStringLiteral("comKultur(1)"), QStringLiteral("cmbOK(0)"),
        QStringLiteral("txtDKFL(1)"), QStringLiteral("cmbTQM(3)"), QStringLiteral("shpGewinn(11)"),
        QStringLiteral("opbEKFL(2)")}},
      {QStringLiteral("frmKulturVergleichBearbeiten"),
       [] { return std::ref<ui::Form>(frmKulturVergleichBearbeiten::instanz()); },
       {QStringLiteral("trvKulturvergleich"), QStringLiteral("opbKultur(0)"), QStringLiteral("opbKultur(3)"),
        QStringLiteral("fraBearbeiten"), QStringLiteral("fraImport"), QStringLiteral("dtgExport")}},
  };
  MusterOeffnen();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.name));
    ui::Form& fenster = fall.laden();
    EXPECT_EQ(fenster.Name(), fall.name);
    for (const QString& control : fall.controls) {
      EXPECT_NE(ui::FindControl<QWidget>(&fenster, control), nullptr) << ui::S(control);
    }
  }
}

TEST_F(PlaceholderWindowsTest, ComparisonWindowsAreChildrenOfTheMainWindow) {
  MusterOeffnen();
  Befehl("mnuVergleichNeu");
  EXPECT_EQ(ui::Forms::ActiveChildName(), QStringLiteral("frmKulturVergleichBearbeiten"));
  Befehl("mnuVergleichExe");
  EXPECT_EQ(ui::Forms::ActiveChildName(), QStringLiteral("frmKulturvergleich"));
}

TEST_F(PlaceholderWindowsTest, SavedPointerColoursRestartTheMainWindowOnYesOnly) {
  mdiTolvarZentral& h = MusterOeffnen();
  QPointer<mdiTolvarZentral> erstes(&h);
  Befehl("mnuEinstellungen");
  frmEinstellungen& einstellungen = frmEinstellungen::instanz();
  ASSERT_TRUE(MoveIntoView(einstellungen.regEinstellungen));
  ASSERT_TRUE(ClickTab(einstellungen.regEinstellungen, 3));
  ASSERT_TRUE(Click(einstellungen.opbMorvin[3]));
  ASSERT_TRUE(Click(einstellungen.opbTolvar[4]));

  prompts->AnswerMsgBox(ui::msgbox::No);
  ASSERT_TRUE(Click(einstellungen.cmbFarbeOK));
  EXPECT_EQ(state().windows.FarbeMorvin, 3);
  EXPECT_EQ(state().windows.FarbeTolvar, 4);
  EXPECT_EQ(Feld(root.Join("Tolvar_DB/SystemInfo.mdb"), "SystemInfo", "FarbeMorvin"), "3");
  ProcessEvents();
  EXPECT_FALSE(erstes.isNull());

  prompts->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(Click(einstellungen.cmbFarbeOK));
  ProcessEvents();
  EXPECT_TRUE(erstes.isNull());
  ASSERT_TRUE(mdiTolvarZentral::IsLoaded());
  EXPECT_FALSE(frmEinstellungen::IsLoaded());
  EXPECT_TRUE(frmBewegungsdaten::IsLoaded());
  EXPECT_TRUE(state().enterprise.BetriebOffen);
  EXPECT_EQ(state().windows.FarbeTolvar, 4);
}

}  // namespace
}  // namespace tolvar::test
