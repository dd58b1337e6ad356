// Activity costs, fuels and coverings, overheads, marketing share, weather regions, the
// calculators' result files and the database paths.

#include "settings/settings_logic.h"

#include <fstream>
#include <functional>

#include "data/paths.h"
#include "data/settings_row.h"
#include "platform/sys/files.h"
#include "settings/mdlExcel.h"
#include "settings/mdlGemeinkosten.h"
#include "settings/mdlMaterial.h"
#include "settings/mdlWetterstation.h"
#include "settings/settings_fixture.h"
#include "settings/vantel_materials.h"
#include "support/file_faults.h"
#include "support/tables.h"

namespace tolvar::test {
namespace {

StdTaetigkeitSatz Taetigkeit(std::string nr, std::string ueber, std::string name, bool gruppe, bool imBaum) {
  StdTaetigkeitSatz t;
  t.StdTaetigkeitNr = std::move(nr);
  t.UeberPNr = std::move(ueber);
  t.Taetigkeit = std::move(name);
  t.Gliederungspunkt = gruppe;
  t.ImBaum = imBaum;
  return t;
}

class ActivityCostTest : public SettingsTest {
 public:
  void SetUp() override {
    SettingsTest::SetUp();
    state().masters.StdTaetigkeitListe = {
        Taetigkeit("StdT1001", "0", "Pflege", true, true),
        Taetigkeit("StdT1002", "1001", "Gießen", false, true),
        Taetigkeit("StdT1003", "1001", "Düngen", false, true),
        Taetigkeit("StdT1004", "0", "Alt", false, false),  // not current: not in the tree
        Taetigkeit("StdT1005", "1001", "Unterpflege", true, true),
        Taetigkeit("StdT1006", "1005", "Schneiden", false, true),
        StdTaetigkeitSatz{}};
    std::unique_ptr<db::Database> t = Tolvar();
    Insert(*t, "ArbeitMaterial", {{"TaetigkeitNr", "StdT1004"}, {"Kosten je Stunde", "3,00"}});
    Insert(*t, "ArbeitMaterial", {{"TaetigkeitNr", "StdT1002"}, {"Kosten je Stunde", "1,50"}});
    Insert(*t, "ArbeitMaterial", {{"TaetigkeitNr", "StdT1003"}, {"Kosten je Stunde", ""}});
  }
};

TEST_F(ActivityCostTest, ListHoldsEveryStoredRowThenZeros) {
  ASSERT_TRUE(mdlMaterial::ArbeitMaterialLaden());
  const auto& l = state().settings.ArbeitMaterialListe;
  ASSERT_EQ(l.size(), 501u);
  EXPECT_EQ(l[0].TaetigkeitNr, "StdT1004");
  EXPECT_EQ(l[2].KostenJeStunde, "");
  EXPECT_EQ(l[3].TaetigkeitNr, "0");
  EXPECT_EQ(l[500].KostenJeStunde, "0");
  ASSERT_TRUE(Tolvar()->Execute("DELETE FROM \"ArbeitMaterial\""));
  ASSERT_TRUE(mdlMaterial::ArbeitMaterialLaden());
  EXPECT_EQ(state().settings.ArbeitMaterialListe[0].TaetigkeitNr, "0");
}

TEST_F(ActivityCostTest, GridShowsOnlyActivitiesInTheTree) {
  bool ok = false;
  const auto rows = mdlMaterial::ArbeitMaterialTabelleFuellen(&ok);
  ASSERT_TRUE(ok);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Taetigkeit, "Gießen");
  EXPECT_EQ(rows[0].Kosten, "1,50");
  EXPECT_EQ(rows[1].TaetigkeitNr, "StdT1003");
  EXPECT_EQ(rows[1].Kosten, "");
}

TEST_F(ActivityCostTest, DropsOfRootGroupAndActivity) {
  struct Fall {
    std::string key;
    std::vector<std::string> nummern;
  } faelle[] = {
      {"Taetigkeit", {"StdT1002", "StdT1003", "StdT1006"}},
      {"StdT1001", {"StdT1002", "StdT1003", "StdT1005"}},
      {"StdT1003", {"StdT1003"}},
      {"Unbekannt", {}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.key);
    std::vector<mdlMaterial::KostenZeile> grid = mdlMaterial::LeereKostenTabelle();
    grid[0] = {"Gießen", "1,50", "StdT1002"};
    mdlMaterial::ArbeitMaterialAblegen(&grid, f.key, state().masters, state().selection);
    std::vector<std::string> added;
    for (std::size_t i = 1; i < grid.size() && !grid[i].Taetigkeit.empty(); ++i) {
      added.push_back(grid[i].TaetigkeitNr);
      EXPECT_EQ(grid[i].Kosten, "");
    }
    EXPECT_EQ(added, f.nummern);
  }
}

TEST_F(ActivityCostTest, FullGridTakesNoMoreRows) {
  std::vector<mdlMaterial::KostenZeile> grid(100, {"X", "1", "StdT9999"});
  mdlMaterial::ArbeitMaterialAblegen(&grid, "StdT1002", state().masters, state().selection);
  EXPECT_EQ(grid.size(), 100u);
  EXPECT_EQ(grid[99].TaetigkeitNr, "StdT9999");
}

TEST_F(ActivityCostTest, CostKeys) {
  std::string cell;
  for (int key : {'1', '2', ',', '5', 'a', '/', '-'}) cell = mdlMaterial::KostenTaste(cell, key);
  EXPECT_EQ(cell, "12,5");
  EXPECT_EQ(mdlMaterial::KostenTaste(cell, 8), "12,");
  EXPECT_EQ(mdlMaterial::KostenTaste("", 8), "");
}

TEST_F(ActivityCostTest, SavingReplacesShownRowsAndKeepsHiddenOnes) {
  std::vector<mdlMaterial::KostenZeile> grid = mdlMaterial::LeereKostenTabelle();
  grid[0] = {"Düngen", "2,25", "StdT1003"};
  grid[1] = {"Schneiden", "", "StdT1006"};
  ASSERT_EQ(mdlMaterial::ArbeitMaterialSpeichern(grid), mdlMaterial::ArbeitMaterialSpeicherStatus::Gespeichert);
  // The not-current activity keeps its cost, which the calculation still uses; the emptied
  // cost of StdT1006 is stored as the empty text, which the calculation reports as missing.
  EXPECT_EQ(Rows(*Tolvar(), "ArbeitMaterial", {"TaetigkeitNr", "Kosten je Stunde"}),
            (std::vector<std::string>{"StdT1004|3,00", "StdT1003|2,25", "StdT1006|"}));
  EXPECT_TRUE(Messages().empty());
}

// Each cost cell by its rule: what the calculation cannot read as an amount is refused with
// its row and the table stays byte for byte as it was; an allowed cost is stored as typed.
TEST_F(ActivityCostTest, EachCostIsCheckedBeforeAnythingIsWritten) {
  struct Fall {
    const char* kosten;
    const char* gespeichert;  // nullptr: refused
  } faelle[] = {
      {"", ""},           {"0", "0"},
      {"12,5", "12,5"},   {"1000000000000", "1000000000000"},
      {"1,2,5", nullptr}, {",", nullptr},
      {"abc", nullptr},   {"-5", nullptr},
      {"1e308", nullptr}, {"10000000000000", nullptr},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.kosten);
    std::vector<mdlMaterial::KostenZeile> grid = mdlMaterial::LeereKostenTabelle();
    grid[0] = {"Düngen", "2,25", "StdT1003"};
    grid[1] = {"Schneiden", f.kosten, "StdT1006"};
    const std::string vorher = test::Datenbankinhalt(state().enterprise.TolvarDatenbankPfad);
    const std::size_t meldungen = Messages().size();
    int zeile = 0;
    const auto ergebnis = mdlMaterial::ArbeitMaterialSpeichern(grid, &zeile);
    if (f.gespeichert == nullptr) {
      EXPECT_EQ(ergebnis, mdlMaterial::ArbeitMaterialSpeicherStatus::Ungueltig);
      EXPECT_EQ(zeile, 2);
      EXPECT_EQ(test::Datenbankinhalt(state().enterprise.TolvarDatenbankPfad), vorher);
      ASSERT_EQ(Messages().size(), meldungen + 1);
      EXPECT_EQ(Messages().back().text, "Überprüfen sie bitte ihre Werte");
      continue;
    }
    ASSERT_EQ(ergebnis, mdlMaterial::ArbeitMaterialSpeicherStatus::Gespeichert);
    EXPECT_EQ(Rows(*Tolvar(), "ArbeitMaterial", {"TaetigkeitNr", "Kosten je Stunde"}).back(),
              std::string("StdT1006|") + f.gespeichert);
  }
}

TEST_F(ActivityCostTest, DuplicateNumbersStoreNothing) {
  std::vector<mdlMaterial::KostenZeile> grid = mdlMaterial::LeereKostenTabelle();
  grid[0] = {"Gießen", "1", "StdT1002"};
  grid[1] = {"Gießen", "2", "StdT1002"};
  EXPECT_EQ(mdlMaterial::ArbeitMaterialSpeichern(grid), mdlMaterial::ArbeitMaterialSpeicherStatus::Doppelt);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text, "Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.");
  EXPECT_EQ(Rows(*Tolvar(), "ArbeitMaterial", {"TaetigkeitNr"}).size(), 3u);
}

TEST_F(ActivityCostTest, DeletingTheMarkedRowOnly) {
  ASSERT_TRUE(mdlMaterial::ArbeitMaterialLoeschen(""));
  EXPECT_EQ(Rows(*Tolvar(), "ArbeitMaterial", {"TaetigkeitNr"}).size(), 3u);
  ASSERT_TRUE(mdlMaterial::ArbeitMaterialLoeschen("StdT1002"));
  EXPECT_EQ(Rows(*Tolvar(), "ArbeitMaterial", {"TaetigkeitNr"}), (std::vector<std::string>{"StdT1004", "StdT1003"}));
}

// ------------------------------------------------------------------ fuels and coverings

class FuelTest : public SettingsTest {};

TEST_F(FuelTest, EmptyTableThenFirstNewFuel) {
  EXPECT_EQ(settings::BrennstoffLaden(), 0);
  EXPECT_EQ(settings::BrennstoffID(), 1);
  EXPECT_EQ(settings::NeuerIndex(0, 0, settings::Schritt::Vor), 0);
  const settings::BrennstoffZeile neu{"Heizöl", "10", "10,6", "0,95"};
  ASSERT_EQ(settings::BrennstoffSpeichern(neu, true, 1, ""), settings::VantelSpeicherStatus::Gespeichert);
  EXPECT_EQ(settings::BrennstoffLaden(), 1);
  const auto rows = settings::BrennstoffEintragen(0, 1, state().settings);
  EXPECT_EQ(rows[0].Name, "Heizöl");
  EXPECT_EQ(rows[0].Heizwert, "10,0");
  EXPECT_EQ(rows[0].Preis, "0,95");
  EXPECT_EQ(rows[1].Name, "");
}

TEST_F(FuelTest, ArrowsStayInsideTheList) {
  using S = settings::Schritt;
  struct Fall {
    int index;
    S schritt;
    int erwartet;
  } faelle[] = {{0, S::FuenfVor, 4},     {4, S::FuenfVor, 8}, {8, S::FuenfVor, 9}, {9, S::FuenfZurueck, 4},
                {4, S::FuenfZurueck, 0}, {0, S::Zurueck, 0},  {9, S::Vor, 9},      {5, S::FuenfZurueck, 0}};
  for (const Fall& f : faelle) {
    EXPECT_EQ(settings::NeuerIndex(f.index, 10, f.schritt), f.erwartet) << f.index;
  }
}

TEST_F(FuelTest, SavingChecksValuesNamesAndNumbers) {
  Insert(*Vantel(), "Heizmaterialien",
         {{"Nummer", 3},
          {"Brennstoffart", "Gas"},
          {"Unterer Brennwert", 9.87},
          {"Oberer Brennwert", 11.0},
          {"Preis", 0.8}});
  using E = settings::VantelSpeicherStatus;
  struct Fall {
    settings::BrennstoffZeile zeile;
    bool neu;
    E erwartet;
    std::string meldung;
  } faelle[] = {
      {{"Öl", "10", "10", ""}, true, E::WerteFehlen, "Sie haben nicht alle notwendigen Werte eingegeben"},
      {{"Öl", "1,2,3", "10", "1"}, true, E::Ungueltig, "Überprüfen sie bitte ihre Werte"},
      {{"Gas", "1", "1", "1"}, true, E::NameDoppelt, ""},
  };
  for (const Fall& f : faelle) {
    sink_.messages.clear();
    EXPECT_EQ(settings::BrennstoffSpeichern(f.zeile, f.neu, 4, ""), f.erwartet);
    EXPECT_EQ(Messages().size(), f.meldung.empty() ? 0u : 1u);
    if (!f.meldung.empty() && !Messages().empty()) {
      EXPECT_EQ(Messages()[0].text, f.meldung);
    }
  }
  EXPECT_EQ(settings::BrennstoffID(), 4);
  // The rounded display written back unchanged; a case-different name is a new one.
  ASSERT_EQ(settings::BrennstoffLaden(), 1);
  const auto shown = settings::BrennstoffEintragen(0, 1, state().settings)[0];
  EXPECT_EQ(shown.Heizwert, "9,9");
  EXPECT_EQ(settings::BrennstoffSpeichern(shown, false, 0, "3"), E::Gespeichert);
  EXPECT_EQ(settings::BrennstoffSpeichern({"gas", "1", "1", "1"}, true, 4, ""), E::Gespeichert);
  EXPECT_EQ(Rows(*Vantel(), "Heizmaterialien", {"Nummer", "Brennstoffart", "Unterer Brennwert", "Preis"}),
            (std::vector<std::string>{"3|Gas|9,9|0,8", "4|gas|1|1"}));
  ASSERT_TRUE(settings::BrennstoffLoeschen("3"));
  EXPECT_EQ(settings::BrennstoffLaden(), 1);
}

TEST_F(FuelTest, CoveringWithoutLightTransmissionIsStoredWithZero) {
  settings::EindeckungZeile z{"Glas", "5,8", "", true};
  ASSERT_EQ(settings::EindeckungSpeichern(&z, true, 1, ""), settings::VantelSpeicherStatus::Gespeichert);
  EXPECT_EQ(z.Licht, "0");
  EXPECT_EQ(Rows(*Vantel(), "GWHMaterial", {"Material", "k-Wert", "Durchlässigkeit", "Eignung"}),
            std::vector<std::string>{"Glas|5,8|0|1"});
  ASSERT_EQ(settings::EindeckungLaden(), 1);
  EXPECT_TRUE(settings::EindeckungEintragen(0, 2, state().settings)[1].Dach);
  EXPECT_EQ(settings::EindeckungEintragen(0, 2, state().settings)[0].Name, "");
}

// A price of zero or more is stored as typed, in memory and in the row at once; anything the
// calculation could not use is refused and changes nothing. An empty box is stored as the
// empty text, which the next loading of the settings replaces by the standard price.
TEST_F(FuelTest, ElectricityPriceIsCheckedThenStoredAsTyped) {
  ASSERT_TRUE(settings::StromSpeichern("0,15"));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, "0,15");
  EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", {"Strom"}), std::vector<std::string>{"0,15"});
  struct Fall {
    const char* text;
    const char* meldung;
  };
  const Fall faelle[] = {
      {"abc", "Überprüfen sie bitte ihre Werte"},
      {"-5", "Überprüfen sie bitte ihre Werte"},
      {"1e308", "Überprüfen sie bitte ihre Werte"},
      {"1,2,3", "Überprüfen sie bitte ihre Werte"},
      {"0.15", "Überprüfen sie bitte ihre Werte. Bitte geben Sie die Zahl ohne Tausenderpunkte ein."}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    sink_.messages.clear();
    EXPECT_FALSE(settings::StromSpeichern(f.text));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, f.meldung);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, "0,15");
    EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", {"Strom"}), std::vector<std::string>{"0,15"});
  }
  sink_.messages.clear();
  ASSERT_TRUE(settings::StromSpeichern(""));
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, "");
  EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", {"Strom"}), std::vector<std::string>{""});
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Strom, "0,12");
}

// ------------------------------------------------------------------ overheads

StandortSatz Standort(std::string nr, std::string ueber, std::string name, bool gruppe, bool imBaum,
                      std::string flaeche) {
  StandortSatz s;
  s.StandortNr = std::move(nr);
  s.UeberPNr = std::move(ueber);
  s.Standortname = std::move(name);
  s.Gliederungspunkt = gruppe;
  s.ImBaum = imBaum;
  s.Flaeche = std::move(flaeche);
  return s;
}

class OverheadsTest : public SettingsTest {
 public:
  void SetUp() override {
    SettingsTest::SetUp();
    state().masters.StandortListe = {
        Standort("Sta1001", "0", "Haus", true, true, ""),     Standort("Sta1002", "1001", "A", false, true, "100"),
        Standort("Sta1003", "1001", "B", false, true, "50"),  Standort("Sta1004", "1001", "C", false, true, ""),
        Standort("Sta1005", "0", "Alt", false, false, "999"), StandortSatz{}};
    std::unique_ptr<db::Database> t = Tolvar();
    Insert(*t, "Vantel", {{"StandortNr", "Sta1002"}, {"Wege", "10"}, {"Gemeinkosten", "100"}});
    Insert(*t, "Vantel", {{"StandortNr", "Sta1004"}, {"Gemeinkosten", "0"}});
  }
};

TEST_F(OverheadsTest, AreaTotals) {
  const auto f = mdlGemeinkosten::GesamtflaecheBerechnen();
  ASSERT_TRUE(f);
  EXPECT_DOUBLE_EQ(f->Brutto, 150);
  EXPECT_DOUBLE_EQ(f->Wege, 10);
  EXPECT_DOUBLE_EQ(f->Netto, 140);
  EXPECT_EQ(state().masters.StandortListe[3].Flaeche, "0");
}

TEST_F(OverheadsTest, LoadingSkipsZeroAmounts) {
  const auto rows = mdlGemeinkosten::FlaechenSpezifischeGemeinkostenLaden();
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ((*rows)[0].Standortname, "A");
  EXPECT_EQ((*rows)[0].Gemeinkosten, "100");
}

TEST_F(OverheadsTest, DropsPlaceSitesOnceAndMarkTheLast) {
  std::vector<mdlGemeinkosten::GemeinkostenZeile> grid(8);
  EXPECT_EQ(mdlGemeinkosten::GemeinkostenAblegen(&grid, "Standort"), 3);
  EXPECT_EQ(grid[2].StandortNr, "Sta1004");
  grid[0].Gemeinkosten = "5";
  EXPECT_EQ(mdlGemeinkosten::GemeinkostenAblegen(&grid, "Sta1002"), 1);
  EXPECT_EQ(grid[0].Gemeinkosten, "");
  EXPECT_EQ(grid[3].Standortname, "");
  EXPECT_TRUE(state().windows.StandortTabelleAktiv);
  EXPECT_EQ(state().windows.StandortTabelleZeile, 1);
}

TEST_F(OverheadsTest, SumsCountEveryAmount) {
  std::vector<mdlGemeinkosten::GemeinkostenZeile> grid = {
      {"A", "100", "Sta1002"}, {"B", "", "Sta1003"}, {"C", "200", "Sta1004"}};
  auto s = mdlGemeinkosten::FlaechenSpezifischeGemeinkostenSummieren("1000", grid);
  EXPECT_EQ(s.Status, mdlGemeinkosten::GemeinkostenStatus::Ok);
  EXPECT_EQ(s.Flaeche, "300,00");
  EXPECT_EQ(s.Rest, "700,00");
  grid[2].Gemeinkosten = "5000";  // behind an empty amount: still caught
  s = mdlGemeinkosten::FlaechenSpezifischeGemeinkostenSummieren("1000", grid);
  EXPECT_EQ(s.Status, mdlGemeinkosten::GemeinkostenStatus::Ueberschreitung);
  EXPECT_EQ(s.Flaeche, "");
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].text,
            "Die einzelenen Flächen zugewiesenen Gemeinkosten sind höher als die gesamten "
            "Gemeinkosten.\n\r\n\rÜberprüfen sie Ihre Eingaben.");
  EXPECT_EQ(mdlGemeinkosten::FlaechenSpezifischeGemeinkostenSummieren("1,2,3", grid).Status,
            mdlGemeinkosten::GemeinkostenStatus::Ungueltig);
}

TEST_F(OverheadsTest, SavingTakesValuesOverAndWritesAmounts) {
  mdlGemeinkosten::Eingabe e{"1000", "", "", 1, "", "140"};
  std::vector<mdlGemeinkosten::GemeinkostenZeile> grid = {
      {"A", "100", "Sta1002"}, {"B", "200", "Sta1003"}, {"C", "", "Sta1004"}, {}};
  ASSERT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, grid).Status, mdlGemeinkosten::GemeinkostenStatus::Ok);
  const EinstellungenSatz& s = state().enterprise.AktuelleEinstellungen;
  EXPECT_EQ(s.Jahr, "0");
  EXPECT_EQ(s.Belegung, "75");
  EXPECT_EQ(s.Gemeinkostentyp, "1");
  EXPECT_EQ(s.Flaeche, "140");
  // Site B has no Vantel row and keeps no amount.
  EXPECT_EQ(Rows(*Tolvar(), "Vantel", {"StandortNr", "Gemeinkosten"}),
            (std::vector<std::string>{"Sta1002|100", "Sta1004|"}));
  grid[2].Gemeinkosten = "5000";
  EXPECT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, grid).Status,
            mdlGemeinkosten::GemeinkostenStatus::Ueberschreitung);
  EXPECT_EQ(Rows(*Tolvar(), "Vantel", {"Gemeinkosten"}), (std::vector<std::string>{"100", ""}));
  ASSERT_TRUE(mdlGemeinkosten::FlaechenSpezifischeGemeinkostenLoeschen("Sta1002"));
  EXPECT_EQ(Rows(*Tolvar(), "Vantel", {"Gemeinkosten"}), (std::vector<std::string>{"0", ""}));
}

// Every box is checked before anything is taken over: a refusal names its box and leaves
// the settings as they were.
TEST_F(OverheadsTest, SavingTakesNothingOverWhenAValueIsRefused) {
  EinstellungenSatz& s = state().enterprise.AktuelleEinstellungen;
  s.Gemeinkosten = "700";
  s.Jahr = "2023";
  s.Belegung = "70";
  s.Gemeinkostentyp = "1";
  s.Flaeche = "500";
  using mdlGemeinkosten::Feld;
  using mdlGemeinkosten::GemeinkostenStatus;
  struct Fall {
    mdlGemeinkosten::Eingabe eingabe;
    GemeinkostenStatus status;
    Feld box;
  };
  const Fall faelle[] = {
      {{"800", "2024", "", 0, "", ""}, GemeinkostenStatus::WerteFehlen, Feld::Flaeche},
      {{"", "2025", "", 0, "900", ""}, GemeinkostenStatus::WerteFehlen, Feld::Gemeinkosten},
      {{"800", "2024", "0", 0, "900", ""}, GemeinkostenStatus::Ungueltig, Feld::Belegung},
      {{"800", "2024", "100,5", 0, "900", ""}, GemeinkostenStatus::Ungueltig, Feld::Belegung},
      {{"800", "2024", "abc", 0, "900", ""}, GemeinkostenStatus::Ungueltig, Feld::Belegung},
      {{"800", "2024", "80", 0, "-5", ""}, GemeinkostenStatus::Ungueltig, Feld::Flaeche},
      {{"800", "2024", "80", 0, "0", ""}, GemeinkostenStatus::Ungueltig, Feld::Flaeche},
      {{"800", "2024", "80", 1, "", "1e308"}, GemeinkostenStatus::Ungueltig, Feld::AktuelleFlaeche},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.eingabe.Belegung + "/" + f.eingabe.Flaeche + "/" + f.eingabe.AktuelleFlaeche);
    const mdlGemeinkosten::GemeinkostenSpeicherergebnis r = mdlGemeinkosten::GemeinkostenSpeichern(f.eingabe, {});
    EXPECT_EQ(r.Status, f.status);
    EXPECT_EQ(r.Box, f.box);
    EXPECT_EQ(s.Gemeinkosten + "|" + s.Jahr + "|" + s.Belegung + "|" + s.Gemeinkostentyp + "|" + s.Flaeche,
              "700|2023|70|1|500");
  }
  // A negative amount of a site is refused like one that is no number.
  const std::vector<mdlGemeinkosten::GemeinkostenZeile> grid = {{"A", "-300", "Sta1002"}};
  const mdlGemeinkosten::GemeinkostenSpeicherergebnis r =
      mdlGemeinkosten::GemeinkostenSpeichern({"800", "2024", "80", 1, "", "140"}, grid);
  EXPECT_EQ(r.Status, GemeinkostenStatus::Ungueltig);
  EXPECT_EQ(r.Box, Feld::Tabelle);
}

TEST_F(OverheadsTest, SavingRefusesOverheadsOrAmountsThatAreNoNumbers) {
  state().enterprise.AktuelleEinstellungen.Gemeinkosten = "800";
  mdlGemeinkosten::Eingabe e{"1,2,3", "2024", "80", 1, "", "140"};
  std::vector<mdlGemeinkosten::GemeinkostenZeile> grid = {{"A", "300", "Sta1002"}, {"C", "50", "Sta1004"}};
  EXPECT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, grid).Status, mdlGemeinkosten::GemeinkostenStatus::Ungueltig);
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Gemeinkosten, "800");
  // An amount with two commas: no site gets any of the typed amounts.
  e.Gemeinkosten = "1000";
  grid[1].Gemeinkosten = "5,,0";
  EXPECT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, grid).Status, mdlGemeinkosten::GemeinkostenStatus::Ungueltig);
  EXPECT_EQ(Rows(*Tolvar(), "Vantel", {"Gemeinkosten"}), (std::vector<std::string>{"100", "0"}));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[0].text, "Überprüfen sie bitte ihre Werte");
  EXPECT_EQ(Messages()[1].text, "Überprüfen sie bitte ihre Werte");
}

// Confirmed overheads are in the settings row on disk at once, not only after a normal exit;
// amounts the calculation cannot carry are refused.
TEST_F(OverheadsTest, ConfirmedOverheadsAreOnDiskAtOnceAndAbsurdOnesRefused) {
  mdlGemeinkosten::Eingabe e{"55555", "2024", "", 0, "900", ""};
  ASSERT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, {}).Status, mdlGemeinkosten::GemeinkostenStatus::Ok);
  const std::vector<std::string> gespeichert{"55555|0|900|2024|75"};
  const std::vector<std::string> spalten{"Gemeinkosten", "Gemeinkostentyp", "Flaeche", "Jahr", "Belegung"};
  EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", spalten), gespeichert);
  for (const char* absurd : {"1e308", "-5", "2e12", "abc"}) {
    SCOPED_TRACE(absurd);
    sink_.messages.clear();
    e.Gemeinkosten = absurd;
    EXPECT_EQ(mdlGemeinkosten::GemeinkostenSpeichern(e, {}).Status, mdlGemeinkosten::GemeinkostenStatus::Ungueltig);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Gemeinkosten, "55555");
    EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", spalten), gespeichert);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Überprüfen sie bitte ihre Werte");
  }
}

// ------------------------------------------------------------------ marketing share

class MarketingTest : public SettingsTest {};

// The turnover way refuses only what gives no share: an empty box (its own message), a text
// that is no number, a turnover of 0, an amount or share beyond the largest amount. Negative
// amounts and shares above 100 are shares like any other.
TEST_F(MarketingTest, ShareFromTurnover) {
  using B = settings::VermarktungsBox;
  const std::string fehlen = "Sie haben nicht alle notwendigen Werte eingegeben";
  const std::string pruefen = "Überprüfen sie bitte ihre Werte";
  struct Fall {
    std::string umsatz, kosten;
    std::optional<std::string> erwartet;
    B falsch;
    std::string meldung;
  } faelle[] = {
      {"30000", "1500", "5", B::Keine, ""},
      {"8000", "1000", "12,5", B::Keine, ""},
      {"3000", "1000", "33,3333333333333", B::Keine, ""},
      {"30000", "0", "0", B::Keine, ""},
      {"30000", "-300", "-1", B::Keine, ""},
      {"30000", "40000", "133,333333333333", B::Keine, ""},
      {"-30000", "300", "-1", B::Keine, ""},
      {"0", "1", std::nullopt, B::Umsatz, pruefen},
      {"0,00", "1", std::nullopt, B::Umsatz, pruefen},
      {"", "1", std::nullopt, B::Umsatz, fehlen},
      {"abc", "1", std::nullopt, B::Umsatz, pruefen},
      {"1,2,3", "1", std::nullopt, B::Umsatz, pruefen},
      {"1e308", "1", std::nullopt, B::Umsatz, pruefen},
      {"30000", "", std::nullopt, B::Kosten, fehlen},
      {"30000", "abc", std::nullopt, B::Kosten, pruefen},
      {"30000", "-1e13", std::nullopt, B::Kosten, pruefen},
      {"0,0000001", "1000000", std::nullopt, B::Kosten, pruefen},  // a share beyond the largest amount
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.umsatz + "/" + f.kosten);
    const std::size_t vorher = Messages().size();
    const settings::Anteilergebnis r = settings::VermarktungsanteilBerechnen(f.umsatz, f.kosten);
    EXPECT_EQ(r.Anteil, f.erwartet);
    EXPECT_EQ(r.Falsch, f.falsch);
    if (f.meldung.empty()) {
      EXPECT_EQ(Messages().size(), vorher);
    } else {
      ASSERT_EQ(Messages().size(), vorher + 1);
      EXPECT_EQ(Messages().back().text, f.meldung);
    }
  }
}

// "Speichern" takes any number within the largest amount as the share, negative ones and
// those above 100 included, and "0" for an empty box; anything else is refused and the
// settings row stays as it was.
TEST_F(MarketingTest, SavingTheShare) {
  const std::vector<std::string> spalten = {"Vermarktungskosten"};
  struct Fall {
    const char* text;
    const char* gespeichert;  // nullptr: refused
  } faelle[] = {
      {"", "0"},          {"-1", "-1"},       {"133,333333333333", "133,333333333333"},
      {"100", "100"},     {"abc", nullptr},   {"1,2,3", nullptr},
      {"1e308", nullptr}, {"-1e13", nullptr},
  };
  ASSERT_EQ(settings::VermarktungskostenSpeichern("7"), "7");
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.text);
    const std::string vorher = test::Datenbankinhalt(state().enterprise.TolvarDatenbankPfad);
    const std::string wertVorher = state().enterprise.AktuelleEinstellungen.Vermarktungskosten;
    const std::size_t meldungen = Messages().size();
    const std::optional<std::string> r = settings::VermarktungskostenSpeichern(f.text);
    if (f.gespeichert == nullptr) {
      EXPECT_EQ(r, std::nullopt);
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, wertVorher);
      EXPECT_EQ(test::Datenbankinhalt(state().enterprise.TolvarDatenbankPfad), vorher);
      ASSERT_EQ(Messages().size(), meldungen + 1);
      EXPECT_EQ(Messages().back().text, "Überprüfen sie bitte ihre Werte");
      continue;
    }
    EXPECT_EQ(r, f.gespeichert);
    EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Vermarktungskosten, f.gespeichert);
    EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", spalten), std::vector<std::string>{f.gespeichert});
  }
}

// ------------------------------------------------------------------ regions, calculators, paths

TEST_F(SettingsTest, RegionsAndTakingOneOver) {
  EXPECT_EQ(mdlWetterstation::RegionNachCaption("Lkr. Roth"), 19);
  EXPECT_EQ(mdlWetterstation::RegionNachCaption("Kehlheim"), -1);
  EXPECT_EQ(mdlWetterstation::Regionen()[13].Caption, " Kehlheim");
  EXPECT_EQ(mdlWetterstation::Regionen()[2].Bildname, "Schwabmuenchen");
  EXPECT_FALSE(mdlWetterstation::AuswahlUebernehmen());  // nothing chosen yet
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Wetterstation, "");
  EXPECT_EQ(mdlWetterstation::RegionWaehlen(13), " Kehlheim");
  ASSERT_TRUE(mdlWetterstation::AuswahlUebernehmen());
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.StandardStation, -1);
  EXPECT_EQ(Rows(*Tolvar(), "BetriebEinstellungen", {"Wetterstation", "StandardStation"}),
            std::vector<std::string>{" Kehlheim|-1"});
}

// A confirmed setting whose row cannot be written is reported with the German cause, and
// the file keeps its bytes.
TEST_F(SettingsTest, ConfirmedSettingsThatCannotBeWrittenSayWhy) {
  struct Fall {
    const char* name;
    std::function<bool()> bestaetigen;
  };
  const Fall faelle[] = {
      {"Strompreis", [] { return settings::StromSpeichern("0,20"); }},
      {"Wetterstation",
       [] {
         mdlWetterstation::RegionWaehlen(13);
         return mdlWetterstation::AuswahlUebernehmen();
       }},
      {"Vermarktungskosten",
       [] {
         settings::VermarktungskostenSpeichern("7");
         return false;
       }},
  };
  const std::string pfad = state().enterprise.TolvarDatenbankPfad;
  ScopedWriteProtection schutz(pfad);
  if (!schutz.Available()) GTEST_SKIP() << "no file can be write-protected here";
  const std::string vorher = FileContents(pfad);
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    sink_.messages.clear();
    EXPECT_FALSE(fall.bestaetigen());
    ASSERT_EQ(Messages().size(), 1u);
    // The German cause only, without the engine's English text.
    EXPECT_EQ(Messages()[0].text, "Die Einstellungen des Betriebs konnten nicht in \"" + pfad +
                                      "\" gespeichert werden.\n\nDie Datei ist schreibgeschützt.");
    EXPECT_EQ(Messages()[0].style, data::MessageStyle::Critical);
    EXPECT_TRUE(FileContents(pfad) == vorher) << "changed";
  }
}

TEST_F(SettingsTest, StationInformationFromTheStationDatabase) {
  const std::string pfad = mdlWetterstation::StationsdatenbankPfad();
  sys::CreateFolder(sys::FolderOf(pfad));
  std::unique_ptr<db::Database> d = db::Database::Create(pfad);
  ASSERT_TRUE(
      d->ExecuteScript("CREATE TABLE \"Stat_Info\" (\"StatName\" TEXT, \"Regierungsbezirk\" TEXT, \"Lkr\" TEXT, "
                       "\"Gemeinde\" TEXT, \"Höhe\" TEXT, \"Lage\" TEXT);"
                       "INSERT INTO \"Stat_Info\" VALUES ('Schwabmünchen', 'Schwaben', 'Augsburg', "
                       "'Schwabmünchen', '555', '48° N');"));
  const auto info = mdlWetterstation::StationsinfoAnzeigen(2);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->Hoehe, "555 m ü.N.N.");
  EXPECT_EQ(sys::FileNameOf(info->Bild), "Schwabmuenchen.gif");
  EXPECT_EQ(state().windows.StationName, "Schwabmünchen");
  EXPECT_FALSE(mdlWetterstation::StationsinfoAnzeigen(0));
  EXPECT_EQ(state().windows.GewaehlteRegion, "");  // a label click chooses no region
}

TEST_F(SettingsTest, ResultFilesAreReadOnceAndRouted) {
  sys::CreateFolder(Path("Excel"));
  const std::string lohn = mdlExcel::ErgebnisdateiPfad(mdlExcel::Rechner::Lohnkosten);
  EXPECT_FALSE(mdlExcel::LohnErgebnisUebernehmen(true));  // missing file: no result
  EXPECT_FALSE(sys::FileExists(lohn));
  std::ofstream(lohn) << "12,5\r\n";
  const auto u = mdlExcel::LohnErgebnisUebernehmen(true);
  ASSERT_TRUE(u);
  EXPECT_EQ(u->ziel, mdlExcel::Ziel::LohnNeu);
  EXPECT_EQ(u->Text, "12,50");
  EXPECT_FALSE(mdlExcel::LohnErgebnisUebernehmen(true));  // emptied after reading
  std::ofstream(lohn) << "abc\n";
  EXPECT_FALSE(mdlExcel::LohnErgebnisUebernehmen(false));
  EXPECT_EQ(Messages().size(), 1u);

  ASSERT_TRUE(mdlExcel::ErgebnisSchreiben(mdlExcel::Rechner::Gemeinkosten, "12,5"));
  auto g = mdlExcel::GemeinkostenErgebnisUebernehmen();
  ASSERT_TRUE(g);
  EXPECT_EQ(g->ziel, mdlExcel::Ziel::Gemeinkosten);
  EXPECT_EQ(g->Text, "12,5");
  state().windows.StandortTabelleAktiv = true;
  state().windows.StandortTabelleZeile = 3;
  ASSERT_TRUE(mdlExcel::ErgebnisSchreiben(mdlExcel::Rechner::Gemeinkosten, "700"));
  g = mdlExcel::GemeinkostenErgebnisUebernehmen();
  ASSERT_TRUE(g);
  EXPECT_EQ(g->ziel, mdlExcel::Ziel::GemeinkostenZeile);
  EXPECT_EQ(g->Zeile, 3);
}

TEST_F(SettingsTest, HelpTopicsAndAFailedPathCheck) {
  EXPECT_EQ(settings::HilfethemaDesTabs(3), "4.1");
  EXPECT_EQ(settings::HilfethemaDesTabs(0), "4.2");
  // A typed name with quotes and apostrophes is named whole.
  const std::string fehlt = Path("fehlt \"B\" 'C'.mdb");
  EXPECT_EQ(settings::DatenbankenSpeichern("Hof", fehlt, "x"),
            settings::DatenbankenSpeicherStatus::PruefungFehlgeschlagen);
  ASSERT_EQ(Messages().size(), 1u);  // only the material check ran
  EXPECT_NE(Messages()[0].text.find("Datei: " + fehlt + "\n"), std::string::npos) << Messages()[0].text;
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.MaterialPfad, data::InstallPath("\\Tolvar_DB\\Material.mdb"));
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.VantelPfad, "x");
}

}  // namespace
}  // namespace tolvar::test
