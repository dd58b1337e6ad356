#include "support/ui_fixture.h"

#include "app/mdiTolvarZentral.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlDatenbank.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/ui/forms.h"

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

}  // namespace tolvar::test
