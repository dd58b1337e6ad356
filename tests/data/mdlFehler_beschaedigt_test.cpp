// Damaged database files, over every database the program opens: the checks find a file cut
// short and a damaged page of a table or an index, report it or restore the default from the
// shipped tree, and nothing is created from a damaged file; a restored copy is used only after
// it passed the same check.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/first_start.h"
#include "data/mdlDatenbank.h"
#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"
#include "support/file_faults.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

namespace fs = std::filesystem;

using test::Beschaedigen;
using test::Schaden;

std::string Inhalt(const std::string& pfad) {
  std::ifstream in(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Schreiben(const std::string& pfad, const std::string& inhalt) {
  std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
  out << inhalt;
}

// Every file below `ordner` with its content.
std::map<std::string, std::string> Dateien(const std::string& ordner) {
  std::map<std::string, std::string> dateien;
  for (const auto& eintrag : fs::recursive_directory_iterator(ordner)) {
    if (eintrag.is_regular_file()) dateien[eintrag.path().string()] = Inhalt(eintrag.path().string());
  }
  return dateien;
}

struct Schadensfall {
  const char* name;
  Schaden schaden;
};
constexpr Schadensfall kSchaeden[] = {
    {"um die letzte Seite gekürzt", Schaden::LetzteSeite},
    {"ab einer mittleren Seite abgeschnitten", Schaden::MittlereSeite},
    {"um ein Byte gekürzt", Schaden::EinByte},
    {"eine Indexseite überschrieben", Schaden::Indexseite},
    {"eine Tabellenseite überschrieben", Schaden::Tabellenseite},
    {"Seitenzahl im Kopf zu groß", Schaden::Seitenzahl},
};

class Beschaedigt : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    State& s = state();
    s.enterprise.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
    s.enterprise.TolvarDatenbankPfad = root_.Join("Betriebe/Mustergärtnerei.Tolvar");
    s.enterprise.BetriebOffen = true;
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  }
  void TearDown() override { ResetState(); }

 public:
  std::string Ausgeliefert(const std::string& relativ) const { return sys::JoinPath(sys::ShippedTree(), relativ); }
  std::string Kritisch() const {
    std::string text;
    for (const auto& m : sink_.messages) text += m.text + "\n";
    return text;
  }

  test::FreshDataRoot root_;
  test::ScopedRecordingSink sink_;
};

// What a person meets with the damaged file, and what must hold afterwards.
struct Ziel {
  const char* name;
  const char* relativ;  // below the data root
  // Runs what reads the file; `schaden` is the damaged content.
  std::function<void(Beschaedigt&, const std::string& pfad, const std::string& schaden)> pruefen;
};

TEST_F(Beschaedigt, JederSchadenWirdGefundenUndNichtsAusIhmErzeugt) {
  State& s = state();
  // The check fails with the Part's message and the German cause; nothing is changed.
  auto gemeldet = [](void (*check)(), const char* text) {
    return [check, text](Beschaedigt& t, const std::string& pfad, const std::string& schaden) {
      check();
      EXPECT_FALSE(state().enterprise.PruefungOk);
      EXPECT_NE(t.Kritisch().find(text), std::string::npos) << t.Kritisch();
      EXPECT_NE(t.Kritisch().find("Die Datenbank ist beschädigt."), std::string::npos);
      EXPECT_EQ(Inhalt(pfad), schaden);
    };
  };
  // The check falls back to the default, which is restored from the shipped tree; the
  // damaged file is kept beside it.
  auto wiederhergestellt = [](void (*check)(), const char* text, std::string EinstellungenSatz::*feld) {
    return [check, text, feld](Beschaedigt& t, const std::string& pfad, const std::string& schaden) {
      const std::string relativ = pfad.substr(sys::DataRoot().size());
      check();
      EXPECT_FALSE(state().enterprise.PruefungOk);
      EXPECT_NE(t.Kritisch().find(text), std::string::npos) << t.Kritisch();
      EXPECT_NE(t.Kritisch().find("war beschädigt und wurde aus den ausgelieferten Daten wiederhergestellt"),
                std::string::npos);
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.*feld, pfad);
      EXPECT_EQ(Inhalt(pfad), Inhalt(t.Ausgeliefert(relativ)));
      EXPECT_EQ(Inhalt(pfad + ".beschädigt"), schaden);
    };
  };
  const std::vector<Ziel> ziele = {
      {"Morvin5-Datenbank", "/Betriebe/Mustergärtnerei.mdb",
       gemeldet(mdlFehler::Morvin5DatenbankPruefen, "Die ausgewählte Morvin5-Datenbank ist ungültig")},
      {"Tolvar-Datenbank", "/Betriebe/Mustergärtnerei.Tolvar",
       gemeldet(mdlFehler::TolvarDatenbankPruefen, "Die Tolvar-Datenbank des Betriebs ist ungültig")},
      {"Materialdatenbank", "/Tolvar_DB/Material.mdb",
       wiederhergestellt(mdlFehler::MaterialDatenbankPruefen, "Die ausgewählte Material-Datenbank ist ungültig",
                         &EinstellungenSatz::MaterialPfad)},
      {"Vanteldatenbank", "/Vantel/Material/TechDaten.mdb",
       wiederhergestellt(mdlFehler::VantelDatenbankPruefen, "Die ausgewählte Vantel-Datenbank ist ungültig",
                         &EinstellungenSatz::VantelPfad)},
      {"Wetterdatenbank", "/Vantel/Wetterdaten/Klimadaten.mdb",
       wiederhergestellt(mdlFehler::VantelDatenbankPruefen, "Die ausgewählte Vantel-Datenbank ist ungültig",
                         &EinstellungenSatz::KlimaPfad)},
      {"Ergebnisdatenbank", "/Tolvar_DB/Ergebnisse.mdb",
       wiederhergestellt(mdlFehler::ErgebnisDatenbankPruefen, "Die ausgewählte Ergebnis-Datenbank ist ungültig",
                         &EinstellungenSatz::Ergebnisdatenbank)},
      {"Systemdatenbank", "/Tolvar_DB/SystemInfo.mdb",
       [](Beschaedigt&, const std::string& pfad, const std::string& schaden) {
         const data::Ersteinrichtung e = data::DatenwurzelEinrichten(test::ShippedTreeForTests(), sys::DataRoot());
         EXPECT_EQ(e.ausgang, data::Ersteinrichtung::Ausgang::Wiederhergestellt) << e.fehler;
         EXPECT_EQ(Inhalt(pfad + ".beschädigt"), schaden);
         EXPECT_NE(db::Database::Open(pfad), nullptr);
       }},
      {"Stationsdatenbank", "/Vantel/Stationsinfo/Stat_Info.mdb",
       // Read where the settings window reads it: no row comes from a damaged file. A damage
       // met while its rows are read restores it from the shipped tree, said once, and the
       // damaged file is kept beside it.
       [](Beschaedigt& t, const std::string& pfad, const std::string& schaden) {
         std::string grund;
         auto database = db::Database::Open(pfad, &grund);
         if (!database) {
           EXPECT_TRUE(Inhalt(pfad) == schaden);
           return;
         }
         const db::Recordset rs = database->OpenTable("Stat_Info");
         EXPECT_FALSE(rs.ok());
         EXPECT_EQ(rs.RecordCount(), 0);
         EXPECT_TRUE(Inhalt(pfad) == Inhalt(t.Ausgeliefert("/Vantel/Stationsinfo/Stat_Info.mdb")));
         EXPECT_TRUE(Inhalt(pfad + ".beschädigt") == schaden);
         EXPECT_EQ(t.sink_.messages.size(), 1u) << t.Kritisch();
         EXPECT_NE(t.Kritisch().find("Sie wurde aus den ausgelieferten Daten wiederhergestellt; die beschädigte "
                                     "Datei liegt als \"Stat_Info.mdb.beschädigt\" daneben."),
                   std::string::npos)
             << t.Kritisch();
         EXPECT_NE(db::Database::Open(pfad), nullptr);
       }},
      {"Vorlage der Tolvar-Datenbank", "/Tolvar_DB/Vorlage.Tolvar",
       [](Beschaedigt& t, const std::string& pfad, const std::string& schaden) {
         const std::string twin = state().enterprise.TolvarDatenbankPfad;
         sys::DeleteFile(twin);
         std::string meldung;
         EXPECT_TRUE(mdlDatenbank::TolvarDatenbankAnlegen(&meldung)) << meldung;
         EXPECT_NE(t.Kritisch().find("Die Vorlage \"" + pfad + "\" war beschädigt"), std::string::npos);
         EXPECT_EQ(Inhalt(twin), Inhalt(t.Ausgeliefert("/Tolvar_DB/Vorlage.Tolvar")));
         EXPECT_EQ(Inhalt(pfad + ".beschädigt"), schaden);
       }},
      {"Vorlage der Ergebnisdatenbank", "/Tolvar_DB/VorlageErgebnisse.tvd",
       [](Beschaedigt& t, const std::string& pfad, const std::string& schaden) {
         const std::string neu = sys::DataPath("Betriebe/Neu.mdb");
         const data::Befehlsergebnis r = mdlDatenbank::ErgebnisdatenbankAnlegen(neu);
         EXPECT_FALSE(r.meldung.has_value()) << r.meldung->text;
         EXPECT_EQ(Inhalt(neu), Inhalt(t.Ausgeliefert("/Tolvar_DB/VorlageErgebnisse.tvd")));
         EXPECT_EQ(Inhalt(pfad + ".beschädigt"), schaden);
       }},
  };

  const std::map<std::string, std::string> vorher = Dateien(root_.Path());
  for (const Ziel& ziel : ziele) {
    for (const Schadensfall& fall : kSchaeden) {
      SCOPED_TRACE(std::string(ziel.name) + ", " + fall.name);
      const std::string pfad = root_.Join(ziel.relativ);
      if (!Beschaedigen(pfad, fall.schaden)) continue;  // a file without an index
      const std::string schaden = Inhalt(pfad);
      ziel.pruefen(*this, pfad, schaden);
      // The damaged file is found before anything of it is read: the opening check names
      // the German cause, never the engine's English text.
      EXPECT_EQ(Kritisch().find("malformed"), std::string::npos) << Kritisch();
      EXPECT_EQ(Kritisch().find("Einzelheiten"), std::string::npos);

      // Everything back as shipped for the next case; the state too.
      for (const auto& eintrag : Dateien(root_.Path())) {
        if (!vorher.contains(eintrag.first)) sys::DeleteFile(eintrag.first);
      }
      for (const auto& [datei, inhalt] : vorher) Schreiben(datei, inhalt);
      sink_.messages.clear();
      ResetState();
      s.enterprise.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
      s.enterprise.TolvarDatenbankPfad = root_.Join("Betriebe/Mustergärtnerei.Tolvar");
      s.enterprise.BetriebOffen = true;
      ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
    }
  }
}

// The shipped tree as a copy whose files a test may damage, in use while the object lives.
class AusgelieferteKopie {
 public:
  AusgelieferteKopie() {
    std::string fehler;
    EXPECT_TRUE(sys::CopyFolderTree(test::ShippedTreeForTests(), dir_.Path(), &fehler)) << fehler;
    const char* vorher = std::getenv("TOLVAR_SHARE_DIR");
    if (vorher != nullptr) vorher_ = vorher;
    setenv("TOLVAR_SHARE_DIR", dir_.Path().c_str(), 1);
  }
  ~AusgelieferteKopie() {
    if (vorher_)
      setenv("TOLVAR_SHARE_DIR", vorher_->c_str(), 1);
    else
      unsetenv("TOLVAR_SHARE_DIR");
  }
  AusgelieferteKopie(const AusgelieferteKopie&) = delete;
  AusgelieferteKopie& operator=(const AusgelieferteKopie&) = delete;
  std::string Join(const std::string& relativ) const { return dir_.Join(relativ); }

 private:
  test::TempDir dir_;
  std::optional<std::string> vorher_;
};

// When the shipped file is damaged too, nothing is restored from it: the message names both
// files, the setting stays, nothing is created, and neither file is opened again in this run.
TEST_F(Beschaedigt, IstAuchDieAusgelieferteDateiBeschaedigtWirdNichtsErsetzt) {
  struct Fall {
    const char* name;
    const char* relativ;
    // Runs what would restore the file; the text it must show.
    std::function<void()> ausfuehren;
    const char* text;
    std::string EinstellungenSatz::*feld;  // the setting that stays; nullptr for a template
  };
  const std::string neu = root_.Join("Betriebe/Neu.mdb");
  const std::vector<Fall> faelle = {
      {"Materialdatenbank", "/Tolvar_DB/Material.mdb", mdlFehler::MaterialDatenbankPruefen,
       "Die Standard-Material-Datenbank kann ebenfalls nicht geladen werden.", &EinstellungenSatz::MaterialPfad},
      {"Ergebnisdatenbank", "/Tolvar_DB/Ergebnisse.mdb", mdlFehler::ErgebnisDatenbankPruefen,
       "Die Standard-Ergebnis-Datenbank kann ebenfalls nicht geladen werden.", &EinstellungenSatz::Ergebnisdatenbank},
      {"Vorlage der Tolvar-Datenbank", "/Tolvar_DB/Vorlage.Tolvar",
       [] {
         sys::DeleteFile(state().enterprise.TolvarDatenbankPfad);
         std::string meldung;
         EXPECT_FALSE(mdlDatenbank::TolvarDatenbankAnlegen(&meldung));
         data::ShowCritical(meldung);
       },
       "\" ist beschädigt.", nullptr},
      {"Vorlage der Ergebnisdatenbank", "/Tolvar_DB/VorlageErgebnisse.tvd",
       [&neu] { data::MeldungZeigen(mdlDatenbank::ErgebnisdatenbankAnlegen(neu)); }, "\" ist beschädigt.", nullptr},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    AusgelieferteKopie ausgeliefert;
    const std::string pfad = root_.Join(fall.relativ);
    const std::string quelle = ausgeliefert.Join(fall.relativ);
    ASSERT_TRUE(Beschaedigen(pfad, Schaden::EinByte));
    ASSERT_TRUE(Beschaedigen(quelle, Schaden::Tabellenseite));
    // A setting that names the damaged default itself, as the sample enterprise's does.
    const std::string einstellung = fall.feld ? state().enterprise.AktuelleEinstellungen.*fall.feld : "";
    const std::map<std::string, std::string> vorher = Dateien(root_.Path());

    fall.ausfuehren();

    EXPECT_NE(Kritisch().find(fall.text), std::string::npos) << Kritisch();
    // Each file once with its cause, a blank line before each file's block.
    const auto anzahl = [this](const std::string& teil) {
      std::size_t n = 0;
      for (std::size_t at = Kritisch().find(teil); at != std::string::npos; at = Kritisch().find(teil, at + 1)) ++n;
      return n;
    };
    EXPECT_EQ(anzahl("Datei: " + pfad + "\n"), 1u) << Kritisch();
    EXPECT_EQ(anzahl("\n\nDatei: " + quelle + "\n"), 1u) << Kritisch();
    EXPECT_EQ(anzahl("Die Datenbank ist beschädigt."), 2u) << Kritisch();
    EXPECT_EQ(Kritisch().find("wiederhergestellt"), std::string::npos);
    if (fall.feld) {
      EXPECT_EQ(state().enterprise.AktuelleEinstellungen.*fall.feld, einstellung);
    }
    // No file is created, replaced or kept aside: the tree is as it was (less the deleted twin).
    std::map<std::string, std::string> nachher = Dateien(root_.Path());
    nachher.erase(state().enterprise.TolvarDatenbankPfad);
    std::map<std::string, std::string> erwartet = vorher;
    erwartet.erase(state().enterprise.TolvarDatenbankPfad);
    EXPECT_TRUE(nachher == erwartet);
    EXPECT_FALSE(sys::FileExists(neu));
    if (fall.feld) {
      EXPECT_EQ(db::Database::Open(pfad), nullptr);
    }

    sink_.messages.clear();
    Schreiben(state().enterprise.TolvarDatenbankPfad,
              Inhalt(test::ShippedTreeForTests() + "/Betriebe/Mustergärtnerei.Tolvar"));
    Schreiben(pfad, Inhalt(test::ShippedTreeForTests() + fall.relativ));
    ResetState();
    state().enterprise.AktuellerBetrieb = root_.Join("Betriebe/Mustergärtnerei.mdb");
    state().enterprise.TolvarDatenbankPfad = root_.Join("Betriebe/Mustergärtnerei.Tolvar");
    state().enterprise.BetriebOffen = true;
    ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  }
}

}  // namespace
}  // namespace tolvar
