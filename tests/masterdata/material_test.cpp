// The general material save and what the general material editor shows: the price per use,
// the defaults and offers, changes that replace exactly one row, and refusals that leave the
// table as it was.
#include "masterdata/material.h"

#include <gtest/gtest.h>

#include "data/mdlDatenLaden.h"
#include "material_testdb.h"

namespace tolvar {
namespace {

using masterdata::MaterialSpeichern;

class MaterialSpeichernTest : public test::MaterialDb {
 protected:
  static MaterialEingaben Eingaben(const std::string& code = "60030") {
    MaterialEingaben e;
    e.txtName = "Stecketikett";
    e.txtCode = code;
    e.txtMenge = "2";
    e.txtPreis = "0,5";
    return e;
  }
  static MaterialKontext Neu(const std::string& gruppe = "1005") { return {"Neu", "", gruppe}; }
};

TEST_F(MaterialSpeichernTest, StoresThePricePerUseAndShowsTheUnitPriceAgain) {
  MaterialEingaben e = Eingaben();
  e.txtPreis = "12,50";
  e.txtWdh = "5";
  e.opbBezug = 2;
  ASSERT_TRUE(MaterialSpeichern(Neu(), &e).gespeichert);

  EXPECT_EQ(VonNr("Material", "Bezug", "M1030"), std::vector<std::string>{"2"});
  EXPECT_EQ(VonNr("Material", "Wdh", "M1030"), std::vector<std::string>{"5"});
  EXPECT_EQ(VonNr("Material", "Preis", "M1030"), std::vector<std::string>{"2,5"});
  EXPECT_EQ(VonNr("Material", "UeberPNr", "M1030"), std::vector<std::string>{"1005"});
  EXPECT_EQ(VonNr("Material", "Gliederungspunkt", "M1030"), std::vector<std::string>{"0"});
  EXPECT_EQ(VonNr("Material", "ID", "M1030"), std::vector<std::string>{"140320250905077777"});
  EXPECT_EQ(VonNr("Material", "LetzteAenderung", "M1030"), std::vector<std::string>{"14.03.2025 09:05:07"});

  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  const MaterialSatz& m = state().masters.MaterialListe.back();
  const MaterialEingaben wieder = masterdata::MaterialEingabenLaden(m);
  EXPECT_EQ(wieder.txtPreis, "12,50");
  EXPECT_EQ(wieder.opbBezug, 2);
  EXPECT_EQ(wieder.txtWdh, "5");
  EXPECT_EQ(wieder.txtCode, "60030");
  EXPECT_EQ(wieder.txtMenge, "2");
}

TEST_F(MaterialSpeichernTest, EmptyReuseCountIsStoredAsOne) {
  MaterialEingaben e = Eingaben();
  e.txtWdh = "";
  e.txtPreis = "3,2";
  ASSERT_TRUE(MaterialSpeichern(Neu(), &e).gespeichert);
  EXPECT_EQ(e.txtWdh, "1");
  EXPECT_EQ(VonNr("Material", "Wdh", "M1030"), std::vector<std::string>{"1"});
  EXPECT_EQ(VonNr("Material", "Preis", "M1030"), std::vector<std::string>{"3,2"});
}

TEST_F(MaterialSpeichernTest, ShortNameDefaultsToTheFirstTenCharacters) {
  const struct { std::string name, kuerzel; } faelle[] = {{"Pflanzenhülle 13 cm", "Pflanzenhü"}, {"Vlies", "Vlies"}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    MaterialEingaben e = Eingaben(f.name == "Vlies" ? "60031" : "60030");
    e.txtName = f.name;
    ASSERT_TRUE(MaterialSpeichern(Neu(), &e).gespeichert);
    EXPECT_EQ(e.txtKuerzel, f.kuerzel);
    EXPECT_EQ(Spalte("Material", "Kuerzel", "Materialname = '" + f.name + "'"), std::vector<std::string>{f.kuerzel});
  }
}

TEST_F(MaterialSpeichernTest, EmptyUnitsAndPriceAreOfferedTheValueOne) {
  const struct {
    bool mengeLeer, preisLeer;
    std::deque<bool> antworten;
    bool gespeichert;
    std::string menge, preis;
  } faelle[] = {
      {true, false, {true}, true, "1", "0,5"},     {true, false, {false}, false, "", "0,5"},
      {false, true, {true}, true, "2", "1"},       {false, true, {false}, false, "2", ""},
      {true, true, {true, false}, false, "1", ""},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(testing::Message() << f.mengeLeer << f.preisLeer << f.antworten.size());
    const std::string vorher = Inhalt();
    MaterialEingaben e = Eingaben();
    if (f.mengeLeer) e.txtMenge.clear();
    if (f.preisLeer) e.txtPreis.clear();
    sink_.answers = f.antworten;
    sink_.questions.clear();
    const MaterialSpeicherergebnis r = MaterialSpeichern(Neu(), &e);
    EXPECT_EQ(r.gespeichert, f.gespeichert);
    EXPECT_EQ(e.txtMenge, f.menge);
    EXPECT_EQ(e.txtPreis, f.preis);
    EXPECT_EQ(sink_.questions.size(), f.antworten.size());
    if (f.gespeichert) {
      EXPECT_EQ(VonNr("Material", "Einheit", "M1030"), std::vector<std::string>{f.menge});
      Exec("DELETE FROM Material WHERE MaterialNr = 'M1030'");
    } else {
      EXPECT_EQ(Inhalt(), vorher);
    }
  }
  // The last case was asked for the units, then for the price.
  EXPECT_EQ(sink_.questions.back().text,
            "Sie haben keinen Preis eingegeben.\n\r\n\rSoll der Wert mit 1 bestzt werden?");
  EXPECT_EQ(sink_.questions.back().title, "Tolvar-Information");
  // The material editors' questions carry no icon.
  EXPECT_FALSE(sink_.questionIcons.back());
}

TEST_F(MaterialSpeichernTest, EmptyNameIsRefused) {
  const std::string vorher = Inhalt();
  MaterialEingaben e = Eingaben();
  e.txtName = "";
  e.txtKuerzel = "";
  const MaterialSpeicherergebnis r = MaterialSpeichern(Neu(), &e);
  EXPECT_FALSE(r.gespeichert);
  EXPECT_EQ(r.fokus, "txtName");
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text, "Sie müssen erst einen Namen vergeben");
  EXPECT_EQ(sink_.messages[0].style, data::MessageStyle::Critical);
  EXPECT_TRUE(sink_.questions.empty());
  EXPECT_EQ(Inhalt(), vorher);
}

TEST_F(MaterialSpeichernTest, EntriesThatAreNoNumbersAreRefusedBeforeAnythingIsDeleted) {
  Material("M1030", "1005", "Stab", 60030, 0, 1, "0,1", "4");
  const struct {
    std::string menge, preis, wdh, fokus;
  } faelle[] = {
      {",", "1", "1", "txtMenge"},  {"1", "1,2,3", "1", "txtPreis"}, {"1", "1", "0", "txtWdh"},
      {"1", "1", "abc", "txtWdh"},  {"1", "1", "-2", "txtWdh"},      {"-5", "1", "1", "txtMenge"},
      {"1", "-5", "1", "txtPreis"}, {"1", "1e308", "1", "txtPreis"}, {"1", "1", "1e308", "txtWdh"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.menge + " " + f.preis + " " + f.wdh);
    const std::string vorher = Inhalt();
    MaterialEingaben e = Eingaben();
    e.txtMenge = f.menge;
    e.txtPreis = f.preis;
    e.txtWdh = f.wdh;
    sink_.messages.clear();
    const MaterialSpeicherergebnis r = MaterialSpeichern({"Aendern", "M1030", "1005"}, &e);
    EXPECT_FALSE(r.gespeichert);
    EXPECT_EQ(r.fokus, f.fokus);
    EXPECT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(Inhalt(), vorher);
  }
}

TEST_F(MaterialSpeichernTest, ChangeReplacesExactlyTheOpenedMaterialAndKeepsItsGroup) {
  Material("M1030", "1005", "Stab", 60030, 0, 1, "0,1", "4");
  Material("M1031", "1005", "Vlies", 60031, 0, 3, "0,12", "5");
  MaterialEingaben e = Eingaben();
  e.txtName = "Stab 80 cm";
  // The tree selection has moved elsewhere meanwhile; the context still names the material.
  state().selection.AktuelleUeberPNr = "1002";
  state().selection.MaterialIndex = 3;
  ASSERT_TRUE(MaterialSpeichern({"Aendern", "M1030", "1005"}, &e).gespeichert);

  EXPECT_EQ(VonNr("Material", "Materialname", "M1030"), std::vector<std::string>{"Stab 80 cm"});
  EXPECT_EQ(VonNr("Material", "UeberPNr", "M1030"), std::vector<std::string>{"1005"});
  EXPECT_EQ(VonNr("Material", "ID", "M1030"), std::vector<std::string>{"140320250905077777"});
  EXPECT_EQ(VonNr("Material", "Materialname", "M1031"), std::vector<std::string>{"Vlies"});
  // The changed row is appended at the end.
  EXPECT_EQ(Spalte("Material", "MaterialNr", "UeberPNr = '1005'"), (std::vector<std::string>{"M1031", "M1030"}));
}

TEST_F(MaterialSpeichernTest, ChangeWhoseRowIsMissingAddsTheRowAllTheSame) {
  MaterialEingaben e = Eingaben();
  ASSERT_TRUE(MaterialSpeichern({"Aendern", "M1030", "1005"}, &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Materialname", "M1030"), std::vector<std::string>{"Stecketikett"});
}

TEST_F(MaterialSpeichernTest, ChangeThatCannotBeWrittenKeepsTheOldRow) {
  Material("M1030", "1005", "Stab", 60030, 0, 1, "0,1", "4");
  EinfuegenSperren("Material");
  const std::string vorher = Inhalt();
  MaterialEingaben e = Eingaben();
  EXPECT_FALSE(MaterialSpeichern({"Aendern", "M1030", "1005"}, &e).gespeichert);
  EXPECT_EQ(Inhalt(), vorher);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].style, data::MessageStyle::Critical);
}

TEST_F(MaterialSpeichernTest, NewMaterialMustNotTakeANumberInUse) {
  Material("M1030", "1005", "Stab", 60030, 0, 1, "0,1", "4");
  const struct {
    std::string code;
    bool gespeichert;
  } faelle[] = {{"61030", false}, {"61004", false}, {"61000", false}, {"6x031", false}, {"61031", true}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.code);
    const std::string vorher = Inhalt();
    MaterialEingaben e = Eingaben(f.code);
    EXPECT_EQ(MaterialSpeichern(Neu(), &e).gespeichert, f.gespeichert);
    if (!f.gespeichert) {
      EXPECT_EQ(Inhalt(), vorher);
    }
  }
  EXPECT_EQ(VonNr("Material", "Barcode", "M1031"), std::vector<std::string>{"61031"});
}

TEST_F(MaterialSpeichernTest, MissingDatabaseIsReportedNotSaved) {
  state().enterprise.AktuelleEinstellungen.MaterialPfad = dir_.Join("fehlt.mdb");
  MaterialEingaben e = Eingaben();
  EXPECT_FALSE(MaterialSpeichern(Neu(), &e).gespeichert);
  EXPECT_EQ(sink_.messages.size(), 1u);
}

TEST(MaterialEditor, LoadingAStoredMaterial) {
  const struct {
    int16_t bezug;
    std::string preis, wdh;
    int option;
    std::string txtPreis, txtMenge;
  } faelle[] = {
      {2, "2,5", "5", 2, "12,50", "3"},
      {4, "0,125", "1", 4, "0,13", "3"},
      {0, "2,5", "5", 1, "", ""},
      {1, "abc", "1", 1, "", ""},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.bezug);
    MaterialSatz m;
    m.Materialname = "Stab";
    m.Barcode = 60030;
    m.Bezug = f.bezug;
    m.Preis = f.preis;
    m.Wdh = f.wdh;
    m.Einheit = "3";
    m.Aktuell = false;
    const MaterialEingaben e = masterdata::MaterialEingabenLaden(m);
    EXPECT_EQ(e.opbBezug, f.option);
    EXPECT_EQ(e.txtPreis, f.txtPreis);
    EXPECT_EQ(e.txtMenge, f.txtMenge);
    EXPECT_EQ(e.txtWdh, f.wdh);
    EXPECT_FALSE(e.chbAktuell);
  }
}

TEST(MaterialEditor, SetUpByGroup) {
  using E = masterdata::MaterialFensterEinrichtung;
  const struct {
    std::string gruppe;
    bool wdh, flaechen, aufwand, rechner, maschinen;
    std::string thema;
  } faelle[] = {
      {"M1002", false, true, false, true, false, "5.3.4"}, {"M1003", true, false, false, true, false, "5.3.5"},
      {"M1004", false, true, true, false, false, "5.3.6"}, {"M1005", true, true, false, true, false, "5.3.7"},
      {"M1006", true, true, false, true, false, "5.3.8"},  {"M1009", false, true, false, false, true, "5.3.9"},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.gruppe);
    const E e = masterdata::MaterialFensterEinrichten(f.gruppe);
    EXPECT_EQ(e.Wiederverwendung, f.wdh);
    EXPECT_EQ(e.Flaechenoptionen, f.flaechen);
    EXPECT_EQ(e.Aufwandmenge, f.aufwand);
    EXPECT_EQ(e.Rechner, f.rechner);
    EXPECT_EQ(e.Maschinenkosten, f.maschinen);
    EXPECT_EQ(e.HilfeThema, f.thema);
  }
}

TEST(MaterialEditor, ReferenceQuantityTexts) {
  EXPECT_EQ(masterdata::BezugsgroesseBeschriften(2)->Option, "Einheiten je 1000 Pflanzen");
  EXPECT_EQ(masterdata::BezugsgroesseBeschriften(4)->Aufwandmenge, "l/1000Nm² ");
  EXPECT_EQ(masterdata::BezugsgroesseBeschriften(3)->Kosten, "€/Nm²");
  EXPECT_FALSE(masterdata::BezugsgroesseBeschriften(0));
}

}  // namespace
}  // namespace tolvar
