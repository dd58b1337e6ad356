// Enter as a person uses it in the material editors and their calculators: Enter in a box
// moves the focus along the window's chain to its button, and Enter on the focused button
// clicks it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "data/state.h"
#include "masterdata/ui/frmAufwandmenge.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/frmSubstrat.h"
#include "masterdata/ui/frmTopf.h"
#include "masterdata/ui/mdlPopUp.h"
#include "material_editor_fixture.h"
#include "platform/ui/builders.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class EnterKettenTest : public test::MaterialEditorFixture {
 protected:
  // Presses Enter in each control of `kette` from the first on; each Enter must move the focus
  // to the next one. Ends with the focus on the last.
  static void EnterKette(const std::vector<QWidget*>& kette) {
    ASSERT_TRUE(test::FocusByClick(kette.front()));
    for (std::size_t i = 1; i < kette.size(); ++i) {
      ASSERT_TRUE(test::PressEnter());
      ASSERT_EQ(test::FocusWidget(), kette[i]) << ui::S(kette[i - 1]->objectName());
    }
  }
  // Presses Tab until `ziel` has the focus; fails after a round through a window's controls.
  static void TabBis(QWidget* ziel) {
    for (int i = 0; i < 40 && test::FocusWidget() != ziel; ++i) ASSERT_TRUE(test::PressTab());
    ASSERT_EQ(test::FocusWidget(), ziel) << ui::S(ziel->objectName());
  }
  std::string Name(const std::string& nr) {
    return Wert("SELECT Materialname FROM Material WHERE MaterialNr = '" + nr + "'");
  }
};

// Units → price (→ volume) → "Speichern" → Enter saves, in the general material, pot and
// substrate editors.
TEST_F(EnterKettenTest, EnterLeadsFromTheBoxesToSaveAndSaves) {
  struct Fall {
    const char* nr;
    QLineEdit* name;
    std::vector<QWidget*> kette;  // ends with "Speichern"
    bool (*geladen)();
  };
  const auto material = [](const std::string& nr) -> frmMaterial4opt& {
    state().selection.AktuellerBaum = "Material";
    state().selection.MaterialIndex = Index(nr);
    mdlPopUp::PopUpAendern();
    return frmMaterial4opt::instanz();
  };
  const auto topf = [](const std::string& nr) -> frmTopf& {
    state().selection.BearbeitungsmodusTopf = "Aendern";
    state().selection.TopfIndex = Index(nr);
    frmTopf::instanz().Show();
    return frmTopf::instanz();
  };
  const auto substrat = [](const std::string& nr) -> frmSubstrat& {
    state().selection.BearbeitungsmodusSubstrat = "Aendern";
    state().selection.SubstratIndex = Index(nr);
    frmSubstrat::instanz().Show();
    return frmSubstrat::instanz();
  };
  for (const char* nr : {"M1020", "M1011", "M1014"}) {
    SCOPED_TRACE(nr);
    Fall fall{nr, nullptr, {}, nullptr};
    if (std::string(nr) == "M1020") {
      frmMaterial4opt& f = material(nr);
      fall = {nr, f.txtName, {f.txtMenge, f.txtPreis, f.cmbSpeichern}, &frmMaterial4opt::IsLoaded};
    } else if (std::string(nr) == "M1011") {
      frmTopf& f = topf(nr);
      fall = {nr, f.txtName, {f.txtMenge, f.txtPreis, f.txtVolumen, f.cmbSpeichern}, &frmTopf::IsLoaded};
    } else {
      frmSubstrat& f = substrat(nr);
      fall = {nr, f.txtName, {f.txtPreis, f.cmbSpeichern}, &frmSubstrat::IsLoaded};
    }
    ASSERT_TRUE(test::TypeInto(fall.name, QStringLiteral("Umbenannt")));
    EnterKette(fall.kette);
    ASSERT_TRUE(test::PressEnter());
    test::ProcessEvents();
    EXPECT_FALSE(fall.geladen());
    EXPECT_EQ(Name(nr), "Umbenannt");
  }
  EXPECT_TRUE(prompts_->messageBoxes().empty());
}

// Concentration → rate → price → "OK": Enter calculates, Enter on "Übernehmen" takes the
// result over into the material editor's price.
TEST_F(EnterKettenTest, ApplicationRateCalculatesAndTakesOverByEnter) {
  state().selection.AktuellerBaum = "Material";
  state().selection.MaterialIndex = Index("M1024");
  mdlPopUp::PopUpAendern();
  frmMaterial4opt& material = frmMaterial4opt::instanz();
  ASSERT_TRUE(test::Click(material.opbBezug[3]));
  ASSERT_TRUE(test::Click(material.cmbAufwandMenge));
  ASSERT_TRUE(frmAufwandmenge::IsLoaded());
  frmAufwandmenge& rate = frmAufwandmenge::instanz();
  ASSERT_TRUE(test::FocusByClick(rate.txtKonzentration));
  for (const auto& [text, naechstes] :
       {std::pair<const char*, QWidget*>{"2", rate.txtAufwandmenge}, {"0,5", rate.txtPreis}, {"40", rate.cmbOK}}) {
    ASSERT_TRUE(test::Type(QString::fromLatin1(text)));
    ASSERT_TRUE(test::PressEnter());
    ASSERT_EQ(test::FocusWidget(), naechstes) << text;
  }
  ASSERT_TRUE(test::PressEnter());
  EXPECT_EQ(rate.txtKostenEinheit->text(), QStringLiteral("0,04"));
  EXPECT_EQ(rate.cmbOK->text(), QStringLiteral("Übernehmen"));
  ASSERT_EQ(test::FocusWidget(), rate.cmbOK);
  ASSERT_TRUE(test::PressKeypadEnter());
  test::ProcessEvents();
  EXPECT_FALSE(frmAufwandmenge::IsLoaded());
  EXPECT_EQ(material.txtPreis->text(), QStringLiteral("0,04"));
}

// The pocket calculator's keys, reached by Tab, are pressed by Enter and keypad Enter.
TEST_F(EnterKettenTest, CalculatorKeyWithTheFocusIsPressedByEnter) {
  frmRechner& rechner = frmRechner::instanz();
  rechner.Show();
  ASSERT_TRUE(test::ActivateWindowOf(&rechner));
  struct Taste {
    QPushButton* knopf;
    int key;
    const char* readout;
  };
  const Taste tasten[] = {
      {rechner.Number[7], Qt::Key_Return, "7,"},
      {rechner.Operator[1], Qt::Key_Enter, "7,"},  // "+": the sum below shows it was pressed
      {rechner.Number[5], Qt::Key_Return, "5,"},
      {rechner.Operator[4], Qt::Key_Enter, "12"},  // "="
  };
  for (const Taste& t : tasten) {
    SCOPED_TRACE(ui::S(t.knopf->objectName()));
    TabBis(t.knopf);
    ASSERT_TRUE(test::Press(t.key, t.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
    EXPECT_EQ(rechner.Readout->text(), QString::fromLatin1(t.readout));
  }
}

}  // namespace
}  // namespace tolvar
