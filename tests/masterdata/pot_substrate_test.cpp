// Pot-substrate combinations: the price rule, the editor's lists, stored pair and price
// display, and the save.
#include "masterdata/pot_substrate.h"

#include <gtest/gtest.h>

#include "data/mdlDatenLaden.h"
#include "material_testdb.h"

namespace tolvar {
namespace {

using namespace masterdata;

TEST(KombinationsPreis, FollowsPotAndSubstrateReference) {
  const struct {
    double p, v;
    int topf, substrat;
    double s;
    std::string preis;
  } faelle[] = {
      {0.15, 0.5, 1, 2, 40, "0,17"},     // f = 0,04
      {150, 0.5, 2, 1, 0.08, "190,00"},  // f = 80
      {0.1, 2, 1, 1, 0.05, "0,20"},     {100, 2, 2, 2, 40, "180,00"},
      {0.1, 2, 1, 0, 0.05, "0,10"},  // a substrate without reference adds nothing
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.preis);
    EXPECT_EQ(KombinationsPreis(f.p, f.v, f.topf, f.substrat, f.s), f.preis);
  }
}

class KombinationTest : public test::MaterialDb {
 protected:
  KombinationTest() {
    Material("M1030", "1007", "Topf 12 cm", 60030, 0, 1, "0,15");
    Material("M1031", "1008", "Erde", 60031, 0, 2, "40");
    Material("M1032", "1002", "Topf 12 cm", 60032, 0, 1, "99");  // same name, other group
    Material("M1033", "1007", "Topf 2", 60033, 0, 2, "150");
    Material("M1034", "1008", "Torf", 60034, 0, 1, "0,08");
    Material("M1035", "1001", "Kombi", 60035, 0, 1, "0,11");
    Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,5')");
    Exec("INSERT INTO Gefaesse VALUES ('M1033', '0,5')");
    Exec("INSERT INTO Topfsubstrat VALUES ('M1035', 'M1030', 'M1031')");
    EXPECT_TRUE(mdlDatenLaden::MaterialienLaden());
    EXPECT_TRUE(mdlTopfSubstrate::GefaesseLaden());
  }
  static TopfsubstratEingaben Eingaben() {
    TopfsubstratEingaben e;
    e.txtName = "Topf 12 cm mit Einheitserde";
    e.txtCode = "61042";
    e.txtPreis = "0,17";
    e.TopfNr = "M1030";
    e.SubstratNr = "M1031";
    return e;
  }
};

TEST_F(KombinationTest, ListsHoldOnlyTheirGroup) {
  const auto toepfe = TopfListe(state().masters);
  ASSERT_EQ(toepfe.size(), 2u);
  EXPECT_EQ(toepfe[0].MaterialNr, "M1030");
  EXPECT_EQ(toepfe[1].MaterialNr, "M1033");
  EXPECT_EQ(SubstratListe(state().masters).size(), 2u);
}

TEST_F(KombinationTest, PriceDisplayUsesThePotOfItsGroup) {
  const struct {
    std::string topf, substrat;
    int option;
    std::string preis;
    int neueOption;
  } faelle[] = {
      {"M1030", "M1031", 2, "0,17", 1},
      {"M1033", "M1034", 1, "190,00", 2},
      {"M1032", "M1031", 1, "0,00", 1},  // not a pot: price 0, volume 0
      {"", "M1034", 2, "0,00", 2},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.topf + f.substrat);
    const auto info = KalkulationsinfoBerechnen(state().masters, f.topf, f.substrat, f.option);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->txtPreis, f.preis);
    EXPECT_EQ(info->opbBezug, f.neueOption);
  }
  state().masters.GefaessListe[0].Volumen = ",";
  EXPECT_FALSE(KalkulationsinfoBerechnen(state().masters, "M1030", "M1031", 1));
}

TEST_F(KombinationTest, StoredPair) {
  const Kombinationspaar paar = GespeichertesPaar("M1035");
  EXPECT_EQ(paar.TopfNr, "M1030");
  EXPECT_EQ(paar.SubstratNr, "M1031");
  EXPECT_EQ(GespeichertesPaar("M1099").TopfNr, "");
}

TEST_F(KombinationTest, NewCombinationTakesItsNumberFromTheBarcode) {
  TopfsubstratEingaben e = Eingaben();
  ASSERT_TRUE(TopfsubstratSpeichern({"Neu", "", "1001"}, &e).gespeichert);
  EXPECT_EQ(e.txtKuerzel, "Topf 12 cm");
  EXPECT_EQ(VonNr("Material", "Preis", "M1042"), std::vector<std::string>{"0,17"});
  EXPECT_EQ(VonNr("Material", "UeberPNr", "M1042"), std::vector<std::string>{"1001"});
  EXPECT_EQ(VonNr("Material", "Wdh", "M1042"), std::vector<std::string>{"1"});
  EXPECT_EQ(VonNr("Material", "Einheit", "M1042"), std::vector<std::string>{"1"});
  EXPECT_EQ(VonNr("Topfsubstrat", "TopfNr", "M1042"), std::vector<std::string>{"M1030"});
  EXPECT_EQ(VonNr("Topfsubstrat", "SubstratNr", "M1042"), std::vector<std::string>{"M1031"});
}

TEST_F(KombinationTest, ChangeLeavesOneRowInEachTable) {
  TopfsubstratEingaben e = Eingaben();
  e.txtCode = "60035";
  e.TopfNr = "M1033";
  e.SubstratNr = "M1034";
  e.opbBezug = 2;
  e.txtPreis = "190,00";
  ASSERT_TRUE(TopfsubstratSpeichern({"Aendern", "M1035", "1001"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Bezug", "M1035"), std::vector<std::string>{"2"});
  EXPECT_EQ(VonNr("Topfsubstrat", "TopfNr", "M1035"), std::vector<std::string>{"M1033"});
}

TEST_F(KombinationTest, RefusalsWriteNothing) {
  const struct {
    std::string name, preis, meldung;
  } faelle[] = {{"", "0,17", "Sie müssen erst einen Namen vergeben"},
                {"Kombi", "", "Der Wert für \"Preis\" ist keine gültige Zahl."}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.meldung);
    const std::string vorher = Inhalt();
    TopfsubstratEingaben e = Eingaben();
    e.txtName = f.name;
    e.txtPreis = f.preis;
    sink_.messages.clear();
    EXPECT_FALSE(TopfsubstratSpeichern({"Aendern", "M1035", "1001"}, &e).gespeichert);
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, f.meldung);
    EXPECT_EQ(Inhalt(), vorher);
  }
}

TEST_F(KombinationTest, PriceUpdateOfAnUnusedPotChangesNothing) {
  const std::string vorher = Inhalt();
  EXPECT_TRUE(TopfsubstratPreisAktualisieren(true, "M1033"));
  EXPECT_EQ(Inhalt(), vorher);
  EXPECT_TRUE(TopfsubstratPreisAktualisieren(true, "M1030"));
  EXPECT_EQ(VonNr("Material", "Preis", "M1035"), std::vector<std::string>{"0,17"});
}

}  // namespace
}  // namespace tolvar
