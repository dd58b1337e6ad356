// The fuel and covering list editors on the settings tab and as stand-alone windows, and the
// electricity price.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/prompts.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/einstellungen_fixture.h"
#include "settings/ui/frmBrennstoff.h"
#include "settings/ui/frmEindeckung.h"
#include "settings/ui/frmEinstellungen.h"
#include "settings/ui/vantel_editors.h"
#include "support/tables.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class EnergieTest : public EinstellungenTest {
 protected:
  frmEinstellungen& Tab() { return Oeffnen(2); }
};

TEST_F(EnergieTest, TheTabShowsThePriceAndTheFirstFuelsFormatted) {
  frmEinstellungen& f = Tab();
  settings::ui::BrennstoffEditor& b = *f.brennstoff;
  EXPECT_EQ(f.txtKWH->text(), QStringLiteral("0,22"));
  EXPECT_FALSE(f.fraHeizung->isHidden());
  EXPECT_TRUE(f.fraEindeckung->isHidden());
  EXPECT_EQ(b.txtName[1]->text(), QStringLiteral("Heizöl EL (l)"));
  EXPECT_EQ(b.txtHeizwert[1]->text(), QStringLiteral("10,0"));
  EXPECT_EQ(b.txtBrennwert[1]->text(), QStringLiteral("10,6"));
  EXPECT_EQ(b.txtPreis[1]->text(), QStringLiteral("0,95"));
  EXPECT_EQ(b.txtName[5]->text(), QStringLiteral("Steinkohle (kg)"));
}

TEST_F(EnergieTest, ArrowsMoveWithinTheList) {
  // Eleven coverings: ">>" four on, "<<" five back, both kept within the list.
  frmEinstellungen& f = Tab();
  ASSERT_TRUE(Click(f.cmbWechsel));
  settings::ui::EindeckungEditor& e = *f.eindeckung;
  EXPECT_EQ(f.cmbWechsel->text(), QStringLiteral("Brennstoff-Verwaltung"));
  const std::vector<std::pair<QPushButton*, int>> schritte = {{e.cmbZurueckE, 0}, {e.cmb5VorE, 4}, {e.cmb5VorE, 8},
                                                              {e.cmb5VorE, 10},   {e.cmbVorE, 10}, {e.cmb5ZurueckE, 5},
                                                              {e.cmb5ZurueckE, 0}};
  for (const auto& [knopf, index] : schritte) {
    ASSERT_TRUE(Click(knopf));
    EXPECT_EQ(e.EindeckungIndex, index);
  }
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(Click(e.cmb5VorE));  // to the last entry and on
  EXPECT_EQ(e.txtEindeckung[1]->text(), QStringLiteral("Sandwichpaneel 40 mm"));
  EXPECT_TRUE(e.txtEindeckung[2]->text().isEmpty());
}

TEST_F(EnergieTest, ANewFuelWithAStoredNameIsRefusedAndStaysPending) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  ASSERT_TRUE(Click(b.cmbNeu));
  EXPECT_EQ(b.cmbBrennstoffLoeschen->text(), QStringLiteral("Neueingabe beenden"));
  EXPECT_FALSE(b.cmbVor->isEnabled());
  EXPECT_TRUE(b.txtName[1]->text().isEmpty());
  EXPECT_EQ(b.txtName[2]->text(), QStringLiteral("Heizöl EL (l)"));
  EXPECT_EQ(b.NeueBrennstoffNummer, 6);
  ASSERT_TRUE(TypeInto(b.txtName[1], QStringLiteral("Erdgas H (m³)")));
  ASSERT_TRUE(TypeInto(b.txtHeizwert[1], QStringLiteral("10")));
  ASSERT_TRUE(TypeInto(b.txtBrennwert[1], QStringLiteral("11")));
  ASSERT_TRUE(TypeInto(b.txtPreis[1], QStringLiteral("0,8")));
  prompts->AnswerMsgBox(ui::msgbox::TryAgain);
  ASSERT_TRUE(Click(b.cmbBrennstoffSpeichern));
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].style, ui::msgbox::CancelTryAgainContinue);
  EXPECT_EQ(prompts->messageBoxes()[0].title, QStringLiteral("Tolvar-Information"));
  EXPECT_TRUE(b.NeueingabeLaeuft());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 5u);

  ASSERT_TRUE(TypeInto(b.txtName[1], QStringLiteral("Erdgas L (m³)")));
  ASSERT_TRUE(Click(b.cmbBrennstoffSpeichern));
  EXPECT_FALSE(b.NeueingabeLaeuft());
  EXPECT_EQ(b.cmbBrennstoffLoeschen->text(), QStringLiteral("Löschen"));
  EXPECT_EQ(b.BrennstoffIndex, 5);
  EXPECT_EQ(b.txtName[1]->text(), QStringLiteral("Erdgas L (m³)"));
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").back(), "6");
}

TEST_F(EnergieTest, ANewCoveringWithoutLightTransmissionIsStoredWithZero) {
  frmEinstellungen& f = Tab();
  ASSERT_TRUE(Click(f.cmbWechsel));
  settings::ui::EindeckungEditor& e = *f.eindeckung;
  ASSERT_TRUE(Click(e.cmbNeuE));
  ASSERT_TRUE(TypeInto(e.txtEindeckung[1], QStringLiteral("Noppenfolie")));
  ASSERT_TRUE(TypeInto(e.txtKWert[1], QStringLiteral("4,5")));
  ASSERT_TRUE(Click(e.chbDach[1]));
  ASSERT_TRUE(Click(e.cmbSpeichernE));
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Material").back(), "Noppenfolie");
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Eignung").back(), "1");
  EXPECT_EQ(Spalte(Vantel(), "GWHMaterial", "Durchlässigkeit").back(), "0");
}

TEST_F(EnergieTest, DeletingMovesOneBackAndEndingANewEntryReturnsToBrowsing) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  ASSERT_TRUE(Click(b.cmb5Vor));
  ASSERT_EQ(b.BrennstoffIndex, 4);
  ASSERT_TRUE(Click(b.cmbBrennstoffLoeschen));
  EXPECT_EQ(b.BrennstoffIndex, 3);
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 4u);
  ASSERT_TRUE(Click(b.cmbNeu));
  ASSERT_TRUE(Click(b.cmbBrennstoffLoeschen));
  EXPECT_FALSE(b.NeueingabeLaeuft());
  EXPECT_TRUE(b.cmbVor->isEnabled());
  EXPECT_FALSE(b.cmbNeu->isHidden());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Nummer").size(), 4u);
}

TEST_F(EnergieTest, NumericColumnsDropOtherKeysWithABeep) {
  settings::ui::BrennstoffEditor& b = *Tab().brennstoff;
  ASSERT_TRUE(TypeInto(b.txtBrennwert[3], QStringLiteral("7a,/9")));
  EXPECT_EQ(b.txtBrennwert[3]->text(), QStringLiteral("7,9"));
  EXPECT_EQ(prompts->beeps(), 2);
  ASSERT_TRUE(Press(Qt::Key_Backspace));
  EXPECT_EQ(b.txtBrennwert[3]->text(), QStringLiteral("7,"));
  ASSERT_TRUE(PressEnter());
  EXPECT_EQ(b.txtBrennwert[3]->text(), QStringLiteral("7,")) << "Enter is dropped";
  EXPECT_EQ(prompts->beeps(), 2);
}

// Each number box of row 1, typed through its key filter and saved: a value the heating
// model cannot use is refused, nothing is stored, and the box keeps its text and the focus.
TEST_F(EnergieTest, SavingRefusesNumbersOutsideTheirBoxRule) {
  const QString pruefen = QStringLiteral("Überprüfen sie bitte ihre Werte");
  const QString fehlen = QStringLiteral("Sie haben nicht alle notwendigen Werte eingegeben");
  struct Fall {
    QLineEdit* (*box)(frmEinstellungen&);
    const char* getippt;
    const char* angezeigt;   // after the key filter
    const QString* meldung;  // null: stored
  };
  auto heizwert = [](frmEinstellungen& f) { return f.brennstoff->txtHeizwert[1]; };
  auto preis = [](frmEinstellungen& f) { return f.brennstoff->txtPreis[1]; };
  auto kWert = [](frmEinstellungen& f) { return f.eindeckung->txtKWert[1]; };
  auto licht = [](frmEinstellungen& f) { return f.eindeckung->txtLicht[1]; };
  const std::vector<Fall> faelle = {
      {heizwert, "abc", nullptr, nullptr}, {heizwert, "1,2,3", "1,2,3", &pruefen},
      {heizwert, "-5", "5", nullptr},      {heizwert, "1e308", "1308", nullptr},
      {heizwert, "", "", &fehlen},         {heizwert, "9,5", "9,5", nullptr},
      {preis, "1,2,3", "1,2,3", &pruefen}, {preis, "0,85", "0,85", nullptr},
      {kWert, "1,2,3", "1,2,3", &pruefen}, {kWert, "", "", &fehlen},
      {kWert, "4,2", "4,2", nullptr},      {licht, "abc", nullptr, nullptr},
      {licht, "1,2,3", "1,2,3", &pruefen}, {licht, "-5", "5", nullptr},
      {licht, "1e308", "1308", &pruefen},  {licht, "", "", nullptr},
      {licht, "100,5", "100,5", &pruefen}, {licht, "85", "85", nullptr},
  };
  for (const Fall& fall : faelle) {
    ui::Forms::UnloadAllExcept();
    frmEinstellungen& f = Tab();
    QLineEdit* box = fall.box(f);
    const bool eindeckung = box == f.eindeckung->txtKWert[1] || box == f.eindeckung->txtLicht[1];
    SCOPED_TRACE(ui::S(box->objectName()) + " \"" + fall.getippt + "\"");
    if (eindeckung) {
      ASSERT_TRUE(Click(f.cmbWechsel));
    }
    const QString vorherText = box->text();
    ASSERT_TRUE(TypeInto(box, QString::fromUtf8(fall.getippt)));
    ASSERT_EQ(box->text(), fall.angezeigt != nullptr ? QString::fromUtf8(fall.angezeigt) : vorherText);
    const char* tabelle = eindeckung ? "GWHMaterial" : "Heizmaterialien";
    const std::string vorher = Tabelleninhalt(Vantel(), tabelle);
    const std::size_t gezeigt = Meldungen().size();
    if (fall.meldung != nullptr) prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(Click(eindeckung ? static_cast<QWidget*>(f.eindeckung->cmbSpeichernE)
                                 : static_cast<QWidget*>(f.brennstoff->cmbBrennstoffSpeichern)));
    if (fall.meldung == nullptr) {
      EXPECT_EQ(Meldungen().size(), gezeigt);
      continue;
    }
    ASSERT_EQ(Meldungen().size(), gezeigt + 1);
    EXPECT_EQ(Meldungen().back(), *fall.meldung);
    EXPECT_EQ(Tabelleninhalt(Vantel(), tabelle), vorher);
    EXPECT_EQ(box->text(), QString::fromUtf8(fall.angezeigt));
    if (fall.meldung == &pruefen) {
      EXPECT_EQ(FocusWidget(), box);
    }
  }
}

// "Speichern" stores a price as typed and refuses one the calculation cannot use.
TEST_F(EnergieTest, ThePriceIsCheckedThenStoredAsTyped) {
  frmEinstellungen& f = Tab();
  const std::string vorher = state().enterprise.AktuelleEinstellungen.Strom;
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::TypeInto(f.txtKWH, QStringLiteral("-5")));
  ASSERT_TRUE(test::Click(f.cmbStromOK));
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].text, QStringLiteral("Überprüfen sie bitte ihre Werte"));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, vorher);
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Strom"), std::vector<std::string>{vorher});
  ASSERT_TRUE(test::TypeInto(f.txtKWH, QStringLiteral("0,18")));
  ASSERT_TRUE(test::Click(f.cmbStromOK));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, "0,18");
  EXPECT_EQ(Spalte(Tolvar(), "BetriebEinstellungen", "Strom"), std::vector<std::string>{"0,18"});
}

TEST_F(EnergieTest, StandAloneWindowsCloseAfterASaveAndTheCoveringsAlsoOnCancel) {
  frmBrennstoff& b = frmBrennstoff::instanz();
  b.Show();
  ASSERT_TRUE(ActivateWindowOf(&b));
  EXPECT_EQ(b.editor->txtName[1]->text(), QStringLiteral("Heizöl EL (l)"));
  ASSERT_TRUE(Click(b.editor->cmbBrennstoffAbbruch));
  ProcessEvents();
  EXPECT_TRUE(frmBrennstoff::IsLoaded());
  ASSERT_TRUE(TypeInto(b.editor->txtPreis[1], QStringLiteral("1,05")));
  ASSERT_TRUE(Click(b.editor->cmbBrennstoffSpeichern));
  ProcessEvents();
  EXPECT_FALSE(frmBrennstoff::IsLoaded());
  EXPECT_EQ(Spalte(Vantel(), "Heizmaterialien", "Preis").front(), "1,05");

  frmEindeckung& e = frmEindeckung::instanz();
  e.Show();
  ASSERT_TRUE(Click(e.editor->cmbAbbruchE));
  ProcessEvents();
  EXPECT_FALSE(frmEindeckung::IsLoaded());
}

}  // namespace
}  // namespace tolvar::test
