// The master-list loaders: reading rules per field kind, order, reload and failure states.

#include "data/mdlDatenLaden.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "data/data_fixture.h"
#include "data/paths.h"
#include "platform/db/database.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace tolvar::test {
namespace {

std::string B(bool b) { return b ? "True" : "False"; }
std::string D(base::Date d) { return base::GeneralDateText(d); }
std::string N(double d) { return base::NumberText(d); }

enum class Liste { Kulturen, Standorte, Materialien, Personal, Taetigkeiten };

struct ListInfo {
  const char* table;
  bool (*load)();
  std::function<int()> size;
};

ListInfo Info(Liste l) {
  State& s = state();
  switch (l) {
    case Liste::Kulturen:
      return {"Kulturen", mdlDatenLaden::KulturenLaden, [&] { return static_cast<int>(s.masters.KulturListe.size()); }};
    case Liste::Standorte:
      return {"Standort", mdlDatenLaden::StandorteLaden,
              [&] { return static_cast<int>(s.masters.StandortListe.size()); }};
    case Liste::Materialien:
      return {"Material", mdlDatenLaden::MaterialienLaden,
              [&] { return static_cast<int>(s.masters.MaterialListe.size()); }};
    case Liste::Personal:
      return {"Personal", mdlDatenLaden::PersonalLaden,
              [&] { return static_cast<int>(s.masters.PersonalListe.size()); }};
    case Liste::Taetigkeiten:
      return {"StdTaetigkeiten", mdlDatenLaden::TaetigkeitenLaden,
              [&] { return static_cast<int>(s.masters.StdTaetigkeitListe.size()); }};
  }
  return {};
}

class LoadersTest : public DataTest {
 public:
  void SetUp() override {
    DataTest::SetUp();
    SetPaths();
  }
  void SetPaths() {
    state().enterprise.AktuellerBetrieb = Path("Betriebe/Muster.mdb");
    state().enterprise.AktuelleEinstellungen.MaterialPfad = Path("Tolvar_DB/Material.mdb");
  }
  std::string PathOf(Liste l) {
    return l == Liste::Materialien ? state().enterprise.AktuelleEinstellungen.MaterialPfad
                                   : state().enterprise.AktuellerBetrieb;
  }
  std::unique_ptr<db::Database> MakeFor(Liste l) {
    return Make(PathOf(l), l == Liste::Materialien ? kMaterialSchema : kMorvin5Schema);
  }
};

TEST_F(LoadersTest, ReadingRulesPerFieldKind) {
  struct Case {
    Liste list;
    const char* column;
    db::Value stored;
    std::function<std::string()> field;  // the field of element 0, as text
    std::string expected;
  };
  auto k = [] { return state().masters.KulturListe.at(0); };
  auto s = [] { return state().masters.StandortListe.at(0); };
  auto m = [] { return state().masters.MaterialListe.at(0); };
  auto p = [] { return state().masters.PersonalListe.at(0); };
  auto t = [] { return state().masters.StdTaetigkeitListe.at(0); };
  const std::string today = "10.12.2024 00:00:00";
  const std::vector<Case> cases = {
      // Rule A, text fields: Null and text reading as 0 are missing, the empty text is not.
      {Liste::Kulturen, "Kulturname", db::Value(), [&] { return k().Kulturname; }, ""},
      {Liste::Kulturen, "Kulturname", "0", [&] { return k().Kulturname; }, ""},
      {Liste::Kulturen, "Kulturname", "0,0", [&] { return k().Kulturname; }, ""},
      {Liste::Kulturen, "Kulturname", "Primel", [&] { return k().Kulturname; }, "Primel"},
      {Liste::Kulturen, "UeberPNr", db::Value(), [&] { return k().UeberPNr; }, "0"},
      {Liste::Kulturen, "UeberPNr", "", [&] { return k().UeberPNr; }, ""},
      {Liste::Kulturen, "UeberPNr", "1002", [&] { return k().UeberPNr; }, "1002"},
      {Liste::Standorte, "Standortname", "0", [&] { return s().Standortname; }, ""},
      {Liste::Standorte, "Fläche", db::Value(), [&] { return s().Flaeche; }, "0"},
      {Liste::Standorte, "Fläche", 12.5, [&] { return s().Flaeche; }, "12,5"},
      {Liste::Materialien, "Materialname", db::Value(), [&] { return m().Materialname; }, ""},
      {Liste::Materialien, "Einheit", db::Value(), [&] { return m().Einheit; }, "0"},
      {Liste::Materialien, "Preis", db::Value(), [&] { return m().Preis; }, "0"},
      {Liste::Materialien, "Preis", 0.15, [&] { return m().Preis; }, "0,15"},
      {Liste::Materialien, "Wdh", db::Value(), [&] { return m().Wdh; }, "1"},
      {Liste::Materialien, "Wdh", "0", [&] { return m().Wdh; }, "1"},
      {Liste::Materialien, "Wdh", "", [&] { return m().Wdh; }, ""},
      {Liste::Materialien, "Wdh", "3", [&] { return m().Wdh; }, "3"},
      {Liste::Personal, "Name", "0", [&] { return p().Name; }, ""},
      {Liste::Personal, "Vorname", db::Value(), [&] { return p().Vorname; }, ""},
      {Liste::Personal, "Postleitzahl", db::Value(), [&] { return p().Postleitzahl; }, "0"},
      {Liste::Personal, "Ort", db::Value(), [&] { return p().Ort; }, ""},
      {Liste::Personal, "Strasse", db::Value(), [&] { return p().Strasse; }, "0"},
      {Liste::Personal, "Telefon", db::Value(), [&] { return p().Telefon; }, "0"},
      {Liste::Taetigkeiten, "Tätigkeiten", db::Value(), [&] { return t().Taetigkeit; }, ""},
      {Liste::Taetigkeiten, "Tätigkeiten", "Topfen", [&] { return t().Taetigkeit; }, "Topfen"},
      // Rule A, numbers.
      {Liste::Kulturen, "Barcode", db::Value(), [&] { return N(k().Barcode); }, "0"},
      {Liste::Kulturen, "Barcode", 16777217, [&] { return N(k().Barcode); }, "16777217"},
      {Liste::Materialien, "Bezug", db::Value(), [&] { return std::to_string(m().Bezug); }, "0"},
      {Liste::Materialien, "Bezug", 2, [&] { return std::to_string(m().Bezug); }, "2"},
      // Rule A, dates.
      {Liste::Kulturen, "Arbeitsbeginn", "2024-03-05 14:30:00", [&] { return D(k().Arbeitsbeginn); },
       "05.03.2024 00:00:00"},
      {Liste::Kulturen, "Arbeitsbeginn", db::Value(), [&] { return D(k().Arbeitsbeginn); }, today},
      {Liste::Kulturen, "Arbeitsende", db::Value(), [&] { return D(k().Arbeitsende); }, today},
      {Liste::Kulturen, "Arbeitsende", "1899-12-30", [&] { return D(k().Arbeitsende); }, today},
      {Liste::Kulturen, "Arbeitsende", "01.01.1900", [&] { return D(k().Arbeitsende); }, "01.01.1900 00:00:00"},
      {Liste::Kulturen, "LetzteAenderung", db::Value(), [&] { return D(k().LetzteAenderung); }, "30.12.1899 00:00:00"},
      {Liste::Standorte, "LetzteAenderung", "10.12.2024 14:05:09", [&] { return D(s().LetzteAenderung); },
       "10.12.2024 14:05:09"},
      // Rule B.
      {Liste::Kulturen, "Gliederungspunkt", db::Value(), [&] { return B(k().Gliederungspunkt); }, "False"},
      {Liste::Kulturen, "Gliederungspunkt", -1, [&] { return B(k().Gliederungspunkt); }, "True"},
      {Liste::Kulturen, "Aktuell", 0, [&] { return B(k().Aktuell); }, "False"},
      {Liste::Materialien, "Aktuell", 1, [&] { return B(m().Aktuell); }, "True"},
      // Rule C.
      {Liste::Personal, "Geburtstag", db::Value(), [&] { return D(p().Geburtstag); }, "01.01.1900 00:00:00"},
      {Liste::Personal, "Geburtstag", "1980-05-17 08:15:00", [&] { return D(p().Geburtstag); }, "17.05.1980 08:15:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(Info(c.list).table) + "." + c.column + " = '" + c.stored.text() + "'" +
                 (c.stored.isNull() ? " (Null)" : ""));
    ResetState();
    SetPaths();
    {
      auto database = MakeFor(c.list);
      Insert(*database, Info(c.list).table, {{c.column, c.stored}});
    }
    ASSERT_TRUE(Info(c.list).load());
    ASSERT_EQ(Info(c.list).size(), 1);
    EXPECT_EQ(c.field(), c.expected);
    sys::DeleteFile(PathOf(c.list));
  }
}

TEST_F(LoadersTest, MaterialsComeInBarcodeOrder) {
  {
    auto database = MakeFor(Liste::Materialien);
    for (auto [nr, barcode] : std::vector<std::pair<const char*, int>>{
             {"M1300", 60300}, {"M1100", 60100}, {"M1201", 60200}, {"M1202", 60200}}) {
      Insert(*database, "Material", {{"MaterialNr", nr}, {"Barcode", barcode}});
    }
  }
  ASSERT_TRUE(mdlDatenLaden::MaterialienLaden());
  std::vector<std::string> order;
  for (const MaterialSatz& m : state().masters.MaterialListe) order.push_back(m.MaterialNr);
  EXPECT_EQ(order, (std::vector<std::string>{"M1100", "M1201", "M1202", "M1300"}));
}

TEST_F(LoadersTest, ReloadClearsTreeMarksAndKeepsSelection) {
  {
    auto database = MakeFor(Liste::Kulturen);
    for (const char* nr : {"K1000", "K1001", "K1002"}) Insert(*database, "Kulturen", {{"KulturNr", nr}});
  }
  ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
  for (KulturSatz& k : state().masters.KulturListe) k.ImBaum = k.Aufgeklappt = true;
  state().selection.KulturIndex = 2;
  ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
  ASSERT_EQ(state().masters.KulturListe.size(), 3u);
  for (const KulturSatz& k : state().masters.KulturListe) {
    EXPECT_FALSE(k.ImBaum);
    EXPECT_FALSE(k.Aufgeklappt);
  }
  EXPECT_EQ(state().selection.KulturIndex, 2);
}

// A list whose source cannot be used is empty afterwards: never the previous enterprise's.
TEST_F(LoadersTest, UnusableSourceLeavesTheListEmpty) {
  struct Failure {
    const char* name;
    std::function<void(LoadersTest*, Liste)> make;
    bool loads;
  };
  const std::vector<Failure> failures = {
      {"leere Tabelle", [](LoadersTest* t, Liste l) { t->MakeFor(l); }, true},
      {"Datei fehlt", [](LoadersTest*, Liste) {}, false},
      {"keine Datenbank", [](LoadersTest* t, Liste l) { t->MakeGarbage(t->PathOf(l)); }, false},
      {"Tabelle fehlt", [](LoadersTest* t, Liste l) { t->Make(t->PathOf(l), "CREATE TABLE x (y);"); }, false},
      {"Spalte fehlt",
       [](LoadersTest* t, Liste l) {
         auto database =
             t->Make(t->PathOf(l), std::string("CREATE TABLE \"") + Info(l).table + "\" (\"UeberPNr\" TEXT);");
         t->Insert(*database, Info(l).table, {{"UeberPNr", "0"}});
       },
       false},
  };
  for (Liste l : {Liste::Kulturen, Liste::Standorte, Liste::Materialien, Liste::Personal, Liste::Taetigkeiten}) {
    for (const Failure& f : failures) {
      SCOPED_TRACE(std::string(Info(l).table) + ": " + f.name);
      {
        auto database = MakeFor(l);
        Insert(*database, Info(l).table, {{"UeberPNr", "0"}});
        Insert(*database, Info(l).table, {{"UeberPNr", "1000"}});
      }
      ASSERT_TRUE(Info(l).load());
      ASSERT_EQ(Info(l).size(), 2);
      sys::DeleteFile(PathOf(l));

      f.make(this, l);
      EXPECT_EQ(Info(l).load(), f.loads);
      EXPECT_EQ(Info(l).size(), 0);
      if (sys::FileExists(PathOf(l))) sys::DeleteFile(PathOf(l));
    }
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(LoadersTest, ValueThatDoesNotConvertEndsTheLoadAtThatRow) {
  {
    auto database = MakeFor(Liste::Kulturen);
    Insert(*database, "Kulturen", {{"KulturNr", "K1001"}, {"Kulturname", "Erste"}, {"Barcode", 1}});
    ASSERT_TRUE(
        database->Execute("INSERT INTO \"Kulturen\" (\"KulturNr\", \"Kulturname\", \"Barcode\") VALUES (?, ?, ?)",
                          {"K1002", "Zweite", "abc"}));
    Insert(*database, "Kulturen", {{"KulturNr", "K1003"}, {"Kulturname", "Dritte"}});
  }
  EXPECT_FALSE(mdlDatenLaden::KulturenLaden());
  const State& s = state();
  ASSERT_EQ(s.masters.KulturListe.size(), 3u);
  EXPECT_EQ(s.masters.KulturListe[0].KulturNr, "K1001");
  EXPECT_EQ(s.masters.KulturListe[0].Arbeitsende, base::Today());
  EXPECT_EQ(s.masters.KulturListe[1].Kulturname, "Zweite");  // filled up to the failing column
  EXPECT_EQ(s.masters.KulturListe[1].ID, "");
  EXPECT_EQ(s.masters.KulturListe[2].KulturNr, "");
}

// The default material database whose rows fail to read is restored from the shipped tree as
// that is said, and the list is read from the restored file at once: complete, not empty.
TEST_F(LoadersTest, TheDefaultMaterialDatabaseFoundDamagedWhileReadIsRestoredAndRead) {
  const std::string pfad = data::InstallPath(data::kStandardMaterialdatenbank);
  state().enterprise.AktuelleEinstellungen.MaterialPfad = pfad;
  ASSERT_TRUE(sys::CreateFolder(sys::FolderOf(pfad)));
  ASSERT_TRUE(sys::SafeCopy(sys::JoinPath(sys::ShippedTree(), std::string(data::kStandardMaterialdatenbank)), pfad));
  int64_t seite = 0;
  {
    auto datenbank = db::Database::Open(pfad);
    ASSERT_TRUE(datenbank);
    seite = datenbank->Scalar("SELECT rootpage FROM sqlite_master WHERE name = 'Material'").integerOr(0);
    ASSERT_GT(seite, 1);
  }
  {
    // The page's first byte no page type: the file opens, the table's rows do not read.
    std::fstream datei(pfad, std::ios::binary | std::ios::in | std::ios::out);
    datei.seekp((seite - 1) * 4096);
    datei.put(static_cast<char>(0x7f));
  }
  EXPECT_TRUE(mdlDatenLaden::MaterialienLaden());
  EXPECT_TRUE(state().masters.MaterialListeGelesen);
  EXPECT_FALSE(state().masters.MaterialListe.empty());
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_NE(Messages()[0].text.find("Sie wurde aus den ausgelieferten Daten wiederhergestellt; die beschädigte Datei "
                                    "liegt als \"Material.mdb.beschädigt\" daneben."),
            std::string::npos)
      << Messages()[0].text;
  EXPECT_TRUE(sys::FileExists(pfad + ".beschädigt"));
}

}  // namespace
}  // namespace tolvar::test
