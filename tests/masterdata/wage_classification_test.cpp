// A person's wage classification: wage groups, the person's rows with group name and wage,
// adding or replacing the group of a date, and deleting the classification of a date.
#include "masterdata/wage_classification.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvin_fixture.h"

namespace tolvar {
namespace {

using Zeilen = std::vector<std::string>;

class WageClassificationTest : public test::MorvinTest {
 protected:
  WageClassificationTest() {
    Exec(morvin_,
         "INSERT INTO Lohn (LohngruppenID, Tarif) VALUES (1, ' Gärtner '), (2, 'Aushilfe'), (3, 'azubi'), "
         "(4, 'Meister')");
    Exec(tolvar_, "INSERT INTO Tarif (Lohngruppe, Lohn) VALUES (1, '14,5'), (2, '12'), (1, '99'), (4, 'viel')");
  }
  void Zeile(const char* nr, int id, const char* datum, const char* rowId) {
    Exec(morvin_, "INSERT INTO Lohneinteilung (PersonalNr, LohngruppenID, DatumAb, ID) VALUES (?, ?, ?, ?)",
         {db::Value(nr), db::Value(id), db::Value(datum), db::Value(rowId)});
  }
  Zeilen Anzeige(const std::string& nr) {
    auto zeilen = masterdata::LohneinteilungenLaden(morvin_, tolvar_, nr);
    if (!zeilen) return {"<Fehler>"};
    Zeilen texte;
    for (const auto& z : *zeilen) texte.push_back(z.Lohngruppe + "|" + z.Lohn + "|" + z.DatumAb);
    return texte;
  }
  Zeilen Tabelle() const {
    return Abfrage(morvin_,
                   "SELECT PersonalNr, LohngruppenID, DatumAb, LetzteAenderung, ID FROM Lohneinteilung ORDER BY rowid");
  }
};

TEST_F(WageClassificationTest, WageGroupsAreTrimmedAndSortedByNameInGermanOrder) {
  auto gruppen = masterdata::LohngruppenLaden(morvin_);
  ASSERT_TRUE(gruppen);
  Zeilen texte;
  for (const auto& g : *gruppen) texte.push_back(std::to_string(g.LohngruppenID) + " " + g.Tarif);
  EXPECT_EQ(texte, Zeilen({"2 Aushilfe", "3 azubi", "1 Gärtner", "4 Meister"}));
}

TEST_F(WageClassificationTest, ThePersonsRowsAreSortedByDateWithNameAndWage) {
  Zeile("P1001", 1, "2021-03-01", "a");
  Zeile("P1002", 2, "2019-01-01", "b");
  Zeile("P1001", 2, "2020-01-01", "c");
  Zeile("P1001", 4, "15.06.2022", "d");  // a wage that is no number
  Zeile("P1001", 7, "2023-01-01", "e");  // a group that no longer exists
  Zeile("P1001", 3, "kein Datum", "f");
  EXPECT_EQ(Anzeige("P1001"), Zeilen({"Aushilfe|12,00|01.01.2020", "Gärtner|14,50|01.03.2021", "Meister||15.06.2022",
                                      "||01.01.2023", "azubi||kein Datum"}));
  EXPECT_TRUE(Anzeige("P1009").empty());
}

TEST_F(WageClassificationTest, AMissingOwnDatabaseOnlyEmptiesTheWages) {
  Zeile("P1001", 1, "2021-03-01", "a");
  auto zeilen = masterdata::LohneinteilungenLaden(morvin_, dir_.Join("fehlt.Tolvar"), "P1001");
  ASSERT_TRUE(zeilen);
  ASSERT_EQ(zeilen->size(), 1u);
  EXPECT_EQ((*zeilen)[0].Lohngruppe, "Gärtner");
  EXPECT_EQ((*zeilen)[0].Lohn, "");
  EXPECT_TRUE(meldungen_.messages.empty());
}

TEST_F(WageClassificationTest, ADateThePersonHasChangesItsGroupAndKeepsItsId) {
  Zeile("P1001", 1, "2021-03-01", "ALT");
  Zeile("P1002", 1, "2021-03-01", "FREMD");
  ASSERT_TRUE(masterdata::LohneinteilungSpeichern(morvin_, "P1001", 2, *base::MakeDate(2021, 3, 1)));
  ASSERT_TRUE(masterdata::LohneinteilungSpeichern(morvin_, "P1001", 4, base::MakeDateTime(2022, 1, 1, 9, 30, 0)));
  EXPECT_EQ(Tabelle(), Zeilen({"P1001|2|2021-03-01|2024-12-10 14:05:09|ALT", "P1002|1|2021-03-01|<Null>|FREMD",
                               "P1001|4|2022-01-01|2024-12-10 14:05:09|101220241405090123"}));
}

TEST_F(WageClassificationTest, WithoutAWageGroupNothingIsStored) {
  EXPECT_FALSE(masterdata::LohneinteilungSpeichern(morvin_, "P1001", std::nullopt, *base::MakeDate(2021, 3, 1)));
  EXPECT_TRUE(Tabelle().empty());
  EXPECT_EQ(Texte(), Zeilen({"Sie haben nicht alle notwendigen Werte eingegeben"}));
}

TEST_F(WageClassificationTest, DeletingRemovesOnlyThePersonsRowsOfThatDay) {
  Zeile("P1001", 1, "2021-03-01", "a");
  Zeile("P1001", 2, "01.03.2021", "b");
  Zeile("P1001", 2, "2020-01-01", "c");
  Zeile("P1002", 1, "2021-03-01", "d");
  ASSERT_TRUE(masterdata::LohneinteilungLoeschen(morvin_, "P1001", *base::MakeDate(2021, 3, 1)));
  EXPECT_EQ(Abfrage(morvin_, "SELECT ID FROM Lohneinteilung ORDER BY rowid"), Zeilen({"c", "d"}));
  // A person's number that would break a statement built from text is just a value.
  ASSERT_TRUE(masterdata::LohneinteilungLoeschen(morvin_, "' OR '1'='1", *base::MakeDate(2020, 1, 1)));
  EXPECT_EQ(Abfrage(morvin_, "SELECT ID FROM Lohneinteilung ORDER BY rowid"), Zeilen({"c", "d"}));
  EXPECT_FALSE(masterdata::LohneinteilungLoeschen(dir_.Join("fehlt.mdb"), "P1001", *base::MakeDate(2020, 1, 1)));
}

}  // namespace
}  // namespace tolvar
