// The pot-substrate combination editor: a price beyond the rule of the price column, worked out
// for a new combination whose price box is hidden, is refused with the box shown and focused.
#include "masterdata/ui/frmTopfSubstrat.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "masterdata/ui/material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class KombinationseditorTest : public test::MaterialEditorFixture {};

TEST_F(KombinationseditorTest, ANewCombinationsPriceBeyondItsRuleShowsAndFocusesThePriceBox) {
  {
    auto database = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
    ASSERT_TRUE(database);
    // Each within its rule: a pot per 1000 plants of 1,3 l and a substrate at 10^9 €/l give
    // 150 + 1,3 l × 10^9 €/l × 1000.
    ASSERT_TRUE(database->Execute("UPDATE Material SET Bezug = 2, Preis = 150 WHERE MaterialNr = 'M1013'"));
    ASSERT_TRUE(database->Execute("UPDATE Material SET Preis = 1000000000 WHERE MaterialNr = 'M1015'"));
  }
  mdlDatenLaden::MaterialienLaden();
  state().selection.Bearbeitungsmodus = "Neu";
  frmTopfSubstrat& form = frmTopfSubstrat::instanz();
  form.Show();
  ASSERT_FALSE(form.fraInfo->isVisibleTo(&form));
  ASSERT_TRUE(test::TypeInto(form.txtName, QStringLiteral("Topf 14 cm mit Torf")));
  ASSERT_TRUE(test::ChooseEntry(form.comTopf, QStringLiteral("Topf 14 cm")));
  ASSERT_TRUE(test::ChooseEntry(form.comSubstrat, QStringLiteral("Torfsubstrat fein")));
  const std::string vorher = test::Datenbankinhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad);
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(form.cmbSpeichern));
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts_->messageBoxes()[0].text,
            QStringLiteral("Der Wert für \"Preis\" muss eine Zahl von 0 bis 1.000.000.000.000 sein."));
  EXPECT_TRUE(frmTopfSubstrat::IsLoaded());
  EXPECT_TRUE(form.fraInfo->isVisibleTo(&form));
  EXPECT_EQ(test::FocusWidget(), form.txtPreis);
  EXPECT_EQ(test::Datenbankinhalt(state().enterprise.AktuelleEinstellungen.MaterialPfad), vorher);
}

}  // namespace
}  // namespace tolvar
