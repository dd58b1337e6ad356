// A whole heating run over small fixture databases: the enterprise's Vantel rows, the
// coverings and fuels, and a weather station's two climate tables.

#include <gtest/gtest.h>

#include <string>

#include "data/state.h"
#include "heating/mdlHeizkostenBerrechnung.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/schema.h"

namespace tolvar::mdlHeizkostenBerrechnung {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

const std::string kVantelSchema = test::SchemaOf("Vantel");

const std::string kTechDatenSchema = test::SchemaOf({"Heizmaterialien", "GWHMaterial"}) + R"(
INSERT INTO "Heizmaterialien" VALUES (1, 'Heizöl', 10, 10.6, 0.6);
INSERT INTO "GWHMaterial" VALUES (1, 'Glas', 1.0, 90, 1);
INSERT INTO "GWHMaterial" VALUES (2, 'Glas', 7.0, 10, 1);)";  // a later duplicate is never read

// A station's pair of tables: every hour of every week at `temperatur`, no sun.
void KlimaAnlegen(db::Database& datenbank, const std::string& station, const std::string& temperatur) {
  for (const std::string endung : {"-Temperatur", "-Einstrahlung"}) {
    const std::string name = db::QuoteIdentifier(station + endung);
    std::string spalten = "\"Stunde\" INTEGER";
    for (int w = 1; w <= 52; ++w) spalten += ", \"W" + std::to_string(w) + "\" REAL";
    ASSERT_TRUE(datenbank.Execute("CREATE TABLE " + name + " (" + spalten + ")")) << datenbank.LastError();
    const std::string wert = endung == "-Temperatur" ? temperatur : "0";
    for (int h = 0; h < 24; ++h) {
      std::string zeile = std::to_string(h);
      for (int w = 1; w <= 52; ++w) zeile += ", " + wert;
      ASSERT_TRUE(datenbank.Execute("INSERT INTO " + name + " VALUES (" + zeile + ")"));
    }
  }
}

void VantelZeile(db::Database& datenbank, const std::string& standort) {
  ASSERT_TRUE(datenbank.Execute(
      "INSERT INTO \"Vantel\" VALUES (?, '50', '10', '', '3', '5', '10', '1', '', 'Glas', 'Glas', 'Glas', "
      "'Glas', 'Glas', -1, -1, -1, -1, '0', '0', '0', '0', 'Heizöl', '85', 0, 0, '20', '1')",
      {db::Value(standort)}))
      << datenbank.LastError();
}

class HeatingDatabaseTest : public testing::Test {
 protected:
  test::TempDir dir;

  void SetUp() override {
    ResetState();
    auto tolvar = db::Database::Create(dir.Join("Betrieb.Tolvar"));
    ASSERT_TRUE(tolvar && tolvar->ExecuteScript(kVantelSchema));
    VantelZeile(*tolvar, "Sta1001");
    VantelZeile(*tolvar, "Sta1002");
    auto tech = db::Database::Create(dir.Join("TechDaten.mdb"));
    ASSERT_TRUE(tech && tech->ExecuteScript(kTechDatenSchema)) << (tech ? tech->LastError() : "");
    auto klima = db::Database::Create(dir.Join("Klimadaten.mdb"));
    ASSERT_TRUE(klima);
    // -0,5 °C counts as -1 °C: 10 K below the set-points of 9 °C.
    KlimaAnlegen(*klima, "Nord", "-0.5");
    KlimaAnlegen(*klima, "O\"Hara", "-0.5");

    State& s = state();
    s.enterprise.TolvarDatenbankPfad = dir.Join("Betrieb.Tolvar");
    s.enterprise.AktuelleEinstellungen.VantelPfad = dir.Join("TechDaten.mdb");
    s.enterprise.AktuelleEinstellungen.KlimaPfad = dir.Join("Klimadaten.mdb");
    s.enterprise.AktuelleEinstellungen.Wetterstation = "Nord";
    KulturSatz kultur;
    kultur.KulturNr = "K1001";
    s.masters.KulturListe = {kultur};
    s.selection.KulturIndex = 0;
    s.culture.PhasenListe.assign(26, PhasenSatz{});
    PhasenSatz& p = s.culture.PhasenListe[1];
    p.Phasennummer = "1";
    p.KP_ID = "K1001_1";
    p.Kulturnummer = "K1001";
    p.Anfang = D(2024, 3, 1);
    p.Ende = D(2024, 3, 31);
    p.TT = "9";
    p.NT = "9";
    for (const char* standort : {"Sta1001", "Sta1003", "Sta1002"}) {
      KulturStandortSatz b;
      b.KulturNr = "K1001";
      b.StandortNr = standort;
      b.Beginn = D(2024, 3, 1);
      b.Ende = D(2024, 3, 1);
      b.Heizbedarf = 555;  // from an earlier run
      s.culture.KulturStandortListe.push_back(b);
    }
    KulturStandortSatz frei;
    frei.KulturNr = "K1001";
    s.culture.KulturStandortListe.push_back(frei);
  }
  void TearDown() override { ResetState(); }
};

// One date of 24 hours at 10 K, k 1: walls 150 m² -> 36 kWh, gables 40 m² -> 9,6 -> 10,
// roof 538,52 m² -> 129,2 -> 129; 221 kWh in all.
void ErwarteBerechnet(const KulturStandortSatz& b) {
  EXPECT_FALSE(b.HeizdatenFehlen);
  EXPECT_DOUBLE_EQ(b.Heizbedarf, 221);
  EXPECT_DOUBLE_EQ(b.Energiebedarf, 221 / 0.85);
  EXPECT_DOUBLE_EQ(b.BrennstoffJeQm, 221 / 0.85 / 10 / 500);
  EXPECT_DOUBLE_EQ(b.HeizkostenJeQm, 0.6 * (221 / 0.85 / 10 / 500));
  EXPECT_EQ(b.Heiztage, 0);
}

void ErwarteFehlend(const KulturStandortSatz& b) {
  EXPECT_TRUE(b.HeizdatenFehlen);
  EXPECT_EQ(b.Heizbedarf, 0);
  EXPECT_EQ(b.HeizkostenJeQm, 0);
}

TEST_F(HeatingDatabaseTest, SiteWithoutGreenhouseRowIsMarkedOthersAreComputed) {
  HeizkostenBerechnen();
  const auto& liste = state().culture.KulturStandortListe;
  ErwarteBerechnet(liste[0]);
  ErwarteFehlend(liste[1]);
  ErwarteBerechnet(liste[2]);
  EXPECT_FALSE(liste[3].HeizdatenFehlen);  // the free slot is not an occupancy
}

TEST_F(HeatingDatabaseTest, StationNamesAreQuotedAndMustExist) {
  struct Fall {
    const char* station;
    bool berechnet;
  };
  const Fall faelle[] = {
      {"O\"Hara", true},
      {"nord", true},  // table names compare case-blind
      {"Süd", false},
      {"Nord-Temperatur\" UNION SELECT * FROM \"Vantel", false},
      {"Nord\"; DROP TABLE \"Nord-Temperatur\"; --", false},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.station);
    state().enterprise.AktuelleEinstellungen.Wetterstation = f.station;
    HeizkostenBerechnen();
    for (std::size_t i : {0u, 2u}) {
      if (f.berechnet) {
        ErwarteBerechnet(state().culture.KulturStandortListe[i]);
      } else {
        ErwarteFehlend(state().culture.KulturStandortListe[i]);
      }
    }
  }
  auto klima = db::Database::Open(dir.Join("Klimadaten.mdb"));
  ASSERT_TRUE(klima);
  EXPECT_TRUE(klima->HasTable("Nord-Temperatur"));
}

// A database that cannot be read marks every occupancy and says which part was not read, so
// that the calculation names it instead of taking the empty part for no data.
TEST_F(HeatingDatabaseTest, MissingDatabasesMarkEveryOccupancy) {
  const std::string fehlt = dir.Join("fehlt.mdb");
  EnterpriseState& e = state().enterprise;
  for (std::string* pfad :
       {&e.TolvarDatenbankPfad, &e.AktuelleEinstellungen.VantelPfad, &e.AktuelleEinstellungen.KlimaPfad}) {
    const std::string alt = *pfad;
    *pfad = fehlt;
    HeizkostenBerechnen();
    for (std::size_t i : {0u, 1u, 2u}) ErwarteFehlend(state().culture.KulturStandortListe[i]);
    const Heizdaten daten = Heizdaten::Laden(Datenquellen::DesBetriebs());
    EXPECT_EQ(daten.StandorteGelesen, pfad != &e.TolvarDatenbankPfad);
    EXPECT_EQ(daten.TechDatenGelesen, pfad != &e.AktuelleEinstellungen.VantelPfad);
    EXPECT_EQ(daten.KlimaGelesen, pfad != &e.AktuelleEinstellungen.KlimaPfad);
    *pfad = alt;
  }
  const Heizdaten daten = Heizdaten::Laden(Datenquellen::DesBetriebs());
  EXPECT_TRUE(daten.StandorteGelesen && daten.TechDatenGelesen && daten.KlimaGelesen);
}

TEST_F(HeatingDatabaseTest, ShortClimateTableIsMissingData) {
  {
    auto klima = db::Database::Open(dir.Join("Klimadaten.mdb"));
    ASSERT_TRUE(klima);
    ASSERT_TRUE(klima->Execute("DELETE FROM \"Nord-Einstrahlung\" WHERE \"Stunde\" = 23"));
  }
  HeizkostenBerechnen();
  ErwarteFehlend(state().culture.KulturStandortListe[0]);
  ErwarteFehlend(state().culture.KulturStandortListe[2]);
}

}  // namespace
}  // namespace tolvar::mdlHeizkostenBerrechnung
