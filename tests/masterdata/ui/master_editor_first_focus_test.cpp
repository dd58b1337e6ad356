// Where the focus is when an editor opens: on the first control of its tab order that is shown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "data/state.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/frmTopfSubstrat.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class ErsterFokusTest : public test::MaterialEditorFixture {
 protected:
  static frmTopfSubstrat& KombinationAendern(const std::string& nr) {
    state().selection.Bearbeitungsmodus = "Aendern";
    state().selection.MaterialIndex = Index(nr);
    frmTopfSubstrat& form = frmTopfSubstrat::instanz();
    form.Show();
    return form;
  }
};

// Opened from the combination editor the substrate editor shows "Neuer Datensatz" first:
// Space then starts a new substrate instead of saving and closing the one shown.
TEST_F(ErsterFokusTest, SubstrateEditorFromTheCombinationStartsOnNewRecordAndSpaceSavesNothing) {
  frmTopfSubstrat& kombination = KombinationAendern("M1016");
  ASSERT_TRUE(test::Click(kombination.cmbErde));
  ASSERT_TRUE(frmSubstrat::IsLoaded());
  frmSubstrat& substrat = frmSubstrat::instanz();
  ASSERT_TRUE(test::ActivateWindowOf(&substrat));
  EXPECT_EQ(test::FocusWidget(), substrat.cmbNeu);
  const std::string name = ui::S(substrat.txtName->text());
  ASSERT_FALSE(name.empty());
  const std::string vorher = Wert("SELECT COUNT(*) FROM Material");

  ASSERT_TRUE(test::Press(Qt::Key_Space));
  test::Settle();
  EXPECT_TRUE(frmSubstrat::IsLoaded()) << "nothing saved, the window stays";
  EXPECT_TRUE(substrat.txtName->text().isEmpty()) << "a new substrate is begun";
  EXPECT_EQ(Wert("SELECT COUNT(*) FROM Material"), vorher);
  EXPECT_TRUE(prompts_->messageBoxes().empty());
}

// From the material tree the button is hidden: the focus starts on "Speichern"; the pot
// editor starts in its name field.
TEST_F(ErsterFokusTest, EditorsFromTheTreeStartOnTheirFirstShownControl) {
  state().selection.BearbeitungsmodusSubstrat = "Neu";
  frmSubstrat& substrat = frmSubstrat::instanz();
  substrat.Show();
  ASSERT_TRUE(test::ActivateWindowOf(&substrat));
  EXPECT_EQ(test::FocusWidget(), substrat.cmbSpeichern);
  substrat.Unload();

  state().selection.BearbeitungsmodusTopf = "Neu";
  frmTopf& topf = frmTopf::instanz();
  topf.Show();
  ASSERT_TRUE(test::ActivateWindowOf(&topf));
  EXPECT_EQ(test::FocusWidget(), topf.txtName);
}

}  // namespace
}  // namespace tolvar
