#include "app/mdlMauszeiger.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/mdlGroesse_farben.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/imagelist.h"
#include "support/fixtures.h"

namespace tolvar {
namespace {

using mdlMauszeiger::Mausbild;

// A stand-in window: a top-level widget named like a window of the program, with controls
// named like its controls; "fraX/trvY" puts trvY inside frame fraX.
struct StandIn {
  std::unique_ptr<QWidget> form;
  std::map<std::string, QWidget*> controls;

  StandIn(const char* name, const std::vector<std::string>& paths) : form(std::make_unique<QWidget>()) {
    form->setObjectName(QString::fromLatin1(name));
    for (const std::string& path : paths) {
      QWidget* parent = form.get();
      std::string rest = path;
      for (auto slash = rest.find('/'); slash != std::string::npos; slash = rest.find('/')) {
        parent = controls.at(rest.substr(0, slash));
        rest = rest.substr(slash + 1);
      }
      QWidget* control = rest.rfind("trv", 0) == 0   ? new QTreeWidget(parent)
                         : rest.rfind("fra", 0) == 0 ? static_cast<QWidget*>(new QFrame(parent))
                                                     : new QPushButton(parent);
      control->setObjectName(ui::Q(rest));
      controls[rest] = control;
    }
  }
  QWidget& operator[](const std::string& name) { return *controls.at(name); }
};

// Custom mode without a picture: the platform's arrow.
bool ShowsPlainArrow(const QWidget& widget) {
  return widget.testAttribute(Qt::WA_SetCursor) && widget.cursor().shape() == Qt::ArrowCursor;
}

class PointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    state().windows.FarbnameTolvar.clear();
    state().windows.FarbnameMorvin.clear();
    mdlMauszeiger::imlMauszeiger();  // reads the pictures of this data root
  }
  void TearDown() override {
    ResetState();
    state().windows.FarbnameTolvar.clear();
    state().windows.FarbnameMorvin.clear();
  }
  // Own colour blue (3), sibling colour green (5).
  void BlauUndGruen() {
    state().windows.FarbeTolvar = 3;
    state().windows.FarbeMorvin = 5;
    mdlGroesse::FarbnamenErmitteln();
  }
  test::FreshDataRoot root;
};

TEST_F(PointerTest, ColourCodesGiveWordsAndOthersLeaveTheWordUnchanged) {
  struct Case {
    int tolvar;
    int morvin;
    const char* wortTolvar;
    const char* wortMorvin;
  };
  // Runs one after another: an invalid code keeps the word of the run before.
  const Case cases[] = {
      {6, -1, "", ""},  // first run: words stay empty
      {0, 1, "Weiss", "Grau"}, {2, 3, "Schwarz", "Blau"}, {4, 5, "Rot", "Gruen"},
      {-1, 6, "Rot", "Gruen"}, {99, 0, "Rot", "Weiss"},   {3, -5, "Blau", "Weiss"},
  };
  for (const Case& c : cases) {
    state().windows.FarbeTolvar = c.tolvar;
    state().windows.FarbeMorvin = c.morvin;
    mdlGroesse::FarbnamenErmitteln();
    EXPECT_EQ(state().windows.FarbnameTolvar, c.wortTolvar) << c.tolvar;
    EXPECT_EQ(state().windows.FarbnameMorvin, c.wortMorvin) << c.morvin;
  }
}

TEST_F(PointerTest, PictureListHoldsTheTwentyFourKeys) {
  ui::ImageList& liste = mdlMauszeiger::imlMauszeiger();
  for (const char* art : {"Zeiger_", "Hand_", "Info_", "ZeigerInfo_"}) {
    for (const char* farbe : {"Weiss", "Grau", "Schwarz", "Blau", "Rot", "Gruen"}) {
      const QString key = QString::fromLatin1(art) + QString::fromLatin1(farbe);
      EXPECT_FALSE(liste.Picture(key).isNull()) << ui::S(key);
    }
  }
  EXPECT_EQ(liste.Count(), 24);
}

TEST_F(PointerTest, TableGivesWindowsAndControlsTheirPictures) {
  BlauUndGruen();
  struct Case {
    const char* window;
    std::vector<std::string> controls;
    // Expected picture per control; "" = custom mode with the platform's arrow.
    std::map<std::string, std::string> expected;
  };
  const std::vector<Case> cases = {
      {"mdiTolvarZentral", {"StatusBar1"}, {{"StatusBar1", "Zeiger_Blau"}}},
      {"frmStammdaten",
       {"trvMaterial", "trvKulturen", "trvStandort", "trvTaetigkeit", "trvPersonal", "cmbAnzeigen(0)", "cmbAnzeigen(1)",
        "cmbAnzeigen(2)", "cmbAnzeigen(3)", "cmbAnzeigen(4)", "cmbSuchen"},
       {{"trvMaterial", "Zeiger_Blau"},
        {"trvKulturen", "Zeiger_Gruen"},
        {"trvStandort", "Zeiger_Gruen"},
        {"trvTaetigkeit", "Zeiger_Gruen"},
        {"trvPersonal", "Zeiger_Gruen"},
        {"cmbAnzeigen(0)", "Zeiger_Gruen"},
        {"cmbAnzeigen(1)", "Zeiger_Gruen"},
        {"cmbAnzeigen(2)", "Zeiger_Blau"},
        {"cmbAnzeigen(3)", "Zeiger_Gruen"},
        {"cmbAnzeigen(4)", "Zeiger_Gruen"},
        {"cmbSuchen", ""}}},
      {"frmBewegungsdaten",
       {"trvKulturen", "fraBearbeitenModus2", "fraBearbeitenModus2/trvStandort", "fraPhasenInfo", "fraMaterial",
        "fraMaterial/trvMaterial", "cmbStandorte"},
       {{"trvKulturen", "Zeiger_Gruen"},
        {"fraBearbeitenModus2", "Zeiger_Gruen"},
        {"trvStandort", ""},
        {"fraPhasenInfo", "Zeiger_Blau"},
        {"fraMaterial", "Zeiger_Blau"},
        {"trvMaterial", ""},
        {"cmbStandorte", ""}}},
      {"frmKalkulation",
       {"cmbHeizkosten", "cmbMaterialkosten", "cmbEnergiekosten", "cmbMaschinenkosten", "cmbPSMKosten",
        "cmbVermarktungskosten", "cmbGemeinkosten", "cmbArbeitskosten", "trvKulturen", "cmbBerechnen"},
       {{"cmbHeizkosten", "ZeigerInfo_Blau"},
        {"cmbMaterialkosten", "ZeigerInfo_Blau"},
        {"cmbEnergiekosten", "ZeigerInfo_Blau"},
        {"cmbMaschinenkosten", "ZeigerInfo_Blau"},
        {"cmbPSMKosten", "ZeigerInfo_Blau"},
        {"cmbVermarktungskosten", "ZeigerInfo_Blau"},
        {"cmbGemeinkosten", "ZeigerInfo_Blau"},
        {"cmbArbeitskosten", "ZeigerInfo_Blau"},
        {"trvKulturen", "Zeiger_Blau"},
        {"cmbBerechnen", "Zeiger_Blau"}}},
      {"frmArbeitInfo", {"dtgArbeit", "cmbOK"}, {{"dtgArbeit", "Info_Gruen"}, {"cmbOK", ""}}},
      {"frmMaterialInfo", {"dtgMaterial"}, {{"dtgMaterial", "Info_Blau"}}},
      {"frmEnergieInfo", {"dtgEnergie"}, {{"dtgEnergie", "Info_Blau"}}},
      {"frmVantelInfo", {"dtgVantel"}, {{"dtgVantel", "Info_Blau"}}},
      {"frmPSMInfo", {"dtgArbeitMaterial"}, {{"dtgArbeitMaterial", "Info_Blau"}}},
      {"frmMaschinenInfo", {"dtgMaschinen"}, {{"dtgMaschinen", "Info_Blau"}}},
      {"frmKultur",
       {"dtgKulturPhasen", "fraKulturarbeiten", "fraKulturarbeiten/trvKulturarbeiten", "fraStandort",
        "fraStandort/trvStandort", "fraMaterial", "fraMaterial/trvMaterial", "cmbOK"},
       {{"dtgKulturPhasen", "Info_Blau"},
        {"trvKulturarbeiten", "Info_Gruen"},
        {"trvStandort", "Info_Gruen"},
        {"trvMaterial", "Info_Blau"},
        {"fraKulturarbeiten", "Info_Gruen"},
        {"fraStandort", "Info_Gruen"},
        {"fraMaterial", "Info_Blau"},
        {"cmbOK", ""}}},
      {"frmStandort",
       {"regStandort", "regStandort/fraBezeichnung", "regStandort/opbHaus", "regStandort/opbGruppe", "txtName"},
       {{"regStandort", "Zeiger_Blau"},
        {"fraBezeichnung", "Zeiger_Gruen"},
        {"opbHaus", "Hand_Gruen"},
        {"opbGruppe", "Hand_Gruen"},
        {"txtName", "Zeiger_Blau"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.window);
    StandIn window(c.window, c.controls);
    mdlMauszeiger::MauszeigerSetzen(*window.form);
    EXPECT_EQ(Mausbild(*window.form), QStringLiteral("Zeiger_Blau"));
    ASSERT_EQ(c.expected.size(), c.controls.size());
    for (const auto& [name, key] : c.expected) {
      EXPECT_EQ(ui::S(Mausbild(window[name])), key) << name;
      if (key.empty()) {
        EXPECT_TRUE(ShowsPlainArrow(window[name])) << name;
      }
    }
  }
}

TEST_F(PointerTest, PicturesAreTheListsAndPointAtTheTopLeft) {
  BlauUndGruen();
  StandIn window("frmArbeitInfo", {"dtgArbeit"});
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  const QCursor cursor = window["dtgArbeit"].cursor();
  EXPECT_EQ(cursor.pixmap().toImage(), mdlMauszeiger::imlMauszeiger().Picture(QStringLiteral("Info_Gruen")).toImage());
  EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
}

TEST_F(PointerTest, WindowsOutsideTheTableKeepTheirPointers) {
  BlauUndGruen();
  // Not in the table, or differing from a name of it only in letter case.
  for (const char* name : {"frmEinstellungen", "frmstammdaten", "FRMKALKULATION", "frmUeberTolvar", ""}) {
    StandIn window(name, {"trvMaterial", "cmbAnzeigen(2)"});
    mdlMauszeiger::MauszeigerSetzen(*window.form);
    EXPECT_FALSE(window.form->testAttribute(Qt::WA_SetCursor)) << name;
    EXPECT_FALSE(window["trvMaterial"].testAttribute(Qt::WA_SetCursor)) << name;
    EXPECT_FALSE(window["cmbAnzeigen(2)"].testAttribute(Qt::WA_SetCursor)) << name;
  }
}

TEST_F(PointerTest, MissingControlsAreSkipped) {
  BlauUndGruen();
  // Only two of the ten named controls exist; the rest of the row still applies.
  StandIn window("frmStammdaten", {"cmbAnzeigen(4)", "trvMaterial"});
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  EXPECT_EQ(Mausbild(*window.form), QStringLiteral("Zeiger_Blau"));
  EXPECT_EQ(Mausbild(window["cmbAnzeigen(4)"]), QStringLiteral("Zeiger_Gruen"));
  EXPECT_EQ(Mausbild(window["trvMaterial"]), QStringLiteral("Zeiger_Blau"));
}

TEST_F(PointerTest, InvalidColourGivesNoPictureOfThatColour) {
  // Own colour invalid on the first run: its word stays empty; the sibling colour is green.
  state().windows.FarbeTolvar = 6;
  state().windows.FarbeMorvin = 5;
  mdlGroesse::FarbnamenErmitteln();
  StandIn stamm("frmStammdaten", {"trvMaterial", "trvKulturen"});
  mdlMauszeiger::MauszeigerSetzen(*stamm.form);
  EXPECT_EQ(Mausbild(*stamm.form), QString());
  EXPECT_TRUE(ShowsPlainArrow(stamm["trvMaterial"]));
  EXPECT_EQ(Mausbild(stamm["trvKulturen"]), QStringLiteral("Zeiger_Gruen"));

  StandIn kalk("frmKalkulation", {"cmbHeizkosten", "lblSumme"});
  mdlMauszeiger::MauszeigerSetzen(*kalk.form);
  EXPECT_TRUE(ShowsPlainArrow(kalk["cmbHeizkosten"]));
  EXPECT_TRUE(ShowsPlainArrow(kalk["lblSumme"]));
}

TEST_F(PointerTest, FailedPictureStepKeepsTheEarlierPointer) {
  BlauUndGruen();
  StandIn window("frmKalkulation", {"cmbHeizkosten", "lblSumme"});
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  state().windows.FarbnameTolvar.clear();
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  EXPECT_EQ(Mausbild(*window.form), QStringLiteral("Zeiger_Blau"));
  EXPECT_EQ(Mausbild(window["cmbHeizkosten"]), QStringLiteral("ZeigerInfo_Blau"));
  EXPECT_EQ(Mausbild(window["lblSumme"]), QStringLiteral("Zeiger_Blau"));
}

TEST_F(PointerTest, InternalPartsAndSeparateWindowsAreNoControls) {
  BlauUndGruen();
  StandIn window("frmKalkulation", {"trvKulturen"});
  auto* tree = static_cast<QTreeWidget*>(&window["trvKulturen"]);
  auto* menu = new QMenu(window.form.get());
  menu->setObjectName(QStringLiteral("mnuPopUp1"));
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  // The tree's surface shows the tree's own picture.
  EXPECT_FALSE(tree->viewport()->testAttribute(Qt::WA_SetCursor));
  EXPECT_EQ(Mausbild(*tree), QStringLiteral("Zeiger_Blau"));
  EXPECT_FALSE(menu->testAttribute(Qt::WA_SetCursor));
}

TEST_F(PointerTest, HourglassComesAndGoesAndTheCalculationWindowGetsItsPicturesBack) {
  BlauUndGruen();
  StandIn window("frmKalkulation", {"cmbHeizkosten", "trvKulturen"});
  mdlMauszeiger::MauszeigerSetzen(*window.form);
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    ui::WaitCursor warten;
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      ui::WaitCursor innen;
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    mdlMauszeiger::MauszeigerSetzen(*window.form);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(Mausbild(*window.form), QStringLiteral("Zeiger_Blau"));
  EXPECT_EQ(Mausbild(window["cmbHeizkosten"]), QStringLiteral("ZeigerInfo_Blau"));
  EXPECT_EQ(Mausbild(window["trvKulturen"]), QStringLiteral("Zeiger_Blau"));
}

}  // namespace
}  // namespace tolvar
