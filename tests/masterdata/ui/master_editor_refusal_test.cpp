// Where the focus is after a material editor refused to save: on the box a "Nein" to the offer
// of the value 1 was about, and where it was for a refusal that names no box.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <map>
#include <string>

#include "data/state.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/mdlPopUp.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

// An editor opened on a material: its save button and the boxes a case may empty.
struct Editor {
  ui::Form* form = nullptr;
  QPushButton* cmbSpeichern = nullptr;
  QLineEdit* txtName = nullptr;
  QLineEdit* txtCode = nullptr;
  std::map<std::string, QLineEdit*> boxes;
};

class VerweigerungFokusTest : public test::MaterialEditorFixture {
 protected:
  static Editor Material(const std::string& nr) {
    state().selection.AktuellerBaum = "Material";
    state().selection.MaterialIndex = Index(nr);
    mdlPopUp::PopUpAendern();
    frmMaterial4opt& f = frmMaterial4opt::instanz();
    return {&f, f.cmbSpeichern, f.txtName, f.txtCode, {{"txtMenge", f.txtMenge}, {"txtPreis", f.txtPreis}}};
  }
  static Editor Topf(const std::string& nr) {
    state().selection.BearbeitungsmodusTopf = "Aendern";
    state().selection.TopfIndex = Index(nr);
    frmTopf& f = frmTopf::instanz();
    f.Show();
    return {&f,
            f.cmbSpeichern,
            f.txtName,
            f.txtCode,
            {{"txtMenge", f.txtMenge}, {"txtPreis", f.txtPreis}, {"txtVolumen", f.txtVolumen}}};
  }
  static Editor Substrat(const std::string& nr) {
    state().selection.BearbeitungsmodusSubstrat = "Aendern";
    state().selection.SubstratIndex = Index(nr);
    frmSubstrat& f = frmSubstrat::instanz();
    f.Show();
    return {&f, f.cmbSpeichern, f.txtName, f.txtCode, {{"txtPreis", f.txtPreis}}};
  }
};

// "Nein" to the offer of the value 1 puts the focus on the empty box the question was about;
// the editor stays open with the box still empty.
TEST_F(VerweigerungFokusTest, NoToTheOfferedValuePutsTheFocusOnItsBox) {
  struct Fall {
    const char* nr;
    std::function<Editor(const std::string&)> oeffnen;
    const char* leer;
  };
  const Fall faelle[] = {
      {"M1020", &Material, "txtMenge"}, {"M1020", &Material, "txtPreis"}, {"M1011", &Topf, "txtMenge"},
      {"M1011", &Topf, "txtVolumen"},   {"M1014", &Substrat, "txtPreis"},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.nr) + " " + fall.leer);
    const Editor editor = fall.oeffnen(fall.nr);
    ASSERT_TRUE(test::ActivateWindowOf(editor.form));
    QLineEdit* leer = editor.boxes.at(fall.leer);
    ASSERT_TRUE(test::TypeInto(leer, QString()));
    ASSERT_TRUE(test::FocusByClick(editor.txtName));
    prompts_->AnswerMsgBox(ui::msgbox::No);
    ASSERT_TRUE(test::Click(editor.cmbSpeichern));
    test::Settle();
    ASSERT_FALSE(editor.form->IsUnloaded());
    EXPECT_EQ(test::FocusWidget(), leer) << ui::S(test::FocusWidget() ? test::FocusWidget()->objectName() : QString());
    EXPECT_TRUE(leer->text().isEmpty());
    editor.form->Unload();
    test::ProcessEvents();
  }
}

// A refusal that names no box (here a barcode another material carries) leaves the focus on
// the button that saved, not on the window's first label.
TEST_F(VerweigerungFokusTest, RefusalNamingNoBoxLeavesTheFocusWhereItWas) {
  const std::string fremderCode = Wert("SELECT Barcode FROM Material WHERE MaterialNr = 'M1011'");
  ASSERT_FALSE(fremderCode.empty());
  const Editor editor = Material("M1020");
  ASSERT_TRUE(test::ActivateWindowOf(editor.form));
  // The barcode box takes no keys: the program gives the code. One another material carries
  // stands for a code given to both meanwhile.
  editor.txtCode->setText(ui::Q(fremderCode));
  prompts_->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(editor.cmbSpeichern));
  test::Settle();
  ASSERT_FALSE(editor.form->IsUnloaded());
  ASSERT_EQ(prompts_->messageBoxes().size(), 1u);
  EXPECT_EQ(test::FocusWidget(), editor.cmbSpeichern)
      << ui::S(test::FocusWidget() ? test::FocusWidget()->objectName() : QString());
}

}  // namespace
}  // namespace tolvar
