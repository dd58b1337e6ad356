#include "support/grossbetrieb.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <random>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/values.h"
#include "data/culture_indexes.h"
#include "platform/db/database.h"
#include "platform/sys/dataroot.h"
#include "platform/sys/files.h"

namespace tolvar::bench {

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kSaat = 20240101;

std::string Skript(const char* name) {
  const fs::path pfad = fs::path(TOLVAR_SQL_DIR) / name;
  std::ifstream in(pfad, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + pfad.string());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::unique_ptr<db::Database> Neu(const std::string& pfad, std::initializer_list<const char*> skripte) {
  std::error_code ec;
  fs::remove(pfad, ec);
  std::string fehler;
  auto datenbank = db::Database::Create(pfad, &fehler);
  if (!datenbank) throw std::runtime_error("cannot create " + pfad + ": " + fehler);
  for (const char* skript : skripte) {
    if (!datenbank->ExecuteScript(Skript(skript))) {
      throw std::runtime_error(std::string(skript) + ": " + datenbank->LastError());
    }
  }
  return datenbank;
}

// One prepared INSERT, reused for every row; values are text, integer or real.
class Einfuegen {
 public:
  Einfuegen(db::Database& datenbank, std::string_view tabelle, int spalten) : db_(datenbank.handle()) {
    std::string sql = "INSERT INTO " + db::QuoteIdentifier(tabelle) + " VALUES (?";
    for (int i = 1; i < spalten; ++i) sql += ", ?";
    sql += ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) Fehler(sql);
  }
  ~Einfuegen() { sqlite3_finalize(stmt_); }
  Einfuegen(const Einfuegen&) = delete;
  Einfuegen& operator=(const Einfuegen&) = delete;

  Einfuegen& operator<<(const std::string& text) {
    sqlite3_bind_text(stmt_, ++n_, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Einfuegen& operator<<(const char* text) { return *this << std::string(text); }
  Einfuegen& operator<<(int zahl) {
    sqlite3_bind_int(stmt_, ++n_, zahl);
    return *this;
  }
  Einfuegen& operator<<(double zahl) {
    sqlite3_bind_double(stmt_, ++n_, zahl);
    return *this;
  }
  void Zeile() {
    if (sqlite3_step(stmt_) != SQLITE_DONE) Fehler("insert");
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    n_ = 0;
  }

 private:
  [[noreturn]] void Fehler(const std::string& was) { throw std::runtime_error(was + ": " + sqlite3_errmsg(db_)); }
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  int n_ = 0;
};

// Deterministic draws: the raw generator output, never a distribution whose results differ
// between standard libraries.
class Zufall {
 public:
  int Zahl(int von, int bis) { return von + static_cast<int>(mt_() % static_cast<uint32_t>(bis - von + 1)); }
  bool Anteil(int prozent) { return Zahl(1, 100) <= prozent; }

 private:
  std::mt19937 mt_{kSaat};
};

int Skaliert(int anzahl, double anteil) { return std::max(1, static_cast<int>(anzahl * anteil + 0.5)); }

std::string Iso(base::Date d) { return base::IsoDateText(d); }
std::string Deutsch(base::Date d) { return base::DateText(d); }
std::string Komma(double wert) {
  std::string text = std::to_string(static_cast<int>(wert * 100.0 + 0.5));
  while (text.size() < 3) text.insert(0, "0");
  text.insert(text.size() - 2, ",");
  return text;
}
std::string Kennung(int n) {
  std::string text = std::to_string(n);
  return "0103202508" + std::string(8 - std::min<std::size_t>(8, text.size()), '0') + text;
}
constexpr const char* kGeaendert = "01.03.2025 08:00:00";

// Master records: number = prefix + (1000 + i); record 0 is the top, then groups, then records.
std::string Nummer(const char* praefix, int i) { return praefix + std::to_string(1000 + i); }

struct Phase {
  base::Date Anfang;
  base::Date Ende;
};

}  // namespace

Grossbetrieb GrossbetriebErzeugen(const std::string& ordner, double anteil, bool mitIndizes) {
  fs::create_directories(ordner);
  Grossbetrieb g;
  g.Ordner = ordner;
  g.Betrieb = (fs::path(ordner) / "Grossbetrieb.mdb").string();
  g.Tolvar = (fs::path(ordner) / "Grossbetrieb.Tolvar").string();
  g.Material = (fs::path(ordner) / "Material.mdb").string();
  g.Ergebnisse = (fs::path(ordner) / "Ergebnisse.mdb").string();
  g.Kulturen = Skaliert(1000, anteil);
  g.Standorte = Skaliert(200, anteil);
  g.Materialien = Skaliert(10000, anteil);
  g.Personal = Skaliert(200, anteil);
  g.Taetigkeiten = Skaliert(100, anteil);
  g.Vergleichskulturen = Skaliert(1000, anteil);
  g.GroesstePhasen = 25;
  g.GroessteBelegungen = Skaliert(500, anteil);
  g.GroessteMaterialzeilen = Skaliert(200, anteil);
  g.GroessteArbeiten = Skaliert(1000, anteil);
  const int kulturGruppen = Skaliert(20, anteil);
  const int standortGruppen = Skaliert(10, anteil);
  const int personalGruppen = Skaliert(5, anteil);
  const int taetigkeitGruppen = Skaliert(10, anteil);
  Zufall z;

  auto betrieb = Neu(g.Betrieb, {"morvin_schema.sql"});
  auto tolvar = Neu(g.Tolvar, {"tolvar_schema.sql"});
  auto material = Neu(g.Material, {"material.sql"});
  auto ergebnisse = Neu(g.Ergebnisse, {"ergebnisse_schema.sql"});
  db::Transaction tb(betrieb.get());
  db::Transaction tt(tolvar.get());
  db::Transaction tm(material.get());
  db::Transaction te(ergebnisse.get());

  {
    Einfuegen e(*tolvar, "BetriebEinstellungen", 14);
    e << "" << 0 << "0,22" << g.Material << ""
      << "" << g.Ergebnisse << "0"
      << "45000"
      << "20000"
      << "2024"
      << "75"
      << "8" << kGeaendert;
    e.Zeile();
  }

  // Master lists: top record, groups, records (one in ten not current).
  // Record i of a master list: 0 the top, 1..gruppen the groups below it, then records in a
  // random group.
  struct Kopf {
    bool gruppe;
    std::string ueber;
    std::string name;
  };
  auto kopf = [&z](int i, int gruppen, const char* oben, const char* gruppe, const char* satz) {
    if (i == 0) return Kopf{true, "0", oben};
    if (i <= gruppen) return Kopf{true, "0", gruppe + std::to_string(i)};
    return Kopf{false, std::to_string(1000 + z.Zahl(1, gruppen)), satz + std::to_string(i)};
  };
  {
    Einfuegen e(*betrieb, "Standort", 11);
    Einfuegen v(*tolvar, "Vantel", 28);
    for (int i = 0; i <= standortGruppen + g.Standorte; ++i) {
      const auto [gruppe, ueber, name] = kopf(i, standortGruppen, "Standorte", "Haus ", "Gewächshaus ");
      const int laenge = z.Zahl(20, 80);
      const int breite = z.Zahl(8, 40);
      e << Nummer("Sta", i) << ueber << name << name.substr(0, 10) << 300000 + i << ""
        << (gruppe ? 0.0 : laenge * breite * 1.0) << (i % 10 == 7 ? 0 : -1) << (gruppe ? -1 : 0) << Kennung(2000 + i)
        << kGeaendert;
      e.Zeile();
      if (gruppe) continue;
      const bool grenze = z.Anteil(25);
      v << Nummer("Sta", i) << std::to_string(laenge) << std::to_string(breite) << "" << Komma(z.Zahl(250, 450) / 100.0)
        << Komma(z.Zahl(400, 600) / 100.0) << std::to_string(z.Zahl(5, 20)) << std::to_string(z.Zahl(1, 3))
        << std::to_string(z.Zahl(2, 8)) << "Einfachglas 4 mm"
        << "Stegdoppelplatte PC 16 mm"
        << "Isolierglas"
        << "Doppelfolie aufgeblasen"
        << "Einfachglas 4 mm" << -1 << -1 << (grenze ? 0 : -1) << -1 << "0"
        << "0" << (grenze ? "15" : "0") << "0" << (z.Anteil(50) ? "Erdgas H (m³)" : "Heizöl EL (l)") << "90"
        << (z.Anteil(20) ? -1 : 0) << (z.Anteil(50) ? -1 : 0) << "25"
        << "1";
      v.Zeile();
    }
  }
  {
    Einfuegen e(*betrieb, "StdTaetigkeiten", 10);
    Einfuegen am(*tolvar, "ArbeitMaterial", 2);
    for (int i = 0; i <= taetigkeitGruppen + g.Taetigkeiten; ++i) {
      const auto [gruppe, ueber, name] = kopf(i, taetigkeitGruppen, "Tätigkeiten", "Arbeitsbereich ", "Tätigkeit ");
      e << Nummer("StdT", i) << ueber << name << name.substr(0, 10) << "" << 400000 + i << (i % 10 == 7 ? 0 : -1)
        << (gruppe ? -1 : 0) << Kennung(4000 + i) << kGeaendert;
      e.Zeile();
      if (!gruppe && z.Anteil(30)) {
        am << Nummer("StdT", i) << Komma(z.Zahl(20, 500) / 100.0);
        am.Zeile();
      }
    }
  }
  constexpr int kLohngruppen = 10;
  {
    Einfuegen lohn(*betrieb, "Lohn", 5);
    Einfuegen tarif(*tolvar, "Tarif", 2);
    for (int l = 1; l <= kLohngruppen; ++l) {
      lohn << l << "Lohngruppe " + std::to_string(l) << 1 << Kennung(5000 + l) << "2025-03-01 08:00:00";
      lohn.Zeile();
      tarif << l << Komma(12.0 + l * 1.5);
      tarif.Zeile();
    }
    Einfuegen e(*betrieb, "Personal", 16);
    Einfuegen le(*betrieb, "Lohneinteilung", 5);
    Einfuegen wz(*betrieb, "Wochenarbeitszeit", 5);
    for (int i = 0; i <= personalGruppen + g.Personal; ++i) {
      const auto [gruppe, ueber, name] = kopf(i, personalGruppen, "Personal", "Team ", "Mitarbeiter ");
      e << Nummer("P", i) << ueber << name << (gruppe ? "" : "Vorname") << name.substr(0, 10) << ""
        << ""
        << ""
        << ""
        << "1980-01-01"
        << "" << 200000 + i << (i % 10 == 7 ? 0 : -1) << (gruppe ? -1 : 0) << Kennung(3000 + i) << kGeaendert;
      e.Zeile();
      if (gruppe) continue;
      // One to three wage steps and working times, the first from 2020.
      const int schritte = z.Zahl(1, 3);
      for (int k = 0; k < schritte; ++k) {
        const base::Date ab = *base::MakeDate(2020 + 2 * k, z.Zahl(1, 12), 1);
        le << Nummer("P", i) << z.Zahl(1, kLohngruppen) << Iso(ab) << "2025-03-01 08:00:00"
           << Kennung(6000 + i * 3 + k);
        le.Zeile();
        wz << Nummer("P", i) << (z.Anteil(70) ? "40" : "20") << Deutsch(ab) << kGeaendert << Kennung(7000 + i * 3 + k);
        wz.Zeile();
      }
    }
  }
  // Materials after the ten fixed groups and the script's samples (M1000..M1029), in barcode
  // order. Pots come with their volumes.
  {
    const int vorhanden = static_cast<int>(material->Scalar("SELECT COUNT(*) FROM \"Material\"").integerOr());
    Einfuegen e(*material, "Material", 14);
    Einfuegen gef(*material, "Gefaesse", 2);
    static constexpr const char* kGruppen[] = {"1002", "1003", "1004", "1005", "1006", "1007", "1009"};
    for (int i = vorhanden; i < g.Materialien; ++i) {
      const std::string ueber = kGruppen[z.Zahl(0, 6)];
      const std::string name = "Material " + std::to_string(i);
      e << Nummer("M", i) << ueber << name << name.substr(0, 10) << 60000 + i << 0 << z.Zahl(1, 4) << "1"
        << z.Zahl(1, 500) / 100.0 << "1" << (i % 10 == 7 ? 0 : -1) << "" << Kennung(10000 + i) << kGeaendert;
      e.Zeile();
      if (ueber == "1007") {
        gef << Nummer("M", i) << Komma(z.Zahl(20, 300) / 100.0);
        gef.Zeile();
      }
    }
  }
  // Cultures, their phases, occupancies, material rows and recorded work.
  {
    Einfuegen e(*betrieb, "Kulturen", 12);
    Einfuegen ks(*betrieb, "KulturStandorte", 5);
    Einfuegen ta(*betrieb, "Taetigkeiten", 7);
    Einfuegen kp(*tolvar, "KulturPhasen", 13);
    Einfuegen km(*tolvar, "Material", 4);
    const base::Date start = *base::MakeDate(2024, 1, 1);
    for (int i = 0; i <= kulturGruppen + g.Kulturen; ++i) {
      const bool gruppe = i <= kulturGruppen;
      const std::string nr = Nummer("K", i);
      if (gruppe) {
        const std::string name = i == 0 ? "Kulturen" : "Kulturgruppe " + std::to_string(i);
        e << nr << "0" << name << name.substr(0, 10) << 10000000 + i << "2024-01-01"
          << "1900-01-01"
          << "" << -1 << -1 << Kennung(1000 + i) << kGeaendert;
        e.Zeile();
        continue;
      }
      const bool groesste = i == kulturGruppen + 1;
      if (groesste) g.GroessteKultur = nr;
      // Phases: the largest culture fills one year with 25 phases; the others 5-25 phases of
      // one to four weeks from a start in 2023-2025.
      std::vector<Phase> phasen;
      const int anzahlPhasen = groesste ? g.GroesstePhasen : z.Zahl(5, 25);
      base::Date anfang = groesste ? start : start + z.Zahl(-365, 365);
      for (int p = 0; p < anzahlPhasen; ++p) {
        const int tage = groesste ? (p < 15 ? 15 : 14) - 1 : z.Zahl(7, 28) - 1;
        phasen.push_back({anfang, anfang + tage});
        anfang = anfang + tage + 1;
      }
      const base::Date beginn = phasen.front().Anfang;
      const base::Date ende = phasen.back().Ende;
      const std::string name = "Kultur " + std::to_string(i);
      e << nr << std::to_string(1000 + z.Zahl(1, kulturGruppen)) << name << name.substr(0, 10) << 10000000 + i
        << Iso(beginn) << Iso(ende) << "" << (i % 10 == 7 ? 0 : -1) << 0 << Kennung(1000 + i) << kGeaendert;
      e.Zeile();

      const int pflanzen = z.Zahl(20, 200) * 100;
      for (int p = 0; p < anzahlPhasen; ++p) {
        const int belegungen =
            groesste ? g.GroessteBelegungen / anzahlPhasen + (p < g.GroessteBelegungen % anzahlPhasen) : z.Zahl(1, 20);
        int flaeche = 0;
        for (int b = 0; b < belegungen; ++b) {
          const int nm2 = z.Zahl(10, 200);
          flaeche += nm2;
          ks << nr << Nummer("Sta", standortGruppen + z.Zahl(1, g.Standorte)) << Iso(phasen[p].Anfang)
             << Iso(phasen[p].Ende) << std::to_string(nm2);
          ks.Zeile();
        }
        kp << nr + "_" + std::to_string(p + 1) << nr << std::to_string(p + 1) << "Phase " + std::to_string(p + 1)
           << std::to_string(pflanzen) << std::to_string(flaeche) << std::to_string(flaeche * 11 / 10)
           << Iso(phasen[p].Anfang) << Iso(phasen[p].Ende) << std::to_string(z.Zahl(14, 24))
           << std::to_string(z.Zahl(10, 18)) << "0"
           << "0";
        kp.Zeile();
      }
      const int tage = base::DaysBetween(beginn, ende);
      const int materialzeilen = groesste ? g.GroessteMaterialzeilen : z.Zahl(10, 200);
      for (int m = 0; m < materialzeilen; ++m) {
        km << nr << Nummer("M", z.Zahl(10, g.Materialien - 1)) << std::to_string(z.Zahl(1, 6000))
           << Iso(beginn + z.Zahl(0, tage));
        km.Zeile();
      }
      const int arbeiten = groesste ? g.GroessteArbeiten : z.Zahl(50, 1000);
      for (int a = 0; a < arbeiten; ++a) {
        ta << nr << Iso(beginn + z.Zahl(0, tage)) << Nummer("StdT", taetigkeitGruppen + z.Zahl(1, g.Taetigkeiten))
           << Komma(z.Zahl(25, 800) / 100.0) << std::to_string(z.Zahl(10, 400))
           << Nummer("Sta", standortGruppen + z.Zahl(1, g.Standorte))
           << Nummer("P", personalGruppen + z.Zahl(1, g.Personal));
        ta.Zeile();
      }
    }
  }
  // Stored comparison cultures: money per 1000 plants, grades 1 to 3.
  {
    Einfuegen e(*ergebnisse, "Vergleichskulturen", 26);
    for (int i = 0; i < g.Vergleichskulturen; ++i) {
      const base::Date beginn = *base::MakeDate(2024, 1, 1) + z.Zahl(0, 300);
      e << i << "Vergleichskultur " + std::to_string(i) << Deutsch(beginn) << Deutsch(beginn + z.Zahl(60, 200))
        << std::to_string(z.Zahl(10, 200) * 100) << Komma(z.Zahl(50, 400) / 100.0);
      for (int k = 0; k < 8; ++k) e << Komma(z.Zahl(0, 60000) / 100.0);
      for (int k = 0; k < 8; ++k) e << z.Zahl(1, 3);
      e << z.Zahl(50, 600) * 1.0 << z.Zahl(10000, 80000) * 1.0 << (z.Anteil(30) ? -1 : 0)
        << "Vergleichskultur " + std::to_string(i);
      e.Zeile();
    }
  }
  for (db::Transaction* t : {&tb, &tt, &tm, &te}) {
    if (!t->Commit()) throw std::runtime_error("cannot commit the generated enterprise");
  }
  if (!mitIndizes) {
    auto ohne = [](db::Database& datenbank, std::span<const data::Kulturindex> indizes) {
      for (const data::Kulturindex& index : indizes) {
        if (!datenbank.Execute("DROP INDEX " + db::QuoteIdentifier(index.name))) {
          throw std::runtime_error("cannot drop index " + std::string(index.name) + ": " + datenbank.LastError());
        }
      }
    };
    ohne(*betrieb, data::Morvin5Indizes());
    ohne(*tolvar, data::TolvarIndizes());
  }
  return g;
}

Datenwurzel::Datenwurzel(double anteil, bool mitIndizes) {
  std::random_device rd;
  ordner_ = (fs::temp_directory_path() / ("tolvar_bench_" + std::to_string(rd()))).string();
  std::string fehler;
  if (!sys::CopyFolderTree(sys::ShippedTree(), ordner_, &fehler)) {
    throw std::runtime_error("cannot copy the installation tree: " + fehler);
  }
  vorher_ = sys::SetDataRoot(ordner_);
  betrieb_ = GrossbetriebErzeugen((fs::path(ordner_) / "Betriebe").string(), anteil, mitIndizes);
  auto system = db::Database::Open(sys::DataPath("\\Tolvar_DB\\SystemInfo.mdb"), &fehler);
  if (!system ||
      !system->Execute("UPDATE \"SystemInfo\" SET \"AktuellerBetrieb\" = ?", {db::Value(betrieb_.Betrieb)})) {
    throw std::runtime_error("cannot name the enterprise in the system database: " + fehler);
  }
}

Datenwurzel::~Datenwurzel() {
  sys::SetDataRoot(vorher_);
  std::error_code ec;
  fs::remove_all(ordner_, ec);
}

}  // namespace tolvar::bench
