// A comparison column loaded from a result database built in code: derived values, what the
// boxes show, and the margins in their three units, with the worked culture as the oracle.
#include "comparison/comparison_column.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "base/values.h"
#include "comparison/ergebnis_fixture.h"
#include "support/fixtures.h"

namespace tolvar::comparison {
namespace {

class SpalteTest : public testing::Test {
 protected:
  void SetUp() override {
    test::ErgebnisdatenbankAnlegen(pfad);
    test::ZeileEinfuegen(pfad, test::Beispielkultur(0));
  }
  VergleichsspalteSatz Geladen(const std::string& nr) {
    VergleichsspalteSatz s;
    SpalteZuruecksetzen(s);
    s.Nr = nr;
    EXPECT_TRUE(SpalteLaden(pfad, s));
    return s;
  }
  test::TempDir dir;
  std::string pfad = dir.Join("Ergebnisse.mdb");
};

TEST_F(SpalteTest, WorkedCultureGivesItsDerivedValuesAndBoxes) {
  const VergleichsspalteSatz s = Geladen("0");
  EXPECT_EQ(s.Sachkosten, "100");
  EXPECT_EQ(s.Gewinn1000, "100");
  EXPECT_EQ(s.GewinnKultur, "80");
  EXPECT_EQ(s.Erloes, "720");
  EXPECT_EQ(s.Bemerkungen, "Bemerkung Cyclamen");
  EXPECT_EQ(s.Grade[KostenIndex(Kostenart::Material)], "2");
  const SpaltenAnzeige a = SpalteAnzeigen(s);
  EXPECT_EQ(a.Menge, "800");
  EXPECT_EQ(a.Preis, "0,90");
  EXPECT_EQ(a.Sachkosten, "100,00");
  EXPECT_EQ(a.GewinnPflanze, "100,00");
  EXPECT_EQ(a.GewinnKultur, "80,00");
  EXPECT_EQ(a.Gemeinkosten, "100,00");
  EXPECT_EQ(a.Beginn, "01.03.2024");
}

// Every row of the cost-type table reaches the comparison: its cost and grade land in its
// slots; 10 more of the cost lowers the profit by 10, raises the "Sachkosten" bar only for a
// type that shares it, and lowers each margin only when the type is deducted before it; a
// stored text that is no number is named by the type's name and empties the profit.
TEST_F(SpalteTest, EachCostTypeOfTheTableReachesSlotsSumsAndMargins) {
  const VergleichsspalteSatz vorher = Geladen("0");
  const auto zahl = [](const std::string& text) { return base::ParseNumber(text).value_or(-1e9); };
  const auto marge = [](const VergleichsspalteSatz& s, Marge m) { return MargeJe1000(s, m).value_or(-1e9); };
  for (const KostenartDaten& d : kKostenartTabelle) {
    SCOPED_TRACE(std::string(d.name));
    const std::size_t i = KostenIndex(d.art);
    const int nr = static_cast<int>(i) + 1;
    test::Spalten z = test::Beispielkultur(nr);
    z[std::string(d.kostenSpalte)] = base::NumberText(zahl(vorher.Kosten[i]) + 10);
    z[std::string(d.gradSpalte)] = 7;
    test::ZeileEinfuegen(pfad, z);
    const VergleichsspalteSatz s = Geladen(std::to_string(nr));

    EXPECT_DOUBLE_EQ(zahl(s.Kosten[i]), zahl(vorher.Kosten[i]) + 10);
    EXPECT_EQ(s.Grade[i], "7");
    const bool sachkosten = d.vergleichsbalken == Vergleichsbalken::Sachkosten;
    EXPECT_DOUBLE_EQ(zahl(s.Sachkosten), zahl(vorher.Sachkosten) + (sachkosten ? 10 : 0));
    EXPECT_DOUBLE_EQ(zahl(s.Gewinn1000), zahl(vorher.Gewinn1000) - 10);
    EXPECT_DOUBLE_EQ(marge(s, Marge::DKFL), marge(vorher, Marge::DKFL) - (d.stufe == Kostenstufe::Sachkosten ? 10 : 0));
    EXPECT_DOUBLE_EQ(marge(s, Marge::EKFL),
                     marge(vorher, Marge::EKFL) - (d.stufe != Kostenstufe::Gemeinkosten ? 10 : 0));

    VergleichsspalteSatz kaputt = s;
    kaputt.Kosten[i] = "viel";
    EXPECT_EQ(UngueltigeZahlen(kaputt), std::vector<std::string>{std::string(d.vergleichsname)});
    AbgeleiteteWerteBerechnen(kaputt);
    EXPECT_EQ(kaputt.Gewinn1000, "");
    EXPECT_EQ(kaputt.Sachkosten.empty(), sachkosten);
  }
}

TEST_F(SpalteTest, WorkedMarginsInAllThreeUnits) {
  const VergleichsspalteSatz s = Geladen("0");
  struct Fall {
    Marge marge;
    Einheit einheit;
    const char* text;
  };
  for (const Fall& f :
       {Fall{Marge::DKFL, Einheit::Je1000Stueck, "350,00"}, Fall{Marge::DKFL, Einheit::JeBJm2, "140,00"},
        Fall{Marge::DKFL, Einheit::JeAkh, "7,00"}, Fall{Marge::EKFL, Einheit::Je1000Stueck, "200,00"},
        Fall{Marge::EKFL, Einheit::JeBJm2, "80,00"}, Fall{Marge::EKFL, Einheit::JeAkh, "4,00"}}) {
    SCOPED_TRACE(f.text);
    EXPECT_EQ(MargeUmrechnen(s, f.marge, f.einheit), f.text);
  }
}

TEST_F(SpalteTest, ConversionStartsFromTheMarginRoundedToCents) {
  VergleichsspalteSatz s;
  SpalteZuruecksetzen(s);
  // DKFL per 1000 plants 12.3456 -> converted from 12.35: 1000 * 12.35 / (365 / 365) / 1000.
  s.Preis = "0,0123456";
  s.Menge = "1000";
  s.TQM = "365";
  EXPECT_EQ(MargeUmrechnen(s, Marge::DKFL, Einheit::Je1000Stueck), "12,35");
  EXPECT_EQ(MargeUmrechnen(s, Marge::DKFL, Einheit::JeBJm2), "12,35");
}

TEST_F(SpalteTest, ConversionFailsWithoutAUsableBase) {
  VergleichsspalteSatz s = Geladen("0");
  for (const char* basis : {"0", "", "abc"}) {
    SCOPED_TRACE(basis);
    s.TQM = basis;
    s.Akh = basis;
    EXPECT_EQ(MargeUmrechnen(s, Marge::DKFL, Einheit::JeBJm2), std::nullopt);
    EXPECT_EQ(MargeUmrechnen(s, Marge::EKFL, Einheit::JeAkh), std::nullopt);
    EXPECT_EQ(MargeUmrechnen(s, Marge::EKFL, Einheit::Je1000Stueck), "200,00");
  }
}

TEST_F(SpalteTest, ZeroOverheadsLeaveTheProfitsAndEmptyTheirBoxes) {
  for (const char* gemein : {"0", "0,001"}) {
    SCOPED_TRACE(gemein);
    test::Spalten z = test::Beispielkultur(1);
    z["Gemeinkosten"] = gemein;
    test::ZeileEinfuegen(pfad, z);
    const VergleichsspalteSatz s = Geladen("1");
    const SpaltenAnzeige a = SpalteAnzeigen(s);
    EXPECT_EQ(a.Gemeinkosten, "");
    EXPECT_EQ(a.GewinnPflanze, "");
    EXPECT_EQ(a.GewinnKultur, "");
    // Tiny overheads are still worked into the profit; only the boxes are emptied.
    EXPECT_EQ(s.Gewinn1000 == "0", std::string(gemein) == "0");
    auto datenbank = db::Database::Open(pfad);
    ASSERT_TRUE(datenbank->Execute("DELETE FROM \"Vergleichskulturen\" WHERE \"Nr\" = 1"));
  }
}

TEST_F(SpalteTest, NoMatchingRowKeepsTheResetValues) {
  for (const char* nr : {"-1", "7"}) {
    SCOPED_TRACE(nr);
    const VergleichsspalteSatz s = Geladen(nr);
    EXPECT_EQ(s.Kultur, "0");
    EXPECT_EQ(s.Menge, "0");
    const SpaltenAnzeige a = SpalteAnzeigen(s);
    EXPECT_EQ(a.Beginn, "0");
    EXPECT_EQ(a.Menge, "0");
    EXPECT_EQ(a.Heizkosten, "0,00");
    EXPECT_EQ(a.Gemeinkosten, "");
  }
}

TEST_F(SpalteTest, SeveralRowsWithTheNumberLetTheLastOneWin) {
  test::ZeileEinfuegen(pfad, test::Beispielkultur(0, "Zweite"));
  EXPECT_EQ(Geladen("0").Kultur, "Zweite");
}

TEST_F(SpalteTest, NothingOfThePreviousCultureRemainsWhereAValueIsMissing) {
  test::ZeileEinfuegen(pfad, {{"Nr", 1},
                              {"Kultur", "Leer"},
                              {"Preis", "1"},
                              {"Menge", "10"},
                              {"Heizung", "0"},
                              {"Material", "0"},
                              {"PSM", "0"},
                              {"Strom", "0"},
                              {"Maschinen", "0"},
                              {"Vermarktung", "0"},
                              {"Arbeit", "0"},
                              {"Gemeinkosten", "0"}});
  VergleichsspalteSatz s = Geladen("0");
  s.Nr = "1";
  SpalteZuruecksetzen(s);
  ASSERT_TRUE(SpalteLaden(pfad, s));
  EXPECT_EQ(s.Kultur, "Leer");
  EXPECT_EQ(s.Bemerkungen, "");
  EXPECT_EQ(s.TQM, "0");
  EXPECT_EQ(s.Akh, "0");
  EXPECT_EQ(MargeUmrechnen(s, Marge::DKFL, Einheit::JeBJm2), std::nullopt);
}

TEST_F(SpalteTest, ImportFlagIsReadAsABoolean) {
  test::Spalten z = test::Beispielkultur(1);
  z["Import"] = -1;
  test::ZeileEinfuegen(pfad, z);
  EXPECT_EQ(Geladen("1").Import, -1);
  EXPECT_EQ(Geladen("0").Import, 0);
}

TEST_F(SpalteTest, UnreadableDatabaseFailsAndKeepsTheResetValues) {
  VergleichsspalteSatz s;
  SpalteZuruecksetzen(s);
  s.Nr = "0";
  std::string fehler;
  EXPECT_FALSE(SpalteLaden(dir.Join("fehlt.mdb"), s, &fehler));
  EXPECT_FALSE(fehler.empty());
  EXPECT_EQ(s.Kultur, "0");
}

// A stored text that is no number (a row no box checked) shows empty, and so does every
// figure made from it; one message names the culture.
TEST_F(SpalteTest, ColumnsThatAreNoNumbersShowEmptyAndNameTheCulture) {
  test::Spalten z = test::Beispielkultur(1, "Importiert");
  z["PSM"] = "viel";
  test::ZeileEinfuegen(pfad, z);
  const VergleichsspalteSatz s = Geladen("1");
  EXPECT_EQ(s.Sachkosten, "");
  EXPECT_EQ(s.Gewinn1000, "");
  EXPECT_EQ(s.GewinnKultur, "");
  const SpaltenAnzeige a = SpalteAnzeigen(s);
  EXPECT_EQ(a.Sachkosten, "");
  EXPECT_EQ(a.GewinnPflanze, "");
  EXPECT_EQ(a.GewinnKultur, "");
  EXPECT_EQ(a.Heizkosten, "150,00");
  EXPECT_EQ(MargeUmrechnen(s, Marge::DKFL, Einheit::Je1000Stueck), std::nullopt);
  EXPECT_EQ(MargeUmrechnen(s, Marge::EKFL, Einheit::Je1000Stueck), std::nullopt);
  EXPECT_EQ(UngueltigeZahlen(s), std::vector<std::string>{"Material[Std]"});
  const std::array<VergleichsspalteSatz, 2> paar = {Geladen("0"), s};
  EXPECT_EQ(UngueltigeZahlenMeldung(paar),
            "Die gespeicherten Werte der Vergleichskultur \"Importiert\" sind nicht alle Zahlen. Diese Werte und was "
            "aus ihnen berechnet wird, bleiben leer.");
  EXPECT_EQ(UngueltigeZahlenMeldung(std::array<VergleichsspalteSatz, 1>{Geladen("0")}), std::nullopt);
}

}  // namespace
}  // namespace tolvar::comparison
