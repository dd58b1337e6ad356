#include "support/ui_fixture.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "app/mdiTolvarZentral.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlDatenbank.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/keyedtree.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"

namespace tolvar::test {

FensterTest::FensterTest() {
  UnloadAllWindows();
  ResetState();
}

FensterTest::~FensterTest() { ResetState(); }

void FensterTest::TearDown() { UnloadAllWindows(); }

mdiTolvarZentral& FensterTest::HauptfensterLaden() {
  mdiTolvarZentral& haupt = mdiTolvarZentral::instanz();
  ui::Forms::UnloadAllExcept();
  ProcessEvents();
  ResetState();
  return haupt;
}

void FensterTest::MusterbetriebEinsetzen() {
  State& s = state();
  s.enterprise.Programmpfad = root.Path();
  s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  s.enterprise.TolvarDatenbankPfad = data::Zwillingspfad(s.enterprise.AktuellerBetrieb, ".Tolvar");
  s.enterprise.AktuelleEinstellungen.MaterialPfad = root.Join("Tolvar_DB/Material.mdb");
  s.enterprise.BetriebOffen = true;
}

void FensterTest::EinstellungenLaden() {
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = root.Join("Tolvar_DB/Ergebnisse.mdb");
}

void FensterTest::ListenLaden() {
  ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
  ASSERT_TRUE(mdlDatenLaden::StandorteLaden());
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  ASSERT_TRUE(mdlDatenLaden::PersonalLaden());
  ASSERT_TRUE(mdlDatenLaden::TaetigkeitenLaden());
}

std::string FensterTest::Morvin() const { return state().enterprise.AktuellerBetrieb; }
std::string FensterTest::Tolvar() const { return state().enterprise.TolvarDatenbankPfad; }

std::vector<QString> FensterTest::Meldungen() const {
  std::vector<QString> texte;
  for (const ShownPrompt& shown : prompts->messageBoxes()) texte.push_back(shown.text);
  return texte;
}

void MainWindowShown() {
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  main.Show();
  // Its own placement first, so it does not undo the size given here when it appears.
  WaitUntilPlaced(&main);
  main.showNormal();
  main.setGeometry(0, 0, 2400, 1800);
  ProcessEvents();
}

bool PopUpCommand(ui::KeyedTree* tree, const QString& key, const QString& command) {
  tree->EnsureVisible(key);  // its group opened
  if (!MoveIntoView(tree)) return false;
  if (!RightClickNode(tree, key)) return false;
  mdiTolvarZentral& main = mdiTolvarZentral::instanz();
  QMenu* menu = main.LetztesPopUp();
  if (menu == nullptr || !menu->isVisible()) {
    ADD_FAILURE() << "pop-up: no menu shown for " << ui::S(key);
    return false;
  }
  const bool triggered = TriggerCommand(&main, command);
  menu->hide();
  Settle();
  return triggered;
}

}  // namespace tolvar::test
