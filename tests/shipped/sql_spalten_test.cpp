// The shipped schema and the opening check's required columns agree, for every database the
// program opens: a table the check names must hold each column of it in the shipped files, and
// each column of such a table in the shipped schema is one the check requires, unless it is
// named below as a column no loader reads. A column (or a table) is dropped from a copy of the
// shipped file at a time, and the check must refuse the copy exactly then. The tables with a
// column list of their own (the culture tables, Vantel, BetriebEinstellungen) are read or
// written by the list the check takes its required columns from, and fail without a column.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "culture/mdlKulturMaterial.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "culture/mdlStandorte2.h"
#include "data/mdlDatenLaden.h"
#include "data/mdlFehler.h"
#include "data/paths.h"
#include "data/records_culture.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "data/vantel_row.h"
#include "heating/mdlVantel.h"
#include "platform/db/database.h"
#include "platform/sys/files.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

struct Datenbank {
  const char* name;
  std::string pfad;
  std::function<bool(const std::string& pfad)> nimmt;  // whether the check takes the file
};

// Columns of the shipped schema that no loader reads, so the check does not require them:
// "database.table.column".
const std::set<std::string> kUngelesen = {
    // The labour-time program records the area and site of a piece of work; the calculation
    // takes the work by culture, activity, person and duration only.
    "Morvin5.Taetigkeiten.Fläche",
    "Morvin5.Taetigkeiten.StandortNr",
};

// Drops `spalte` of `tabelle` (the whole table when `spalte` is empty) from the file; false when
// SQLite cannot drop it (a primary key column).
bool Entfernen(const std::string& pfad, const std::string& tabelle, const std::string& spalte) {
  auto kopie = db::Database::Open(pfad);
  if (!kopie) return false;
  if (spalte.empty()) return kopie->Execute("DROP TABLE \"" + tabelle + "\"");
  db::Recordset indexe = kopie->Query(
      "SELECT name FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name = ?", {db::Value(tabelle)});
  for (indexe.MoveFirst(); !indexe.Eof(); indexe.MoveNext()) {
    if (!kopie->Execute("DROP INDEX \"" + indexe.Field(0).text() + "\"")) return false;
  }
  return kopie->Execute("ALTER TABLE \"" + tabelle + "\" DROP COLUMN \"" + spalte + "\"");
}

template <typename Liste>
std::vector<std::string_view> Namen(const Liste& spalten) {
  std::vector<std::string_view> namen;
  for (const auto& s : spalten) namen.push_back(s.name);
  return namen;
}

class ShippedSchema : public testing::Test {
 protected:
  void SetUp() override {
    ResetState();
    State& s = state();
    s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
    s.enterprise.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
    ASSERT_TRUE(mdlDatenLaden::KulturenLaden());
    for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
      if (s.masters.KulturListe[i].KulturNr == "K1003") s.selection.KulturIndex = static_cast<int>(i);
    }
  }
  void TearDown() override { ResetState(); }

  test::FreshDataRoot root;
  test::ScopedRecordingSink sink;
};

TEST_F(ShippedSchema, RequiredColumnsAreTheShippedColumnsTheLoadersRead) {
  const auto bereitgestellt = [](std::string_view relativ, mdlFehler::Bedarfsart art) {
    return [relativ, art](const std::string&) {
      const mdlFehler::Bereitstellung b = mdlFehler::AusAuslieferungBereitstellen(relativ, art, false);
      return !b.erneuert && b.fehler.empty();
    };
  };
  const Datenbank datenbanken[] = {
      {"Morvin5", state().enterprise.AktuellerBetrieb,
       [](const std::string& p) { return mdlFehler::DateiMaengel(p, mdlFehler::Bedarfsart::Morvin5).empty(); }},
      {"Tolvar", state().enterprise.TolvarDatenbankPfad,
       [](const std::string& p) { return mdlFehler::DateiMaengel(p, mdlFehler::Bedarfsart::Tolvar).empty(); }},
      {"Ergebnis", data::InstallPath(data::kStandardErgebnisdatenbank),
       [](const std::string& p) { return mdlFehler::DateiMaengel(p, mdlFehler::Bedarfsart::Ergebnis).empty(); }},
      {"Material", data::InstallPath(data::kStandardMaterialdatenbank),
       bereitgestellt(data::kStandardMaterialdatenbank, mdlFehler::Bedarfsart::Material)},
      {"Vantel", data::InstallPath(data::kStandardVanteldatenbank),
       bereitgestellt(data::kStandardVanteldatenbank, mdlFehler::Bedarfsart::Vantel)},
  };
  for (const Datenbank& d : datenbanken) {
    SCOPED_TRACE(d.name);
    const std::string vollstaendig = d.pfad + ".vollstaendig";
    ASSERT_TRUE(sys::SafeCopy(d.pfad, vollstaendig, nullptr));
    ASSERT_TRUE(d.nimmt(d.pfad));
    std::vector<std::string> tabellen;
    {
      auto datenbank = db::Database::Open(vollstaendig);
      ASSERT_TRUE(datenbank);
      tabellen = datenbank->Tables();
    }
    for (const std::string& tabelle : tabellen) {
      ASSERT_TRUE(sys::SafeCopy(vollstaendig, d.pfad, nullptr));
      ASSERT_TRUE(Entfernen(d.pfad, tabelle, ""));
      const bool tabelleVerlangt = !d.nimmt(d.pfad);
      std::vector<std::string> spalten;
      {
        auto datenbank = db::Database::Open(vollstaendig);
        std::string fehler;
        ASSERT_TRUE(datenbank && datenbank->ReadColumns(tabelle, &spalten, &fehler));
      }
      for (const std::string& spalte : spalten) {
        const std::string name = std::string(d.name) + "." + tabelle + "." + spalte;
        ASSERT_TRUE(sys::SafeCopy(vollstaendig, d.pfad, nullptr));
        if (!Entfernen(d.pfad, tabelle, spalte)) continue;  // a primary key stays
        EXPECT_EQ(!d.nimmt(d.pfad), tabelleVerlangt && !kUngelesen.count(name))
            << name << ": the required columns of data/mdlFehler.cpp (or the column table they are taken from), "
            << "the shipped schema in shipped/sql/ and the loader must name the same columns";
      }
    }
    ASSERT_TRUE(sys::SafeCopy(vollstaendig, d.pfad, nullptr));
  }
}

// The tables with a column list of their own, from which the check takes its required
// columns: the culture tables' loaders, the site editor's row of table Vantel and the write
// of the settings row. Each works by its list and fails on a file without one of its columns.
TEST_F(ShippedSchema, TheLoadersAndWritersNeedEachColumnOfTheirList) {
  struct Tabelle {
    const char* name;
    std::string pfad;
    std::vector<std::string_view> spalten;
    std::function<bool()> laden;  // reads or writes the table by its list
  };
  const State& s = state();
  const auto vantelSchreiben = [] {
    mdlVantel::VantelSatz satz;
    satz.StandortNr = "Sta1099";
    satz.Laenge = "20";
    satz.Brennwert = true;
    return mdlVantel::VantelZeileErsetzen(state().enterprise.TolvarDatenbankPfad, "Sta1099", satz, false, nullptr);
  };
  const auto einstellungenSchreiben = [] {
    // A row this program has not read yet: every column is written.
    state().enterprise.EinstellungenStand.reset();
    return mdlDatenbank::BetriebEinstellungenSchreiben();
  };
  const Tabelle tabellen[] = {
      {"KulturPhasen", s.enterprise.TolvarDatenbankPfad, Namen(kKulturPhasenSpalten),
       mdlKulturPhasenInfo::KulturPhasenLaden},
      {"Material", s.enterprise.TolvarDatenbankPfad, Namen(kKulturMaterialSpalten),
       mdlKulturMaterial::KulturMaterialLaden},
      {"KulturStandorte", s.enterprise.AktuellerBetrieb, Namen(kKulturStandorteSpalten),
       [] { return mdlKulturPhasenInfo::KulturPhasenLaden() && mdlStandorte2::KulturStandorteLaden(); }},
      {"Vantel", s.enterprise.TolvarDatenbankPfad, Namen(data::kVantelSpalten), vantelSchreiben},
      {"BetriebEinstellungen", s.enterprise.TolvarDatenbankPfad, data::EinstellungenSpalten(), einstellungenSchreiben},
  };
  for (const Tabelle& t : tabellen) {
    const std::string vollstaendig = t.pfad + ".vollstaendig";
    ASSERT_TRUE(sys::SafeCopy(t.pfad, vollstaendig, nullptr));
    ASSERT_TRUE(t.laden()) << t.name;
    for (std::string_view spalte : t.spalten) {
      SCOPED_TRACE(std::string(t.name) + "." + std::string(spalte));
      ASSERT_TRUE(sys::SafeCopy(vollstaendig, t.pfad, nullptr));
      ASSERT_TRUE(Entfernen(t.pfad, t.name, std::string(spalte)));
      EXPECT_FALSE(t.laden());
    }
    ASSERT_TRUE(sys::SafeCopy(vollstaendig, t.pfad, nullptr));
  }
}

}  // namespace
}  // namespace tolvar
