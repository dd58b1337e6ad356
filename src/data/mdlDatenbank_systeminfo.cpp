#include "data/mdlDatenbank_systeminfo.h"

#include <memory>
#include <string>

#include "base/values.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::mdlDatenbank {

namespace {
constexpr std::string_view kTabelle = "SystemInfo";
}  // namespace

bool SystemInfoLesen() {
  State& s = state();
  s.AktuellerBetrieb = std::string(data::kKeinAktuellerBetrieb);
  std::unique_ptr<db::Database> database = db::Database::Open(data::InstallPath(data::kSystemdatenbank));
  if (!database) return false;
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok() || rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  s.AktuellerBetrieb = rs.Field("AktuellerBetrieb").text();
  s.FarbeTolvar = static_cast<int>(rs.Field("FarbeTolvar").integerOr(s.FarbeTolvar));
  s.FarbeMorvin = static_cast<int>(rs.Field("FarbeMorvin").integerOr(s.FarbeMorvin));
  return true;
}

bool SystemInfoSchreiben(std::string* fehler) {
  const State& s = state();
  auto scheitern = [fehler](const std::string& warum) {
    if (fehler) *fehler = warum;
    return false;
  };
  std::string grund;
  std::unique_ptr<db::Database> database = db::Database::Open(data::InstallPath(data::kSystemdatenbank), &grund);
  if (!database) return scheitern(grund);
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok()) return scheitern(rs.error());
  if (rs.RecordCount() == 0) {
    if (!rs.AddNew()) return scheitern(rs.error());
  } else {
    rs.MoveFirst();
    if (!rs.Edit()) return scheitern(rs.error());
  }
  const bool set = rs.SetField("AktuellerBetrieb", s.AktuellerBetrieb) &&
                   rs.SetField("FarbeTolvar", s.FarbeTolvar) &&
                   rs.SetField("FarbeMorvin", s.FarbeMorvin) &&
                   rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now()));
  if (!set) {
    grund = rs.error();
    rs.CancelUpdate();
    return scheitern(grund);
  }
  if (!rs.Update()) return scheitern(rs.error());
  return true;
}

bool SystemInfoSichern() {
  std::string fehler;
  if (SystemInfoSchreiben(&fehler)) return true;
  data::ShowCritical(sys::Fehlermeldung("Der geöffnete Betrieb und die Farbeinstellung konnten nicht in \"" +
                                            data::InstallPath(data::kSystemdatenbank) +
                                            "\" gespeichert werden.",
                                        fehler));
  return false;
}

}  // namespace tolvar::mdlDatenbank
