// The culture tree of the culture data window: a right press chooses the node under the mouse,
// its pop-up menu names that node's kind, and the pop-up's commands act on that node.
#include <QMenu>

#include "app/mdiTolvarZentral.h"
#include "culture/ui/bewegungsdaten_fixture.h"
#include "culture/ui/frmKultur.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class Kulturbaum : public BewegungsdatenFenster {
 protected:
  void SetUp() override {
    BewegungsdatenFenster::SetUp();
    haupt = &mdiTolvarZentral::instanz();
    ASSERT_TRUE(ActivateWindowOf(form));
  }
  // Presses the right button on the node `nr` (its group opened) and checks the pop-up shown.
  void RechtsDruecken(const char* nr, QMenu* menue) {
    ASSERT_TRUE(form->trvKulturen->EnsureVisible(QString::fromLatin1(nr))) << nr;
    ASSERT_TRUE(RightClickNode(form->trvKulturen, QString::fromLatin1(nr))) << nr;
    ASSERT_EQ(haupt->LetztesPopUp(), menue) << nr;
    ASSERT_TRUE(menue->isVisible()) << nr;
  }
  std::vector<std::string> Phasen(const char* kultur) {
    return Abfragezeilen(
        Tolvar(), std::string("SELECT Phasennummer, Phasennamen FROM KulturPhasen WHERE Kulturnummer = '") + kultur +
                      "' ORDER BY CAST(Phasennummer AS INTEGER)");
  }

  mdiTolvarZentral* haupt = nullptr;
};

// The pop-up of the root, of a group and of a culture, each for the node under the mouse.
TEST_F(Kulturbaum, RightPressShowsThePopUpOfTheNodeUnderTheMouse) {
  KulturWaehlen("K1003");
  RechtsDruecken("K1001", haupt->mnuPopUp2);
  EXPECT_EQ(form->trvKulturen->SelectedItem(), QStringLiteral("K1001"));
  EXPECT_EQ(state().selection.AktuellerBaum, "Kulturen");
  EXPECT_EQ(state().selection.AktuelleUeberPNr, "0");
  EXPECT_EQ(haupt->mnuPopUp2Neu->text(), QStringLiteral("Neue Kultur/Gruppe"));
  ASSERT_TRUE(PressEscape());
  RechtsDruecken("K1005", haupt->mnuPopUp3);
  EXPECT_EQ(state().selection.AktuelleUeberPNr, "1009");
  ASSERT_TRUE(PressEscape());
  RechtsDruecken("Kultur", haupt->mnuPopUp1);
  EXPECT_EQ(haupt->mnuPopUp1Neu->text(), QStringLiteral("Neue Gruppe/ Kultur eingeben"));
  ASSERT_TRUE(PressEscape());
  // The left button shows no pop-up.
  haupt->mnuPopUp1->hide();
  KulturWaehlen("K1004");
  EXPECT_FALSE(haupt->LetztesPopUp()->isVisible());
}

// Left click on one culture, right press on another: "Löschen" and "Ändern" take the one pressed.
TEST_F(Kulturbaum, PopUpCommandsActOnTheRightPressedCulture) {
  KulturWaehlen("K1003");
  RechtsDruecken("K1004", haupt->mnuPopUp3);
  prompts->AnswerMsgBox(ui::msgbox::Yes);
  ASSERT_TRUE(TriggerCommand(haupt, QStringLiteral("Löschen")));
  EXPECT_TRUE(Phasen("K1004").empty());
  EXPECT_EQ(Phasen("K1003").size(), 3u);
  EXPECT_TRUE(Abfragezeilen(Tolvar(), "SELECT * FROM Material WHERE KulturNr = 'K1004'").empty());

  KulturWaehlen("K1003");
  RechtsDruecken("K1005", haupt->mnuPopUp3);
  ASSERT_TRUE(TriggerCommand(haupt, QStringLiteral("mnuPopUp3Aendern")));
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(frmKultur::instanz().txtName->text(), QStringLiteral("Primeln 9 cm"));
}

// A right press chooses the culture the window shows: the phases typed for the culture chosen
// before cannot be saved under the one pressed.
TEST_F(Kulturbaum, RightPressChoosesTheCultureTheWindowShows) {
  KulturWaehlen("K1003");
  ASSERT_TRUE(ClickNode(form->trvPhasen, QStringLiteral("K1003_1")));
  ASSERT_FALSE(form->txtName->text().isEmpty());
  const auto vorher = Phasen("K1004");
  RechtsDruecken("K1004", haupt->mnuPopUp3);
  ASSERT_TRUE(PressEscape());
  EXPECT_EQ(form->trvKulturen->SelectedItem(), QStringLiteral("K1004"));
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Cyclamen 12 cm"));
  EXPECT_EQ(form->trvPhasen->Keys(), (QStringList{QStringLiteral("K1004_1"), QStringLiteral("K1004_2")}));
  prompts->AnswerMsgBox(ui::msgbox::Ok);  // no phase chosen: no name to save
  ASSERT_TRUE(Click(form->cmbSpeichern));
  EXPECT_EQ(Phasen("K1004"), vorher);
  EXPECT_EQ(Phasen("K1003").size(), 3u);

  // A right press on the free space keeps the culture and shows the pop-up of the selected node.
  ASSERT_TRUE(ClickTreeSpace(form->trvKulturen, Qt::RightButton));
  EXPECT_EQ(form->trvKulturen->SelectedItem(), QStringLiteral("K1004"));
  EXPECT_EQ(form->lblKultur->text(), QStringLiteral("Cyclamen 12 cm"));
  if (QMenu* menue = haupt->LetztesPopUp()) menue->hide();
}

}  // namespace
}  // namespace tolvar::test
