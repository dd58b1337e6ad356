// The comparison-culture store over a small result database built in code: listing for the
// detail windows, appending the calculation window's figures, renumbering, and failures
// that must leave the table as it was.

#include "calculation/mdlkulturVergleich.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/comparison_table.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/schema.h"
#include "support/tables.h"

namespace tolvar::mdlkulturVergleich {
namespace {

base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

class FesteUhr : public base::Clock {
 public:
  base::Date Now() const override { return base::MakeDateTime(2024, 12, 10, 14, 5, 9); }
  int RandomDigit() override { return 0; }
};

class VergleichskulturTest : public testing::Test {
 protected:
  test::TempDir dir;
  std::string pfad = dir.Join("Ergebnisse.mdb");
  FesteUhr uhr;
  test::ScopedRecordingSink meldungen;

  void SetUp() override {
    ResetState();
    base::SetClock(&uhr);
    auto datenbank = db::Database::Create(pfad);
    ASSERT_TRUE(datenbank && datenbank->ExecuteScript(test::SchemaOf("Vergleichskulturen")));
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = pfad;
  }
  void TearDown() override {
    base::SetClock(nullptr);
    ResetState();
  }

  std::unique_ptr<db::Database> Oeffnen() {
    auto datenbank = db::Database::Open(pfad);
    EXPECT_TRUE(datenbank);
    return datenbank;
  }
  void Ausfuehren(const std::string& sql, const std::vector<db::Value>& werte = {}) {
    auto datenbank = Oeffnen();
    ASSERT_TRUE(datenbank->Execute(sql, werte)) << datenbank->LastError();
  }
  // A stored culture: name, number (Null when empty), heating cost text and its grade,
  // marketing grade.
  void Zeile(const std::string& kultur, db::Value nr, const std::string& heizung = "12,5", db::Value dqHeizung = 1,
             db::Value dqVermarktung = 2) {
    Ausfuehren(
        "INSERT INTO \"Vergleichskulturen\" (\"Nr\", \"Kultur\", \"Beginn\", \"Ende\", \"Menge\", \"Preis\", "
        "\"Heizung\", \"Material\", \"Strom\", \"Vermarktung\", \"Gemeinkosten\", \"DQHeizung\", \"DQMaterial\", "
        "\"DQStrom\", \"DQPSM\", \"DQVermarktung\", \"DQGemeinkosten\") "
        "VALUES (?, ?, '01.03.2024', '30.04.2024', '250', '1,5', ?, '7', '', '3,333', '0,5', ?, 2, 3, 4, ?, NULL)",
        {std::move(nr), db::Value(kultur), db::Value(heizung), std::move(dqHeizung), std::move(dqVermarktung)});
  }
  std::vector<std::string> Spalte(const std::string& spalte) {
    std::vector<std::string> werte;
    auto datenbank = Oeffnen();
    db::Recordset rs = datenbank->OpenTable("Vergleichskulturen");
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      werte.push_back(rs[spalte].isNull() ? "<Null>" : rs[spalte].text());
    }
    return werte;
  }
};

// ------------------------------------------------------------------ listing

TEST_F(VergleichskulturTest, EmptyTableListsOnlyThePlaceholder) {
  const VergleichskulturAnzeige a = VergleichskulturenLaden("frmEnergieInfo");
  EXPECT_EQ(state().comparison.AnzahlVergleichskulturen, 0);
  ASSERT_EQ(state().comparison.VergleichskulturListe.size(), 1u);
  EXPECT_EQ(state().comparison.VergleichskulturListe[0].Kultur, "");
  EXPECT_EQ(a.Eintraege, std::vector<std::string>{"Kein Datensatz vorhanden"});
  EXPECT_EQ(a.ListIndex, 0);
  EXPECT_EQ(a.txtErgebnisdatenbank, pfad);
  EXPECT_TRUE(a.KostenSetzen);
  EXPECT_EQ(a.txtKostenVergleichskultur, "");
  EXPECT_EQ(a.txtQualitaet, std::nullopt);
  EXPECT_TRUE(meldungen.messages.empty());
}

TEST_F(VergleichskulturTest, RowsAreListedInTableOrderWithFormattedFigures) {
  Zeile("Primel", 7);
  Zeile("Cyclamen", db::Value::Null());
  VergleichskulturenLaden("frmArbeitInfo");

  ASSERT_EQ(state().comparison.AnzahlVergleichskulturen, 2);
  ASSERT_EQ(state().comparison.VergleichskulturListe.size(), 3u);
  const VergleichskulturSatz& erste = state().comparison.VergleichskulturListe[0];
  EXPECT_EQ(erste.Nr, "7");
  EXPECT_EQ(state().comparison.VergleichskulturListe[1].Nr, "1");  // Null gives its position
  EXPECT_EQ(erste.Kultur, "Primel");
  EXPECT_EQ(erste.Beginn, "01.03.2024");
  EXPECT_EQ(erste.Menge, "250");
  EXPECT_EQ(erste.Preis, "1,50");
  EXPECT_EQ(data::Kosten(erste, Kostenart::Heizung), "12,50");
  EXPECT_EQ(data::Kosten(erste, Kostenart::Material), "7,00");
  EXPECT_EQ(data::Kosten(erste, Kostenart::Energie), "");    // an empty cost stays empty
  EXPECT_EQ(data::Kosten(erste, Kostenart::Maschinen), "");  // so does a Null one
  EXPECT_EQ(data::Kosten(erste, Kostenart::Vermarktung), "3,33");
  EXPECT_EQ(data::Datenqualitaet(erste, Kostenart::Heizung), "1");
  EXPECT_EQ(data::Datenqualitaet(erste, Kostenart::PSM), "4");
  EXPECT_EQ(data::Datenqualitaet(erste, Kostenart::Gemeinkosten), "");
  EXPECT_EQ(state().comparison.VergleichskulturListe[2].Kultur, "");  // the empty element after the rows
}

TEST_F(VergleichskulturTest, EachWindowShowsTheFirstCultureOfItsCostType) {
  Zeile("Primel", 0, "12,5", 1, 0);
  Zeile("Cyclamen", 1, "9", 3, 3);
  struct Fall {
    const char* fenster;
    bool kostenSetzen;
    const char* kosten;
    std::optional<std::string> sterne;
  };
  const Fall faelle[] = {
      {"frmVantelInfo", true, "12,50", "***"},
      {"frmMaterialInfo", true, "7,00", "**"},
      {"frmEnergieInfo", true, "", "*"},
      {"frmPSMInfo", true, "", std::nullopt},               // grade "4"
      {"frmVermarktungInfo", true, "3,33", std::nullopt},   // grade "0" keeps the stars shown
      {"frmGemeinkostenInfo", true, "0,50", std::nullopt},  // no grade
      {"frmMaschinenInfo", false, "", std::nullopt},        // its selection handler shows the culture
      {"frmArbeitInfo", false, "", std::nullopt},
      {"frmKalkulation", false, "", std::nullopt},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.fenster);
    const VergleichskulturAnzeige a = VergleichskulturenLaden(f.fenster);
    EXPECT_EQ(a.Eintraege, (std::vector<std::string>{"Primel", "Cyclamen"}));
    EXPECT_EQ(a.KostenSetzen, f.kostenSetzen);
    EXPECT_EQ(a.txtKostenVergleichskultur, f.kosten);
    EXPECT_EQ(a.txtQualitaet, f.sterne);
  }
}

TEST_F(VergleichskulturTest, ChoosingAnEntryShowsItsCostAndStars) {
  Zeile("Primel", 0, "12,5", 2);
  VergleichskulturenLaden("frmVantelInfo");
  const auto gewaehlt = VergleichskulturZeigen(Kostenart::Heizung, 0, state().comparison);
  ASSERT_TRUE(gewaehlt);
  EXPECT_EQ(gewaehlt->Kosten, "12,50");
  EXPECT_EQ(gewaehlt->Qualitaet, "**");
  // The empty element after the rows, and indices that name no element (typed-in text).
  const auto leer = VergleichskulturZeigen(Kostenart::Heizung, 1, state().comparison);
  ASSERT_TRUE(leer);
  EXPECT_EQ(leer->Kosten, "");
  EXPECT_EQ(leer->Qualitaet, std::nullopt);
  EXPECT_EQ(VergleichskulturZeigen(Kostenart::Heizung, -1, state().comparison), std::nullopt);
  EXPECT_EQ(VergleichskulturZeigen(Kostenart::Heizung, 2, state().comparison), std::nullopt);
}

TEST(VergleichskulturSterne, GradesGiveStarsOnlyForOneToThree) {
  EXPECT_EQ(Sterne("1"), "***");
  EXPECT_EQ(Sterne("2"), "**");
  EXPECT_EQ(Sterne("3"), "*");
  for (const char* dq : {"", "0", "4", "10", " 1", "1,0"}) EXPECT_EQ(Sterne(dq), std::nullopt) << dq;
}

TEST_F(VergleichskulturTest, UnreadableDatabaseListsNothingInsteadOfStaleEntries) {
  Zeile("Primel", 0);
  Zeile("Cyclamen", 1);
  VergleichskulturenLaden("frmEnergieInfo");
  ASSERT_EQ(state().comparison.AnzahlVergleichskulturen, 2);

  for (const std::string& kaputt : {dir.Join("fehlt.mdb"), dir.Join("leer.mdb")}) {
    SCOPED_TRACE(kaputt);
    if (kaputt == dir.Join("leer.mdb")) {
      ASSERT_TRUE(db::Database::Create(kaputt));  // a database without the table
    }
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = kaputt;
    meldungen.messages.clear();
    const VergleichskulturAnzeige a = VergleichskulturenLaden("frmEnergieInfo");
    EXPECT_EQ(state().comparison.AnzahlVergleichskulturen, 0);
    EXPECT_EQ(state().comparison.VergleichskulturListe.size(), 1u);
    EXPECT_EQ(a.Eintraege, std::vector<std::string>{"Kein Datensatz vorhanden"});
    EXPECT_EQ(a.txtErgebnisdatenbank, kaputt);
    ASSERT_EQ(meldungen.messages.size(), 1u);
    EXPECT_NE(meldungen.messages[0].text.find(kaputt), std::string::npos);
    EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
  }
}

TEST(VergleichskulturLesen, ShippedResultDatabaseHoldsTheThreeSamples) {
  std::vector<VergleichskulturSatz> liste;
  ASSERT_TRUE(data::VergleichskulturenLesen(test::ShippedTreeForTests() + "/Tolvar_DB/Ergebnisse.mdb", liste));
  ASSERT_EQ(liste.size(), 3u);
  EXPECT_EQ(liste[0].Kultur, "Weihnachtsstern 13 cm");
  EXPECT_EQ(data::Kosten(liste[0], Kostenart::Heizung), "412,50");
  EXPECT_EQ(liste[2].Nr, "2");
  EXPECT_EQ(data::Datenqualitaet(liste[2], Kostenart::Vermarktung), "0");

  std::string fehler;
  EXPECT_FALSE(data::VergleichskulturenLesen(test::ShippedTreeForTests() + "/Tolvar_DB/fehlt.mdb", liste, &fehler));
  EXPECT_TRUE(liste.empty());
  EXPECT_FALSE(fehler.empty());
}

// ------------------------------------------------------------------ appending

TEST(VergleichskulturKennzahlen, AreaDaysAndLabourHours) {
  std::vector<PhasenSatz> phasen(26);
  phasen[1].BruttoFlaeche = "100";
  phasen[1].Anfang = D(2024, 3, 1);
  phasen[1].Ende = D(2024, 3, 31);
  phasen[2].BruttoFlaeche = "50";
  phasen[2].Anfang = D(2024, 4, 1);
  phasen[2].Ende = D(2024, 4, 11);
  EXPECT_EQ(FlaechentageBerechnen(phasen, 2), 3500.0);
  EXPECT_EQ(FlaechentageBerechnen(phasen, 0), std::nullopt);
  phasen[2].BruttoFlaeche = "";
  EXPECT_EQ(FlaechentageBerechnen(phasen, 2), 3000.0);
  phasen[2].BruttoFlaeche = "abc";
  EXPECT_EQ(FlaechentageBerechnen(phasen, 2), 3000.0);
  EXPECT_EQ(FlaechentageBerechnen(phasen, 99), 3000.0);  // slots beyond the list are not read

  std::vector<KulturArbeitSatz> arbeiten(4);
  arbeiten[0].Zeitdauer = "2,5";
  arbeiten[1].Zeitdauer = "";
  arbeiten[2].Zeitdauer = "x";
  arbeiten[3].Zeitdauer = "4";
  EXPECT_EQ(ArbeitsstundenBerechnen(arbeiten), 6.5);
  EXPECT_EQ(ArbeitsstundenBerechnen({arbeiten[0]}), 2.5);
  EXPECT_EQ(ArbeitsstundenBerechnen({}), 0.0);
}

class AppendTest : public VergleichskulturTest {
 protected:
  KalkulationsFenster fenster;
  void SetUp() override {
    VergleichskulturTest::SetUp();
    State& s = state();
    s.culture.PhasenListe.assign(26, PhasenSatz{});
    s.culture.PhasenListe[1].BruttoFlaeche = "100";
    s.culture.PhasenListe[1].Anfang = D(2024, 3, 1);
    s.culture.PhasenListe[1].Ende = D(2024, 3, 31);
    s.culture.PhasenListe[2].BruttoFlaeche = "50";
    s.culture.PhasenListe[2].Anfang = D(2024, 4, 1);
    s.culture.PhasenListe[2].Ende = D(2024, 4, 11);
    s.culture.AnzahlPhasen = 2;
    s.calculation.KulturArbeitListe.assign(2, KulturArbeitSatz{});
    s.calculation.KulturArbeitListe[0].Zeitdauer = "3,5";
    s.calculation.KulturArbeitListe[1].Zeitdauer = "";
    s.calculation.HerkunftHeizung() = 1;
    s.calculation.HerkunftMaterial() = 2;
    s.calculation.HerkunftEnergie() = 3;
    s.calculation.HerkunftMaschinen() = 1;
    s.calculation.HerkunftPSM() = 2;
    s.calculation.HerkunftVermarktung() = 0;
    s.calculation.HerkunftArbeit() = 3;
    s.calculation.HerkunftGemeinkosten() = 1;
    fenster.txtName = "Primel";
    fenster.txtAnfang = "01.03.2024";
    fenster.txtEnde = "11.04.2024";
    fenster.txtMenge = "250";
    fenster.txtPreis = "1,20";
    fenster.txtHeizung() = "12,5";
    fenster.txtMaterial() = "30,00";
    fenster.txtEnergie() = "1,00";
    fenster.txtMaschinen() = "2,00";
    fenster.txtPSM() = "3,00";
    fenster.txtVermarktung() = "4,00";
    fenster.txtArbeit() = "5,00";
    fenster.txtGemein() = "6,00";
  }
};

TEST_F(AppendTest, StoresTheWindowFiguresFlagsAndKeyFigures) {
  ASSERT_TRUE(KalkulationsergebnisSpeichern(fenster));
  auto datenbank = Oeffnen();
  db::Recordset rs = datenbank->OpenTable("Vergleichskulturen");
  ASSERT_EQ(rs.RecordCount(), 1);
  EXPECT_TRUE(rs["Nr"].isNull());
  EXPECT_EQ(rs["Import"].integerOr(99), 0);
  const std::pair<const char*, const char*> erwartet[] = {
      {"Kultur", "Primel"},     {"Beginn", "01.03.2024"},
      {"Ende", "11.04.2024"},   {"Menge", "250"},
      {"Preis", "1,20"},        {"Heizung", "12,5"},
      {"Material", "30,00"},    {"Strom", "1,00"},
      {"Maschinen", "2,00"},    {"PSM", "3,00"},
      {"Vermarktung", "4,00"},  {"Arbeit", "5,00"},
      {"Gemeinkosten", "6,00"}, {"DQHeizung", "1"},
      {"DQMaterial", "2"},      {"DQStrom", "3"},
      {"DQMaschinen", "1"},     {"DQPSM", "2"},
      {"DQVermarktung", "0"},   {"DQArbeit", "3"},
      {"DQGemeinkosten", "1"},  {"Akh", "3,5"},
      {"TQM", "3500"},          {"Bemerkungen", "Kalkulation erstellt am Dienstag, 10. Dezember 2024"},
  };
  for (const auto& [spalte, wert] : erwartet) EXPECT_EQ(rs[spalte].text(), wert) << spalte;
  EXPECT_TRUE(meldungen.messages.empty());

  // Listed again, the stored heating cost shows two decimals.
  VergleichskulturenLaden("frmVantelInfo");
  EXPECT_EQ(data::Kosten(state().comparison.VergleichskulturListe[0], Kostenart::Heizung), "12,50");
  EXPECT_EQ(state().comparison.VergleichskulturListe[0].Nr, "0");
}

TEST_F(AppendTest, EmptyBoxesStoreTheirDefaultsAndShowThem) {
  fenster = KalkulationsFenster{};
  // Empty cost boxes are stored as 0,00 only where the cost was not to be computed.
  for (Kostenart art : kKostenarten) state().calculation.HerkunftVon(art) = Herkunft::Eingegeben;
  state().culture.AnzahlPhasen = 0;
  state().calculation.KulturArbeitListe.clear();
  ASSERT_TRUE(KalkulationsergebnisSpeichern(fenster));

  const std::pair<std::string KalkulationsFenster::*, const char*> boxen[] = {
      {&KalkulationsFenster::txtName, "KeinNameVergeben"},
      {&KalkulationsFenster::txtAnfang, "01.01.1900"},
      {&KalkulationsFenster::txtEnde, "01.01.1900"},
      {&KalkulationsFenster::txtMenge, "0"},
      {&KalkulationsFenster::txtPreis, "0,00"},
  };
  for (const auto& [box, wert] : boxen) EXPECT_EQ(fenster.*box, wert);
  for (Kostenart art : kKostenarten) EXPECT_EQ(fenster.Wertfeld(art), "0,00") << Daten(art).wertfeld;
  EXPECT_EQ(Spalte("Kultur"), std::vector<std::string>{"KeinNameVergeben"});
  EXPECT_EQ(Spalte("Ende"), std::vector<std::string>{"01.01.1900"});
  EXPECT_EQ(Spalte("Gemeinkosten"), std::vector<std::string>{"0,00"});
  EXPECT_EQ(Spalte("DQStrom"), std::vector<std::string>{"3"});
  EXPECT_EQ(Spalte("TQM"), std::vector<std::string>{"<Null>"});
  EXPECT_EQ(Spalte("Akh"), std::vector<std::string>{"0"});
}

// A cost left empty because it could not be computed, or a computed figure its column does not
// take, refuses the save with one message naming those cost types; nothing is stored. (A
// taken-over figure is checked as the boxes are: EachStoredBoxFollowsItsRule.)
TEST_F(AppendTest, CostsThatCouldNotBeComputedOrAreNoNumberRefuseTheSave) {
  fenster.txtHeizung() = "";        // computed, but its data were missing
  fenster.txtVermarktung() = "";    // worked out in its window, missing
  fenster.txtMaschinen() = "1e15";  // computed beyond the column's bound
  fenster.txtMaterial() = "";       // taken from a comparison culture: stored as 0,00
  fenster.txtEnergie() = "";        // typed: stored as 0,00
  const KalkulationsFenster vorher = fenster;
  EXPECT_EQ(UngespeicherteKosten(fenster, state().calculation),
            (std::vector<Kostenart>{Kostenart::Heizung, Kostenart::Maschinen, Kostenart::Vermarktung}));
  std::string fokus;
  EXPECT_FALSE(KalkulationsergebnisSpeichernUndNummerieren(fenster, "frmKalkulation", &fokus));
  EXPECT_TRUE(Spalte("Kultur").empty());
  EXPECT_EQ(fokus, "");
  EXPECT_EQ(fenster.txtHeizung(), vorher.txtHeizung());
  EXPECT_EQ(fenster.txtMaterial(), "");
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(meldungen.messages[0].text,
            "Die Kalkulation wurde nicht gespeichert. Für diese Kosten fehlt ein Wert, weil sie nicht berechnet werden "
            "konnten, oder der Wert ist keine Zahl von -1.000.000.000.000 bis 1.000.000.000.000: Heizung, "
            "Maschinen, Vermarktung.\n\nVervollständigen Sie die Daten der Kultur oder geben Sie die Kosten ein.");

  // Typed in, the values are stored with the origin "typed".
  fenster.txtHeizung() = "80";
  fenster.txtMaschinen() = "2,00";
  fenster.txtVermarktung() = "4";
  state().calculation.HerkunftHeizung() = Herkunft::Eingegeben;
  state().calculation.HerkunftVermarktung() = Herkunft::Eingegeben;
  ASSERT_TRUE(KalkulationsergebnisSpeichernUndNummerieren(fenster));
  EXPECT_EQ(Spalte("Heizung"), std::vector<std::string>{"80"});
  EXPECT_EQ(Spalte("DQHeizung"), std::vector<std::string>{"3"});
  EXPECT_EQ(Spalte("Material"), std::vector<std::string>{"0,00"});
  EXPECT_EQ(Spalte("Strom"), std::vector<std::string>{"0,00"});
}

// Every box the save stores, with the texts a person types or pastes: what a rule refuses
// leaves the result database byte for byte as it was, the window unchanged and the focus on the
// first refused box; what it takes is stored as the box holds it, an empty box as its default.
// Figures the program computed or took over are stored as they stand when they are numbers.
TEST_F(AppendTest, EachStoredBoxFollowsItsRule) {
  struct Fall {
    const char* feld;  // the box
    const char* text;
    const char* spalte;
    const char* gespeichert;  // nullptr: refused
  };
  const Fall faelle[] = {
      {"txtPreis", "abc", "Preis", nullptr},
      {"txtPreis", "1,2,3", "Preis", nullptr},
      {"txtPreis", "-5", "Preis", nullptr},
      {"txtPreis", "1e308", "Preis", nullptr},
      {"txtPreis", "1000000000001", "Preis", nullptr},
      {"txtPreis", "", "Preis", "0,00"},
      {"txtPreis", "0", "Preis", "0"},
      {"txtPreis", "1000000000000", "Preis", "1000000000000"},
      {"txtMenge", "abc", "Menge", nullptr},
      {"txtMenge", "1,2,3", "Menge", nullptr},
      {"txtMenge", "-5", "Menge", nullptr},
      {"txtMenge", "1e308", "Menge", nullptr},
      {"txtMenge", "12,5", "Menge", nullptr},
      {"txtMenge", "", "Menge", "0"},
      {"txtMenge", "0", "Menge", "0"},
      {"txtMenge", "1000000000000", "Menge", "1000000000000"},
      {"txtAnfang", "abc", "Beginn", nullptr},
      {"txtAnfang", "31.02.2024", "Beginn", nullptr},
      {"txtAnfang", "1.3.2024", "Beginn", nullptr},
      {"txtAnfang", "01.03.2024 10:00", "Beginn", nullptr},
      {"txtAnfang", "", "Beginn", "01.01.1900"},
      {"txtAnfang", "29.02.2024", "Beginn", "29.02.2024"},
      {"txtEnde", "1e308", "Ende", nullptr},
      {"txtEnde", "", "Ende", "01.01.1900"},
      {"txtEnergie", "abc", "Strom", nullptr},  // typed
      {"txtEnergie", "1,2,3", "Strom", nullptr},
      {"txtEnergie", "-5", "Strom", nullptr},
      {"txtEnergie", "1e308", "Strom", nullptr},
      {"txtEnergie", "", "Strom", "0,00"},
      {"txtEnergie", "0", "Strom", "0"},
      {"txtEnergie", "1,5", "Strom", "1,5"},
      {"txtArbeit", "-0,01", "Arbeit", nullptr},    // typed
      {"txtHeizung", "-5,00", "Heizung", "-5,00"},  // computed
      {"txtHeizung", "abc", "Heizung", nullptr},
      {"txtVermarktung", "-300,00", "Vermarktung", "-300,00"},  // worked out in its window
      {"txtPSM", "abc", "PSM", nullptr},                        // taken over
      {"txtPSM", "1e308", "PSM", nullptr},
      {"txtPSM", "-2500000,00", "PSM", "-2500000,00"},
  };
  const auto box = [this](std::string_view feld) -> std::string& {
    if (feld == "txtPreis") return fenster.txtPreis;
    if (feld == "txtMenge") return fenster.txtMenge;
    if (feld == "txtAnfang") return fenster.txtAnfang;
    if (feld == "txtEnde") return fenster.txtEnde;
    for (Kostenart art : kKostenarten) {
      if (Daten(art).wertfeld == feld) return fenster.Wertfeld(art);
    }
    ADD_FAILURE() << feld;
    return fenster.txtName;
  };
  const KalkulationsFenster gueltig = fenster;
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(std::string(fall.feld) + " \"" + fall.text + "\"");
    meldungen.messages.clear();
    fenster = gueltig;
    box(fall.feld) = fall.text;
    const KalkulationsFenster vorher = fenster;
    const std::string inhalt = test::Datenbankinhalt(pfad);
    const std::string bytes = test::FileContents(pfad);
    std::string fokus;
    const bool gespeichert = KalkulationsergebnisSpeichernUndNummerieren(fenster, "frmKalkulation", &fokus);
    if (fall.gespeichert == nullptr) {
      EXPECT_FALSE(gespeichert);
      EXPECT_EQ(test::Datenbankinhalt(pfad), inhalt);
      EXPECT_TRUE(test::FileContents(pfad) == bytes);
      EXPECT_EQ(fenster.Wertfelder, vorher.Wertfelder);
      EXPECT_EQ(fenster.txtPreis, vorher.txtPreis);
      ASSERT_EQ(meldungen.messages.size(), 1u);
      EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
      // A computed figure that is no number is named as a missing cost, all others by their box.
      EXPECT_EQ(fokus, std::string_view(fall.feld) == "txtHeizung" ? "" : fall.feld);
      continue;
    }
    ASSERT_TRUE(gespeichert);
    EXPECT_TRUE(meldungen.messages.empty());
    EXPECT_EQ(Spalte(fall.spalte).back(), fall.gespeichert);
    EXPECT_EQ(box(fall.feld), fall.gespeichert);  // an empty box shows its default
  }
}

// The message of refused boxes names each with its text and what it takes.
TEST_F(AppendTest, RefusedBoxesAreNamedInOneMessage) {
  fenster.txtAnfang = "31.02.2024";
  fenster.txtPreis = "abc";
  fenster.txtEnergie() = "-5";  // typed
  std::string fokus;
  EXPECT_FALSE(KalkulationsergebnisSpeichern(fenster, "frmKalkulation", &fokus));
  EXPECT_EQ(fokus, "txtAnfang");
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(meldungen.messages[0].text,
            "Die Kalkulation wurde nicht gespeichert. Diese Eingaben sind nicht gültig:\n\n"
            "Beginn \"31.02.2024\": ein Datum in der Form TT.MM.JJJJ\n"
            "Preis \"abc\": ein Betrag von 0 bis 1.000.000.000.000\n"
            "elek.Energie \"-5\": ein Betrag von 0 bis 1.000.000.000.000\n\n"
            "Bitte korrigieren Sie die Eingaben.");
  EXPECT_TRUE(Spalte("Kultur").empty());
}

TEST_F(AppendTest, RemarkOnlyFromTheCalculationWindow) {
  ASSERT_TRUE(KalkulationsergebnisSpeichern(fenster, "frmAnderes"));
  EXPECT_EQ(Spalte("Bemerkungen"), std::vector<std::string>{"<Null>"});
}

// ------------------------------------------------------------------ renumbering

TEST_F(VergleichskulturTest, RenumberingCountsFromZeroInTableOrder) {
  Zeile("a", 7);
  Zeile("b", db::Value::Null());
  Zeile("c", 7);
  Zeile("d", -3);
  Zeile("e", 0);
  ASSERT_TRUE(VergleichskulturenNummerieren());
  EXPECT_EQ(Spalte("Nr"), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(Spalte("Kultur"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST_F(VergleichskulturTest, RenumberingAnotherFileLeavesTheSettingAlone) {
  const std::string andere = dir.Join("Export.mdb");
  {
    auto datenbank = db::Database::Create(andere);
    ASSERT_TRUE(datenbank && datenbank->ExecuteScript(test::SchemaOf("Vergleichskulturen")));
    ASSERT_TRUE(datenbank->Execute("INSERT INTO \"Vergleichskulturen\" (\"Nr\") VALUES (5), (5)"));
  }
  Zeile("a", 9);
  ASSERT_TRUE(VergleichskulturenNummerieren(andere));
  EXPECT_EQ(Spalte("Nr"), std::vector<std::string>{"9"});
  auto datenbank = db::Database::Open(andere);
  EXPECT_EQ(datenbank->Query("SELECT group_concat(\"Nr\") FROM \"Vergleichskulturen\"").Field(0).text(), "0,1");
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, pfad);
}

TEST_F(VergleichskulturTest, RenumberingAnEmptyTableChangesNothing) {
  EXPECT_TRUE(VergleichskulturenNummerieren());
  EXPECT_TRUE(Spalte("Nr").empty());
  EXPECT_TRUE(meldungen.messages.empty());
}

TEST_F(AppendTest, SaveCommandAppendsLastAndRenumbers) {
  for (const char* k : {"a", "b", "c", "d"}) Zeile(k, 3);
  ASSERT_TRUE(KalkulationsergebnisSpeichernUndNummerieren(fenster));
  EXPECT_EQ(Spalte("Nr"), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(Spalte("Kultur").back(), "Primel");
}

// ------------------------------------------------------------------ failures

TEST_F(AppendTest, FailuresAreReportedAndLeaveTableAndWindowAsTheyWere) {
  struct Fall {
    const char* name;
    const char* ausloeser;  // SQL that makes the file refuse the write
    bool fehlendeDatei;
  };
  const Fall faelle[] = {
      {"missing file", "", true},
      {"new row refused",
       "CREATE TRIGGER t BEFORE INSERT ON \"Vergleichskulturen\" BEGIN SELECT RAISE(ABORT, 'gesperrt'); END", false},
      {"renumbering refused halfway",
       "CREATE TRIGGER t BEFORE UPDATE ON \"Vergleichskulturen\" WHEN NEW.\"Nr\" = 2 "
       "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END",
       false},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Ausfuehren("DELETE FROM \"Vergleichskulturen\"");
    Zeile("a", 5);
    Zeile("b", 5);
    Zeile("c", 5);
    if (*f.ausloeser) Ausfuehren(f.ausloeser);
    state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank = f.fehlendeDatei ? dir.Join("fehlt.mdb") : pfad;
    fenster.txtGemein() = "";
    state().calculation.HerkunftGemeinkosten() = Herkunft::Eingegeben;  // an empty typed box stores 0,00
    meldungen.messages.clear();

    EXPECT_FALSE(KalkulationsergebnisSpeichernUndNummerieren(fenster));
    EXPECT_EQ(fenster.txtGemein(), "");  // no default shown for a row that was not stored
    EXPECT_EQ(Spalte("Nr"), (std::vector<std::string>{"5", "5", "5"}));
    ASSERT_EQ(meldungen.messages.size(), 1u);
    EXPECT_EQ(meldungen.messages[0].style, data::MessageStyle::Critical);
    EXPECT_EQ(meldungen.messages[0].title, "Tolvar-Information");
    EXPECT_NE(meldungen.messages[0].text.find(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank),
              std::string::npos);

    if (*f.ausloeser) Ausfuehren("DROP TRIGGER t");
  }
}

TEST_F(VergleichskulturTest, RenumberingFailureKeepsTheOldNumbers) {
  Zeile("a", 5);
  Zeile("b", 5);
  Zeile("c", 5);
  Ausfuehren(
      "CREATE TRIGGER t BEFORE UPDATE ON \"Vergleichskulturen\" WHEN NEW.\"Nr\" = 2 "
      "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END");
  EXPECT_FALSE(VergleichskulturenNummerieren());
  EXPECT_EQ(Spalte("Nr"), (std::vector<std::string>{"5", "5", "5"}));
  EXPECT_EQ(meldungen.messages.size(), 1u);
}

}  // namespace
}  // namespace tolvar::mdlkulturVergleich
