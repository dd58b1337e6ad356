// Saving, deleting and copying stored comparison cultures, each change renumbering the table
// in the same transaction.
#include "comparison/comparison_cultures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "comparison/ergebnis_fixture.h"
#include "data/comparison_table.h"
#include "data/mdlFehler.h"
#include "support/fixtures.h"

namespace tolvar::comparison {
namespace {

using test::SpalteLesen;
using Texte = std::vector<std::string>;

class PflegeTest : public testing::Test {
 protected:
  void SetUp() override {
    test::ErgebnisdatenbankAnlegen(pfad);
    for (int i = 0; i < 3; ++i) test::ZeileEinfuegen(pfad, test::Beispielkultur(i, "K" + std::to_string(i)));
  }
  test::TempDir dir;
  std::string pfad = dir.Join("Ergebnisse.mdb");
};

TEST_F(PflegeTest, ReadsACultureAsPlainText) {
  const auto f = KulturLesen(pfad, Schluessel("K1", "1"));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Kultur, "K1");
  EXPECT_EQ(f->Preis, "0,90");
  EXPECT_EQ(f->TQM, "730");
  EXPECT_EQ(f->Kosten[0], "150");
  EXPECT_EQ(f->Grade[1], 2);
  EXPECT_FALSE(f->Import);
  EXPECT_FALSE(KulturLesen(pfad, Schluessel("K1", "2")));
  EXPECT_FALSE(KulturLesen(pfad, std::string(kWurzelSchluessel)));
}

TEST_F(PflegeTest, NullColumnsAreReportedAsMissing) {
  test::ZeileEinfuegen(pfad, {{"Nr", 3}, {"Kultur", "Halb"}});
  const auto f = KulturLesen(pfad, Schluessel("Halb", "3"));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->Bemerkungen, std::nullopt);
  EXPECT_EQ(f->Grade[0], std::nullopt);
}

TEST_F(PflegeTest, SavingAnEditedCultureMovesItToTheEnd) {
  Kultureingabe e;
  e.Kultur = "K0 neu";
  e.Akh = "12,5";
  std::string neu;
  ASSERT_TRUE(KulturSpeichern(pfad, e, Schluessel("K0", "0"), &neu));
  EXPECT_EQ(SpalteLesen(pfad, "Kultur"), (Texte{"K1", "K2", "K0 neu"}));
  EXPECT_EQ(SpalteLesen(pfad, "Nr"), (Texte{"0", "1", "2"}));
  EXPECT_EQ(neu, Schluessel("K0 neu", "2"));
  EXPECT_EQ(SpalteLesen(pfad, "Akh")[2], "12,5");
}

TEST_F(PflegeTest, SavingWithoutAMatchingKeyAppendsTheDefaults) {
  for (const std::string& key : {std::string(), std::string(kWurzelSchluessel)}) {
    ASSERT_TRUE(KulturSpeichern(pfad, Kultureingabe{}, key));
  }
  EXPECT_EQ(SpalteLesen(pfad, "Kultur"), (Texte{"K0", "K1", "K2", "0", "0"}));
  EXPECT_EQ(SpalteLesen(pfad, "Nr"), (Texte{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(SpalteLesen(pfad, "Beginn")[3], "01.01.1900");
  EXPECT_EQ(SpalteLesen(pfad, "Heizung")[3], "0");
  EXPECT_EQ(SpalteLesen(pfad, "DQHeizung")[3], "3");
  EXPECT_EQ(SpalteLesen(pfad, "Bemerkungen")[3], "");
  EXPECT_EQ(SpalteLesen(pfad, "Import")[3], "0");
}

// A box the table's rules refuse is named by its column, after the defaults of the empty
// boxes, and nothing is written; the file keeps its bytes. (Each rule's texts through every
// writer: comparison_cultures_writers_test.cpp.)
TEST_F(PflegeTest, RefusedBoxesAreNamedByTheirColumnAndChangeNothing) {
  const std::string vorher = test::FileContents(pfad);
  Kultureingabe e;
  e.Preis = "0,85";
  e.Kosten[KostenIndex(Kostenart::Gemeinkosten)] = "1e308";
  e.Menge = "1,5";
  EXPECT_EQ(ErsteVerweigerung(e), "Menge");  // the first in the table's order
  std::string fehler;
  EXPECT_FALSE(KulturSpeichern(pfad, e, Schluessel("K0", "0"), nullptr, &fehler));
  EXPECT_FALSE(fehler.empty());
  EXPECT_TRUE(test::FileContents(pfad) == vorher);
  e.Menge = "";
  EXPECT_EQ(ErsteVerweigerung(e), "Gemeinkosten");
  e.Kosten[KostenIndex(Kostenart::Gemeinkosten)] = "";
  EXPECT_EQ(ErsteVerweigerung(e), std::nullopt);
}

TEST(Verweigerungsmeldung, NamesTheBoxWhatItTakesAndThousandsPoints) {
  EXPECT_EQ(Verweigerungsmeldung("Menge", "Menge", "6.000"),
            "Die Vergleichskultur wurde nicht gespeichert. Menge \"6.000\" muss eine ganze Zahl von 0 bis "
            "1.000.000.000.000 sein. Bitte geben Sie die Zahl ohne Tausenderpunkte ein.\n\nBitte korrigieren Sie "
            "die Eingabe.");
  EXPECT_EQ(Verweigerungsmeldung("Ende", "Ende", "1.1.2024"),
            "Die Vergleichskultur wurde nicht gespeichert. Ende \"1.1.2024\" muss ein Datum in der Form TT.MM.JJJJ "
            "sein.\n\nBitte korrigieren Sie die Eingabe.");
}

TEST_F(PflegeTest, DeletingRenumbersAlsoWhenNothingWasDeleted) {
  bool geloescht = true;
  ASSERT_TRUE(KulturLoeschen(pfad, std::string(kWurzelSchluessel), &geloescht));
  EXPECT_FALSE(geloescht);
  ASSERT_TRUE(KulturLoeschen(pfad, Schluessel("K1", "1"), &geloescht));
  EXPECT_TRUE(geloescht);
  EXPECT_EQ(SpalteLesen(pfad, "Kultur"), (Texte{"K0", "K2"}));
  EXPECT_EQ(SpalteLesen(pfad, "Nr"), (Texte{"0", "1"}));
}

TEST_F(PflegeTest, NamesEndingInDigitsNeverShareAKey) {
  test::ErgebnisdatenbankAnlegen(dir.Join("b.mdb"));
  const std::string b = dir.Join("b.mdb");
  for (int i = 0; i < 13; ++i) test::ZeileEinfuegen(b, {{"Nr", i}, {"Kultur", i == 2 ? "A1" : "A"}});
  EXPECT_NE(Schluessel("A1", "2"), Schluessel("A", "12"));
  ASSERT_TRUE(KulturLoeschen(b, Schluessel("A", "12")));
  EXPECT_EQ(SpalteLesen(b, "Kultur")[2], "A1");
  EXPECT_EQ(SpalteLesen(b, "Kultur").size(), 12u);
}

TEST_F(PflegeTest, TransferCopiesListedCulturesMarkedAsImported) {
  const std::string ziel = dir.Join("Ziel.mdb");
  test::ErgebnisdatenbankAnlegen(ziel);
  test::Spalten alt = test::Beispielkultur(5, "Alt");
  alt["Import"] = -1;
  test::ZeileEinfuegen(ziel, alt);
  int kopiert = 0;
  // A culture listed twice is copied twice.
  ASSERT_TRUE(data::VergleichskulturenUebertragen(pfad, ziel, {"2", "0", "2"}, &kopiert));
  EXPECT_EQ(kopiert, 3);
  EXPECT_EQ(SpalteLesen(ziel, "Kultur"), (Texte{"Alt", "K2", "K0", "K2"}));
  EXPECT_EQ(SpalteLesen(ziel, "Nr"), (Texte{"0", "1", "2", "3"}));
  EXPECT_EQ(SpalteLesen(ziel, "Import"), (Texte{"-1", "-1", "-1", "-1"}));
  EXPECT_EQ(SpalteLesen(ziel, "Bemerkungen")[1], "Bemerkung K2");
  EXPECT_EQ(SpalteLesen(ziel, "TQM")[1], "730");
  // The source is untouched.
  EXPECT_EQ(SpalteLesen(pfad, "Import"), (Texte{"0", "0", "0"}));
}

// A failed transfer names the file that failed: the source when it cannot be read, the
// target when it cannot be written.
TEST_F(PflegeTest, AFailedTransferNamesTheFileThatFailed) {
  const std::string leer = dir.Join("Leer.mdb");
  ASSERT_TRUE(db::Database::Create(leer));
  const std::string vorher = SpalteLesen(pfad, "Kultur").front();
  for (const auto& [quelle, ziel, fehlerhaft] : {std::tuple{pfad, leer, leer}, std::tuple{leer, pfad, leer}}) {
    std::string fehler, fehlerDatei;
    EXPECT_FALSE(data::VergleichskulturenUebertragen(quelle, ziel, {"0"}, nullptr, &fehler, &fehlerDatei));
    EXPECT_FALSE(fehler.empty());
    EXPECT_EQ(fehlerDatei, fehlerhaft);
  }
  EXPECT_EQ(SpalteLesen(pfad, "Kultur").size(), 3u);
  EXPECT_EQ(SpalteLesen(pfad, "Kultur").front(), vorher);
}

// A result database is taken in for import and export with table Vergleichskulturen; a
// column it lacks is read as empty, so a file of fewer columns passes.
TEST_F(PflegeTest, ResultDatabaseCheckOfTheTransfer) {
  const std::string ohneTabelle = dir.Join("ohne.mdb");
  ASSERT_TRUE(db::Database::Create(ohneTabelle));
  const std::string text = dir.Join("text.mdb");
  std::ofstream(text) << "keine Datenbank";
  const std::string wenigeSpalten = dir.Join("wenige.mdb");
  ASSERT_TRUE(db::Database::Create(wenigeSpalten)->Execute("CREATE TABLE Vergleichskulturen (Nr, Kultur)"));
  auto maengel = [](const std::string& datei) {
    return mdlFehler::DateiMaengel(datei, mdlFehler::Bedarfsart::Vergleichstabelle);
  };
  EXPECT_EQ(maengel(pfad), "");
  EXPECT_EQ(maengel(wenigeSpalten), "");
  for (const std::string& datei : {ohneTabelle, text, dir.Join("fehlt.mdb"), std::string(), dir.Path()}) {
    SCOPED_TRACE(datei);
    EXPECT_EQ(maengel(datei).rfind("Datei: " + datei + "\n", 0), 0u) << maengel(datei);
  }
}

TEST_F(PflegeTest, SameFileIsRecognisedThroughOtherSpellings) {
  const std::string umweg = dir.Join("unter/../Ergebnisse.mdb");
  std::filesystem::create_directories(dir.Join("unter"));
  EXPECT_TRUE(GleicheDatei(pfad, pfad));
  EXPECT_TRUE(GleicheDatei(pfad, umweg));
  EXPECT_FALSE(GleicheDatei(pfad, dir.Join("Andere.mdb")));
  EXPECT_FALSE(GleicheDatei(pfad, ""));
}

}  // namespace
}  // namespace tolvar::comparison
