// A site's greenhouse row between table Vantel and the editor's values: the lists, the
// new-house defaults, the load with its zero rule, the save rules, the replace and the copy
// of a group's data to its houses.

#include "heating/mdlVantel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/schema.h"

namespace tolvar::mdlVantel {
namespace {

const char* const kTechDaten = R"(
INSERT INTO "GWHMaterial" VALUES (1, 'Glas', 5.8, 90, 1);
INSERT INTO "GWHMaterial" VALUES (2, 'Mauer', 1.5, 0, 0);
INSERT INTO "GWHMaterial" VALUES (3, 'Folie', 6.8, 88, 1);
INSERT INTO "Heizmaterialien" VALUES (1, 'Öl', 10, 10.6, 0.9);
INSERT INTO "Heizmaterialien" VALUES (2, 'Gas', 10, 11.1, 0.8);)";

// A full row: site, length, width, overheads, walls "3", roof "5", paths "10", Venlo with 4
// spans, glass everywhere, left wall a boundary surface at 18 degrees, gas, screen on.
std::string Zeile(const std::string& nr, const std::string& gemeinkosten = "") {
  return "INSERT INTO \"Vantel\" VALUES ('" + nr + "', '40', '12,8', '" + gemeinkosten +
         "', '3', '5', '10', '2', '4', 'Glas', 'Glas', 'Glas', 'Glas', 'Glas', -1, -1, 0, -1, "
         "'0', '0', '18', '0', 'Gas', '90', -1, -1, '25', '1,1');";
}

class VantelTest : public testing::Test {
 protected:
  test::TempDir dir;
  std::string tolvar = dir.Join("Betrieb.Tolvar");
  std::string tech = dir.Join("TechDaten.mdb");
  std::string morvin = dir.Join("Betrieb.mdb");

  void SetUp() override {
    auto t = db::Database::Create(tolvar);
    ASSERT_TRUE(t && t->ExecuteScript(test::SchemaOf("Vantel")));
    auto v = db::Database::Create(tech);
    ASSERT_TRUE(v && v->ExecuteScript(test::SchemaOf({"Heizmaterialien", "GWHMaterial"}) + kTechDaten));
    auto m = db::Database::Create(morvin);
    ASSERT_TRUE(m && m->ExecuteScript(test::SchemaOf("Standort")));
  }

  void Ausfuehren(const std::string& pfad, const std::string& sql) {
    auto d = db::Database::Open(pfad);
    ASSERT_TRUE(d && d->ExecuteScript(sql)) << (d ? d->LastError() : "");
  }

  StandortFormular NeuesHaus() {
    StandortFormular f;
    NeuesGewaechshausVorbelegen(f, AuswahllistenLaden(tech));
    f.txtNr = "Sta1010";
    return f;
  }

  int Zeilenzahl(const std::string& nr) { return static_cast<int>(VantelZeilenLesen(tolvar, nr).size()); }
};

TEST_F(VantelTest, ListsOfferRoofCoveringsOnlyWhereSuitable) {
  const Auswahllisten listen = AuswahllistenLaden(tech);
  EXPECT_TRUE(listen.ok);
  EXPECT_EQ(listen.Dach, (std::vector<std::string>{"Glas", "Folie"}));
  EXPECT_EQ(listen.Wand, (std::vector<std::string>{"Glas", "Mauer", "Folie"}));
  EXPECT_EQ(listen.Brennstoffe, (std::vector<std::string>{"Öl", "Gas"}));

  EXPECT_FALSE(AuswahllistenLaden(dir.Join("fehlt.mdb")).ok);
}

TEST_F(VantelTest, NewHouseSavedUnchangedStoresTheDefaults) {
  StandortFormular f;
  f.txtWege = "12";  // kept by the defaults
  f.txtName = "alt";
  f.opbGruppe = true;
  f.opbStehL = kGrenzflaeche;
  f.txtGrenzStehL = "15";
  NeuesGewaechshausVorbelegen(f, AuswahllistenLaden(tech));
  EXPECT_TRUE(f.txtName.empty());
  EXPECT_FALSE(f.opbGruppe);
  EXPECT_TRUE(f.chbAktuell);
  EXPECT_TRUE(f.txtGrenzStehL.empty());
  f.txtNr = "Sta1010";

  ASSERT_TRUE(VantelZeileErsetzen(tolvar, "Sta1010", HeizdatenAusFormular(f, ""), false));
  const auto zeilen = VantelZeilenLesen(tolvar, "Sta1010");
  ASSERT_EQ(zeilen.size(), 1u);
  const VantelSatz& z = zeilen[0];
  EXPECT_EQ(z.Bauart, "1");
  EXPECT_EQ(z.Kappenzahl, "");
  EXPECT_EQ(z.Gemeinkosten, "");
  EXPECT_EQ(z.Wege, "12");
  EXPECT_EQ(z.EinDach, "Glas");
  for (const auto& c : {z.EinGiebelH, z.EinGiebelV, z.EinStehL, z.EinStehR}) EXPECT_EQ(c, "Glas");
  for (const auto& af : {z.AFGiebelH, z.AFGiebelV, z.AFStehL, z.AFStehR}) EXPECT_EQ(af, true);
  for (const auto& gt : {z.GTGiebelH, z.GTGiebelV, z.GTStehL, z.GTStehR}) EXPECT_EQ(gt, "0");
  EXPECT_EQ(z.Brennstoff, "Öl");
  EXPECT_EQ(z.Wirkungsgrad, "75");
  EXPECT_EQ(z.Brennwert, false);
  EXPECT_EQ(z.ESchirm, true);
  EXPECT_EQ(z.Einsparung, "20");
  EXPECT_EQ(z.Anpassung, "1");
}

TEST_F(VantelTest, SaveRulesOfTheForm) {
  struct Fall {
    const char* name;
    std::function<void(StandortFormular&)> aendern;
    std::function<void(const VantelSatz&)> pruefen;
  };
  const std::vector<Fall> faelle = {
      {"empty efficiency stores 85", [](StandortFormular& f) { f.txtWirkungsgrad.clear(); },
       [](const VantelSatz& z) { EXPECT_EQ(z.Wirkungsgrad, "85"); }},
      {"empty saving stores 20 whatever the factor",
       [](StandortFormular& f) {
         f.txtEinsparung.clear();
         f.txtFaktor = "2";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.Einsparung, "20");
         EXPECT_EQ(z.Anpassung, "2");
       }},
      {"empty factor is stored empty", [](StandortFormular& f) { f.txtFaktor.clear(); },
       [](const VantelSatz& z) { EXPECT_EQ(z.Anpassung, ""); }},
      {"screen off still stores the saving",
       [](StandortFormular& f) {
         f.chbEnergieschirm = false;
         f.txtEinsparung = "30";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.ESchirm, false);
         EXPECT_EQ(z.Einsparung, "30");
       }},
      {"a group stores zero length, width and overheads",
       [](StandortFormular& f) {
         f.opbGruppe = true;
         f.txtLaenge = "40";
         f.txtBreite = "10";
         f.txtStehwand = "9";
         f.txtGruStehwand = "3";
         f.txtGruHaus = "5";
         f.txtGruWege = "12,5";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.Laenge, "0");
         EXPECT_EQ(z.Breite, "0");
         EXPECT_EQ(z.Gemeinkosten, "0");
         EXPECT_EQ(z.Stehwand, "3");
         EXPECT_EQ(z.Dach, "5");
         EXPECT_EQ(z.Wege, "12,5");
       }},
      {"a house stores its boxes as typed and the overheads given",
       [](StandortFormular& f) {
         f.txtLaenge = "40,5";
         f.txtBreite = "";
         f.txtHaus = "abc";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.Laenge, "40,5");
         EXPECT_EQ(z.Breite, "");
         EXPECT_EQ(z.Dach, "abc");
         EXPECT_EQ(z.Gemeinkosten, "777");
       }},
      {"a boundary surface stores its temperature",
       [](StandortFormular& f) {
         FlaecheWaehlen(f, Flaeche::StehL, kGrenzflaeche);
         f.txtGrenzStehL = "18";
         FlaecheWaehlen(f, Flaeche::GiebelV, kGrenzflaeche);
         f.txtGrenzGiebelV = "";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.AFStehL, false);
         EXPECT_EQ(z.GTStehL, "18");
         EXPECT_EQ(z.AFGiebelV, false);
         EXPECT_EQ(z.GTGiebelV, "");
         EXPECT_EQ(z.AFStehR, true);
         EXPECT_EQ(z.GTStehR, "0");
       }},
      {"switching back to outer surface stores 0",
       [](StandortFormular& f) {
         FlaecheWaehlen(f, Flaeche::GiebelH, kGrenzflaeche);
         f.txtGrenzGiebelH = "12";
         FlaecheWaehlen(f, Flaeche::GiebelH, kAussenflaeche);
         EXPECT_EQ(f.txtGrenzGiebelH, "");
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.AFGiebelH, true);
         EXPECT_EQ(z.GTGiebelH, "0");
       }},
      {"Venlo with its span count",
       [](StandortFormular& f) {
         f.opbTyp = 2;
         f.txtKappenzahl = "4";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.Bauart, "2");
         EXPECT_EQ(z.Kappenzahl, "4");
       }},
      {"selected coverings and fuel",
       [](StandortFormular& f) {
         f.comEinDach = "Folie";
         f.comEinStehR = "Mauer";
         f.comBrennstoff = "Gas";
       },
       [](const VantelSatz& z) {
         EXPECT_EQ(z.EinDach, "Folie");
         EXPECT_EQ(z.EinStehR, "Mauer");
         EXPECT_EQ(z.Brennstoff, "Gas");
       }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    StandortFormular f = NeuesHaus();
    fall.aendern(f);
    fall.pruefen(HeizdatenAusFormular(f, "777"));
  }
}

TEST_F(VantelTest, TextsRoundTripUnchanged) {
  StandortFormular f = NeuesHaus();
  f.txtLaenge = "0,5";
  f.txtBreite = "";
  f.txtStehwand = "0";
  f.txtFaktor = "";
  ASSERT_TRUE(VantelZeileErsetzen(tolvar, "Sta1010", HeizdatenAusFormular(f, ""), false));
  const auto z = VantelZeilenLesen(tolvar, "Sta1010").at(0);
  EXPECT_EQ(z.Laenge, "0,5");
  EXPECT_EQ(z.Breite, "");
  EXPECT_EQ(z.Stehwand, "0");
  EXPECT_EQ(z.Anpassung, "");
}

TEST_F(VantelTest, ReplaceKeepsOverheadsAndLeavesOneRow) {
  Ausfuehren(tolvar, Zeile("Sta1002", "900") + Zeile("Sta1002", "1200") + Zeile("Sta1003", "50"));
  StandortFormular f = NeuesHaus();
  f.txtNr = "Sta1002";
  ASSERT_TRUE(VantelZeileErsetzen(tolvar, "Sta1002", HeizdatenAusFormular(f, ""), true));
  const auto zeilen = VantelZeilenLesen(tolvar, "Sta1002");
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].Gemeinkosten, "1200");  // the last row's
  EXPECT_EQ(VantelZeilenLesen(tolvar, "Sta1003").at(0).Gemeinkosten, "50");

  // A site without a row gets "0" overheads in change mode.
  f.txtNr = "Sta1004";
  ASSERT_TRUE(VantelZeileErsetzen(tolvar, "Sta1004", HeizdatenAusFormular(f, ""), true));
  EXPECT_EQ(VantelZeilenLesen(tolvar, "Sta1004").at(0).Gemeinkosten, "0");

  // Without keeping (a new record) a stray row under the number is replaced, overheads empty.
  Ausfuehren(tolvar, Zeile("Sta1010", "300"));
  f.txtNr = "Sta1010";
  ASSERT_TRUE(VantelZeileErsetzen(tolvar, "Sta1010", HeizdatenAusFormular(f, ""), false));
  const auto neu = VantelZeilenLesen(tolvar, "Sta1010");
  ASSERT_EQ(neu.size(), 1u);
  EXPECT_EQ(neu[0].Gemeinkosten, "");
  EXPECT_EQ(neu[0].Bauart, "1");
}

TEST_F(VantelTest, FailedReplaceLeavesTheOldRows) {
  Ausfuehren(tolvar, Zeile("Sta1002", "1200") +
                         "CREATE TRIGGER kein_einfuegen BEFORE INSERT ON \"Vantel\" "
                         "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
  StandortFormular f = NeuesHaus();
  f.txtNr = "Sta1002";
  std::string fehler;
  EXPECT_FALSE(VantelZeileErsetzen(tolvar, "Sta1002", HeizdatenAusFormular(f, ""), true, &fehler));
  EXPECT_NE(fehler.find("nicht gespeichert"), std::string::npos);
  const auto zeilen = VantelZeilenLesen(tolvar, "Sta1002");
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].Bauart, "2");
  EXPECT_EQ(zeilen[0].Gemeinkosten, "1200");

  EXPECT_FALSE(VantelZeileErsetzen(dir.Join("fehlt.Tolvar"), "Sta1002", HeizdatenAusFormular(f, ""), true));
}

TEST_F(VantelTest, ZeroRule) {
  EXPECT_EQ(Nullregel(std::nullopt), "0");
  EXPECT_EQ(Nullregel(std::string("0")), "0");
  EXPECT_EQ(Nullregel(std::string("")), "");
  EXPECT_EQ(Nullregel(std::string("0,0")), "0,0");
}

TEST_F(VantelTest, LoadShowsTheRowByItsRules) {
  StandortSatz haus;
  haus.StandortNr = "Sta1002";
  haus.Standortname = "Venlo-Haus 1";
  haus.Kuerzel = "Venlo 1";
  haus.Barcode = 300002;
  haus.Flaeche = "512";
  haus.Aktuell = false;

  // The stored row differs from the full row by the column named first.
  struct Fall {
    const char* sql;  // UPDATE applied to the stored row
    std::function<void(const StandortFormular&)> pruefen;
  };
  const std::vector<Fall> faelle = {
      {"",
       [](const StandortFormular& f) {
         EXPECT_EQ(f.txtName, "Venlo-Haus 1");
         EXPECT_EQ(f.txtCode, "300002");
         EXPECT_EQ(f.txtFlaeche, "512");
         EXPECT_EQ(f.txtNr, "Sta1002");
         EXPECT_FALSE(f.chbAktuell);
         EXPECT_FALSE(f.opbGruppe);
         EXPECT_EQ(f.txtLaenge, "40");
         EXPECT_EQ(f.txtBreite, "12,8");
         EXPECT_EQ(f.txtStehwand, "3");
         EXPECT_EQ(f.txtHaus, "5");
         EXPECT_EQ(f.txtWege, "10");
         EXPECT_EQ(f.opbTyp, 2);
         EXPECT_EQ(f.txtKappenzahl, "4");
         EXPECT_EQ(f.opbStehL, kGrenzflaeche);
         EXPECT_EQ(f.txtGrenzStehL, "18");
         EXPECT_EQ(f.opbStehR, kAussenflaeche);
         EXPECT_EQ(f.txtGrenzStehR, "");
         EXPECT_EQ(f.comBrennstoff, "Gas");
         EXPECT_TRUE(f.chbBrennwert);
         EXPECT_EQ(f.txtWirkungsgrad, "90");
         EXPECT_TRUE(f.chbEnergieschirm);
         EXPECT_EQ(f.txtEinsparung, "25");
         EXPECT_EQ(f.txtFaktor, "1,1");
       }},
      {"\"Anpassung\" = '0'", [](const StandortFormular& f) { EXPECT_EQ(f.txtFaktor, ""); }},
      {"\"Anpassung\" = NULL", [](const StandortFormular& f) { EXPECT_EQ(f.txtFaktor, ""); }},
      {"\"Wirkungsgrad\" = '0'", [](const StandortFormular& f) { EXPECT_EQ(f.txtWirkungsgrad, "75"); }},
      {"\"Länge\" = '0'", [](const StandortFormular& f) { EXPECT_EQ(f.txtLaenge, "0"); }},
      {"\"Länge\" = NULL", [](const StandortFormular& f) { EXPECT_EQ(f.txtLaenge, "0"); }},
      {"\"Länge\" = ''", [](const StandortFormular& f) { EXPECT_EQ(f.txtLaenge, ""); }},
      {"\"Kappenzahl\" = NULL", [](const StandortFormular& f) { EXPECT_EQ(f.txtKappenzahl, "0"); }},
      {"\"Bauart\" = '3'",
       [](const StandortFormular& f) {
         EXPECT_EQ(f.opbTyp, 3);
         EXPECT_EQ(f.txtKappenzahl, "");
       }},
      {"\"Bauart\" = '2,0'", [](const StandortFormular& f) { EXPECT_EQ(f.opbTyp, 2); }},
      {"\"Bauart\" = 'x'", [](const StandortFormular& f) { EXPECT_EQ(f.opbTyp, 1); }},
      {"\"Bauart\" = NULL", [](const StandortFormular& f) { EXPECT_EQ(f.opbTyp, 1); }},
      {"\"EinDach\" = 'Mauer'", [](const StandortFormular& f) { EXPECT_EQ(f.comEinDach, "Glas"); }},
      {"\"EinStehR\" = 'Folie'", [](const StandortFormular& f) { EXPECT_EQ(f.comEinStehR, "Folie"); }},
      {"\"Brennstoff\" = 'Kohle'", [](const StandortFormular& f) { EXPECT_EQ(f.comBrennstoff, "Öl"); }},
      {"\"GTStehL\" = '0'",
       [](const StandortFormular& f) {
         EXPECT_EQ(f.opbStehL, kGrenzflaeche);
         EXPECT_EQ(f.txtGrenzStehL, "0");
       }},
      {"\"AFStehL\" = NULL",
       [](const StandortFormular& f) {  // options stay as the defaults left them
         EXPECT_EQ(f.opbStehL, kAussenflaeche);
         EXPECT_EQ(f.txtGrenzStehL, "");
       }},
      {"\"Brennwert\" = NULL", [](const StandortFormular& f) { EXPECT_FALSE(f.chbBrennwert); }},
      {"\"Einsparung\" = '0'", [](const StandortFormular& f) { EXPECT_EQ(f.txtEinsparung, ""); }},
      {"\"ESchirm\" = 0",
       [](const StandortFormular& f) {
         EXPECT_FALSE(f.chbEnergieschirm);
         EXPECT_EQ(f.txtEinsparung, "");
       }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.sql);
    Ausfuehren(tolvar, "DELETE FROM \"Vantel\";" + Zeile("Sta1002"));
    if (*fall.sql) Ausfuehren(tolvar, std::string("UPDATE \"Vantel\" SET ") + fall.sql + ";");
    StandortFormular f = NeuesHaus();
    StandortHeizdatenAnzeigen(f, haus, VantelZeilenLesen(tolvar, "Sta1002"));
    fall.pruefen(f);
  }
}

TEST_F(VantelTest, LoadOfAGroupAndOfSeveralRows) {
  StandortSatz gruppe;
  gruppe.StandortNr = "Sta1001";
  gruppe.Gliederungspunkt = true;
  Ausfuehren(tolvar, Zeile("Sta1001") + Zeile("Sta1001") + "UPDATE \"Vantel\" SET \"Stehwand\" = '4' WHERE rowid = 2;");
  StandortFormular f = NeuesHaus();
  StandortHeizdatenAnzeigen(f, gruppe, VantelZeilenLesen(tolvar, "Sta1001"));
  EXPECT_TRUE(f.opbGruppe);
  EXPECT_EQ(f.txtGruStehwand, "4");  // the last row stays
  EXPECT_EQ(f.txtGruHaus, "5");
  EXPECT_EQ(f.txtLaenge, "");  // house boxes untouched

  // No row: the window keeps what it holds.
  StandortSatz ohne;
  ohne.StandortNr = "Sta1009";
  ohne.Standortname = "Ohne";
  StandortFormular g = NeuesHaus();
  StandortHeizdatenAnzeigen(g, ohne, VantelZeilenLesen(tolvar, "Sta1009"));
  EXPECT_EQ(g.txtName, "Ohne");
  EXPECT_EQ(g.txtWirkungsgrad, "75");
  EXPECT_EQ(g.comEinDach, "Glas");
}

TEST_F(VantelTest, GroupDefaultsFollowTheKindChosenInTheForm) {
  Ausfuehren(tolvar, Zeile("Sta1001") + "UPDATE \"Vantel\" SET \"Länge\" = '0', \"Breite\" = '0';");
  const auto zeilen = VantelZeilenLesen(tolvar, "Sta1001");

  StandortFormular haus = NeuesHaus();
  haus.txtName = "Neues Haus";
  GruppenHeizdatenVorbelegen(haus, zeilen);
  EXPECT_EQ(haus.txtName, "Neues Haus");
  EXPECT_EQ(haus.txtNr, "Sta1010");
  EXPECT_EQ(haus.txtLaenge, "0");
  EXPECT_EQ(haus.txtBreite, "0");
  EXPECT_EQ(haus.txtStehwand, "3");
  EXPECT_EQ(haus.txtHaus, "5");
  EXPECT_EQ(haus.txtWege, "10");
  EXPECT_EQ(haus.opbTyp, 2);
  EXPECT_EQ(haus.opbStehL, kGrenzflaeche);
  EXPECT_EQ(haus.comBrennstoff, "Gas");

  StandortFormular gruppe = NeuesHaus();
  gruppe.opbGruppe = true;
  GruppenHeizdatenVorbelegen(gruppe, zeilen);
  EXPECT_EQ(gruppe.txtGruStehwand, "3");
  EXPECT_EQ(gruppe.txtLaenge, "");
}

TEST_F(VantelTest, GroupCopyReachesDirectChildrenOnly) {
  Ausfuehren(morvin, R"(
    INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1001', '0');
    INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1002', '1001');
    INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1003', '1001');
    INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1004', '1002');
    INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1005', '0');)");
  // The group: Folien house, foil, oil, no screen, factor empty, paths Null.
  Ausfuehren(tolvar, Zeile("Sta1001", "0") + Zeile("Sta1002", "1200") + Zeile("Sta1002", "5") + Zeile("Sta1004") +
                         Zeile("Sta1005") +
                         "UPDATE \"Vantel\" SET \"Länge\" = '0', \"Stehwand\" = '2,2', \"Dach\" = '4', "
                         "\"Wege\" = NULL, \"Bauart\" = '3', \"Kappenzahl\" = '9', \"EinDach\" = 'Folie', "
                         "\"EinGiebelV\" = 'Mauer', \"EinGiebelH\" = 'Mauer', \"EinStehL\" = 'Folie', "
                         "\"EinStehR\" = 'Folie', \"AFStehL\" = -1, \"GTStehL\" = '0', \"Brennstoff\" = 'Öl', "
                         "\"Brennwert\" = 0, \"ESchirm\" = 0, \"Wirkungsgrad\" = '80', \"Einsparung\" = '15', "
                         "\"Anpassung\" = '' WHERE \"StandortNr\" = 'Sta1001';");

  std::string fehler;
  EXPECT_EQ(GruppenHeizdatenKopieren(tolvar, morvin, "Sta1001", &fehler), 1) << fehler;

  const auto kind = VantelZeilenLesen(tolvar, "Sta1002");
  ASSERT_EQ(kind.size(), 2u);
  const VantelSatz& z = kind[0];
  EXPECT_EQ(z.Stehwand, "2,2");
  EXPECT_EQ(z.Dach, "4");
  EXPECT_EQ(z.Wege, std::nullopt);
  EXPECT_EQ(z.Bauart, "3");
  EXPECT_EQ(z.EinDach, "Folie");
  EXPECT_EQ(z.EinGiebelV, "Mauer");
  EXPECT_EQ(z.EinGiebelH, "Mauer");
  EXPECT_EQ(z.EinStehL, "Folie");
  EXPECT_EQ(z.EinStehR, "Folie");
  EXPECT_EQ(z.Brennstoff, "Öl");
  EXPECT_EQ(z.Brennwert, false);
  EXPECT_EQ(z.ESchirm, false);
  EXPECT_EQ(z.Wirkungsgrad, "80");
  EXPECT_EQ(z.Einsparung, "15");
  EXPECT_EQ(z.Anpassung, "");
  // Kept: measures of the house, span count, surfaces, overheads.
  EXPECT_EQ(z.Laenge, "40");
  EXPECT_EQ(z.Kappenzahl, "4");
  EXPECT_EQ(z.AFStehL, false);
  EXPECT_EQ(z.GTStehL, "18");
  EXPECT_EQ(z.Gemeinkosten, "1200");
  // Only the first row of the child is changed.
  EXPECT_EQ(kind[1].Bauart, "2");

  EXPECT_EQ(Zeilenzahl("Sta1003"), 0);                                // no row created
  EXPECT_EQ(VantelZeilenLesen(tolvar, "Sta1004").at(0).Bauart, "2");  // grandchild
  EXPECT_EQ(VantelZeilenLesen(tolvar, "Sta1005").at(0).Bauart, "2");  // another group's

  // A group without a row copies nothing; a missing database is reported.
  EXPECT_EQ(GruppenHeizdatenKopieren(tolvar, morvin, "Sta1005"), 0);
  EXPECT_EQ(GruppenHeizdatenKopieren(tolvar, dir.Join("fehlt.mdb"), "Sta1001"), -1);
}

TEST_F(VantelTest, RenewedListsKeepSelectionsStillOffered) {
  StandortFormular f = NeuesHaus();
  f.comEinDach = "Folie";
  f.comBrennstoff = "Gas";
  f.comEinStehL = "Mauer";
  f.txtLaenge = "33";
  Ausfuehren(tech,
             "DELETE FROM \"GWHMaterial\" WHERE \"Material\" = 'Mauer';"
             "INSERT INTO \"Heizmaterialien\" VALUES (3, 'Holz', 4.9, 5.3, 0.3);");
  ListenErneuern(f, AuswahllistenLaden(tech));
  EXPECT_EQ(f.BrennstoffListe, (std::vector<std::string>{"Öl", "Gas", "Holz"}));
  EXPECT_EQ(f.comEinDach, "Folie");
  EXPECT_EQ(f.comBrennstoff, "Gas");
  EXPECT_EQ(f.comEinStehL, "Glas");  // no longer offered: the first entry
  EXPECT_EQ(f.txtLaenge, "33");
}

}  // namespace
}  // namespace tolvar::mdlVantel
