// The marketing window on the sample enterprise: the culture's own percentage, flat or from
// the enterprise's turnover, its take-over, and the take-over of a comparison culture.
#include "calculation/ui/frmVermarktungInfo.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculation/ui/frmVermarktungskostenMenu.h"
#include "frmKalkulation_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"
#include "support/ui_input.h"

namespace tolvar {
namespace {

class VermarktungInfoTest : public test::KalkulationFensterBasis {
 protected:
  void SetUp() override {
    test::KalkulationFensterBasis::SetUp();
    Berechnen("K1003", "3,20");
  }
  // Opens the window through the marketing line's "[Menü]" with option `option` (0 or 2).
  frmVermarktungInfo& Oeffnen(int option) {
    EXPECT_TRUE(test::Click(Fenster().cmbVermarktungskostenMenu()));
    frmVermarktungskostenMenu& menue = frmVermarktungskostenMenu::instanz();
    EXPECT_TRUE(test::Click(menue.opbHerkunft->Button(option)));
    EXPECT_TRUE(test::Click(menue.cmbOK));
    test::ProcessEvents();
    return frmVermarktungInfo::instanz();
  }
  static void Ok(frmVermarktungInfo& f) { ASSERT_TRUE(test::Click(f.cmbOK)); }
  static void Schliessen() { test::ProcessEvents(); }
  QString Vermarktung() { return Fenster().txtVermarktung()->text(); }
};

TEST_F(VermarktungInfoTest, TurnoverGivesTheEnterprisePercentageAndItsTakeOver) {
  frmVermarktungInfo& f = Oeffnen(0);
  ASSERT_TRUE(test::Click(f.opbVermarktung->Button(0)));
  EXPECT_TRUE(f.fraUmsatz->isVisibleTo(&f));
  EXPECT_FALSE(f.fraVermarktungskosten->isVisibleTo(&f));
  EXPECT_EQ(f.focusWidget(), f.txtUmsatz);
  ASSERT_TRUE(test::TypeInto(f.txtUmsatz, QStringLiteral("100000")));
  ASSERT_TRUE(test::TypeInto(f.txtVermarktungskosten, QStringLiteral("5000")));
  ASSERT_TRUE(test::Click(f.cmbUmsatzOK));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, "5");
  EXPECT_EQ(f.txtVermarktung->text(), QStringLiteral("5"));
  EXPECT_FALSE(f.fraUmsatz->isVisibleTo(&f));
  EXPECT_TRUE(f.fraVermarktungskosten->isVisibleTo(&f));
  EXPECT_EQ(f.opbVermarktung->Selected(), -1);

  ASSERT_TRUE(test::TypeInto(Fenster().txtPreis, QStringLiteral("2,00")));
  Ok(f);
  Schliessen();
  EXPECT_FALSE(frmVermarktungInfo::IsLoaded());
  // The recalculation on closing leaves the culture's own marketing cost alone.
  EXPECT_EQ(Vermarktung(), QStringLiteral("100,00"));
  EXPECT_EQ(state().calculation.HerkunftVermarktung(), 0);
}

TEST_F(VermarktungInfoTest, TurnoverThatGivesNoNumberKeepsTheEnterprisePercentage) {
  const struct {
    const char* umsatz;
    const char* kosten;
  } faelle[] = {{"", "5000"}, {"100000", ""}, {"0", "5000"}, {"1.000", "5000"}, {"1", "1e13"}};
  const std::string vorher = state().enterprise.AktuelleEinstellungen.Vermarktungskosten;
  frmVermarktungInfo& f = Oeffnen(0);
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.umsatz) + " / " + fall.kosten);
    ASSERT_TRUE(test::Click(f.opbVermarktung->Button(0)));
    ASSERT_TRUE(test::TypeInto(f.txtUmsatz, ui::Q(fall.umsatz)));
    ASSERT_TRUE(test::TypeInto(f.txtVermarktungskosten, ui::Q(fall.kosten)));
    ASSERT_TRUE(test::Click(f.cmbUmsatzOK));
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, vorher);
    EXPECT_EQ(ui::S(f.txtVermarktung->text()), vorher);
  }
}

TEST_F(VermarktungInfoTest, EmptyPercentageTakesOverZero) {
  frmVermarktungInfo& f = Oeffnen(0);
  Ok(f);
  Schliessen();
  EXPECT_EQ(Vermarktung(), QStringLiteral("0,00"));
}

TEST_F(VermarktungInfoTest, ResetSelectsTheFlatPercentageWithAnEmptyBox) {
  frmVermarktungInfo& f = Oeffnen(0);
  ASSERT_TRUE(test::TypeInto(f.txtVermarktung, QStringLiteral("7")));
  ASSERT_TRUE(test::Click(f.opbVermarktung->Button(0)));
  ASSERT_TRUE(test::Click(f.cmbReset));
  EXPECT_EQ(f.opbVermarktung->Selected(), 1);
  EXPECT_FALSE(f.fraUmsatz->isVisibleTo(&f));
  EXPECT_TRUE(f.fraVermarktungskosten->isVisibleTo(&f));
  EXPECT_TRUE(f.txtVermarktung->text().isEmpty());
  EXPECT_EQ(f.focusWidget(), f.txtVermarktung);
}

// A take-over that cannot be computed keeps the window open: an empty price is a value not
// entered, a price or percentage that is no number one to check.
TEST_F(VermarktungInfoTest, TakeOverThatGivesNoNumberIsRefusedAndTheWindowStays) {
  const struct {
    const char* preis;
    const char* anteil;
    const char* meldung;
  } faelle[] = {{"1,2,3", "5", "Überprüfen sie bitte ihre Werte"},
                {"2,00", "1,2,3", "Überprüfen sie bitte ihre Werte"},
                {"", "5", "Sie haben nicht alle notwendigen Werte eingegeben"}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(std::string(fall.preis) + " x " + fall.anteil);
    frmVermarktungInfo& f = Oeffnen(0);
    ASSERT_TRUE(test::TypeInto(f.txtVermarktung, ui::Q(fall.anteil)));
    const QString vorher = Vermarktung();
    ASSERT_TRUE(test::TypeInto(Fenster().txtPreis, ui::Q(fall.preis)));
    const std::size_t gezeigt = Meldungen().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    Ok(f);
    Schliessen();
    ASSERT_EQ(Meldungen().size(), gezeigt + 1);
    EXPECT_EQ(Meldungen().back(), ui::Q(fall.meldung));
    EXPECT_TRUE(frmVermarktungInfo::IsLoaded());
    EXPECT_EQ(Vermarktung(), vorher);
    // Closing recalculates the calculation window, which needs its price.
    ASSERT_TRUE(test::TypeInto(Fenster().txtPreis, QStringLiteral("3,20")));
    f.Unload();
    Schliessen();
  }
}

// Negative amounts and shares above 100 are percentages like any other; a negative share
// gives a negative marketing cost.
TEST_F(VermarktungInfoTest, TurnoverTakesNegativeAmountsAndSharesAbove100) {
  const struct {
    const char* umsatz;
    const char* kosten;
    const char* anteil;
    const char* uebernommen;  // at a price of 2,00
  } faelle[] = {{"30000", "-300", "-1", "-20,00"}, {"30000", "40000", "133,333333333333", "2666,67"}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.anteil);
    frmVermarktungInfo& f = Oeffnen(0);
    ASSERT_TRUE(test::Click(f.opbVermarktung->Button(0)));
    ASSERT_TRUE(test::TypeInto(f.txtUmsatz, ui::Q(fall.umsatz)));
    ASSERT_TRUE(test::TypeInto(f.txtVermarktungskosten, ui::Q(fall.kosten)));
    ASSERT_TRUE(test::Click(f.cmbUmsatzOK));
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, fall.anteil);
    EXPECT_EQ(f.txtVermarktung->text(), ui::Q(fall.anteil));
    ASSERT_TRUE(test::TypeInto(Fenster().txtPreis, QStringLiteral("2,00")));
    Ok(f);
    Schliessen();
    EXPECT_FALSE(frmVermarktungInfo::IsLoaded());
    EXPECT_EQ(Vermarktung(), ui::Q(fall.uebernommen));
  }
}

TEST_F(VermarktungInfoTest, ComparisonTakeOverFormatsTheValueAndKeepsFlagTwo) {
  const struct {
    int eintrag;
    const char* wert;  // typed over the shown value; nullptr keeps it
    const char* uebernommen;
  } faelle[] = {{1, nullptr, "132,00"}, {0, "12,5", "12,50"}, {0, "", "0,00"}};
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.uebernommen);
    frmVermarktungInfo& f = Oeffnen(2);
    // Choosing an entry shows its value (the Cyclamen entry is graded "3").
    ASSERT_TRUE(test::ChooseEntry(f.comVergleichskulturen, fall.eintrag));
    if (fall.wert != nullptr) {
      ASSERT_TRUE(test::TypeInto(f.txtKostenVergleichskultur, ui::Q(fall.wert)));
    }
    Ok(f);
    Schliessen();
    EXPECT_FALSE(frmVermarktungInfo::IsLoaded());
    EXPECT_EQ(Vermarktung(), ui::Q(fall.uebernommen));
    EXPECT_EQ(state().calculation.HerkunftVermarktung(), 2);
  }
}

TEST_F(VermarktungInfoTest, TakeOverDoesNothingUnderAnyOtherFlag) {
  frmVermarktungInfo& f = Oeffnen(2);
  const QString vorher = Vermarktung();
  for (int16_t flag : {int16_t{1}, int16_t{3}}) {
    state().calculation.HerkunftVermarktung() = flag;
    Ok(f);
    Schliessen();
    EXPECT_TRUE(frmVermarktungInfo::IsLoaded());
    EXPECT_EQ(Vermarktung(), vorher);
  }
}

}  // namespace
}  // namespace tolvar
