#include "data/checks.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/files.h"

namespace tolvar::mdlFehler {

namespace {

// The file opens as a database (never created) and holds every table named.
bool OpensWithTables(const std::string& path, std::initializer_list<std::string_view> tables) {
  std::unique_ptr<db::Database> database = db::Database::Open(path);
  if (!database) return false;
  for (std::string_view table : tables) {
    if (!database->HasTable(table)) return false;
  }
  return true;
}

// Writes fields into the first settings row; a missing database, table or row skips it.
void WriteSettingsFields(std::initializer_list<std::pair<std::string_view, std::string>> fields) {
  std::unique_ptr<db::Database> database = db::Database::Open(state().TolvarDatenbankPfad);
  if (!database) return;
  db::Recordset rs = database->OpenTable("BetriebEinstellungen");
  if (!rs.ok() || rs.RecordCount() == 0) return;
  rs.MoveFirst();
  if (!rs.Edit()) return;
  for (const auto& [column, value] : fields) {
    if (!rs.SetField(column, value)) {
      rs.CancelUpdate();
      return;
    }
  }
  rs.Update();
}

}  // namespace

// ---------------------------------------------------------------- checks

void Morvin5DatenbankPruefen() {
  State& s = state();
  if (s.AktuellerBetrieb.empty()) return;
  s.PruefungOk = OpensWithTables(s.AktuellerBetrieb, {"Kulturen", "StdTaetigkeiten", "Standort",
                                                      "Personal", "KulturStandorte", "Taetigkeiten"});
  if (!s.PruefungOk) MeldungMorvin5DatenbankUngueltig();
}

void TolvarDatenbankPruefen() {
  State& s = state();
  s.PruefungOk = sys::FileExists(s.TolvarDatenbankPfad) &&
                 OpensWithTables(s.TolvarDatenbankPfad, {"BetriebEinstellungen", "KulturPhasen"});
}

void MaterialDatenbankPruefen() {
  State& s = state();
  const std::string& path = s.AktuelleEinstellungen.MaterialPfad;
  s.PruefungOk = sys::FileExists(path) && OpensWithTables(path, {"Material"});
  if (!s.PruefungOk) StandardMaterialDatenbankSetzen();
}

void VantelDatenbankPruefen() {
  State& s = state();
  const EinstellungenSatz& e = s.AktuelleEinstellungen;
  // The weather database is only required to exist.
  s.PruefungOk = sys::FileExists(e.VantelPfad) && sys::FileExists(e.KlimaPfad) &&
                 OpensWithTables(e.VantelPfad, {"GWHMaterial", "Heizmaterialien"});
  if (!s.PruefungOk) StandardVantelDatenbankSetzen();
}

void ErgebnisDatenbankPruefen() {
  State& s = state();
  const std::string& path = s.AktuelleEinstellungen.Ergebnisdatenbank;
  s.PruefungOk = sys::FileExists(path) && OpensWithTables(path, {"Vergleichskulturen"});
  if (!s.PruefungOk) StandardErgebnisDatenbankSetzen();
}

// ---------------------------------------------------------------- fallbacks

void StandardMaterialDatenbankSetzen() {
  data::ShowCritical(
      "Die ausgewählte Material-Datenbank ist ungültig und kann nicht geöffnet werden, "
      "stattdessen wird die Standard-Material-Datenbank geladen.");
  EinstellungenSatz& e = state().AktuelleEinstellungen;
  e.MaterialPfad = data::InstallPath(data::kStandardMaterialdatenbank);
  WriteSettingsFields({{"MaterialPfad", e.MaterialPfad}});
}

void StandardVantelDatenbankSetzen() {
  data::ShowCritical(
      "Die ausgewählte Vantel-Datenbank ist ungültig und kann nicht geöffnet werden, "
      "stattdessen wird die Standard-Vantel-Datenbank geladen.");
  EinstellungenSatz& e = state().AktuelleEinstellungen;
  e.VantelPfad = data::InstallPath(data::kStandardVanteldatenbank);
  e.KlimaPfad = data::InstallPath(data::kStandardWetterdatenbank);
  e.Wetterstation = std::string(data::kStandardStation);
  e.StandardStation = base::kTrue;
  // StandardStation stays in memory only.
  WriteSettingsFields(
      {{"KlimaPfad", e.KlimaPfad}, {"VantelPfad", e.VantelPfad}, {"Wetterstation", e.Wetterstation}});
}

void StandardErgebnisDatenbankSetzen() {
  data::ShowCritical(
      "Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden, "
      "stattdessen wird die Standard-Ergebnis-Datenbank geladen.");
  EinstellungenSatz& e = state().AktuelleEinstellungen;
  e.Ergebnisdatenbank = data::InstallPath(data::kStandardErgebnisdatenbank);
  WriteSettingsFields({{"Ergebnisdatenbank", e.Ergebnisdatenbank}});
}

// ---------------------------------------------------------------- standard messages

void MeldungWerteFehlen() { data::ShowCritical("Sie haben nicht alle notwendigen Werte eingegeben"); }

void MeldungWertePruefen() { data::ShowCritical("Überprüfen sie bitte ihre Werte"); }

void MeldungMorvin5DatenbankUngueltig() {
  data::ShowCritical("Die ausgewählte Morvin5-Datenbank ist ungültig und kann nicht geöffnet werden");
}

void MeldungNameFehlt() { data::ShowCritical("Sie müssen erst einen Namen vergeben"); }

void MeldungNameNichtEindeutig() { data::ShowCritical("Der vergebene Name ist nicht eindeutig"); }

void MeldungTaetigkeitKostenDoppelt() {
  data::ShowCritical("Sie können nicht einer Tätigkeit mehrere Kosten zuweisen.");
}

}  // namespace tolvar::mdlFehler
