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
      {"frmKalkulation",
       [] { return std::ref<ui::Form>(frmKalkulation::instanz()); },
       {"trvKulturen", "cmbHeizkosten", "cmbMaterialkosten", "cmbEnergiekosten", "cmbMaschinenkosten", "cmbPSMKosten",
        "cmbVermarktungskosten", "cmbGemeinkosten", "cmbArbeitskosten"}},
      {"frmKultur",
       [] { return std::ref<ui::Form>(frmKultur::instanz()); },
       {"dtgKulturPhasen", "trvKulturarbeiten", "trvStandort", "trvMaterial", "fraKulturarbeiten", "fraStandort",
        "fraMaterial"}},
      {"frmStandort",
       [] { return std::ref<ui::Form>(frmStandort::instanz()); },
       {"regStandort", "fraBezeichnung", "opbHaus", "opbGruppe", "cmbHilfe"}},
      {"frmEinstellungen",
       [] { return std::ref<ui::Form>(frmEinstellungen::instanz()); },
       {"trvStandort", "trvTaetigkeit", "regEinstellungen", "cmbDurchsuchen", "cmbVantelDurchsuchen",
        "cmbErgebnisdatenbank", "cmbOK", "cmbFarbeOK", "opbGemeinkosten(0)", "opbMorvin(0)", "opbMorvin(5)",
        "opbTolvar(0)", "opbTolvar(5)"}},
      {"frmArbeitMaterial", [] { return std::ref<ui::Form>(frmArbeitMaterial::instanz()); }, {"trvTaetigkeit"}},
      {"frmTopfSubstrat", [] { return std::ref<ui::Form>(frmTopfSubstrat::instanz()); }, {"cmbHilfe"}},
      {"frmMaterial", [] { return std::ref<ui::Form>(frmMaterial::instanz()); }, {"cmbHilfe"}},
      {"frmTopf", [] { return std::ref<ui::Form>(frmTopf::instanz()); }, {"cmbHilfe"}},
      {"frmSubstrat", [] { return std::ref<ui::Form>(frmSubstrat::instanz()); }, {"cmbHilfe"}},
      {"frmMaterial4opt", [] { return std::ref<ui::Form>(frmMaterial4opt::instanz()); }, {"cmbHilfe"}},
      {"frmPersonal", [] { return std::ref<ui::Form>(frmPersonal::instanz()); }, {"cmbHilfe"}},
      {"frmTaetigkeiten", [] { return std::ref<ui::Form>(frmTaetigkeiten::instanz()); }, {"cmbHilfe"}},
      {"frmKulturvergleich",
       [] { return std::ref<ui::Form>(frmKulturvergleich::instanz()); },
       {"comKultur(0)", "comKultur(1)", "cmbOK(0)", "txtDKFL(1)", "cmbTQM(3)", "shpGewinn(11)", "opbEKFL(2)"}},
      {"frmKulturVergleichBearbeiten",
       [] { return std::ref<ui::Form>(frmKulturVergleichBearbeiten::instanz()); },
       {"trvKulturvergleich", "opbKultur(0)", "opbKultur(3)", "fraBearbeiten", "fraImport", "dtgExport"}},
  };
  MusterOeffnen();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name.toStdString());
    ui::Form& fenster = fall.laden();
    EXPECT_EQ(fenster.Name(), fall.name);
    for (const QString& control : fall.controls) {
      EXPECT_NE(ui::FindControl<QWidget>(&fenster, control), nullptr) << control.toStdString();
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
