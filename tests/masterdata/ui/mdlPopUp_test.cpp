// The pop-up dispatch into the material editors: the caption from the right-clicked node of the
// material tree and the reuse box of the general-material editor.
#include "masterdata/ui/mdlPopUp.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "data/mdlDatenLaden.h"
#include "data/state.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "platform/db/database.h"
#include "platform/ui/controls.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_fixture.h"
#include "support/ui_forms.h"
#include "support/ui_input.h"
#include "support/ui_prompts.h"
#include "trees/ui/frmStammdaten.h"
#include "trees/ui/mdlFormen.h"

namespace tolvar {
namespace {

class PopUpDispatchTest : public test::FensterTest {
 protected:
  void SetUp() override {
    HauptfensterLaden();
    MusterbetriebEinsetzen();
    prompts->SetExpectAllUsed(false);
    mdlDatenLaden::MaterialienLaden();
    frmStammdaten::instanz();
    mdlFormen::AktuelleMaterialienAnzeigen();
  }
};

TEST_F(PopUpDispatchTest, CaptionIsTheGroupsNameExceptForAChangedReusableMaterial) {
  struct Fall {
    const char* nr;
    const char* befehl;
    QString caption;
    std::string thema;
  };
  const Fall faelle[] = {
      {"M1002", "mnuPopUp2Neu", QStringLiteral("Allgemeines Material"), "5.3.4"},
      {"M1020", "mnuPopUp3Aendern", QStringLiteral("Allgemeines Material"), "5.3.4"},
      {"M1003", "mnuPopUp2Neu", QStringLiteral("Mehrfach verwendbares Material"), "5.3.5"},
      {"M1023", "mnuPopUp3Aendern", QStringLiteral("Palettentray 6er"), "5.3.5"},
  };
  test::MainWindowShown();
  frmStammdaten& stamm = frmStammdaten::instanz();
  stamm.Show();
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.nr);
    ASSERT_TRUE(test::PopUpCommand(stamm.trvMaterial, QString::fromLatin1(fall.nr), QString::fromLatin1(fall.befehl)));
    ASSERT_TRUE(frmMaterial4opt::IsLoaded());
    EXPECT_EQ(frmMaterial4opt::instanz().Caption(), fall.caption);
    EXPECT_EQ(state().windows.HilfeThema, fall.thema);
    EXPECT_EQ(state().selection.Bearbeitungsmodus,
              std::string(fall.befehl).find("Neu") != std::string::npos ? "Neu" : "Aendern");
    if (auto* wdh = ui::FindControl<QWidget>(&frmMaterial4opt::instanz(), QStringLiteral("txtWdh"))) {
      EXPECT_EQ(wdh->isVisible(), fall.thema == "5.3.5");
    }
    frmMaterial4opt::instanz().Unload();
    test::ProcessEvents();
  }
}

// A list element of a group no editor belongs to: no tree shows one, the dispatch opens nothing.
TEST_F(PopUpDispatchTest, UnknownGroupOpensNothingButSetsModeAndTopic) {
  tolvar::State& s = state();
  s.selection.AktuellerBaum = "Material";
  s.masters.MaterialListe.push_back(MaterialSatz{});
  s.masters.MaterialListe.back().MaterialNr = "M1010";
  s.masters.MaterialListe.back().UeberPNr = "1010";
  s.selection.MaterialIndex = static_cast<int>(s.masters.MaterialListe.size()) - 1;
  mdlPopUp::PopUpNeu();
  EXPECT_EQ(s.selection.Bearbeitungsmodus, "Neu");
  EXPECT_EQ(s.windows.HilfeThema, "5.3");
  mdlPopUp::PopUpAendern();
  EXPECT_EQ(s.selection.Bearbeitungsmodus, "Aendern");
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
}

// An open editor keeps the group, caption and help topic it was opened with: "new" on a
// second group only brings it to the front.
TEST_F(PopUpDispatchTest, NewOnASecondGroupBringsTheOpenEditorForwardUnchanged) {
  test::MainWindowShown();
  frmStammdaten& stamm = frmStammdaten::instanz();
  stamm.Show();
  ASSERT_TRUE(test::ActivateWindowOf(&stamm));
  const auto neu = [&](const char* gruppe) {
    ASSERT_TRUE(test::PopUpCommand(stamm.trvMaterial, QString::fromLatin1(gruppe), QStringLiteral("mnuPopUp2Neu")));
  };
  neu("M1004");  // Spritzmittel
  ASSERT_TRUE(frmMaterial4opt::IsLoaded());
  frmMaterial4opt& f = frmMaterial4opt::instanz();
  ASSERT_EQ(f.Caption(), QStringLiteral("Spritzmittel"));
  ASSERT_TRUE(test::TypeInto(f.txtName, QStringLiteral("Netzmittel Spezial")));
  ASSERT_TRUE(test::TypeInto(f.txtMenge, QStringLiteral("2")));
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("3")));

  neu("M1005");  // Sonstiges Material 1
  EXPECT_EQ(f.Caption(), QStringLiteral("Spritzmittel"));
  EXPECT_TRUE(f.cmbAufwandMenge->isVisibleTo(&f));
  EXPECT_EQ(f.txtName->text(), QStringLiteral("Netzmittel Spezial"));
  ASSERT_TRUE(test::PressIn(f.txtName, Qt::Key_F1));
  EXPECT_EQ(ui::HelpViewer::Instance().CurrentPage(), QStringLiteral("Abschnitt5.3.6.htm"));

  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  test::ProcessEvents();
  EXPECT_FALSE(frmMaterial4opt::IsLoaded());
  auto db = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
  ASSERT_TRUE(db);
  EXPECT_EQ(db->Scalar("SELECT UeberPNr FROM Material WHERE Materialname = 'Netzmittel Spezial'").text(), "1004");
}

}  // namespace
}  // namespace tolvar
