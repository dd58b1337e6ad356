// Site occupancies: loading clipped to the phase range, the grid rows, the check, the save.

#include "culture/mdlStandorte2.h"

#include <gtest/gtest.h>

#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "culture_fixture.h"
#include "support/tables.h"

namespace tolvar::mdlStandorte2 {
namespace {

using test::D;
using Tabelle = std::vector<std::vector<std::string>>;

class OccupanciesTest : public test::CultureFixture {
 protected:
  void SetUp() override {
    CultureFixture::SetUp();
    // Phases from 1 March to 30 April 2024.
    PhasenSetzen({{D(2024, 3, 1), D(2024, 3, 31)}, {D(2024, 4, 1), D(2024, 4, 30)}});
    Ausfuehren(*morvin, "INSERT INTO \"Standort\" (\"StandortNr\", \"Standortname\") VALUES ('Sta1002', 'Haus 1')");
    Ausfuehren(*morvin, "INSERT INTO \"Standort\" (\"StandortNr\", \"Standortname\") VALUES ('Sta1003', 'Haus 2')");
    Ausfuehren(*tolvar, "INSERT INTO \"Vantel\" (\"StandortNr\", \"Wege\") VALUES ('Sta1002', '15')");
    Ausfuehren(*tolvar, "INSERT INTO \"Vantel\" (\"StandortNr\", \"Wege\") VALUES ('Sta1002', '99')");
    StandortSatz s1;
    s1.StandortNr = "Sta1002";
    s1.Standortname = "Haus 1";
    StandortSatz s2;
    s2.StandortNr = "Sta1003";
    s2.Standortname = "Haus 2";
    state().masters.StandortListe = {s1, s2};
  }

  void Belegung(const std::string& kultur, const std::string& standort, db::Value beginn, db::Value ende,
                const std::string& flaeche = "100") {
    Ausfuehren(*morvin, "INSERT INTO \"KulturStandorte\" VALUES (?, ?, ?, ?, ?)",
               {db::Value(kultur), db::Value(standort), beginn, ende, db::Value(flaeche)});
  }

  // The site save with the phase grid of the phases in memory.
  bool Speichern(const std::vector<StandortZeile>& zeilen) {
    return KulturStandorteSpeichern(zeilen, mdlKulturPhasenInfo::KulturphasenTabelle(state().culture));
  }

  Tabelle Gespeichert(const std::string& kultur = "K1023") {
    return Zeilen(*morvin,
                  "SELECT \"StandortNr\", \"Beginn\", \"Ende\", \"Flaeche\" FROM \"KulturStandorte\" "
                  "WHERE \"KulturNr\" = ? ORDER BY rowid",
                  {db::Value(kultur)});
  }
};

TEST_F(OccupanciesTest, LoadClipsToThePhaseRange) {
  struct Fall {
    const char* name;
    db::Value beginn, ende;
    bool geladen;
    base::Date erwBeginn, erwEnde;
  };
  const std::vector<Fall> faelle = {
      {"läuft über das Ende", "2024-03-10", "2024-05-20", true, D(2024, 3, 10), D(2024, 4, 30)},
      {"beginnt davor", "2024-02-15", "2024-04-20", true, D(2024, 3, 1), D(2024, 4, 20)},
      {"umspannt", "2024-02-15", "2024-05-20", true, D(2024, 3, 1), D(2024, 4, 30)},
      {"danach", "2024-05-01", "2024-05-10", false, 0, 0},
      {"davor", "2024-02-01", "2024-02-28", false, 0, 0},
      {"genau", "2024-03-01", "2024-04-30", true, D(2024, 3, 1), D(2024, 4, 30)},
      {"am letzten Tag", "2024-04-30", "2024-05-31", true, D(2024, 4, 30), D(2024, 4, 30)},
      {"ohne Ende", "2024-03-05", db::Value(), true, D(2024, 3, 5), base::kNoDate},
      {"ohne Daten", db::Value(), db::Value(), false, 0, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Ausfuehren(*morvin, "DELETE FROM \"KulturStandorte\"");
    Belegung("K1023", "Sta1002", f.beginn, f.ende);
    ASSERT_TRUE(KulturStandorteLaden());
    const State& s = state();
    ASSERT_EQ(s.culture.AnzahlKulturStandorte, f.geladen ? 1 : 0);
    ASSERT_EQ(s.culture.KulturStandortListe.size(), static_cast<std::size_t>(s.culture.AnzahlKulturStandorte + 1));
    EXPECT_EQ(s.culture.KulturStandortListe.back().StandortName, "0");
    EXPECT_EQ(s.culture.KulturStandortListe.back().KulturNr, "K1023");
    if (!f.geladen) continue;
    const KulturStandortSatz& k = s.culture.KulturStandortListe[0];
    EXPECT_EQ(k.Beginn, f.erwBeginn);
    EXPECT_EQ(k.Ende, f.erwEnde);
    EXPECT_EQ(k.StandortName, "Haus 1");
    // Every kept occupancy has its site's path share, clipped at the start or not.
    EXPECT_EQ(k.Wege, "15");
  }
}

TEST_F(OccupanciesTest, LoadOrdersByBeginAndPassesOverForeignAndNumberlessRows) {
  Belegung("K1023", "Sta1003", "2024-04-01", "2024-04-30", "70");
  Belegung("K1024", "Sta1002", "2024-03-01", "2024-04-30");
  Belegung("K1023", "0", "2024-03-01", "2024-03-31");
  Belegung("K1023", "Sta1009", "2024-03-15", "2024-03-31", "5");
  Belegung("K1023", "Sta1002", "2024-03-01", "2024-03-31", "30");
  ASSERT_TRUE(KulturStandorteLaden());
  EXPECT_EQ(state().culture.AnzahlKulturStandorte, 3);
  const auto zeilen = KulturStandorteTabelle(state().culture);
  ASSERT_EQ(zeilen.size(), 3u);
  // A site missing from table Standort shows its number and stays in the grid.
  EXPECT_EQ(zeilen[0].StandortName, "Haus 1");
  EXPECT_EQ(zeilen[0].Beginn, "01 03 2024");
  EXPECT_EQ(zeilen[1].StandortName, "Sta1009");
  EXPECT_EQ(zeilen[1].StandortNr, "Sta1009");
  EXPECT_EQ(zeilen[2].StandortName, "Haus 2");
  EXPECT_EQ(zeilen[2].Flaeche, "70");
  EXPECT_EQ(state().culture.KulturStandortListe[1].Wege, "0");
}

TEST_F(OccupanciesTest, ACultureWithoutPhasesLoadsNothing) {
  Belegung("K1023", "Sta1002", "2024-03-01", "2024-03-31");
  PhasenSetzen({});
  EXPECT_TRUE(KulturStandorteLaden());
  EXPECT_EQ(state().culture.AnzahlKulturStandorte, 0);
  EXPECT_TRUE(KulturStandorteTabelle(state().culture).empty());
}

TEST_F(OccupanciesTest, Check) {
  struct Fall {
    const char* name;
    StandortZeile zeile;
    std::vector<culture::Zelle> rot;
  };
  const std::vector<Fall> faelle = {
      {"gut", {"Haus 1", "", "100", "01.03.2024", "31.03.2024"}, {}},
      {"Leerzeichen-Daten", {"Haus 1", "Sta1002", "100", "01 03 2024", "30 04 2024"}, {}},
      {"ohne Fläche", {"Haus 1", "", "", "01.03.2024", "31.03.2024"}, {{1, 1}}},
      {"ohne Beginn", {"Haus 1", "", "100", "", "31.03.2024"}, {{1, 2}}},
      {"ohne Ende", {"Haus 1", "", "100", "01.03.2024", ""}, {{1, 3}}},
      {"gleiche Tage", {"Haus 1", "", "100", "10.03.2024", "10.03.2024"}, {{1, 2}, {1, 3}}},
      {"vor der ersten Phase", {"Haus 1", "", "100", "28.02.2024", "31.03.2024"}, {{1, 2}}},
      {"nach der letzten Phase", {"Haus 1", "", "100", "01.03.2024", "01.05.2024"}, {{1, 3}}},
      {"kein Datum", {"Haus 1", "", "100", "32.03.2024", "31.03.2024"}, {{1, 2}}},
      {"Fläche keine Zahl", {"Haus 1", "", "1/2", "01.03.2024", "31.03.2024"}, {{1, 1}}},
      {"Fläche 0", {"Haus 1", "", "0", "01.03.2024", "31.03.2024"}, {}},
      {"Fläche mit Komma", {"Haus 1", "", "120,9", "01.03.2024", "31.03.2024"}, {}},
      {"Fläche 1.000.000.000.000", {"Haus 1", "", "1000000000000", "01.03.2024", "31.03.2024"}, {}},
      {"Fläche zwanzig Neunen", {"Haus 1", "", "99999999999999999999", "01.03.2024", "31.03.2024"}, {{1, 1}}},
      {"Fläche 1e308", {"Haus 1", "", "1e308", "01.03.2024", "31.03.2024"}, {{1, 1}}},
      {"Fläche negativ", {"Haus 1", "", "-5", "01.03.2024", "31.03.2024"}, {{1, 1}}},
      {"unbekannter Standort", {"Haus 9", "", "100", "01.03.2024", "31.03.2024"}, {{1, 0}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    meldungen.messages.clear();
    const auto e = KulturStandorteEingabePruefen({f.zeile, StandortZeile{}}, state().culture, state().masters);
    EXPECT_EQ(e.Ok, f.rot.empty());
    EXPECT_EQ(state().culture.EingabeOk, f.rot.empty());
    EXPECT_EQ(e.RoteZellen, f.rot);
    EXPECT_EQ(meldungen.messages.size(), f.rot.empty() ? 0u : 1u);
  }
  EXPECT_TRUE(
      KulturStandorteEingabePruefen({StandortZeile{}, {"Haus 1", "", "", "", ""}}, state().culture, state().masters)
          .Ok);
}

TEST_F(OccupanciesTest, SaveReplacesOnlyTheRowsTheGridShowed) {
  Belegung("K1023", "Sta1002", "2024-03-01", "2024-03-31", "30");
  Belegung("K1023", "Sta1002", "2023-01-01", "2023-02-01", "5");  // outside the phases: kept
  Belegung("K1024", "Sta1003", "2024-03-01", "2024-03-31", "40");
  Belegung("K1023", "0", "2024-03-01", "2024-03-31", "1");  // without a site: kept
  ASSERT_TRUE(KulturStandorteLaden());
  auto zeilen = KulturStandorteTabelle(state().culture);
  ASSERT_EQ(zeilen.size(), 1u);
  zeilen.push_back({"Haus 2", "", "70", "01.04.2024", "30.04.2024"});
  ASSERT_TRUE(Speichern(zeilen));
  EXPECT_EQ(Gespeichert(), (Tabelle{{"Sta1002", "2023-01-01", "2023-02-01", "5"},
                                    {"0", "2024-03-01", "2024-03-31", "1"},
                                    {"Sta1002", "2024-03-01", "2024-03-31", "30"},
                                    {"Sta1003", "2024-04-01", "2024-04-30", "70"}}));
  EXPECT_EQ(Gespeichert("K1024"), (Tabelle{{"Sta1003", "2024-03-01", "2024-03-31", "40"}}));
  EXPECT_EQ(state().culture.AnzahlKulturStandorte, 2);

  // Loading and saving again stores the same dates.
  ASSERT_TRUE(KulturStandorteLaden());
  ASSERT_TRUE(Speichern(KulturStandorteTabelle(state().culture)));
  EXPECT_EQ(Gespeichert().size(), 4u);
  EXPECT_EQ(Gespeichert()[3], (std::vector<std::string>{"Sta1003", "2024-04-01", "2024-04-30", "70"}));

  // An empty grid removes the shown rows only.
  ASSERT_TRUE(Speichern({StandortZeile{}}));
  EXPECT_EQ(Gespeichert().size(), 2u);
}

TEST_F(OccupanciesTest, SaveKeepsTheSiteNumberOfEachRowAndRefusesUnknownSites) {
  StandortSatz doppelt;
  doppelt.StandortNr = "Sta1003";
  doppelt.Standortname = "Haus 1";  // a second site with the same name
  state().masters.StandortListe.push_back(doppelt);
  ASSERT_TRUE(Speichern({{"Haus 1", "Sta1002", "10", "01.03.2024", "31.03.2024"}}));
  EXPECT_EQ(Gespeichert()[0][0], "Sta1002");
  EXPECT_FALSE(Speichern({{"Haus 9", "", "10", "01.03.2024", "31.03.2024"}}));
  EXPECT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(Gespeichert().size(), 1u);
}

// The saver holds the area rule itself: a refused area writes nothing, "0" is stored.
TEST_F(OccupanciesTest, SaveRefusesAnAreaBeyondItsRuleWhole) {
  Belegung("K1023", "Sta1002", "2024-03-01", "2024-03-31", "30");
  const std::string vorher = test::Datenbankinhalt(dir.Join("Betrieb.mdb"));
  EXPECT_FALSE(Speichern({{"Haus 1", "Sta1002", "10", "01.03.2024", "31.03.2024"},
                          {"Haus 2", "Sta1003", "99999999999999999999", "01.04.2024", "30.04.2024"}}));
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(meldungen.messages[0].text,
            "Die Fläche des Standorts \"Haus 2\" muss eine Zahl von 0 bis 1.000.000.000.000 Nm² sein. Die Standorte "
            "wurden nicht gespeichert.");
  EXPECT_EQ(test::Datenbankinhalt(dir.Join("Betrieb.mdb")), vorher);
  ASSERT_TRUE(Speichern({{"Haus 1", "Sta1002", "0", "01.03.2024", "31.03.2024"}}));
  EXPECT_EQ(Gespeichert(), (Tabelle{{"Sta1002", "2024-03-01", "2024-03-31", "0"}}));
}

// The site save writes both tables: an occupancy's area under its rule, and the phase areas it
// gives under the phase columns' rules, which the phase save applies to the same columns. One
// table of texts through both writers; a refusal leaves both databases byte for byte as they
// were, and the next save goes through.
TEST_F(OccupanciesTest, EveryWriterOfTheAreasFollowsTheColumnsRule) {
  struct Fall {
    const char* text;
    std::optional<std::string> belegung;  // the stored occupancy area; nullopt: refused
    std::optional<std::string> phase;     // the phase area the site save stores
    std::optional<std::string> getippt;   // the phase area the phase save stores for the typed text
  };
  const std::optional<std::string> nein;
  const Fall faelle[] = {
      {"1e308", nein, nein, nein},
      {"-5", nein, nein, nein},
      {"1,5", "1,5", "1", "1,5"},
      {"", nein, nein, "0"},  // an occupancy needs its area; an empty phase cell stores "0"
      {"0", "0", "0", "0"},
      {"1000000000000", "1000000000000", "1000000000000", "1000000000000"},
      {"1000000000000,5", nein, nein, nein},
      {"1.500", nein, nein, nein},
  };
  const auto phasenflaeche = [&] {
    const Tabelle t = Zeilen(*tolvar, "SELECT \"Fläche\" FROM \"KulturPhasen\" WHERE \"KP_ID\" = 'K1023_1'");
    return t.empty() ? std::string("-") : t[0][0];
  };
  const auto unveraendert = [&](const std::string& m, const std::string& t) {
    EXPECT_EQ(test::Datenbankinhalt(dir.Join("Betrieb.mdb")), m);
    EXPECT_EQ(test::Datenbankinhalt(dir.Join("Betrieb.Tolvar")), t);
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string("\"") + f.text + "\"");
    const std::string m = test::Datenbankinhalt(dir.Join("Betrieb.mdb"));
    const std::string t = test::Datenbankinhalt(dir.Join("Betrieb.Tolvar"));
    // Haus 2 has no path share: the gross area equals the net area.
    const bool gespeichert = Speichern({{"Haus 2", "Sta1003", f.text, "01.03.2024", "31.03.2024"}});
    EXPECT_EQ(gespeichert, f.belegung.has_value());
    if (gespeichert) {
      EXPECT_EQ(Gespeichert(), (Tabelle{{"Sta1003", "2024-03-01", "2024-03-31", *f.belegung}}));
      EXPECT_EQ(phasenflaeche(), *f.phase);
    } else {
      unveraendert(m, t);
    }

    auto phasen = mdlKulturPhasenInfo::KulturphasenTabelle(state().culture);
    phasen[0][mdlKulturPhasenInfo::kSpalteFlaeche] = f.text;
    const std::string m2 = test::Datenbankinhalt(dir.Join("Betrieb.mdb"));
    const std::string t2 = test::Datenbankinhalt(dir.Join("Betrieb.Tolvar"));
    EXPECT_EQ(mdlKulturPhasenInfo::KulturphasenSpeichern(phasen), f.getippt.has_value());
    if (f.getippt) {
      EXPECT_EQ(phasenflaeche(), *f.getippt);
    } else {
      unveraendert(m2, t2);
    }
  }

  // An area each occupancy may take can still give a phase a gross area beyond the bound (Haus
  // 1 has 15 % paths): refused naming the phase, nothing written; a smaller area is stored.
  const std::string m = test::Datenbankinhalt(dir.Join("Betrieb.mdb"));
  const std::string t = test::Datenbankinhalt(dir.Join("Betrieb.Tolvar"));
  const std::size_t vorher = meldungen.messages.size();
  EXPECT_FALSE(Speichern({{"Haus 1", "Sta1002", "1000000000000", "01.03.2024", "31.03.2024"}}));
  ASSERT_EQ(meldungen.messages.size(), vorher + 1);
  EXPECT_EQ(meldungen.messages.back().text,
            "Die Bruttofläche der Kulturphase \"Phase 1\", die sich aus den Standorten ergibt, muss eine Zahl von 0 "
            "bis 1.000.000.000.000 Nm² sein. Die Standorte wurden nicht gespeichert.");
  unveraendert(m, t);
  ASSERT_TRUE(Speichern({{"Haus 1", "Sta1002", "100", "01.03.2024", "31.03.2024"}}));
  EXPECT_EQ(Zeilen(*tolvar, "SELECT \"Fläche\", \"BruttoFläche\" FROM \"KulturPhasen\" ORDER BY \"KP_ID\""),
            (Tabelle{{"100", "115"}, {"0", "0"}}));
}

// A write that fails in either table leaves both databases as they were.
TEST_F(OccupanciesTest, AFailingWriteChangesNothing) {
  Belegung("K1023", "Sta1002", "2024-03-01", "2024-03-31", "30");
  struct Fall {
    db::Database* datenbank;
    const char* tabelle;
  };
  for (const Fall& f : {Fall{morvin.get(), "KulturStandorte"}, Fall{tolvar.get(), "KulturPhasen"}}) {
    SCOPED_TRACE(f.tabelle);
    Ausfuehren(*f.datenbank, std::string("CREATE TRIGGER sperre BEFORE INSERT ON \"") + f.tabelle +
                                 "\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
    const std::string m = test::Datenbankinhalt(dir.Join("Betrieb.mdb"));
    const std::string t = test::Datenbankinhalt(dir.Join("Betrieb.Tolvar"));
    const std::size_t vorher = meldungen.messages.size();
    EXPECT_FALSE(Speichern({{"Haus 2", "", "70", "01.04.2024", "30.04.2024"}}));
    EXPECT_EQ(meldungen.messages.size(), vorher + 1);
    EXPECT_EQ(test::Datenbankinhalt(dir.Join("Betrieb.mdb")), m);
    EXPECT_EQ(test::Datenbankinhalt(dir.Join("Betrieb.Tolvar")), t);
    Ausfuehren(*f.datenbank, "DROP TRIGGER sperre");
  }
  EXPECT_EQ(Gespeichert(), (Tabelle{{"Sta1002", "2024-03-01", "2024-03-31", "30"}}));
}

}  // namespace
}  // namespace tolvar::mdlStandorte2
