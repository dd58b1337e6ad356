#include "masterdata/working_time.h"

#include <memory>

#include "base/values.h"
#include "data/messages.h"
#include "platform/db/database.h"

namespace tolvar::masterdata {

namespace {

constexpr const char* kTabelle = "Wochenarbeitszeit";

void Fehler(const std::string& pfad, const std::string& was, const std::string& grund) {
  data::ShowCritical(data::Datenbankfehler("Die Wochenarbeitszeiten können nicht " + was + " werden.",
                                           "Morvin5-Datenbank", pfad, grund));
}

}  // namespace

std::optional<std::vector<WochenarbeitszeitSatz>> WochenarbeitszeitLaden(const std::string& morvinPfad,
                                                                         const std::string& personalNr) {
  std::string grund;
  auto database = db::Database::Open(morvinPfad, &grund);
  if (!database) {
    Fehler(morvinPfad, "gelesen", grund);
    return std::nullopt;
  }
  db::Recordset rs = database->OpenTable(kTabelle, "\"PersonalNr\" = ?", {db::Value(personalNr)});
  if (!rs.ok()) {
    Fehler(morvinPfad, "gelesen", rs.error());
    return std::nullopt;
  }
  std::vector<WochenarbeitszeitSatz> eintraege;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    eintraege.push_back({rs.Field("Wochenarbeitszeit").text(), rs.Field("DatumAb").text()});
  }
  return eintraege;
}

bool WochenarbeitszeitSpeichern(const std::string& morvinPfad, const std::string& personalNr,
                                const std::vector<WochenarbeitszeitSatz>& eintraege) {
  if (personalNr.empty()) {
    data::ShowCritical("Die Wochenarbeitszeiten können erst gespeichert werden, wenn die Person eine Nummer hat.");
    return false;
  }
  std::string grund;
  auto database = db::Database::Open(morvinPfad, &grund);
  if (!database) {
    Fehler(morvinPfad, "gespeichert", grund);
    return false;
  }
  db::Transaction transaktion = database->BeginTransaction();
  if (!transaktion.active() ||
      !database->Execute("DELETE FROM \"Wochenarbeitszeit\" WHERE \"PersonalNr\" = ?", {db::Value(personalNr)})) {
    Fehler(morvinPfad, "gespeichert", database->LastError());
    return false;
  }
  db::Recordset rs = database->OpenTable(kTabelle, "0", {});
  if (!rs.ok()) {
    Fehler(morvinPfad, "gespeichert", rs.error());
    return false;
  }
  for (const WochenarbeitszeitSatz& eintrag : eintraege) {
    if (eintrag.Wochenarbeitszeit.empty()) break;
    rs.AddNew();
    const bool gesetzt = rs.SetField("PersonalNr", db::Value(personalNr)) &&
                         rs.SetField("Wochenarbeitszeit", db::Value(eintrag.Wochenarbeitszeit)) &&
                         rs.SetField("DatumAb", db::Value(eintrag.DatumAb)) &&
                         rs.SetField("LetzteAenderung", db::Value(base::GeneralDateText(base::Now()))) &&
                         rs.SetField("ID", db::Value(base::NewRecordId()));
    if (!gesetzt || !rs.Update()) {
      Fehler(morvinPfad, "gespeichert", gesetzt ? rs.error() : "Spalte fehlt");
      return false;
    }
  }
  if (!transaktion.Commit()) {
    Fehler(morvinPfad, "gespeichert", database->LastError());
    return false;
  }
  return true;
}

}  // namespace tolvar::masterdata
