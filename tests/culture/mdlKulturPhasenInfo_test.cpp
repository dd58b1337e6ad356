// Loading, saving and deleting the phases of a culture.

#include "culture/mdlKulturPhasenInfo.h"

#include <gtest/gtest.h>

#include <tuple>

#include "culture_fixture.h"
#include "support/tables.h"

namespace tolvar::mdlKulturPhasenInfo {
namespace {

using test::D;

class PhasesTest : public test::CultureFixture {
 protected:
  static PhasenZeile Zeile(const std::string& name, const std::string& beginn, const std::string& ende) {
    PhasenZeile z;
    z[kSpalteName] = name;
    z[kSpalteBeginn] = beginn;
    z[kSpalteEnde] = ende;
    return z;
  }
};

TEST_F(PhasesTest, LoadsEachRowIntoTheSlotOfItsNumber) {
  PhaseSpeichern("K1023", "3", "Drei", "2024-05-01", "2024-05-31");
  PhaseSpeichern("K1024", "1", "Fremd", "2024-01-01", "2024-01-31");
  PhaseSpeichern("K1023", "1", "Eins", "2024-03-01 08:30:00", "2024-03-31");
  PhaseSpeichern("K1023", "26", "Zu hoch", "2024-06-01", "2024-06-30");
  PhaseSpeichern("K1023", "0", "Null", "2024-06-01", "2024-06-30");
  PhaseSpeichern("K1023", "2", "Zwei", "2024-04-01", "2024-04-30");
  ASSERT_TRUE(KulturPhasenLaden());
  const State& s = state();
  ASSERT_EQ(s.culture.PhasenListe.size(), 26u);
  EXPECT_EQ(s.culture.AnzahlPhasen, 3);
  const char* namen[] = {"Eins", "Zwei", "Drei"};
  for (int n = 1; n <= 3; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(s.culture.PhasenListe[n].Phasennamen, namen[n - 1]);
    EXPECT_EQ(s.culture.PhasenListe[n].Phasennummer, std::to_string(n));
    EXPECT_EQ(s.culture.PhasenListe[n].KP_ID, "K1023_" + std::to_string(n));
  }
  // A time of day is dropped.
  EXPECT_EQ(s.culture.PhasenListe[1].Anfang, D(2024, 3, 1));
  EXPECT_EQ(s.culture.PhasenListe[1].Flaeche, "10");
  EXPECT_EQ(s.culture.PhasenListe[1].BruttoFlaeche, "11");
  for (int n = 4; n <= 25; ++n) EXPECT_EQ(s.culture.PhasenListe[n].KP_ID, "0") << n;
}

TEST_F(PhasesTest, GapsStayEmptyAndALaterLoadEmptiesOldSlots) {
  for (int n = 1; n <= 5; ++n) PhaseSpeichern("K1024", std::to_string(n), "P", "2024-01-01", "2024-01-02");
  PhaseSpeichern("K1023", "1", "Eins", "2024-03-01", "2024-03-31");
  PhaseSpeichern("K1023", "3", "Drei", "2024-05-01", "2024-05-31");
  state().selection.KulturIndex = 1;
  ASSERT_TRUE(KulturPhasenLaden());
  EXPECT_EQ(state().culture.AnzahlPhasen, 5);
  state().selection.KulturIndex = 0;
  ASSERT_TRUE(KulturPhasenLaden());
  const State& s = state();
  EXPECT_EQ(s.culture.AnzahlPhasen, 2);
  EXPECT_EQ(s.culture.PhasenListe[2].KP_ID, "0");
  EXPECT_EQ(s.culture.PhasenListe[2].Anfang, base::kZeroDate);
  for (int n = 4; n <= 5; ++n) EXPECT_EQ(s.culture.PhasenListe[n].KP_ID, "0") << n;
}

TEST_F(PhasesTest, LoadWithoutCultureOrDatabaseGivesEmptySlots) {
  state().selection.KulturIndex = 7;
  EXPECT_FALSE(KulturPhasenLaden());
  EXPECT_EQ(state().culture.PhasenListe.size(), 26u);
  EXPECT_EQ(state().culture.AnzahlPhasen, 0);
  state().selection.KulturIndex = 0;
  state().enterprise.TolvarDatenbankPfad = dir.Join("fehlt.Tolvar");
  EXPECT_FALSE(KulturPhasenLaden());
  EXPECT_EQ(state().culture.AnzahlPhasen, 0);
}

TEST_F(PhasesTest, SaveReplacesTheCulturesRowsAndFillsDefaults) {
  PhaseSpeichern("K1023", "1", "Alt", "2024-01-01", "2024-01-31");
  PhaseSpeichern("K1024", "1", "Fremd", "2024-01-01", "2024-01-31");
  PhasenZeile voll = Zeile("Bewurzelung", "01.03.2024", "31.03.2024");
  voll[kSpalteMenge] = "6000";
  voll[kSpalteFlaeche] = "60";
  voll[kSpalteTT] = "22,5";
  voll[kSpalteBrutto] = "66";
  const std::vector<PhasenZeile> gitter = {voll, Zeile("Ohne Beginn", "", ""), Zeile("Ohne Ende", "01.04.2024", ""),
                                           Zeile("", "", ""), Zeile("", "", "")};
  ASSERT_TRUE(KulturphasenSpeichern(gitter));
  EXPECT_TRUE(meldungen.messages.empty());

  const auto zeilen = Zeilen(*tolvar,
                             "SELECT \"KP_ID\", \"Phasennummer\", \"Phasennamen\", \"AnzahlPflanzen\", \"Fläche\", "
                             "\"BruttoFläche\", \"Anfang\", \"Ende\", \"TT\", \"NT\" FROM \"KulturPhasen\" "
                             "WHERE \"Kulturnummer\" = 'K1023' ORDER BY rowid");
  const std::vector<std::vector<std::string>> erwartet = {
      {"K1023_1", "1", "Bewurzelung", "6000", "60", "66", "2024-03-01", "2024-03-31", "22,5", "0"},
      {"K1023_2", "2", "Ohne Beginn", "0", "0", "0", "2024-05-15", "2024-05-16", "0", "0"},
      {"K1023_3", "3", "Ohne Ende", "0", "0", "0", "2024-04-01", "2024-04-02", "0", "0"}};
  EXPECT_EQ(zeilen, erwartet);
  EXPECT_EQ(Zeilen(*tolvar, "SELECT \"Phasennamen\" FROM \"KulturPhasen\" WHERE \"Kulturnummer\" = 'K1024'"),
            (std::vector<std::vector<std::string>>{{"Fremd"}}));
  EXPECT_EQ(state().culture.AnzahlPhasen, 3);
  EXPECT_EQ(state().culture.PhasenListe[4].Anfang, base::kNoDate);

  // Saved and loaded again, the phases are the same.
  ASSERT_TRUE(KulturPhasenLaden());
  EXPECT_EQ(state().culture.PhasenListe[1].Ende, D(2024, 3, 31));
  EXPECT_EQ(state().culture.PhasenListe[3].Phasennamen, "Ohne Ende");
}

TEST_F(PhasesTest, ANameGapIsClosedInsteadOfStoringAnEmptyRow) {
  ASSERT_TRUE(KulturphasenSpeichern(
      {Zeile("A", "01.03.2024", "31.03.2024"), Zeile("", "", ""), Zeile("C", "01.04.2024", "30.04.2024")}));
  const auto zeilen =
      Zeilen(*tolvar, "SELECT \"KP_ID\", \"Kulturnummer\", \"Phasennamen\" FROM \"KulturPhasen\" ORDER BY rowid");
  EXPECT_EQ(zeilen, (std::vector<std::vector<std::string>>{{"K1023_1", "K1023", "A"}, {"K1023_2", "K1023", "C"}}));
  EXPECT_EQ(state().culture.AnzahlPhasen, 2);
}

TEST_F(PhasesTest, AnInvalidDateRefusesTheSaveAndKeepsTheStoredRows) {
  PhaseSpeichern("K1023", "1", "Alt", "2024-01-01", "2024-01-31");
  for (const auto& [beginn, ende] :
       std::vector<std::pair<std::string, std::string>>{{"31.02.2024", "01.03.2024"}, {"01.03.2024", "abc"}}) {
    SCOPED_TRACE(beginn + " " + ende);
    meldungen.messages.clear();
    EXPECT_FALSE(KulturphasenSpeichern({Zeile("Neu", beginn, ende)}));
    ASSERT_EQ(meldungen.messages.size(), 1u);
    EXPECT_EQ(Zeilen(*tolvar, "SELECT \"Phasennamen\" FROM \"KulturPhasen\""),
              (std::vector<std::vector<std::string>>{{"Alt"}}));
  }
}

// Every number cell the saver writes, in the second of two rows: a refused text turns its
// cell red before its message shows and leaves the database byte for byte as it was, an
// allowed one is stored as it stands ("0" for an empty cell).
TEST_F(PhasesTest, EachNumberCellIsCheckedByItsRuleBeforeAnythingIsWritten) {
  struct Fall {
    int spalte;
    const char* text;
    const char* gespeichert;  // nullptr: refused
  };
  const std::vector<Fall> faelle = {
      {kSpalteMenge, "abc", nullptr},
      {kSpalteMenge, "1,2,3", nullptr},
      {kSpalteMenge, "-5", nullptr},
      {kSpalteMenge, "1e308", nullptr},
      {kSpalteMenge, "12,5", nullptr},
      {kSpalteMenge, "1000000000001", nullptr},
      {kSpalteMenge, "", "0"},
      {kSpalteMenge, "0", "0"},
      {kSpalteMenge, "1000000000000", "1000000000000"},
      {kSpalteFlaeche, "abc", nullptr},
      {kSpalteFlaeche, "1e308", nullptr},
      {kSpalteFlaeche, "", "0"},
      {kSpalteTT, "1,2,3", nullptr},
      {kSpalteTT, "-5", nullptr},
      {kSpalteTT, "1e308", nullptr},
      {kSpalteTT, "", "0"},
      {kSpalteTT, "50,5", "50,5"},
      {kSpalteNT, "abc", nullptr},
      {kSpalteNT, "0", "0"},
      {kSpalteLicht, "-5", nullptr},
      {kSpalteLicht, "1000000000000", "1000000000000"},
      {kSpalteDauer, "abc", nullptr},
      {kSpalteDauer, "24,5", nullptr},
      {kSpalteDauer, "24", "24"},
      {kSpalteDauer, "", "0"},
      {kSpalteBrutto, "-5", nullptr},
      {kSpalteBrutto, "", "0"},
  };
  const char* const felder[kPhasenSpalten] = {"",      "AnzahlPflanzen", "Fläche", "", "", "TT", "NT", "Intensitaet",
                                              "Dauer", "BruttoFläche"};
  PhaseSpeichern("K1023", "1", "Alt", "2024-01-01", "2024-01-31");
  const std::string pfad = dir.Join("Betrieb.Tolvar");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(std::string(felder[f.spalte]) + " \"" + f.text + "\"");
    meldungen.messages.clear();
    std::vector<PhasenZeile> gitter = {Zeile("Eins", "01.03.2024", "31.03.2024"),
                                       Zeile("Zwei", "01.04.2024", "30.04.2024")};
    gitter[1][static_cast<std::size_t>(f.spalte)] = f.text;
    const std::string vorher = test::Datenbankinhalt(pfad);
    std::vector<culture::Zelle> rot;
    std::size_t meldungenBeimMalen = 99;
    const bool ok = KulturphasenSpeichern(gitter, [&](const std::vector<culture::Zelle>& zellen) {
      rot = zellen;
      meldungenBeimMalen = meldungen.messages.size();
    });
    if (f.gespeichert == nullptr) {
      EXPECT_FALSE(ok);
      EXPECT_EQ(test::Datenbankinhalt(pfad), vorher);
      EXPECT_EQ(rot, (std::vector<culture::Zelle>{{2, f.spalte}}));
      EXPECT_EQ(meldungenBeimMalen, 0u);
      ASSERT_EQ(meldungen.messages.size(), 1u);
      EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
      continue;
    }
    ASSERT_TRUE(ok);
    EXPECT_TRUE(meldungen.messages.empty());
    EXPECT_EQ(Zeilen(*tolvar, std::string("SELECT \"") + felder[f.spalte] +
                                  "\" FROM \"KulturPhasen\" WHERE \"KP_ID\" = 'K1023_2'"),
              (std::vector<std::vector<std::string>>{{f.gespeichert}}));
  }
}

TEST_F(PhasesTest, ARefusalNamesTheColumnThePhaseAndTheRange) {
  PhasenZeile z = Zeile("Topfen", "01.03.2024", "31.03.2024");
  for (const auto& [spalte, text, meldung] : std::vector<std::tuple<int, std::string, std::string>>{
           {kSpalteMenge, "abc",
            "Der Wert für \"Menge\" der Kulturphase \"Topfen\" muss eine ganze Zahl von 0 bis "
            "1.000.000.000.000 sein. Die Kulturphasen wurden nicht gespeichert."},
           {kSpalteDauer, "25",
            "Der Wert für \"Zusatzbelichtung (h)\" der Kulturphase \"Topfen\" muss eine Zahl von 0 bis 24 sein. Die "
            "Kulturphasen wurden nicht gespeichert."},
           // A point is never read as a thousands point, and the message says so.
           {kSpalteMenge, "6.000",
            "Der Wert für \"Menge\" der Kulturphase \"Topfen\" muss eine ganze Zahl von 0 bis "
            "1.000.000.000.000 sein. Bitte geben Sie die Zahl ohne Tausenderpunkte ein. Die Kulturphasen wurden "
            "nicht gespeichert."}}) {
    meldungen.messages.clear();
    PhasenZeile falsch = z;
    falsch[static_cast<std::size_t>(spalte)] = text;
    EXPECT_EQ(PhasenzeilenPruefen({falsch}), (culture::Zelle{1, spalte}));
    ASSERT_EQ(meldungen.messages.size(), 1u);
    EXPECT_EQ(meldungen.messages[0].text, meldung);
  }
  // Rows without a name are not stored and not checked.
  PhasenZeile ohneName = Zeile("", "", "");
  ohneName[kSpalteMenge] = "abc";
  EXPECT_EQ(PhasenzeilenPruefen({z, ohneName}), std::nullopt);
}

// The delete checks the rows that stay before it removes the stored phase.
TEST_F(PhasesTest, ARefusedRemainingRowKeepsTheDeletedPhase) {
  PhaseSpeichern("K1023", "1", "P1", "2024-01-01", "2024-01-20");
  PhaseSpeichern("K1023", "2", "P2", "2024-02-01", "2024-02-20");
  ASSERT_TRUE(KulturPhasenLaden());
  state().selection.PhasenIndex = 1;
  const std::string pfad = dir.Join("Betrieb.Tolvar");
  const std::string vorher = test::Datenbankinhalt(pfad);
  PhasenZeile bleibt = Zeile("P2", "01.02.2024", "20.02.2024");
  bleibt[kSpalteTT] = "1,2,3";
  EXPECT_FALSE(KulturphaseLoeschen({bleibt}));
  EXPECT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(test::Datenbankinhalt(pfad), vorher);
}

TEST_F(PhasesTest, AFailingWriteLeavesTheStoredRowsAndReportsIt) {
  PhaseSpeichern("K1023", "1", "Alt", "2024-01-01", "2024-01-31");
  // Inserts fail from the second row on; the deletion before them must be undone.
  Ausfuehren(*tolvar,
             "CREATE TRIGGER sperre BEFORE INSERT ON \"KulturPhasen\" WHEN NEW.\"Phasennummer\" = '2' "
             "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  EXPECT_FALSE(KulturphasenSpeichern({Zeile("A", "01.03.2024", "31.03.2024"), Zeile("B", "01.04.2024", "30.04.2024")}));
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
  EXPECT_EQ(Zeilen(*tolvar, "SELECT \"Phasennamen\" FROM \"KulturPhasen\""),
            (std::vector<std::vector<std::string>>{{"Alt"}}));
}

TEST_F(PhasesTest, DeletingPhaseTwoOfFourAndSavingRenumbersTheRest) {
  for (int n = 1; n <= 4; ++n) {
    PhaseSpeichern("K1023", std::to_string(n), "P" + std::to_string(n), "2024-0" + std::to_string(n) + "-01",
                   "2024-0" + std::to_string(n) + "-20");
  }
  ASSERT_TRUE(KulturPhasenLaden());
  state().selection.PhasenIndex = 2;
  ASSERT_TRUE(KulturphaseLoeschen({Zeile("P1", "01.01.2024", "20.01.2024"), Zeile("P3", "01.03.2024", "20.03.2024"),
                                   Zeile("P4", "01.04.2024", "20.04.2024")}));
  EXPECT_EQ(Zeilen(*tolvar, "SELECT \"KP_ID\", \"Phasennamen\" FROM \"KulturPhasen\" ORDER BY rowid"),
            (std::vector<std::vector<std::string>>{{"K1023_1", "P1"}, {"K1023_2", "P3"}, {"K1023_3", "P4"}}));
}

TEST_F(PhasesTest, DeleteOutsideTheSlotsOnlyStores) {
  PhaseSpeichern("K1023", "1", "Eins", "2024-01-01", "2024-01-31");
  ASSERT_TRUE(KulturPhasenLaden());
  for (int index : {-1, 0, 2, 26, 1000}) {
    SCOPED_TRACE(index);
    state().selection.PhasenIndex = index;
    EXPECT_TRUE(KulturphaseLoeschen({Zeile("Eins", "01.01.2024", "31.01.2024")}));
    EXPECT_EQ(Zeilen(*tolvar, "SELECT count(*) FROM \"KulturPhasen\"")[0][0], "1");
  }
}

}  // namespace
}  // namespace tolvar::mdlKulturPhasenInfo
