// The material group editor's save (in place, by the number the editor was opened for) and
// its help topics.
#include "masterdata/material_group.h"

#include <gtest/gtest.h>

#include "material_testdb.h"
#include "support/file_faults.h"

namespace tolvar {
namespace {

using masterdata::MaterialGruppeSpeichern;

class GruppeTest : public test::MaterialDb {};

TEST_F(GruppeTest, EditsTheGroupRowInPlace) {
  MaterialGruppeEingaben e{"Spritz- und Pflanzenschutzmittel", "", "60004", "neu", false};
  ASSERT_TRUE(MaterialGruppeSpeichern("M1004", &e).gespeichert);
  EXPECT_EQ(e.txtKuerzel, "Spritz- un");
  EXPECT_EQ(VonNr("Material", "Materialname", "M1004"), std::vector<std::string>{"Spritz- und Pflanzenschutzmittel"});
  EXPECT_EQ(VonNr("Material", "Aktuell", "M1004"), std::vector<std::string>{"0"});
  EXPECT_EQ(VonNr("Material", "Bemerkungen", "M1004"), std::vector<std::string>{"neu"});
  EXPECT_EQ(VonNr("Material", "LetzteAenderung", "M1004"), std::vector<std::string>{"14.03.2025 09:05:07"});
  // Kept: identity, barcode, parent, group flag and place in the table.
  EXPECT_EQ(VonNr("Material", "ID", "M1004"), std::vector<std::string>{"ALTE-ID"});
  EXPECT_EQ(VonNr("Material", "Barcode", "M1004"), std::vector<std::string>{"60004"});
  EXPECT_EQ(VonNr("Material", "Gliederungspunkt", "M1004"), std::vector<std::string>{"-1"});
  EXPECT_EQ(Spalte("Material", "MaterialNr")[4], "M1004");
}

TEST_F(GruppeTest, TwoRowsWithTheNumberAreBothChanged) {
  Material("M1004", "0", "Doppelt", 61004, -1, std::nullopt, "");
  MaterialGruppeEingaben e{"Spritzmittel", "Spritz", "60004", "", true};
  ASSERT_TRUE(MaterialGruppeSpeichern("M1004", &e).gespeichert);
  EXPECT_EQ(VonNr("Material", "Materialname", "M1004"), (std::vector<std::string>{"Spritzmittel", "Spritzmittel"}));
}

TEST_F(GruppeTest, RefusalsWriteNothing) {
  const struct {
    std::string gruppe, name, meldung;
  } faelle[] = {{"M1004", "", "Sie haben nicht alle notwendigen Werte eingegeben"},
                {"M1077", "Neu",
                 "Der Datensatz wurde nicht gespeichert.\n\nDie Materialgruppe M1077 ist in der "
                 "Materialdatenbank nicht vorhanden."}};
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.gruppe);
    const std::string vorher = Inhalt();
    MaterialGruppeEingaben e{f.name, "", "60004", "", true};
    sink_.messages.clear();
    EXPECT_FALSE(MaterialGruppeSpeichern(f.gruppe, &e).gespeichert);
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0].text, f.meldung);
    EXPECT_EQ(Inhalt(), vorher);
  }
}

// A damaged material database is named with the German cause: with several databases a
// person knows which one failed.
TEST_F(GruppeTest, ADamagedMaterialDatabaseIsNamed) {
  ASSERT_TRUE(test::Beschaedigen(pfad_, test::Schaden::EinByte));
  MaterialGruppeEingaben e{"Neu", "", "60004", "", true};
  EXPECT_FALSE(MaterialGruppeSpeichern("M1004", &e).gespeichert);
  ASSERT_EQ(sink_.messages.size(), 1u);
  EXPECT_EQ(sink_.messages[0].text, "Der Datensatz wurde nicht gespeichert.\n\nMaterialdatenbank: " + pfad_ +
                                        "\nDie Datenbank ist beschädigt.");
}

TEST(MaterialGruppe, HelpTopicByGroup) {
  const std::pair<const char*, const char*> faelle[] = {
      {"M1001", "5.3.3"}, {"M1002", "5.3.4"}, {"M1003", "5.3.5"}, {"M1004", "5.3.6"}, {"M1005", "5.3.7"},
      {"M1006", "5.3.8"}, {"M1007", "5.3.1"}, {"M1008", "5.3.2"}, {"M1009", "5.3.9"}, {"M1000", "5.3"},
  };
  for (const auto& [nr, thema] : faelle) EXPECT_EQ(masterdata::GruppenHilfeThema(nr), thema) << nr;
}

}  // namespace
}  // namespace tolvar
