// Standard vessel sizes: tree content, adding with the question about a reused name,
// changing (which moves the size to the end), and deleting.
#include "masterdata/standard_sizes.h"

#include <gtest/gtest.h>

#include "material_testdb.h"

namespace tolvar {
namespace {

using namespace masterdata;
using Zeilen = std::vector<std::string>;

class StandardgroessenTest : public test::MaterialDb {
 protected:
  Zeilen Groessen() {
    Zeilen z;
    const auto groessen = StandardgroessenLaden();
    if (!groessen) return {"<nicht lesbar>"};
    for (const auto& g : *groessen) z.push_back(g.Bezeichnung + "=" + g.Volumen);
    return z;
  }
  VolumenFormular Neu(const std::string& b, const std::string& v) {
    VolumenFormular f;
    f.txtBezeichnung = b;
    f.txtVolumen = v;
    return f;
  }
};

TEST_F(StandardgroessenTest, EmptyTableThenFirstSave) {
  EXPECT_TRUE(StandardgroessenLaden()->empty());
  VolumenFormular f = Neu("9er Topf", "0,4");
  EXPECT_EQ(VolumenSpeichern(&f), VolumenSpeicherStatus::Hinzugefuegt);
  EXPECT_FALSE(f.NeuesVolumen);
  EXPECT_EQ(f.tmpBezeichnung, "9er Topf");
  EXPECT_EQ(Groessen(), Zeilen{"9er Topf=0,4"});
  // Saving again rewrites the same size: still listed once.
  EXPECT_EQ(VolumenSpeichern(&f), VolumenSpeicherStatus::Geaendert);
  EXPECT_EQ(Groessen(), Zeilen{"9er Topf=0,4"});
}

TEST_F(StandardgroessenTest, AddingComparesNameAndVolume) {
  Exec("INSERT INTO Standardgroessen VALUES ('12er Topf', '0,8'), ('12er Topf', '0,9'), ('13er Topf', '1')");
  const struct {
    std::string b, v;
    std::deque<bool> antworten;
    VolumenSpeicherStatus ergebnis;
    std::size_t fragen;
  } faelle[] = {
      {"13er Topf", "1", {}, VolumenSpeicherStatus::Vorhanden, 0},
      {"13er topf", "1", {}, VolumenSpeicherStatus::Hinzugefuegt, 0},  // case counts
      {"12er Topf", "1,1", {true, false}, VolumenSpeicherStatus::Abgelehnt, 2},
      {"12er Topf", "1,1", {true, true}, VolumenSpeicherStatus::Hinzugefuegt, 2},
      {"", "1", {}, VolumenSpeicherStatus::Nichts, 0},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.b + "=" + fall.v);
    const Zeilen vorher = Groessen();
    VolumenFormular f = Neu(fall.b, fall.v);
    sink_.answers = fall.antworten;
    sink_.questions.clear();
    EXPECT_EQ(VolumenSpeichern(&f), fall.ergebnis);
    EXPECT_EQ(sink_.questions.size(), fall.fragen);
    const bool neu = fall.ergebnis == VolumenSpeicherStatus::Hinzugefuegt;
    EXPECT_EQ(f.NeuesVolumen, !neu);
    EXPECT_EQ(Groessen().size(), vorher.size() + (neu ? 1 : 0));
  }
  EXPECT_EQ(sink_.questions.empty(), true);
}

TEST_F(StandardgroessenTest, ReusedNameQuestionText) {
  Exec("INSERT INTO Standardgroessen VALUES ('12er Topf', '0,8')");
  VolumenFormular f = Neu("12er Topf", "1");
  sink_.answers.push_back(false);
  EXPECT_EQ(VolumenSpeichern(&f), VolumenSpeicherStatus::Abgelehnt);
  ASSERT_EQ(sink_.questions.size(), 1u);
  EXPECT_EQ(sink_.questions[0].text,
            "Die eingegebene Bezeichnung existiert bereits.\n\r\n\rWollen sie den selben Name für 2 unterschiedliche "
            "Gefäße vergeben?");
}

TEST_F(StandardgroessenTest, ChoosingASizeMovesItToTheEnd) {
  Exec("INSERT INTO Standardgroessen VALUES ('9er Topf', '0,4'), ('12er Topf', '0,8'), ('13er Topf', '1')");
  VolumenFormular f;
  const StandardgroesseSatz gewaehlt{"12er Topf", "0,8"};
  GroesseAuswaehlen(&f, &gewaehlt);
  EXPECT_EQ(f.txtVolumen, "0,8");
  EXPECT_EQ(VolumenSpeichern(&f), VolumenSpeicherStatus::Geaendert);
  EXPECT_EQ(Groessen(), (Zeilen{"9er Topf=0,4", "13er Topf=1", "12er Topf=0,8"}));
  // A change to a size listed already does not list it twice.
  f.txtBezeichnung = "9er Topf";
  f.txtVolumen = "0,4";
  EXPECT_EQ(VolumenSpeichern(&f), VolumenSpeicherStatus::Geaendert);
  EXPECT_EQ(Groessen(), (Zeilen{"9er Topf=0,4", "13er Topf=1"}));
}

TEST_F(StandardgroessenTest, Deleting) {
  Exec("INSERT INTO Standardgroessen VALUES ('9er Topf', '0,4'), ('12er Topf', '0,8')");
  VolumenFormular f = Neu("x", "1");
  EXPECT_TRUE(VolumenLoeschen(&f));  // right after "Neu": only the boxes
  EXPECT_EQ(f.txtBezeichnung, "");
  EXPECT_EQ(Groessen().size(), 2u);

  const StandardgroesseSatz gewaehlt{"9er Topf", "0,4"};
  GroesseAuswaehlen(&f, &gewaehlt);
  EXPECT_TRUE(VolumenLoeschen(&f));
  EXPECT_TRUE(f.NeuesVolumen);
  EXPECT_EQ(f.txtVolumen, "");
  EXPECT_EQ(Groessen(), Zeilen{"12er Topf=0,8"});

  // A size no longer listed: nothing deleted, the boxes keep their text.
  GroesseAuswaehlen(&f, &gewaehlt);
  EXPECT_TRUE(VolumenLoeschen(&f));
  EXPECT_EQ(f.txtBezeichnung, "9er Topf");
  EXPECT_FALSE(f.NeuesVolumen);
}

TEST(Standardgroessen, TreeNodesHaveUniqueKeys) {
  const auto knoten = VolumenKnotenBilden({{"a", "12"}, {"a1", "2"}, {"a", "12"}, {"b", "1"}});
  ASSERT_EQ(knoten.size(), 4u);
  EXPECT_EQ(knoten[0].Schluessel, "a12");
  EXPECT_EQ(knoten[1].Schluessel, "a12#2");
  EXPECT_EQ(knoten[2].Schluessel, "a12#3");
  EXPECT_EQ(knoten[3].Schluessel, "b1");
  EXPECT_EQ(knoten[3].Text, "b   1 Liter");
  EXPECT_EQ(knoten[1].Groesse.Bezeichnung, "a1");
}

}  // namespace
}  // namespace tolvar
