// The pot save and what the pot editor shows: price per use, the volume row, the offers of
// the value 1, changes that replace exactly the pot's two rows, and the combination prices
// that follow a saved pot.
#include "masterdata/pot.h"

#include <gtest/gtest.h>

#include "data/mdlDatenLaden.h"
#include "data/mdlTopfSubstrate.h"
#include "material_testdb.h"

namespace tolvar {
namespace {

using masterdata::TopfSpeichern;

class TopfTest : public test::MaterialDb {
 protected:
  static TopfEingaben Eingaben(const std::string& code = "60030") {
    TopfEingaben e;
    e.txtName = "Topf 11 cm";
    e.txtCode = code;
    e.txtMenge = "1";
    e.txtPreis = "6";
    e.txtWdh = "3";
    e.txtVolumen = "0,6";
    return e;
  }
  static MaterialKontext Neu() { return {"Neu", "", "1007"}; }
};

TEST_F(TopfTest, StoresBothRowsAndShowsThePotAsEntered) {
  TopfEingaben e = Eingaben();
  e.opbBezug = 2;
  e.chbAktuell = false;
  ASSERT_TRUE(TopfSpeichern(Neu(), &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Preis", "M1030"), std::vector<std::string>{"2"});
  EXPECT_EQ(VonNr("Material", "Bezug", "M1030"), std::vector<std::string>{"2"});
  EXPECT_EQ(VonNr("Material", "UeberPNr", "M1030"), std::vector<std::string>{"1007"});
  EXPECT_EQ(VonNr("Material", "Aktuell", "M1030"), std::vector<std::string>{"0"});
  EXPECT_EQ(VonNr("Gefaesse", "Volumen", "M1030"), std::vector<std::string>{"0,6"});
  EXPECT_TRUE(state().selection.TopfGespeichert);

  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  ASSERT_TRUE(mdlTopfSubstrate::GefaesseLaden());
  const TopfEingaben wieder = masterdata::TopfEingabenLaden(state().masters.MaterialListe.back(), state().masters);
  EXPECT_EQ(wieder.txtPreis, "6,00");
  EXPECT_EQ(wieder.txtWdh, "3");
  EXPECT_EQ(wieder.txtVolumen, "0,6");
  EXPECT_EQ(wieder.opbBezug, 2);
  EXPECT_FALSE(wieder.chbAktuell);
}

TEST_F(TopfTest, EmptyBoxesGetTheirDefaults) {
  const struct {
    std::string feld;
    std::deque<bool> antworten;
    bool gespeichert;
  } faelle[] = {
      {"Menge", {true}, true},   {"Menge", {false}, false},   {"Preis", {true}, true}, {"Preis", {false}, false},
      {"Volumen", {true}, true}, {"Volumen", {false}, false}, {"Wdh", {}, true},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.feld + (f.gespeichert ? " ja" : " nein"));
    const std::string vorher = Inhalt();
    TopfEingaben e = Eingaben();
    std::string* feld = f.feld == "Menge"     ? &e.txtMenge
                        : f.feld == "Preis"   ? &e.txtPreis
                        : f.feld == "Volumen" ? &e.txtVolumen
                                              : &e.txtWdh;
    feld->clear();
    sink_.answers = f.antworten;
    sink_.questions.clear();
    const MaterialSpeicherergebnis r = TopfSpeichern(Neu(), &e);
    EXPECT_EQ(r.gespeichert, f.gespeichert);
    // No to the offer puts the focus on the box the question was about.
    if (!f.gespeichert) {
      EXPECT_EQ(r.fokus, "txt" + f.feld);
    }
    EXPECT_EQ(sink_.questions.size(), f.antworten.size());
    if (f.gespeichert) {
      EXPECT_EQ(*feld, "1");
      Exec("DELETE FROM Material WHERE MaterialNr = 'M1030'");
      Exec("DELETE FROM Gefaesse WHERE MaterialNr = 'M1030'");
    } else {
      EXPECT_EQ(Inhalt(), vorher);
    }
  }
  EXPECT_EQ(sink_.questions.empty(), true);  // the reuse count is filled without a question
}

TEST_F(TopfTest, VolumeQuestionText) {
  TopfEingaben e = Eingaben();
  e.txtVolumen.clear();
  e.txtKuerzel.clear();
  e.txtName = "Topf 12 cm mit Untersetzer";
  sink_.answers.push_back(false);
  EXPECT_FALSE(TopfSpeichern(Neu(), &e).gespeichert);
  ASSERT_EQ(sink_.questions.size(), 1u);
  EXPECT_EQ(sink_.questions[0].text, "Sie haben keine Volumen eingegeben.\n\r\n\rSoll der Wert mit 1 bestzt werden?");
  // The short name was filled before the refusal and stays.
  EXPECT_EQ(e.txtKuerzel, "Topf 12 cm");
}

TEST_F(TopfTest, RefusalsWriteNothing) {
  const struct {
    std::string name, preis, wdh, volumen, fokus;
  } faelle[] = {
      {"", "6", "3", "1", "txtName"},
      {"T", ",", "3", "1", "txtPreis"},
      {"T", "6", "0", "1", "txtWdh"},
      {"T", "6", "3", ",", "txtVolumen"},
  };
  Material("M1030", "1007", "Topf alt", 60030, 0, 1, "0,1");
  Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,5')");
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fokus);
    const std::string vorher = Inhalt();
    TopfEingaben e = Eingaben();
    e.txtName = f.name;
    e.txtPreis = f.preis;
    e.txtWdh = f.wdh;
    e.txtVolumen = f.volumen;
    const MaterialSpeicherergebnis r = TopfSpeichern({"Aendern", "M1030", "1007"}, &e);
    EXPECT_FALSE(r.gespeichert);
    EXPECT_EQ(r.fokus, f.fokus);
    EXPECT_EQ(Inhalt(), vorher);
  }
}

TEST_F(TopfTest, ChangeReplacesExactlyOneRowOfEachTable) {
  Material("M1030", "1007", "Topf alt", 60030, 0, 1, "0,1");
  Material("M1031", "1007", "Topf anders", 60031, 0, 1, "0,2");
  Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,5')");
  Exec("INSERT INTO Gefaesse VALUES ('M1031', '0,7')");
  TopfEingaben e = Eingaben();
  ASSERT_TRUE(TopfSpeichern({"Aendern", "M1030", "1007"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Materialname", "M1030"), std::vector<std::string>{"Topf 11 cm"});
  EXPECT_EQ(VonNr("Gefaesse", "Volumen", "M1030"), std::vector<std::string>{"0,6"});
  EXPECT_EQ(Spalte("Gefaesse", "MaterialNr"), (std::vector<std::string>{"M1031", "M1030"}));
  EXPECT_EQ(VonNr("Material", "Materialname", "M1031"), std::vector<std::string>{"Topf anders"});
}

TEST_F(TopfTest, PotWithoutVolumeRowOpensWithEmptyVolume) {
  MaterialSatz m;
  m.MaterialNr = "M1030";
  m.Bezug = 1;
  m.Preis = "0,1";
  m.Wdh = "1";
  state().masters.GefaessListe = {{"M1031", "Anderer", "0,7"}};
  EXPECT_EQ(masterdata::TopfEingabenLaden(m, state().masters).txtVolumen, "");
}

TEST_F(TopfTest, SavingAPotUpdatesEveryCombinationThatUsesIt) {
  Material("M1030", "1007", "Topf", 60030, 0, 1, "0,1");
  Material("M1031", "1008", "Erde", 60031, 0, 2, "40");
  Material("M1032", "1001", "Kombi A", 60032, 0, 1, "0,11");
  Material("M1033", "1001", "Kombi B", 60033, 0, 1, "0,11");
  Material("M1034", "1001", "Kombi anderer Topf", 60034, 0, 1, "9,99");
  Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,5')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1032', 'M1030', 'M1031')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1033', 'M1030', 'M1031')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1034', 'M1099', 'M1031')");
  TopfEingaben e = Eingaben();
  e.txtPreis = "0,15";
  e.txtWdh = "1";
  e.txtVolumen = "0,5";
  ASSERT_TRUE(TopfSpeichern({"Aendern", "M1030", "1007"}, &e).gespeichert);
  // 0,15 + 0,5 l × 40 €/m³ / 1000
  EXPECT_EQ(VonNr("Material", "Preis", "M1032"), std::vector<std::string>{"0,17"});
  EXPECT_EQ(VonNr("Material", "Preis", "M1033"), std::vector<std::string>{"0,17"});
  EXPECT_EQ(VonNr("Material", "Preis", "M1034"), std::vector<std::string>{"9,99"});
}

TEST_F(TopfTest, CombinationUpdateFailureUndoesThePotSave) {
  Material("M1030", "1007", "Topf", 60030, 0, 1, "0,1");
  Material("M1031", "1008", "Erde", 60031, 0, 2, "40");
  Material("M1032", "1001", "Kombi", 60032, 0, 1, "0,11");
  Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,5')");
  Exec("INSERT INTO Topfsubstrat VALUES ('M1032', 'M1030', 'M1031')");
  Exec("CREATE TRIGGER sperre BEFORE UPDATE ON Material BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  const std::string vorher = Inhalt();
  TopfEingaben e = Eingaben();
  EXPECT_FALSE(TopfSpeichern({"Aendern", "M1030", "1007"}, &e).gespeichert);
  EXPECT_EQ(Inhalt(), vorher);
}

}  // namespace
}  // namespace tolvar
