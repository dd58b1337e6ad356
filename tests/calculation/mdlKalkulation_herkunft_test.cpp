// Origins of the cost types: button captions, the reset of the calculation window and the
// origin after taking over a comparison culture's value.

#include <gtest/gtest.h>

#include "calculation/mdlKalkulation.h"
#include "data/state.h"

namespace tolvar::mdlKalkulation {
namespace {

class HerkunftTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetState(); }
  void TearDown() override { ResetState(); }
};

TEST_F(HerkunftTest, CaptionTableByFlag) {
  struct Fall {
    Kostenart art;
    const char* eins;
    const char* zwei;
    const char* drei;
  };
  const Fall faelle[] = {
      {Kostenart::Heizung, "+ Heizung ***", "+ Heizung **", "+ Heizung *"},
      {Kostenart::Material, "+ Material ***", "+ Material **", "+ Material *"},
      {Kostenart::Energie, "+ elek.Energie ***", "+ elek.Energie **", "+ elek.Energie *"},
      {Kostenart::Maschinen, "+ Maschinen ***", "+ Maschinen **", "+ Maschinen *"},
      {Kostenart::PSM, "+ Material[Std] ***", "+ Material[Std] **", "+ Material[Std] *"},
      {Kostenart::Vermarktung, "+ Vermarktung ***", "+ Vermarktung **", "+ Vermarktung *"},
      {Kostenart::Arbeit, "- Arbeitskosten ***", "- Arbeitskosten **", "- Arbeitskosten *"},
      {Kostenart::Gemeinkosten, "- Gemeinkosten ***", "- Gemeinkosten **", "- Gemeinkosten *"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.eins);
    for (int16_t flag : {1, 2, 3}) {
      KalkulationsFenster fenster;
      state().calculation.HerkunftVon(f.art) = flag;
      KostenartenBeschriftungSetzen(fenster, state().calculation);
      EXPECT_EQ(fenster.Kostenknopf(f.art), flag == 1 ? f.eins : flag == 2 ? f.zwei : f.drei);
    }
    // A value outside the table leaves the caption as it was.
    KalkulationsFenster fenster;
    fenster.Kostenknopf(f.art) = "vorher";
    state().calculation.HerkunftVon(f.art) = f.art == Kostenart::Vermarktung ? 7 : 0;
    KostenartenBeschriftungSetzen(fenster, state().calculation);
    EXPECT_EQ(fenster.Kostenknopf(f.art), "vorher");
  }
}

TEST_F(HerkunftTest, MarketingZeroAndOneBothShowThreeStars) {
  for (int16_t flag : {0, 1}) {
    KalkulationsFenster fenster;
    state().calculation.HerkunftVermarktung() = flag;
    KostenartenBeschriftungSetzen(fenster, state().calculation);
    EXPECT_EQ(fenster.Kostenknopf(Kostenart::Vermarktung), "+ Vermarktung ***");
  }
}

TEST_F(HerkunftTest, ResetAfterTypedLabourAndItsCaptions) {
  KalkulationsFenster f;
  f.txtArbeit() = "12,00";
  f.txtName = "Weihnachtsstern";
  f.txtGewinn[1] = "1,00";
  f.txtGewinn[2] = "2,00";
  f.KostenknoepfeAktiv = f.MenueknoepfeAktiv = f.cmbStartAktiv = f.cmbErgebnisSpeichernAktiv = true;
  for (Kostenart art : kKostenarten) state().calculation.HerkunftVon(art) = 3;

  KalkulationZuruecksetzen(f, state().calculation);

  for (Kostenart art : kKostenarten) EXPECT_EQ(state().calculation.HerkunftVon(art), 1);
  EXPECT_EQ(f.txtArbeit(), "");
  EXPECT_EQ(f.txtName, "");
  EXPECT_EQ(f.txtGewinn[1], "");
  EXPECT_EQ(f.txtGewinn[2], "");
  EXPECT_EQ(f.Kostenknopf(Kostenart::Arbeit), "- Arbeitskosten ***");
  EXPECT_EQ(f.Kostenknopf(Kostenart::Heizung), "+ Heizkosten ***");
  EXPECT_EQ(f.Kostenknopf(Kostenart::Energie), " + elek.Energie ***");
  EXPECT_EQ(f.Kostenknopf(Kostenart::PSM), "+ Material[Std] ***");
  EXPECT_FALSE(f.KostenknoepfeAktiv || f.MenueknoepfeAktiv || f.cmbStartAktiv || f.cmbErgebnisSpeichernAktiv);

  KostenartenBeschriftungSetzen(f, state().calculation);
  EXPECT_EQ(f.Kostenknopf(Kostenart::Energie), "+ elek.Energie ***");
  EXPECT_EQ(f.Kostenknopf(Kostenart::Heizung), "+ Heizung ***");
}

TEST_F(HerkunftTest, TakeOverSetsOriginByStoredGrade) {
  struct Fall {
    const char* grad;
    int16_t bisher;
    int16_t erwartet;
  };
  const Fall faelle[] = {{"1", 1, 2}, {"2", 1, 3}, {"3", 1, 3}, {"9", 2, 3}, {"0", 1, 1}, {"", 2, 2}, {"10", 1, 1}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.grad);
    EXPECT_EQ(HerkunftNachUebernahme(f.grad, f.bisher), f.erwartet);
  }
  // Heating taken over from a culture with grade 3, then with grade 1.
  KalkulationsFenster fenster;
  state().calculation.HerkunftHeizung() = HerkunftNachUebernahme("3", state().calculation.HerkunftHeizung());
  KostenartenBeschriftungSetzen(fenster, state().calculation);
  EXPECT_EQ(fenster.Kostenknopf(Kostenart::Heizung), "+ Heizung *");
  state().calculation.HerkunftHeizung() = HerkunftNachUebernahme("1", state().calculation.HerkunftHeizung());
  KostenartenBeschriftungSetzen(fenster, state().calculation);
  EXPECT_EQ(fenster.Kostenknopf(Kostenart::Heizung), "+ Heizung **");
}

}  // namespace
}  // namespace tolvar::mdlKalkulation
