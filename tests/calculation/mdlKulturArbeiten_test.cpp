// Loading the recorded work of a culture from table Taetigkeiten, by phase.

#include "calculation/mdlKulturArbeiten.h"

#include <gtest/gtest.h>

#include "calc_fixtures.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/schema.h"

namespace tolvar::mdlKulturArbeiten {
namespace {

using test::D;
using test::Phase;
using test::Phasen;

class KulturArbeitenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    pfad = dir.Join("Betrieb.mdb");
    datenbank = db::Database::Create(pfad);
    ASSERT_TRUE(datenbank);
    ASSERT_TRUE(datenbank->ExecuteScript(test::SchemaOf({"Taetigkeiten", "StdTaetigkeiten", "Personal"})));
    ASSERT_TRUE(datenbank->Execute(
        "INSERT INTO \"StdTaetigkeiten\" (\"StdTaetigkeitNr\", \"Tätigkeiten\") VALUES ('StdT1002', 'Topfen'), "
        "('StdT1002', 'zweiter Name'), ('StdT1004', NULL)"));
    ASSERT_TRUE(datenbank->Execute(
        "INSERT INTO \"Personal\" (\"PersonalNr\", \"Kuerzel\") VALUES ('P1003', 'Huber'), ('P1004', 'Maier')"));

    State& s = state();
    KulturSatz kultur;
    kultur.KulturNr = "K1003";
    kultur.Kulturname = "Weihnachtsstern";
    s.masters.KulturListe = {kultur};
    s.selection.KulturIndex = 0;
    s.enterprise.AktuellerBetrieb = pfad;
    s.culture.PhasenListe =
        Phasen({Phase(D(1, 7, 2024), D(28, 7, 2024), "6000"), Phase(D(29, 7, 2024), D(15, 9, 2024), "6000")});
    s.culture.AnzahlPhasen = 2;
  }
  void TearDown() override { ResetState(); }

  void Arbeit(const char* kultur, const char* datum, const char* taetigkeit, const char* stunden,
              const char* personal) {
    ASSERT_TRUE(datenbank->Execute(
        "INSERT INTO \"Taetigkeiten\" (\"KulturNr\", \"Datum\", \"StdTaetigkeitNr\", \"Zeitdauer\", \"Fläche\", "
        "\"StandortNr\", \"PersonalNr\") VALUES (?, ?, ?, ?, '60', 'Sta1003', ?)",
        {kultur ? db::Value(kultur) : db::Value(), datum ? db::Value(datum) : db::Value(),
         taetigkeit ? db::Value(taetigkeit) : db::Value(), db::Value(stunden),
         personal ? db::Value(personal) : db::Value()}));
  }

  test::TempDir dir;
  std::string pfad;
  std::unique_ptr<db::Database> datenbank;
};

TEST_F(KulturArbeitenTest, EmptyTableLeavesTheListEmpty) {
  EXPECT_TRUE(KulturArbeitenLaden());
  EXPECT_TRUE(state().calculation.KulturArbeitListe.empty());
}

TEST_F(KulturArbeitenTest, WorkInThePhasesOrderedByPhaseThenDate) {
  Arbeit("K1003", "2024-08-20", "StdT1002", "4", "P1003");
  Arbeit("K1003", "2024-07-28", "StdT1004", "3,5", "P1004");         // last day of phase 1
  Arbeit("K1003", "2024-06-30", "StdT1002", "1", "P1003");           // a day before the first phase
  Arbeit("K1003", "2024-09-16", "StdT1002", "1", "P1003");           // a day after the last phase
  Arbeit("K1004", "2024-07-10", "StdT1002", "1", "P1003");           // another culture
  Arbeit("K1003", "2024-07-01", nullptr, "2", "P9999");              // no activity, unknown person
  Arbeit(nullptr, "2024-07-02", "StdT1002", "1", "P1003");           // no culture
  Arbeit("K1003", nullptr, "StdT1002", "1", "P1003");                // no date
  Arbeit("K1003", "2024-07-29", "StdT1002", "42", nullptr);          // first day of phase 2
  Arbeit("K1003", "2024-09-15 16:30:00", "StdT1002", "5", "P1003");  // last day of phase 2, with a time

  ASSERT_TRUE(KulturArbeitenLaden());
  const State& s = state();
  ASSERT_EQ(s.calculation.KulturArbeitListe.size(), 5U);
  struct Erwartet {
    base::Date datum;
    const char* taetigkeitNr;
    const char* taetigkeit;
    const char* personal;
    const char* kuerzel;
    const char* stunden;
  };
  const Erwartet erwartet[] = {
      {D(1, 7, 2024), "0", "0", "P9999", "0", "2"},
      {D(28, 7, 2024), "StdT1004", "0", "P1004", "Maier", "3,5"},
      {D(29, 7, 2024), "StdT1002", "Topfen", "0", "0", "42"},
      {D(20, 8, 2024), "StdT1002", "Topfen", "P1003", "Huber", "4"},
      {D(15, 9, 2024), "StdT1002", "Topfen", "P1003", "Huber", "5"},
  };
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const KulturArbeitSatz& a = s.calculation.KulturArbeitListe[static_cast<std::size_t>(i)];
    EXPECT_EQ(a.Datum, erwartet[i].datum);
    EXPECT_EQ(a.StdTaetigkeitNr, erwartet[i].taetigkeitNr);
    EXPECT_EQ(a.Taetigkeit, erwartet[i].taetigkeit);
    EXPECT_EQ(a.PersonalNr, erwartet[i].personal);
    EXPECT_EQ(a.Kuerzel, erwartet[i].kuerzel);
    EXPECT_EQ(a.Zeitdauer, erwartet[i].stunden);
    EXPECT_EQ(a.KulturNr, "K1003");
    EXPECT_EQ(a.Kulturname, "Weihnachtsstern");
    EXPECT_EQ(a.Flaeche, "60");
    EXPECT_EQ(a.StandortNr, "Sta1003");
  }
}

// A row of the culture whose date is no date cannot be read: the read fails, so that no cost
// leaves it out, and the list holds the other rows for the windows that show them. A blank
// date is no date given, as Null is.
TEST_F(KulturArbeitenTest, ADateThatIsNoDateFailsTheRead) {
  Arbeit("K1003", "2024-08-20", "StdT1002", "4", "P1003");
  Arbeit("K1003", " ", "StdT1002", "1", "P1003");
  Arbeit("K1004", "abc", "StdT1002", "1", "P1003");  // another culture's row is not read
  std::string fehler;
  ASSERT_TRUE(KulturArbeitenLaden(&fehler));
  EXPECT_EQ(state().calculation.KulturArbeitListe.size(), 1U);
  Arbeit("K1003", "31.02.2024", "StdT1002", "2", "P1003");
  EXPECT_FALSE(KulturArbeitenLaden(&fehler));
  EXPECT_EQ(fehler, "Tabelle \"Taetigkeiten\": das Datum \"31.02.2024\" ist kein Datum");
  EXPECT_EQ(state().calculation.KulturArbeitListe.size(), 1U);
}

TEST_F(KulturArbeitenTest, NoCultureOrNoDatabaseGivesAnEmptyList) {
  Arbeit("K1003", "2024-08-20", "StdT1002", "4", "P1003");
  state().selection.KulturIndex = 1;  // past the end: nothing selected
  EXPECT_FALSE(KulturArbeitenLaden());
  EXPECT_EQ(state().calculation.KulturArbeitListe.size(), 0U);

  state().selection.KulturIndex = 0;
  ASSERT_TRUE(KulturArbeitenLaden());
  EXPECT_EQ(state().calculation.KulturArbeitListe.size(), 1U);
  state().enterprise.AktuellerBetrieb = dir.Join("fehlt.mdb");
  EXPECT_FALSE(KulturArbeitenLaden());
  EXPECT_TRUE(state().calculation.KulturArbeitListe.empty());
}

}  // namespace
}  // namespace tolvar::mdlKulturArbeiten
