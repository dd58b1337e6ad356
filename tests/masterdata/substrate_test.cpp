// The substrate save and what the substrate editor shows.
#include "masterdata/substrate.h"

#include <gtest/gtest.h>

#include "data/mdlDatenLaden.h"
#include "material_testdb.h"

namespace tolvar {
namespace {

using masterdata::SubstratSpeichern;

class SubstratTest : public test::MaterialDb {
 protected:
  static SubstratEingaben Eingaben() {
    SubstratEingaben e;
    e.txtName = "Einheitserde";
    e.txtCode = "60030";
    e.txtPreis = "12,5";
    return e;
  }
};

TEST_F(SubstratTest, NewSubstrateIsNotCurrentUnlessTicked) { EXPECT_FALSE(SubstratEingaben{}.chbAktuell); }

TEST_F(SubstratTest, StoresPricePerCubicMetreAndShowsItAgain) {
  SubstratEingaben e = Eingaben();
  e.opbBezug = 2;
  ASSERT_TRUE(SubstratSpeichern({"Neu", "", "1008"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Bezug", "M1030"), std::vector<std::string>{"2"});
  EXPECT_EQ(VonNr("Material", "Einheit", "M1030"), std::vector<std::string>{"1"});
  EXPECT_EQ(VonNr("Material", "UeberPNr", "M1030"), std::vector<std::string>{"1008"});
  EXPECT_EQ(VonNr("Material", "Wdh", "M1030"), std::vector<std::string>{"<Null>"});
  EXPECT_EQ(VonNr("Material", "Aktuell", "M1030"), std::vector<std::string>{"0"});
  EXPECT_FALSE(state().selection.TopfGespeichert);

  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  const SubstratEingaben wieder = masterdata::SubstratEingabenLaden(state().masters.MaterialListe.back());
  EXPECT_EQ(wieder.txtPreis, "12,50");
  EXPECT_EQ(wieder.opbBezug, 2);
}

TEST_F(SubstratTest, PriceQuestionAndRefusals) {
  const struct {
    std::string name, preis;
    std::deque<bool> antworten;
    bool gespeichert;
    std::string fokus, meldung;
  } faelle[] = {
      {"", "1", {}, false, "txtName", "Sie müssen erst einen Namen vergeben"},
      {"Erde", "", {false}, false, "txtPreis", ""},
      {"Erde", ",", {}, false, "txtPreis", "Der Wert für \"Preis\" ist keine gültige Zahl."},
      {"Erde", "abc", {}, false, "txtPreis", "Der Wert für \"Preis\" ist keine gültige Zahl."},
      {"Erde", "-5", {}, false, "txtPreis", "Der Wert für \"Preis\" muss eine Zahl von 0 bis 1.000.000.000.000 sein."},
      {"Erde",
       "1e308",
       {},
       false,
       "txtPreis",
       "Der Wert für \"Preis\" muss eine Zahl von 0 bis 1.000.000.000.000 sein."},
      // A point is never read as a thousands point, and the message says so.
      {"Erde",
       "1.500",
       {},
       false,
       "txtPreis",
       "Der Wert für \"Preis\" ist keine gültige Zahl. Bitte geben Sie die Zahl ohne Tausenderpunkte ein."},
      {"Erde", "", {true}, true, "", ""},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name + "/" + f.preis);
    const std::string vorher = Inhalt();
    SubstratEingaben e = Eingaben();
    e.txtName = f.name;
    e.txtPreis = f.preis;
    sink_.answers = f.antworten;
    sink_.messages.clear();
    const MaterialSpeicherergebnis r = SubstratSpeichern({"Neu", "", "1008"}, &e);
    EXPECT_EQ(r.gespeichert, f.gespeichert);
    EXPECT_EQ(r.fokus, f.fokus);
    if (!f.meldung.empty()) {
      ASSERT_EQ(sink_.messages.size(), 1u);
      EXPECT_EQ(sink_.messages[0].text, f.meldung);
    }
    if (f.gespeichert) {
      EXPECT_EQ(VonNr("Material", "Preis", "M1030"), std::vector<std::string>{"1"});
    } else {
      EXPECT_EQ(Inhalt(), vorher);
    }
  }
}

TEST_F(SubstratTest, ChangeReplacesOneRowAndUpdatesEveryCombinationUsingIt) {
  Material("M1030", "1008", "Erde", 60030, 0, 2, "40");
  Material("M1031", "1007", "Topf 2", 60031, 0, 2, "150");
  Material("M1032", "1001", "Kombi A", 60032, 0, 2, "1");
  Material("M1033", "1001", "Kombi B", 60033, 0, 2, "1");
  Exec("INSERT INTO Gefaesse VALUES ('M1031', '0,5')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1032', 'M1031', 'M1030')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1033', 'M1031', 'M1030')");
  SubstratEingaben e = Eingaben();
  e.txtPreis = "0,08";
  e.opbBezug = 1;
  ASSERT_TRUE(SubstratSpeichern({"Aendern", "M1030", "1008"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Materialname", "M1030"), std::vector<std::string>{"Einheitserde"});
  // 150 + 0,5 l × 0,08 €/l × 1000
  EXPECT_EQ(VonNr("Material", "Preis", "M1032"), std::vector<std::string>{"190"});
  EXPECT_EQ(VonNr("Material", "Preis", "M1033"), std::vector<std::string>{"190"});
  EXPECT_EQ(VonNr("Material", "Bezug", "M1033"), std::vector<std::string>{"2"});
}

TEST_F(SubstratTest, LoadingWithAnUnknownReferenceLeavesThePriceEmpty) {
  MaterialSatz m;
  m.Bezug = 0;
  m.Preis = "3";
  const SubstratEingaben e = masterdata::SubstratEingabenLaden(m);
  EXPECT_EQ(e.txtPreis, "");
  EXPECT_EQ(e.opbBezug, 1);
}

}  // namespace
}  // namespace tolvar
