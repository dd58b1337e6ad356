// The databases the installation ships must pass the program's own checks: a fresh user who
// opens the sample enterprise sees no fallback message and no replaced path.
#include <gtest/gtest.h>

#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/settings_row.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/files.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

TEST(ShippedDefaultsTest, SampleEnterpriseAndDefaultDatabasesPassEveryCheck) {
  test::FreshDataRoot root;
  ResetState();
  test::ScopedRecordingSink sink;

  State& s = state();
  s.enterprise.AktuellerBetrieb = root.Join("Betriebe/Mustergärtnerei.mdb");
  s.enterprise.TolvarDatenbankPfad = root.Join("Betriebe/Mustergärtnerei.Tolvar");
  ASSERT_TRUE(sys::FileExists(s.enterprise.AktuellerBetrieb));
  ASSERT_TRUE(mdlDatenLaden::BetriebEinstellungenLaden());
  const EinstellungenSatz loaded = s.enterprise.AktuelleEinstellungen;

  struct Check {
    const char* name;
    void (*run)();
  };
  const Check checks[] = {
      {"Morvin5", mdlFehler::Morvin5DatenbankPruefen},   {"Tolvar", mdlFehler::TolvarDatenbankPruefen},
      {"Material", mdlFehler::MaterialDatenbankPruefen}, {"Vantel", mdlFehler::VantelDatenbankPruefen},
      {"Ergebnis", mdlFehler::ErgebnisDatenbankPruefen},
  };
  for (const Check& check : checks) {
    SCOPED_TRACE(check.name);
    s.enterprise.PruefungOk = false;
    check.run();
    EXPECT_TRUE(s.enterprise.PruefungOk);
  }
  EXPECT_TRUE(sink.messages.empty());
  // No fallback rewrote a path: the defaults the loader built point at the shipped files.
  EXPECT_EQ(s.enterprise.AktuelleEinstellungen.MaterialPfad, loaded.MaterialPfad);
  EXPECT_EQ(s.enterprise.AktuelleEinstellungen.VantelPfad, loaded.VantelPfad);
  EXPECT_EQ(s.enterprise.AktuelleEinstellungen.KlimaPfad, loaded.KlimaPfad);
  EXPECT_EQ(s.enterprise.AktuelleEinstellungen.Ergebnisdatenbank, loaded.Ergebnisdatenbank);
  // The sample's weather station has its two climate tables.
  const auto klima = db::Database::Open(s.enterprise.AktuelleEinstellungen.KlimaPfad);
  ASSERT_NE(klima, nullptr);
  EXPECT_TRUE(klima->HasTable(s.enterprise.AktuelleEinstellungen.Wetterstation + "-Temperatur"));
  EXPECT_TRUE(klima->HasTable(s.enterprise.AktuelleEinstellungen.Wetterstation + "-Einstrahlung"));

  ResetState();
}

}  // namespace
}  // namespace tolvar
