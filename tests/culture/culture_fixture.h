#pragma once
// A culture K1023 with small fixture databases: the enterprise's labour-time database
// (KulturStandorte, Standort) and its own database (KulturPhasen, Material, Vantel).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/values.h"
#include "data/messages.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"
#include "support/schema.h"

namespace tolvar::test {

inline base::Date D(int y, int m, int d) { return *base::MakeDate(y, m, d); }

// A clock standing still at 15.05.2024 10:00.
class StehendeUhr : public base::Clock {
 public:
  base::Date Now() const override { return base::MakeDateTime(2024, 5, 15, 10, 0, 0); }
  int RandomDigit() override { return 0; }
};

class CultureFixture : public testing::Test {
 protected:
  TempDir dir;
  test::ScopedRecordingSink meldungen;
  StehendeUhr uhr;
  std::unique_ptr<db::Database> morvin;
  std::unique_ptr<db::Database> tolvar;

  void SetUp() override {
    ResetState();
    base::SetClock(&uhr);
    morvin = db::Database::Create(dir.Join("Betrieb.mdb"));
    ASSERT_TRUE(morvin && morvin->ExecuteScript(SchemaOf({"KulturStandorte", "Standort"})));
    tolvar = db::Database::Create(dir.Join("Betrieb.Tolvar"));
    ASSERT_TRUE(tolvar && tolvar->ExecuteScript(SchemaOf({"KulturPhasen", "tolvar_schema.Material", "Vantel"})));
    State& s = state();
    s.enterprise.AktuellerBetrieb = dir.Join("Betrieb.mdb");
    s.enterprise.TolvarDatenbankPfad = dir.Join("Betrieb.Tolvar");
    KulturSatz k;
    k.KulturNr = "K1023";
    KulturSatz andere;
    andere.KulturNr = "K1024";
    s.masters.KulturListe = {k, andere};
    s.selection.KulturIndex = 0;
  }

  void TearDown() override {
    base::SetClock(nullptr);
    ResetState();
  }

  void Ausfuehren(db::Database& datenbank, const std::string& sql, const std::vector<db::Value>& werte = {}) {
    ASSERT_TRUE(datenbank.Execute(sql, werte)) << datenbank.LastError();
  }

  // A stored phase row with the dates as ISO text.
  void PhaseSpeichern(const std::string& kultur, const std::string& nummer, const std::string& name,
                      const std::string& anfang, const std::string& ende) {
    Ausfuehren(*tolvar,
               "INSERT INTO \"KulturPhasen\" VALUES (?, ?, ?, ?, '100', '10', '11', ?, ?, '20', '18', '0', '0')",
               {db::Value(kultur + "_" + nummer), db::Value(kultur), db::Value(nummer), db::Value(name),
                db::Value(anfang), db::Value(ende)});
  }

  // Phases in memory: slot n gets the n-th period.
  void PhasenSetzen(const std::vector<std::pair<base::Date, base::Date>>& perioden) {
    State& s = state();
    s.culture.PhasenListe.assign(26, PhasenSatz{});
    for (std::size_t i = 0; i < perioden.size(); ++i) {
      PhasenSatz& p = s.culture.PhasenListe[i + 1];
      p.KP_ID = "K1023_" + std::to_string(i + 1);
      p.Phasennummer = std::to_string(i + 1);
      p.Phasennamen = "Phase " + std::to_string(i + 1);
      p.Anfang = perioden[i].first;
      p.Ende = perioden[i].second;
    }
    s.culture.AnzahlPhasen = static_cast<int>(perioden.size());
  }

  std::vector<std::vector<std::string>> Zeilen(db::Database& datenbank, const std::string& sql,
                                               const std::vector<db::Value>& werte = {}) {
    std::vector<std::vector<std::string>> zeilen;
    db::Recordset rs = datenbank.Query(sql, werte);
    EXPECT_TRUE(rs.ok()) << rs.error();
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      std::vector<std::string> z;
      for (int i = 0; i < static_cast<int>(rs.ColumnNames().size()); ++i) z.push_back(rs.Field(i).text());
      zeilen.push_back(z);
    }
    return zeilen;
  }
};

}  // namespace tolvar::test
