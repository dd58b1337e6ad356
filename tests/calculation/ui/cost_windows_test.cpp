// The cost type table walked row by row: each type has its columns in the result database,
// its captions, a completeness check that knows its key, its controls in the calculation
// window and both its windows, which its "[Menü]" button and its cost window reach.

#include "calculation/ui/cost_windows.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "calculation/mdlDatenPruefung.h"
#include "calculation/mdlKalkulation.h"
#include "calculation/ui/cost_info.h"
#include "calculation/ui/cost_menu.h"
#include "data/comparison_table.h"
#include "data/state.h"
#include "frmKalkulation_fixture.h"
#include "platform/db/database.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class KostenartTabelleTest : public test::KalkulationFensterBasis {};

TEST_F(KostenartTabelleTest, EachTypeHasItsColumnsCaptionsCheckAndControls) {
  const std::string ergebnisse = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  const auto datenbank = db::Database::Open(ergebnisse);
  ASSERT_TRUE(datenbank) << ergebnisse;
  const std::vector<std::string> spalten = datenbank->Columns(data::kVergleichskulturTabelle);
  const auto hatSpalte = [&](std::string_view name) {
    return std::find(spalten.begin(), spalten.end(), name) != spalten.end();
  };
  const std::vector<std::string_view>& deklariert = data::VergleichskulturSpalten();

  std::set<std::string_view> namen, kostenSpalten, gradSpalten, wertfelder, knoepfe, detail, menue;
  frmKalkulation& f = Fenster();
  for (const KostenartDaten& d : kKostenartTabelle) {
    SCOPED_TRACE(std::string(d.name));
    EXPECT_TRUE(namen.insert(d.name).second);

    // Its columns, declared and present in the result database, its own.
    EXPECT_TRUE(hatSpalte(d.kostenSpalte)) << d.kostenSpalte;
    EXPECT_TRUE(hatSpalte(d.gradSpalte)) << d.gradSpalte;
    EXPECT_NE(std::find(deklariert.begin(), deklariert.end(), d.kostenSpalte), deklariert.end());
    EXPECT_NE(std::find(deklariert.begin(), deklariert.end(), d.gradSpalte), deklariert.end());
    EXPECT_TRUE(kostenSpalten.insert(d.kostenSpalte).second);
    EXPECT_TRUE(gradSpalten.insert(d.gradSpalte).second);

    // Its captions: the reset one on the window, the origin ones from its stem.
    EXPECT_FALSE(d.beschriftung.empty());
    EXPECT_EQ(mdlKalkulation::Beschriftung(d.art, Herkunft::Eingegeben), std::string(d.beschriftung) + "*");
    EXPECT_EQ(f.Kostenknopf(d.art)->text(), ui::Q(d.anfangsbeschriftung));

    // A key the completeness check knows.
    EXPECT_TRUE(mdlDatenPruefung::DatenFehlenFuer(d.pruefschluessel, state()).has_value()) << d.pruefschluessel;

    // Its controls in the calculation window, named as the row says.
    EXPECT_TRUE(wertfelder.insert(d.wertfeld).second);
    EXPECT_TRUE(knoepfe.insert(d.kostenknopf).second);
    EXPECT_EQ(f.Wertfeld(d.art), ui::FindControl<QLineEdit>(&f, ui::Q(d.wertfeld)));
    EXPECT_EQ(f.Kostenknopf(d.art), ui::FindControl<QPushButton>(&f, ui::Q(d.kostenknopf)));
    EXPECT_EQ(f.Menueknopf(d.art), ui::FindControl<QPushButton>(&f, ui::Q(d.kostenknopf) + QStringLiteral("Menu")));

    // Both windows, distinct from every other type's.
    EXPECT_TRUE(detail.insert(d.detailfenster).second);
    EXPECT_TRUE(menue.insert(d.menuefenster).second);
    EXPECT_EQ(KostenartDesDetailfensters(d.detailfenster), d.art);
  }
}

TEST_F(KostenartTabelleTest, EachTypesMenuButtonOpensTheMenuItsRowNames) {
  ASSERT_NO_FATAL_FAILURE(Berechnen("K1003", "3,20"));
  for (const KostenartDaten& d : kKostenartTabelle) {
    SCOPED_TRACE(std::string(d.name));
    ASSERT_TRUE(test::Click(Fenster().Menueknopf(d.art)));
    KostenMenue* m = Menuefenster(d.art);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->objectName(), ui::Q(d.menuefenster));
    EXPECT_EQ(m->Kostenart(), d.art);
    EXPECT_TRUE(m->isVisible());
    ASSERT_TRUE(test::Click(m->cmbOK));  // keeps the computed origin
    test::ProcessEvents();
    EXPECT_EQ(state().calculation.HerkunftVon(d.art), Herkunft::Errechnet);
  }
}

TEST_F(KostenartTabelleTest, EachTypesDetailWindowIsTheOneItsRowNames) {
  for (const KostenartDaten& d : kKostenartTabelle) {
    SCOPED_TRACE(std::string(d.name));
    KostenInfoFenster* fenster = Detailfenster(d.art);
    ASSERT_NE(fenster, nullptr);
    EXPECT_EQ(fenster->objectName(), ui::Q(d.detailfenster));
    EXPECT_EQ(fenster->Kostenart(), d.art);
  }
}

}  // namespace
}  // namespace tolvar
