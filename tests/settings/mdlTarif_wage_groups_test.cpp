// Wage groups, their hourly wages and the staff's wage history: loaders, removal and the
// editors' create / change / remove.

#include "settings/mdlTarif.h"
#include "settings/settings_fixture.h"

namespace tolvar::test {
namespace {

class WageGroupsTest : public SettingsTest {
 public:
  void Gruppe(int id, const std::string& name) {
    Insert(*Morvin(), "Lohn",
           {{"LohngruppenID", id},
            {"Tarif", name},
            {"Beispiel", 1},
            {"ID", "G" + std::to_string(id)},
            {"LetzteAenderung", "2025-03-01 08:00:00"}});
  }
  void Wage(int gruppe, const std::string& lohn) {
    Insert(*Tolvar(), "Tarif", {{"Lohngruppe", gruppe}, {"Lohn", lohn}});
  }
  void Periode(const std::string& person, int gruppe, const std::string& ab) {
    Insert(*Morvin(), "Lohneinteilung",
           {{"PersonalNr", person}, {"LohngruppenID", gruppe}, {"DatumAb", ab}, {"ID", "E" + person}});
  }
};

TEST_F(WageGroupsTest, ThreeGroupsTwoWagesAndTheClearedElementAfterThem) {
  Gruppe(1, "Gärtner");
  Gruppe(2, "Meister");
  Gruppe(3, "Saison");
  Wage(1, "16,50");
  Wage(2, "19,80");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  const State& st = state();
  EXPECT_EQ(st.settings.AnzahlLohngruppen, 3);
  ASSERT_EQ(st.settings.LohngruppeListe.size(), 51u);
  EXPECT_EQ(st.settings.LohngruppeListe[0].Lohn, "16,50");
  EXPECT_EQ(st.settings.LohngruppeListe[1].Tarif, "Meister");
  EXPECT_EQ(st.settings.LohngruppeListe[2].Tarif, "Saison");
  EXPECT_EQ(st.settings.LohngruppeListe[2].Lohn, "");
  EXPECT_EQ(st.settings.LohngruppeListe[2].Beispiel, 1);
  EXPECT_EQ(st.settings.LohngruppeListe[3].LohngruppenID, 0);
  EXPECT_EQ(st.settings.LohngruppeListe[3].Tarif, "");
  EXPECT_EQ(st.settings.LohngruppeListe[3].LetzteAenderung, base::Today());
}

TEST_F(WageGroupsTest, SurplusWageRowsLastForGroupsFirstForPeriods) {
  Gruppe(1, "Gärtner");
  Wage(1, "10,50");
  Wage(1, "11,00");
  Periode("P1", 1, "2020-01-01");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  ASSERT_TRUE(mdlTarif::PersonalLohngruppenLaden());
  EXPECT_EQ(state().settings.LohngruppeListe[0].Lohn, "11,00");
  EXPECT_EQ(state().settings.LohneinteilungListe[0].Lohn, "10,50");
  EXPECT_EQ(state().settings.LohneinteilungListe[0].Tarif, "Gärtner");
  EXPECT_EQ(state().settings.LohneinteilungListe[0].DatumAb, *base::MakeDate(2020, 1, 1));
}

TEST_F(WageGroupsTest, PeriodsOfMissingGroupsAndTheEndElement) {
  Gruppe(1, "Gärtner");
  Wage(2, "12,00");  // group 2 removed from Lohn, its wage row left
  Periode("P1", 2, "2021-05-01");
  Periode("P2", 9, "2022-01-01");
  ASSERT_TRUE(mdlTarif::PersonalLohngruppenLaden());
  const State& st = state();
  EXPECT_EQ(st.settings.AnzahlLohneinteilungen, 2);
  EXPECT_EQ(st.settings.LohneinteilungListe[0].Tarif, "");
  EXPECT_EQ(st.settings.LohneinteilungListe[0].Lohn, "12,00");
  EXPECT_EQ(st.settings.LohneinteilungListe[1].Tarif, "");
  EXPECT_EQ(st.settings.LohneinteilungListe[1].Lohn, "");
  EXPECT_EQ(st.settings.LohneinteilungListe[2].PersonalNr, "");
  EXPECT_EQ(st.settings.LohneinteilungListe[2].DatumAb, base::kNoDate);
}

TEST_F(WageGroupsTest, EmptyTablesGiveEmptyLists) {
  ASSERT_TRUE(mdlTarif::TarifLaden());
  ASSERT_TRUE(mdlTarif::PersonalLohngruppenLaden());
  EXPECT_EQ(state().settings.AnzahlLohngruppen, 0);
  EXPECT_EQ(state().settings.AnzahlLohneinteilungen, 0);
  EXPECT_EQ(state().settings.LohngruppeListe.size(), 51u);
  EXPECT_EQ(state().settings.LohneinteilungListe.size(), 101u);
}

TEST_F(WageGroupsTest, ListsGrowBeyondTheirBoundsAndKeepOneClearedElement) {
  for (int i = 1; i <= 51; ++i) Gruppe(i, "G" + std::to_string(i));
  {
    std::unique_ptr<db::Database> m = Morvin();
    for (int i = 0; i < 150; ++i) {
      Insert(*m, "Lohneinteilung", {{"PersonalNr", "P" + std::to_string(i)}, {"LohngruppenID", 1}});
    }
  }
  ASSERT_TRUE(mdlTarif::TarifLaden());
  ASSERT_TRUE(mdlTarif::PersonalLohngruppenLaden());
  const State& st = state();
  EXPECT_EQ(st.settings.AnzahlLohngruppen, 51);
  ASSERT_EQ(st.settings.LohngruppeListe.size(), 52u);
  EXPECT_EQ(st.settings.LohngruppeListe[51].Tarif, "");
  EXPECT_EQ(st.settings.AnzahlLohneinteilungen, 150);
  ASSERT_EQ(st.settings.LohneinteilungListe.size(), 151u);
  EXPECT_EQ(st.settings.LohneinteilungListe[150].PersonalNr, "");
}

TEST_F(WageGroupsTest, NameDisplayGetsTheSelectedPersonOrNothing) {
  std::vector<std::string> shown;
  mdlTarif::SetNamensanzeige([&](const std::string& n) { shown.push_back(n); });
  PersonalSatz p;
  p.Name = "Huber";
  p.Vorname = "Anna";
  state().masters.PersonalListe = {p};
  state().selection.PersonalIndex = 0;
  Gruppe(1, "Gärtner");
  EXPECT_TRUE(mdlTarif::TarifLaden());
  state().selection.PersonalIndex = 5;  // outside the list: no display, the list is loaded anyway
  EXPECT_TRUE(mdlTarif::TarifLaden());
  mdlTarif::SetNamensanzeige(nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"Huber, Anna"});
  EXPECT_EQ(state().settings.AnzahlLohngruppen, 1);
}

TEST_F(WageGroupsTest, DeletingAGroupLeavesOtherGroupsUntouched) {
  Gruppe(1, "Gärtner");
  Gruppe(2, "Meister");
  Wage(1, "16,50");
  Wage(2, "19,80");
  Periode("P1", 1, "2020-01-01");
  Periode("P2", 1, "2021-01-01");
  Periode("P3", 2, "2021-01-01");
  ASSERT_TRUE(mdlTarif::LohngruppeLoeschen("1"));
  EXPECT_EQ(Rows(*Morvin(), "Lohn", {"Tarif"}), std::vector<std::string>{"Meister"});
  EXPECT_EQ(Rows(*Morvin(), "Lohneinteilung", {"PersonalNr"}), std::vector<std::string>{"P3"});
  EXPECT_EQ(Rows(*Tolvar(), "Tarif", {"Lohngruppe", "Lohn"}), std::vector<std::string>{"2|19,80"});
  ASSERT_TRUE(mdlTarif::LohngruppeLoeschen("2"));
  EXPECT_TRUE(Rows(*Morvin(), "Lohn", {"Tarif"}).empty());
  EXPECT_TRUE(Rows(*Tolvar(), "Tarif", {"Lohn"}).empty());
}

TEST_F(WageGroupsTest, DeletionTextsThatNameNoGroupDeleteNothing) {
  Gruppe(1, "Gärtner");
  Wage(1, "16,50");
  for (const std::string id : {"", "Text1", "1,0", " 1", "01"}) {
    SCOPED_TRACE(id);
    ASSERT_TRUE(mdlTarif::LohngruppeLoeschen(id));
    EXPECT_EQ(Rows(*Morvin(), "Lohn", {"Tarif"}).size(), 1u);
    EXPECT_EQ(Rows(*Tolvar(), "Tarif", {"Lohn"}).size(), 1u);
  }
}

TEST_F(WageGroupsTest, DeletionFailingInTheOwnDatabaseKeepsTheGroup) {
  Gruppe(1, "Gärtner");
  Periode("P1", 1, "2020-01-01");
  ASSERT_TRUE(Tolvar()->Execute("DROP TABLE \"Tarif\""));
  EXPECT_FALSE(mdlTarif::LohngruppeLoeschen("1"));
  EXPECT_EQ(Rows(*Morvin(), "Lohneinteilung", {"PersonalNr"}).size(), 1u);
  EXPECT_EQ(Rows(*Morvin(), "Lohn", {"Tarif"}).size(), 1u);
}

TEST_F(WageGroupsTest, CreatingWritesBothRowsWithTheAssignedNumber) {
  Gruppe(4, "Meister");
  ASSERT_EQ(mdlTarif::LohngruppeAnlegen("Gärtner", "15,75"), mdlTarif::LohngruppenStatus::Gespeichert);
  db::Recordset lohn = Morvin()->OpenTable("Lohn");
  lohn.MoveLast();
  EXPECT_EQ(lohn["Tarif"].text(), "Gärtner");
  EXPECT_EQ(lohn["Beispiel"].integerOr(), 1);
  EXPECT_EQ(lohn["ID"].text(), "101220241405097777");
  EXPECT_EQ(lohn["LetzteAenderung"].date(), base::MakeDateTime(2024, 12, 10, 14, 5, 9));
  EXPECT_EQ(Rows(*Tolvar(), "Tarif", {"Lohngruppe", "Lohn"}),
            std::vector<std::string>{lohn["LohngruppenID"].text() + "|15,75"});
}

TEST_F(WageGroupsTest, CreatingRefusesAnExactDuplicateAndEmptyBoxes) {
  Gruppe(1, "B");
  struct Fall {
    std::string name, lohn;
    mdlTarif::Pruefreihenfolge reihenfolge;
    mdlTarif::LohngruppenStatus erwartet;
    std::size_t meldungen;
  } faelle[] = {
      {"B", "10", mdlTarif::Pruefreihenfolge::NameZuerst, mdlTarif::LohngruppenStatus::NameNichtEindeutig, 1},
      {"B", "", mdlTarif::Pruefreihenfolge::NameZuerst, mdlTarif::LohngruppenStatus::NameNichtEindeutig, 1},
      {"B", "", mdlTarif::Pruefreihenfolge::LeereZuerst, mdlTarif::LohngruppenStatus::WerteFehlen, 0},
      {"C", "", mdlTarif::Pruefreihenfolge::NameZuerst, mdlTarif::LohngruppenStatus::WerteFehlen, 0},
      {"", "10", mdlTarif::Pruefreihenfolge::LeereZuerst, mdlTarif::LohngruppenStatus::WerteFehlen, 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name + "/" + f.lohn);
    sink_.messages.clear();
    EXPECT_EQ(mdlTarif::LohngruppeAnlegen(f.name, f.lohn, f.reihenfolge), f.erwartet);
    ASSERT_EQ(Messages().size(), f.meldungen);
    if (f.meldungen > 0) {
      EXPECT_EQ(Messages()[0].text, "Der vergebene Name ist nicht eindeutig");
    }
  }
  EXPECT_EQ(Rows(*Morvin(), "Lohn", {"Tarif"}), std::vector<std::string>{"B"});
  EXPECT_TRUE(Rows(*Tolvar(), "Tarif", {"Lohn"}).empty());
  EXPECT_EQ(mdlTarif::LohngruppeAnlegen("b", "10"), mdlTarif::LohngruppenStatus::Gespeichert);
}

TEST_F(WageGroupsTest, CreatingWritesNeitherRowWhenTheWageCannotBeStored) {
  ASSERT_TRUE(Tolvar()->Execute("DROP TABLE \"Tarif\""));
  EXPECT_EQ(mdlTarif::LohngruppeAnlegen("Gärtner", "15"), mdlTarif::LohngruppenStatus::Fehler);
  EXPECT_TRUE(Rows(*Morvin(), "Lohn", {"Tarif"}).empty());
}

TEST_F(WageGroupsTest, ChangingRenamesAndLeavesExactlyOneWageRow) {
  Gruppe(1, "A");
  Gruppe(2, "B");
  Wage(2, "19,80");
  Wage(1, "16,50");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  ASSERT_EQ(mdlTarif::LohngruppeAendern("2", "A", "21,00"), mdlTarif::LohngruppenStatus::Gespeichert);
  EXPECT_EQ(state().windows.Merkwert, 1);
  EXPECT_EQ(Rows(*Morvin(), "Lohn", {"LohngruppenID", "Tarif", "ID"}),
            (std::vector<std::string>{"1|A|G1", "2|A|101220241405097777"}));
  EXPECT_EQ(Rows(*Tolvar(), "Tarif", {"Lohngruppe", "Lohn"}), (std::vector<std::string>{"1|16,50", "2|21,00"}));
  ASSERT_TRUE(mdlTarif::TarifLaden());
  EXPECT_EQ(mdlTarif::LohngruppeNachName("A", state().settings).Index, 0);  // a repeated name gives the first
}

TEST_F(WageGroupsTest, ChangingOrRemovingWithoutARealGroupWritesNothing) {
  Gruppe(1, "A");
  Wage(1, "16,50");
  Wage(0, "orphan");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  // "0" is the cleared element's number (the empty entry), "Text1" a window's initial text.
  for (const std::string id : {"0", "Text1", "", "7"}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(mdlTarif::LohngruppeAendern(id, "X", "1"), mdlTarif::LohngruppenStatus::KeineGruppe);
    EXPECT_EQ(mdlTarif::LohngruppeEntfernen(id), mdlTarif::LohngruppenStatus::KeineGruppe);
  }
  EXPECT_EQ(mdlTarif::LohngruppeAendern("1", "", "1"), mdlTarif::LohngruppenStatus::WerteFehlen);
  EXPECT_EQ(mdlTarif::LohngruppeAendern("1", "X", ""), mdlTarif::LohngruppenStatus::WerteFehlen);
  EXPECT_EQ(Rows(*Tolvar(), "Tarif", {"Lohngruppe", "Lohn"}), (std::vector<std::string>{"1|16,50", "0|orphan"}));
  EXPECT_EQ(Rows(*Morvin(), "Lohn", {"Tarif"}), std::vector<std::string>{"A"});
}

TEST_F(WageGroupsTest, SelectionByNameResolvesTheEmptyEntryToTheClearedElement) {
  Gruppe(3, "A");
  Wage(3, "12,00");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  const mdlTarif::LohngruppeAuswahl a = mdlTarif::LohngruppeNachName("A", state().settings);
  EXPECT_EQ(a.Index, 0);
  EXPECT_EQ(a.Lohn, "12,00");
  EXPECT_EQ(a.IdText, "3");
  const mdlTarif::LohngruppeAuswahl leer = mdlTarif::LohngruppeNachName("", state().settings);
  EXPECT_EQ(leer.Index, 1);
  EXPECT_EQ(leer.IdText, "0");
  EXPECT_EQ(mdlTarif::LohngruppeNachName("a", state().settings).Index, -1);
}

TEST_F(WageGroupsTest, RemovingTheSelectedGroup) {
  Gruppe(1, "A");
  Wage(1, "16,50");
  Periode("P1", 1, "2020-01-01");
  ASSERT_TRUE(mdlTarif::TarifLaden());
  EXPECT_EQ(mdlTarif::LohngruppeEntfernen("1"), mdlTarif::LohngruppenStatus::Gespeichert);
  ASSERT_TRUE(mdlTarif::TarifLaden());
  EXPECT_EQ(state().settings.AnzahlLohngruppen, 0);
  EXPECT_TRUE(Rows(*Morvin(), "Lohneinteilung", {"PersonalNr"}).empty());
}

TEST_F(WageGroupsTest, LoadersReportAMissingDatabase) {
  state().enterprise.AktuellerBetrieb = Path("fehlt.mdb");
  EXPECT_FALSE(mdlTarif::TarifLaden());
  EXPECT_FALSE(mdlTarif::PersonalLohngruppenLaden());
  EXPECT_EQ(state().settings.AnzahlLohngruppen, 0);
  EXPECT_EQ(state().settings.LohngruppeListe.size(), 51u);
}

}  // namespace
}  // namespace tolvar::test
