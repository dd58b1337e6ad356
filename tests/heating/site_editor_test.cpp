// The site editor's logic on the program-wide state: opening in both modes, activation, the
// kind options and the save with its master record and the copy to a group's houses.

#include "heating/site_editor.h"

#include <gtest/gtest.h>

#include <string>

#include "data/messages.h"
#include "data/state.h"
#include "heating/mdlVantel.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/schema.h"
#include "support/tables.h"

namespace tolvar::heating {
namespace {

using mdlVantel::VantelZeilenLesen;

// A group Sta1001 with the house Sta1002 below it, and a house Sta1003 without a row.
const char* const kZeilen = R"(
INSERT INTO "Vantel" VALUES ('Sta1001', '0', '0', '0', '3', '5', '10', '2', '', 'Glas', 'Glas', 'Glas',
  'Glas', 'Glas', -1, -1, -1, -1, '0', '0', '0', '0', 'Gas', '90', -1, -1, '25', '1');
INSERT INTO "Vantel" VALUES ('Sta1002', '40', '12', '1200', '4', '6', '15', '1', '', 'Glas', 'Glas', 'Glas',
  'Glas', 'Glas', -1, -1, 0, -1, '0', '0', '18', '0', 'Kohle', '80', 0, 0, '20', '1');)";

class SiteEditorTest : public testing::Test {
 protected:
  test::TempDir dir;
  test::ScopedRecordingSink sink;

  void SetUp() override {
    ResetState();
    State& s = state();
    s.enterprise.TolvarDatenbankPfad = dir.Join("Betrieb.Tolvar");
    s.enterprise.AktuellerBetrieb = dir.Join("Betrieb.mdb");
    s.enterprise.AktuelleEinstellungen.VantelPfad = dir.Join("TechDaten.mdb");
    auto t = db::Database::Create(s.enterprise.TolvarDatenbankPfad);
    ASSERT_TRUE(t && t->ExecuteScript(test::SchemaOf("Vantel") + kZeilen));
    auto v = db::Database::Create(s.enterprise.AktuelleEinstellungen.VantelPfad);
    ASSERT_TRUE(v && v->ExecuteScript(test::SchemaOf({"Heizmaterialien", "GWHMaterial"}) + R"(
      INSERT INTO "GWHMaterial" VALUES (1, 'Glas', 5.8, 90, 1);
      INSERT INTO "GWHMaterial" VALUES (2, 'Mauer', 1.5, 0, 0);
      INSERT INTO "Heizmaterialien" VALUES (1, 'Öl', 10, 10.6, 0.9);
      INSERT INTO "Heizmaterialien" VALUES (2, 'Gas', 10, 11.1, 0.8);)"));
    auto m = db::Database::Create(s.enterprise.AktuellerBetrieb);
    ASSERT_TRUE(m && m->ExecuteScript(test::SchemaOf("Standort") + R"(
      INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1001', '0');
      INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1002', '1001');
      INSERT INTO "Standort" ("StandortNr", "UeberPNr") VALUES ('Sta1003', '1001');)"));

    StandortSatz gruppe;
    gruppe.StandortNr = "Sta1001";
    gruppe.Standortname = "Gewächshäuser";
    gruppe.Gliederungspunkt = true;
    gruppe.Aktuell = true;
    StandortSatz haus;
    haus.StandortNr = "Sta1002";
    haus.UeberPNr = "1001";
    haus.Standortname = "Venlo-Haus 1";
    haus.Aktuell = true;
    StandortSatz ohne = haus;
    ohne.StandortNr = "Sta1003";
    ohne.Standortname = "Haus ohne Heizdaten";
    s.masters.StandortListe = {gruppe, haus, ohne};
  }

  void Oeffnen(const std::string& modus, int index, StandortFormular& f) {
    state().selection.Bearbeitungsmodus = modus;
    state().selection.StandortIndex = index;
    Laden(f, modus == "Neu" ? "Sta1010" : "", modus == "Neu" ? "300010" : "");
  }

  std::string Feld(const std::string& nr, const char* feld) {
    auto d = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
    return d
        ->Scalar(std::string("SELECT ") + db::QuoteIdentifier(feld) +
                     " FROM \"Vantel\" WHERE "
                     "\"StandortNr\" = ? ORDER BY rowid",
                 {db::Value(nr)})
        .text();
  }
};

TEST_F(SiteEditorTest, NewHouseFromAGroupShowsTheGroupsData) {
  StandortFormular f;
  Oeffnen("Neu", 0, f);
  EXPECT_EQ(f.txtNr, "Sta1010");
  EXPECT_EQ(f.txtCode, "300010");
  EXPECT_TRUE(f.txtName.empty());
  EXPECT_FALSE(f.opbGruppe);
  EXPECT_EQ(f.txtLaenge, "0");
  EXPECT_EQ(f.txtBreite, "0");
  EXPECT_EQ(f.txtStehwand, "3");
  EXPECT_EQ(f.txtHaus, "5");
  EXPECT_EQ(f.txtWege, "10");
  EXPECT_EQ(f.opbTyp, 2);
  EXPECT_EQ(f.comBrennstoff, "Gas");
  EXPECT_TRUE(f.chbBrennwert);
  EXPECT_EQ(f.txtEinsparung, "25");
  EXPECT_TRUE(sink.messages.empty());

  // "Neue Gruppe erstellen" loads nothing; "Neues Gewächshaus" takes the defaults again.
  GruppeWaehlen(f);
  EXPECT_TRUE(f.opbGruppe);
  f.txtStehwand = "9";
  HausWaehlen(f);
  EXPECT_FALSE(f.opbGruppe);
  EXPECT_EQ(f.txtStehwand, "3");

  // A selection past the list: only the defaults.
  StandortFormular g;
  Oeffnen("Neu", 3, g);
  EXPECT_EQ(g.txtLaenge, "");
  EXPECT_EQ(g.txtWirkungsgrad, "75");
}

TEST_F(SiteEditorTest, ChangeModeShowsTheSite) {
  StandortFormular f;
  Oeffnen("Aendern", 1, f);
  EXPECT_EQ(f.txtNr, "Sta1002");
  EXPECT_EQ(f.txtName, "Venlo-Haus 1");
  EXPECT_EQ(f.txtLaenge, "40");
  EXPECT_EQ(f.opbStehL, kGrenzflaeche);
  EXPECT_EQ(f.txtGrenzStehL, "18");
  EXPECT_EQ(f.comBrennstoff, "Öl");  // "Kohle" is no longer offered
  EXPECT_FALSE(f.chbEnergieschirm);
}

TEST_F(SiteEditorTest, MissingTechDatabaseIsReported) {
  state().enterprise.AktuelleEinstellungen.VantelPfad = dir.Join("fehlt.mdb");
  StandortFormular f;
  Oeffnen("Neu", 0, f);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_TRUE(f.BrennstoffListe.empty());
  EXPECT_EQ(f.comBrennstoff, "");
}

TEST_F(SiteEditorTest, ActivationRefreshesListsAndWritesNothing) {
  StandortFormular f;
  Oeffnen("Aendern", 2, f);  // a site without a row
  f.txtLaenge = "25";
  f.comBrennstoff = "Gas";
  auto v = db::Database::Open(state().enterprise.AktuelleEinstellungen.VantelPfad);
  ASSERT_TRUE(v->Execute("INSERT INTO \"Heizmaterialien\" VALUES (3, 'Holz', 4.9, 5.3, 0.3)"));
  v.reset();

  Aktivieren(f);
  EXPECT_EQ(f.BrennstoffListe.back(), "Holz");
  EXPECT_EQ(f.txtLaenge, "25");
  EXPECT_EQ(f.comBrennstoff, "Gas");
  EXPECT_TRUE(VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, "Sta1003").empty());

  // New mode: activation changes nothing.
  StandortFormular g;
  Oeffnen("Neu", 0, g);
  const auto liste = g.BrennstoffListe;
  ASSERT_TRUE(db::Database::Open(state().enterprise.AktuelleEinstellungen.VantelPfad)
                  ->Execute("INSERT INTO \"Heizmaterialien\" VALUES (4, 'Stroh', 4, 4, 0.1)"));
  Aktivieren(g);
  EXPECT_EQ(g.BrennstoffListe, liste);
}

TEST_F(SiteEditorTest, EmptyNameStoresNothing) {
  for (const char* name : {"", "   "}) {
    SCOPED_TRACE(name);
    sink.messages.clear();
    StandortFormular f;
    Oeffnen("Neu", 0, f);
    f.txtName = name;
    bool stammdatenGerufen = false;
    const StandortSpeicherergebnis e = Speichern(f, false, [&] { return stammdatenGerufen = true; });
    EXPECT_FALSE(e.schliessen);
    EXPECT_TRUE(e.fokusName);
    EXPECT_FALSE(stammdatenGerufen);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Sie müssen erst einen Namen vergeben");
    EXPECT_TRUE(VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, "Sta1010").empty());
  }
}

// Each greenhouse and heating value by its field's rule: a refused value stores nothing and
// names its box, an allowed one is stored as the row keeps it.
TEST_F(SiteEditorTest, EachHeatingValueIsCheckedByItsRuleBeforeAnythingIsWritten) {
  struct Fall {
    std::string StandortFormular::*box;
    const char* name;
    const char* wert;
    const char* spalte;       // the column of table Vantel that stores the box
    const char* gespeichert;  // nullptr when the value is refused
  };
  const Fall faelle[] = {
      {&StandortFormular::txtLaenge, "txtLaenge", "abc", "Länge", nullptr},
      {&StandortFormular::txtLaenge, "txtLaenge", "1,2,3", "Länge", nullptr},
      {&StandortFormular::txtBreite, "txtBreite", "-5", "Breite", nullptr},
      {&StandortFormular::txtBreite, "txtBreite", "1e308", "Breite", nullptr},
      {&StandortFormular::txtLaenge, "txtLaenge", "0", "Länge", "0"},  // the "0" a group proposes
      {&StandortFormular::txtBreite, "txtBreite", "0", "Breite", "0"},
      {&StandortFormular::txtBreite, "txtBreite", "", "Breite", ""},
      {&StandortFormular::txtStehwand, "txtStehwand", "0", "Stehwand", "0"},  // a foil house without side walls
      {&StandortFormular::txtStehwand, "txtStehwand", "-0,5", "Stehwand", nullptr},
      {&StandortFormular::txtHaus, "txtHaus", "3", "Dach", nullptr},  // below the side wall of 4 m
      {&StandortFormular::txtHaus, "txtHaus", "4", "Dach", "4"},
      {&StandortFormular::txtWege, "txtWege", "99,9", "Wege", "99,9"},
      {&StandortFormular::txtWege, "txtWege", "100", "Wege", nullptr},
      {&StandortFormular::txtLaenge, "txtLaenge", "1.500", "Länge", nullptr},  // no thousands points
      {&StandortFormular::txtEinsparung, "txtEinsparung", "12.5", "Einsparung", nullptr},
      {&StandortFormular::txtKappenzahl, "txtKappenzahl", "3,5", "Kappenzahl", nullptr},
      {&StandortFormular::txtKappenzahl, "txtKappenzahl", "0", "Kappenzahl", nullptr},
      {&StandortFormular::txtGrenzStehL, "txtGrenzStehL", "-5", "GTStehL", "-5"},  // a cold neighbouring space
      {&StandortFormular::txtGrenzStehL, "txtGrenzStehL", "abc", "GTStehL", nullptr},
      {&StandortFormular::txtWirkungsgrad, "txtWirkungsgrad", "0", "Wirkungsgrad", "0"},  // read as 85 %
      {&StandortFormular::txtWirkungsgrad, "txtWirkungsgrad", "", "Wirkungsgrad", "85"},
      {&StandortFormular::txtWirkungsgrad, "txtWirkungsgrad", "0,0", "Wirkungsgrad", nullptr},
      {&StandortFormular::txtWirkungsgrad, "txtWirkungsgrad", "-5", "Wirkungsgrad", nullptr},
      {&StandortFormular::txtEinsparung, "txtEinsparung", "", "Einsparung", "20"},
      {&StandortFormular::txtEinsparung, "txtEinsparung", "-1", "Einsparung", nullptr},
      {&StandortFormular::txtEinsparung, "txtEinsparung", "100", "Einsparung", "100"},
      {&StandortFormular::txtFaktor, "txtFaktor", "0", "Anpassung", "0"},      // read as 1
      {&StandortFormular::txtFaktor, "txtFaktor", "0,0", "Anpassung", "0,0"},  // factor 0: no heat demand
      {&StandortFormular::txtFaktor, "txtFaktor", "", "Anpassung", ""},
      {&StandortFormular::txtFaktor, "txtFaktor", "-5", "Anpassung", nullptr},
      {&StandortFormular::txtFaktor, "txtFaktor", "1e308", "Anpassung", nullptr},
  };
  const std::string& pfad = state().enterprise.TolvarDatenbankPfad;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.spalte) + " = " + fall.wert);
    StandortFormular f;
    Oeffnen("Neu", 0, f);
    sink.messages.clear();
    f.txtName = "Neues Haus";
    f.txtLaenge = "30";
    f.txtBreite = "10";
    f.txtStehwand = "4";
    f.txtHaus = "5";
    f.txtWege = "10";
    f.txtKappenzahl = "3";
    f.opbTyp = 2;
    f.opbStehL = kGrenzflaeche;
    f.chbEnergieschirm = true;
    f.*fall.box = fall.wert;
    const std::string vorher = test::Datenbankinhalt(pfad);
    const StandortSpeicherergebnis e = Speichern(f, false, [] { return true; });
    if (fall.gespeichert != nullptr) {
      EXPECT_TRUE(e.schliessen);
      EXPECT_EQ(Feld("Sta1010", fall.spalte), fall.gespeichert);
      ASSERT_TRUE(db::Database::Open(pfad)->Execute("DELETE FROM \"Vantel\" WHERE \"StandortNr\" = 'Sta1010'"));
      continue;
    }
    EXPECT_FALSE(e.schliessen);
    EXPECT_EQ(e.fokus, fall.name);
    EXPECT_EQ(test::Datenbankinhalt(pfad), vorher);
    ASSERT_EQ(sink.messages.size(), 1u);
    // A refused text with a point is told that numbers are typed without thousands points.
    EXPECT_EQ(sink.messages[0].text, std::string_view(fall.wert).find('.') == std::string_view::npos
                                         ? "Überprüfen sie bitte ihre Werte"
                                         : "Überprüfen sie bitte ihre Werte. Bitte geben Sie die Zahl ohne "
                                           "Tausenderpunkte ein.");
  }
}

// The saving is checked and stored with the energy screen off too, and a group hands it to its
// houses: a refused saving reaches none of them.
TEST_F(SiteEditorTest, SavingIsCheckedWithTheEnergyScreenOff) {
  const std::string& pfad = state().enterprise.TolvarDatenbankPfad;
  StandortFormular f;
  Oeffnen("Aendern", 0, f);
  ASSERT_TRUE(f.opbGruppe);
  f.chbEnergieschirm = false;
  f.txtEinsparung = "abc";
  const std::string vorher = test::Datenbankinhalt(pfad);
  const StandortSpeicherergebnis e = Speichern(f, true, nullptr);
  EXPECT_FALSE(e.schliessen);
  EXPECT_EQ(e.fokus, "txtEinsparung");
  EXPECT_EQ(test::Datenbankinhalt(pfad), vorher);

  f.txtEinsparung = "30";
  EXPECT_TRUE(Speichern(f, true, nullptr).schliessen);
  EXPECT_EQ(Feld("Sta1001", "Einsparung"), "30");
  EXPECT_EQ(Feld("Sta1002", "Einsparung"), "30");
}

TEST_F(SiteEditorTest, SaveStoresTheRowThenTheMasterRecord) {
  StandortFormular f;
  Oeffnen("Neu", 0, f);
  f.txtName = "Neues Haus";
  f.txtLaenge = "30";
  f.txtBreite = "10";  // the group's row, whose defaults the new house shows, has a width of 0
  int aufrufe = 0;
  std::string zeileBeimMastersatz;
  const StandortSpeicherergebnis e = Speichern(f, false, [&] {
    ++aufrufe;
    zeileBeimMastersatz = Feld("Sta1010", "Länge");
    return true;
  });
  EXPECT_TRUE(e.schliessen);
  EXPECT_EQ(aufrufe, 1);
  EXPECT_EQ(zeileBeimMastersatz, "30");
  EXPECT_EQ(Feld("Sta1010", "Gemeinkosten"), "");

  // A refused master record keeps the window open.
  const StandortSpeicherergebnis abgelehnt = Speichern(f, false, [] { return false; });
  EXPECT_FALSE(abgelehnt.schliessen);
  EXPECT_EQ(VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, "Sta1010").size(), 1u);
}

TEST_F(SiteEditorTest, ChangingAHouseKeepsItsOverheads) {
  StandortFormular f;
  Oeffnen("Aendern", 1, f);
  f.txtHaus = "6,5";
  EXPECT_TRUE(Speichern(f, false, nullptr).schliessen);
  const auto zeilen = VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, "Sta1002");
  ASSERT_EQ(zeilen.size(), 1u);
  EXPECT_EQ(zeilen[0].Gemeinkosten, "1200");
  EXPECT_EQ(zeilen[0].Dach, "6,5");
  EXPECT_EQ(zeilen[0].Brennstoff, "Öl");
}

TEST_F(SiteEditorTest, ChangedGroupHandsItsDataToItsHouses) {
  StandortFormular f;
  Oeffnen("Aendern", 0, f);
  ASSERT_TRUE(f.opbGruppe);
  f.txtGruStehwand = "3,5";
  EXPECT_TRUE(Speichern(f, true, nullptr).schliessen);
  EXPECT_EQ(Feld("Sta1001", "Gemeinkosten"), "0");
  EXPECT_EQ(Feld("Sta1002", "Stehwand"), "3,5");
  EXPECT_EQ(Feld("Sta1002", "Brennstoff"), "Gas");
  EXPECT_EQ(Feld("Sta1002", "Länge"), "40");
  EXPECT_EQ(Feld("Sta1002", "Gemeinkosten"), "1200");
  EXPECT_TRUE(VantelZeilenLesen(state().enterprise.TolvarDatenbankPfad, "Sta1003").empty());
}

TEST_F(SiteEditorTest, NewGroupCopiesToNoHouses) {
  // Opened on the group Sta1001: its house Sta1002 must not receive anything.
  StandortFormular f;
  Oeffnen("Neu", 0, f);
  GruppeWaehlen(f);
  f.txtName = "Neue Gruppe";
  f.txtGruStehwand = "7";
  EXPECT_TRUE(Speichern(f, true, nullptr).schliessen);
  EXPECT_EQ(Feld("Sta1010", "Stehwand"), "7");
  EXPECT_EQ(Feld("Sta1002", "Stehwand"), "4");
  EXPECT_EQ(Feld("Sta1002", "Brennstoff"), "Kohle");
}

TEST_F(SiteEditorTest, FailedSaveIsReportedAndKeepsTheWindowOpen) {
  auto t = db::Database::Open(state().enterprise.TolvarDatenbankPfad);
  ASSERT_TRUE(t->Execute("CREATE TRIGGER sperre BEFORE INSERT ON \"Vantel\" BEGIN SELECT RAISE(ABORT, 'x'); END"));
  t.reset();
  StandortFormular f;
  Oeffnen("Aendern", 1, f);
  bool stammdatenGerufen = false;
  EXPECT_FALSE(Speichern(f, false, [&] { return stammdatenGerufen = true; }).schliessen);
  EXPECT_FALSE(stammdatenGerufen);
  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(Feld("Sta1002", "Gemeinkosten"), "1200");
}

}  // namespace
}  // namespace tolvar::heating
