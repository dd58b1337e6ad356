// The rule of a material's price, followed by every writer of the column: the general material,
// pot, substrate and combination saves take or refuse a text alike, and the combination prices
// a pot or substrate save works out are checked by the same rule before anything is written.
#include "masterdata/material_row.h"

#include <gtest/gtest.h>

#include <functional>

#include "masterdata/material.h"
#include "masterdata/pot.h"
#include "masterdata/pot_substrate.h"
#include "masterdata/substrate.h"
#include "material_testdb.h"

namespace tolvar {
namespace {

using namespace masterdata;

class PreisregelTest : public test::MaterialDb {
 protected:
  PreisregelTest() {
    Material("M1030", "1007", "Topf 12 cm", 60030, 0, 1, "0,1");
    Material("M1031", "1008", "Einheitserde", 60031, 0, 1, "2");
    Material("M1032", "1001", "Topf 12 cm mit Einheitserde", 60032, 0, 1, "0,5");
    Material("M1040", "1002", "Etikett", 60040, 0, 1, "0,03");
    Exec("INSERT INTO Gefaesse VALUES ('M1030', '0,2')");
    Exec("INSERT INTO Topfsubstrat VALUES ('M1032', 'M1030', 'M1031')");
  }
};

// Each writer of Material.Preis, given the price box's text; true when it stored.
struct Schreiber {
  const char* name;
  std::function<bool(const std::string&)> speichern;
};

TEST_F(PreisregelTest, EveryWriterTakesOrRefusesAPriceAlike) {
  const Schreiber schreiber[] = {
      {"Material",
       [](const std::string& preis) {
         MaterialEingaben e{.txtName = "Etikett",
                            .txtKuerzel = "",
                            .txtCode = "60040",
                            .txtBemerkungen = "",
                            .txtMenge = "1",
                            .txtPreis = preis};
         return MaterialSpeichern({"Aendern", "M1040", "1002"}, &e).gespeichert;
       }},
      {"Topf",
       [](const std::string& preis) {
         TopfEingaben e{.txtName = "Topf 12 cm",
                        .txtKuerzel = "",
                        .txtCode = "60030",
                        .txtBemerkungen = "",
                        .txtMenge = "1",
                        .txtPreis = preis,
                        .txtWdh = "1",
                        .txtVolumen = "0,2"};
         return TopfSpeichern({"Aendern", "M1030", "1007"}, &e).gespeichert;
       }},
      {"Substrat",
       [](const std::string& preis) {
         SubstratEingaben e{
             .txtName = "Einheitserde", .txtKuerzel = "", .txtCode = "60031", .txtBemerkungen = "", .txtPreis = preis};
         return SubstratSpeichern({"Aendern", "M1031", "1008"}, &e).gespeichert;
       }},
      {"Kombination",
       [](const std::string& preis) {
         TopfsubstratEingaben e;
         e.txtName = "Topf 12 cm mit Einheitserde";
         e.txtCode = "60032";
         e.txtPreis = preis;
         e.TopfNr = "M1030";
         e.SubstratNr = "M1031";
         return TopfsubstratSpeichern({"Aendern", "M1032", "1001"}, &e).gespeichert;
       }},
  };
  struct Fall {
    const char* text;
    bool gespeichert;
  };
  // An empty box is offered the value 1 by three of the editors; No refuses it everywhere.
  const Fall faelle[] = {{"1e308", false}, {"-5", false},           {"1,5", true},    {"", false},
                         {"0", true},      {"1000000000000", true}, {"1.500", false}, {"1000000000000,01", false},
                         {"abc", false}};
  for (const Schreiber& s : schreiber) {
    for (const Fall& f : faelle) {
      SCOPED_TRACE(std::string(s.name) + " \"" + f.text + "\"");
      // A pot's price of 10^12 gives its combination a price beyond the bound, the case of the
      // test below.
      const bool gespeichert =
          f.gespeichert && !(std::string(f.text) == "1000000000000" && std::string(s.name) == "Topf");
      const std::string vorher = Inhalt();
      sink_.messages.clear();
      const bool frage = *f.text == 0 && std::string(s.name) != "Kombination";
      if (frage) sink_.answers.push_back(false);
      EXPECT_EQ(s.speichern(f.text), gespeichert);
      EXPECT_TRUE(sink_.answers.empty());
      if (!gespeichert) {
        EXPECT_EQ(Inhalt(), vorher);
        EXPECT_EQ(sink_.messages.size(), frage ? 0u : 1u);  // the question, or the message
      }
    }
  }
}

// A pot or substrate save works out the prices of the combinations that use it; a price beyond
// the rule of the Preis column refuses the whole save, naming the combination, and writes
// nothing. The editor stays open with the focus in the box that drives the price.
TEST_F(PreisregelTest, ARecomputedCombinationPriceBeyondItsRuleRefusesTheSave) {
  const std::string meldung =
      "Der neue Preis der Kombination \"Topf 12 cm mit Einheitserde\" muss eine Zahl von 0 bis 1.000.000.000.000 "
      "sein. Der Datensatz wurde nicht gespeichert.";
  {
    SCOPED_TRACE("1.000.000.000.000 l at 2 €/l");
    TopfEingaben e{.txtName = "Topf 12 cm",
                   .txtKuerzel = "",
                   .txtCode = "60030",
                   .txtBemerkungen = "",
                   .txtMenge = "1",
                   .txtPreis = "0,1",
                   .txtWdh = "1",
                   .txtVolumen = "1000000000000"};
    const std::string vorher = Inhalt();
    const MaterialSpeicherergebnis r = TopfSpeichern({"Aendern", "M1030", "1007"}, &e);
    EXPECT_FALSE(r.gespeichert);
    EXPECT_EQ(r.fokus, "txtVolumen");
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, meldung);
    EXPECT_EQ(Inhalt(), vorher);
  }
  {
    SCOPED_TRACE("1.000.000.000.000 €/l in 5 l");
    sink_.messages.clear();
    SubstratEingaben e{.txtName = "Einheitserde",
                       .txtKuerzel = "",
                       .txtCode = "60031",
                       .txtBemerkungen = "",
                       .txtPreis = "1000000000000"};
    Exec("UPDATE Gefaesse SET Volumen = '5' WHERE MaterialNr = 'M1030'");
    const std::string vorher = Inhalt();
    const MaterialSpeicherergebnis r = SubstratSpeichern({"Aendern", "M1031", "1008"}, &e);
    EXPECT_FALSE(r.gespeichert);
    EXPECT_EQ(r.fokus, "txtPreis");
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, meldung);
    EXPECT_EQ(Inhalt(), vorher);
  }
  // Within the bound the price is stored: 0,1 + 5 l × 2 €/l.
  SubstratEingaben e{
      .txtName = "Einheitserde", .txtKuerzel = "", .txtCode = "60031", .txtBemerkungen = "", .txtPreis = "2"};
  ASSERT_TRUE(SubstratSpeichern({"Aendern", "M1031", "1008"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Preis", "M1032"), std::vector<std::string>{"10,1"});
}

}  // namespace
}  // namespace tolvar
