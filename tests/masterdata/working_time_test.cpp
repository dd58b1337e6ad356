// A person's weekly working time: read in table order, saved by rewriting the person's rows.
#include "masterdata/working_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvin_fixture.h"

namespace tolvar {
namespace {

using Zeilen = std::vector<std::string>;

class WorkingTimeTest : public test::MorvinTest {
 protected:
  void Zeile(const char* nr, const char* stunden, const char* datum, const char* id) {
    Exec(morvin_, "INSERT INTO Wochenarbeitszeit (PersonalNr, Wochenarbeitszeit, DatumAb, ID) VALUES (?, ?, ?, ?)",
         {db::Value(nr), db::Value(stunden), db::Value(datum), db::Value(id)});
  }
  Zeilen Tabelle() const {
    return Abfrage(morvin_,
                   "SELECT PersonalNr, Wochenarbeitszeit, DatumAb, LetzteAenderung, ID FROM Wochenarbeitszeit "
                   "ORDER BY rowid");
  }
  static std::vector<std::string> Texte(const std::vector<WochenarbeitszeitSatz>& eintraege) {
    std::vector<std::string> texte;
    for (const auto& e : eintraege) texte.push_back(e.Wochenarbeitszeit + "|" + e.DatumAb);
    return texte;
  }
};

TEST_F(WorkingTimeTest, LoadsThePersonsRowsInTableOrderWithoutSorting) {
  Zeile("P1001", "40", "01.01.2020", "a");
  Zeile("P1002", "20", "01.01.2019", "b");
  Zeile("P1001", "30", "15.09.2022", "c");
  Zeile("p1001", "10", "01.01.2018", "d");
  Zeile("P1001", "38,5", "01.03.2021", "e");
  auto eintraege = masterdata::WochenarbeitszeitLaden(morvin_, "P1001");
  ASSERT_TRUE(eintraege);
  EXPECT_EQ(Texte(*eintraege), Zeilen({"40|01.01.2020", "30|15.09.2022", "38,5|01.03.2021"}));
  EXPECT_TRUE(masterdata::WochenarbeitszeitLaden(morvin_, "P1009")->empty());
}

TEST_F(WorkingTimeTest, SavingRewritesOnlyThePersonsRowsInGridOrderWithFreshIds) {
  Zeile("P1001", "40", "01.01.2020", "alt1");
  Zeile("P1002", "20", "01.01.2019", "fremd");
  Zeile("P1001", "38,5", "01.03.2021", "alt2");
  // The removal of the first entry: the grid holds the rest, then empty rows.
  ASSERT_TRUE(masterdata::WochenarbeitszeitSpeichern(
      morvin_, "P1001", {{"38,5", "01.03.2021"}, {"30", "15.09.2022"}, {"", "01.01.2023"}, {"12", "nie"}}));
  EXPECT_EQ(Tabelle(),
            Zeilen({"P1002|20|01.01.2019|<Null>|fremd", "P1001|38,5|01.03.2021|10.12.2024 14:05:09|101220241405090123",
                    "P1001|30|15.09.2022|10.12.2024 14:05:09|101220241405094567"}));
  EXPECT_TRUE(meldungen_.messages.empty());
}

TEST_F(WorkingTimeTest, MoreThanFortyNineEntriesAreAllKept) {
  std::vector<WochenarbeitszeitSatz> eintraege;
  for (int i = 1; i <= 60; ++i) eintraege.push_back({std::to_string(i), "01.01.2020"});
  ASSERT_TRUE(masterdata::WochenarbeitszeitSpeichern(morvin_, "P1001", eintraege));
  EXPECT_EQ(masterdata::WochenarbeitszeitLaden(morvin_, "P1001")->size(), 60u);
}

TEST_F(WorkingTimeTest, AFailedSaveKeepsTheOldRowsAndAnEmptyPersonNumberIsRefused) {
  Zeile("P1001", "40", "01.01.2020", "alt");
  Exec(morvin_, "CREATE TRIGGER sperre BEFORE INSERT ON Wochenarbeitszeit BEGIN SELECT RAISE(ABORT, 'voll'); END");
  EXPECT_FALSE(masterdata::WochenarbeitszeitSpeichern(morvin_, "P1001", {{"38", "01.01.2021"}}));
  EXPECT_EQ(Tabelle(), Zeilen({"P1001|40|01.01.2020|<Null>|alt"}));

  EXPECT_FALSE(masterdata::WochenarbeitszeitSpeichern(morvin_, "", {{"38", "01.01.2021"}}));
  EXPECT_FALSE(masterdata::WochenarbeitszeitLaden(dir_.Join("fehlt.mdb"), "P1001"));
  EXPECT_EQ(meldungen_.messages.size(), 3u);
}

}  // namespace
}  // namespace tolvar
