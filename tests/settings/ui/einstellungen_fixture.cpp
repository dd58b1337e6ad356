#include "settings/ui/einstellungen_fixture.h"

#include "app/mdlGroesse_farben.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmEinstellungen.h"
#include "support/ui_input.h"

namespace tolvar::test {

void EinstellungenTest::SetUp() {
  MusterbetriebEinsetzen();
  State& s = state();
  EinstellungenSatz& e = s.enterprise.AktuelleEinstellungen;
  e.Wetterstation = "München";
  e.Strom = "0,22";
  e.VantelPfad = root.Join("Vantel/Material/TechDaten.mdb");
  e.KlimaPfad = root.Join("Vantel/Wetterdaten/Klimadaten.mdb");
  e.Ergebnisdatenbank = root.Join("Tolvar_DB/Ergebnisse.mdb");
  e.Gemeinkostentyp = "0";
  e.Gemeinkosten = "45000";
  e.Flaeche = "1000";
  e.Jahr = "2024";
  e.Belegung = "75";
  e.Vermarktungskosten = "8";
  s.windows.FarbeTolvar = 3;
  mdlGroesse::FarbnamenErmitteln();
}

std::vector<std::string> EinstellungenTest::Spalte(const std::string& path, const std::string& table,
                                                   const std::string& column) {
  std::vector<std::string> werte;
  auto database = db::Database::Open(path);
  if (!database) return werte;
  db::Recordset rs = database->OpenTable(table);
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) werte.push_back(rs[column].text());
  return werte;
}

frmEinstellungen& EinstellungenTest::Oeffnen(int tab) {
  frmEinstellungen& f = frmEinstellungen::instanz();
  f.Show();
  EXPECT_TRUE(ActivateWindowOf(&f));
  if (tab != 0) {
    EXPECT_TRUE(ClickTab(f.regEinstellungen, tab));
  }
  return f;
}

std::string EinstellungenTest::Vantel() const { return state().enterprise.AktuelleEinstellungen.VantelPfad; }

}  // namespace tolvar::test
